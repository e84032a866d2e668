#include <QFile>

#include <gtest/gtest.h>

#include "graphics/mirt_gra.h"
#include "gra_test_support.h"
#include "platform/renderer/video_board.h"

namespace razudar::gra_test {
namespace {

struct Planes : ::testing::Test {
    void SetUp() override {
        writePage(c.folder(), QStringLiteral("Prima.smb"), {textObject("txtNome", 10, 10, 200, 40, "Rossi")});
        writePage(c.folder(), QStringLiteral("Seconda.smb"), {textObject("txtTempo", 10, 60, 200, 40, "1:23.45")});
        QFile bad(QDir(c.folder()).filePath(QStringLiteral("Rotta.smb")));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("{ non una pagina");
        bad.close();
        c.start();
        g = c.control.get();
    }
    int state(int plane) { return call(g, "StatoPiano", {plane}).toInt(); }
    int pageOf(int plane) { return call(g, "IndicePaginaPiano", {plane}).toInt(); }
    bool started(int plane) { return call(g, "StartPiano", {plane}).toBool(); }

    DirectControl c;
    QObject* g = nullptr;
};

TEST_F(Planes, PlaneGoesThroughLoadShowStartStopAndRemove) {
    EXPECT_EQ(state(0), 0);
    EXPECT_EQ(pageOf(0), -1);
    EXPECT_EQ(call(g, "DescrizioneStatoPiano", {0}).toString(), QStringLiteral("0 - Vuoto"));

    ASSERT_TRUE(call(g, "CaricaPagina", {" prima ", 0}).toBool());
    EXPECT_EQ(state(0), 1);
    EXPECT_EQ(pageOf(0), 0);
    EXPECT_EQ(call(g, "PianoPagina", {"Prima"}).toInt(), 0);
    EXPECT_EQ(call(g, "DescrizioneStatoPiano", {0}).toString(), QStringLiteral("1 - Caricato"));

    ASSERT_TRUE(call(g, "VisualizzaPagina", {"Prima"}).toBool());
    EXPECT_EQ(state(0), 2);
    EXPECT_EQ(call(g, "DescrizioneStatoPiano", {0}).toString(), QStringLiteral("2 - Visualizzato"));
    EXPECT_FALSE(started(0));

    ASSERT_TRUE(call(g, "StartPagina", {"Prima"}).toBool());
    EXPECT_TRUE(started(0));
    ASSERT_TRUE(call(g, "StopPagina", {"Prima"}).toBool());
    EXPECT_FALSE(started(0));
    EXPECT_EQ(state(0), 2);
    ASSERT_TRUE(call(g, "RinfrescaPagina", {"Prima"}).toBool());
    EXPECT_EQ(state(0), 2);

    ASSERT_TRUE(call(g, "TogliePagina", {"Prima"}).toBool());
    EXPECT_EQ(state(0), 0);
    EXPECT_EQ(pageOf(0), -1);
    EXPECT_EQ(call(g, "PianoPagina", {"Prima"}).toInt(), -1);
    EXPECT_EQ(c.fakes.waiter.sleeps(), std::vector<int>{40});
    EXPECT_TRUE(c.events->messages.isEmpty()) << c.events->messages.join('\n').toStdString();
}

TEST_F(Planes, PageOnPlaneOneIsShownByPlaneOne) {
    ASSERT_TRUE(call(g, "CaricaPagina", {"Seconda", 1}).toBool());
    ASSERT_TRUE(call(g, "VisualizzaPagina", {"Seconda"}).toBool());
    EXPECT_EQ(state(1), 2);
    EXPECT_EQ(state(0), 0);
    EXPECT_EQ(pageOf(1), 2);
    // Drawn by plane 1's renderer: only the board's second layer holds a picture.
    EXPECT_FALSE(c.control->board()->layerFrame(1).isNull());
    EXPECT_TRUE(c.control->board()->layerFrame(0).isNull());
}

TEST_F(Planes, LoadingAnotherPageClearsTheStartFlag) {
    ASSERT_TRUE(call(g, "CaricaPagina", {"Prima", 0}).toBool());
    ASSERT_TRUE(call(g, "StartPagina", {"Prima"}).toBool());
    ASSERT_TRUE(started(0));
    // The load stops the renderer, so the plane's new page has not been started.
    ASSERT_TRUE(call(g, "CaricaPagina", {"Seconda", 0}).toBool());
    EXPECT_FALSE(started(0));
    EXPECT_EQ(state(0), 1);
}

TEST_F(Planes, InizializzaAgainLeavesNoPageOnAPlane) {
    ASSERT_TRUE(call(g, "CaricaPagina", {"Prima", 0}).toBool());
    ASSERT_TRUE(call(g, "CaricaPagina", {"Seconda", 1}).toBool());
    call(g, "Chiude");
    ASSERT_TRUE(call(g, "Inizializza").toBool());
    // The new renderers hold no page, and the table says so.
    EXPECT_EQ(call(g, "PianoPagina", {"Prima"}).toInt(), -1);
    EXPECT_EQ(call(g, "PianoPagina", {"Seconda"}).toInt(), -1);
    EXPECT_EQ(state(0), 0);
    EXPECT_EQ(pageOf(1), -1);
    call(g, "setProprietaTesto", {"Prima", "txtNome", 0, "Bianchi"});
    EXPECT_EQ(c.events->messages, QStringList{"ProprietaOggetto: Pagina='Prima' non trovata sui piani"});
}

TEST_F(Planes, CancellaAreaEmptiesThePlaneAndDetachesItsPage) {
    ASSERT_TRUE(call(g, "CaricaPagina", {"Prima", 0}).toBool());
    ASSERT_TRUE(call(g, "StartPagina", {"Prima"}).toBool());
    call(g, "CancellaArea", {0});
    EXPECT_EQ(state(0), 0);
    EXPECT_EQ(pageOf(0), -1);
    EXPECT_FALSE(started(0));
    EXPECT_EQ(call(g, "PianoPagina", {"Prima"}).toInt(), -1);
    EXPECT_FALSE(call(g, "StartPagina", {"Prima"}).toBool());
    EXPECT_EQ(c.events->messages, QStringList{"StartPagina: Pagina='Prima' non trovata sui piani"});
}

TEST_F(Planes, LoadingOverAnotherPageDetachesIt) {
    ASSERT_TRUE(call(g, "CaricaPagina", {"Prima", 0}).toBool());
    ASSERT_TRUE(call(g, "CaricaPagina", {"Seconda", 0}).toBool());
    EXPECT_EQ(call(g, "PianoPagina", {"Prima"}).toInt(), -1);
    EXPECT_EQ(call(g, "PianoPagina", {"Seconda"}).toInt(), 0);
    EXPECT_EQ(pageOf(0), 2);
    // A write to the detached page reaches no plane, so it cannot change the page shown.
    call(g, "setProprietaTesto", {"Prima", "txtNome", 0, "Bianchi"});
    EXPECT_EQ(c.events->messages, QStringList{"ProprietaOggetto: Pagina='Prima' non trovata sui piani"});
    EXPECT_EQ(call(g, "ProprietaTesto", {"Seconda", "txtTempo", 0}).toString(), QStringLiteral("1:23.45"));
}

TEST_F(Planes, BadPlaneIsCheckedBeforeAnythingIsRecorded) {
    EXPECT_FALSE(call(g, "CaricaPagina", {"Prima", 2}).toBool());
    EXPECT_EQ(call(g, "PianoPagina", {"Prima"}).toInt(), -1);
    EXPECT_EQ(c.events->messages, QStringList{"CaricaPagina: Pagina='Prima' non trovata sui piani"});
    c.events->messages.clear();

    EXPECT_EQ(call(g, "StatoPiano", {2}).toInt(), -1);
    EXPECT_EQ(call(g, "IndicePaginaPiano", {-1}).toInt(), -1);
    EXPECT_FALSE(call(g, "StartPiano", {5}).toBool());
    EXPECT_EQ(call(g, "DescrizioneStatoPiano", {2}).toString(), QString());
    call(g, "CancellaArea", {3});
    EXPECT_EQ(c.events->messages,
              (QStringList{"StatoPiano: Piano=2 non valido", "IndicePaginaPiano: Piano=-1 non valido",
                           "StartPiano: Piano=5 non valido", "DescrizioneStatoPiano: Piano=2 non valido",
                           "CancellaArea: Piano=3 non valido"}));
}

TEST_F(Planes, UnknownPageAndBrokenPageFileAreReported) {
    EXPECT_FALSE(call(g, "CaricaPagina", {"Terza", 0}).toBool());
    EXPECT_FALSE(call(g, "VisualizzaPagina", {"Seconda"}).toBool());
    ASSERT_TRUE(call(g, "CaricaPagina", {"Prima", 0}).toBool());
    EXPECT_FALSE(call(g, "CaricaPagina", {"Rotta", 0}).toBool());
    ASSERT_EQ(c.events->messages.size(), 3);
    EXPECT_EQ(c.events->messages[0], QStringLiteral("CaricaPagina: Pagina='Terza' non trovata su elenco pagine"));
    EXPECT_EQ(c.events->messages[1], QStringLiteral("VisualizzaPagina: Pagina='Seconda' non trovata sui piani"));
    EXPECT_TRUE(c.events->messages[2].startsWith(QStringLiteral("CaricaPagina: "))) << c.events->messages[2].toStdString();
    EXPECT_TRUE(c.events->messages[2].contains(QStringLiteral("Rotta.smb")));
    // The plane was cleared for the broken page: it holds nothing and names no page.
    EXPECT_EQ(state(0), 0);
    EXPECT_EQ(call(g, "PianoPagina", {"Prima"}).toInt(), -1);
    EXPECT_EQ(call(g, "PianoPagina", {"Rotta"}).toInt(), -1);
}

TEST_F(Planes, TypeDescriptionsAndOutOfRangeType) {
    EXPECT_EQ(call(g, "DescrizioneTipoOggetto", {0}).toString(), QStringLiteral("0 - Sconosciuto"));
    EXPECT_EQ(call(g, "DescrizioneTipoOggetto", {6}).toString(), QStringLiteral("6 - Orologio"));
    EXPECT_EQ(call(g, "DescrizioneTipoOggetto", {8}).toString(), QStringLiteral("8 - MatroxDVE"));
    EXPECT_TRUE(c.events->messages.isEmpty());
    EXPECT_EQ(call(g, "DescrizioneTipoOggetto", {9}).toString(), QString());
    EXPECT_EQ(call(g, "DescrizioneTipoOggetto", {-1}).toString(), QString());
    EXPECT_EQ(c.events->messages, (QStringList{"DescrizioneTipoOggetto: Tipo oggetto=9 non valido",
                                               "DescrizioneTipoOggetto: Tipo oggetto=-1 non valido"}));
}

TEST_F(Planes, CallsAfterChiudeAreReportedNotRaised) {
    ASSERT_TRUE(call(g, "CaricaPagina", {"Prima", 0}).toBool());
    call(g, "Chiude");
    EXPECT_FALSE(g->property("Inizializzata").toBool());
    EXPECT_FALSE(call(g, "CaricaPagina", {"Seconda", 0}).toBool());
    EXPECT_FALSE(call(g, "StartPagina", {"Prima"}).toBool());
    call(g, "CancellaArea", {0});
    call(g, "SalvaSchermo", {c.folder() + QStringLiteral("/x.tga")});
    EXPECT_EQ(c.events->messages,
              (QStringList{"CaricaPagina: Grafica non inizializzata", "StartPagina: Grafica non inizializzata",
                           "CancellaArea: Grafica non inizializzata", "SalvaSchermo: Grafica non inizializzata"}));
    EXPECT_FALSE(QFile::exists(c.folder() + QStringLiteral("/x.tga")));
}

TEST(PlanesBeforeStart, CallsBeforeInizializzaAreReportedNotRaised) {
    DirectControl c;
    writePage(c.folder(), QStringLiteral("Prima.smb"), {textObject("txtNome", 10, 10, 200, 40, "Rossi")});
    QObject* g = c.control.get();
    ASSERT_TRUE(call(g, "CaricaFileDefinizioni", {c.folder()}).toBool());
    EXPECT_FALSE(g->property("Inizializzata").toBool());
    EXPECT_EQ(call(g, "StatoPiano", {0}).toInt(), 0);
    EXPECT_EQ(call(g, "IndicePaginaPiano", {1}).toInt(), -1);
    EXPECT_FALSE(call(g, "CaricaPagina", {"Prima", 0}).toBool());
    EXPECT_FALSE(g->property("Piano1Attivo").toBool());
    g->setProperty("VGA", true);
    EXPECT_EQ(c.events->messages,
              (QStringList{"CaricaPagina: Grafica non inizializzata", "Piano1Attivo: Grafica non inizializzata",
                           "VGA: Grafica non inizializzata"}));
    EXPECT_EQ(call(g, "PianoPagina", {"Prima"}).toInt(), -1);
}

TEST_F(Planes, SalvaPaginaWritesThePlanesPageUnderThePagePathAndPostfix) {
    ASSERT_TRUE(call(g, "CaricaPagina", {"Prima", 0}).toBool());
    call(g, "setProprietaTesto", {"Prima", "txtNome", 0, "Verdi"});
    ASSERT_TRUE(call(g, "SalvaPagina", {"Prima", "_copia", 0}).toBool());
    const QString saved = QDir(c.folder()).filePath(QStringLiteral("Prima.smb_copia.smb"));
    ASSERT_TRUE(QFile::exists(saved));
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("Verdi"));
    EXPECT_FALSE(call(g, "SalvaPagina", {"Prima", "", 7}).toBool());
    EXPECT_EQ(c.events->messages, QStringList{"CaricaPagina: Pagina='Prima' non trovata sui piani"});
}

TEST_F(Planes, SalvaPaginaOfAnotherPageDoesNotPutItOnThePlane) {
    ASSERT_TRUE(call(g, "CaricaPagina", {"Prima", 0}).toBool());
    // Saves what plane 0 holds (the first page) under the second page's name...
    ASSERT_TRUE(call(g, "SalvaPagina", {"Seconda", "_copia", 0}).toBool());
    QFile f(QDir(c.folder()).filePath(QStringLiteral("Seconda.smb_copia.smb")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("txtNome"));
    // ...without naming the plane as the second page's: writes to it never reach the first page.
    EXPECT_EQ(call(g, "PianoPagina", {"Seconda"}).toInt(), -1);
    EXPECT_EQ(call(g, "PianoPagina", {"Prima"}).toInt(), 0);
    EXPECT_EQ(pageOf(0), 0);
    EXPECT_TRUE(c.events->messages.isEmpty()) << c.events->messages.join('\n').toStdString();
}

TEST_F(Planes, SchedaVideoAssenteReportsOnlyWhenTheHostSetIt) {
    EXPECT_FALSE(call(g, "SchedaVideoAssente", {"EffettoX"}).toBool());
    EXPECT_TRUE(c.events->messages.isEmpty());
    g->setProperty("booSchedaVideoAssente", true);
    EXPECT_TRUE(call(g, "SchedaVideoAssente", {"EffettoX"}).toBool());
    EXPECT_EQ(c.events->messages, QStringList{"EffettoX: Scheda Video Assente"});
}

}  // namespace
}  // namespace razudar::gra_test

namespace razudar::gra_test {
namespace {

TEST(PlanesBeforeStart, BoardThatCannotOpenFailsInizializzaWithAMessage) {
    DirectControl c;
    c.fakes.settings.save(renderer::outputScreenSettingApplication(), renderer::outputScreenSettingSection(),
                          renderer::outputScreenSettingKey(), QStringLiteral("Schermo che non esiste"));
    QObject* g = c.control.get();
    EXPECT_FALSE(call(g, "Inizializza").toBool());
    EXPECT_FALSE(g->property("Inizializzata").toBool());
    ASSERT_EQ(c.events->messages.size(), 1);
    EXPECT_TRUE(c.events->messages[0].startsWith(QStringLiteral("Inizializza: "))) << c.events->messages[0].toStdString();
    EXPECT_EQ(g->property("Fb").value<void*>(), nullptr);
    // With the setting gone the control starts.
    c.fakes.settings.save(renderer::outputScreenSettingApplication(), renderer::outputScreenSettingSection(),
                          renderer::outputScreenSettingKey(), QString());
    EXPECT_TRUE(call(g, "Inizializza").toBool());
}

}  // namespace
}  // namespace razudar::gra_test
