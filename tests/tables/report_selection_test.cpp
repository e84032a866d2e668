// The report's rows as a window selects them: typed filter values reach the report bound (LIKE
// with the operator's "*" and "?", apostrophes, injection and subquery texts, dates), through
// the print button of a window over Concorrenti; the report files document's parameter example
// against the demo report; control characters in the cells of the text and HTML exports.
#include <QRegularExpression>

#include "concorrenti_window.h"
#include "platform/db/field_info.h"
#include "report_fixture.h"
#include "tables/command_buttons.h"
#include "tables/filter_conditions.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;
namespace ft = db::field_type;
using C = ConcorrentiWindow;

// A report over the sessions, for conditions on their date and time.
const QByteArray kSessioni = R"({"title": "Sessioni",
  "query": "SELECT se_Gara AS Gara, se_Descrizione AS Sessione, se_Orario FROM Sessioni",
  "order": "se_Orario", "columns": [{"field": "Gara"}, {"field": "Sessione"}]})";

// The print buttons hand their call over; the test then runs the report routine with it.
class RecordingEntry : public ReportEntry {
public:
    bool StampaReport(const ReportCall& c) override {
        call = c;
        return true;
    }
    ReportCall call;
};

class ReportSelectionTest : public ReportTest {
protected:
    // Exports the report as text with the parameters and the bound selection; the rows it
    // counts (its "Totale" line), -1 without one.
    int rowsOf(const QString& reportFile, QStringList parametri, const QueryConditions& selezione) {
        qint16 nonUsato = 0, copie = 0;
        qint32 formato = 6;
        QString testo, nome = reportFile, condizione, descrizione, oggetto, oggetto2;
        QString file = path(QStringLiteral("Selezione"));
        bool anteprima = false, flag = false;
        QFile::remove(file + QStringLiteral(".txt"));
        tables::StampaReport(state, nonUsato, testo, nome, anteprima, parametri, condizione, descrizione, oggetto,
                             copie, formato, file, oggetto2, flag, selezione);
        exported = readText(file + QStringLiteral(".txt"));
        static const QRegularExpression total(QStringLiteral(R"(^Totale: (\d+)$)"), QRegularExpression::MultilineOption);
        QRegularExpressionMatchIterator it = total.globalMatch(exported);
        int rows = -1;
        while (it.hasNext()) rows = it.next().captured(1).toInt();
        return rows;
    }
    QString exported;
};

struct SelectionCase {
    bool sessions;  // the sessions report, else the demo start list
    int type;
    const char* column;
    const char16_t* tag;
    const char16_t* typed;
    int rows;
};

