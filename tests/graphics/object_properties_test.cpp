#include <gtest/gtest.h>

#include "graphics/mirt_gra.h"
#include "gra_test_support.h"

namespace razudar::gra_test {
namespace {

enum Code { Testo = 0, Font, Colore, Percorso, Visibile, TimeStart, TimeValue, TimeSgn, RunFormat, StopFormat,
            X, Y, W, H, Alpha, ColoreOutline };

// One page with an object of every type, loaded on plane 0; "Vuota" is listed but not loaded.
struct Objects : ::testing::Test {
    void SetUp() override {
        writePicture(QDir(c.folder()).filePath(QStringLiteral("blu.png")), 30, 20, Qt::blue);
        writePicture(QDir(c.folder()).filePath(QStringLiteral("verde.png")), 12, 8, Qt::green);
        QJsonObject text = textObject("txtNome", 10, 10, 200, 40, "Rossi");
        text[QStringLiteral("stopFormat")] = QStringLiteral("nz hh:mm:ss:dc");
        QJsonObject anim = simpleObject("aniLogo", "animation", 400, 10, 50, 50);
        anim[QStringLiteral("file")] = QStringLiteral("logo.avi");
        QJsonObject crawl = simpleObject("crwNotizie", "crawl", 0, 540, 720, 30);
        crawl[QStringLiteral("text")] = QStringLiteral("Notizie");
        QJsonObject roll = simpleObject("rolTitoli", "roll", 500, 100, 200, 200);
        roll[QStringLiteral("text")] = QStringLiteral("Titoli");
        QJsonObject clip = simpleObject("aviSponsor", "clip", 560, 60, 120, 60);
        clip[QStringLiteral("file")] = QStringLiteral("Sponsor/Sponsor1.avi");
        writePage(c.folder(), QStringLiteral("Oggetti.smb"),
                  {text, imageObject("imgBandiera", 300, 20, "blu.png"), anim, crawl, roll,
                   simpleObject("oraEsatta", "clock", 600, 30, 90, 30), clip,
                   simpleObject("dveEffetto", "dve", 0, 0, 720, 576)});
        writePage(c.folder(), QStringLiteral("Vuota.smb"), {textObject("txtX", 0, 0, 10, 10, "")});
        c.start();
        g = c.control.get();
        ASSERT_TRUE(call(g, "CaricaPagina", {"Oggetti", 0}).toBool());
    }
    QVariant get(const char* member, const char* object, int code) {
        return call(g, member, {"Oggetti", object, code});
    }
    void set(const char* member, const char* object, int code, const QVariant& value) {
        call(g, (QByteArray("set") + member).constData(), {"Oggetti", object, code, value});
    }
    QStringList& messages() { return c.events->messages; }

