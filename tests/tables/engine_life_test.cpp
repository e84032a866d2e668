// Window life: modes, values returned to the calling window, field errors, the empty-result
// condition, delete-all with its rollback, report helpers and the window on screen.
#include <QDir>
#include <QApplication>
#include <QHeaderView>
#include <QPixmap>

#include "screenshots.h"
#include "table_fixture.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;
using C = ConcorrentiWindow;

// A masked or plain control of the calling window.
struct CallerField : ReturnField {
    CallerField(bool masked, int length) : masked(masked), length(length) {}
    QString text() const override { return value; }
    void setText(const QString& t) override {
        value = t;
        ++writes;
    }
    bool hasInputMask() const override { return masked; }
    int maxLength() const override { return length; }
    bool masked;
    int length;
    QString value;
    int writes = 0;
};

TEST_F(TableWindowTest, UnloadReturnsTheChosenValuesToTheCaller) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.int_Restituisci = 2; }));
    CallerField race(false, 0), competitor(true, 5), surname(false, 0);
    tb().meb_Restituisci(0, true, &race);
    tb().meb_Restituisci(1, true, &competitor);
    tb().meb_Restituisci(2, false, &surname);  // inactive: skipped
    w().field(C::kGara)->setText(QStringLiteral(" 1 "));
    w().field(C::kConcorrente)->setText(QStringLiteral("AB"));
    EXPECT_EQ(tb().Form_Unload(0), 0);
    EXPECT_EQ(race.value, QStringLiteral("1"));
    EXPECT_EQ(competitor.value, QStringLiteral("AB   "));
    EXPECT_EQ(surname.writes, 0);
    // An unchanged value is not written again.
    tb().Form_Unload(1);
    EXPECT_EQ(race.writes, 1);
    EXPECT_EQ(competitor.writes, 1);
}

TEST_F(TableWindowTest, FilterModeFillsTheFilterFieldsFromTheirTags) {
    w().field(C::kGara)->setTag(QStringLiteral(">= 2"));
    w().field(C::kConcorrente)->setTag(QStringLiteral("like Ros"));
    w().field(C::kCognome)->setTag(QStringLiteral("*>= 5"));
    ASSERT_TRUE(w().start([](clsTabella& t) {
        t.int_Modalita = modalita::kFiltro;
        t.int_Filtro = C::kCognome;
    }));
    EXPECT_EQ(w().field(C::kGara)->text(), QStringLiteral("2"));
    EXPECT_EQ(w().field(C::kConcorrente)->text(), QStringLiteral("Ros"));
    EXPECT_EQ(w().field(C::kCognome)->text(), QString());
    EXPECT_FALSE(w().data.isOpen());  // the filter mode binds no data
    EXPECT_EQ(w().button(0)->caption(), QStringLiteral("OK"));
}

TEST_F(TableWindowTest, EmptyListModeSelectsNothingUntilFiltered) {
    ASSERT_TRUE(w().start([](clsTabella& t) {
        t.int_Modalita = modalita::kElencoVuoto;
        t.WhereNullaAggiungi(QStringLiteral("co_gara"), QStringLiteral(" = -1"));
    }));
    EXPECT_EQ(tb().WhereNulla(QStringLiteral(" CO_Gara "), false, true), QStringLiteral(" where CO_GARA = -1"));
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
    EXPECT_EQ(tb().WhereNulla(QStringLiteral("co_Nome"), true), QString());
    EXPECT_EQ(tb().WhereNulla(QStringLiteral("co_Nome")), QStringLiteral("false"));
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    EXPECT_EQ(race.fakes.prompter.shown()[0].text, QStringLiteral("Utilizzare WhereNullaAggiungi prima di tb.Inizio"));
}

