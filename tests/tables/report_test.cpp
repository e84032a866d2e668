// Reports: the demo start list through the report routine into every export format, printed on
// a PDF printer and previewed, with its parameters, selection and failure paths.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QToolBar>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

#include "report_fixture.h"
#include "tables/report_fields.h"
#include "tables/reports/frm_anteprima.h"
#include "tables/reports/report_document.h"
#include "tables/reports/report_export.h"
#include "tables/reports/report_routine.h"
#include "screenshots.h"
#include "platform/log_capture.h"

#include <unistd.h>

namespace razudar::testing {
namespace {

int startListRows(WindowRaceDatabase& race, const QString& where) {
    db::RowReader r = race.db().openReader(QStringLiteral("SELECT count(*) FROM OrdinePartenza WHERE ") + where);
    return int(r.value(0).toLongLong());
}

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot); }

TEST_F(ReportTest, PdfExportHoldsTheStartListAndPageNumbers) {
    const QString file = exportDemo(2, QStringLiteral(".pdf"));
    ASSERT_TRUE(QFileInfo::exists(file)) << race.fakes.prompter.texts().join(u'|').toStdString();
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
    const QString text = pdfText(file);
    EXPECT_TRUE(text.contains(QStringLiteral("Lista di partenza")));
    EXPECT_TRUE(text.contains(QStringLiteral("Trofeo delle Dolomiti - Slalom Gigante Maschile - Gara, 1a Manche")));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(R"(1\s+1\s+Bianchi\s+Davide\s+ITA\s+Italia\s+09:30:00)"))));
    EXPECT_TRUE(text.contains(QStringLiteral("Pagina 1 di ")));
    EXPECT_TRUE(text.contains(QStringLiteral("Totale: %1").arg(startListRows(race, "op_Gara = 1 AND op_TipoTurno = 'GA' AND op_Manche = 1"))));
}

TEST_F(ReportTest, TextExportAlignsColumnsUnderTheirHeadings) {
    const QString text = readText(exportDemo(6, QStringLiteral(".txt")));
    const QStringList lines = text.split(u'\n');
    ASSERT_GT(lines.size(), 6);
    SCOPED_TRACE(text.left(800).toStdString());
    EXPECT_EQ(lines[0], QStringLiteral("Lista di partenza"));
    const QString head = lines[2];
    const QString row = lines[6];  // heading, rule, group heading after its blank line, first row
    EXPECT_EQ(lines[5], QStringLiteral("Trofeo delle Dolomiti - Slalom Gigante Maschile - Gara, 1a Manche"));
    EXPECT_EQ(row.indexOf(QStringLiteral("Bianchi")), head.indexOf(QStringLiteral("Cognome")));
    EXPECT_EQ(row.indexOf(QStringLiteral("09:30:00")) + 8, head.indexOf(QStringLiteral("Orario")) + 6);  // right-aligned
    EXPECT_EQ(lines[3], QString(head.size(), u'-'));
}

