#include "tables/filter_conditions.h"

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

const QString kFlagClass = QStringLiteral("[#@!òàìù°é§]");

std::optional<TermOp> namedOperator(const QString& op) {
    const QString t = op.trimmed().toUpper();
    if (t == u"=") return TermOp::Equal;
    if (t == u"<>") return TermOp::NotEqual;
    if (t == u"<") return TermOp::Less;
    if (t == u"<=") return TermOp::LessOrEqual;
    if (t == u">") return TermOp::Greater;
    if (t == u">=") return TermOp::GreaterOrEqual;
    if (t == u"LIKE") return TermOp::Like;
    return std::nullopt;
}

QString numberText(double n) { return CStr(QVariant(n)); }

// A grid column caption without its sort mark.
QString withoutSortMark(QString caption) {
    if (caption.endsWith(QStringLiteral(" <")) || caption.endsWith(QStringLiteral(" >"))) {
        caption.chop(2);
    } else if (caption.endsWith(u'<') || caption.endsWith(u'>')) {
        caption.chop(1);
    }
    return caption;
}

FilterFieldCondition refused(const QString& tag) {
    FilterFieldCondition c;
    c.refusal = QStringLiteral("Condizione non riconosciuta: %1").arg(tag.trimmed());
    return c;
}

}  // namespace

QString filterOperatorText(const QString& tag) {
    if (tagHasFlag(tag, kFlagClass) || Trim(tag).isEmpty()) return QStringLiteral(" = ");
    return u' ' + tag + u' ';
}

FilterFieldCondition filterFieldCondition(const FilterFieldInput& in) {
    FilterFieldCondition c;
    if (tagHasFlag(in.tag, QStringLiteral("*"))) {
        c.fixed = in.tag.mid(1);
        c.sql = c.fixed;
        return c;
    }
    const QString op = filterOperatorText(in.tag);
    const std::optional<TermOp> named = namedOperator(op);
    const QString t = Trim(in.value);
    if (in.type == ft::kBoolean) {
        if (!named) return refused(in.tag);
        c.sql = in.column + op + QStringLiteral(" -1");
        c.term = FilterTerm{in.column, *named, true};
        return c;
    }
    if (in.type == ft::kDate) {
        if (!named || *named == TermOp::Like) return refused(in.tag);
        std::optional<QDateTime> date = in.dateControl ? in.date : parseDateText(t, in.currentYear);
        if (!date) return refused(in.value);
        const bool nextDay = tagHasFlag(in.tag, QStringLiteral("<"));
        if (nextDay) date = date->addDays(1);
        c.sql = in.column + op + DataSql(*date);
        if (!nextDay) c.report = in.reference + op + DataSql(*date);
        c.term = FilterTerm{in.column, *named, *date};
        return c;
    }
    if (in.type == ft::kText || in.type == ft::kMemo) {
        if (t.endsWith(u'#')) {
            const QString prefix = t.left(t.size() - 1);
            c.sql = in.column + QStringLiteral(" Like '") + RaddoppiaApici(prefix) + QStringLiteral("*'");
            c.term = FilterTerm{in.column, TermOp::Like, prefix + u'*'};
            return c;
        }
        if (!named) return refused(in.tag);
        if (*named == TermOp::Like) {
            c.sql = in.column + op + u'\'' + t + QStringLiteral("*'");
            c.report = in.reference + op + u'\'' + t + QStringLiteral("*'");
            c.term = FilterTerm{in.column, TermOp::Like, t + u'*'};
            return c;
        }
        c.sql = in.column + op + u'\'' + RaddoppiaApici(t) + u'\'';
        c.report = in.reference + op + u'\'' + RaddoppiaApici(t) + u'\'';
        c.term = FilterTerm{in.column, *named, t};
        return c;
    }
    const double n = Val(t);
    if (op.startsWith(QStringLiteral(" >=")) && op.size() > 6) {
        // A range template: the value on both sides of the Tag's own condition.
        c.sql = numberText(n) + op + numberText(n);
        c.bound = BoundCondition{QStringLiteral("? ") + Trim(in.tag) + QStringLiteral(" ?"), {n, n}};
        return c;
    }
    if (!named || *named == TermOp::Like) return refused(in.tag);
    c.sql = in.column + op + numberText(n);
    c.report = in.reference + op + numberText(n);
    c.term = FilterTerm{in.column, *named, n};
    return c;
}

FilterFieldCondition filterBarCondition(int type, const QString& column, const QString& reference,
                                        const QString& typed) {
    FilterFieldCondition c;
    QString bound = Trim(typed);
    bound.remove(u'|');
    if (bound.isEmpty() || column.isEmpty()) return c;
    QString shown = bound;
    shown.remove(u'\'');
    if (type == ft::kText || type == ft::kMemo) {
        c.sql = column + QStringLiteral(" LIKE '") + shown + QStringLiteral("*'");
        c.report = QStringLiteral("totext(") + reference + QStringLiteral(") LIKE '") + shown + QStringLiteral("*'");
        c.term = FilterTerm{column, TermOp::Like, bound + u'*'};
    } else {
        const double n = Val(bound);
        c.sql = column + u'=' + numberText(n);
        c.report = reference + u'=' + numberText(n);
        c.term = FilterTerm{column, TermOp::Equal, n};
    }
    return c;
}

