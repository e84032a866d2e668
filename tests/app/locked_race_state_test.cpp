// Race states received while another program holds the race database (a second connection with
// BEGIN EXCLUSIVE), through the link dispatcher wired as the program wires it: the monitor
// settings and the session's values over the real database, database faults told on the status
// bar, each received text one action. A race state is applied at once, with no wait on the lock;
// what it could not read keeps its last value and is told once; the next race state after the
// lock reads it again and takes the notice down.
#include <gtest/gtest.h>

#include <functional>

#include "app/faults/database_faults.h"
#include "app/faults/session_values.h"
#include "app/link/link_dispatcher.h"
#include "app_test_support.h"
#include "data/monitor_loader.h"
#include "data/object_text_encoder.h"
#include "model/krono.h"
#include "model/run_result.h"
#include "other_program.h"
#include "recording_page_dispatcher.h"

namespace razudar::apptest {
namespace {

// The link, the menu and the console: a race state asks nothing of them but a refresh.
struct QuietPeers : controls::LinkControl, DispatcherHost, ParallelGapBox, ConsoleUpdates {
    QString ServerRemoto() override { return {}; }
    bool Connesso() override { return true; }
    bool InviaTesto(const QString&, bool) override { return true; }
    void Disconnetti() override {}
    void setRielaboraEnabled(bool) override {}
    void AggiornaDistaccoParallelo(bool) override {}
    void AggiornaClassificheInterfaccia() override { ++refreshes; }
    void AbilitaPulsantiPagina(bool) override {}
    int refreshes = 0;
};

constexpr char kWinner[] = "li_VincitoreSfida";

struct LockedRaceState : ::testing::Test {
    void SetUp() override {
        openDatabase(state, base);
        state.startup.session.SessioneGara = 1;
        waits().setSleeper([this](int ms) { sleeps.push_back(ms); });
        faults.setNoticeWithdrawal([this] { ++withdrawn; });
        monitor.setFailureHandler([this](const db::DbError& e) {
            faults.report(QStringLiteral("rileggere le impostazioni del monitor (restano le precedenti)"), e);
        });
        dispatcher.setSessionSetHook([this] { values.reload(); });
    }
    db::LockWaits& waits() { return *state.startup.database.lockWaits; }
    // The race state tagged `tag` (the first competitor's run-1 time) arrives: one action of the
    // live path, as every received text is.
    void arrive(int tag) {
        auto race = encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2});
        race->ConcorrenteItem(race->ElencoConcorrenti().first())->Risultati(1)->setTempo(60000 + tag);
        const DatabaseFaults::Action action(faults, FaultChannel::StatusBar);
        const SessionValues::LivePath live(values);
        dispatcher.onDatiArrivati(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + encoder::raceStateText(*race));
    }
    int shownTag() {
        clsKrono& k = state.krono();
        return k.ConcorrenteItem(k.ElencoConcorrenti().first())->Risultati(1)->Tempo() - 60000;
    }
    // What the live path answers from memory.
    QString winner() {
        const SessionValues::LivePath live(values);
        return values.raceText(QString::fromLatin1(kWinner));
    }
    void setStored(const QString& font, const QString& winnerText) {
        other.exec(QStringLiteral("UPDATE Monitor SET mo_FontName = '%1'").arg(font));
        other.exec(QStringLiteral("UPDATE Lingue SET %1 = '%2'").arg(QString::fromLatin1(kWinner), winnerText));
    }

    BaseFolder base;
    ProgramState state;
    FakeServices fakes;
    std::vector<int> sleeps;
    QStringList status;
    int withdrawn = 0;
    DatabaseFaults faults{fakes.prompter, state.log, [this](const QString& t) { status << t; },
                          state.startup.database.lockWaits.get()};
    SessionValues values{state.startup.database, state.startup.session, faults};
    DatabaseMonitorSettingsReloader monitor{state.monitor, state.startup.database};
    QuietPeers peers;
    RecordingPageDispatcher pages;
    LinkDispatcher dispatcher{state, fakes.services(), peers, pages, peers, peers, peers, monitor};
    OtherProgram other{base.databasePath};
};

TEST_F(LockedRaceState, IsAppliedAtOnceKeepingWhatItCannotReadUntilTheLockEnds) {
    const struct Step {
        const char* name;
        std::function<void(LockedRaceState&)> before;
        const char* font;    // the monitor settings' font after the race state
        const char* winner;  // the session's winner text after it
        int told;            // status-bar notices told so far
        int withdrawn;       // notices taken down so far
    } steps[] = {
        {"database free", [](LockedRaceState& t) { t.setStored(QStringLiteral("Arial"), QStringLiteral("VINCE")); },
         "Arial", "VINCE", 0, 0},
        // Changed, then held by the other program: the race states keep what was read.
        {"first during the lock",
         [](LockedRaceState& t) {
             t.setStored(QStringLiteral("Verdana"), QStringLiteral("VINCITORE"));
             t.other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
         },
         "Arial", "VINCE", 1, 0},
        {"second during the lock", [](LockedRaceState&) {}, "Arial", "VINCE", 2, 0},
        {"first after the lock", [](LockedRaceState& t) { t.other.exec(QStringLiteral("ROLLBACK")); }, "Verdana",
         "VINCITORE", 2, 1},
    };
    int tag = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.before(*this);
        const int logLines = int(state.log.lines().size());
        arrive(++tag);

        EXPECT_EQ(shownTag(), tag);  // applied at once
        EXPECT_EQ(peers.refreshes, tag);
        EXPECT_TRUE(sleeps.empty());
        EXPECT_EQ(waits().waitsBegun(), 0);
        EXPECT_EQ(state.monitor.ImpostazioniMonitor.FontName(), QString::fromLatin1(step.font));
        EXPECT_EQ(winner(), QString::fromLatin1(step.winner));
        ASSERT_EQ(status.size(), step.told);
        EXPECT_EQ(withdrawn, step.withdrawn);
        EXPECT_TRUE(fakes.prompter.shown().empty());
        if (step.told > 0) {
            // One notice for the five reads that failed: the monitor settings, the first of them.
            EXPECT_TRUE(status.last().startsWith(
                QStringLiteral("Impossibile rileggere le impostazioni del monitor (restano le precedenti): errore del "
                               "database 3260 - database occupato da un altro programma.")))
                << status.last().toStdString();
        }
        const bool toldNow = step.told > 0 && step.withdrawn == 0;
        EXPECT_EQ(int(state.log.lines().size()), logLines + (toldNow ? 1 : 0))
            << state.log.lines().mid(logLines).join('\n').toStdString();
    }
    EXPECT_GT(waits().refusedAtOnce(), 0);
}

}  // namespace
}  // namespace razudar::apptest
