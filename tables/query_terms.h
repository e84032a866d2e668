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

// StartsWith takes a literal prefix; Like takes the pattern the operator typed, where "*" is
// any run of characters and "?" any one character (every other character stands for itself).
enum class TermOp { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, StartsWith, Like };

struct FilterTerm {
    QString column;
    TermOp op = TermOp::Equal;
    QVariant value;  // texts compare without regard to case, for every letter
};

// A condition written by the program (a range template of a field's Tag) whose "?" marks take
// values the operator typed, bound in order.
struct BoundCondition {
    QString text;
    QVariantList params;
};

struct QueryConditions {
    // Conditions written by the program itself (never typed text), joined with "and".
    QStringList fixedConditions;
    std::vector<FilterTerm> terms;
    std::vector<BoundCondition> boundConditions;
    bool isEmpty() const { return fixedConditions.isEmpty() && terms.empty() && boundConditions.empty(); }
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
// "(fixed) AND "col" = ? ..." or "" when there is no condition. A bound condition whose "?"
// marks do not match its values is left out (a template fault, never the operator's text).
CompiledSql compileCondition(const QueryConditions& conditions);
// " WHERE " and the condition, or "" when there is none.
CompiledSql compileWhere(const QueryConditions& conditions);
// " ORDER BY "a" DESC, "b"" or "" when there is no key.
QString compileOrderBy(const std::vector<SortKey>& keys);
// The operator text of a term ("=", "<>", ..., "LIKE").
QString termOperatorText(TermOp op);
// The LIKE pattern (escape character "\\") of an operator's pattern with "*" and "?".
QString likePattern(const QString& typed);

}  // namespace razudar::tables
