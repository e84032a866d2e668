#include "tables/lookups.h"

#include "model/basic.h"
#include "platform/db/db_error.h"
#include "platform/db/field_info.h"
#include "tables/cls_tabella.h"
#include "tables/field_tag.h"

namespace razudar::tables {

using namespace razudar::basic;
namespace ft = db::field_type;

namespace {

const QString kLookupFlags = QStringLiteral("[|*pc]");

// Turns the engine's reaction to combo changes off while the combo is set from its field.
class QuietCombo {
public:
    explicit QuietCombo(clsTabella& tb) : tb_(tb), saved_(tb.modificheComboAttive()) { tb.impostaModificheCombo(false); }
    ~QuietCombo() { tb_.impostaModificheCombo(saved_); }
    QuietCombo(const QuietCombo&) = delete;
    QuietCombo& operator=(const QuietCombo&) = delete;

private:
    clsTabella& tb_;
    bool saved_;
};

// The first row of the lookup matching the criteria, its `field` value; nullopt without one.
std::optional<QString> findRow(RecordSource& data, const db::Criteria& criteria, const QString& field) {
    try {
        if (!data.isOpen() || data.recordCount() == 0) return std::nullopt;
        if (!data.findFirst(criteria) || data.noMatch()) return std::nullopt;
        return CStr(data.value(field));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

QString withoutPrefix(const QString& column) { return column.mid(3); }

}  // namespace

void Lookups::dbc_Decodifica_Valorizza(clsTabella& tb, int index) {
    LookupCombo* combo = tb.dbc_Decodifica(index);
    FieldControl* field = tb.Campo(index);
    RecordSource* data = tb.dat_DecodificaRecordset(index);
    if (!combo || !field) return;
    const QuietCombo quiet(tb);
    const QString t = Trim(field->text());
    if (!data) {
        if (Trim(combo->boundValue()) != t) combo->setBoundValue(field->text());
        return;
    }
    const QString list = combo->listField();
    const QString bound = combo->boundField();
    if (!list.isEmpty() && list == bound) {
        // The field holds the description itself.
        const auto found = findRow(*data, db::Criteria::like(list, t + u'*'), list);
        combo->setBoundValue(found.value_or(QString()));
        return;
    }
    if (Trim(combo->boundValue()) != t) combo->setBoundValue(field->text());
    if (!combo->boundValue().isEmpty() || t.isEmpty() || !tagHasFlag(field->tag(), kLookupFlags) || list.isEmpty()) {
        return;
    }
    // A typed description: its start (or, with "*", any part of it), then, for a text starting
    // with "c" or "p" under that flag, its end.
    const QString start = (tagHasFlag(field->tag(), QStringLiteral("*")) ? QStringLiteral("*") : QString()) + t;
    auto found = findRow(*data, db::Criteria::like(list, start + u'*'), bound);
    const QString first = t.left(1).toLower();
    if (!found && ((first == u"c" && tagHasFlag(field->tag(), QStringLiteral("c"))) ||
                   (first == u"p" && tagHasFlag(field->tag(), QStringLiteral("p"))))) {
        found = findRow(*data, db::Criteria::like(list, u'*' + t), bound);
    }
    combo->setBoundValue(found.value_or(QString()));
}

void Lookups::ta_FiltraDecodifiche(clsTabella& tb, int first, int last) {
    for (int i = qMax(first, 0); i <= last && i < kMaxCampi; ++i) {
        RecordSource* data = tb.dat_DecodificaRecordset(i);
        const FieldControl* field = tb.Campo(i);
        if (!data || !field || Trim(data->tag).isEmpty()) continue;
        const QString prefix = data->tag.left(2);
        const QString table = data->tag.mid(3);
        std::vector<db::FieldInfo> columns;
        try {
            columns = data->database().tableFields(table);
        } catch (const std::exception&) {
        }
        const auto typeOf = [&](const QString& name) {
            for (const db::FieldInfo& c : columns) {
                if (c.name.compare(name, Qt::CaseInsensitive) == 0) return c.type;
            }
            return -1;
        };
        QueryConditions conditions;
        for (int j = 0; j < i; ++j) {
            const FieldControl* earlier = tb.Campo(j);
            if (!earlier || Trim(earlier->text()).isEmpty()) continue;
            const QString column = prefix + earlier->dataField().mid(2);
            const int type = typeOf(column);
            if (type < 0 || withoutPrefix(earlier->dataField()) == u"Descrizione" ||
                field->dataField() == u"co_Mezzo_Lungo") {
                continue;
            }
            // The earlier field's value is bound: an apostrophe in it narrows like any other text.
            const QVariant value = type == ft::kText ? QVariant(Trim(earlier->text())) : QVariant(Val(earlier->text()));
            conditions.terms.push_back({column, TermOp::Equal, value});
        }
        const QString source = QStringLiteral("select * from ") + table;
        const CompiledSql before = compileWhere(data->conditions());
        const CompiledSql after = compileWhere(conditions);
        const bool same = data->isOpen() && data->baseQuery() == source && before.text == after.text &&
                          before.params == after.params;
        if (!(same && tagHasFlag(field->tag(), QStringLiteral("ì")))) {
            try {
                data->setBaseQuery(source);
                data->setConditions(conditions);
                data->refresh();
            } catch (const std::exception&) {
                // The lookup keeps what it shows.
            }
        }
        dbc_Decodifica_Valorizza(tb, i);
    }
}

void Lookups::pic_Aggiungi_Click(clsTabella& tb, int index) {
    FieldFrame* button = tb.pic_Aggiungi(index);
    if (!button) return;
    const QString tag = button->caption();
    const auto refreshLookup = [&] {
        if (RecordSource* data = tb.dat_DecodificaRecordset(index)) {
            try {
                data->refresh();
            } catch (const std::exception&) {
            }
        }
    };
    if (tb.frm_Form && tag.compare(tb.frm_Form->name(), Qt::CaseInsensitive) == 0) {
        refreshLookup();
        return;
    }
    auto* related = dynamic_cast<RelatedWindow*>(tb.frm_Decodifica(index));
    if (!related) return;  // no window of that name in this program
    if (related->windowName() == tag && !related->hideWindow()) {
        tb.services().prompter->show(QStringLiteral("Impossibile aprire la tabella ") + tag.toUpper() +
                                         QStringLiteral(" perchè madre di quella corrente."),
                                     PromptButtons::Ok, PromptIcon::Critical);
        return;
    }
    clsTabella& other = related->tb();
    const int lastField = qMin(index, tb.int_NumeroCampi - 1);
    for (int k = 0; k <= other.int_Restituisci && k < kMaxTabelle; ++k) {
        FieldControl* r = other.Campo(k);
        if (!r) continue;
        const QString rName = withoutPrefix(r->dataField());
        for (int j = 0; j <= lastField; ++j) {
            FieldControl* f = tb.Campo(j);
            if (!f) continue;
            const QString fName = withoutPrefix(f->dataField());
            const bool match = fName == rName ||
                               (tb.ta_FlagCampoPresente(j, QStringLiteral("à")) && f->dataField().endsWith(rName)) ||
                               (tb.ta_FlagCampoPresente(j, QStringLiteral("ò")) && fName.startsWith(rName));
            if (!match) continue;
            if (index >= tb.int_NumeroCampi) {
                other.meb_Restituisci(k, false, nullptr);
            } else if (!(j != index && tb.ta_FlagCampoPresente(index, QStringLiteral("!")))) {
                other.meb_Restituisci(k, f->isEnabled(), f);
            }
            if (r->text() != f->text()) r->setText(f->text());
        }
    }
    other.ta_ImpostaStatoTuttiCampi();
    if (related->windowName() != u"frmLingua" && other.dat_Tabella && other.dat_Tabella->recordCount() > 0) {
        other.dat_Tabella->moveFirst();
    }
    related->showModal();
    tb.ta_ImpostaStatoTuttiCampi();
    if (index < tb.int_NumeroCampi) {
        refreshLookup();
        dbc_Decodifica_Valorizza(tb, index);
    }
    if (tb.fra_DatiIdentificativi && tb.fra_DatiIdentificativi->isEnabled()) {
        for (int k = tb.int_CampoChiaveIniziale - 2; k <= tb.int_CampoChiaveIniziale; ++k) {
            if (FieldControl* f = k >= 0 ? tb.Campo(k) : nullptr; f && f->isEnabled()) f->setFocus();
        }
    } else if (FieldControl* f = tb.Campo(lastField); f && f->isEnabled()) {
        f->setFocus();
    }
    related->unloadWindow();
}

}  // namespace razudar::tables