TEST_F(ReportTest, HtmlAndSpreadsheetExportsEscapeMarkup) {
    race.db().execute(QStringLiteral("UPDATE Concorrenti SET co_Cognome = 'O''Neil <Jr> & Co' WHERE co_Gara = 1 AND co_Concorrente = 101"));
    const QString html = readText(exportDemo(7, QStringLiteral(".htm")));
    EXPECT_TRUE(html.contains(QStringLiteral("<td>O&#39;Neil &lt;Jr&gt; &amp; Co</td>")) ||
                html.contains(QStringLiteral("<td>O'Neil &lt;Jr&gt; &amp; Co</td>")))
        << html.left(600).toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("<Jr>")));
    const QString xls = readText(exportDemo(3, QStringLiteral(".xls")));
    EXPECT_TRUE(xls.contains(QStringLiteral("<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"")));
    EXPECT_TRUE(xls.contains(QStringLiteral("&lt;Jr&gt; &amp; Co")));
    EXPECT_TRUE(xls.contains(QStringLiteral("<Data ss:Type=\"Number\">1</Data>")));
}

TEST_F(ReportTest, RtfAndDocExportsEscapeAccentsAndBraces) {
    race.db().execute(QStringLiteral("UPDATE Concorrenti SET co_Cognome = 'Müller {Zoë}\\x' WHERE co_Gara = 1 AND co_Concorrente = 101"));
    const QString rtf = readText(exportDemo(4, QStringLiteral(".rtf")));
    EXPECT_TRUE(rtf.startsWith(QStringLiteral("{\\rtf1\\ansi")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("M\\u252?ller \\{Zo\\u235?\\}\\\\x\\cell")));
    EXPECT_EQ(rtf.count(u'{') - rtf.count(QStringLiteral("\\{")), rtf.count(u'}') - rtf.count(QStringLiteral("\\}")));
    const QString doc = readText(exportDemo(5, QStringLiteral(".doc")));
    EXPECT_EQ(doc, rtf);
}

TEST_F(ReportTest, FormatCodeWithoutFormatWritesNothingAndSaysSo) {
    exportDemo(9, QString());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Lista"))));
    EXPECT_EQ(race.fakes.prompter.texts(),
              QStringList{QStringLiteral("Esportazione del report non riuscita: formato 9 non previsto.")});
}

TEST_F(ReportTest, ExportIntoAFolderThatCannotBeWrittenIsReportedAndLeavesNoFile) {
    Call c{QString(), report, false, {}, QString(), QString(), 0, 6, QStringLiteral("/proc/Lista")};
    stampa(c);
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    EXPECT_TRUE(race.fakes.prompter.texts()[0].startsWith(QStringLiteral("Esportazione del report non riuscita.\n/proc/Lista.txt: ")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/Lista.txt")));
    // The current folder gets no temporary files either.
    EXPECT_EQ(filesIn(QDir::currentPath()).filter(QStringLiteral("Lista")), QStringList());
}

// Notes whether the hourglass was up when a message was shown.
class PointerPrompter : public Prompter {
public:
    explicit PointerPrompter(const FakeBusyIndicator& busy) : busy_(busy) {}
    PromptAnswer ask(const QString&, PromptButtons, PromptIcon, const QString&) override {
        busyWhenShown.push_back(busy_.busy());
        return PromptAnswer::Ok;
    }
    std::vector<bool> busyWhenShown;

private:
    const FakeBusyIndicator& busy_;
};

TEST_F(ReportTest, MessagesAreShownWithTheNormalPointer) {
    PointerPrompter prompter(race.fakes.busy);
    state.services.prompter = &prompter;
    int busyDuringWait = 0;
    race.fakes.waiter.onWait = [&](int) { busyDuringWait += race.fakes.busy.busy(); };
    Call bad{QString(), report, false, {}, QString(), QString(), 0, 6, QStringLiteral("/proc/Lista")};
    stampa(bad);   // export failure
    Call missing{QString(), path(QStringLiteral("Manca.rpt")), false, {}, QString(), QString(), 0, 6, path(QStringLiteral("Lista"))};
    stampa(missing);
    EXPECT_EQ(prompter.busyWhenShown, (std::vector<bool>{false, false}));
    EXPECT_EQ(race.fakes.busy.calls(), (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(race.fakes.busy.busy());
    EXPECT_EQ(busyDuringWait, 0);  // the second's wait comes before the hourglass
}

TEST_F(ReportTest, FailedExportKeepsTheEarlierFileAndNoTemporaryFiles) {
    const QString good = exportDemo(7, QStringLiteral(".htm"));
    const QString before = readText(good);
    const QStringList folderBefore = filesIn(race.dir.path());
    // The report now fails in its query: nothing may touch the good file.
    QFile::remove(report);
    QFile::copy(demoReportSource(), report);
    race.db().execute(QStringLiteral("DROP TABLE OrdinePartenza"));
    exportDemo(7, QStringLiteral(".htm"));
    EXPECT_EQ(readText(good), before);
    EXPECT_EQ(filesIn(race.dir.path()), folderBefore);
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    EXPECT_TRUE(race.fakes.prompter.texts()[0].startsWith(QStringLiteral("Errore nel report \"")));
}

TEST_F(ReportTest, MissingOrBrokenReportFileIsReported) {
    Call c{QString(), path(QStringLiteral("Manca.rpt")), false, {}, QString(), QString(), 0, 6, path(QStringLiteral("Lista"))};
    stampa(c);
    writeReport(QStringLiteral("Rotto.rpt"), "{\"title\": \"x\", \"columns\": [");
    Call d{QString(), path(QStringLiteral("Rotto.rpt")), false, {}, QString(), QString(), 0, 6, path(QStringLiteral("Lista"))};
    stampa(d);
    const QStringList texts = race.fakes.prompter.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Impossibile aprire il report \"%1\": ").arg(c.nome)));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("Impossibile aprire il report \"%1\": testo non valido").arg(d.nome)));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Lista.txt"))));
}

// A report file that cannot be read is told in Italian by the kind of its fault, a broken text
// with its line; the system's and the parser's English words reach the log only.
TEST_F(ReportTest, AReportFileThatCannotBeReadIsToldByItsKind) {
    enum class Fault { Missing, Unreadable, Folder, Text };
    const struct {
        Fault fault;
        const char* text;
        const char* reason;
    } cases[] = {
        {Fault::Missing, "", "file mancante"},
        {Fault::Unreadable, "{}", "permesso di lettura negato"},
        {Fault::Folder, "", "il nome è quello di una cartella"},
        {Fault::Text, "{\"title\": \"x\",\n \"query\": \"SELECT 1\",\n \"columns\": [", "testo non valido alla riga 3 (elenco non chiuso)"},
        {Fault::Text, "{\"title\": \"x\",\n \"query\": \"SELECT 1}", "testo non valido alla riga 2 (testo tra virgolette non chiuso)"},
        {Fault::Text, "{\"title\": \"x\",\n\n \"count\": sì}", "testo non valido alla riga 3 (numero non valido)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const QString file = path(QStringLiteral("Guasto.rpt"));
        QFile::remove(file);
        QDir(file).removeRecursively();
        if (c.fault == Fault::Folder) {
            ASSERT_TRUE(QDir().mkpath(file));
        } else if (c.fault != Fault::Missing) {
            writeReport(QStringLiteral("Guasto.rpt"), c.text);
        }
        if (c.fault == Fault::Unreadable) {
            ASSERT_TRUE(QFile(file).setPermissions(QFileDevice::WriteOwner));
            // The super-user reads it all the same: there is no fault to tell.
            if (::access(QFile::encodeName(file).constData(), R_OK) == 0) continue;
        }
        QString english;
        QFile probe(file);
        if (!probe.open(QIODevice::ReadOnly)) english = probe.errorString();
        QJsonParseError parse{};
        if (c.fault == Fault::Text) {
            QJsonDocument::fromJson(c.text, &parse);
            english = parse.errorString();
        }
        ASSERT_FALSE(english.isEmpty());
        race.fakes.prompter.clear();
        LogCapture log;
        Call call{QString(), file, false, {}, QString(), QString(), 0, 6, path(QStringLiteral("Lista"))};
        stampa(call);
        ASSERT_EQ(race.fakes.prompter.texts().size(), 1);
        const QString shown = race.fakes.prompter.texts()[0];
        EXPECT_EQ(shown.toStdString(),
                  QStringLiteral("Impossibile aprire il report \"%1\": %2").arg(file, QString::fromUtf8(c.reason)).toStdString());
        EXPECT_FALSE(shown.contains(english));
        ASSERT_EQ(log.linesWith(english).size(), 1) << log.lines().join(u'\n').toStdString();
        EXPECT_TRUE(log.linesWith(english)[0].contains(file));
    }
}

// A small report that shows its parameters and rows, to see what the routine gave it.
const QByteArray kEcho = R"({"title": "P1={?1} P2={?2} P3={?3}",
  "parameters": [{"name": "a", "type": "string"}, {"name": "b", "type": "number"}, {"name": "c", "type": "boolean"}],
  "query": "SELECT co_Cognome AS Cognome, co_Nazionalita AS Nazione FROM Concorrenti WHERE co_Gara = 1",
  "selection": "Nazione = 'ITA' OR Nazione = 'AUT'", "order": "Cognome",
  "columns": [{"field": "Cognome"}, {"field": "Nazione"}]})";

