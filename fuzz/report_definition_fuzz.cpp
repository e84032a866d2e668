// Fuzz target of the report file reader and the report's text outputs. A report file comes
// from outside: any bytes must either be refused with a reason or give a definition whose SQL,
// parameters and exports are built without crashing. Texts from the input also go through
// every text export, which must keep markup and RTF control characters escaped.
#include <QByteArray>
#include <QString>

#include <cstdlib>

#include "tables/reports/report_definition.h"
#include "tables/reports/report_document.h"
#include "tables/reports/report_export.h"

namespace {

using namespace razudar::tables;

void check(bool condition) {
    if (!condition) std::abort();
}

void exportsOf(const ReportTable& table) {
    const QString html = QString::fromUtf8(reportAsHtml(table));
    for (const ReportColumn& c : table.columns)
        if (c.caption.contains(u'<')) check(!html.contains(QStringLiteral("<th>") + c.caption + QStringLiteral("</th>")));
    const QByteArray rtf = reportAsRtf(table);
    for (const char ch : rtf) check(static_cast<unsigned char>(ch) < 0x80);  // everything else escaped
    reportAsText(table);
    reportAsSpreadsheetXml(table);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const auto definition = parseReportDefinition(bytes, &error);
    if (!definition) {
        check(!error.isEmpty());
        // The raw input as the texts of a one-column report.
        ReportTable table;
        table.title = QString::fromUtf8(bytes);
        table.columns.push_back(ReportColumn{QStringLiteral("x"), table.title, 20, QString(), Qt::AlignRight, false});
        table.lines.push_back({ReportLine::Kind::Group, table.title, {}});
        table.lines.push_back({ReportLine::Kind::Row, QString(), {table.title}});
        table.lines.push_back({ReportLine::Kind::GrandTotal, QStringLiteral("Totale: 1"), {QString()}});
        exportsOf(table);
        return 0;
    }
    check(!definition->columns.empty());
    ReportDocument report(QStringLiteral("Fuzz.rpt"), *definition);
    for (int i = 1; i <= report.parameterCount(); ++i) report.setParameter(i, QString::fromUtf8(bytes.left(16)));
    QVariantList values;
    const QString sql = report.sql(&values);
    check(!sql.isEmpty());
    ReportTable table;
    table.title = definition->title;
    table.subtitle = definition->subtitle;
    table.columns = definition->columns;
    ReportLine row;
    for (const ReportColumn& c : table.columns) row.cells << ReportDocument::formatValue(12.5, c.format);
    table.lines.push_back(row);
    exportsOf(table);
    return 0;
}
