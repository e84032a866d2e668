// What a confirm writes on the Concorrenti window: the record the fields show (also after a
// description typed into a key field with a lookup), whole numbers within their column's range,
// and dates whose century survives a two-digit year on screen.

#include "table_fixture.h"
#include "tables/command_buttons.h"
#include "tables/date_text.h"
#include "tables/lookups.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;
using C = ConcorrentiWindow;

class RecordWriteTest : public TableWindowTest {
protected:
    // One competitor's columns as the database holds them, joined by "|".
    QString row(int number, const QString& columns = QStringLiteral("co_Cognome, co_Nome, co_Nazionalita, co_Pettorale")) {
        db::RowReader r = race.db().openReader(
            QStringLiteral("SELECT %1 FROM Concorrenti WHERE co_Gara = 1 AND co_Concorrente = ?").arg(columns), {number});
        if (r.atEnd()) return QStringLiteral("<none>");
        QStringList values;
        for (int c = 0; c < static_cast<int>(r.fields().size()); ++c) values << r.value(c).toString();
        return values.join(u'|');
    }
    QString lastPrompt() { return race.fakes.prompter.texts().isEmpty() ? QString() : race.fakes.prompter.texts().back(); }
    CommandButtons commands;
    Lookups lookups;
};

// ---- the record shown is the record written --------------------------------------------------

class LookupKeyTest : public RecordWriteTest {
protected:
    void start() {
        competitorData.tag = QStringLiteral("co_Concorrenti");
        competitorCombo.bindTo(competitorData, QStringLiteral("co_Cognome"), QStringLiteral("co_Concorrente"));
        w().field(C::kConcorrente)->setTag(QStringLiteral("|"));
        ASSERT_TRUE(w().start([&](clsTabella& t) {
            t.setCommandHandler(&commands);
            t.setLookupHandler(&lookups);
            t.SuggerisciAggiungi(QStringLiteral("Gara"), 1);
            t.dbc_Decodifica(C::kConcorrente, &competitorCombo);
            t.dat_DecodificaRecordset(C::kConcorrente, &competitorData);
        }));
        w().field(C::kGara)->setText(QStringLiteral("1"));
        w().field(C::kConcorrente)->setText(QStringLiteral("1"));
        ASSERT_EQ(w().field(C::kCognome)->text(), QStringLiteral("Rossi"));
    }
    QString shown() {
        return QStringList{w().field(C::kCognome)->text(), w().field(C::kNome)->text(),
                           w().field(C::kNazionalita)->text(), w().field(C::kPettorale)->text()}
            .join(u'|');
    }
    // Edits the record shown, competitor 4, to nation SUI: only that record changes.
    void editVerdiToSwitzerland() {
        ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kModifica));
        EXPECT_EQ(shown(), QStringLiteral("Verdi|Nome4|ITA|104"));
        w().field(C::kNazionalita)->setText(QStringLiteral("SUI"));
        ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kConferma));
        EXPECT_EQ(row(4), QStringLiteral("Verdi|Nome4|SUI|104"));
        EXPECT_EQ(row(1), QStringLiteral("Rossi|Nome1|AUT|101"));
    }
    RecordSource competitorData;
    ComboField competitorCombo{QString()};
};

TEST_F(LookupKeyTest, APastedDescriptionShowsAndWritesItsOwnRecord) {
    start();
    w().field(C::kConcorrente)->setText(QStringLiteral("Verdi"));
    EXPECT_EQ(competitorCombo.boundValue(), QStringLiteral("4"));
    EXPECT_EQ(shown(), QStringLiteral("Verdi|Nome4|ITA|104"));
    editVerdiToSwitzerland();
}

TEST_F(LookupKeyTest, ConfirmWritesTheCurrentRecordNotAnEarlierKey) {
    start();
    // The key changes without a search (as while dependent keys are being cleared): the fields
    // still show competitor 1 until the edit finds competitor 4 and shows it.
    tb().boo_NonPulireChiaviGerarchiche = true;
    w().field(C::kConcorrente)->setText(QStringLiteral("4"));
    tb().boo_NonPulireChiaviGerarchiche = false;
    EXPECT_EQ(shown(), QStringLiteral("Rossi|Nome1|AUT|101"));
    editVerdiToSwitzerland();
}

// ---- whole numbers in range ------------------------------------------------------------------