struct ParameterCase {
    const char* reportName;
    QStringList parametri;
    const char* descrizione;
    const char* title;
};

TEST_F(ReportTest, ParametersFollowTheListOrTheDescription) {
    const ParameterCase cases[] = {
        // Elements 0 .. upper bound - 1 become parameters 1 .. upper bound.
        {"Eco.rpt", {"testo", "2.5", "True", "ignorato"}, "", "P1=testo P2=2.5 P3=Sì"},
        {"Eco.rpt", {"x", "abc"}, "", "P1=x P2= P3="},
        {"Eco.rpt", {"x", "abc", "0"}, "", "P1=x P2=0 P3="},
        // A list with upper bound 0 sets nothing.
        {"Eco.rpt", {"solo"}, "", "P1= P2= P3="},
        // A report whose name begins with Z takes the description as parameter 1.
        {"Zeco.rpt", {"testo", "7", "True", ""}, "Nazione = ITA", "P1=Nazione = ITA P2= P3="},
        {"Zeco.rpt", {"testo", "7", "True", ""}, "", "P1=testo P2=7 P3=Sì"},
    };
    for (const ParameterCase& pc : cases) {
        Call c{QString(), writeReport(QString::fromLatin1(pc.reportName), kEcho), false, pc.parametri, QString(),
               QString::fromUtf8(pc.descrizione), 0, 6, path(QStringLiteral("Eco"))};
        stampa(c);
        EXPECT_EQ(readText(path(QStringLiteral("Eco.txt"))).section(u'\n', 0, 0), QString::fromUtf8(pc.title))
            << pc.reportName << " " << pc.parametri.join(u',').toStdString();
    }
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
}

