#include <gtest/gtest.h>

#include <QProcess>

#include <sqlite3.h>

#include "data/table_operation.h"
#include "db_fixture.h"

namespace razudar {
namespace {

using testing::RaceDatabase;
namespace op = operazione_tabella;

// A record set on the configuration row, with a change pending.
db::Recordset pendingConfigurationEdit(db::Database& database) {
    db::Recordset rs = database.openRecordset(QStringLiteral("Configurazione"));
    rs.edit();
    rs.setValue(QStringLiteral("cf_GraficaServer"), QStringLiteral("REGIA"));
    return rs;
}

QString storedServer(const QString& path) {
    return db::Database::open(path)
        .openRecordset(QStringLiteral("SELECT cf_GraficaServer FROM Configurazione"))
        .value(0)
        .toString();
}

TEST(EseguiOperazioneTabella, LockReleasedAfterAWhileIsRetriedSilently) {
    RaceDatabase race;
    db::Database other = db::Database::open(race.path, {false, false, 0});
    other.execute(QStringLiteral("BEGIN IMMEDIATE"));
    race.fakes.waiter.onWait = [&](int) {
        if (race.fakes.waiter.sleeps().size() == 3) other.execute(QStringLiteral("COMMIT"));
    };
    db::Recordset rs = pendingConfigurationEdit(race.db());
    int errorOut = 0;
    EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, errorOut, nullptr,
                                        race.fakes.services()));
    EXPECT_EQ(race.fakes.waiter.sleeps(), (std::vector<int>{500, 500, 500}));
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
    EXPECT_EQ(errorOut, 0);
    EXPECT_EQ(storedServer(race.path), QStringLiteral("REGIA"));
}

// Makes the next query that reads rows on `database` meet an exclusive lock that `other`
// takes just before it runs, and keeps.
struct LockBeforeNextRead {
    db::Database& other;
    bool armed = false;
    bool locked = false;
    static int authorise(void* self, int action, const char*, const char*, const char*, const char*) {
        auto* me = static_cast<LockBeforeNextRead*>(self);
        if (action == SQLITE_SELECT && me->armed && !me->locked) {
            me->other.execute(QStringLiteral("BEGIN EXCLUSIVE"));
            me->locked = true;
        }
        return SQLITE_OK;
    }
};

TEST(EseguiOperazioneTabella, AnAddWrittenIsDoneEvenWhenItsReadBackMeetsALock) {
    RaceDatabase race;
    db::Database other = db::Database::open(race.path, {false, false, 0});
    LockBeforeNextRead lock{other};
    sqlite3_set_authorizer(race.db().nativeHandle(), &LockBeforeNextRead::authorise, &lock);
    db::Recordset rs = race.db().openRecordset(QStringLiteral("Discipline"));
    rs.addNew();
    rs.setValue(QStringLiteral("ds_Disciplina"), QStringLiteral("SA"));
    lock.armed = true;  // the INSERT reads no rows; the read-back that follows does
    int errorOut = 0;
    EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, errorOut, nullptr,
                                        race.fakes.services()));
    EXPECT_TRUE(lock.locked);
    EXPECT_TRUE(race.fakes.waiter.sleeps().empty());  // no retry of the INSERT
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
    EXPECT_EQ(errorOut, 0);
    EXPECT_EQ(rs.editMode(), db::EditMode::None);
    // The new row is there once; while the lock lasts, reading it reports the lock.
    rs.moveFirst();
    int readError = 0;
    try {
        rs.value(QStringLiteral("ds_Id"));
    } catch (const db::DbError& e) {
        readError = e.number();
    }
    EXPECT_EQ(readError, 3260);
    other.execute(QStringLiteral("ROLLBACK"));
    sqlite3_set_authorizer(race.db().nativeHandle(), nullptr, nullptr);
    EXPECT_EQ(rs.value(QStringLiteral("ds_Id")).toLongLong(), 1);  // read back now
    EXPECT_EQ(rs.value(QStringLiteral("ds_Disciplina")).toString(), QStringLiteral("SA"));
    EXPECT_EQ(race.db().openRecordset(QStringLiteral("SELECT count(*) FROM Discipline")).value(0).toLongLong(), 1);
}

