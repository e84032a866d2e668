// The operator preview list: the exact rows the race model writes on a list.
#include <gtest/gtest.h>

#include "model/krono.h"
#include "model/preview_text.h"
#include "model/race_times.h"
#include "tests/list/list_test_support.h"
#include "tests/model/race_fixture.h"

namespace razudar {
namespace {

using test::addCompetitor;
using test::setRun;
using testing::RecordingLabel;
using testing::RecordingSurface;

void languageAbbreviations(clsKrono& k) {
    k.setSiglaStatoPartito(QStringLiteral("PAR"));
    k.setSiglaStatoNonArrivato(QStringLiteral("RIT"));
    k.setSiglaStatoNonPartito(QStringLiteral("NP"));
    k.setSiglaStatoEscluso(QStringLiteral("SQ"));
}

// Two runs added up, current run 2: a tie on the total, one on course, one out, one open.
class TwoRunPreview : public ::testing::Test {
protected:
    void SetUp() override {
        test::setRace(k, 2, 3, 2);
        languageAbbreviations(k);
        competitor(1, 5, "Rossi", "SEN", 101000, 0, 102000);
        competitor(2, 3, "Bianchi", "JUN", 100500, 0, 102500);
        competitor(3, 8, "Verdi", "SEN", 100000, 30, 0);
        competitor(4, 1, "Neri", "JUN", 59000, 20, 0);
        competitor(5, 2, "Gialli", "SEN", 104000, 10, 0);
        k.ElaboraClassifiche();
    }
    void competitor(qint16 n, qint16 bib, const char* surname, const char* cat, qint32 run1, qint32 state2,
                    qint32 run2) {
        addCompetitor(k, n, bib, {QString::fromLatin1(cat)})->setCognome(QString::fromLatin1(surname));
        setRun(k, n, 1, 0, run1);
        setRun(k, n, 2, state2, run2);
    }
    clsKrono k;
    RecordingSurface lst;
    RecordingLabel lbl;
};

TEST_F(TwoRunPreview, StandingsRowsWithTiesAbbreviationsAndRowPositions) {
    ASSERT_EQ(k.slotOrder(0), (std::vector<qint16>{2, 1, 5, 4, 3}));
    k.VisualizzaPreview(lst, lbl, 0, QStringLiteral("XXXXX"));
    EXPECT_EQ(lbl.alignment, 0);
    EXPECT_EQ(lbl.caption, QStringLiteral("    Pos      Num     Concorrente                                  Manche 1                  Manche 2                       Tempo                     Distacco                   Dist. Prec."));
    EXPECT_EQ(lst.texts(), (QStringList{
        QStringLiteral("  1     3 BIANCHI            1'00.50      1'02.50      2'03.00 "),
        QStringLiteral("        5 ROSSI              1'01.00      1'02.00      2'03.00         0.00 "),
        QStringLiteral("PAR     1 NERI          "),
        QStringLiteral("RIT     8 VERDI         "),
    }));
    // Hidden, cleared, written at rows 1.0, 1.8, 2.6, 3.4 without a colour, shown again.
    EXPECT_EQ(lst.kinds(), (QStringList{"Visible", "Pulisci", "Scrivi", "Scrivi", "Scrivi", "Scrivi", "Visible"}));
    EXPECT_EQ(lst.calls.front().numbers, std::vector<double>{0});
    EXPECT_EQ(lst.calls.back().numbers, std::vector<double>{1});
    const auto rows = lst.writes();
    EXPECT_DOUBLE_EQ(*rows[0].args.p, 1.0);
    EXPECT_DOUBLE_EQ(*rows[3].args.p, 1.0 + 3 * 0.8);
    EXPECT_FALSE(rows[0].args.c.has_value());
    EXPECT_FALSE(rows[0].args.X.has_value());
}

TEST_F(TwoRunPreview, CategoryLeaderKeepsItsPositionAtTenths) {
    k.cGara.setRisoluzione(2);
    k.VisualizzaPreview(lst, lbl, 0, QStringLiteral("SEN"));
    // Rossi ties with Bianchi (another category, just before him in the slot): he leads his
    // category all the same, and the gap columns measure within it.
    EXPECT_EQ(lst.texts(), (QStringList{
        QStringLiteral("  1     5 ROSSI               1'01.0       1'02.0       2'03.0 "),
        QStringLiteral("RIT     8 VERDI         "),
    }));
    lst.calls.clear();
    k.VisualizzaPreview(lst, lbl, 0, QString());  // the empty code shows nobody
    EXPECT_TRUE(lst.texts().isEmpty());
}

TEST_F(TwoRunPreview, RunSlotIsASingleViewAndStartOrderWritesNothing) {
    k.VisualizzaPreview(lst, lbl, 1, QStringLiteral("XXXXX"));
    EXPECT_EQ(lbl.caption, QStringLiteral("    Pos      Num     Concorrente                                       Tempo                    Distacco            Distacco Prec."));
    EXPECT_EQ(lst.texts().mid(0, 3), (QStringList{
        QStringLiteral("  1     1 NERI                 59.00 "),
        QStringLiteral("  2     8 VERDI              1'00.00         1.00 "),
        QStringLiteral("  3     3 BIANCHI            1'00.50         1.50         0.50"),
    }));

    lst.calls.clear();
    lbl.caption = QStringLiteral("before");
    k.VisualizzaPreview(lst, lbl, clsKrono::kStartOrderSlot, QStringLiteral("XXXXX"));
    EXPECT_TRUE(lst.texts().isEmpty());
    EXPECT_EQ(lbl.caption, QStringLiteral("before"));
    EXPECT_EQ(lst.kinds(), (QStringList{"Visible", "Pulisci", "Visible"}));
}

// Outside the maximum time (state 50) in run 2: the run keeps its time of 1:03.00, the race has
// no total for him. Each gap column shows the real gap where both sides have a time and nothing
// otherwise: never the no-time value read as a time (66:40'00.00), never a total of 0.
TEST_F(TwoRunPreview, ARowOutsideTheMaximumTimeShowsItsRealGapOrNothing) {
    setRun(k, 5, 2, 50, 103000);
    k.ElaboraClassifiche();
    const QString blankColumn(13, u' ');

    k.VisualizzaPreview(lst, lbl, 0, QStringLiteral("XXXXX"));
    ASSERT_EQ(lst.texts().size(), 5);
    EXPECT_EQ(lst.texts()[4], QStringLiteral("        2 GIALLI             1'04.00 ") + blankColumn + blankColumn +
                                  blankColumn + QString(12, u' '));

    lst.calls.clear();
    k.VisualizzaPreview(lst, lbl, 2, QStringLiteral("XXXXX"));
    EXPECT_EQ(lst.texts(), (QStringList{
        QStringLiteral("  1     5 ROSSI              1'02.00 "),
        QStringLiteral("  2     3 BIANCHI            1'02.50         0.50 "),
        QStringLiteral("PAR     1 NERI          "),
        QStringLiteral("RIT     8 VERDI         "),
        // 1.00 behind the run's leader; the row above (on course) has no time to measure to.
        QStringLiteral("  5     2 GIALLI             1'03.00         1.00 ") + QString(12, u' '),
    }));
    for (const QString& row : lst.texts()) EXPECT_FALSE(row.contains(QStringLiteral("66:40"))) << row.toStdString();
}

TEST(HeatPreview, ParallelHeatsWithWinnerGapAndAbbreviation) {
    clsKrono k;
    k.cGara.setDisciplina(2);
    k.cGara.setParallelo(true);
    k.cGara.setRisoluzione(3);
    k.setMancheCorrente(1);
    k.setSfidaCorrente(1);
    languageAbbreviations(k);
    const struct { qint16 n, bib; const char* name; qint32 state, time; qint16 heat; } field[] = {
        {11, 21, "Alfa", 0, 30500, 1}, {12, 22, "Beta", 0, 31200, 1},
        {13, 23, "Gamma", 30, 0, 2},  {14, 24, "Delta", 0, 32000, 2},
        {15, 25, "Epsilon", 0, 33000, 3},  // another category
    };
    for (const auto& f : field) {
        addCompetitor(k, f.n, f.bib, {QString::fromLatin1(f.heat == 3 ? "JUN" : "SEN")})->setCognome(QString::fromLatin1(f.name));
        setRun(k, f.n, 1, f.state, f.time);
        k.ElencoCoppieSfideAdd(f.heat, f.n);
    }
    k.ElaboraClassifiche();
    RecordingSurface lst;
    RecordingLabel lbl;
    k.VisualizzaPreview(lst, lbl, 0, QStringLiteral("SEN"));
    EXPECT_EQ(lbl.caption, QStringLiteral("    Sfida      Num      Concorrente                                    Tempo             Distacco"));
    const QString dashes(46, u'-');
    EXPECT_EQ(lst.texts(), (QStringList{
        QStringLiteral("  1)   21  ALFA                30.50    WINNER"),
        QStringLiteral("       22  BETA                31.20      0.70"),
        dashes,
        QStringLiteral("  2)   23  GAMMA            RIT"),
        QStringLiteral("       24  DELTA               32.00"),  // beat a non-finisher: no mark
        dashes,
    }));
}

TEST(SplitPreview, ElapsedTimeAtTheSplitAndGapToTheLeader) {
    clsKrono k;
    k.cGara.setDisciplina(2);
    k.cGara.setIntermedi(1);
    k.cGara.setRisoluzione(4);
    k.setMancheCorrente(1);
    const struct { qint16 n, bib; const char* name; qint32 split; } field[] = {
        {1, 7, "Uno", 100015000}, {2, 8, "Due", 100014500}, {3, 9, "Tre", 0}};
    for (const auto& f : field) {
        addCompetitor(k, f.n, f.bib)->setCognome(QString::fromLatin1(f.name));
        setRun(k, f.n, 1, 20, 0, 100000000);  // started at 10:00:00.000
        if (f.split) k.ConcorrenteItem(f.n)->Risultati(1)->OrarioIntermedioAdd(f.split);
    }
    k.ElaboraClassifiche();
    RecordingSurface lst;
    RecordingLabel lbl;
    k.VisualizzaPreview(lst, lbl, 6, QStringLiteral("XXXXX"));
    EXPECT_EQ(lst.texts(), (QStringList{
        QStringLiteral("  1     8 DUE                 14.500 "),
        QStringLiteral("  2     7 UNO                 15.000        0.500 "),
        QStringLiteral("  3     9 TRE           "),
    }));
}

TEST(PreviewTimeText, SameTextAsTheGeneralTimeFormatAtEveryResolution) {
    clsKrono k;
    const qint64 values[] = {0, 5, 999, 1000, 59999, 100000, 100500, 5959999, 10000000, 99595999, 235930000,
                             999999999, 1000000000, 2147483647, -1, -5678, -100500, -999999999, -2147483648LL};
    for (int resolution = 0; resolution <= 5; ++resolution) {
        k.cGara.setRisoluzione(resolution);
        for (const qint64 v : values) {
            const QString general = ConvertiRisoluzione(true, FormattaTempo(v, 12, false, false), resolution).toString();
            EXPECT_EQ(preview::T(k, v), general) << v << " at resolution " << resolution;
        }
    }
}

}  // namespace
}  // namespace razudar
