// The condition builder: typed filter values of every field type against the rows of Gare they
// must select, on a database built from the schema; the readable, report and description texts.

#include "table_fixture.h"
#include "platform/db/field_info.h"
#include "tables/filter_conditions.h"
#include "model/bas_utilita.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;
namespace ft = db::field_type;

class ConditionsTest : public ::testing::Test {
protected:
    ConditionsTest() {
        race.db().execute(QStringLiteral(
            "INSERT INTO Gare (ga_Gara, ga_Descrizione, ga_Data, ga_Parallelo, ga_Risoluzione) VALUES "
            "(1, 'Slalom Gigante', '2026-01-10 10:00:00', 0, 2), "
            "(2, 'Slalom Speciale', '2026-01-11 09:30:00', -1, 3), "
            "(3, 'Coppa D''Inverno', '2026-02-01 00:00:00', 0, 3), "
            "(4, 'gara 100%_vera', NULL, -1, 1), "
            "(5, 'Discesa?', '2026-01-10 23:59:00', 0, 4)"));
    }
    QList<int> select(const FilterFieldCondition& c) {
        QueryConditions q;
        appendCondition(q, c);
        const CompiledSql where = compileWhere(q);
        QList<int> out;
        db::RowReader r = race.db().openReader(QStringLiteral("SELECT ga_Gara FROM Gare") + where.text +
                                                   QStringLiteral(" ORDER BY ga_Gara"),
                                               where.params);
        for (; !r.atEnd(); r.next()) out << r.value(0).toInt();
        return out;
    }
    WindowRaceDatabase race{};
};

struct Case {
    int type;
    const char* column;
    const char16_t* tag;
    const char16_t* typed;
    QList<int> rows;
};

TEST_F(ConditionsTest, TypedValuesSelectTheirRows) {
    const Case cases[] = {
        {ft::kText, "ga_Descrizione", u"", u"slalom gigante", {1}},           // case-blind equality
        {ft::kText, "ga_Descrizione", u"", u"Coppa D'Inverno", {3}},          // apostrophe bound
        {ft::kText, "ga_Descrizione", u"", u"x' OR '1'='1", {}},              // no way out of the literal
        {ft::kText, "ga_Descrizione", u"", u"Slalom#", {1, 2}},               // prefix search
        {ft::kText, "ga_Descrizione", u"", u"sl*ale#", {2}},                  // "*" the operator's wildcard
        {ft::kText, "ga_Descrizione", u"LIKE", u"S?alom", {1, 2}},            // "?" one character
        {ft::kText, "ga_Descrizione", u"LIKE", u"gara 100%", {4}},            // "%" stands for itself
        {ft::kText, "ga_Descrizione", u"LIKE", u"gara 100_", {}},             // "_" too
        {ft::kText, "ga_Descrizione", u"LIKE", u"Discesa?", {5}},             // "?" takes any one character
        {ft::kText, "ga_Descrizione", u"<>", u"Slalom Gigante", {2, 3, 4, 5}},
        {ft::kInteger, "ga_Risoluzione", u"", u"3", {2, 3}},
        {ft::kInteger, "ga_Risoluzione", u">=", u" 3 ", {2, 3, 5}},
        {ft::kInteger, "ga_Risoluzione", u"<", u"3abc", {1, 4}},              // the number read first
        {ft::kInteger, "ga_Risoluzione", u"", u"1; DROP TABLE Gare", {4}},
        {ft::kInteger, "ga_Gara", u">= ga_Risoluzione AND ga_Gara <=", u"3", {1, 2, 3}},  // range template
        {ft::kBoolean, "ga_Parallelo", u"", u"1", {2, 4}},                    // truth is -1
        {ft::kBoolean, "ga_Parallelo", u"<>", u"1", {1, 3, 5}},
        {ft::kDate, "ga_Data", u"", u"10/01/2026 10:00", {1}},
        {ft::kDate, "ga_Data", u">=", u"11/01/26", {2, 3}},
        {ft::kDate, "ga_Data", u"<", u"10/01/26", {1, 5}},                    // "<": up to the next day
        {ft::kText, "ga_Descrizione", u"*ga_Gara > 4", u"", {5}},             // the Tag's own condition
    };
    for (const Case& c : cases) {
        FilterFieldInput in;
        in.type = c.type;
        in.column = QString::fromLatin1(c.column);
        in.tag = QString::fromUtf16(c.tag);
        in.value = QString::fromUtf16(c.typed);
        in.reference = QStringLiteral("{Gare.") + in.column + u'}';
        const FilterFieldCondition cond = filterFieldCondition(in);
        SCOPED_TRACE((in.column + u' ' + in.tag + QStringLiteral(" / ") + in.value).toStdString());
        EXPECT_TRUE(cond.refusal.isEmpty()) << cond.refusal.toStdString();
        EXPECT_EQ(select(cond), c.rows);
    }
}

