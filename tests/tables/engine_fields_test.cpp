// Field editing: search as the key is typed, dependent keys, typed filters with apostrophes,
// date-time parts, number keys, masks, letter case and field states.

#include "table_fixture.h"
#include "tables/date_text.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;
using C = ConcorrentiWindow;

TEST_F(TableWindowTest, TypingTheKeySearchesAndLoadsTheOtherFields) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.SuggerisciAggiungi(QStringLiteral("Gara"), 1); }));
    w().field(C::kConcorrente)->setText(QStringLiteral("9"));
    EXPECT_EQ(w().field(C::kCognome)->text(), QStringLiteral("Ricci"));
    EXPECT_EQ(w().field(C::kPettorale)->text(), QStringLiteral("109"));
    EXPECT_EQ(w().data.value(QStringLiteral("co_Concorrente")).toInt(), 9);
    // A key with no record: the other fields are cleared.
    w().field(C::kConcorrente)->setText(QStringLiteral("99"));
    EXPECT_TRUE(w().data.noMatch());
    EXPECT_EQ(w().field(C::kCognome)->text(), QString());
    // Changing the race filters the list by it; the dependent key, emptied, is refilled from
    // the first competitor of that race.
    w().field(C::kConcorrente)->setText(QStringLiteral("2"));
    w().field(C::kGara)->setText(QStringLiteral("2"));
    EXPECT_EQ(w().data.recordCount(), 3);
    EXPECT_EQ(tb().str_Wher2, QStringLiteral(" where co_Gara = 2"));
    EXPECT_EQ(w().field(C::kConcorrente)->text(), QStringLiteral("1"));
    EXPECT_EQ(w().field(C::kCognome)->text(), QStringLiteral("Altro1"));
    w().field(C::kConcorrente)->setText(QStringLiteral("3"));
    EXPECT_EQ(w().field(C::kCognome)->text(), QStringLiteral("Altro3"));
}

TEST_F(TableWindowTest, TypedFilterTextWithApostropheIsBound) {
    // A list window: the fields filter, nothing is loaded into them.
    ASSERT_TRUE(w().start([](clsTabella& t) {
        t.int_Modalita = modalita::kElenco;
        t.int_Filtro = C::kCognome;
    }));
    EXPECT_EQ(w().data.recordCount(), 15);
    w().field(C::kGara)->setText(QStringLiteral("1"));
    w().field(C::kCognome)->setText(QStringLiteral("D'Amico"));
    tb().Filtra();
    EXPECT_EQ(w().gridColumn(2), QStringList{QStringLiteral("D'Amico")});
    EXPECT_EQ(tb().str_Wher2, QStringLiteral(" where co_Gara = 1 and co_Cognome = 'D''Amico'"));
    // A prefix search with "#", and an attempt at breaking out of the literal, find only rows.
    w().field(C::kCognome)->setText(QStringLiteral("D'#"));
    tb().Filtra();
    EXPECT_EQ(w().gridColumn(2), QStringList{QStringLiteral("D'Amico")});
    w().field(C::kCognome)->setText(QStringLiteral("x' OR '1'='1"));
    tb().Filtra();
    EXPECT_EQ(w().data.recordCount(), 0);
}

TEST_F(TableWindowTest, GridFilterBarNarrowsAndLocksDeleteAll) {
    ASSERT_TRUE(w().start());
    w().grid->setColumnFilterText(2, QStringLiteral("d'a"));
    tb().dbg_Elenco_FilterChange();
    EXPECT_EQ(w().gridColumn(2), QStringList{QStringLiteral("D'Amico")});
    EXPECT_FALSE(w().button(8)->isEnabled());
    EXPECT_TRUE(tb().ta_FiltroColonneAttivo());
    tb().cmd_Tasto_Click(6);  // new search: every column filter cleared
    EXPECT_EQ(w().grid->columnFilterText(2), QString());
    EXPECT_TRUE(w().button(8)->isEnabled());
    EXPECT_EQ(w().data.recordCount(), 12);
}

