// The command buttons on the Concorrenti window: edit and confirm of existing and new records,
// the progressive key and its collisions, delete, delete all with a failure in the middle, the
// edit refused under a column filter, print without a report routine.

#include "table_fixture.h"
#include "tables/command_buttons.h"
#include "tables/lookups.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;
using C = ConcorrentiWindow;

class CommandButtonsTest : public TableWindowTest {
protected:
    void start(const std::function<void(clsTabella&)>& more = {}) {
        ASSERT_TRUE(w().start([&](clsTabella& t) {
            t.setCommandHandler(&commands);
            t.SuggerisciAggiungi(QStringLiteral("Gara"), 1);
            if (more) more(t);
        }));
    }
    QString cell(const QString& column, int race, int number) {
        db::RowReader r = race_db().openReader(
            QStringLiteral("SELECT %1 FROM Concorrenti WHERE co_Gara = ? AND co_Concorrente = ?").arg(column), {race, number});
        return r.atEnd() ? QStringLiteral("<none>") : r.value(0).toString();
    }
    int count() { return race_db().openReader(QStringLiteral("SELECT COUNT(*) FROM Concorrenti")).value(0).toInt(); }
    db::Database& race_db() { return race.db(); }
    CommandButtons commands;
};

TEST_F(CommandButtonsTest, ConfirmWritesOtherFieldsOfAnExistingRecordAndAllOfANewOne) {
    start();
    w().field(C::kConcorrente)->setText(QStringLiteral("4"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kModifica));
    EXPECT_FALSE(w().keys->isEnabled());
    EXPECT_TRUE(w().others->isEnabled());
    EXPECT_EQ(w().field(C::kCognome)->text(), QStringLiteral("Verdi"));
    const int totali = w().totali;
    // A text ending in "#" is stored without it even when otherwise unchanged.
    w().field(C::kCognome)->setText(QStringLiteral("Verdi#"));
    w().field(C::kNome)->setText(QStringLiteral("Giuseppe"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kConferma));
    EXPECT_EQ(cell(QStringLiteral("co_Cognome"), 1, 4), QStringLiteral("Verdi"));
    EXPECT_EQ(cell(QStringLiteral("co_Nome"), 1, 4), QStringLiteral("Giuseppe"));
    EXPECT_TRUE(w().keys->isEnabled());
    EXPECT_FALSE(w().others->isEnabled());
    EXPECT_GT(w().totali, totali);

    // A key not in the table: a new record with its key fields.
    w().field(C::kConcorrente)->setText(QStringLiteral("40"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kModifica));
    w().field(C::kCognome)->setText(QStringLiteral("Nuovo"));
    w().field(C::kPettorale)->setText(QStringLiteral("140"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kConferma));
    EXPECT_EQ(cell(QStringLiteral("co_Pettorale"), 1, 40), QStringLiteral("140"));
    EXPECT_EQ(count(), 16);
    EXPECT_EQ(w().data.value(QStringLiteral("co_Concorrente")).toInt(), 40);  // the list shows it

    // Cancel leaves the record as stored and shows it again.
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kModifica));
    w().field(C::kCognome)->setText(QStringLiteral("Scartato"));
    tb().cmd_Tasto_Click(tasto::kAnnulla);
    EXPECT_EQ(w().field(C::kCognome)->text(), QStringLiteral("Nuovo"));
    EXPECT_EQ(cell(QStringLiteral("co_Cognome"), 1, 40), QStringLiteral("Nuovo"));
}