TEST_F(ReportSelectionTest, TypedValuesSelectTheReportsRowsBound) {
    const QString sessions = writeReport(QStringLiteral("Sessioni.rpt"), kSessioni);
    const SelectionCase cases[] = {
        {false, ft::kText, "co_Cognome", u"LIKE", u"Bia", 8},           // the operator's prefix
        {false, ft::kText, "co_Cognome", u"LIKE", u"bia*", 8},          // "*" any run, case aside
        {false, ft::kText, "co_Cognome", u"LIKE", u"*ANCHI", 8},
        {false, ft::kText, "co_Cognome", u"LIKE", u"B?anchi", 8},       // "?" one character
        {false, ft::kText, "co_Cognome", u"LIKE", u"*", 217},
        {false, ft::kText, "co_Cognome", u"LIKE", u"%", 0},             // SQL's own wildcards stand for themselves
        {false, ft::kText, "co_Cognome", u"LIKE", u"_", 0},
        {false, ft::kText, "co_Cognome", u"", u"Bia", 0},               // "=": the whole text
        {false, ft::kText, "co_Cognome", u"", u"bianchi", 8},
        {false, ft::kText, "co_Cognome", u"", u"d'amico", 2},           // apostrophes are the value's own
        {false, ft::kText, "co_Cognome", u"LIKE", u"D'A", 2},
        {false, ft::kText, "co_Cognome", u"", u"D'A#", 2},              // prefix search
        {false, ft::kText, "co_Cognome", u"", u"zz' OR 1=1 OR 'a'='", 0},
        {false, ft::kText, "co_Cognome", u"LIKE", u"zz' OR 1=1 OR 'a'='", 0},
        {false, ft::kText, "co_Cognome", u"",
         u"x' OR co_Cognome NOT IN (SELECT cf_VersioneDatabase FROM Configurazione) OR 'a'='", 0},
        {false, ft::kText, "co_Cognome", u"", u"MÜLLER", 5},            // every letter without case
        {false, ft::kText, "co_Cognome", u"LIKE", u"ŠTEF", 4},
        {false, ft::kText, "co_Cognome", u"", u"Muller", 0},            // accents count
        {false, ft::kLong, "op_Gara", u"", u"2", 64},
        {false, ft::kLong, "op_Gara", u">=", u"2", 104},
        {false, ft::kLong, "op_Gara", u"", u"1; DROP TABLE OrdinePartenza", 113},  // the number read first
        {true, ft::kDate, "se_Orario", u">=", u"19/02/2024", 5},        // dates as ISO text
        {true, ft::kDate, "se_Orario", u"<", u"18/02/24", 3},           // "<": up to the next day
        {true, ft::kDate, "se_Orario", u"", u"18/02/2024 13:00", 1},
        {true, ft::kDate, "se_Orario", u">", u"20/02/2024 10:00", 1},
    };
    for (const SelectionCase& c : cases) {
        FilterFieldInput in;
        in.type = c.type;
        in.column = QString::fromLatin1(c.column);
        in.tag = QString::fromUtf16(c.tag);
        in.value = QString::fromUtf16(c.typed);
        const FilterFieldCondition condition = filterFieldCondition(in);
        SCOPED_TRACE((in.column + u' ' + in.tag + QStringLiteral(" / ") + in.value).toStdString());
        ASSERT_TRUE(condition.refusal.isEmpty()) << condition.refusal.toStdString();
        QueryConditions selection;
        appendCondition(selection, condition);
        EXPECT_EQ(rowsOf(c.sessions ? sessions : report, {}, selection), c.rows);
        EXPECT_TRUE(race.fakes.prompter.shown().empty()) << race.fakes.prompter.texts().join(u'|').toStdString();
    }
    // The filter bar's texts too: a prefix of any case, apostrophes kept in the value.
    const auto bar = [&](const char16_t* typed) {
        QueryConditions selection;
        appendCondition(selection, filterBarCondition(ft::kText, QStringLiteral("co_Nazionalita"), QString(),
                                                      QString::fromUtf16(typed)));
        return rowsOf(report, {}, selection);
    };
    EXPECT_EQ(bar(u"su"), 21);
    EXPECT_EQ(bar(u"S?I"), 21);
    EXPECT_EQ(bar(u"s' OR 'a'='a"), 0);
    EXPECT_TRUE(race.fakes.prompter.shown().empty());

    // A column the report's query does not give is an error to read, not an empty report.
    QueryConditions missing;
    missing.terms.push_back({QStringLiteral("co_DataNascita"), TermOp::Equal, QStringLiteral("x")});
    EXPECT_EQ(rowsOf(report, {}, missing), -1);
    ASSERT_EQ(race.fakes.prompter.texts().size(), 1);
    EXPECT_TRUE(race.fakes.prompter.texts()[0].startsWith(QStringLiteral("Errore nel report")));
    // Told in Italian: the engine's English words are not the operator's.
    EXPECT_TRUE(race.fakes.prompter.texts()[0].endsWith(QStringLiteral("\": nel database manca la colonna co_DataNascita")))
        << race.fakes.prompter.texts()[0].toStdString();
}

TEST_F(ReportSelectionTest, PrintButtonHandsTheWindowsFilterBoundAndItsReadableFormula) {
    ConcorrentiWindow window(race.state, race.fakes.services());
    CommandButtons commands;
    RecordingEntry entry;
    commands.setReportEntry(&entry);
    ASSERT_TRUE(window.start([&](clsTabella& t) {
        t.setCommandHandler(&commands);
        t.int_Modalita = modalita::kRicerca;
        t.int_Filtro = C::kCognome;
        t.WhereNullaAggiungi(QStringLiteral("co_Gara"), QStringLiteral(" = -1"));
    }));
    window.button(7)->setTag(QStringLiteral("ListaPartenza.rpt"));
    race.fakes.prompter.clear();  // what the lookup window said on opening
    window.field(C::kGara)->setText(QStringLiteral("1"));
    window.field(C::kCognome)->setTag(QStringLiteral("LIKE"));
    window.field(C::kCognome)->setText(QStringLiteral("zz' OR 1=1 OR 'a'='"));
    window.tb.Imposta_str_Wher2();
    ASSERT_TRUE(window.tb.cmd_Tasto_Click(tasto::kStampa));
    EXPECT_EQ(entry.call.reportName, QStringLiteral("ListaPartenza.rpt"));
    EXPECT_EQ(entry.call.condition,
              QStringLiteral("{Concorrenti.co_Gara} = 1 and {Concorrenti.co_Cognome} LIKE 'zz' OR 1=1 OR 'a'='*'"));
    EXPECT_EQ(rowsOf(report, entry.call.parameters, entry.call.selection), 0);

    window.field(C::kCognome)->setText(QStringLiteral("Bia"));
    window.tb.Imposta_str_Wher2();
    ASSERT_TRUE(window.tb.cmd_Tasto_Click(tasto::kStampa));
    ASSERT_EQ(entry.call.selection.terms.size(), 2u);
    EXPECT_EQ(rowsOf(report, entry.call.parameters, entry.call.selection), 6);  // Bianchi's runs in race 1
    EXPECT_TRUE(exported.contains(QStringLiteral("Bianchi")));
    EXPECT_TRUE(race.fakes.prompter.shown().empty()) << race.fakes.prompter.texts().join(u'|').toStdString();
}

