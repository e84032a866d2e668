// The scoreboard settings class: its arrival queue, its joined serial settings, its indexed
// properties and the classification positions it can show.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/scoreboard/cls_tabellone_grafico.h"
#include "model/basic.h"

namespace razudar::testing {
namespace {

std::vector<qint16> queue(const clsTabelloneGrafico& t) {
    std::vector<qint16> out;
    for (qint16 i = 1; i <= t.CodaArriviCount(); ++i) out.push_back(t.CodaArriviItem(i));
    return out;
}

TEST(Scoreboard, NewObjectIsEmpty) {
    const clsTabelloneGrafico t;
    EXPECT_EQ(t.CodaArriviCount(), 0);
    EXPECT_EQ(t.CodaArriviItem(1), -1);
    EXPECT_EQ(t.Settings(), QStringLiteral(",,,"));
    EXPECT_EQ(t.PosizioniClassificaVisualizzabili(), 0);
    EXPECT_FALSE(t.TabelloneAttivo());
    EXPECT_EQ(t.TestoLibero(3, 2), QString());
}

TEST(Scoreboard, QueueKeepsOrderAndDeletesTheFirstMatch) {
    clsTabelloneGrafico t;
    for (qint16 n : {12, 7, 12}) EXPECT_TRUE(t.CodaArriviAdd(n));
    t.CodaArriviDelete(12);
    EXPECT_EQ(queue(t), (std::vector<qint16>{7, 12}));
    t.CodaArriviDelete(99);  // not queued: nothing changes
    EXPECT_EQ(queue(t), (std::vector<qint16>{7, 12}));
    const struct { qint16 pos; qint16 item; } items[] = {{0, -1}, {1, 7}, {2, 12}, {3, -1}, {-5, -1}};
    for (const auto& c : items) EXPECT_EQ(t.CodaArriviItem(c.pos), c.item) << c.pos;
}

TEST(Scoreboard, FullQueueDropsTheOldestAndSaysSo) {
    clsTabelloneGrafico t;
    for (int i = 1; i <= clsTabelloneGrafico::kMaxArrivi; ++i) ASSERT_TRUE(t.CodaArriviAdd(qint16(i)));
    EXPECT_EQ(t.CodaArriviScartati(), 0);
    EXPECT_FALSE(t.CodaArriviAdd(5000));
    EXPECT_EQ(t.CodaArriviCount(), clsTabelloneGrafico::kMaxArrivi);
    EXPECT_EQ(t.CodaArriviItem(1), 2);
    EXPECT_EQ(t.CodaArriviItem(t.CodaArriviCount()), 5000);
    EXPECT_EQ(t.CodaArriviScartati(), 1);
    t.CodaArriviDelete(2);
    EXPECT_TRUE(t.CodaArriviAdd(6000));
}

TEST(Scoreboard, SettingsJoinSpeedParityDataAndStopBits) {
    clsTabelloneGrafico t;
    t.setBitVelocita(QStringLiteral("9600"));
    t.setBitDati(QStringLiteral("8"));
    t.setParita(QStringLiteral("N"));
    t.setBitStop(QStringLiteral("1"));
    EXPECT_EQ(t.Settings(), QStringLiteral("9600,N,8,1"));
}

TEST(Scoreboard, ClassificationPositionsCountRowsOneToThree) {
    const struct { std::array<qint16, 4> types; qint16 columns; qint16 expected; } cases[] = {
        {{0, 2, 0, 2}, 2, 4},
        {{2, 2, 0, 2}, 2, 4},   // row 0 does not count
        {{2, 0, 0, 0}, 5, 0},
        {{0, 2, 2, 2}, 3, 9},
        {{0, 1, 3, 2}, 4, 4},
    };
    for (const auto& c : cases) {
        clsTabelloneGrafico t;
        t.setColonne(c.columns);
        for (qint16 r = 0; r < 4; ++r) t.setTipoVisualizzazioneRiga(r, c.types[size_t(r)]);
        EXPECT_EQ(t.PosizioniClassificaVisualizzabili(), c.expected);
    }
    clsTabelloneGrafico big;
    big.setColonne(20000);
    for (qint16 r = 1; r < 4; ++r) big.setTipoVisualizzazioneRiga(r, 2);
    EXPECT_THROW(big.PosizioniClassificaVisualizzabili(), basic::OverflowError);
}

TEST(Scoreboard, IndexesOutsideTheirRangeAreRefusedAndChangeNothing) {
    clsTabelloneGrafico t;
    t.setTipoVisualizzazioneRiga(3, 2);
    t.setTestoLibero(3, 2, QStringLiteral("Arrivo"));
    EXPECT_THROW(t.setTipoVisualizzazioneRiga(4, 1), std::out_of_range);
    EXPECT_THROW(t.setTipoVisualizzazioneRiga(-1, 1), std::out_of_range);
    EXPECT_THROW(t.TipoVisualizzazioneRiga(4), std::out_of_range);
    EXPECT_THROW(t.setTestoLibero(4, 0, QStringLiteral("x")), std::out_of_range);
    EXPECT_THROW(t.setTestoLibero(0, 3, QStringLiteral("x")), std::out_of_range);
    EXPECT_THROW(t.TestoLibero(0, -1), std::out_of_range);
    EXPECT_EQ(t.TipoVisualizzazioneRiga(3), 2);
    EXPECT_EQ(t.TestoLibero(3, 2), QStringLiteral("Arrivo"));
    for (qint16 r = 0; r < 4; ++r)
        for (qint16 s = 0; s < 3; ++s)
            if (r != 3 || s != 2) {
                EXPECT_EQ(t.TestoLibero(r, s), QString());
            }
}

}  // namespace
}  // namespace razudar::testing
