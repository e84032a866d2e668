// The grid: header-click sort and the reload of the list, the selection-flag column, keys and
// clicks, the focus look, keeping the fields in step with the current row, the record counter
// and the key criterion that finds the current record again after a reload.
#include <optional>

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

bool isSortMark(const QString& caption) {
    return caption.endsWith(u'<') || caption.endsWith(u'>');
}

}  // namespace

std::vector<SortKey> clsTabella::chiaviOrdinamento(int colIndex) const {
    std::vector<SortKey> keys;
    if (int_ColonnaOrdine == -1 || !dbg_Elenco) return keys;
    const int first = colIndex != -1 ? colIndex : int_ColonnaOrdine;
    keys.push_back({dbg_Elenco->columnDataField(first), boo_OrdineDecrescente});
    if (int_ColonnaOrdine2 != -1) {
        keys.push_back({dbg_Elenco->columnDataField(int_ColonnaOrdine2), boo_OrdineDecrescente2});
        if (int_ColonnaOrdine3 != -1) {
            keys.push_back({dbg_Elenco->columnDataField(int_ColonnaOrdine3), boo_OrdineDecrescente3});
        }
    }
    // The key columns close the order so that rows with equal sort values keep one order from
    // one read of the list to the next (the list is read a page at a time).
    for (int k = 0; k <= int_UltimoCampoChiave; ++k) {
        const FieldControl* f = slot(k).edit;
        if (!f || f->dataField().isEmpty() || !dat_Tabella || dat_Tabella->fieldIndex(f->dataField()) < 0) continue;
        const bool present = std::any_of(keys.begin(), keys.end(), [&](const SortKey& key) {
            return key.column.compare(f->dataField(), Qt::CaseInsensitive) == 0;
        });
        if (!present) keys.push_back({f->dataField(), false});
    }
    return keys;
}

void clsTabella::dbg_Elenco_HeadClick(int ColIndex, bool Refresh, bool Inizio, bool ChiamataDaClasse) {
    if (!ChiamataDaClasse && boo_GrigliaConOrdinamentoBloccato) return;
    const bool ricerca = int_Modalita == modalita::kRicerca || int_Modalita == modalita::kRicercaDiretta;
    if (ColIndex != -1) {
        if (ColIndex == int_ColonnaFlag) return;
        if (!ricerca && dbg_Elenco && dbg_Elenco->columnDataField(ColIndex).isEmpty()) return;
        if (!Refresh && ColIndex == int_ColonnaOrdine) boo_OrdineDecrescente = !boo_OrdineDecrescente;
        if (!ricerca && int_ColonnaOrdine != -1 && dbg_Elenco && int_ColonnaOrdine < dbg_Elenco->columnCount()) {
            const QString caption = dbg_Elenco->columnCaption(int_ColonnaOrdine);
            if (isSortMark(caption)) dbg_Elenco->setColumnCaption(int_ColonnaOrdine, caption.left(caption.size() - 2));
            dbg_Elenco->setColumnHeadingBold(int_ColonnaOrdine, false);
        }
        int_ColonnaOrdine = ColIndex;
        if (!ricerca && dbg_Elenco) {
            dbg_Elenco->setColumnCaption(ColIndex, dbg_Elenco->columnCaption(ColIndex) +
                                                       (boo_OrdineDecrescente ? QStringLiteral(" >")
                                                                              : QStringLiteral(" <")));
            dbg_Elenco->setColumnHeadingBold(ColIndex, true);
        }
    }
    if (!dat_Tabella) return;
    dat_Tabella->setBaseQuery(str_Recordset);
    if (ricerca) {
        dat_Tabella->setConditions(condizioniFiltro);
        dat_Tabella->setOrder({});
    } else {
        if (!Inizio && int_Modalita != modalita::kFiltro) Imposta_str_Wher2();
        if (Inizio) {
            QueryConditions first;
            const FieldControl* f0 = int_NumeroCampi > 0 ? slot(0).edit : nullptr;
            const QString empty = f0 ? WhereNulla(f0->dataField(), true, false) : QString();
            if (!empty.isEmpty()) first.fixedConditions << empty;
            dat_Tabella->setConditions(first);
        } else {
            dat_Tabella->setConditions(condizioniFiltro);
        }
        dat_Tabella->setOrder(chiaviOrdinamento(ColIndex));
    }
    boo_NoFlag = true;
    // The record to go back to is looked for while the query runs again (one pass).
    std::optional<db::Criteria> locate;
    bool wanted = false;  // the list goes back to the saved record, or else to its first row
    if (!int_VaiUltimoRecord && int_Modalita != modalita::kElenco) {
        const FieldControl* filter = int_Filtro >= 0 && int_Filtro < kMaxCampi ? slot(int_Filtro).edit : nullptr;
        if (filter && !Trim(filter->text()).isEmpty()) {
            wanted = true;
            // Without a saved record there is nothing to find again.
            const bool saved = std::any_of(ValoriChiave_.begin(), ValoriChiave_.end(),
                                           [](const QVariant& v) { return !v.isNull(); });
            try {
                if (saved) locate = ta_CriterioChiaveRicerca(false);
            } catch (const std::exception&) {
                // No criterion: the list goes to its first row.
            }
        }
    }
    const bool found = dat_Tabella->refresh(locate ? &*locate : nullptr);
    if (dbg_Elenco) dbg_Elenco->reload();
    if (dat_Tabella->recordCount() > 0 && int_VaiUltimoRecord) {
        dat_Tabella->moveLast();
    } else if (wanted && !found && dat_Tabella->recordCount() > 0) {
        try {
            dat_Tabella->moveFirst();
            ta_VisualizzaRecord(false);
        } catch (const std::exception&) {
        }
    }
    CreaFlag();
    if (events_) events_->Totali();
    if (int_Modalita == modalita::kGestione) ta_ImpostaStatoTuttiCampi();
}