TEST_F(CommandButtonsTest, NewRecordTakesTheNextProgressiveAndRetriesOnlyOnCollision) {
    start([](clsTabella& t) { t.boo_ProgressivoAutomatico = true; });
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kNuovo));
    EXPECT_EQ(w().field(C::kConcorrente)->text(), QStringLiteral("13"));
    // Someone else takes 13 and 14 meanwhile: the store moves on to 15.
    race_db().execute(QStringLiteral("INSERT INTO Concorrenti (co_Gara, co_Concorrente) VALUES (1, 13), (1, 14)"));
    w().field(C::kCognome)->setText(QStringLiteral("Progressivo"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kConferma));
    EXPECT_EQ(cell(QStringLiteral("co_Cognome"), 1, 15), QStringLiteral("Progressivo"));
    EXPECT_EQ(w().field(C::kConcorrente)->text(), QStringLiteral("15"));

    // A race with no competitors starts from 1; an empty upper key is refused.
    w().field(C::kGara)->setText(QStringLiteral("7"));
    race_db().execute(QStringLiteral("INSERT INTO Gare (ga_Gara) VALUES (7)"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kAnnulla));
    w().field(C::kGara)->setText(QStringLiteral("7"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kNuovo));
    EXPECT_EQ(w().field(C::kConcorrente)->text(), QStringLiteral("1"));
    tb().cmd_Tasto_Click(tasto::kAnnulla);
    w().field(C::kGara)->setText(QString());
    race.fakes.prompter.clear();
    EXPECT_FALSE(tb().cmd_Tasto_Click(tasto::kNuovo));
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    EXPECT_TRUE(race.fakes.prompter.shown()[0].text.contains(QStringLiteral("Non Può Essere Vuoto")));
}

TEST_F(CommandButtonsTest, FailedStoreWithoutProgressiveStopsAndKeepsTheEditState) {
    race_db().execute(QStringLiteral(
        "CREATE TRIGGER no_x BEFORE INSERT ON Concorrenti WHEN new.co_Cognome = 'X' "
        "BEGIN SELECT RAISE(ABORT, 'rifiutato'); END"));
    start([](clsTabella& t) { t.boo_ProgressivoAutomatico = true; });
    w().field(C::kConcorrente)->setText(QStringLiteral("50"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kModifica));
    w().field(C::kCognome)->setText(QStringLiteral("X"));
    race.fakes.prompter.script({PromptAnswer::No});  // "Riprovi ?"
    EXPECT_FALSE(tb().cmd_Tasto_Click(tasto::kConferma));
    EXPECT_EQ(count(), 15);  // no retry with other keys for an error that is no collision
    EXPECT_TRUE(w().others->isEnabled());
}

TEST_F(CommandButtonsTest, DeleteAsksAndMovesToTheNextRecord) {
    start();
    w().field(C::kConcorrente)->setText(QStringLiteral("99"));
    EXPECT_FALSE(tb().cmd_Tasto_Click(tasto::kElimina));
    EXPECT_EQ(race.fakes.prompter.texts(), QStringList{QStringLiteral("Nessun record selezionato")});
    w().field(C::kConcorrente)->setText(QStringLiteral("5"));
    race.fakes.prompter.script({PromptAnswer::No});
    EXPECT_FALSE(tb().cmd_Tasto_Click(tasto::kElimina));
    EXPECT_EQ(count(), 15);
    EXPECT_EQ(race.fakes.prompter.shown().back().caption, QStringLiteral("Concorrenti - Elimina"));
    race.fakes.prompter.script({PromptAnswer::Yes});
    EXPECT_TRUE(tb().cmd_Tasto_Click(tasto::kElimina));
    EXPECT_EQ(count(), 14);
    EXPECT_EQ(cell(QStringLiteral("co_Cognome"), 1, 5), QStringLiteral("<none>"));
    EXPECT_EQ(w().field(C::kConcorrente)->text(), QStringLiteral("6"));
    EXPECT_EQ(w().field(C::kCognome)->text(), QStringLiteral("Gallo"));
}

