// Accented letters compare without regard to case in the table engine, as in the record sets'
// finds: the filter fields with "=", like and prefix search, the grid's filter bar, and a record
// found by an accented text key that is then edited and deleted. Accents themselves count.

#include "table_fixture.h"
#include "tables/command_buttons.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;
using C = ConcorrentiWindow;

class AccentsTest : public TableWindowTest {
protected:
    AccentsTest() {
        const char16_t* names[] = {u"Ünal", u"Ölund", u"Unal", u"Štefanič"};
        for (int i = 0; i < 4; ++i) {
            race.db().execute(QStringLiteral("INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Pettorale, co_Cognome, "
                                             "co_Nome) VALUES (1, ?, ?, ?, 'Nome')"),
                              {13 + i, 113 + i, QString::fromUtf16(names[i])});
        }
    }
    QString cell(const QString& column, int number) {
        db::RowReader r = race.db().openReader(
            QStringLiteral("SELECT %1 FROM Concorrenti WHERE co_Gara = 1 AND co_Concorrente = ?").arg(column), {number});
        return r.atEnd() ? QStringLiteral("<none>") : r.value(0).toString();
    }
    CommandButtons commands;
};

struct FilterCase {
    const char16_t* tag;    // the Cognome field's operator
    const char16_t* typed;  // typed in the Cognome field
    const char16_t* bar;    // typed in the grid's filter bar over Cognome
    QStringList shown;      // the surnames the list keeps
};

TEST_F(AccentsTest, FiltersFindAccentedTextsWithoutRegardToCase) {
    ASSERT_TRUE(w().start([](clsTabella& t) {
        t.int_Modalita = modalita::kElenco;
        t.int_Filtro = C::kCognome;
    }));
    const FilterCase cases[] = {
        {u"", u"ünal", u"", {"Ünal"}},
        {u"", u"ÖLUND", u"", {"Ölund"}},
        {u"", u"ŠTEFANIČ", u"", {"Štefanič"}},
        {u"", u"unal", u"", {"Unal"}},                    // accents count: "unal" is not "Ünal"
        {u"", u"ünal#", u"", {"Ünal"}},                   // prefix search
        {u"LIKE", u"ölu", u"", {"Ölund"}},
        {u"LIKE", u"*NAL", u"", {"Ünal", "Unal"}},
        {u"LIKE", u"?NAL", u"", {"Ünal", "Unal"}},
        {u"LIKE", u"ü", u"", {"Ünal"}},
        {u"", u"", u"öl", {"Ölund"}},                     // the filter bar
        {u"", u"", u"ŠTE", {"Štefanič"}},
        {u"", u"", u"un", {"Unal"}},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE((QString::fromUtf16(c.tag) + u'|' + QString::fromUtf16(c.typed) + u'|' + QString::fromUtf16(c.bar))
                         .toStdString());
        w().field(C::kGara)->setText(QStringLiteral("1"));
        w().field(C::kCognome)->setTag(QString::fromUtf16(c.tag));
        w().field(C::kCognome)->setText(QString::fromUtf16(c.typed));
        w().grid->setColumnFilterText(2, QString::fromUtf16(c.bar));
        tb().Filtra();
        EXPECT_EQ(w().gridColumn(2), c.shown);
    }
}

TEST_F(AccentsTest, RecordFoundByAnAccentedKeyIsEditedAndDeleted) {
    // Surname is the last key field: the key is race, number and surname.
    ASSERT_TRUE(w().start([&](clsTabella& t) {
        t.setCommandHandler(&commands);
        t.SuggerisciAggiungi(QStringLiteral("Gara"), 1);
        t.int_UltimoCampoChiave = C::kCognome;
    }));
    w().field(C::kConcorrente)->setText(QStringLiteral("14"));
    w().field(C::kCognome)->setText(QStringLiteral("ölund"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kModifica));
    EXPECT_EQ(w().field(C::kNome)->text(), QStringLiteral("Nome"));  // the stored record is shown
    w().field(C::kNome)->setText(QStringLiteral("Åsa"));
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kConferma));
    EXPECT_EQ(cell(QStringLiteral("co_Nome"), 14), QStringLiteral("Åsa"));
    EXPECT_EQ(cell(QStringLiteral("co_Cognome"), 14), QStringLiteral("Ölund"));
    const int rows = race.db().openReader(QStringLiteral("SELECT count(*) FROM Concorrenti")).value(0).toInt();
    EXPECT_EQ(rows, 19);  // edited, nothing added

    w().field(C::kConcorrente)->setText(QStringLiteral("14"));
    w().field(C::kCognome)->setText(QStringLiteral("öLUND"));
    race.fakes.prompter.script({PromptAnswer::Yes});
    ASSERT_TRUE(tb().cmd_Tasto_Click(tasto::kElimina));
    EXPECT_EQ(cell(QStringLiteral("co_Cognome"), 14), QStringLiteral("<none>"));
    EXPECT_EQ(cell(QStringLiteral("co_Cognome"), 13), QStringLiteral("Ünal"));
}

}  // namespace
}  // namespace razudar::testing
