#include "tables/query_terms.h"

#include "platform/db/text_folding.h"

namespace razudar::tables {

namespace {

QString quoted(const QString& column) {
    QString inner = column;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

// A LIKE pattern that matches the prefix literally: the pattern characters are escaped.
QString prefixPattern(const QString& prefix) {
    QString escaped;
    escaped.reserve(prefix.size() + 1);
    for (QChar c : prefix) {
        if (c == u'\\' || c == u'%' || c == u'_') escaped += u'\\';
        escaped += c;
    }
    return escaped + u'%';
}

bool isText(const QVariant& value) { return value.typeId() == QMetaType::QString; }

}  // namespace

QString likePattern(const QString& typed) {
    QString out;
    out.reserve(typed.size() + 2);
    for (QChar c : typed) {
        if (c == u'*') {
            out += u'%';
        } else if (c == u'?') {
            out += u'_';
        } else {
            if (c == u'\\' || c == u'%' || c == u'_') out += u'\\';
            out += c;
        }
    }
    return out;
}

QString conditionWithoutWhere(const QString& condition) {
    const QString t = condition.trimmed();
    if (t.left(6).compare(QStringLiteral("where "), Qt::CaseInsensitive) == 0) return t.mid(6).trimmed();
    return t;
}

QString termOperatorText(TermOp op) {
    switch (op) {
    case TermOp::Equal: return QStringLiteral("=");
    case TermOp::NotEqual: return QStringLiteral("<>");
    case TermOp::Less: return QStringLiteral("<");
    case TermOp::LessOrEqual: return QStringLiteral("<=");
    case TermOp::Greater: return QStringLiteral(">");
    case TermOp::GreaterOrEqual: return QStringLiteral(">=");
    case TermOp::StartsWith:
    case TermOp::Like: return QStringLiteral("LIKE");
    }
    return QStringLiteral("=");
}

CompiledSql compileCondition(const QueryConditions& conditions) {
    CompiledSql out;
    QStringList parts;
    for (const QString& fixed : conditions.fixedConditions) {
        if (const QString c = conditionWithoutWhere(fixed); !c.isEmpty()) parts << u'(' + c + u')';
    }
    for (const FilterTerm& term : conditions.terms) {
        if (term.op == TermOp::StartsWith) {
            parts << quoted(term.column) + QStringLiteral(" LIKE ? ESCAPE '\\'");
            out.params << prefixPattern(term.value.toString());
        } else if (term.op == TermOp::Like) {
            parts << quoted(term.column) + QStringLiteral(" LIKE ? ESCAPE '\\'");
            out.params << likePattern(term.value.toString());
        } else {
            parts << quoted(term.column) + u' ' + termOperatorText(term.op) + QStringLiteral(" ?") +
                         (isText(term.value) ? QStringLiteral(" COLLATE ") + db::kCaseFoldCollation : QString());
            out.params << term.value;
        }
    }
    for (const BoundCondition& bound : conditions.boundConditions) {
        if (bound.text.count(u'?') != bound.params.size() || bound.text.contains(u';')) continue;
        parts << u'(' + bound.text + u')';
        out.params << bound.params;
    }
    out.text = parts.join(QStringLiteral(" AND "));
    return out;
}

CompiledSql compileWhere(const QueryConditions& conditions) {
    CompiledSql out = compileCondition(conditions);
    if (!out.text.isEmpty()) out.text.prepend(QStringLiteral(" WHERE "));
    return out;
}

QString compileOrderBy(const std::vector<SortKey>& keys) {
    QStringList parts;
    for (const SortKey& key : keys) {
        if (key.column.isEmpty()) continue;
        parts << quoted(key.column) + (key.descending ? QStringLiteral(" DESC") : QString());
    }
    if (parts.isEmpty()) return {};
    return QStringLiteral(" ORDER BY ") + parts.join(QStringLiteral(", "));
}

}  // namespace razudar::tables
