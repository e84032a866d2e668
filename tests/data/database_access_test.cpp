#include <gtest/gtest.h>

#include "data/database_access.h"
#include "data/program_end.h"
#include "db_fixture.h"
#include "model/bas_utilita.h"

namespace razudar {
namespace {

using testing::RaceDatabase;

void setVersion(RaceDatabase& race, const QVariant& version) {
    race.db().execute(QStringLiteral("UPDATE Configurazione SET cf_VersioneDatabase = ?"), {version});
}

QString wrongVersionText(const QString& stored) {
    return QStringLiteral("Versione del Programma: ") + TestoVersioneProgramma() +
           QStringLiteral("\r\rVersione Database: ") + stored +
           QStringLiteral("\r\rLa versione del database trovata non è compatibile.\r\r"
                          "Con la versione del programma corrente è necessario un database "
                          "versione 1.25\r\rIl programma verrà terminato.");
}

TEST(ApriDatabase, OpensTheFileOfTheCurrentSlotInANewWorkspace) {
    RaceDatabase race;
    EXPECT_TRUE(race.state.DatabaseAperti[1].isOpen());
    EXPECT_TRUE(race.state.SpaziLavoro[1].isValid());
    EXPECT_FALSE(race.state.DatabaseAperti[0].isOpen());
    EXPECT_EQ(race.state.current().path(), race.path);
}

TEST(ApriDatabase, MissingFileGoesToTheCaller) {
    DatabaseState state;
    state.IndiceDatabase = 1;
    state.PercorsiDatabase[1] = QStringLiteral("/nonexistent/Zez.mdb");
    try {
        ApriDatabase(state);
        FAIL();
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.number(), 3024);
    }
}

TEST(DatabaseState, SlotOutsideTheRangeIsRefused) {
    DatabaseState state;
    state.IndiceDatabase = 2;
    EXPECT_THROW(state.current(), std::out_of_range);
    state.IndiceDatabase = -1;
    EXPECT_THROW(state.current(), std::out_of_range);
}

TEST(ControllaVersioneDatabase, AcceptsTheVersionBetweenBlanks) {
    RaceDatabase race;
    setVersion(race, QStringLiteral("  1.25 "));
    EXPECT_NO_THROW(ControllaVersioneDatabase(race.state, race.fakes.prompter));
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
    EXPECT_EQ(VersioneDatabase(race.state), QStringLiteral("  1.25 "));
}

TEST(ControllaVersioneDatabase, ConfigurationWithoutRowsPasses) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("DELETE FROM Configurazione"));
    EXPECT_NO_THROW(ControllaVersioneDatabase(race.state, race.fakes.prompter));
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
    EXPECT_EQ(VersioneDatabase(race.state), QString());
}

TEST(ControllaVersioneDatabase, WrongVersionShowsTheMessageAndEndsTheProgram) {
    RaceDatabase race;
    setVersion(race, QStringLiteral("1.24"));
    EXPECT_THROW(ControllaVersioneDatabase(race.state, race.fakes.prompter), ProgramEndRequested);
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    const ShownPrompt& p = race.fakes.prompter.shown().front();
    EXPECT_EQ(p.text, wrongVersionText(QStringLiteral("1.24")));
    EXPECT_EQ(p.buttons, PromptButtons::Ok);
    EXPECT_EQ(p.icon, PromptIcon::Critical);
    EXPECT_EQ(p.caption, QStringLiteral("Razudar (Zez)"));
}

TEST(ControllaVersioneDatabase, EmptyAndNullVersionsFail) {
    for (const QVariant& v : {QVariant(QString()), QVariant()}) {
        RaceDatabase race;
        setVersion(race, v);
        EXPECT_THROW(ControllaVersioneDatabase(race.state, race.fakes.prompter), ProgramEndRequested);
        EXPECT_EQ(race.fakes.prompter.texts(), QStringList{wrongVersionText(QString())});
    }
}

TEST(ControllaVersioneDatabase, MissingTableIsReportedAndEndsTheProgram) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("DROP TABLE Configurazione"));
    EXPECT_THROW(ControllaVersioneDatabase(race.state, race.fakes.prompter), ProgramEndRequested);
    EXPECT_EQ(race.fakes.prompter.texts(),
              QStringList{QStringLiteral("Errore 1 nel database manca la tabella Configurazione\r\r"
                                         "Impossibile leggere la versione del database.\r\r"
                                         "Il programma verrà terminato.")});
}

TEST(ControllaVersioneDatabase, MissingFieldIsReportedAndEndsTheProgram) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("ALTER TABLE Configurazione DROP COLUMN cf_VersioneDatabase"));
    EXPECT_THROW(ControllaVersioneDatabase(race.state, race.fakes.prompter), ProgramEndRequested);
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    EXPECT_TRUE(race.fakes.prompter.texts().front().startsWith(
        QStringLiteral("Errore 1 nel database manca la colonna cf_VersioneDatabase\r\r")));
}

TEST(SalvaVersioneProgramma, WritesTheVersionIntoEveryRow) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("INSERT INTO Configurazione (cf_Id) VALUES (2)"));
    SalvaVersioneProgramma(race.state);
    db::Recordset rs = race.db().openRecordset(QStringLiteral("SELECT cf_VersioneProgramma FROM Configurazione"));
    ASSERT_EQ(rs.recordCount(), 2);
    while (!rs.eof()) {
        EXPECT_EQ(rs.value(0).toString(), TestoVersioneProgramma());
        rs.moveNext();
    }
}

TEST(TipoCampoTabella, FindsTheFieldIgnoringCase) {
    RaceDatabase race;
    EXPECT_EQ(TipoCampoTabella(race.db(), QStringLiteral("Gare"), QStringLiteral("GA_DATA")), 8);
    EXPECT_EQ(TipoCampoTabella(race.db(), QStringLiteral("Gare"), QStringLiteral("ga_Descrizione")), 10);
    EXPECT_EQ(TipoCampoTabella(race.db(), QStringLiteral("Gare"), QStringLiteral("ga_Nessuno")), -1);
    EXPECT_THROW(TipoCampoTabella(race.db(), QStringLiteral("Nessuna"), QStringLiteral("x")), db::DbError);
}

TEST(ScriviMessaggio, LooksForItsWindowSilently) {
    // No message window is registered: the lookup must not tell the operator it is missing.
    RaceDatabase race;
    ScriviMessaggio(QStringLiteral("riga"), 1, race.fakes.prompter);
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
}

}  // namespace
}  // namespace razudar