TEST_F(TableWindowTest, FieldErrorsNameTheFieldAndTakeTheFocus) {
    ASSERT_TRUE(w().start());
    w().show();
    w().activateWindow();
    tb().Errore(C::kCognome, QStringLiteral("Troppo lungo"));
    tb().Errore(C::kNome, QStringLiteral("Manca"), true);
    race.fakes.prompter.script({PromptAnswer::No});
    EXPECT_EQ(tb().ErroreWarning(C::kPettorale, QStringLiteral("Sicuro?")), 7);
    const auto& shown = race.fakes.prompter.shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, QStringLiteral("Errore in: Cognome\r\n\r\nTroppo lungo"));
    EXPECT_EQ(shown[0].icon, PromptIcon::Critical);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Concorrenti"));
    EXPECT_EQ(shown[1].text, QStringLiteral("Errore in: \r\n\r\nManca"));
    EXPECT_EQ(shown[2].text, QStringLiteral("Errore in: Pettorale\r\n\r\nSicuro?"));
    EXPECT_EQ(shown[2].buttons, PromptButtons::YesNo);
    tb().ErroreCampoAggiungi(C::kNome, QStringLiteral("vuoto"));
    QString text;
    EXPECT_TRUE(tb().ErroreCampo(C::kNome, &text));
    EXPECT_EQ(text, QStringLiteral("vuoto"));
}

TEST_F(TableWindowTest, DeleteAllRemovesTheListedRowsOnly) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.SuggerisciAggiungi(QStringLiteral("Gara"), 2); }));
    ASSERT_EQ(w().data.recordCount(), 3);
    race.fakes.prompter.script({PromptAnswer::Yes, PromptAnswer::No});
    EXPECT_FALSE(tb().cmd_Tasto_Click(8));
    EXPECT_EQ(w().data.recordCount(), 3);
    race.fakes.prompter.script({PromptAnswer::Yes, PromptAnswer::Yes});
    const int totali = w().totali;
    EXPECT_TRUE(tb().cmd_Tasto_Click(8));
    EXPECT_EQ(w().totali, totali + 1);
    EXPECT_EQ(w().data.recordCount(), 0);
    EXPECT_EQ(race.db().openReader(QStringLiteral("SELECT COUNT(*) FROM Concorrenti")).value(0).toInt(), 12);
}

TEST_F(TableWindowTest, FailedDeleteAllLeavesEveryRow) {
    race.db().execute(QStringLiteral(
        "CREATE TRIGGER keep_three BEFORE DELETE ON Concorrenti WHEN old.co_Concorrente = 3 "
        "BEGIN SELECT RAISE(ABORT, 'bloccato'); END"));
    ASSERT_TRUE(w().start([](clsTabella& t) { t.SuggerisciAggiungi(QStringLiteral("Gara"), 2); }));
    // Two confirmations, then "retry?" answered No.
    race.fakes.prompter.script({PromptAnswer::Yes, PromptAnswer::Yes, PromptAnswer::No});
    EXPECT_FALSE(tb().EliminaTutto());
    EXPECT_EQ(w().data.recordCount(), 3);
    EXPECT_EQ(race.db().openReader(QStringLiteral("SELECT COUNT(*) FROM Concorrenti")).value(0).toInt(), 15);
    const auto& shown = race.fakes.prompter.shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_TRUE(shown[3].text.startsWith(QStringLiteral("Eliminazione annullata")));
}

TEST_F(TableWindowTest, SuggestionsAndReportHelpers) {
    ASSERT_TRUE(w().start([](clsTabella& t) {
        t.SuggerisciAggiungi(QStringLiteral("Concorrente"), 0);        // zero, not significant
        t.SuggerisciAggiungi(QStringLiteral("Gara"), -1);              // never fills
        t.int_Filtro = -1;
    }));
    EXPECT_EQ(w().field(C::kGara)->text(), QStringLiteral("1"));  // the first record's
    w().field(C::kConcorrente)->setText(QStringLiteral("5"));
    tb().ApplicaSuggerimenti(0, 1);
    EXPECT_EQ(w().field(C::kConcorrente)->text(), QStringLiteral("5"));
    tb().SuggerisciAggiungi(QStringLiteral("Concorrente"), 0, true);
    tb().ApplicaSuggerimenti(0, 1);
    EXPECT_EQ(w().field(C::kConcorrente)->text(), QStringLiteral("0"));

    EXPECT_EQ(tb().CampoRPT(QStringLiteral("co_Gara")), QStringLiteral("{Concorrenti.co_Gara}"));
    tb().str_Tabelle(0, QStringLiteral("se_Sessioni"));
    EXPECT_EQ(tb().CampoRPT(QStringLiteral("se_Gara")), QStringLiteral("{Sessioni.se_Gara}"));
    w().field(C::kGara)->setText(QStringLiteral("4"));
    QStringList params;
    tb().CaricaParametriPerStampe({{1, QStringLiteral("Gara")}, {2, QStringLiteral("Categoria")},
                                   {3, QStringLiteral("Manche")}, {4, QString()}, {5, QString()}, {7, QString()}},
                                  12, params, 3);
    ASSERT_GE(params.size(), 8);
    EXPECT_EQ(params[0], QStringLiteral("12"));
    EXPECT_EQ(params[1], QStringLiteral("4"));
    EXPECT_EQ(params[2], QString());
    EXPECT_EQ(params[3], QStringLiteral("-1"));
    EXPECT_EQ(params[6], QStringLiteral("3"));
}