TEST_F(ReportTest, ConditionJoinsTheReportsOwnSelection) {
    Call c{QString(), writeReport(QStringLiteral("Eco.rpt"), kEcho), false, {}, QString(), QString(), 0, 6,
           path(QStringLiteral("Eco"))};
    stampa(c);
    const QString all = readText(path(QStringLiteral("Eco.txt")));
    EXPECT_TRUE(all.contains(QStringLiteral("Moosbrugger")));   // AUT
    EXPECT_FALSE(all.contains(QStringLiteral("Brandl")));     // GER
    // The condition narrows the report's own selection (its OR stays inside its brackets).
    c.condizione = QStringLiteral("{Concorrenti.Nazione} = 'AUT'");
    stampa(c);
    const QString aut = readText(path(QStringLiteral("Eco.txt")));
    EXPECT_TRUE(aut.contains(QStringLiteral("Moosbrugger")));
    EXPECT_FALSE(aut.contains(QStringLiteral("Bianchi")));
    EXPECT_FALSE(aut.contains(QStringLiteral("Brandl")));
}

TEST_F(ReportTest, PrintsOnThePrinterWithTheCopiesAndWritesOneForZero) {
    const QString pdf = path(QStringLiteral("stampa.pdf"));
    state.makePrinter = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    };
    Call c{QString(), report, false, {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("GA"), QStringLiteral("1"), QStringLiteral("0")},
           QString(), QString(), 0, 0, QString()};
    stampa(c);
    EXPECT_EQ(c.copie, 1);
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Bianchi")));
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
    // A printer that cannot start is reported.
    state.makePrinter = [] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QStringLiteral("/proc/nessuna/stampa.pdf"));
        return printer;
    };
    stampa(c);
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    EXPECT_TRUE(race.fakes.prompter.texts()[0].startsWith(QStringLiteral("Stampa del report non riuscita")));
}

TEST_F(ReportTest, FieldHelpersCompareNamesExactlyAndGiveEmptyForNull) {
    race.db().execute(QStringLiteral("UPDATE Concorrenti SET co_Nome = NULL WHERE co_Gara = 1 AND co_Concorrente = 101"));
    db::Recordset rs = race.db().openRecordset(
        QStringLiteral("SELECT co_Cognome, co_Nome FROM Concorrenti WHERE co_Gara = 1 AND co_Concorrente = 101"));
    EXPECT_TRUE(tables::CampoEsistente(rs, QStringLiteral("co_Cognome")));
    EXPECT_FALSE(tables::CampoEsistente(rs, QStringLiteral("CO_COGNOME")));
    EXPECT_EQ(tables::ValoreCampo(rs, QStringLiteral("co_Cognome")), QVariant(QStringLiteral("Bianchi")));
    EXPECT_FALSE(tables::ValoreCampo(rs, QStringLiteral("co_cognome")).isValid());
    EXPECT_FALSE(tables::ValoreCampo(rs, QStringLiteral("co_Nome")).isValid());
    EXPECT_FALSE(tables::ValoreCampo(rs, QStringLiteral("co_Squadra")).isValid());
}

