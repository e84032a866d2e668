#pragma once
// An opened report: its definition, the current values of its parameters, its record selection
// and the database file its query reads; run() turns it into the lines every output draws.
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

#include "tables/query_terms.h"
#include "tables/reports/report_definition.h"

namespace razudar::tables {

struct ReportLine {
    enum class Kind { Group, Row, GroupTotal, GrandTotal };
    Kind kind = Kind::Row;
    QString text;        // group heading or total caption
    QStringList cells;   // one text per column (rows and the sums of totals)
};

// A report ready to draw or export.
struct ReportTable {
    QString title;
    QString subtitle;
    bool landscape = false;
    std::vector<ReportColumn> columns;
    std::vector<ReportLine> lines;
    int rowCount = 0;
};

class ReportDocument {
public:
    ReportDocument(QString fileName, ReportDefinition definition);

    const QString& fileName() const { return fileName_; }
    const ReportDefinition& definition() const { return definition_; }

    // Parameters are numbered from 1; an unset parameter is Null.
    int parameterCount() const { return static_cast<int>(definition_.parameters.size()); }
    ReportValueType parameterType(int number) const;
    void setParameter(int number, const QVariant& value);
    QVariant parameter(int number) const;

    // The record selection: the report's own, which callers may extend.
    QString selectionFormula() const { return selection_; }
    void setSelectionFormula(const QString& formula) { selection_ = formula; }
    // A window's filter over the query's columns, its values bound; it narrows the selection.
    const QueryConditions& boundSelection() const { return bound_; }
    void setBoundSelection(const QueryConditions& conditions) { bound_ = conditions; }

    QString databasePath() const { return databasePath_; }
    void setDatabasePath(const QString& path) { databasePath_ = path; }

    // The SQL that feeds the report and its bound values: the report's query with its
    // parameters, the selection, the bound selection and the order. Field references
    // "{Table.column}" of the selection name the result's columns.
    QString sql(QVariantList* values) const;

    // Runs the query on the database file and lays out rows, groups and totals. Throws
    // db::DbError when the file or the query fails.
    ReportTable run() const;

    // A column value as the report shows it (format picture, dates, yes/no).
    static QString formatValue(const QVariant& value, const QString& picture);

private:
    QString substituteTexts(const QString& text) const;

    QString fileName_;
    ReportDefinition definition_;
    std::vector<QVariant> parameters_;
    QString selection_;
    QueryConditions bound_;
    QString databasePath_;
};

// "{Table.column}" and "{column}" become the column's quoted name.
QString selectionToSql(const QString& formula);

}  // namespace razudar::tables