// docs/report-format.md: the print parameters 1 -> Gara, 2 -> TipoTurno, 3 -> Manche give the
// demo report the race of the window's record; element k of the list is parameter k + 1.
TEST_F(ReportSelectionTest, DocumentedParameterMapGivesTheDemoReportItsRace) {
    ConcorrentiWindow window(race.state, race.fakes.services());
    CommandButtons commands;
    RecordingEntry entry;
    commands.setReportEntry(&entry);
    ASSERT_TRUE(window.start([&](clsTabella& t) { t.setCommandHandler(&commands); }));
    window.button(7)->setTag(QStringLiteral("01ListaPartenza.rpt"));
    ASSERT_EQ(window.field(C::kGara)->text(), QStringLiteral("1"));

    commands.parametriStampa = {{1, QStringLiteral("Gara")}, {2, QStringLiteral("TipoTurno")}, {3, QStringLiteral("Manche")}};
    ASSERT_TRUE(window.tb.cmd_Tasto_Click(tasto::kStampa));
    EXPECT_EQ(entry.call.reportName, QStringLiteral("ListaPartenza.rpt"));
    EXPECT_EQ(entry.call.parameters, (QStringList{"1", "1", "-1", "-1", "", "", "0"}));
    EXPECT_EQ(rowsOf(report, entry.call.parameters, {}), 113);

    // One place further on, every value misses its parameter: race 0, no rows.
    commands.parametriStampa = {{2, QStringLiteral("Gara")}, {3, QStringLiteral("TipoTurno")}, {4, QStringLiteral("Manche")}};
    ASSERT_TRUE(window.tb.cmd_Tasto_Click(tasto::kStampa));
    EXPECT_EQ(entry.call.parameters, (QStringList{"1", "", "1", "-1", "-1", "", "0"}));
    EXPECT_EQ(rowsOf(report, entry.call.parameters, {}), 0);

    // The document's list for race 1, turn GA, run 1.
    EXPECT_EQ(rowsOf(report, {"1", "1", "GA", "1", "", "", "0"}, {}), 60);
}

TEST_F(ReportSelectionTest, TextAndHtmlExportsCarryNoControlCharacters) {
    const QStringList race1 = {"1", "1", "GA", "1", "0"};
    const qsizetype linesBefore = readText(exportDemo(6, QStringLiteral(".txt"), race1)).split(u'\n').size();
    race.db().execute(QStringLiteral(
        "UPDATE Concorrenti SET co_Cognome = 'Bi' || char(0) || 'an' || char(13, 10) || 'chi' || char(9) || 'X' || "
        "char(7), co_Nome = 'Da' || char(10) || 'vide' WHERE co_Gara = 1 AND co_Cognome = 'Bianchi' AND co_Nome = 'Davide'"));
    const QString text = readText(exportDemo(6, QStringLiteral(".txt"), race1));
    EXPECT_FALSE(text.contains(QChar(0)));
    EXPECT_FALSE(text.contains(u'\t'));
    EXPECT_FALSE(text.contains(u'\r'));
    const QStringList lines = text.split(u'\n');
    ASSERT_GT(lines.size(), 6);
    // The row stays one line, its columns under their headings.
    EXPECT_EQ(lines[6].indexOf(QStringLiteral("Bian chi X")), lines[2].indexOf(QStringLiteral("Cognome")));
    EXPECT_EQ(lines[6].indexOf(QStringLiteral("Da vide")), lines[2].indexOf(QStringLiteral("Nome")));
    EXPECT_EQ(lines[6].indexOf(QStringLiteral("ITA")), lines[2].indexOf(QStringLiteral("Naz.")));
    EXPECT_EQ(lines.size(), linesBefore);

    const QString html = readText(exportDemo(7, QStringLiteral(".htm"), race1));
    EXPECT_FALSE(html.contains(QChar(0)));
    EXPECT_FALSE(html.contains(QChar(7)));
    EXPECT_TRUE(html.contains(QStringLiteral("<td>Bian<br>chi\tX</td><td>Da<br>vide</td>"))) << html.left(900).toStdString();
}

}  // namespace
}  // namespace razudar::testing
