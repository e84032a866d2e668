#include <QCoreApplication>
#include <QJsonArray>

#include <gtest/gtest.h>

#include "graphics/mirt_gra.h"
#include "gra_test_support.h"
#include "platform/renderer/renderer.h"
#include "platform/renderer/video_board.h"

namespace razudar::gra_test {
namespace {

QJsonObject withAlpha(QJsonObject o, int alpha) {
    o[QStringLiteral("alpha")] = alpha;
    return o;
}

// Two rows of "Nome"/"Tempo" (row 1 at y 200, row 2 at y 240) and the prefixed names of rows
// 2 and 3, on a page loaded on plane `plane`.
struct MoverPage {
    explicit MoverPage(int plane = 0) {
        QJsonArray objects;
        for (int r = 1; r <= 2; ++r) {
            const int y = 160 + 40 * r;
            objects << withAlpha(textObject(QStringLiteral("Nome%1").arg(r), 100, y, 300, 30, "x"), 200)
                    << textObject(QStringLiteral("Tempo%1").arg(r), 500, y, 100, 30, "1:00");
        }
        for (int r = 2; r <= 3; ++r) {
            objects << textObject(QStringLiteral("txt%1Nome").arg(r), 10, 10 * r, 20, 10, "")
                    << textObject(QStringLiteral("txt%1Tempo").arg(r), 40, 10 * r, 20, 10, "");
        }
        for (const char* t : {"Titolo", "TitoloFondo", "TitoloScacchi"})
            objects << textObject(QString::fromLatin1(t), 60, 30, 600, 40, "T");
        writePage(c.folder(), "Righe.smb", objects);
        c.start();
        EXPECT_TRUE(call(c.control.get(), "CaricaPagina", {"Righe", plane}).toBool());
        EXPECT_TRUE(call(c.control.get(), "StartPagina", {"Righe"}).toBool());
    }
    bool riga(int effetto, int direzione, int velocita, int da, int a, bool visibile,
              const QStringList& campi = {"Nome", "Tempo"}, const QString& prefisso = "", bool coda = true) {
        return call(c.control.get(), "SpostaRiga",
                    {effetto, "Righe", direzione, velocita, da, a, visibile, prefisso, campi, coda})
            .toBool();
    }
    int x(const QString& name) {
        return call(c.control.get(), "ProprietaOggettoGenerico", {"Righe", name, 10}).toInt();
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            c.fakes.clock.advanceMs(40);
            c.control->board()->composeNow();
        }
    }
    DirectControl c;
};

struct RowCase {
    const char* what;
    int effetto, direzione, velocita, da, a;
    bool visibile;
    QStringList expected;
};

TEST(RowMovers, SpostaRigaQueuesTheKeysOfEachEffect) {
    const RowCase cases[] = {
        {"slide out", 0, -1, 10, 1, 1, true,
         {"Q Nome1 0 0 100 200 200 0 0 0 0", "Q Nome1 1 10 -620 200 200 0 0 0 0", "Q Tempo1 0 0 500 200 255 0 0 0 0",
          "Q Tempo1 1 10 -220 200 255 0 0 0 0", "R Tempo1 1", "S Nome1,Tempo1 0 1 1"}},
        {"speed 0 takes one frame", 0, 1, 0, 1, 1, true,
         {"Q Nome1 0 0 100 200 200 0 0 0 0", "Q Nome1 1 1 820 200 200 0 0 0 0", "Q Tempo1 0 0 500 200 255 0 0 0 0",
          "Q Tempo1 1 1 1220 200 255 0 0 0 0", "R Tempo1 1", "S Nome1,Tempo1 0 1 1"}},
        {"parked at once", 0, 1, 10, 2, 2, false,
         {"Q Nome2 0 0 820 240 200 0 0 0 0", "Q Nome2 1 1 820 240 200 0 0 0 0", "Q Tempo2 0 0 1220 240 255 0 0 0 0",
          "Q Tempo2 1 1 1220 240 255 0 0 0 0", "R Tempo2 1", "S Nome2,Tempo2 0 1 1"}},
        {"wipe in from the left", 1, 1, 8, 1, 1, true,
         {"Q Nome1 0 0 100 200 200 300 0 0 0", "Q Nome1 1 8 100 200 200 0 0 0 0", "Q Tempo1 0 0 500 200 255 100 0 0 0",
          "Q Tempo1 1 8 500 200 255 0 0 0 0", "R Tempo1 1", "S Nome1,Tempo1 0 1 1"}},
        {"wipe out at the top, speed 0 kept", 2, -1, 0, 1, 1, true,
         {"Q Nome1 0 0 100 200 200 0 0 0 0", "Q Nome1 1 0 100 200 200 0 30 0 0", "Q Tempo1 0 0 500 200 255 0 0 0 0",
          "Q Tempo1 1 0 500 200 255 0 30 0 0", "R Tempo1 1", "S Nome1,Tempo1 0 1 1"}},
        {"wipe right, not moving", 3, 1, 8, 1, 1, false,
         {"Q Nome1 0 0 100 200 200 0 0 0 0", "Q Tempo1 0 0 500 200 255 0 0 0 0", "R Tempo1 1", "S Nome1,Tempo1 0 1 1"}},
        {"wipe bottom", 4, 1, 5, 1, 1, true,
         {"Q Nome1 0 0 100 200 200 0 0 0 30", "Q Nome1 1 5 100 200 200 0 0 0 0", "Q Tempo1 0 0 500 200 255 0 0 0 30",
          "Q Tempo1 1 5 500 200 255 0 0 0 0", "R Tempo1 1", "S Nome1,Tempo1 0 1 1"}},
        {"one row fades out", 5, -1, 10, 1, 1, true,
         {"Q Nome1 0 0 100 200 200 0 0 0 0", "Q Nome1 1 10 100 200 0 0 0 0 0", "Q Nome1 2 11 100 200 0 0 0 0 0",
          "Q Tempo1 0 0 500 200 255 0 0 0 0", "Q Tempo1 1 10 500 200 0 0 0 0 0", "Q Tempo1 2 11 500 200 0 0 0 0 0",
          "R Tempo1 1", "S Nome1,Tempo1 0 2 1"}},
        {"rows vanish at once", 5, -1, 10, 1, 2, false,
         {"Q Nome1 0 0 100 200 0 0 0 0 0", "Q Nome1 1 1 100 200 0 0 0 0 0", "Q Nome1 2 2 100 200 0 0 0 0 0",
          "Q Tempo1 0 0 500 200 0 0 0 0 0", "Q Tempo1 1 1 500 200 0 0 0 0 0", "Q Tempo1 2 2 500 200 0 0 0 0 0",
          "Q Nome2 0 0 100 240 0 0 0 0 0", "Q Nome2 1 1 100 240 0 0 0 0 0", "Q Nome2 2 2 100 240 0 0 0 0 0",
          "Q Tempo2 0 0 500 240 0 0 0 0 0", "Q Tempo2 1 1 500 240 0 0 0 0 0", "Q Tempo2 2 2 500 240 0 0 0 0 0",
          "R Tempo2 1", "S Nome1,Tempo1,Nome2,Tempo2 0 2 1"}},
        {"fade in to own alpha", 5, 1, 6, 1, 1, true,
         {"Q Nome1 0 0 100 200 0 0 0 0 0", "Q Nome1 1 6 100 200 200 0 0 0 0", "Q Tempo1 0 0 500 200 0 0 0 0 0",
          "Q Tempo1 1 6 500 200 255 0 0 0 0", "R Tempo1 1", "S Nome1,Tempo1 0 1 1"}},
        {"fade in to full", 6, 2, 30, 1, 1, true,
         {"Q Nome1 0 0 100 200 0 0 0 0 0", "Q Nome1 1 30 100 200 255 0 0 0 0", "Q Tempo1 0 0 500 200 0 0 0 0 0",
          "Q Tempo1 1 30 500 200 255 0 0 0 0", "R Tempo1 1", "S Nome1,Tempo1 0 1 1"}},
        {"unknown effect lists only", 9, 1, 10, 1, 1, true, {"R Tempo1 1", "S Nome1,Tempo1 0 1 1"}},
        {"no rows", 0, 1, 10, 3, 2, true, {"R  1", "S  0 0 1"}},
    };
    for (const RowCase& rc : cases) {
        MoverPage p;
        EXPECT_TRUE(p.riga(rc.effetto, rc.direzione, rc.velocita, rc.da, rc.a, rc.visibile)) << rc.what;
        EXPECT_EQ(p.c.moves, rc.expected) << rc.what;
        EXPECT_TRUE(p.c.events->messages.isEmpty()) << rc.what;
    }
}

TEST(RowMovers, SpostaRigaNamesObjectsByFieldsPrefixAndRow) {
    MoverPage p;
    EXPECT_TRUE(p.riga(9, 1, 10, 2, 3, true, {"Nome", "Tempo"}, "txt", false));
    EXPECT_EQ(p.c.moves.last(), "S txt2Nome,txt2Tempo,txt3Nome,txt3Tempo 0 1 1");
    p.c.moves.clear();
    // One field name means the twelve standard fields of row r, none of which this page has:
    // one message each, and the (empty) batch still closes.
    EXPECT_TRUE(p.riga(0, 1, 10, 1, 1, true, {"Nome"}));
    EXPECT_EQ(p.c.moves, QStringList({"R  1", "S  0 0 1"}));
    ASSERT_EQ(p.c.events->messages.size(), 12);
    EXPECT_EQ(p.c.events->messages.first(), "SpostaRiga: 'B1_Pos' non trovato (Righe)");
    EXPECT_EQ(p.c.events->messages.last(), "SpostaRiga: 'B1_Gran_Premi_Vinti' non trovato (Righe)");
}

TEST(RowMovers, MissingObjectIsReportedOnceAndTheBatchStillCloses) {
    MoverPage p;
    EXPECT_TRUE(p.riga(0, 1, 10, 1, 1, true, {"Nome", "Manca", "Tempo"}));
    EXPECT_EQ(p.c.events->messages, QStringList({"SpostaRiga: 'Manca1' non trovato (Righe)"}));
    EXPECT_EQ(p.c.moves.last(), "S Nome1,Tempo1 0 1 1");
}

TEST(RowMovers, OverflowDropsTheWholeBatch) {
    MoverPage p;
    call(p.c.control.get(), "setProprietaOggettoGenerico", {"Righe", "Tempo1", 10, 2147483000});
    EXPECT_FALSE(p.riga(0, 1, 10, 1, 1, true));
    EXPECT_EQ(p.c.moves, QStringList({"Q Nome1 0 0 100 200 200 0 0 0 0", "Q Nome1 1 10 820 200 200 0 0 0 0",
                                      "Q Tempo1 0 0 2147483000 200 255 0 0 0 0", "D"}));
    ASSERT_EQ(p.c.events->messages.size(), 1);
    EXPECT_TRUE(p.c.events->messages[0].startsWith("SpostaRiga: Overflow")) << p.c.events->messages[0].toStdString();
    // Nothing of it moves.
    p.frames(20);
    EXPECT_EQ(p.x("Nome1"), 100);
}

TEST(RowMovers, RowsSlideOnTheFrameClockAndComeBackFromWhereTheyAre) {
    MoverPage p;
    ASSERT_TRUE(p.riga(0, -1, 20, 1, 1, true));
    p.frames(10);
    EXPECT_EQ(p.x("Nome1"), 100 - 360);
    p.frames(10);
    EXPECT_EQ(p.x("Nome1"), -620);
    EXPECT_EQ(p.x("Tempo1"), -220);
    // Out at once to the right, then back in over 10 frames.
    ASSERT_TRUE(p.riga(0, 1, 10, 1, 1, false));
    p.frames(1);
    EXPECT_EQ(p.x("Nome1"), 100);
    ASSERT_TRUE(p.riga(0, 1, 10, 1, 1, false));
    p.frames(2);
    EXPECT_EQ(p.x("Nome1"), 820);
    ASSERT_TRUE(p.riga(0, -1, 10, 1, 1, true));
    p.frames(5);
    EXPECT_EQ(p.x("Nome1"), 460);
    p.frames(5);
    EXPECT_EQ(p.x("Nome1"), 100);
}

TEST(RowMovers, PageOnPlaneOneMovesOnItsOwnRenderer) {
    MoverPage p(1);
    ASSERT_TRUE(p.riga(0, 1, 4, 1, 1, true));
    EXPECT_EQ(p.c.moves.last(), "S Nome1,Tempo1 0 1 1");
    p.frames(4);
    EXPECT_EQ(p.x("Nome1"), 820);
    EXPECT_TRUE(p.c.events->messages.isEmpty());
}

TEST(RowMovers, PageNotOnAPlaneQueuesNothing) {
    MoverPage p;
    writePage(p.c.folder(), "Altra.smb", {});
    call(p.c.control.get(), "CaricaFileDefinizioni", {p.c.folder()});
    EXPECT_FALSE(call(p.c.control.get(), "SpostaRiga", {0, "Altra", 1, 10, 1, 1, true, "", QStringList{"Nome"}, true}).toBool());
    EXPECT_FALSE(call(p.c.control.get(), "SpostaRiga", {0, "Nessuna", 1, 10, 1, 1, true, "", QStringList{"Nome"}, true}).toBool());
    EXPECT_TRUE(p.c.moves.isEmpty());
    EXPECT_EQ(p.c.events->messages, QStringList({"SpostaRiga: Pagina='Nessuna' non trovata su elenco pagine"}));
}

TEST(RowMovers, SpostaTitoloUsesFullAlphaAndItsEffects) {
    struct Case {
        int effetto;
        bool visibile;
        QStringList titolo;  // the keys of "Titolo" (the other two objects get the same)
    };
    const Case cases[] = {
        {0, true, {"Q Titolo 0 0 60 30 255 0 0 0 0", "Q Titolo 1 5 780 30 255 0 0 0 0"}},
        {3, true, {"Q Titolo 0 0 60 30 255 0 0 600 0", "Q Titolo 1 5 60 30 255 0 0 0 0"}},
        {3, false, {"Q Titolo 0 0 60 30 255 0 0 0 0"}},
        {5, true, {}},
        {7, false, {"Q Titolo 0 0 60 30 255 0 0 0 0"}},
    };
    for (const Case& tc : cases) {
        MoverPage p;
        call(p.c.control.get(), "setProprietaOggettoGenerico", {"Righe", "Titolo", 14, 90});
        EXPECT_TRUE(call(p.c.control.get(), "SpostaTitolo", {tc.effetto, "Righe", 1, 5, tc.visibile}).toBool());
        EXPECT_EQ(p.c.moves.filter("Q Titolo "), tc.titolo) << tc.effetto;
        EXPECT_EQ(p.c.moves.filter("Q TitoloFondo ").size(), tc.titolo.size());
        EXPECT_EQ(p.c.moves.mid(p.c.moves.size() - 2),
                  QStringList({"R TitoloScacchi 1", "S Titolo,TitoloFondo,TitoloScacchi 0 1 1"}));
    }
}

// The gap box: two lines whose pairs swap at every new gap.
struct GapPage {
    GapPage() {
        QJsonArray objects;
        QJsonObject d1 = textObject("Distacco1", 400, 100, 100, 30, "+0.10");
        d1["color"] = "#FFFF00";
        QJsonObject d2 = textObject("Distacco2", 400, 140, 100, 30, "+0.20");
        d2["color"] = "#FFFFFF";
        writePicture(c.folder() + "/box.png", 110, 34, Qt::blue);
        objects << withAlpha(imageObject("Riquadro1", 395, 98, "box.png"), 230) << d1
                << withAlpha(imageObject("Riquadro2", 395, 138, "box.png"), 120) << d2;
        writePage(c.folder(), "Distacchi.smb", objects);
        c.start();
        EXPECT_TRUE(call(c.control.get(), "CaricaPagina", {"Distacchi", 0}).toBool());
        EXPECT_TRUE(call(c.control.get(), "StartPagina", {"Distacchi"}).toBool());
    }
    QVariant text(const char* name, int code) {
        return call(c.control.get(), "ProprietaTesto", {"Distacchi", name, code});
    }
    void settle() {
        for (int i = 0; i < 25; ++i) {
            c.fakes.clock.advanceMs(40);
            c.control->board()->composeNow();
        }
    }
    DirectControl c;
};

TEST(RowMovers, GapBoxSwapsLinesAtEveryNewGap) {
    GapPage g;
    QObject* gra = g.c.control.get();
    call(gra, "diInizializzaDistacco1", {"Distacchi"});
    EXPECT_FALSE(g.text("Distacco2", 4).toBool());
    ASSERT_TRUE(call(gra, "diNuovoDistacco1", {"Distacchi", "+1.50"}).toBool());
    // Line 1 moved down by the spacing (40) in 20 frames, the new gap up into line 1.
    EXPECT_EQ(g.c.moves.filter("Q Distacco"),
              QStringList({"Q Distacco1 0 0 400 100 255 0 0 0 0", "Q Distacco1 1 20 400 140 255 0 0 0 0",
                           "Q Distacco2 0 0 400 140 255 0 0 0 0", "Q Distacco2 1 20 400 100 255 0 0 0 0"}));
    EXPECT_EQ(g.c.fakes.waiter.sleeps(), std::vector<int>({200, 200}));
    g.settle();
    EXPECT_EQ(g.text("Distacco2", 0).toString(), "+1.50");
    EXPECT_EQ(g.text("Distacco2", 11).toInt(), 100);
    EXPECT_TRUE(g.text("Distacco2", 4).toBool());
    EXPECT_EQ(g.text("Distacco2", 2).toInt(), 0x00FFFF);  // line 1's colour (yellow)
    EXPECT_EQ(g.text("Distacco1", 2).toInt(), 0xFFFFFF);  // line 2's colour
    ASSERT_TRUE(call(gra, "diNuovoDistacco1", {"Distacchi", "+2.00"}).toBool());
    g.settle();
    EXPECT_EQ(g.text("Distacco1", 0).toString(), "+2.00");
    EXPECT_EQ(g.text("Distacco1", 11).toInt(), 100);
    EXPECT_EQ(g.text("Distacco2", 11).toInt(), 140);
    EXPECT_EQ(call(gra, "ProprietaImmagine", {"Distacchi", "Riquadro2", 14}).toInt(), 120);
    EXPECT_TRUE(g.c.events->messages.isEmpty()) << g.c.events->messages.join("|").toStdString();
}

}  // namespace
}  // namespace razudar::gra_test