class DateTimeFieldTest : public TableWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(w().start());
        dateTime = new LineEditField(QStringLiteral("XX_Orario"), QStringLiteral("01/02/26 08.00"), window.get(),
                                     QString::fromUtf16(kDateTimeMask));
        tb().meb_Campo(7, dateTime);
        tb().ScriviValoreCampo(7, QDateTime(QDate(2026, 3, 5), QTime(14, 30)));
    }
    int key(int code) {
        tb().meb_Campo_Keydown(7, code, 0);
        return code;
    }
    LineEditField* dateTime = nullptr;
};

TEST_F(DateTimeFieldTest, PartsStepAndTakeDigitPairs) {
    EXPECT_EQ(dateTime->text(), QStringLiteral("05/03/26 14.30"));
    tb().meb_Campo_GotFocus(7);
    EXPECT_EQ(dateTime->selectionStart(), 12);  // the minutes
    // Up with the selection inside the minutes adds 5 minutes and carries into the hour.
    tb().ScriviValoreCampo(7, QDateTime(QDate(2026, 3, 5), QTime(14, 57)));
    dateTime->setSelection(13, 1);
    EXPECT_EQ(key(38), 0);
    EXPECT_EQ(dateTime->text(), QStringLiteral("05/03/26 15.02"));
    EXPECT_EQ(dateTime->selectionStart(), 12);
    // From the minutes' own start (12) the hour steps; Down on the day goes back a month end.
    dateTime->setSelection(12, 2);
    key(38);
    EXPECT_EQ(dateTime->text(), QStringLiteral("05/03/26 16.02"));
    tb().ScriviValoreCampo(7, QDateTime(QDate(2026, 3, 1), QTime(0, 0)));
    dateTime->setSelection(1, 2);
    key(40);
    EXPECT_EQ(dateTime->text(), QStringLiteral("28/02/26 00.00"));
    // Left and Right move between parts.
    dateTime->setSelection(9, 2);
    key(37);
    EXPECT_EQ(dateTime->selectionStart(), 6);
    key(39);
    EXPECT_EQ(dateTime->selectionStart(), 9);
    // Two digits on the hour part write 15 there and keep the part selected.
    for (QChar digit : {u'1', u'5'}) {
        int ascii = digit.unicode();
        tb().meb_Campo_KeyPress(7, ascii);
        EXPECT_EQ(ascii, 0);
    }
    EXPECT_EQ(dateTime->text(), QStringLiteral("28/02/26 15.00"));
    EXPECT_EQ(dateTime->selectionStart(), 9);
    // Backspace brings back the Tag's preset.
    EXPECT_EQ(key(8), 0);
    EXPECT_EQ(dateTime->text(), QStringLiteral("01/02/26 08.00"));
}

TEST_F(TableWindowTest, NumberColumnsTakeOnlyDigitsAndSigns) {
    ASSERT_TRUE(w().start());
    struct Case { int field; char key; bool passes; };
    const Case cases[] = {
        {C::kPettorale, '5', true}, {C::kPettorale, '-', true}, {C::kPettorale, 'a', false},
        {C::kPettorale, ',', false}, {C::kCognome, 'a', true},  {C::kCognome, ',', true},
    };
    for (const Case& c : cases) {
        int ascii = c.key;
        tb().meb_Campo_KeyPress(c.field, ascii);
        EXPECT_EQ(ascii != 0, c.passes) << c.field << " " << c.key;
    }
    EXPECT_EQ(w().beeps, 2);
    int backspace = 8;
    tb().meb_Campo_KeyPress(C::kPettorale, backspace);
    EXPECT_EQ(backspace, 8);
}

