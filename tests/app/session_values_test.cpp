// What a session fixes, over a real race database that a second connection changes and locks: read
// when the session is set, answered from memory afterwards, never read on the live path; a read
// that fails keeps the value last known and is tried again outside the live path.
#include <gtest/gtest.h>

#include "app/faults/database_faults.h"
#include "app/faults/session_values.h"
#include "app_test_support.h"
#include "data/one_value_queries.h"
#include "other_program.h"

namespace razudar::apptest {
namespace {

struct SessionValuesTest : ::testing::Test {
    void SetUp() override {
        openDatabase(state, base);
        state.startup.session.SessioneGara = 1;
    }
    db::LockWaits& waits() { return *state.startup.database.lockWaits; }
    QString winner() { return values.raceText(QStringLiteral("li_VincitoreSfida")); }
    void setWinnerText(const QString& text) {
        other.exec(QStringLiteral("UPDATE Lingue SET li_VincitoreSfida = '%1'").arg(text));
    }

    BaseFolder base;
    ProgramState state;
    FakeServices fakes;
    QStringList status;
    DatabaseFaults faults{fakes.prompter, state.log, [this](const QString& t) { status << t; },
                          state.startup.database.lockWaits.get()};
    SessionValues values{state.startup.database, state.startup.session, faults};
    OtherProgram other{base.databasePath};
};

TEST_F(SessionValuesTest, ReadWhenTheSessionIsSetAndFromMemoryAfterwards) {
    setWinnerText(QStringLiteral("VINCE"));
    values.reload();
    EXPECT_EQ(winner(), QStringLiteral("VINCE"));
    EXPECT_EQ(values.turnTypeCode(2), CodiceTipoTurno(state.startup.database.current(), 2));
    EXPECT_FALSE(values.turnTypeCode(2).isEmpty());

    // Changed in the database during the session: the session's value stays until it is set again.
    setWinnerText(QStringLiteral("VINCITORE"));
    EXPECT_EQ(winner(), QStringLiteral("VINCE"));
    values.reload();
    EXPECT_EQ(winner(), QStringLiteral("VINCITORE"));

    // A text the live path does not read is read at each request.
    const QString partenti = values.raceText(QStringLiteral("li_Partenti"));
    other.exec(QStringLiteral("UPDATE Lingue SET li_Partenti = 'Al via'"));
    EXPECT_NE(values.raceText(QStringLiteral("li_Partenti")), partenti);
    EXPECT_EQ(values.raceText(QStringLiteral("li_Partenti")), QStringLiteral("Al via"));
    EXPECT_TRUE(status.isEmpty()) << status.join('\n').toStdString();
}

TEST_F(SessionValuesTest, AFailedReadKeepsTheValueLastKnownAndIsNotTriedOnTheLivePath) {
    setWinnerText(QStringLiteral("VINCE"));
    values.reload();
    const QString qualifying = values.turnTypeCode(2);

    // The session set again while another program holds the database: told once, nothing lost.
    setWinnerText(QStringLiteral("VINCITORE"));
    other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
    {
        const DatabaseFaults::Action action(faults, FaultChannel::StatusBar);
        values.reload();
    }
    ASSERT_EQ(status.size(), 1);
    EXPECT_TRUE(status[0].contains(QStringLiteral("errore del database 3260"))) << status[0].toStdString();

    // On the live path the values come from memory, locked or not, and nothing waits.
    const int begun = waits().waitsBegun();
    for (const bool locked : {true, false}) {
        SCOPED_TRACE(locked ? "locked" : "free");
        if (!locked) other.exec(QStringLiteral("ROLLBACK"));
        const DatabaseFaults::Action action(faults, FaultChannel::StatusBar);
        const SessionValues::LivePath live(values);
        EXPECT_EQ(winner(), QStringLiteral("VINCE"));
        EXPECT_EQ(values.turnTypeCode(2), qualifying);
        // Values never read (a session not yet set) are empty.
        SessionValues unset(state.startup.database, state.startup.session, faults);
        const SessionValues::LivePath unsetLive(unset);
        EXPECT_EQ(unset.turnTypeCode(2), QString());
        EXPECT_EQ(unset.raceText(QStringLiteral("li_VincitoreSfida")), QString());
        EXPECT_EQ(waits().waitsBegun(), begun);
        EXPECT_EQ(status.size(), 1);
    }

    // The next request outside the live path reads what failed, once.
    EXPECT_EQ(winner(), QStringLiteral("VINCITORE"));
    EXPECT_EQ(values.turnTypeCode(1), CodiceTipoTurno(state.startup.database.current(), 1));
    setWinnerText(QStringLiteral("VINCE ANCORA"));
    EXPECT_EQ(winner(), QStringLiteral("VINCITORE"));
    EXPECT_EQ(status.size(), 1);
}

}  // namespace
}  // namespace razudar::apptest