QVariant clsTabella::dbg_Elenco_UnboundColumnFetch(int row, int Col) {
    if (Col != int_ColonnaFlag || boo_NoFlag) return {};
    return Flag(row + 1);
}

void clsTabella::dbg_Elenco_DblClick() {
    if (int_ColonnaFlag < 0 || !dat_Tabella) return;
    const int position = dat_Tabella->absolutePosition();
    if (position < 0) return;
    const int n = position + 1;
    if (n >= static_cast<int>(FlagRighe_.size())) return;  // no flags (yet) for this list
    const bool now = !Flag(n);
    Flag(n, now);
    lon_Selezionati += now ? 1 : -1;
}

void clsTabella::dbg_Elenco_KeyDown(int& KeyCode, int /*Shift*/) {
    if (KeyCode == 13) cmd_Tasto_Click(4);
    if (KeyCode == 32 && int_ColonnaFlag >= 0 && dat_Tabella && dat_Tabella->absolutePosition() >= 0) {
        dbg_Elenco_DblClick();
        dat_Tabella->moveNext();
        if (dat_Tabella->eof()) dat_Tabella->moveLast();
    }
}

void clsTabella::dbg_Elenco_Click() {
    if (dat_Tabella && dat_Tabella->recordCount() == 1) ta_VisualizzaRecord(true);
}

void clsTabella::dbg_Elenco_GotFocus() {
    if (!dbg_Elenco) return;
    const bool elenco = int_Modalita == modalita::kElenco || int_Modalita == modalita::kElencoVuoto;
    if (elenco && boo_GrigliaConRigheSelezionabili) {
        dbg_Elenco->setLook(boo_GrigliaConCelleConBordo ? GridLook::RowHighlight : GridLook::NoMarquee);
    } else {
        dbg_Elenco->setLook(elenco ? GridLook::RowHighlight : GridLook::CellHighlight);
    }
}

void clsTabella::dbg_Elenco_LostFocus() {
    if (dbg_Elenco) dbg_Elenco->setLook(GridLook::Unfocused);
}

void clsTabella::dbg_Elenco_AfterUpdate() {
    // Nothing to do after a grid row is updated: the record is written by the command buttons.
}

