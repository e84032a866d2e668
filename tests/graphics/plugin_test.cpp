#include <QDir>
#include <QMetaEnum>
#include <QPluginLoader>
#include <QWidget>

#include <gtest/gtest.h>

#include "gra_test_support.h"
#include "platform/controls/control_factory.h"

namespace razudar::gra_test {
namespace {

// The control as the program gets it: from the plug-in, with the real clock, waits and
// settings, and only its member names to go by.
struct Plugin : ::testing::Test {
    void SetUp() override {
        loader.setFileName(QDir(QStringLiteral(RAZUDAR_PLUGIN_DIR)).filePath(QStringLiteral("libQuelvo.so")));
        ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
        factory = qobject_cast<ControlFactory*>(loader.instance());
        ASSERT_NE(factory, nullptr);
        control.reset(factory->create(nullptr));
        ASSERT_NE(control, nullptr);
        events = std::make_unique<EventRecorder>(control.get());
    }
    void TearDown() override {
        events.reset();
        control.reset();
    }

    QPluginLoader loader;
    ControlFactory* factory = nullptr;
    std::unique_ptr<QWidget> control;
    std::unique_ptr<EventRecorder> events;
};

TEST_F(Plugin, OffersEveryMemberByName) {
    EXPECT_EQ(factory->className(), QStringLiteral("MirtGRA"));
    const QMetaObject* mo = control->metaObject();
    const QStringList members = {
        "Inizializza", "Chiude", "CancellaArea", "CaricaFileDefinizioni", "CaricaPagina", "SalvaPagina",
        "VisualizzaPagina", "RinfrescaPagina", "StartPagina", "StopPagina", "TogliePagina", "PianoPagina",
        "CercaPagina", "CercaOggetto", "SchedaVideoAssente", "NomePagina", "IndicePaginaPiano", "StatoPiano",
        "StartPiano", "DescrizioneStatoPiano", "DescrizioneTipoOggetto", "ContatoreOggetti", "EsisteOggetto",
        "InfoOggetto", "ProprietaTesto", "setProprietaTesto", "ProprietaImmagine", "setProprietaImmagine",
        "ProprietaAnimazione", "setProprietaAnimazione", "ProprietaCrawl", "setProprietaCrawl", "ProprietaRoll",
        "setProprietaRoll", "ProprietaOrologio", "setProprietaOrologio", "ProprietaDVEavi", "setProprietaDVEavi",
        "ProprietaOggettoGenerico", "setProprietaOggettoGenerico", "SS_ProprietaTestoImposta",
        "SS_ProprietaImmagineImposta", "SS_ProprietaTestoLeggi", "SS_ProprietaImmagineLeggi",
        "DescrizioneProprietaOggetto", "AggiornaMonitor", "TV", "SalvaSchermo", "PreviewPiano", "PreviewPagina",
        "Anteprima", "EffettoX", "EffettoY", "EffettoD", "EffettoX_", "AbilitaLiveInput", "AbilitaVideoInput",
        "setdveLive", "setdveRazudar", "setdveVideo", "setdveGrafica", "setFaderWipeRazudar", "setFaderWipeGrafica",
        "setWipeEffectRazudar", "openAvi", "PlayAvi", "StopAvi", "getFilenameLenght", "Scrubbing", "SeekAvi",
        "debugfilter", "DisplayMode", "Strobe", "grablive", "RicevutoMessaggio", "Conferma", "NotificaEvento",
        "setVGA", "setPiano1Attivo", "TempoACorrere", "Animazione", "Riga", "SetRettangolo", "SetRettangolo2",
        "AttivaTempoACorrere", "FermaTempoACorrere", "RiavviaTempoACorrere", "EliminaTempoACorrere", "TitoliCoda",
        "AnimazioneInizio", "AnimazioneFine", "AnimazioneCarica", "PercorsoImmagine", "SpostaRiga", "SpostaTitolo",
        "SpostaDistacco3", "SpostaUltimiGiri", "SpostaDistacco1", "diInizializzaDistacco1", "diNuovoDistacco1",
        "ClonaOggetto", "tcInizializzaCla", "tcPosizionaVelocita", "tcPreparaCla", "tcBarraVisibile", "tcSpostaCla",
        "tcSpostaPole", "tcPosizionaConcorrente", "grInizializza", "grFileInvertite", "grVisibile", "grSposta",
        "piInizializzaPista", "piSpostaPista", "meInizializzaMeteo", "meSpostaMeteo", "caSpostaRiga", "veSpostaRiga",
        "scInizializzaStatistiche", "scSpostaCostruttore", "scSpostaStatistiche", "AttivaConferma"};
    QStringList found;
    for (int i = 0; i < mo->methodCount(); ++i) found << QString::fromLatin1(mo->method(i).name());
    for (const QString& m : members) EXPECT_TRUE(found.contains(m)) << m.toStdString();
    for (const char* p : {"Inizializzata", "ContatorePagine", "booVGA", "booSchedaVideoAssente", "tcPosizioni", "Fb",
                          "VGA", "Piano1Attivo", "grFileInvertite"}) {
        EXPECT_GE(mo->indexOfProperty(p), 0) << p;
    }
    // The board object belongs to the control: the host reads it, never replaces it.
    EXPECT_FALSE(mo->property(mo->indexOfProperty("Fb")).isWritable());
    EXPECT_TRUE(mo->property(mo->indexOfProperty("tcPosizioni")).isWritable());

    const auto value = [&](const char* enumeration, const char* key) {
        const int index = mo->indexOfEnumerator(enumeration);
        EXPECT_GE(index, 0) << enumeration;
        return index < 0 ? -100 : mo->enumerator(index).keyToValue(key);
    };
    EXPECT_EQ(value("StatiPiano", "piSuMonitor"), 3);
    EXPECT_EQ(value("TipiOggetto", "ogTipoMatroxDVE"), 8);
    EXPECT_EQ(value("TipiInfo", "ogH"), 6);
    EXPECT_EQ(value("ProprietaOggettoGenerico", "ogProprietaColoreOutline"), 15);
    EXPECT_EQ(value("ProprietaOggettoTesto", "ogTestoProprietaTimeStart"), 5);
    EXPECT_EQ(value("ProprietaOggettoTesto", "ogTestoProprietaPercorso"), -1);
    EXPECT_EQ(value("ProprietaOggettoImmagine", "ogImmagineProprietaAlpha"), 14);
    EXPECT_EQ(value("ProprietaOggettoAnimazione", "ogAnimazioneProprietaVisibile"), 4);
    EXPECT_EQ(value("ProprietaOggettoCrawl", "ogCrawlProprietaY"), 11);
    EXPECT_EQ(value("ProprietaOggettoRoll", "ogRollProprietaColore"), 2);
    EXPECT_EQ(value("ProprietaOggettoOrologio", "ogOrologioProprietaVisibile"), 4);
    EXPECT_EQ(value("ProprietaOggettoDVEavi", "ogDVEaviProprietaPercorso"), 3);
    EXPECT_EQ(value("ProprietaTempoACorrere", "ogTempoACorrereProprietaTimePause"), 2);
    EXPECT_EQ(value("MetodoAnimazione", "ogAnimazioneMetodoStop"), 1);
    EXPECT_EQ(value("scStatistiche", "scStatisticheMezzoAvi"), 5);
}

TEST_F(Plugin, DrivesAPageFromListingToFrameAndBack) {
    QTemporaryDir dir;
    QJsonObject red = textObject("txtNome", 100, 100, 200, 60, "MMMM");
    red[QStringLiteral("size")] = 48;
    writePage(dir.path(), QStringLiteral("Cartellino.SMB"), {red, textObject("txtPosizione1", 0, 0, 10, 10, "1")});
    QWidget* g = control.get();

    EXPECT_FALSE(call(g, "CaricaPagina", {"Cartellino", 0}).toBool());
    ASSERT_TRUE(call(g, "CaricaFileDefinizioni", {dir.path()}).toBool());
    ASSERT_TRUE(call(g, "Inizializza").toBool());
    EXPECT_TRUE(g->property("Inizializzata").toBool());
    EXPECT_NE(g->property("Fb").value<void*>(), nullptr);
    g->setProperty("VGA", false);
    ASSERT_TRUE(call(g, "CaricaPagina", {"cartellino ", 0}).toBool());
    EXPECT_TRUE(call(g, "EsisteOggetto", {"Cartellino", "txtPosizione1"}).toBool());
    EXPECT_FALSE(call(g, "EsisteOggetto", {"Cartellino", "txtPosizione2"}).toBool());
    call(g, "setProprietaTesto", {"Cartellino", "txtNome", 2, 255});
    ASSERT_TRUE(call(g, "StartPagina", {"Cartellino"}).toBool());
    EXPECT_EQ(call(g, "StatoPiano", {0}).toInt(), 2);

    const QString path = dir.filePath(QStringLiteral("frame.png"));
    call(g, "SalvaSchermo", {path});
    const QImage frame = QImage(path).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(frame.size(), QSize(720, 576));
    const QRect redBox = boundingBox(frame, isRed);
    EXPECT_FALSE(redBox.isEmpty());
    EXPECT_TRUE(QRect(100, 100, 200, 60).contains(redBox));

    call(g, "EffettoX", {360, false});
    call(g, "setdveGrafica", {0, 0, 720, 576});
    // The row mover as the program calls it: fields in a text list, row number after them.
    EXPECT_TRUE(call(g, "SpostaRiga", {5, "Cartellino", -1, 10, 1, 1, true, "", QStringList{"txtPosizione", "txtPosizione"}, true})
                    .toBool());
    EXPECT_TRUE(call(g, "TempoACorrere", {"Cartellino", "txtNome", 0, "+1500"}).toBool());
    ASSERT_TRUE(call(g, "TogliePagina", {"Cartellino"}).toBool());
    EXPECT_EQ(call(g, "StatoPiano", {0}).toInt(), 0);
    EXPECT_EQ(events->messages,
              (QStringList{"CaricaPagina: Pagina='Cartellino' non trovata su elenco pagine",
                           "EsisteOggetto-CercaOggetto: 'txtPosizione2' non trovato (Cartellino)"}));
    call(g, "Chiude");
    EXPECT_FALSE(g->property("Inizializzata").toBool());
    EXPECT_FALSE(call(g, "StartPagina", {"Cartellino"}).toBool());
    EXPECT_EQ(events->messages.last(), QStringLiteral("StartPagina: Pagina='Cartellino' non trovata sui piani"));
}

}  // namespace
}  // namespace razudar::gra_test