TEST_F(ConditionsTest, ATypedTwoDigitYearTakesTheWindowOfTheCurrentYear) {
    race.db().execute(QStringLiteral("INSERT INTO Gare (ga_Gara, ga_Descrizione, ga_Data) VALUES "
                                     "(6, 'Storica', '1949-05-01 00:00:00'), (7, 'Futura', '2049-05-01 00:00:00')"));
    struct YearCase {
        std::optional<int> currentYear;
        QList<int> rows;
    };
    // Without a current year the fixed window reads "49" as 2049.
    const YearCase cases[] = {{2026, {6}}, {2040, {7}}, {std::nullopt, {7}}};
    for (const YearCase& c : cases) {
        FilterFieldInput in;
        in.type = ft::kDate;
        in.column = QStringLiteral("ga_Data");
        in.value = QStringLiteral("01/05/49");
        in.currentYear = c.currentYear;
        EXPECT_EQ(select(filterFieldCondition(in)), c.rows) << c.currentYear.value_or(0);
    }
}

TEST_F(ConditionsTest, ReadableTextsFollowTheFieldType) {
    const auto texts = [](int type, const char16_t* tag, const char16_t* typed) {
        FilterFieldInput in{type, QStringLiteral("xx_Campo"), QString::fromUtf16(tag), QString::fromUtf16(typed), {}, false,
                            QStringLiteral("{T.xx_Campo}"), {}};
        const FilterFieldCondition c = filterFieldCondition(in);
        return QStringList{c.sql, c.report};
    };
    EXPECT_EQ(texts(ft::kText, u"", u"O'Brien"),
              (QStringList{"xx_Campo = 'O''Brien'", "{T.xx_Campo} = 'O''Brien'"}));
    EXPECT_EQ(texts(ft::kText, u"", u"O'B#"), (QStringList{"xx_Campo Like 'O''B*'", ""}));
    EXPECT_EQ(texts(ft::kText, u"LIKE", u"Ro"), (QStringList{"xx_Campo LIKE 'Ro*'", "{T.xx_Campo} LIKE 'Ro*'"}));
    EXPECT_EQ(texts(ft::kLong, u"°", u"12"), (QStringList{"xx_Campo = 12", "{T.xx_Campo} = 12"}));
    EXPECT_EQ(texts(ft::kBoolean, u"", u"1"), (QStringList{"xx_Campo =  -1", ""}));
    EXPECT_EQ(texts(ft::kDate, u"<", u"31/12/25"), (QStringList{"xx_Campo < " + DataSql(QDateTime(QDate(2026, 1, 1), QTime(0, 0))), ""}));
    EXPECT_EQ(texts(ft::kLong, u">= a AND b <=", u"7")[0], QStringLiteral("7 >= a AND b <= 7"));
    // A Tag that is no operator is refused, not pasted into the query.
    FilterFieldInput odd{ft::kText, QStringLiteral("xx_Campo"), QStringLiteral("IN (1);"), QStringLiteral("a"), {}, false, {}, {}};
    EXPECT_FALSE(filterFieldCondition(odd).refusal.isEmpty());
    EXPECT_FALSE(filterFieldCondition(odd).term.has_value());
}

TEST_F(TableWindowTest, WindowConditionsJoinTheirTextsAndDescribeTheSort) {
    ASSERT_TRUE(w().start([](clsTabella& t) {
        t.int_Modalita = modalita::kElenco;
        t.int_Filtro = ConcorrentiWindow::kCognome;
    }));
    // Nothing typed: no condition, every filter field still described.
    tb().Imposta_str_Wher2();
    EXPECT_EQ(tb().str_Wher2, QString());
    EXPECT_EQ(tb().str_Wher2Rpt, QString());
    EXPECT_EQ(tb().str_Criterio, QStringLiteral("Concorrente =    Pettorale =    Cognome =    per Concorrente"));
    w().field(ConcorrentiWindow::kGara)->setText(QStringLiteral("1"));
    w().field(ConcorrentiWindow::kCognome)->setText(QStringLiteral("R#"));
    w().grid->setColumnFilterText(4, QStringLiteral("au|"));
    tb().Filtra();
    EXPECT_EQ(tb().str_Wher2, QStringLiteral(" where co_Gara = 1 and co_Cognome Like 'R*' and co_Nazionalita LIKE 'au*'"));
    // The report formula has no dangling "and" for the prefix search, which has no report form.
    EXPECT_EQ(tb().str_Wher2Rpt,
              QStringLiteral("{Concorrenti.co_Gara} = 1 and totext({Concorrenti.co_Nazionalita}) LIKE 'au*'"));
    EXPECT_EQ(tb().str_Criterio.toStdString(),
              QStringLiteral("Concorrente = 1   Pettorale =    Cognome = R#   Nazionalita = au*   per Concorrente").toStdString());
    EXPECT_EQ(w().gridColumn(2), (QStringList{"Rossi", "Ricci"}));
}

}  // namespace
}  // namespace razudar::testing
