#include "tables/reports/stampa_report.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include <optional>

#include "data/database_fault_text.h"
#include "model/bas_utilita.h"
#include "model/basic.h"
#include "platform/db/db_error.h"
#include "platform/services/widget_services.h"
#include "tables/reports/frm_anteprima.h"
#include "tables/reports/report_document.h"
#include "tables/reports/report_export.h"
#include "tables/reports/report_painter.h"

namespace razudar::tables {

namespace {

void tell(const ReportState& state, const QString& text) {
    if (state.services.prompter) state.services.prompter->show(text, PromptButtons::Ok, PromptIcon::Exclamation);
}

QVariant parameterValue(ReportValueType type, const QString& text) {
    switch (type) {
    case ReportValueType::Number:
    case ReportValueType::Currency: return ValoreNumerico(text);
    case ReportValueType::Boolean: return basic::CBool(text);
    case ReportValueType::String: return text;
    case ReportValueType::Date:
    case ReportValueType::Time: break;
    }
    return {};
}

void setParameters(ReportDocument& report, const QStringList& parametri, const QString& descrizione) {
    const bool zReport = QFileInfo(report.fileName()).fileName().startsWith(u'Z');
    if (zReport && !descrizione.isEmpty()) {
        // The description of the conditions is the first parameter; the list is not used.
        if (report.parameterCount() >= 1) report.setParameter(1, descrizione);
        return;
    }
    // Elements 0 .. upper bound - 1 become parameters 1 .. upper bound; a report with fewer
    // parameters takes the ones it has.
    for (int i = 0; i < parametri.size() - 1 && i < report.parameterCount(); ++i)
        report.setParameter(i + 1, parameterValue(report.parameterType(i + 1), parametri[i]));
}

void joinSelection(ReportDocument& report, const QString& condizione) {
    if (condizione.isEmpty()) return;
    const QString current = report.selectionFormula();
    // Each side in brackets, so an OR in either keeps its meaning.
    report.setSelectionFormula(basic::Trim(current).isEmpty()
                                   ? condizione
                                   : u'(' + current + QStringLiteral(") AND (") + condizione + u')');
}

std::unique_ptr<QPrinter> defaultPrinter() { return std::make_unique<QPrinter>(QPrinter::HighResolution); }

// Prints the report; the error text for the operator, empty when it was printed.
QString printTable(const ReportState& state, const ReportTable& table, int copies) {
    std::unique_ptr<QPrinter> printer = state.makePrinter ? state.makePrinter() : defaultPrinter();
    if (!printer || !printer->isValid())
        return QStringLiteral("Stampa del report non riuscita: nessuna stampante disponibile.");
    printer->setDocName(table.title);
    printer->setCopyCount(copies);
    ReportPainter painter(table);
    painter.setupPage(*printer);
    QPainter p;
    if (!p.begin(printer.get()))
        return QStringLiteral("Stampa del report non riuscita: la stampante \"%1\" non è disponibile.")
            .arg(printer->printerName());
    painter.paint(p, *printer);
    if (!p.end()) return QStringLiteral("Stampa del report non riuscita.");
    return {};
}

// Exports the report by the format code; the error text for the operator, empty when written.
QString exportTable(const ReportTable& table, qint32 code, const QString& fileExport) {
    const std::optional<ReportExportFormat> format = exportFormatFromCode(code);
    if (!format) return QStringLiteral("Esportazione del report non riuscita: formato %1 non previsto.").arg(code);
    const QString path = fileExport + exportExtension(*format);
    QString error;
    if (!exportReport(table, *format, path, &error))
        return QStringLiteral("Esportazione del report non riuscita.\n%1: %2").arg(QDir::toNativeSeparators(path), error);
    return {};
}

}  // namespace

void ImpostaDatabaseReport(const ReportState& state, ReportDocument& report) {
    // A slot outside 0..1 leaves no file: opening the report's data then says so.
    const DatabaseState& db = *state.database;
    const bool validSlot = db.IndiceDatabase >= 0 && size_t(db.IndiceDatabase) < db.PercorsiDatabase.size();
    report.setDatabasePath(validSlot ? db.PercorsiDatabase[size_t(db.IndiceDatabase)] : QString());
}

void StampaReport(ReportState& state, qint16& /*nonUsato*/, QString& testoAnteprima, QString& nomeReport,
                  bool& anteprima, QStringList& parametri, QString& condizione, QString& descrizione,
                  QString& /*oggetto*/, qint16& copie, qint32& formatoExport, QString& fileExport,
                  QString& /*oggetto2*/, bool& /*flagOggetto*/, const QueryConditions& selezione) {
    // Report files carry no objects of their own to look for: arguments 8, 12 and 13 have
    // nothing to act on.
    if (state.services.waiter) state.services.waiter->sleepMs(1000);
    // The wait pointer while the report is prepared; the normal pointer again on every way out.
    BusyGuard busy(state.services.busy);
    if (copie == 0) copie = 1;

    QString error;
    const std::optional<ReportDefinition> definition = loadReportDefinition(nomeReport, &error);
    if (!definition) {
        busy.release();
        tell(state, QStringLiteral("Impossibile aprire il report \"%1\": %2").arg(nomeReport, error));
        return;
    }
    ReportDocument report(nomeReport, *definition);
    ImpostaDatabaseReport(state, report);
    setParameters(report, parametri, descrizione);
    joinSelection(report, condizione);
    report.setBoundSelection(selezione);

    ReportTable table;
    try {
        table = report.run();
    } catch (const db::DbError& e) {
        busy.release();
        // The engine's own words are English: the operator reads what happened in Italian.
        tell(state, QStringLiteral("Errore nel report \"%1\": %2").arg(nomeReport, descrizioneErroreDatabase(e)));
        return;
    }

    if (anteprima) {
        ++state.ContatoreAnteprime;
        const QString caption = testoAnteprima.isEmpty() ? table.title : testoAnteprima;
        frmAnteprima window(table, QStringLiteral("Anteprima - ") + caption, state.mainWindow);
        QObject::connect(&window, &frmAnteprima::stampaRichiesta, &window, [&] {
            const QString failure = printTable(state, table, 1);
            if (!failure.isEmpty()) tell(state, failure);
        });
        busy.release();
        runModal(state.services.dialogs, window);
        return;
    }
    const QString failure = fileExport.isEmpty() ? printTable(state, table, copie)
                                                 : exportTable(table, formatoExport, fileExport);
    // The normal pointer again before the operator reads what went wrong.
    busy.release();
    if (!failure.isEmpty()) tell(state, failure);
}

}  // namespace razudar::tables