TEST_F(TableWindowTest, WindowOnScreen) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.SuggerisciAggiungi(QStringLiteral("Gara"), 1); }));
    w().show();
    w().grid->view()->horizontalHeader();
    w().field(C::kConcorrente)->setText(QStringLiteral("3"));
    w().grid->setFocus();
    QApplication::processEvents();
    const QPixmap frame = w().grab();
    EXPECT_EQ(frame.size(), w().size());
    screenshots::save(frame, QStringLiteral("concorrenti"));
    EXPECT_EQ(w().field(C::kCognome)->text(), QStringLiteral("D'Amico"));
    EXPECT_EQ(w().grid->recordBarText(), QStringLiteral(" Record 3 / 12"));
    EXPECT_EQ(w().grid->view()->currentIndex().row(), 2);
}

}  // namespace
}  // namespace razudar::testing

namespace razudar::testing {
namespace {

using namespace razudar::tables;
using C = ConcorrentiWindow;

struct RecordingCommands : CommandHandler {
    bool cmd_Tasto_Click(clsTabella&, int index) override {
        pressed.push_back(index);
        return true;
    }
    std::vector<int> pressed;
};

TEST_F(TableWindowTest, LookupComboKeysFollowTheCancelButton) {
    ASSERT_TRUE(w().start());
    RecordingCommands commands;
    tb().setCommandHandler(&commands);
    ComboField combo(QStringLiteral("|"));
    combo.addEntry(QStringLiteral("Ita"), QStringLiteral("1"));
    tb().dbc_Decodifica(C::kNazionalita, &combo);
    tb().dbc_Decodifica_KeyUp(C::kNazionalita, 27, 0);  // search state: button 5 is the cancel button
    w().button(5)->setCancel(false);
    w().button(3)->setCancel(true);
    tb().dbc_Decodifica_KeyUp(C::kNazionalita, 27, 0);  // edit state: button 3
    EXPECT_EQ(commands.pressed, (std::vector<int>{5, 3}));
    tb().cmd_Tasto(3, nullptr);
    tb().dbc_Decodifica_KeyUp(C::kNazionalita, 27, 0);  // a button missing: nothing
    EXPECT_EQ(commands.pressed.size(), 2u);
    // Choosing an entry writes it into the field; a click on the text part does nothing.
    combo.setText(QStringLiteral("Ita"));
    EXPECT_EQ(combo.boundText(), QStringLiteral("1"));
    tb().dbc_Decodifica_Click(C::kNazionalita, 1);
    EXPECT_NE(w().field(C::kNazionalita)->text(), QStringLiteral("Ita"));
    tb().dbc_Decodifica_Click(C::kNazionalita, 2);
    EXPECT_EQ(w().field(C::kNazionalita)->text(), QStringLiteral("Ita"));
    tb().dbc_Decodifica_KeyUp(C::kNazionalita, 8, 0);
    EXPECT_EQ(w().field(C::kNazionalita)->text(), QString());
    // Without the command handler, Esc closes the window through button 5.
    tb().setCommandHandler(nullptr);
    tb().cmd_Tasto(3, w().button(3));
    w().button(5)->setCancel(true);
    tb().dbc_Decodifica_KeyUp(C::kNazionalita, 27, 0);
    EXPECT_EQ(w().unloads, 1);
}

}  // namespace
}  // namespace razudar::testing