TEST(EseguiOperazioneTabella, LockThatNeverClearsAsksAfterTenSeconds) {
    RaceDatabase race;
    db::Database other = db::Database::open(race.path, {false, false, 0});
    other.execute(QStringLiteral("BEGIN IMMEDIATE"));
    race.fakes.prompter.script({PromptAnswer::No});
    db::Recordset rs = pendingConfigurationEdit(race.db());
    int errorOut = 0;
    EXPECT_FALSE(EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, errorOut, nullptr,
                                         race.fakes.services()));
    EXPECT_EQ(race.fakes.waiter.sleeps().size(), 20u);  // 20 x 500 ms = 10 s of silent retries
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    const ShownPrompt& p = race.fakes.prompter.shown().front();
    EXPECT_EQ(p.text, QStringLiteral("Errore 3260 database occupato da un altro programma\r Riprovi ?"));
    EXPECT_EQ(p.buttons, PromptButtons::YesNo);
    EXPECT_EQ(p.icon, PromptIcon::None);
    EXPECT_EQ(p.caption, QStringLiteral("Operazione Database 1"));
    EXPECT_EQ(errorOut, 3260);
    EXPECT_EQ(rs.editMode(), db::EditMode::Editing);  // the change is still pending
}

TEST(EseguiOperazioneTabella, YesAfterALongLockGivesAnotherSilentRound) {
    RaceDatabase race;
    db::Database other = db::Database::open(race.path, {false, false, 0});
    other.execute(QStringLiteral("BEGIN IMMEDIATE"));
    race.fakes.prompter.script({PromptAnswer::Yes});
    race.fakes.waiter.onWait = [&](int) {
        if (race.fakes.waiter.sleeps().size() == 25) other.execute(QStringLiteral("ROLLBACK"));
    };
    db::Recordset rs = pendingConfigurationEdit(race.db());
    int errorOut = 0;
    EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, errorOut, nullptr,
                                        race.fakes.services()));
    EXPECT_EQ(race.fakes.prompter.shown().size(), 1u);
    EXPECT_EQ(race.fakes.waiter.sleeps().size(), 25u);
    EXPECT_EQ(errorOut, 3260);  // set before the retry, not cleared by the later success
}

TEST(EseguiOperazioneTabella, NoWaitAsksAtOnceAboutALock) {
    RaceDatabase race;
    db::Database other = db::Database::open(race.path, {false, false, 0});
    other.execute(QStringLiteral("BEGIN IMMEDIATE"));
    race.fakes.prompter.script({PromptAnswer::Yes, PromptAnswer::No});
    db::Recordset rs = pendingConfigurationEdit(race.db());
    int errorOut = 0;
    EXPECT_FALSE(EseguiOperazioneTabella(&rs, op::kUpdate, true, 0, errorOut, nullptr,
                                         race.fakes.services()));
    EXPECT_TRUE(race.fakes.waiter.sleeps().empty());
    EXPECT_EQ(race.fakes.prompter.shown().size(), 2u);
    EXPECT_EQ(errorOut, 3260);
}

TEST(EseguiOperazioneTabella, LockHeldByAnotherProcessReleasedAfterAWhile) {
    RaceDatabase race;
    QProcess holder;
    holder.start(QStringLiteral(RAZUDAR_LOCK_HOLDER), {race.path});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_EQ(holder.readLine().trimmed(), QByteArray("locked"));
    race.fakes.waiter.onWait = [&](int) {
        if (race.fakes.waiter.sleeps().size() == 4) {
            holder.write("release\n");
            holder.waitForBytesWritten(10000);
            holder.waitForReadyRead(10000);
            EXPECT_EQ(holder.readLine().trimmed(), QByteArray("released"));
        }
    };
    db::Recordset rs = pendingConfigurationEdit(race.db());
    int errorOut = 0;
    EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, errorOut, nullptr,
                                        race.fakes.services()));
    EXPECT_EQ(race.fakes.waiter.sleeps().size(), 4u);
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
    holder.waitForFinished(10000);
    EXPECT_EQ(storedServer(race.path), QStringLiteral("REGIA"));  // the holder rolled back
}