TEST_F(CommandButtonsTest, DeleteAllIsAllOrNothing) {
    race_db().execute(QStringLiteral(
        "CREATE TRIGGER keep_seven BEFORE DELETE ON Concorrenti WHEN old.co_Concorrente = 7 "
        "BEGIN SELECT RAISE(ABORT, 'bloccato'); END"));
    start([](clsTabella& t) { t.int_Modalita = modalita::kElenco; });
    w().field(C::kGara)->setText(QStringLiteral("1"));
    tb().Filtra();
    race.fakes.prompter.script({PromptAnswer::Yes, PromptAnswer::Yes, PromptAnswer::No});
    EXPECT_FALSE(tb().cmd_Tasto_Click(tasto::kEliminaTutto));
    EXPECT_EQ(count(), 15);
    race_db().execute(QStringLiteral("DROP TRIGGER keep_seven"));
    race.fakes.prompter.script({PromptAnswer::Yes, PromptAnswer::Yes});
    EXPECT_TRUE(tb().cmd_Tasto_Click(tasto::kEliminaTutto));
    EXPECT_EQ(count(), 3);  // race 2's rows were not listed
}

TEST_F(CommandButtonsTest, EditOfAKeyHiddenByAColumnFilterIsRefused) {
    start();
    w().grid->setColumnFilterText(2, QStringLiteral("Rossi"));
    tb().dbg_Elenco_FilterChange();
    w().field(C::kConcorrente)->setText(QStringLiteral("3"));
    race.fakes.prompter.clear();
    EXPECT_FALSE(tb().cmd_Tasto_Click(tasto::kModifica));
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    EXPECT_TRUE(race.fakes.prompter.shown()[0].text.startsWith(QStringLiteral("Impossibile inserire il dato")));
    EXPECT_TRUE(w().keys->isEnabled());
}

TEST_F(CommandButtonsTest, AnOtherFieldWhoseLookupFindsNothingStopsTheConfirm) {
    ComboField nations{QString()};
    nations.addEntry(QStringLiteral("Italia"), QStringLiteral("ITA"));
    nations.addEntry(QStringLiteral("Austria"), QStringLiteral("AUT"));
    Lookups lookups;
    start([&](clsTabella& t) {
        t.setLookupHandler(&lookups);
        t.dbc_Decodifica(C::kNazionalita, &nations);
    });
    w().field(C::kConcorrente)->setText(QStringLiteral("2"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kModifica));
    w().field(C::kNazionalita)->setText(QStringLiteral("XYZ"));
    race.fakes.prompter.clear();
    EXPECT_FALSE(tb().cmd_Tasto_Click(tasto::kConferma));
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    EXPECT_TRUE(race.fakes.prompter.shown()[0].text.contains(QStringLiteral("Naz.")));
    EXPECT_EQ(cell(QStringLiteral("co_Nazionalita"), 1, 2), QStringLiteral("ITA"));
    EXPECT_TRUE(w().others->isEnabled());  // still editing
    // A code of the list passes.
    w().field(C::kNazionalita)->setText(QStringLiteral("AUT"));
    EXPECT_TRUE(tb().cmd_Tasto_Click(tasto::kConferma));
    EXPECT_EQ(cell(QStringLiteral("co_Nazionalita"), 1, 2), QStringLiteral("AUT"));
}

TEST_F(CommandButtonsTest, PrintWithoutTheReportRoutineSaysSoAndPassesTheConditions) {
    start([](clsTabella& t) { t.int_Modalita = modalita::kRicerca; });
    w().button(7)->setTag(QStringLiteral("rptConcorrenti"));
    tb().str_Wher2Rpt = QStringLiteral("{Concorrenti.co_Gara} = 1");
    EXPECT_FALSE(tb().cmd_Tasto_Click(tasto::kStampa));
    EXPECT_EQ(race.fakes.prompter.texts().back(), kFunzioneNonDisponibile);
    EXPECT_EQ(commands.lastReport.reportName, QStringLiteral("rptConcorrenti"));
    EXPECT_EQ(commands.lastReport.condition, QStringLiteral("{Concorrenti.co_Gara} = 1"));
    EXPECT_TRUE(commands.lastReport.parameters.isEmpty());
    EXPECT_TRUE(tb().cmd_Tasto_Click(14));  // no such button: nothing, True
}

}  // namespace
}  // namespace razudar::testing