TEST_F(ReportTest, PreviewFillsTheWorkAreaAndCountsPreviews) {
    const QString pdf = path(QStringLiteral("dall_anteprima.pdf"));
    state.makePrinter = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    };
    int shown = 0;
    race.fakes.dialogs.answer<tables::frmAnteprima>([&](tables::frmAnteprima& w) {
        ++shown;
        w.show();
        EXPECT_EQ(w.frameGeometry(), w.screen()->availableGeometry());
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Anteprima - Lista di partenza"));
        EXPECT_EQ(w.pageCount(), 2);  // 60 starters
        EXPECT_GT(w.crvAnteprima()->height(), w.height() * 8 / 10);
        screenshots::save(w.grab(), QStringLiteral("anteprima"));
        // "Stampa..." prints the previewed report.
        QAction* print = w.findChild<QToolBar*>()->actions().value(0);
        ASSERT_TRUE(print);
        EXPECT_EQ(print->text(), QStringLiteral("Stampa..."));
        print->trigger();
        EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Pagina 2 di 2")));
    });
    Call c{QString(), report, true, {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("GA"), QStringLiteral("1"), QStringLiteral("0")},
           QString(), QString(), 0, 0, QString()};
    stampa(c);
    stampa(c);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(state.ContatoreAnteprime, 2);
    EXPECT_EQ(race.fakes.waiter.sleeps(), (std::vector<int>{1000, 1000}));
}

TEST_F(ReportTest, LookupWindowFilterSelectsTheDemoStartList) {
    Call c{QString(), report, false, {}, QStringLiteral("{Concorrenti.co_Nazionalita} = 'AUT' AND {OrdinePartenza.op_Gara} = 1"),
           QString(), 0, 6, path(QStringLiteral("Lista"))};
    stampa(c);
    const QString text = readText(path(QStringLiteral("Lista.txt")));
    EXPECT_TRUE(race.fakes.prompter.shown().empty()) << race.fakes.prompter.texts().join(u'|').toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Moosbrugger")));
    EXPECT_FALSE(text.contains(QStringLiteral("Bianchi")));
    EXPECT_TRUE(text.contains(QStringLiteral("Totale: %1").arg(startListRows(race,
        "op_Gara = 1 AND op_Concorrente IN (SELECT co_Concorrente FROM Concorrenti WHERE co_Gara = 1 AND co_Nazionalita = 'AUT')"))));
}

TEST_F(ReportTest, WholeStartListGroupsBySessionOverSeveralPages) {
    const QString file = exportDemo(2, QStringLiteral(".pdf"), {});
    const QString text = pdfText(file);
    SCOPED_TRACE(text.left(3000).toStdString());
    const int total = startListRows(race, "1 = 1");
    EXPECT_TRUE(text.contains(QStringLiteral("Totale: %1").arg(total)));
    EXPECT_TRUE(text.contains(QStringLiteral("Gran Premio Parallelo - Slalom Gigante Parallelo - Qualificazione Tracciato Rosso\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pagina 2 di ")));
    // The first run's 60 starters go on to page 2 under their heading again.
    EXPECT_TRUE(text.contains(QStringLiteral("Trofeo delle Dolomiti - Slalom Gigante Maschile - Gara, 1a Manche (segue)")));
    EXPECT_FALSE(text.contains(QStringLiteral("Pagina 1 di 1")));
}

}  // namespace
}  // namespace razudar::testing

namespace razudar::testing {
namespace {

// The print buttons' way in: the button's report name is found in the report folder ignoring
// case and without its extension, and previewed; an unknown name is told to the operator.
TEST_F(ReportTest, PrintButtonsFindTheReportByNameAndPreviewIt) {
    tables::ReportRoutine routine(state, race.dir.path());
    int shown = 0;
    race.fakes.dialogs.answer<tables::frmAnteprima>([&](tables::frmAnteprima& w) {
        ++shown;
        EXPECT_EQ(w.pageCount(), 1);
    });
    tables::ReportCall call;
    call.reportName = QStringLiteral("listapartenza");
    call.parameters = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("GA"), QStringLiteral("1"), QStringLiteral("0")};
    // The window's filter goes bound; its readable formula is only a record and is not run.
    call.selection.terms.push_back({QStringLiteral("co_Nazionalita"), tables::TermOp::Equal, QStringLiteral("ita")});
    call.condition = QStringLiteral("{Concorrenti.co_Nazionalita} = 'ITA' and ###");
    EXPECT_TRUE(routine.StampaReport(call));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(race.fakes.prompter.shown().empty()) << race.fakes.prompter.texts().join(u'|').toStdString();

    call.reportName = QStringLiteral("Classifiche");
    EXPECT_FALSE(routine.StampaReport(call));
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(race.fakes.prompter.texts().size(), 1);
    EXPECT_TRUE(race.fakes.prompter.texts()[0].startsWith(QStringLiteral("Impossibile aprire il report")))
        << race.fakes.prompter.texts()[0].toStdString();
}

}  // namespace
}  // namespace razudar::testing