TEST_F(TableWindowTest, WrittenValuesFollowMasksAndTagFlags) {
    ASSERT_TRUE(w().start());
    LineEditField masked(QStringLiteral("XX_Codice"), QString(), nullptr, QStringLiteral("#####"));
    tb().meb_Campo(8, &masked);
    tb().ScriviValoreCampo(8, 12);
    EXPECT_EQ(masked.text(), QStringLiteral("12___"));
    tb().ScriviValoreCampo(C::kPettorale, 0);  // Tag "°": a zero shows empty
    EXPECT_EQ(w().field(C::kPettorale)->text(), QString());
    tb().ScriviValoreCampo(C::kPettorale, 7);
    EXPECT_EQ(w().field(C::kPettorale)->text(), QStringLiteral("7"));
    tb().ScriviValoreCampo(C::kNome, QStringLiteral("  Anna  "));
    EXPECT_EQ(w().field(C::kNome)->text(), QStringLiteral("Anna"));
    // Letter case applied when the field loses the focus.
    w().field(C::kCognome)->setText(QStringLiteral("de ROSSI"));
    tb().meb_Campo_LostFocus(C::kCognome);
    EXPECT_EQ(w().field(C::kCognome)->text(), QStringLiteral("De Rossi"));
    w().field(C::kNazionalita)->setText(QStringLiteral("ita"));
    tb().meb_Campo_LostFocus(C::kNazionalita);
    EXPECT_EQ(w().field(C::kNazionalita)->text(), QStringLiteral("ITA"));
    // Empty values and the compare-and-assign service.
    w().field(C::kNome)->setText(QStringLiteral("   "));
    EXPECT_TRUE(tb().DatoNullo(C::kNome));
    QVariant target = QStringLiteral("old");
    EXPECT_FALSE(tb().ta_Assegna(target, QStringLiteral("ab "), QStringLiteral("ab")));
    EXPECT_EQ(target.toString(), QStringLiteral("old"));
    EXPECT_TRUE(tb().ta_Assegna(target, QStringLiteral("ab"), QStringLiteral("ac")));
    EXPECT_EQ(target.toString(), QStringLiteral("ac"));
    // Field lengths follow the column types.
    EXPECT_EQ(tb().LunghezzaMassimaCampo(C::kCognome), 50);
    EXPECT_EQ(tb().LunghezzaMassimaCampo(C::kPettorale), 5);
    EXPECT_EQ(tb().LunghezzaMassimaCampo(8), 64);  // an "XX" column is not looked up
    EXPECT_EQ(w().field(C::kNazionalita)->maxLength(), 5);  // set from the column on first load
    EXPECT_FALSE(tb().DatoTroppoLungo(C::kNazionalita));
}

TEST_F(TableWindowTest, FieldStatesFollowFramesAndVisibleFieldSettings) {
    race.fakes.settings.save(QStringLiteral("Zez"), QStringLiteral("frmConcorrenti\\SelezionaCampi"),
                             QStringLiteral("Campo3"), QStringLiteral("0"));
    ASSERT_TRUE(w().start());
    // The last key is open while the key frame is; the first key is not (no "é", no return).
    EXPECT_TRUE(w().field(C::kConcorrente)->isEnabled());
    EXPECT_TRUE(w().field(C::kGara)->isEnabled());  // its return slot is active after set-up
    w().others->setEnabled(true);
    tb().ta_ImpostaStatoTuttiCampi();
    EXPECT_TRUE(w().field(C::kCognome)->isEnabled());
    EXPECT_FALSE(w().field(C::kNome)->isEnabled());  // switched off in the visible-fields setting
    EXPECT_TRUE(w().field(C::kNome)->isVisible());
    tb().int_UltimoCampoChiaveProtetto = 0;
    tb().ta_ImpostaStatoTuttiCampi();
    EXPECT_FALSE(w().field(C::kGara)->isEnabled());
}

}  // namespace
}  // namespace razudar::testing