class NumberRangeTest : public RecordWriteTest {
protected:
    void start() {
        ASSERT_TRUE(w().start([&](clsTabella& t) {
            t.setCommandHandler(&commands);
            t.SuggerisciAggiungi(QStringLiteral("Gara"), 1);
        }));
    }
};

const QString kRangeError =
    QStringLiteral("Errore in: Pettorale\r\n\r\nValore non ammesso: serve un numero intero da -32768 a 32767");

TEST_F(NumberRangeTest, AnIntegerColumnTakesOnlyWholeNumbersInItsRange) {
    const QString tooLong = QStringLiteral("Errore in: Pettorale\r\n\r\n");
    struct Case {
        const char* typed;
        const QString* error;  // nullptr: stored
        const char* value;     // co_Pettorale afterwards, and its storage class
    };
    const Case cases[] = {
        {"99999", &kRangeError, "104|integer"}, {"3.7", &kRangeError, "104|integer"},
        {"3,7", &kRangeError, "104|integer"},   {"32768", &kRangeError, "104|integer"},
        {"-40000", &tooLong, "104|integer"},    {"32767", nullptr, "32767|integer"},
        {"-9999", nullptr, "-9999|integer"},    {"7.0", nullptr, "7|integer"},
        {"105", nullptr, "105|integer"},        {"3,0", nullptr, "3|integer"},
        {"", nullptr, "0|integer"},
    };
    start();
    // A field wider than its column's five characters, so that every text reaches the confirm.
    w().field(C::kPettorale)->setMaxLength(8);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        race.db().execute(QStringLiteral("UPDATE Concorrenti SET co_Pettorale = 104 WHERE co_Gara = 1 AND co_Concorrente = 4"));
        w().field(C::kConcorrente)->setText(QString());
        w().field(C::kConcorrente)->setText(QStringLiteral("4"));
        ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kModifica));
        w().field(C::kPettorale)->setText(QString::fromLatin1(c.typed));
        race.fakes.prompter.clear();
        EXPECT_EQ(tb().cmd_Tasto_Click(tasto::kConferma), c.error == nullptr);
        EXPECT_EQ(row(4, QStringLiteral("co_Pettorale, typeof(co_Pettorale)")), QString::fromLatin1(c.value));
        if (c.error) {
            EXPECT_EQ(race.fakes.prompter.texts(), QStringList{*c.error});
            EXPECT_TRUE(w().others->isEnabled());  // still editing, nothing written
            tb().cmd_Tasto_Click(tasto::kAnnulla);
        } else {
            EXPECT_TRUE(race.fakes.prompter.texts().isEmpty());
        }
    }
}

TEST_F(NumberRangeTest, AKeyBeyondItsColumnIsRefusedBeforeTheEdit) {
    start();
    const int before = race.db().openReader(QStringLiteral("SELECT COUNT(*) FROM Concorrenti")).value(0).toInt();
    w().field(C::kConcorrente)->setText(QStringLiteral("70000"));
    race.fakes.prompter.clear();
    EXPECT_FALSE(tb().cmd_Tasto_Click(tasto::kModifica));
    EXPECT_EQ(race.fakes.prompter.texts(),
              QStringList{QStringLiteral("Errore in: Concorrente\r\n\r\nValore non ammesso: serve un numero intero da "
                                         "-32768 a 32767")});
    EXPECT_TRUE(w().keys->isEnabled());
    EXPECT_FALSE(w().others->isEnabled());
    EXPECT_EQ(race.db().openReader(QStringLiteral("SELECT COUNT(*) FROM Concorrenti")).value(0).toInt(), before);
    // A key in range makes a new record.
    w().field(C::kConcorrente)->setText(QStringLiteral("32000"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kModifica));
    w().field(C::kCognome)->setText(QStringLiteral("Ultimo"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kConferma));
    EXPECT_EQ(row(32000, QStringLiteral("co_Cognome")), QStringLiteral("Ultimo"));
}

// ---- years keep their century ----------------------------------------------------------------

