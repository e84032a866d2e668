#pragma once
// A report file: what a report shows and where its rows come from. Report files are JSON texts
// (the format is described in docs/report-format.md): a title, the query that feeds the report,
// its parameters, its own record selection, the order of its rows, its columns with widths and
// formats, and an optional group with totals.
#include <QString>
#include <Qt>

#include <optional>
#include <vector>

namespace razudar::tables {

// Value types of report parameters, as the report routine converts the texts it is given.
enum class ReportValueType { Number, Currency, Boolean, String, Date, Time };

struct ReportParameter {
    QString name;
    ReportValueType type = ReportValueType::String;
};

struct ReportColumn {
    QString field;              // column of the query's result
    QString caption;            // heading; the field name when empty
    double widthMm = 30;        // width on the printed page
    QString format;             // number picture, or date picture for date columns
    Qt::Alignment align = Qt::AlignLeft;
    bool sum = false;           // summed in the group and report totals
};

struct ReportDefinition {
    QString title;
    QString subtitle;           // under the title; "{?n}" is replaced by parameter n's text
    QString query;              // SQL; "{?n}" is parameter n, bound as a value
    QString selection;          // the report's own record selection (a condition on the columns)
    QString order;              // ORDER BY terms over the result's columns
    QString groupField;         // rows are grouped when this column's value changes
    QString groupCaption;       // text in front of the group's value
    bool landscape = false;
    bool countRows = true;      // totals give the number of rows
    std::vector<ReportParameter> parameters;
    std::vector<ReportColumn> columns;
};

// Reads a report file. nullopt, with `error` set to the reason, when the file cannot be read or
// is not a valid report.
// The width, in millimetres, a report's columns may take on its A4 page (inside the margins).
double printableWidthMm(bool landscape);

std::optional<ReportDefinition> loadReportDefinition(const QString& path, QString* error);
// The same for a report file's text; `source` names it in the log.
std::optional<ReportDefinition> parseReportDefinition(const QByteArray& text, QString* error,
                                                      const QString& source = QString());

}  // namespace razudar::tables
