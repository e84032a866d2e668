#pragma once
// The conditions of a table window's query as structured terms. Every value the operator typed
// travels as a bound parameter: the only texts pasted into SQL are the program's own (the
// window's base query, its fixed condition, the registered empty-result conditions) and quoted
// column names.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <vector>

namespace razudar::tables {

enum class TermOp { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, StartsWith };

struct FilterTerm {
    QString column;
    TermOp op = TermOp::Equal;
    QVariant value;  // StartsWith takes the literal prefix (no wildcards)
};

struct QueryConditions {
    // Conditions written by the program itself (never typed text), joined with "and".
    QStringList fixedConditions;
    std::vector<FilterTerm> terms;
    bool isEmpty() const { return fixedConditions.isEmpty() && terms.empty(); }
};

struct SortKey {
    QString column;
    bool descending = false;
};

struct CompiledSql {
    QString text;
    QVariantList params;
};

// A program-written condition without its leading "where" keyword (" where a = 1" -> "a = 1").
QString conditionWithoutWhere(const QString& condition);
// " WHERE (fixed) AND "col" = ? ..." or "" when there is no condition.
CompiledSql compileWhere(const QueryConditions& conditions);
// " ORDER BY "a" DESC, "b"" or "" when there is no key.
QString compileOrderBy(const std::vector<SortKey>& keys);
// The operator text of a term ("=", "<>", ..., "LIKE").
QString termOperatorText(TermOp op);

}  // namespace razudar::tables