class BirthDateTest : public RecordWriteTest {
protected:
    BirthDateTest() {
        race.db().execute(QStringLiteral("ALTER TABLE Concorrenti ADD COLUMN co_DataNascita DATETIME"));
        race.fakes.clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
    }
    void start() {
        // A date-time field over the date of birth, after the window's own fields.
        birth = new LineEditField(QStringLiteral("co_DataNascita"), QString(), window.get(), QString::fromUtf16(kDateTimeMask));
        ASSERT_TRUE(w().start([&](clsTabella& t) {
            t.setCommandHandler(&commands);
            t.SuggerisciAggiungi(QStringLiteral("Gara"), 1);
            t.int_NumeroCampi = C::kCampi + 1;
            t.meb_Campo(C::kCampi, birth);
        }));
    }
    void born(int number, const QDateTime& date) {
        race.db().execute(QStringLiteral("UPDATE Concorrenti SET co_DataNascita = ? WHERE co_Gara = 1 AND co_Concorrente = ?"),
                          {date, number});
    }
    // The stored text itself (a computed column is read as text).
    QString stored(int number) { return row(number, QStringLiteral("co_DataNascita || ''")); }
    // Shows competitor `number`, edits it (the nation, or the date when `typed` is given) and confirms.
    void edit(int number, const QString& typed = QString()) {
        w().field(C::kConcorrente)->setText(QString());
        w().field(C::kConcorrente)->setText(QString::number(number));
        ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kModifica));
        if (typed.isEmpty()) {
            w().field(C::kNazionalita)->setText(QStringLiteral("SUI"));
        } else {
            birth->setText(typed);
        }
        ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kConferma));
    }
    LineEditField* birth = nullptr;
};

TEST_F(BirthDateTest, AnUnchangedDateIsWrittenBackAsStored) {
    race.db().execute(QStringLiteral("UPDATE Concorrenti SET co_DataNascita = '1949-05-01' WHERE co_Gara = 1 AND co_Concorrente = 1"));
    born(2, QDateTime(QDate(2050, 3, 2), QTime(10, 30, 15)));
    start();
    w().field(C::kConcorrente)->setText(QStringLiteral("1"));
    EXPECT_EQ(birth->text(), QStringLiteral("01/05/49 00.00"));
    edit(1);
    EXPECT_EQ(row(1, QStringLiteral("co_Nazionalita")), QStringLiteral("SUI"));
    EXPECT_EQ(stored(1), QStringLiteral("1949-05-01"));
    edit(2);
    EXPECT_EQ(birth->text(), QStringLiteral("02/03/50 10.30"));
    EXPECT_EQ(stored(2), QStringLiteral("2050-03-02 10:30:15"));
    // A date the operator changes is written as typed.
    edit(2, QStringLiteral("03/03/50 10.30"));
    EXPECT_EQ(stored(2), QStringLiteral("1950-03-03 10:30:00"));
}

TEST_F(BirthDateTest, ATypedTwoDigitYearTakesTheWindowOfTheCurrentYear) {
    struct Case {
        const char* typed;
        const char* date;  // as stored
    };
    // In 2026: up to 2046 in this century, from 2047 in the one before.
    const Case cases[] = {
        {"01/05/49 00.00", "1949-05-01 00:00:00"}, {"02/03/46 10.30", "2046-03-02 10:30:00"},
        {"02/03/47 00.00", "1947-03-02 00:00:00"}, {"09/12/26 00.00", "2026-12-09 00:00:00"},
        {"31/12/99 23.59", "1999-12-31 23:59:00"}, {"01/01/00 00.00", "2000-01-01 00:00:00"},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        edit(3, QString::fromLatin1(c.typed));
        EXPECT_EQ(stored(3), QString::fromLatin1(c.date));
    }
}

TEST(TwoDigitYears, TheWindowFollowsTheCurrentYear) {
    struct Case {
        int typed;
        int current;
        int year;
    };
    const Case cases[] = {
        {46, 2026, 2046}, {47, 2026, 1947}, {26, 2026, 2026}, {0, 2026, 2000}, {99, 2026, 1999},
        {15, 2095, 2115}, {16, 2095, 2016}, {30, 2000, 1930}, {20, 2000, 2020}, {21, 2000, 1921},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fullYearFromTwoDigits(c.typed, c.current), c.year) << c.typed << " in " << c.current;
    }
    EXPECT_EQ(parseDateText(QStringLiteral("01/05/49"), 2026)->date(), QDate(1949, 5, 1));
    EXPECT_EQ(parseDateText(QStringLiteral("01/05/2049"), 2026)->date(), QDate(2049, 5, 1));
}

}  // namespace
}  // namespace razudar::testing
