#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "db_fixture.h"

namespace razudar {
namespace {

using testing::RaceDatabase;

qint64 count(db::Database& db, const QString& sql, const QVariantList& params = {}) {
    return db.openRecordset(sql, params).value(0).toLongLong();
}

TEST(DemoDatabase, TwoRunRaceWithRunOneCompleteAndRunTwoUnderWay) {
    RaceDatabase race(assets::DatabaseContent::Demo);
    db::Database& db = race.db();
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM Concorrenti WHERE co_Gara = 1")), 60);
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM Categorie WHERE ca_Gara = 1")), 3);
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(DISTINCT co_Nazionalita) FROM Concorrenti WHERE co_Gara = 1")), 8);
    EXPECT_GE(count(db, QStringLiteral("SELECT count(DISTINCT co_Societa) FROM Concorrenti WHERE co_Gara = 1")), 8);
    EXPECT_EQ(count(db, QStringLiteral("SELECT ga_Intermedi FROM Gare WHERE ga_Gara = 1")), 2);
    EXPECT_EQ(count(db, QStringLiteral("SELECT MAX(tp_NumeroIntermedio) FROM QPuntiRilevamento WHERE pr_Gara = 1")), 2);
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM OrdinePartenza WHERE op_Gara = 1 AND op_Manche = 1")), 60);
    auto inState = [&](int run, int state) {
        return count(db, QStringLiteral("SELECT count(*) FROM SessioniConcorrenti WHERE sc_Gara = 1 AND "
                                        "sc_TipoTurno = 'GA' AND sc_Manche = ? AND sc_StatoConcorrente = ?"),
                     {run, state});
    };
    EXPECT_EQ(inState(1, 0) + inState(1, 30) + inState(1, 40) + inState(1, 60), 60);
    EXPECT_GT(inState(1, 30), 0);
    EXPECT_GT(inState(1, 40), 0);
    EXPECT_GT(inState(1, 60), 0);
    const qint64 starters2 = count(db, QStringLiteral("SELECT count(*) FROM OrdinePartenza WHERE op_Gara = 1 AND op_Manche = 2"));
    EXPECT_EQ(starters2, inState(1, 0));
    EXPECT_EQ(inState(2, 20), 1);
    const qint64 done2 = inState(2, 0) + inState(2, 30) + inState(2, 60);
    EXPECT_GT(done2, starters2 / 3);
    EXPECT_LT(done2, starters2 * 2 / 3);
}

TEST(DemoDatabase, ParallelBoardOfEightHeatsAndBestRunRace) {
    RaceDatabase race(assets::DatabaseContent::Demo);
    db::Database& db = race.db();
    db::Recordset heats = db.openRecordset(
        QStringLiteral("SELECT * FROM QTabelloneParallelo WHERE tp_Gara = ? AND tp_TipoTurno = ? AND "
                       "tp_Manche = ? ORDER BY tp_Sfida"),
        {2, QStringLiteral("FI"), 1});
    EXPECT_EQ(heats.recordCount(), 8);
    while (!heats.eof()) {
        EXPECT_FALSE(heats.isNull(QStringLiteral("co_PettoraleA")));
        EXPECT_FALSE(heats.isNull(QStringLiteral("co_PettoraleB")));
        heats.moveNext();
    }
    EXPECT_TRUE(db.openRecordset(QStringLiteral("SELECT ga_Parallelo FROM Gare WHERE ga_Gara = 2")).value(0).toBool());
    EXPECT_EQ(count(db, QStringLiteral("SELECT sp_Id FROM QGare WHERE ga_Gara = 3")), 5);
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM Sessioni WHERE se_Gara = 3 AND se_StatoSessione = 2")), 2);
}

TEST(DemoDatabase, LanguagesSessionsAndNamesWithApostrophes) {
    RaceDatabase race(assets::DatabaseContent::Demo);
    db::Database& db = race.db();
    db::Recordset lingue = db.openRecordset(QStringLiteral("Lingue"));
    EXPECT_GE(lingue.recordCount(), 2);
    while (!lingue.eof()) {
        for (const char* f : {"li_SiglaPartito", "li_SiglaNonArrivato", "li_SiglaNonPartito", "li_SiglaEscluso"}) {
            EXPECT_FALSE(lingue.value(QString::fromLatin1(f)).toString().isEmpty()) << f;
        }
        lingue.moveNext();
    }
    db::Recordset sessions = db.openRecordset(QStringLiteral("SELECT * FROM QSessioni"));
    EXPECT_GE(sessions.recordCount(), 7);
    EXPECT_TRUE(sessions.findFirst(db::Criteria::equal(QStringLiteral("se_Gara"), 1) &&
                                   db::Criteria::equal(QStringLiteral("se_StatoSessione"), 1)));
    EXPECT_EQ(sessions.value(QStringLiteral("sn_Descrizione")).toString(), QStringLiteral("In Corso"));
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM Concorrenti WHERE co_Cognome = ?"),
                    {QStringLiteral("d'amico")}),
              1);
    EXPECT_EQ(count(db, QStringLiteral("SELECT cf_GaraAttiva FROM Configurazione")), 1);
}

TEST(DemoBaseFolder, BuiltInTheBuildTree) {
    const QDir demo(QStringLiteral(RAZUDAR_BINARY_DIR "/demo"));
    EXPECT_TRUE(QFileInfo(demo.filePath(QStringLiteral("Zez.mdb"))).isFile());
    for (const char* folder : {"Export", "TempOut", "Razudar", "Razudar/Nazionalita/Miniature", "Razudar/Sponsor"}) {
        EXPECT_TRUE(QFileInfo(demo.filePath(QString::fromLatin1(folder))).isDir()) << folder;
    }
}

}  // namespace
}  // namespace razudar