    DirectControl c;
    QObject* g = nullptr;
};

TEST_F(Objects, CountsFindsAndDescribesObjects) {
    EXPECT_EQ(call(g, "ContatoreOggetti", {"oggetti"}).toInt(), 8);
    EXPECT_TRUE(call(g, "EsisteOggetto", {"Oggetti", "  IMGBANDIERA "}).toBool());
    EXPECT_EQ(call(g, "CercaOggetto", {"Prova", "Oggetti", "crwnotizie"}).toInt(), 3);
    EXPECT_EQ(call(g, "InfoOggetto", {"Oggetti", 1, 0}).toString(), QStringLiteral("imgBandiera"));
    EXPECT_EQ(call(g, "InfoOggetto", {"Oggetti", 1, 1}).toInt(), 3);
    EXPECT_EQ(call(g, "InfoOggetto", {"Oggetti", 7, 2}).toString(), QStringLiteral("8 - MatroxDVE"));
    EXPECT_TRUE(messages().isEmpty());
    // Other kinds of information, and indexes outside the page, give an empty value.
    EXPECT_FALSE(call(g, "InfoOggetto", {"Oggetti", 0, 3}).isValid());
    EXPECT_FALSE(call(g, "InfoOggetto", {"Oggetti", 8, 0}).isValid());
    EXPECT_FALSE(call(g, "InfoOggetto", {"Oggetti", -1, 0}).isValid());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(Objects, MissingObjectsAndPagesOnNoPlane) {
    EXPECT_FALSE(call(g, "EsisteOggetto", {"Vuota", "txtX"}).toBool());
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(call(g, "ContatoreOggetti", {"Vuota"}).toInt(), 0);
    EXPECT_FALSE(call(g, "EsisteOggetto", {"Oggetti", "txtPosizione1"}).toBool());
    EXPECT_EQ(call(g, "ContatoreOggetti", {"Nessuna"}).toInt(), 0);
    EXPECT_FALSE(call(g, "InfoOggetto", {"Vuota", 0, 0}).isValid());
    EXPECT_EQ(messages(), (QStringList{"ContatoreOggetti: Pagina='Vuota' non trovata sui piani",
                                       "EsisteOggetto-CercaOggetto: 'txtPosizione1' non trovato (Oggetti)",
                                       "ContatoreOggetti: Pagina='Nessuna' non trovata su elenco pagine",
                                       "InfoOggetto: Pagina='Vuota' non trovata sui piani"}));
}

TEST_F(Objects, TextObjectOffersEveryTextCode) {
    EXPECT_EQ(get("ProprietaTesto", "txtNome", Testo).toString(), QStringLiteral("Rossi"));
    set("ProprietaTesto", "TXTNOME", Testo, "Bianchi");
    EXPECT_EQ(get("ProprietaTesto", "txtNome", Testo).toString(), QStringLiteral("Bianchi"));
    set("ProprietaTesto", "txtNome", Testo, 42);
    EXPECT_EQ(get("ProprietaTesto", "txtNome", Testo).toString(), QStringLiteral("42"));

    EXPECT_EQ(get("ProprietaTesto", "txtNome", Font).toString(), QStringLiteral("DejaVu Sans"));
    set("ProprietaTesto", "txtNome", Font, "DejaVu Serif");
    EXPECT_EQ(get("ProprietaTesto", "txtNome", Font).toString(), QStringLiteral("DejaVu Serif"));
    set("ProprietaTesto", "txtNome", Colore, 255);
    EXPECT_EQ(get("ProprietaTesto", "txtNome", Colore).toInt(), 255);
    set("ProprietaTesto", "txtNome", ColoreOutline, "65280");
    EXPECT_EQ(get("ProprietaTesto", "txtNome", ColoreOutline).toInt(), 65280);

    EXPECT_EQ(get("ProprietaTesto", "txtNome", Visibile).toBool(), true);
    set("ProprietaTesto", "txtNome", Visibile, "False");
    EXPECT_EQ(get("ProprietaTesto", "txtNome", Visibile), QVariant(false));
    set("ProprietaTesto", "txtNome", Visibile, -1);
    EXPECT_EQ(get("ProprietaTesto", "txtNome", Visibile), QVariant(true));

    set("ProprietaTesto", "txtNome", TimeStart, 12345);
    EXPECT_EQ(get("ProprietaTesto", "txtNome", TimeStart).toInt(), 12345);
    set("ProprietaTesto", "txtNome", TimeValue, 83459.5);  // half to even: 83460
    EXPECT_EQ(get("ProprietaTesto", "txtNome", TimeValue).toInt(), 83460);
    set("ProprietaTesto", "txtNome", TimeSgn, 1);
    EXPECT_EQ(get("ProprietaTesto", "txtNome", TimeSgn).toInt(), 1);
    set("ProprietaTesto", "txtNome", RunFormat, "nz hh:mm:ss:d");
    EXPECT_EQ(get("ProprietaTesto", "txtNome", RunFormat).toString(), QStringLiteral("nz hh:mm:ss:d"));
    EXPECT_EQ(get("ProprietaTesto", "txtNome", StopFormat).toString(), QStringLiteral("nz hh:mm:ss:dc"));
    set("ProprietaTesto", "txtNome", StopFormat, "nz hh:mm:ss:dcm");
    EXPECT_EQ(get("ProprietaTesto", "txtNome", StopFormat).toString(), QStringLiteral("nz hh:mm:ss:dcm"));
    EXPECT_EQ(get("ProprietaTesto", "txtNome", RunFormat).toString(), QStringLiteral("nz hh:mm:ss:d"));

    const std::array<std::pair<int, int>, 5> layout = {{{X, 10}, {Y, 10}, {W, 200}, {H, 40}, {Alpha, 255}}};
    for (const auto& [code, designed] : layout) {
        EXPECT_EQ(get("ProprietaTesto", "txtNome", code).toInt(), designed) << code;
        set("ProprietaTesto", "txtNome", code, designed + 5 - (code == Alpha ? 10 : 0));
        EXPECT_EQ(get("ProprietaTesto", "txtNome", code).toInt(), designed + 5 - (code == Alpha ? 10 : 0)) << code;
    }
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
}

TEST_F(Objects, CodesATypeDoesNotOfferDoNothingWithoutMessage) {
    set("ProprietaTesto", "txtNome", Percorso, "x.png");
    EXPECT_FALSE(get("ProprietaTesto", "txtNome", Percorso).isValid());
    EXPECT_FALSE(get("ProprietaTesto", "txtNome", 16).isValid());
    EXPECT_FALSE(get("ProprietaImmagine", "imgBandiera", Testo).isValid());
    EXPECT_FALSE(get("ProprietaImmagine", "imgBandiera", TimeStart).isValid());
    EXPECT_FALSE(get("ProprietaImmagine", "imgBandiera", ColoreOutline).isValid());
    EXPECT_FALSE(get("ProprietaDVEavi", "aviSponsor", Visibile).isValid());
    EXPECT_FALSE(get("ProprietaRoll", "rolTitoli", Percorso).isValid());
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
}

TEST_F(Objects, ImageObjectPathVisibilityAndLayout) {
    EXPECT_EQ(get("ProprietaImmagine", "imgBandiera", Percorso).toString(), QStringLiteral("blu.png"));
    EXPECT_EQ(get("ProprietaImmagine", "imgBandiera", W).toInt(), 30);
    set("ProprietaImmagine", "imgBandiera", Percorso, "VERDE.png");
    EXPECT_EQ(get("ProprietaImmagine", "imgBandiera", Percorso).toString(), QStringLiteral("VERDE.png"));
    EXPECT_EQ(get("ProprietaImmagine", "imgBandiera", W).toInt(), 12);
    EXPECT_EQ(get("ProprietaImmagine", "imgBandiera", H).toInt(), 8);
    set("ProprietaImmagine", "imgBandiera", Visibile, false);
    EXPECT_EQ(get("ProprietaImmagine", "imgBandiera", Visibile), QVariant(false));
    set("ProprietaImmagine", "imgBandiera", X, 100);
    set("ProprietaImmagine", "imgBandiera", Y, 101);
    set("ProprietaImmagine", "imgBandiera", Alpha, 128);
    EXPECT_EQ(get("ProprietaImmagine", "imgBandiera", X).toInt(), 100);
    EXPECT_EQ(get("ProprietaImmagine", "imgBandiera", Y).toInt(), 101);
    EXPECT_EQ(get("ProprietaImmagine", "imgBandiera", Alpha).toInt(), 128);
    // The method twins behave as the property pair.
    call(g, "SS_ProprietaImmagineImposta", {"Oggetti", "imgBandiera", X, 7});
    EXPECT_EQ(call(g, "SS_ProprietaImmagineLeggi", {"Oggetti", "imgBandiera", X}).toInt(), 7);
    call(g, "SS_ProprietaTestoImposta", {"Oggetti", "txtNome", Testo, "Neri"});
    EXPECT_EQ(call(g, "SS_ProprietaTestoLeggi", {"Oggetti", "txtNome", Testo}).toString(), QStringLiteral("Neri"));
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
}

TEST_F(Objects, AnimationCrawlRollClockAndClipCodes) {
    EXPECT_EQ(get("ProprietaAnimazione", "aniLogo", Percorso).toString(), QStringLiteral("logo.avi"));
    set("ProprietaAnimazione", "aniLogo", Percorso, "Sponsor/altro.avi");
    EXPECT_EQ(get("ProprietaAnimazione", "aniLogo", Percorso).toString(), QStringLiteral("Sponsor/altro.avi"));
    set("ProprietaAnimazione", "aniLogo", Visibile, false);
    EXPECT_EQ(get("ProprietaAnimazione", "aniLogo", Visibile), QVariant(false));

    set("ProprietaCrawl", "crwNotizie", Testo, "Ultime notizie");
    EXPECT_EQ(get("ProprietaCrawl", "crwNotizie", Testo).toString(), QStringLiteral("Ultime notizie"));
    set("ProprietaCrawl", "crwNotizie", Font, "DejaVu Sans Mono");
    EXPECT_EQ(get("ProprietaCrawl", "crwNotizie", Font).toString(), QStringLiteral("DejaVu Sans Mono"));
    set("ProprietaCrawl", "crwNotizie", Colore, 16711680);
    EXPECT_EQ(get("ProprietaCrawl", "crwNotizie", Colore).toInt(), 16711680);
    set("ProprietaCrawl", "crwNotizie", X, -20);
    set("ProprietaCrawl", "crwNotizie", Y, 500);
    EXPECT_EQ(get("ProprietaCrawl", "crwNotizie", X).toInt(), -20);
    EXPECT_EQ(get("ProprietaCrawl", "crwNotizie", Y).toInt(), 500);

    set("ProprietaRoll", "rolTitoli", Testo, "Fine");
    set("ProprietaRoll", "rolTitoli", Font, "DejaVu Serif");
    set("ProprietaRoll", "rolTitoli", Colore, 0);
    EXPECT_EQ(get("ProprietaRoll", "rolTitoli", Testo).toString(), QStringLiteral("Fine"));
    EXPECT_EQ(get("ProprietaRoll", "rolTitoli", Font).toString(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(get("ProprietaRoll", "rolTitoli", Colore).toInt(), 0);

    set("ProprietaOrologio", "oraEsatta", Visibile, false);
    EXPECT_EQ(get("ProprietaOrologio", "oraEsatta", Visibile), QVariant(false));

    EXPECT_EQ(get("ProprietaDVEavi", "aviSponsor", Percorso).toString(), QStringLiteral("Sponsor/Sponsor1.avi"));
    set("ProprietaDVEavi", "aviSponsor", Percorso, "Sponsor/Sponsor2.avi");
    EXPECT_EQ(get("ProprietaDVEavi", "aviSponsor", Percorso).toString(), QStringLiteral("Sponsor/Sponsor2.avi"));
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
}

TEST_F(Objects, WrongTypeIsReportedAndChangesNothing) {
    set("ProprietaTesto", "imgBandiera", Testo, "x");
    EXPECT_EQ(messages(), QStringList{"ProprietaTesto: Pagina='Oggetti' Oggetto='imgBandiera' non è un campo Testo "
                                      "ma Immagine"});
    messages().clear();
    EXPECT_FALSE(get("ProprietaImmagine", "txtNome", X).isValid());
    EXPECT_FALSE(get("ProprietaAnimazione", "crwNotizie", Visibile).isValid());
    EXPECT_FALSE(get("ProprietaCrawl", "rolTitoli", Testo).isValid());
    EXPECT_FALSE(get("ProprietaRoll", "oraEsatta", Testo).isValid());
    EXPECT_FALSE(get("ProprietaOrologio", "aviSponsor", Visibile).isValid());
    EXPECT_FALSE(get("ProprietaDVEavi", "dveEffetto", Percorso).isValid());
    EXPECT_EQ(messages(),
              (QStringList{
                  "ProprietaImmagine: Pagina='Oggetti' Oggetto='txtNome' non è un campo Immagine ma Testo",
                  "ProprietaAnimazione: Pagina='Oggetti' Oggetto='crwNotizie' non è un campo Animazione ma Crawl",
                  "ProprietaCrawl: Pagina='Oggetti' Oggetto='rolTitoli' non è un campo Crawl ma Roll",
                  "ProprietaRoll: Pagina='Oggetti' Oggetto='oraEsatta' non è un campo Roll ma Orologio",
                  "ProprietaOrologio: Pagina='Oggetti' Oggetto='aviSponsor' non è un campo Orologio ma DVEavi",
                  "ProprietaDVEavi: Pagina='Oggetti' Oggetto='dveEffetto' non è un campo DVEavi ma MatroxDVE"}));
    EXPECT_EQ(get("ProprietaImmagine", "imgBandiera", Percorso).toString(), QStringLiteral("blu.png"));
}

TEST_F(Objects, MissingObjectOrPageGivesEmptyAfterItsMessage) {
    EXPECT_FALSE(get("ProprietaImmagine", "imgAssente", Percorso).isValid());
    EXPECT_FALSE(call(g, "ProprietaTesto", {"Vuota", "txtX", Testo}).isValid());
    call(g, "setProprietaTesto", {"Nessuna", "txtX", Testo, "a"});
    EXPECT_EQ(messages(), (QStringList{"ProprietaTesto-CercaOggetto: 'imgAssente' non trovato (Oggetti)",
                                       "ProprietaOggetto: Pagina='Vuota' non trovata sui piani",
                                       "ProprietaOggetto: Pagina='Nessuna' non trovata su elenco pagine"}));
}

TEST_F(Objects, GenericPairFollowsTheObjectsOwnType) {
    EXPECT_EQ(call(g, "ProprietaOggettoGenerico", {"Oggetti", "imgBandiera", Percorso}).toString(),
              QStringLiteral("blu.png"));
    call(g, "setProprietaOggettoGenerico", {"Oggetti", "txtNome", Testo, "Gialli"});
    EXPECT_EQ(call(g, "ProprietaOggettoGenerico", {"Oggetti", "txtNome", Testo}).toString(), QStringLiteral("Gialli"));
    call(g, "setProprietaOggettoGenerico", {"Oggetti", "oraEsatta", Y, 44});
    EXPECT_EQ(call(g, "ProprietaOggettoGenerico", {"Oggetti", "oraEsatta", Y}).toInt(), 44);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_FALSE(call(g, "ProprietaOggettoGenerico", {"Oggetti", "nessuno", Y}).isValid());
    EXPECT_EQ(messages(), QStringList{"ProprietaOggettoArray-CercaOggetto: 'nessuno' non trovato (Oggetti)"});
}

TEST_F(Objects, RendererRefusalsAndBadValuesAreReportedNotRaised) {
    // The font of a picture: the renderer refuses, the host gets a message and an empty value.
    EXPECT_FALSE(get("ProprietaImmagine", "imgBandiera", Font).isValid());
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].startsWith(QStringLiteral("ProprietaImmagine: "))) << messages()[0].toStdString();
    messages().clear();
    set("ProprietaTesto", "txtNome", X, "dieci");
    set("ProprietaTesto", "txtNome", Visibile, "forse");
    set("ProprietaTesto", "txtNome", TimeStart, 3.0e12);
    EXPECT_EQ(messages(), (QStringList{"ProprietaTesto: Valore='dieci' non valido",
                                       "ProprietaTesto: Valore='forse' non valido",
                                       "ProprietaTesto: Valore='3000000000000' non valido"}));
    EXPECT_EQ(get("ProprietaTesto", "txtNome", X).toInt(), 10);
}

TEST(PropertyDescriptions, CodeAndNameForOfferedCombinations) {
    DirectControl c;
    QObject* g = c.control.get();
    const auto d = [&](int type, int code) { return call(g, "DescrizioneProprietaOggetto", {type, code}).toString(); };
    EXPECT_EQ(d(3, Percorso), QStringLiteral("3 - Percorso"));
    EXPECT_EQ(d(8, Percorso), QStringLiteral("3 - Percorso"));
    EXPECT_EQ(d(1, ColoreOutline), QString());
    EXPECT_EQ(d(1, Testo), QStringLiteral("0 - Testo"));
    EXPECT_EQ(d(5, Colore), QStringLiteral("2 - Colore"));
    EXPECT_EQ(d(3, Testo), QString());
    EXPECT_EQ(d(7, Visibile), QStringLiteral("4 - Visibile"));
    EXPECT_EQ(d(0, Visibile), QString());
    EXPECT_EQ(d(1, StopFormat), QStringLiteral("9 - TimeStopFormat"));
    EXPECT_EQ(d(4, TimeStart), QString());
    EXPECT_EQ(d(6, Alpha), QStringLiteral("14 - Alpha"));
    EXPECT_EQ(d(2, W), QStringLiteral("12 - W"));
}

}  // namespace
}  // namespace razudar::gra_test
