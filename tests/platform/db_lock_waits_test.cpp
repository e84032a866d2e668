// Waiting on another program's lock, one busy timeout an action, and a file deleted, moved or
// replaced under an open connection. Real SQLite files; a second connection holds the lock with
// BEGIN EXCLUSIVE; the waits go through a recording sleeper, so nothing here sleeps.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <numeric>
#include <vector>

#include "db_test_support.h"
#include "platform/db/lock_waits.h"

namespace razudar::db::testing {
namespace {

constexpr int kTimeoutMs = 2000;

struct LockedDatabase : ::testing::Test {
    void SetUp() override {
        waits->setSleeper([this](int ms) { sleeps.push_back(ms); });
        OpenOptions options;
        options.busyTimeoutMs = kTimeoutMs;
        program = Database::open(base.path, options, waits);
    }
    void lock() { other.execute(QStringLiteral("BEGIN EXCLUSIVE")); }
    void release() { other.execute(QStringLiteral("ROLLBACK")); }
    // The number of the error of one read (0 when it reads).
    int read() {
        return errorNumberOf([&] { program.openRecordset(QStringLiteral("SELECT count(*) FROM Gare")); });
    }
    int slept() const { return std::accumulate(sleeps.begin(), sleeps.end(), 0); }

    FreshDatabase base;
    std::shared_ptr<LockWaits> waits = std::make_shared<LockWaits>();
    std::vector<int> sleeps;
    Database program;
    Database other = base.open();
};

TEST_F(LockedDatabase, AnActionWaitsOneTimeoutThenEveryQueryFailsAtOnce) {
    lock();
    {
        const LockWaits::Scope action(*waits);
        EXPECT_EQ(read(), errors::kRecordLocked);
        EXPECT_EQ(slept(), kTimeoutMs);  // SQLite's schedule, cut at the timeout
        EXPECT_EQ(sleeps.front(), 1);
        EXPECT_EQ(waits->waitsGivenUp(), 1);
        EXPECT_TRUE(waits->actionGaveUp());
        const size_t sleepsAfterFirst = sleeps.size();
        EXPECT_EQ(read(), errors::kRecordLocked);
        EXPECT_EQ(read(), errors::kRecordLocked);
        EXPECT_EQ(sleeps.size(), sleepsAfterFirst);  // no further wait
        EXPECT_EQ(waits->refusedAtOnce(), 2);
        // The lock gone, the rest of the action reads at once.
        release();
        EXPECT_EQ(read(), 0);
    }
    EXPECT_FALSE(waits->actionGaveUp());
    EXPECT_EQ(waits->waitsBegun(), 1);
    EXPECT_EQ(waits->sleptMs(), kTimeoutMs);
}

TEST_F(LockedDatabase, TheNextActionWaitsAgain) {
    lock();
    for (int action = 1; action <= 2; ++action) {
        const LockWaits::Scope scope(*waits);
        EXPECT_EQ(read(), errors::kRecordLocked);
        EXPECT_EQ(read(), errors::kRecordLocked);
        EXPECT_EQ(slept(), action * kTimeoutMs);
    }
    EXPECT_EQ(waits->waitsGivenUp(), 2);
    EXPECT_EQ(waits->refusedAtOnce(), 2);
}

TEST_F(LockedDatabase, OutsideAnyActionEveryQueryWaitsItsTimeout) {
    lock();
    EXPECT_EQ(read(), errors::kRecordLocked);
    EXPECT_EQ(read(), errors::kRecordLocked);
    EXPECT_EQ(slept(), 2 * kTimeoutMs);
    EXPECT_EQ(waits->refusedAtOnce(), 0);
}

TEST_F(LockedDatabase, AWaitThatEndsInTimeLeavesTheRestOfTheTimeoutToTheAction) {
    lock();
    const LockWaits::Scope action(*waits);
    // The other program lets go after 300 ms of waiting.
    bool letGo = false;
    waits->setSleeper([&](int ms) {
        sleeps.push_back(ms);
        if (!letGo && slept() >= 300) {
            release();
            letGo = true;
        }
    });
    EXPECT_EQ(read(), 0);
    const int first = slept();
    EXPECT_GE(first, 300);
    EXPECT_LT(first, 400);
    lock();
    EXPECT_EQ(read(), errors::kRecordLocked);
    EXPECT_EQ(slept(), kTimeoutMs);  // the two waits together: one timeout
    EXPECT_EQ(waits->waitsBegun(), 2);
    EXPECT_EQ(waits->waitsGivenUp(), 1);
}

TEST_F(LockedDatabase, ScopesInsideAnActionJoinItAndAnOwnScopeWaitsForItself) {
    lock();
    const LockWaits::Scope command(*waits);
    EXPECT_EQ(read(), errors::kRecordLocked);
    {
        const LockWaits::Scope joined(*waits);
        EXPECT_EQ(read(), errors::kRecordLocked);
        EXPECT_EQ(slept(), kTimeoutMs);
    }
    {
        // A link message handled while the command waits in a dialog: an action of its own.
        const LockWaits::Scope message(*waits, true);
        EXPECT_FALSE(waits->actionGaveUp());
        EXPECT_EQ(read(), errors::kRecordLocked);
        EXPECT_EQ(slept(), 2 * kTimeoutMs);
    }
    EXPECT_TRUE(waits->actionGaveUp());  // the command's state is back
    EXPECT_EQ(read(), errors::kRecordLocked);
    EXPECT_EQ(slept(), 2 * kTimeoutMs);
}

TEST_F(LockedDatabase, ATimeoutOfZeroFailsAtOnce) {
    OpenOptions options;
    options.busyTimeoutMs = 0;
    Database quick = Database::open(base.path, options, waits);
    lock();
    const LockWaits::Scope action(*waits);
    EXPECT_EQ(errorNumberOf([&] { quick.execute(QStringLiteral("UPDATE Configurazione SET cf_GraficaServer = 'x'")); }),
              errors::kRecordLocked);
    EXPECT_TRUE(sleeps.empty());
}

// Work that must not wait (a race state received over the link): inside a NoWait every lock is
// refused at once, alone or inside an action, and the action's later queries meet locks at once
// too; once the NoWait is over and the action too, the next action waits again.
TEST_F(LockedDatabase, InsideANoWaitALockIsRefusedAtOnce) {
    lock();
    {
        const LockWaits::NoWait live(*waits);
        EXPECT_EQ(read(), errors::kRecordLocked);  // outside any action
    }
    {
        const LockWaits::Scope action(*waits);
        {
            const LockWaits::NoWait live(*waits);
            EXPECT_EQ(read(), errors::kRecordLocked);
            EXPECT_EQ(read(), errors::kRecordLocked);
            EXPECT_TRUE(waits->actionGaveUp());
        }
        EXPECT_EQ(read(), errors::kRecordLocked);
    }
    EXPECT_TRUE(sleeps.empty());
    EXPECT_EQ(waits->waitsBegun(), 0);
    EXPECT_EQ(waits->refusedAtOnce(), 4);
    {
        // The lock gone, the same work reads at once and the action is answered.
        release();
        const LockWaits::Scope action(*waits);
        const LockWaits::NoWait live(*waits);
        EXPECT_EQ(read(), 0);
        EXPECT_TRUE(waits->actionAnswered());
        lock();
    }
    {
        const LockWaits::Scope action(*waits);
        EXPECT_EQ(read(), errors::kRecordLocked);
        EXPECT_EQ(slept(), kTimeoutMs);
    }
}

// Whether the database answered an action: every statement of it ran, and there was one. A scope
// of its own answers for itself and gives the outer action its state back.
TEST_F(LockedDatabase, AnActionIsAnsweredWhenEveryStatementOfItRan) {
    {
        const LockWaits::Scope action(*waits);
        EXPECT_FALSE(waits->actionAnswered());  // nothing asked yet
        EXPECT_EQ(read(), 0);
        EXPECT_EQ(read(), 0);
        EXPECT_TRUE(waits->actionAnswered());
    }
    EXPECT_FALSE(waits->actionAnswered());  // outside any action
    {
        const LockWaits::Scope action(*waits);
        EXPECT_EQ(read(), 0);
        lock();
        EXPECT_EQ(read(), errors::kRecordLocked);
        release();
        EXPECT_EQ(read(), 0);
        EXPECT_FALSE(waits->actionAnswered());  // one statement failed
        {
            const LockWaits::Scope message(*waits, true);
            EXPECT_EQ(read(), 0);
            EXPECT_TRUE(waits->actionAnswered());
        }
        EXPECT_FALSE(waits->actionAnswered());
    }
    {
        // A statement that cannot even be prepared is a failure too.
        const LockWaits::Scope action(*waits);
        EXPECT_EQ(read(), 0);
        EXPECT_NE(errorNumberOf([&] { program.openRecordset(QStringLiteral("SELECT * FROM TabellaMancante")); }), 0);
        EXPECT_FALSE(waits->actionAnswered());
    }
}

// The file under an open connection: reads and writes of a file that was deleted, moved or
// replaced fail with SQLite's "moved" code, whatever the connection still holds open.
struct MovedFile : ::testing::Test {
    int readNumber() {
        return errorNumberOf([&] { program.openRecordset(QStringLiteral("SELECT count(*) FROM Gare")); });
    }
    FreshDatabase base;
    Database program = base.open();
    QString aside = base.path + QStringLiteral(".altrove");
};

TEST_F(MovedFile, AFileMovedAwayFailsReadsAndWritesUntilItIsBack) {
    ASSERT_EQ(readNumber(), 0);
    ASSERT_TRUE(QFile::rename(base.path, aside));
    EXPECT_EQ(readNumber(), SQLITE_READONLY_DBMOVED);
    try {
        program.execute(QStringLiteral("UPDATE Configurazione SET cf_GraficaServer = 'x'"));
        ADD_FAILURE() << "a write to a moved file went through";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), SQLITE_READONLY_DBMOVED);
        EXPECT_EQ(e.sqliteCode(), SQLITE_READONLY_DBMOVED);
        EXPECT_TRUE(e.description().contains(base.path)) << e.description().toStdString();
    }
    ASSERT_TRUE(QFile::rename(aside, base.path));
    EXPECT_EQ(readNumber(), 0);
}

TEST_F(MovedFile, AFileReplacedByACopyIsNotTheFileTheConnectionHolds) {
    ASSERT_TRUE(QFile::rename(base.path, aside));
    ASSERT_TRUE(QFile::copy(aside, base.path));
    EXPECT_EQ(readNumber(), SQLITE_READONLY_DBMOVED);
    ASSERT_TRUE(QFile::remove(base.path));
    ASSERT_TRUE(QFile::rename(aside, base.path));
    EXPECT_EQ(readNumber(), 0);
}

TEST_F(MovedFile, AFileOverwrittenInPlaceWithSomethingElseIsNotADatabase) {
    QFile file(base.path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray header = file.read(100);
    ASSERT_TRUE(file.seek(0));
    file.write(QByteArray(100, 'X'));
    file.flush();
    EXPECT_EQ(readNumber(), SQLITE_NOTADB);
    ASSERT_TRUE(file.seek(0));
    file.write(header);
    file.close();
    EXPECT_EQ(readNumber(), 0);
}

}  // namespace
}  // namespace razudar::db::testing