namespace razudar::testing {
namespace {

using namespace razudar::tables;

TEST_F(TableWindowTest, DateControlShowsNoDateForNull) {
    ASSERT_TRUE(w().start());
    DateField date(QStringLiteral("XX_Data"), QStringLiteral("§"));
    tb().meb_Campo(9, &date);
    tb().ScriviValoreCampo(9, QVariant());
    EXPECT_FALSE(date.dateValue());
    EXPECT_TRUE(date.noDateBox()->isChecked());
    EXPECT_TRUE(tb().DatoNullo(9));
    // Flag "§": the value from its second character, when that part is a date.
    tb().ScriviValoreCampo(9, QStringLiteral("X05/03/2026 10.15"));
    ASSERT_TRUE(date.dateValue());
    EXPECT_EQ(*date.dateValue(), QDateTime(QDate(2026, 3, 5), QTime(10, 15)));
    EXPECT_FALSE(date.noDateBox()->isChecked());
    EXPECT_FALSE(tb().DatoNullo(9));
}

TEST_F(TableWindowTest, ComboFilledFromALookupDataControl) {
    ASSERT_TRUE(w().start());
    ComboField combo{QStringLiteral("|")};
    combo.fillFrom(w().data, QStringLiteral("co_Cognome"), QStringLiteral("co_Concorrente"));
    EXPECT_EQ(combo.count(), w().data.recordCount());
    combo.setText(QStringLiteral("d'amico"));
    EXPECT_EQ(combo.boundText(), QStringLiteral("3"));
    combo.setText(QStringLiteral("Nessuno"));
    EXPECT_EQ(combo.boundText(), QString());
}

}  // namespace
}  // namespace razudar::testing

#include <QApplication>
#include <QKeyEvent>

namespace razudar::testing {
namespace {

using namespace razudar::tables;

void press(QWidget* target, int key, const QString& text = QString()) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

TEST_F(TableWindowTest, KeystrokesReachTheEngineThroughTheWidgets) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.SuggerisciAggiungi(QStringLiteral("Gara"), 1); }));
    LineEditField* key = w().field(ConcorrentiWindow::kConcorrente);
    key->clear();
    press(key, Qt::Key_1, QStringLiteral("1"));
    press(key, Qt::Key_0, QStringLiteral("0"));
    EXPECT_EQ(key->text(), QStringLiteral("10"));
    EXPECT_EQ(w().field(ConcorrentiWindow::kCognome)->text(), QStringLiteral("Greco"));
    // A letter in a number field is refused before the widget sees it.
    w().others->setEnabled(true);  // the edit state opens the other fields
    tb().ta_ImpostaStatoTuttiCampi();
    LineEditField* bib = w().field(ConcorrentiWindow::kPettorale);
    bib->clear();
    press(bib, Qt::Key_A, QStringLiteral("a"));
    press(bib, Qt::Key_7, QStringLiteral("7"));
    EXPECT_EQ(bib->text(), QStringLiteral("7"));
    EXPECT_EQ(w().beeps, 1);
    // A date-time field steps its minutes with the Up key and takes digits in pairs.
    LineEditField dateTime(QStringLiteral("XX_Orario"), QString(), nullptr, QString::fromUtf16(kDateTimeMask));
    tb().meb_Campo(7, &dateTime);
    FieldEvents events(tb());
    events.connectField(7, &dateTime);
    tb().ScriviValoreCampo(7, QDateTime(QDate(2026, 3, 5), QTime(9, 55)));
    dateTime.setSelection(13, 1);
    press(&dateTime, Qt::Key_Up);
    EXPECT_EQ(dateTime.text(), QStringLiteral("05/03/26 10.00"));
    dateTime.setSelection(0, 2);
    press(&dateTime, Qt::Key_2, QStringLiteral("2"));
    press(&dateTime, Qt::Key_8, QStringLiteral("8"));
    EXPECT_EQ(dateTime.text(), QStringLiteral("28/03/26 10.00"));
}

}  // namespace
}  // namespace razudar::testing
