#pragma once
// The condition builder of a table window: from the values typed in the filter fields and in
// the grid's filter bar it builds, in one pass,
//  - the structured terms the window's query runs with (every typed value bound, texts compared
//    without regard to case, "*" and "?" kept as the operator's wildcards);
//  - str_Wher2, the same conditions as readable SQL, for display;
//  - str_Wher2Rpt, the same conditions as a formula over the report's fields: readable text
//    for titles and records (a print hands the report the structured terms, never this text);
//  - str_Criterio, a readable description of the active conditions and of the sort order.
#include <QDateTime>
#include <QString>

#include <optional>

#include "tables/query_terms.h"
#include "tables/table_extensions.h"

namespace razudar::tables {

// One filter field as the builder sees it.
struct FilterFieldInput {
    int type = 10;              // storage type code of the field's column
    QString column;             // the column the field edits
    QString tag;                // the field's Tag: flags, an operator or a condition template
    QString value;              // the field's text
    std::optional<QDateTime> date;  // a date control's value (nullopt: read `value`)
    bool dateControl = false;
    QString reference;          // the report field reference, "{Table.column}"
    std::optional<int> currentYear;  // a typed two-digit year takes the window of this year
};

// What one filter field adds. `refusal` is set (and nothing else) when the field's Tag names no
// operator the builder knows: the field is then left out of the query.
struct FilterFieldCondition {
    QString sql;     // readable condition for str_Wher2
    QString report;  // condition for str_Wher2Rpt, empty when the report gets none
    std::optional<FilterTerm> term;
    std::optional<BoundCondition> bound;
    QString fixed;   // a literal condition written in the Tag (flag "*")
    QString refusal;
};

FilterFieldCondition filterFieldCondition(const FilterFieldInput& input);

// What one filter-bar text adds (empty `term` when the text is blank).
FilterFieldCondition filterBarCondition(int type, const QString& column, const QString& reference,
                                        const QString& typed);

// Adds what a field or filter-bar text contributes to the query's conditions.
void appendCondition(QueryConditions& conditions, const FilterFieldCondition& condition);

// The operator a Tag names (" = " for a Tag with flags or blank, else the Tag between blanks).
QString filterOperatorText(const QString& tag);

class TableConditions : public ConditionBuilder {
public:
    void Imposta_str_Wher2(clsTabella& tb) override;
};

}  // namespace razudar::tables
