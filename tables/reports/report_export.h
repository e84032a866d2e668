#pragma once
// Report exports by the report routine's format codes: ".pdf" (drawn as on paper), ".htm"
// (an HTML table), ".txt" (aligned columns), ".rtf" (a table in Rich Text), ".xls" (an
// SpreadsheetML 2003 workbook, which spreadsheet programs open) and ".doc" (Rich Text content,
// which word processors open). A file is written to a temporary file in the target folder and
// renamed over the target only when complete, so a failed export leaves any earlier file whole.
#include <QByteArray>
#include <QString>

#include <optional>

#include "tables/reports/report_document.h"

namespace razudar::tables {

enum class ReportExportFormat { Pdf = 2, Xls = 3, Rtf = 4, Doc = 5, Txt = 6, Htm = 7 };

// The format of an export code, nullopt for codes without one.
std::optional<ReportExportFormat> exportFormatFromCode(qint32 code);
QString exportExtension(ReportExportFormat format);

QByteArray reportAsText(const ReportTable& table);
QByteArray reportAsHtml(const ReportTable& table);
QByteArray reportAsRtf(const ReportTable& table);
QByteArray reportAsSpreadsheetXml(const ReportTable& table);

// Writes the report in the format to `path`, whole or not at all (files::writeWholeFile). False,
// with the reason in Italian in `error`, when the file cannot be written; the target is then
// unchanged.
bool exportReport(const ReportTable& table, ReportExportFormat format, const QString& path,
                  QString* error);

}  // namespace razudar::tables
