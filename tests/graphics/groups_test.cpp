#include <QJsonArray>
#include <QPushButton>

#include <gtest/gtest.h>

#include "graphics/mirt_gra.h"
#include "gra_test_support.h"
#include "platform/renderer/video_board.h"

namespace razudar::gra_test {
namespace {

// One page "P" on plane 0 with the objects given.
struct GroupPage {
    explicit GroupPage(const QJsonArray& objects) {
        writePage(c.folder(), "P.smb", objects);
        c.start();
        EXPECT_TRUE(call(g(), "CaricaPagina", {"P", 0}).toBool());
        EXPECT_TRUE(call(g(), "StartPagina", {"P"}).toBool());
    }
    QObject* g() { return c.control.get(); }
    QVariant prop(const QString& name, int code) { return call(g(), "ProprietaOggettoGenerico", {"P", name, code}); }
    QString text(const QString& name) { return call(g(), "ProprietaTesto", {"P", name, 0}).toString(); }
    DirectControl c;
};

TEST(Cloning, TextCopiesAreOffsetAndNamedImagesKeepTheirRecord) {
    QJsonObject nome = textObject("Nome", 100, 50, 200, 30, "ROSSI");
    nome["color"] = "#FF0000";
    nome["size"] = 30;
    QJsonObject logo = imageObject("Logo", 300, 300, "logo.png");
    GroupPage p({nome, logo});
    writePicture(p.c.folder() + "/logo.png", 40, 20, Qt::blue);
    ASSERT_TRUE(call(p.g(), "ClonaOggetto", {"P", "Nome", "Nome2", 10, 40}).toBool());
    EXPECT_EQ(p.text("Nome2"), "Nome2");
    EXPECT_EQ(p.prop("Nome2", 10).toInt(), 110);
    EXPECT_EQ(p.prop("Nome2", 11).toInt(), 90);
    EXPECT_EQ(p.prop("Nome2", 12).toInt(), 200);
    EXPECT_EQ(p.prop("Nome2", 2).toInt(), 255);
    ASSERT_TRUE(call(p.g(), "ClonaOggetto", {"P", "Logo", "Logo2", 10, 40}).toBool());
    EXPECT_EQ(p.prop("Logo2", 3).toString(), "logo.png");
    EXPECT_EQ(p.prop("Logo2", 10).toInt(), 0);  // the record only: SpostaX does not apply
    EXPECT_EQ(call(p.g(), "ContatoreOggetti", {"P"}).toInt(), 4);
    EXPECT_TRUE(p.c.events->messages.isEmpty()) << p.c.events->messages.join("|").toStdString();
    // A second copy under a name in use is refused with the renderer's reason.
    EXPECT_FALSE(call(p.g(), "ClonaOggetto", {"P", "Logo", "nome2", 0, 0}).toBool());
    EXPECT_EQ(p.c.events->messages.size(), 1);
}

// The classification bar: title line, rows 0 (the competitor) to 10, the speed columns.
QJsonArray classificationBar() {
    QJsonArray objects;
    const char* fields[] = {"Pos", "Posizione", "Nome", "Mez", "Mezzo", "Tempo", "Numero"};
    const char* titles[] = {"B_TitoPos", "B_TitoPosizione", "B_TitoNome", "B_TitoMez", "B_TitoMezzo", "B_CorrTempo",
                            "B_TitoNumero"};
    for (int c = 0; c < 7; ++c) objects << textObject(titles[c], 40 + 60 * c, 20, 50, 20, c == 2 ? "BIANCHI" : "7");
    for (int r = 0; r <= 10; ++r) {
        for (int c = 0; c < 7; ++c)
            objects << textObject(QStringLiteral("%1%2").arg(fields[c]).arg(r), 40 + 60 * c, 60 + 30 * r, 50, 20,
                                  r == 9 || r == 10 ? "" : QString::number(r));
    }
    objects << textObject("RetinoCla", 30, 50, 500, 400, "") << textObject("B_TitoPosVelo1Velo", 500, 20, 40, 20, "")
            << textObject("B_Velo1Velo", 520, 60, 40, 20, "") << textObject("B_TitoPosDiff", 400, 20, 60, 20, "")
            << textObject("B_Differenza", 400, 60, 60, 20, "") ;
    return objects;
}

TEST(ClassificationBar, MovesOutOnlyAfterInAndInOnlyAfterOut) {
    GroupPage p(classificationBar());
    ASSERT_TRUE(call(p.g(), "tcInizializzaCla", {"P"}).toBool());
    EXPECT_EQ(p.g()->property("tcPosizioni").toInt(), 10);
    EXPECT_EQ(p.prop("Pos0", 11).toInt(), 20);  // row 0 on the title line
    EXPECT_FALSE(p.prop("Nome0", 4).toBool());
    p.c.moves.clear();
    EXPECT_TRUE(call(p.g(), "tcSpostaCla", {0, "P", 1, 10, true, false}).toBool());
    EXPECT_TRUE(p.c.moves.isEmpty());
    EXPECT_TRUE(call(p.g(), "tcSpostaCla", {0, "P", -1, 10, true, true}).toBool());
    // RetinoCla and 11 rows of 7 fields; with Ripristina a key 2 at the designed Y.
    EXPECT_EQ(p.c.moves.filter(QRegularExpression("^Q \\S+ 1 ")).size(), 78);
    EXPECT_TRUE(p.c.moves.contains("Q Nome3 2 11 -560 150 255 0 0 0 0"));
    EXPECT_EQ(p.c.moves.last(), "S " + p.c.moves.at(p.c.moves.size() - 1).mid(2).section(' ', 0, 0) + " 0 2 1");
    const int before = p.c.moves.size();
    EXPECT_TRUE(call(p.g(), "tcSpostaCla", {0, "P", -1, 10, true, true}).toBool());
    EXPECT_EQ(p.c.moves.size(), before);
}

TEST(ClassificationBar, CompetitorEntersItsRowAndTheRowsBelowAreRenumbered) {
    GroupPage p(classificationBar());
    ASSERT_TRUE(call(p.g(), "tcInizializzaCla", {"P"}).toBool());
    p.c.moves.clear();
    ASSERT_TRUE(call(p.g(), "tcPosizionaConcorrente", {0, "P", 8, true, 23}).toBool());
    EXPECT_EQ(p.text("Posizione0"), "23");
    EXPECT_EQ(p.text("Nome0"), "BIANCHI");
    // Row 3 of the list; rows 3..8 (with text) become 24..29, the empty rows 9 and 10 stay.
    const QStringList expected = {"24", "25", "26", "27", "28", "29", "", ""};
    for (int r = 3; r <= 10; ++r) EXPECT_EQ(p.text(QStringLiteral("Posizione%1").arg(r)), expected[r - 3]) << r;
    EXPECT_FALSE(p.prop("Tempo10", 4).toBool());
    EXPECT_TRUE(p.prop("Tempo0", 4).toBool());
    EXPECT_EQ(p.c.moves.first(), "Q Pos0 0 0 40 20 255 0 0 0 0");
    EXPECT_EQ(p.c.moves.at(1), "Q Pos0 1 8 40 151 255 0 0 0 0");  // row 3, one pixel lower
    EXPECT_TRUE(p.c.moves.contains("Q Numero9 1 8 400 361 255 0 0 0 0"));
    EXPECT_EQ(p.c.moves.last().right(6), " 0 1 1");
    // Without rows counted the position cannot be found.
    p.g()->setProperty("tcPosizioni", 0);
    EXPECT_FALSE(call(p.g(), "tcPosizionaConcorrente", {0, "P", 8, true, 23}).toBool());
    EXPECT_TRUE(p.c.events->messages.last().startsWith("tcPosizionaConcorrente: "));
}

TEST(ClassificationBar, SpeedColumnMovesLeftWhenTheGapColumnIsEmpty) {
    GroupPage p(classificationBar());
    ASSERT_TRUE(call(p.g(), "tcInizializzaCla", {"P"}).toBool());
    call(p.g(), "tcPosizionaVelocita", {"P"});
    // Left by (400 + 60) - (40 + 50) = 370.
    EXPECT_EQ(p.prop("B_TitoPosVelo1Velo", 10).toInt(), 130);
    EXPECT_EQ(p.prop("B_Velo1Velo", 10).toInt(), 150);
    call(p.g(), "setProprietaTesto", {"P", "B_Differenza", 0, "+0.12"});
    call(p.g(), "tcPosizionaVelocita", {"P"});
    EXPECT_EQ(p.prop("B_TitoPosVelo1Velo", 10).toInt(), 500);
    EXPECT_EQ(p.prop("B_Velo1Velo", 10).toInt(), 520);
}

QJsonArray startingGrid(int rows) {
    QJsonArray objects;
    objects << textObject("BFila1", 600, 500, 10, 10, "") << textObject("BFila11", 0, 0, 10, 10, "");
    for (int j = 1; j <= rows; ++j) {
        for (const char* f : {"Pos", "Posizione", "Numero", "NoCognome", "Mez", "Mezzo2", "Tempo", "Naz"}) {
            objects << textObject(QStringLiteral("B%1_%2").arg(j).arg(f), 600, 450 + j, 10, 10, "")
                    << textObject(QStringLiteral("B%1_%2").arg(j + 10).arg(f), 0, 0, 10, 10, "");
        }
    }
    return objects;
}

TEST(StartingGrid, MovingOutMovesOnlyTheSetOnAirAndFlips) {
    GroupPage p(startingGrid(2));
    call(p.g(), "grInizializza", {"P"});
    EXPECT_EQ(p.prop("B12_Naz", 10).toInt(), 24);
    EXPECT_EQ(p.prop("B12_Naz", 11).toInt(), 452 - 426);
    EXPECT_TRUE(p.g()->property("grFileInvertite").toBool());
    p.c.moves.clear();
    ASSERT_TRUE(call(p.g(), "grSposta", {0, "P", 1, 10, false}).toBool());
    const QString list = p.c.moves.last();
    EXPECT_TRUE(list.startsWith("S BFila11,B11_Pos,")) << list.toStdString();
    EXPECT_FALSE(list.contains("B1_Pos,"));
    EXPECT_TRUE(p.c.moves.contains("Q BFila11 0 0 600 500 255 0 0 0 0"));
    EXPECT_FALSE(p.g()->property("grFileInvertite").toBool());
    p.c.moves.clear();
    ASSERT_TRUE(call(p.g(), "grSposta", {0, "P", -1, 0, true}).toBool());
    EXPECT_TRUE(p.c.moves.last().startsWith("S BFila1,BFila11,B1_Pos,B11_Pos,"));
    EXPECT_TRUE(p.c.moves.contains("Q BFila1 1 1 24 74 255 0 0 0 0"));
    call(p.g(), "grVisibile", {"P", true, false});
    EXPECT_FALSE(p.prop("B12_Tempo", 4).toBool());
    EXPECT_TRUE(p.prop("B2_Tempo", 4).toBool());
}

TEST(InfoGroups, TrackCardPlacesAtOnceOrClosesWithRestoreKey) {
    QJsonArray objects;
    for (const char* n : {"txtLapRecord", "LapRecord", "txtCircuitLength", "CircuitLength", "txtWinners", "Winners"})
        objects << textObject(n, 100, 100, 50, 20, "");
    GroupPage p(objects);
    call(p.g(), "piInizializzaPista", {"P"});
    p.c.moves.clear();
    ASSERT_TRUE(call(p.g(), "piSpostaPista", {0, "P", -1, 10, false, false}).toBool());
    EXPECT_TRUE(p.c.moves.isEmpty());
    EXPECT_EQ(p.prop("Winners", 10).toInt(), -620);
    ASSERT_TRUE(call(p.g(), "piSpostaPista", {0, "P", -1, 10, true, true}).toBool());  // repeated: ignored
    EXPECT_TRUE(p.c.moves.isEmpty());
    ASSERT_TRUE(call(p.g(), "piSpostaPista", {0, "P", 1, 10, true, true}).toBool());
    EXPECT_EQ(p.c.moves.size(), 6 * 2 + 2);
    EXPECT_EQ(p.c.moves.at(1), "Q txtLapRecord 1 10 100 100 255 0 0 0 0");
    EXPECT_EQ(p.c.moves.last(), "S txtLapRecord,LapRecord,txtCircuitLength,CircuitLength,txtWinners,Winners 0 2 1");
}

TEST(InfoGroups, RoundStatisticsLeaveLineAfterLine) {
    QJsonArray objects;
    for (int n = 1; n <= 15; ++n) {
        for (const char* item : {"PiazF", "Piaz", "Round"})
            objects << textObject(QStringLiteral("%1_%2").arg(n, 2, 10, QChar('0')).arg(item), 10, 20 * n, 30, 20, "");
    }
    GroupPage p(objects);
    call(p.g(), "scInizializzaStatistiche", {"P"});
    p.c.moves.clear();
    ASSERT_TRUE(call(p.g(), "scSpostaStatistiche", {0, 0, "P", 1, 10, true}).toBool());
    EXPECT_EQ(p.c.moves.at(1), "Q 01_PiazF 1 10 730 20 255 0 0 0 0");
    EXPECT_TRUE(p.c.moves.contains("Q 15_Round 1 150 730 300 255 0 0 0 0"));
    p.c.moves.clear();
    ASSERT_TRUE(call(p.g(), "scSpostaStatistiche", {0, 0, "P", 1, 0, true}).toBool());
    EXPECT_EQ(p.c.moves.filter(QRegularExpression("^Q \\S+ 1 1 ")).size(), 45);
    EXPECT_FALSE(call(p.g(), "scSpostaStatistiche", {9, 0, "P", 1, 0, true}).toBool());
}

TEST(InfoGroups, ManufacturerLogoTakesTheNamesPlaceRoundedHalfToEven) {
    struct Case {
        int y;
        int taller;
        int logoY;
    };
    const Case cases[] = {{100, 6, 98}, {100, 5, 98}, {101, 5, 100}};
    for (const Case& tc : cases) {
        QJsonArray objects;
        objects << textObject("NoCognome", 200, 300, 150, 20, "") << textObject("Naz", 360, 300, 40, 20, "")
                << imageObject("Mez", 420, tc.y, "vecchio.png") << textObject("Mezzo2", 480, 300, 100, 20, "");
        GroupPage p(objects);
        writePicture(p.c.folder() + "/vecchio.png", 40, 20, Qt::red);
        writePicture(p.c.folder() + "/nuovo.png", 50, 20 + tc.taller, Qt::red);
        call(p.g(), "RinfrescaPagina", {"P"});
        p.c.moves.clear();
        ASSERT_TRUE(call(p.g(), "scSpostaCostruttore", {"P", "nuovo.png", 12, true}).toBool());
        // Logo at the name's X + 10; Mezzo2 follows by the shift and the width change.
        EXPECT_TRUE(p.c.moves.contains(QStringLiteral("Q Mez 1 12 210 %1 255 0 0 0 0").arg(tc.logoY))) << tc.taller;
        EXPECT_TRUE(p.c.moves.contains("Q Mezzo2 1 12 280 300 255 0 0 0 0")) << p.c.moves.join("|").toStdString();
        EXPECT_TRUE(p.c.moves.contains("Q NoCognome 1 12 -520 300 255 0 0 0 0"));
    }
}

TEST(InfoGroups, SpeedAndChampionshipRowsListTheirObjectsInOrder) {
    QJsonArray objects;
    for (int r = 1; r <= 2; ++r) {
        for (const char* s : {"_Pos", "_Posizione", "_Cognome", "_Numero", "_NoCognome", "_Naz", "_Mez", "_Mezzo",
                              "_Mezzo2", "_Velocita"})
            objects << textObject(QStringLiteral("%1%2").arg(r).arg(s), 10, 10, 10, 10, "");
        for (const char* s : {"_Pos", "_Posizione", "_Naz", "_Round", "_Giorno", "_Mese"})
            objects << textObject(QStringLiteral("B%1%2").arg(r).arg(s), 10, 10, 10, 10, "");
    }
    GroupPage p(objects);
    ASSERT_TRUE(call(p.g(), "veSpostaRiga", {0, "P", 1, 5, 1, 2, true}).toBool());
    const QStringList list = p.c.moves.last().mid(2).section(' ', 0, 0).split(',');
    EXPECT_EQ(list.first(), "1_Pos");
    EXPECT_EQ(list.last(), "2_Velocita");
    p.c.moves.clear();
    ASSERT_TRUE(call(p.g(), "caSpostaRiga", {3, "P", 1, 5, 1, 2, true}).toBool());
    EXPECT_EQ(p.c.moves.size(), 2);  // no key, every object listed
    EXPECT_EQ(p.c.moves.last().mid(2).section(' ', 0, 0).split(',').size(), 12);
    p.c.moves.clear();
    ASSERT_TRUE(call(p.g(), "caSpostaRiga", {5, "P", -1, 4, 1, 1, true}).toBool());
    EXPECT_EQ(p.c.moves.at(2), "Q B1_Pos 2 5 -710 10 255 0 0 0 0");
    EXPECT_EQ(p.c.moves.last().right(6), " 0 2 1");
    EXPECT_TRUE(p.c.events->messages.isEmpty());
}

TEST(ConfirmButton, AttivaConfermaShowsTheButtonsAndTheAnswerIsAnEvent) {
    DirectControl c;
    c.control->show();
    const auto buttons = c.control->findChildren<QPushButton*>("Command1");
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_FALSE(buttons[0]->isVisible());
    call(c.control.get(), "AttivaConferma");
    EXPECT_TRUE(buttons[0]->isVisible());
    EXPECT_TRUE(buttons[1]->isVisible());
    buttons[0]->click();
    buttons[1]->click();
    EXPECT_EQ(c.events->confirmations, std::vector<bool>({true, false}));
}

}  // namespace
}  // namespace razudar::gra_test