TEST(EseguiOperazioneTabella, LockHeldByAnotherProcessForeverEndsInTheQuestion) {
    RaceDatabase race;
    QProcess holder;
    holder.start(QStringLiteral(RAZUDAR_LOCK_HOLDER), {race.path});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_EQ(holder.readLine().trimmed(), QByteArray("locked"));
    race.fakes.prompter.script({PromptAnswer::No});
    race.db().openRecordset(QStringLiteral("Monitor"));  // reading is not blocked
    db::Recordset rs = pendingConfigurationEdit(race.db());
    int errorOut = 0;
    EXPECT_FALSE(EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, errorOut, nullptr,
                                         race.fakes.services()));
    EXPECT_EQ(errorOut, 3260);
    EXPECT_EQ(race.fakes.prompter.texts(),
              QStringList{QStringLiteral("Errore 3260 database occupato da un altro programma\r Riprovi ?")});
    holder.kill();
    holder.waitForFinished(10000);
}

TEST(EseguiOperazioneTabella, DuplicateKeyFailsWithoutMessage) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("INSERT INTO StatiSessione VALUES (0, 'Programmata')"));
    db::Recordset rs = race.db().openRecordset(QStringLiteral("StatiSessione"));
    rs.addNew();
    rs.setValue(QStringLiteral("sn_StatoSessione"), 0);
    int errorOut = 0;
    EXPECT_FALSE(EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, errorOut, nullptr,
                                         race.fakes.services()));
    EXPECT_EQ(errorOut, 3022);
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
    EXPECT_TRUE(race.fakes.waiter.sleeps().empty());
}

TEST(EseguiOperazioneTabella, OtherErrorAsksAndYesRetriesThenNoFails) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("INSERT INTO Discipline VALUES (1, 'SA', 'Sci Alpino')"));
    db::Recordset rs = race.db().openRecordset(QStringLiteral("Discipline"));
    rs.edit();
    rs.setValue(QStringLiteral("ds_Disciplina"), QVariant());  // the code may not be empty
    race.fakes.prompter.script({PromptAnswer::Yes, PromptAnswer::No});
    int errorOut = 0;
    EXPECT_FALSE(EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, errorOut, nullptr,
                                         race.fakes.services()));
    const QString text =
        QStringLiteral("Errore 1299 manca un valore obbligatorio (Discipline.ds_Disciplina)\r Riprovi ?");
    EXPECT_EQ(race.fakes.prompter.texts(), (QStringList{text, text}));
    EXPECT_EQ(errorOut, 1299);
    EXPECT_TRUE(race.fakes.waiter.sleeps().empty());
}

TEST(EseguiOperazioneTabella, YesRetriesUntilTheCauseIsGone) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("INSERT INTO Discipline VALUES (1, 'SA', 'Sci Alpino')"));
    db::Recordset rs = race.db().openRecordset(QStringLiteral("Discipline"));
    rs.edit();
    rs.setValue(QStringLiteral("ds_Disciplina"), QVariant());
    // The operator puts the value right before answering Yes the second time.
    int asked = 0;
    int errorOut = 0;
    struct FixingPrompter : Prompter {
        db::Recordset* rs;
        int* asked;
        PromptAnswer ask(const QString&, PromptButtons, PromptIcon, const QString&) override {
            if (++*asked == 2) rs->setValue(QStringLiteral("ds_Disciplina"), QStringLiteral("SF"));
            return PromptAnswer::Yes;
        }
    } fixing;
    fixing.rs = &rs;
    fixing.asked = &asked;
    Services services = race.fakes.services();
    services.prompter = &fixing;
    EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, errorOut, nullptr, services));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(race.db().openRecordset(QStringLiteral("Discipline")).value(1).toString(),
              QStringLiteral("SF"));
}

