#include "tables/typed_conditions.h"

#include "model/bas_utilita.h"
#include "model/basic.h"
#include "platform/db/field_info.h"
#include "tables/cls_tabella.h"
#include "tables/date_text.h"
#include "tables/field_tag.h"

namespace razudar::tables {

using namespace razudar::basic;
namespace ft = db::field_type;

namespace {

// The operator a field's Tag names, or nullopt for a Tag that is no operator.
std::optional<TermOp> tagOperator(const QString& op) {
    const QString t = op.trimmed().toUpper();
    if (t == u"=") return TermOp::Equal;
    if (t == u"<>") return TermOp::NotEqual;
    if (t == u"<") return TermOp::Less;
    if (t == u"<=") return TermOp::LessOrEqual;
    if (t == u">") return TermOp::Greater;
    if (t == u">=") return TermOp::GreaterOrEqual;
    if (t == u"LIKE") return TermOp::StartsWith;
    return std::nullopt;
}

QString readable(const FilterTerm& term, int type) {
    const QString op = term.op == TermOp::StartsWith ? QStringLiteral(" LIKE ") : u' ' + termOperatorText(term.op) + u' ';
    if (term.op == TermOp::StartsWith) return term.column + op + u'\'' + RaddoppiaApici(term.value.toString()) + QStringLiteral("*'");
    if (type == ft::kText || type == ft::kMemo) return term.column + op + u'\'' + RaddoppiaApici(term.value.toString()) + u'\'';
    if (type == ft::kDate) return term.column + op + DataSql(term.value.toDateTime());
    if (type == ft::kBoolean) return term.column + op + QStringLiteral("-1");
    return term.column + op + CStr(term.value);
}

}  // namespace

void TypedValueConditions::Imposta_str_Wher2(clsTabella& tb) {
    QueryConditions conditions;
    if (!tb.str_Where.trimmed().isEmpty()) conditions.fixedConditions << tb.str_Where;
    QStringList shown;
    const auto typeOf = [&](const QString& column) {
        return tb.dat_Tabella ? tb.dat_Tabella->fieldType(column) : ft::kText;
    };
    for (int i = 0; i <= tb.int_Filtro && i < tb.int_NumeroCampi; ++i) {
        const FieldControl* f = tb.Campo(i);
        if (!f) continue;
        const bool literal = tagHasFlag(f->tag(), QStringLiteral("*"));
        if (tb.DatoNullo(i) && !literal) continue;
        if (literal) {
            // The Tag's own condition, written by the program.
            conditions.fixedConditions << f->tag().mid(1);
            shown << f->tag().mid(1);
            continue;
        }
        const QString tag = f->tag();
        const bool hasFlags = tagHasFlag(tag, QString::fromUtf16(kFieldFlagCharacters));
        TermOp op = TermOp::Equal;
        if (!hasFlags && !Trim(tag).isEmpty()) {
            const auto named = tagOperator(tag);
            if (!named) continue;  // a condition template: its terms come with the full builder
            op = *named;
        }
        const QString column = f->dataField();
        const int type = typeOf(column);
        const QString value = Trim(f->text());
        FilterTerm term{column, op, {}};
        if (type == ft::kBoolean) {
            term.value = true;
        } else if (type == ft::kDate) {
            const auto date = f->kind() == FieldKind::DateControl ? f->dateValue() : parseDateText(value);
            if (!date) continue;
            term.value = tagHasFlag(tag, QStringLiteral("<")) ? date->addDays(1) : *date;
        } else if (type == ft::kText || type == ft::kMemo) {
            if (value.endsWith(u'#')) {
                term.op = TermOp::StartsWith;
                term.value = value.left(value.size() - 1);
            } else {
                term.value = value;
            }
        } else {
            term.value = Val(value);
        }
        shown << readable(term, type);
        conditions.terms.push_back(term);
    }
    const bool ricerca = tb.int_Modalita == modalita::kRicerca || tb.int_Modalita == modalita::kRicercaDiretta;
    if (!ricerca && tb.dbg_Elenco) {
        for (int c = 0; c < tb.dbg_Elenco->columnCount(); ++c) {
            QString typed = Trim(tb.dbg_Elenco->columnFilterText(c));
            const QString column = tb.dbg_Elenco->columnDataField(c);
            if (typed.isEmpty() || column.isEmpty()) continue;
            typed.remove(u'|');
            const int type = typeOf(column);
            FilterTerm term{column, type == ft::kText ? TermOp::StartsWith : TermOp::Equal,
                            type == ft::kText ? QVariant(typed) : QVariant(Val(typed))};
            shown << readable(term, type);
            conditions.terms.push_back(term);
        }
    }
    tb.condizioniFiltro = conditions;
    QStringList all;
    if (const QString fixed = conditionWithoutWhere(tb.str_Where); !fixed.isEmpty()) all << fixed;
    all << shown;
    tb.str_Wher2 = all.isEmpty() ? QString() : QStringLiteral(" where ") + all.join(QStringLiteral(" and "));
}

}  // namespace razudar::tables