void appendCondition(QueryConditions& conditions, const FilterFieldCondition& c) {
    if (c.term) conditions.terms.push_back(*c.term);
    if (c.bound) conditions.boundConditions.push_back(*c.bound);
    if (!c.fixed.isEmpty()) conditions.fixedConditions << c.fixed;
}

void TableConditions::Imposta_str_Wher2(clsTabella& tb) {
    QueryConditions conditions;
    if (!Trim(tb.str_Where).isEmpty()) conditions.fixedConditions << tb.str_Where;
    QString criterio;
    QString wher2 = tb.str_Where;
    QString rpt = tb.str_Where;
    const QString table = tb.str_Recordset.mid(14);
    const auto typeOf = [&](const QString& column) {
        const int type = tb.dat_Tabella ? tb.dat_Tabella->fieldType(column) : -1;
        return type < 0 ? ft::kText : type;
    };
    // The readable texts join their pieces; the report formula never ends in a dangling "and"
    // when a condition has no report form.
    const auto add = [&](const FilterFieldCondition& c) {
        wher2 += wher2.isEmpty() ? QStringLiteral(" where ") : QStringLiteral(" and ");
        wher2 += c.sql;
        if (!c.report.isEmpty()) {
            if (!rpt.isEmpty()) rpt += QStringLiteral(" and ");
            rpt += c.report;
        }
        appendCondition(conditions, c);
    };
    const bool ricerca = tb.int_Modalita == modalita::kRicerca || tb.int_Modalita == modalita::kRicercaDiretta;
    const bool describesGrid = !ricerca && tb.int_Modalita != modalita::kElencoVuoto;
    QString caption;
    for (int i = 0; i <= tb.int_Filtro && i < kMaxCampi; ++i) {
        const FieldControl* f = tb.Campo(i);
        if (!f) continue;
        const QString t = Trim(f->text());
        if (describesGrid && tb.dbg_Elenco && i < tb.dbg_Elenco->columnCount()) {
            caption = withoutSortMark(tb.dbg_Elenco->columnCaption(i));
        }
        if (describesGrid) criterio += QStringLiteral("   ") + caption + QStringLiteral(" = ") + t;
        if (tb.DatoNullo(i) && !tagHasFlag(f->tag(), QStringLiteral("*"))) continue;
        if (tb.int_Modalita == modalita::kElencoVuoto) {
            const DescriptionLabel* label = tb.lbl_Descrizione(i);
            criterio += QStringLiteral("   ") + (label ? label->caption() : QString()) + QStringLiteral(" = ") + t;
        }
        FilterFieldInput in;
        in.column = f->dataField();
        in.type = typeOf(in.column);
        in.tag = f->tag();
        in.value = f->text();
        in.dateControl = f->kind() == FieldKind::DateControl;
        if (in.dateControl) in.date = f->dateValue();
        in.currentYear = tb.annoCorrente();
        in.reference = u'{' + table + u'.' + in.column + u'}';
        const FilterFieldCondition c = filterFieldCondition(in);
        if (!c.refusal.isEmpty()) continue;
        add(c);
    }
    if (!ricerca && tb.dbg_Elenco) {
        GridControl& grid = *tb.dbg_Elenco;
        for (int col = 0; col < grid.columnCount(); ++col) {
            const QString column = grid.columnDataField(col);
            const QString typed = grid.columnFilterText(col);
            if (Trim(typed).isEmpty() || column.isEmpty()) continue;
            const FilterFieldCondition c =
                filterBarCondition(typeOf(column), column, u'{' + table + u'.' + column + u'}', typed);
            if (!c.term) continue;
            add(c);
            QString shown = typed;
            shown.remove(u'\'');
            shown.remove(u'|');
            criterio += QStringLiteral("   ") + withoutSortMark(grid.columnCaption(col)) + QStringLiteral(" = ") +
                        Trim(shown) + u'*';
        }
        if (tb.int_ColonnaOrdine != -1 && tb.int_ColonnaOrdine < grid.columnCount()) {
            criterio = Trim(criterio + QStringLiteral("   per ") +
                            withoutSortMark(grid.columnCaption(tb.int_ColonnaOrdine)) +
                            (tb.boo_OrdineDecrescente ? QStringLiteral(" Decrescente") : QString()));
        }
    }
    tb.condizioniFiltro = std::move(conditions);
    tb.str_Wher2 = wher2;
    tb.str_Wher2Rpt = rpt;
    tb.str_Criterio = criterio;
}

}  // namespace razudar::tables