TEST(EseguiOperazioneTabella, IgnoredErrorsSucceedWithoutMessage) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("INSERT INTO StatiSessione VALUES (0, 'Programmata')"));
    for (int ignored : {3022, 9999}) {
        db::Recordset rs = race.db().openRecordset(QStringLiteral("StatiSessione"));
        rs.addNew();
        rs.setValue(QStringLiteral("sn_StatoSessione"), 0);
        int errorOut = -7;
        EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kUpdate, false, ignored, errorOut, nullptr,
                                            race.fakes.services()));
        EXPECT_EQ(errorOut, -7);
    }
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
}

TEST(EseguiOperazioneTabella, UnknownCodeDoesNothing) {
    RaceDatabase race;
    int errorOut = 0;
    EXPECT_TRUE(EseguiOperazioneTabella(nullptr, 9, false, 0, errorOut, nullptr,
                                        race.fakes.services()));
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
}

TEST(EseguiOperazioneTabella, RecordCodesEditAddDeleteAndCancel) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("INSERT INTO StatiSessione VALUES (0, 'Programmata'), (1, 'In Corso')"));
    db::Recordset rs = race.db().openRecordset(QStringLiteral("StatiSessione"));
    int errorOut = 0;
    const Services s = race.fakes.services();
    EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kEdit, false, 0, errorOut, nullptr, s));
    rs.setValue(QStringLiteral("sn_Descrizione"), QStringLiteral("x"));
    EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kCancelUpdate, false, 0, errorOut, nullptr, s));
    EXPECT_EQ(rs.value(QStringLiteral("sn_Descrizione")).toString(), QStringLiteral("Programmata"));
    EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kDelete, false, 0, errorOut, nullptr, s));
    EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kAddNew, false, 0, errorOut, nullptr, s));
    rs.setValue(QStringLiteral("sn_StatoSessione"), 2);
    EXPECT_TRUE(EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, errorOut, nullptr, s));
    EXPECT_EQ(race.db().openRecordset(QStringLiteral("SELECT sn_StatoSessione FROM StatiSessione "
                                                     "ORDER BY 1")).recordCount(), 2);
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
}

TEST(EseguiOperazioneTabella, TransactionCodesRunOnTheWorkspace) {
    RaceDatabase race;
    db::Workspace& ws = race.state.currentWorkspace();
    int errorOut = 0;
    const Services s = race.fakes.services();
    EXPECT_TRUE(EseguiOperazioneTabella(nullptr, op::kBeginTrans, false, 0, errorOut, &ws, s));
    race.db().execute(QStringLiteral("UPDATE Configurazione SET cf_GaraAttiva = 4"));
    EXPECT_TRUE(EseguiOperazioneTabella(nullptr, op::kRollback, false, 0, errorOut, &ws, s));
    EXPECT_TRUE(EseguiOperazioneTabella(nullptr, op::kBeginTrans, false, 0, errorOut, &ws, s));
    race.db().execute(QStringLiteral("UPDATE Configurazione SET cf_GaraAttiva = 5"));
    EXPECT_TRUE(EseguiOperazioneTabella(nullptr, op::kCommitTransFlush, false, 0, errorOut, &ws, s));
    EXPECT_EQ(db::Database::open(race.path).openRecordset(QStringLiteral("Configurazione"))
                  .value(QStringLiteral("cf_GaraAttiva")).toLongLong(),
              5);
}

TEST(EseguiOperazioneTabella, BeginTransWaitsForAnotherWriter) {
    RaceDatabase race;
    db::Database other = db::Database::open(race.path, {false, false, 0});
    other.execute(QStringLiteral("BEGIN IMMEDIATE"));
    race.fakes.waiter.onWait = [&](int) { other.execute(QStringLiteral("ROLLBACK")); };
    int errorOut = 0;
    EXPECT_TRUE(EseguiOperazioneTabella(nullptr, op::kBeginTrans, false, 0, errorOut,
                                        &race.state.currentWorkspace(), race.fakes.services()));
    EXPECT_EQ(race.fakes.waiter.sleeps().size(), 1u);
    EXPECT_TRUE(race.db().inTransaction());
}

}  // namespace
}  // namespace razudar