void clsTabella::dbg_Elenco_RowColChange(int /*LastRow*/, int LastCol) {
    if (LastCol == -1) {
        RicercaInCorso_ = false;
        return;
    }
    if (RicercaInCorso_ && !RicercaPosizionata_) {
        RicercaPosizionata_ = true;
        if (dat_Tabella) dat_Tabella->findFirst(ta_CriterioChiaveRicerca(true));
    } else {
        const bool saved = boo_NonPulireChiaviGerarchiche;
        boo_NonPulireChiaviGerarchiche = true;
        ta_VisualizzaRecord(false);
        boo_NonPulireChiaviGerarchiche = saved;
    }
    RicercaInCorso_ = false;
    ta_ImpostaStatoTuttiCampi();
}

void clsTabella::dbg_Elenco_Reposition() {
    if (!dat_Tabella) return;
    const int position = dat_Tabella->absolutePosition();
    dat_Tabella->caption = QStringLiteral(" Record %1 / %2").arg(position + 1).arg(dat_Tabella->recordCount());
    if (dbg_Elenco) dbg_Elenco->showCurrentRow(position);
}

// ---- key criterion ----------------------------------------------------------------------------

namespace {

QVariant keyNumber(const QString& text) { return static_cast<qint64>(roundHalfEven(Val(text))); }

}  // namespace

db::Criteria clsTabella::ta_CriterioChiaveRicerca(bool daiCampi) const {
    std::optional<db::Criteria> all;
    for (int i = 0; i <= int_UltimoCampoChiave && i < kMaxChiavi; ++i) {
        const FieldControl* f = slot(i).edit;
        if (!f) continue;
        const QString column = f->dataField();
        const int type = dat_Tabella ? dat_Tabella->fieldType(column) : ft::kText;
        QVariant value;
        if (daiCampi) {
            const QString text = f->text();
            if (type == ft::kBoolean) {
                value = text == u"1";
            } else if (type == ft::kText) {
                value = text;
            } else if (type == ft::kDate) {
                const auto date = leggiData(text);
                value = date ? QVariant(*date) : QVariant();
            } else if (tagHasFlag(f->tag(), QString::fromUtf16(kLookupFlagCharacters)) && slot(i).combo &&
                       !slot(i).combo->text().isEmpty()) {
                value = keyNumber(u'0' + slot(i).combo->boundText());
            } else {
                const QString trimmed = Trim(text);
                const int length = LunghezzaMassimaCampo(i);
                value = keyNumber(trimmed.size() > length ? trimmed.left(length) : text);
            }
        } else {
            const QVariant& saved = ValoriChiave_[static_cast<std::size_t>(i)];
            if (type == ft::kBoolean) {
                value = !isEmptyValue(saved) && CStr(saved) != u"0" && saved.toBool();
            } else if (type == ft::kText || type == ft::kDate) {
                value = saved;
            } else {
                value = keyNumber(CStr(saved));
            }
        }
        const db::Criteria term = value.isNull() ? db::Criteria::isNull(column) : db::Criteria::equal(column, value);
        all = all ? (*all && term) : term;
    }
    return all ? *all : db::Criteria::all();
}

QString clsTabella::ta_CriterioChiave(const QString& confronto, bool daiCampi) const {
    QString text;
    for (int i = 0; i <= int_UltimoCampoChiave && i < kMaxChiavi; ++i) {
        const FieldControl* f = slot(i).edit;
        if (!f) continue;
        if (!text.isEmpty()) text += QStringLiteral(" and ");
        const QString column = f->dataField();
        const int type = dat_Tabella ? dat_Tabella->fieldType(column) : ft::kText;
        text += column + confronto;
        const QVariant saved = ValoriChiave_[static_cast<std::size_t>(i)];
        if (type == ft::kBoolean) {
            const bool truth = daiCampi ? f->text() == u"1" : saved.toBool();
            text += truth ? QStringLiteral("True") : QStringLiteral("False");
        } else if (type == ft::kText) {
            text += u'"' + (daiCampi ? f->text() : CStr(saved)) + u'"';
        } else if (type == ft::kDate) {
            const auto date = daiCampi ? leggiData(f->text())
                                       : (saved.isNull() ? std::nullopt : std::optional(saved.toDateTime()));
            text += date ? DataSql(*date) : QString();
        } else {
            const QString source = daiCampi ? f->text() : CStr(saved);
            text += QString::number(static_cast<qint64>(roundHalfEven(Val(source))));
        }
    }
    return text;
}

}  // namespace razudar::tables
