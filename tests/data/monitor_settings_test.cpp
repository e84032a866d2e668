#include <gtest/gtest.h>

#include "data/monitor_loader.h"
#include "db_fixture.h"

namespace razudar {
namespace {

using testing::RaceDatabase;

void expectLayout(const MonitorLayout& l, std::array<int, 6> v) {
    EXPECT_EQ(l.MonitorPosizioniFisse, v[0]);
    EXPECT_EQ(l.MonitorPosizioniCiclo, v[1]);
    EXPECT_EQ(l.MonitorRigheInPista, v[2]);
    EXPECT_EQ(l.MonitorRigaPosizioniFisse, v[3]);
    EXPECT_EQ(l.MonitorRigaCiclo, v[4]);
    EXPECT_EQ(l.MonitorRigaInPista, v[5]);
}

TEST(clsMonitor, StartsWithTheDefaults) {
    clsMonitor m;
    EXPECT_EQ(m.FontName(), QStringLiteral("Arial"));
    EXPECT_TRUE(m.FontBold());
    EXPECT_EQ(m.FontSize(), 18);
    EXPECT_EQ(m.TimerPagina(), 0);
    EXPECT_FALSE(m.TempoCorrereSenzaIntermedi());
    EXPECT_EQ(m.CountColori(), 0);
    EXPECT_EQ(m.Colore(1), 0);
}

TEST(clsMonitor, TimerPaginaKeepsZeroTo65) {
    clsMonitor m;
    const std::pair<qint16, qint16> cases[] = {{65, 65}, {66, 60}, {-1, 60}, {0, 0}};
    for (auto [in, out] : cases) {
        m.setTimerPagina(in);
        EXPECT_EQ(m.TimerPagina(), out) << in;
    }
}

TEST(clsMonitor, ReadingAColourThatIsNotStoredAddsNothing) {
    clsMonitor m;
    m.setColore(2, 255);
    m.setColore(3, 65535);
    EXPECT_EQ(m.Colore(1), 0);
    EXPECT_EQ(m.Colore(7), 0);
    EXPECT_EQ(m.CountColori(), 2);
    EXPECT_EQ(m.Colore(3), 65535);  // found by its index, whatever the count
    m.setColore(3, 1);
    EXPECT_EQ(m.Colore(3), 1);
    EXPECT_EQ(m.CountColori(), 2);
}

TEST(ImpostaLayoutMonitor, TwoLayoutsByTheFlags) {
    MonitorLayout l;
    ImpostaLayoutMonitor(l, 0, 0);
    expectLayout(l, {10, 10, 0, 4, 14, 24});
    ImpostaLayoutMonitor(l, -1, 0);
    expectLayout(l, {3, 12, 3, 4, 7, 19});
    ImpostaLayoutMonitor(l, 0, 0);
    ImpostaLayoutMonitor(l, 0, -1);
    expectLayout(l, {3, 12, 3, 4, 7, 19});
}

TEST(CaricaImpostazioniMonitor, LoadsTheStoredRowAndSetsTheLayout) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("UPDATE Monitor SET mo_Colore1 = 16711680, mo_Colore8 = NULL, "
                                     "mo_FontName = '  Verdana ', mo_FontSize = 12.5, mo_FontBold = 0, "
                                     "mo_TimerMonitor = 90, mo_TempoCorrere = -1"));
    MonitorState state;
    EXPECT_EQ(CaricaImpostazioniMonitor(state, race.db(), -1, 0), QString());
    const clsMonitor& m = state.ImpostazioniMonitor;
    EXPECT_EQ(m.CountColori(), 20);
    EXPECT_EQ(m.Colore(1), 16711680);
    EXPECT_EQ(m.Colore(2), 65535);
    EXPECT_EQ(m.Colore(8), 0);  // an empty colour reads as 0
    EXPECT_EQ(m.Colore(20), 32768);
    EXPECT_EQ(m.FontName(), QStringLiteral("Verdana"));
    EXPECT_EQ(m.FontSize(), 12);  // 12.5 rounds half to even
    EXPECT_FALSE(m.FontBold());
    EXPECT_EQ(m.TimerPagina(), 60);  // 90 is outside 0..65
    EXPECT_TRUE(m.TempoCorrereSenzaIntermedi());
    expectLayout(state.layout, {3, 12, 3, 4, 7, 19});
}

TEST(CaricaImpostazioniMonitor, ColourIndexIsTheFieldPosition) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("DROP TABLE Monitor"));
    race.db().execute(QStringLiteral(
        "CREATE TABLE Monitor (mo_Id INTEGER PRIMARY KEY, mo_Colore1 INTEGER, mo_Colore2 INTEGER, "
        "mo_FontName TEXT(50), mo_FontSize DOUBLE, mo_FontBold BOOLEAN, mo_TimerMonitor TEXT(10), "
        "mo_TempoCorrere BOOLEAN, MO_COLORE9 INTEGER)"));
    race.db().execute(QStringLiteral("INSERT INTO Monitor VALUES (1, 111, 222, NULL, NULL, -1, '12abc', 0, 9)"));
    MonitorState state;
    EXPECT_EQ(CaricaImpostazioniMonitor(state, race.db(), 0, 0), QString());
    const clsMonitor& m = state.ImpostazioniMonitor;
    EXPECT_EQ(m.Colore(1), 0);
    EXPECT_EQ(m.Colore(2), 111);
    EXPECT_EQ(m.Colore(3), 222);
    EXPECT_EQ(m.CountColori(), 2);  // the search for "mo_Colore" minds the case
    EXPECT_EQ(m.FontName(), QString());
    EXPECT_EQ(m.FontSize(), 0);
    EXPECT_EQ(m.TimerPagina(), 12);  // the leading number of the text
    expectLayout(state.layout, {10, 10, 0, 4, 14, 24});
}

TEST(CaricaImpostazioniMonitor, EmptyTableKeepsTheDefaultsAndSaysSo) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("DELETE FROM Monitor"));
    MonitorState state;
    EXPECT_EQ(CaricaImpostazioniMonitor(state, race.db(), 0, 0),
              QStringLiteral("La tabella Monitor è vuota: si usano le impostazioni predefinite del monitor."));
    EXPECT_EQ(state.ImpostazioniMonitor.FontName(), QStringLiteral("Arial"));
    EXPECT_EQ(state.ImpostazioniMonitor.CountColori(), 0);
    expectLayout(state.layout, {10, 10, 0, 4, 14, 24});
}

TEST(CaricaImpostazioniMonitor, NullTruthValuesKeepTheirDefaultsAndAreNamed) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("UPDATE Monitor SET mo_FontBold = NULL, mo_TempoCorrere = NULL"));
    MonitorState state;
    EXPECT_EQ(CaricaImpostazioniMonitor(state, race.db(), 0, 0),
              QStringLiteral("Impostazioni del monitor senza valore valido in: mo_FontBold, "
                             "mo_TempoCorrere. Si usano i valori predefiniti."));
    EXPECT_TRUE(state.ImpostazioniMonitor.FontBold());
    EXPECT_FALSE(state.ImpostazioniMonitor.TempoCorrereSenzaIntermedi());
}

TEST(CaricaImpostazioniMonitor, MissingFieldGoesToTheCaller) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("ALTER TABLE Monitor DROP COLUMN mo_TempoCorrere"));
    MonitorState state;
    try {
        CaricaImpostazioniMonitor(state, race.db(), 0, 0);
        FAIL();
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.number(), 3265);
        EXPECT_EQ(e.description(), QStringLiteral("Elemento non trovato in questo insieme: mo_TempoCorrere."));
    }
}

TEST(DatabaseMonitorSettingsReloader, ReplacesTheSettingsWithAFreshLoad) {
    RaceDatabase race;
    MonitorState state;
    state.ImpostazioniMonitor.setColore(40, 5);
    ImpostaLayoutMonitor(state.layout, -1, 0);
    DatabaseMonitorSettingsReloader reloader(state, race.state);
    reloader.reloadMonitorSettings();
    EXPECT_EQ(state.ImpostazioniMonitor.Colore(40), 0);  // nothing of the earlier load survives
    EXPECT_EQ(state.ImpostazioniMonitor.Colore(1), 16777215);
    EXPECT_EQ(reloader.monitorFixedPositions(), 10);
    EXPECT_EQ(reloader.lastProblem(), QString());
}

}  // namespace
}  // namespace razudar
