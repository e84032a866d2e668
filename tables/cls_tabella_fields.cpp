// Field editing: typing in the key fields (dependent-key clearing, filtering, search as typed),
// the focus look, the keys of number and date-time fields, showing the current record, the
// state of every field, the empty-value test and deleting every listed record.

#include "data/table_operation.h"
#include "model/basic.h"
#include "platform/db/field_info.h"
#include "tables/cls_tabella.h"
#include "tables/date_text.h"
#include "tables/field_tag.h"
#include "tables/filter_conditions.h"

namespace razudar::tables {

using namespace razudar::basic;
namespace ft = db::field_type;

namespace {

const QString kLookupFlags = QStringLiteral("[|*pc]");

}  // namespace

int clsTabella::columnType(int index) const {
    const FieldControl* f = slot(index).edit;
    if (!f || !dat_Tabella) return -1;
    return dat_Tabella->fieldType(f->dataField());
}

bool clsTabella::isDateTimeField(int index) const {
    const FieldControl* f = slot(index).edit;
    return f && f->kind() == FieldKind::Text && f->mask() == QStringView(kDateTimeMask);
}

void clsTabella::meb_Campo_Change(int Index) {
    FieldSlot& s = slot(Index);
    if (!s.edit) return;
    // 1. A changed key empties the key fields that depend on it.
    if (!boo_NonPulireChiaviGerarchiche && Index < int_UltimoCampoChiave) {
        boo_NonPulireChiaviGerarchiche = true;
        for (int k = Index + 1; k <= int_UltimoCampoChiave; ++k) {
            FieldControl* dependent = slot(k).edit;
            if (dependent && !Trim(dependent->text()).isEmpty()) dependent->setText(QString());
        }
        boo_NonPulireChiaviGerarchiche = false;
    }
    const auto search = [&] {
        if (!dat_Tabella || boo_NonPulireChiaviGerarchiche) return;
        dat_Tabella->findFirst(ta_CriterioChiaveRicerca(true));
        CaricaCampiDaRecord(int_UltimoCampoChiave + 1, int_NumeroCampi - 1, false);
        ta_SalvaChiave();
    };
    bool lookupSearch = false;
    const bool skip = (Index < int_Filtro && boo_NonPulireChiaviGerarchiche) || !CampiCaricati_;
    if (!skip) {
        if (Index <= int_UltimoCampoChiave) {
            meb_Campo_Filtro(Index);
            const bool searches = int_Modalita == modalita::kGestione || int_Modalita == modalita::kRicerca ||
                                  int_Modalita == modalita::kRicercaDiretta;
            if (searches) {
                search();
                lookupSearch = tagHasFlag(s.edit->tag(), kLookupFlags) && boo_Inizializzata;
            }
        }
        ta_FiltraDecodifiche(Index + 1, int_NumeroCampi - 1);
    }
    dbc_Decodifica_Valorizza(Index);
    // A typed description names its record only once the field's own lookup has found its
    // code: the key is searched again with it, so the other fields show that record.
    if (lookupSearch) {
        RicercaInCorso_ = true;
        CampoRicerca_ = Index;
        search();
    }
}

void clsTabella::ta_VisualizzaRecord(bool mostra) {
    if (!boo_Inizializzata) CampiCaricati_ = false;
    CaricaCampiDaRecord(0, int_NumeroCampi - 1, mostra);
    ta_SalvaChiave();
    ta_FiltraDecodifiche(1, int_NumeroCampi - 1);
    CampiCaricati_ = true;
}

void clsTabella::ta_SalvaChiave() {
    if (!dat_Tabella || dat_Tabella->recordCount() == 0 || dat_Tabella->absolutePosition() < 0 ||
        dat_Tabella->noMatch()) {
        return;
    }
    for (int i = 0; i <= int_UltimoCampoChiave && i < kMaxChiavi; ++i) {
        const FieldControl* f = slot(i).edit;
        if (f && dat_Tabella->fieldIndex(f->dataField()) >= 0) {
            ValoriChiave_[static_cast<std::size_t>(i)] = dat_Tabella->value(f->dataField());
        }
    }
}

void clsTabella::meb_Campo_GotFocus(int Index) {
    FieldControl* f = slot(Index).edit;
    if (!f) return;
    if (f->boldOnFocus()) {
        f->setBold(true);
    } else {
        f->setBackground(kColoreFocusArgb);
    }
    if (f->kind() == FieldKind::Picture || f->kind() == FieldKind::CheckBox) return;
    if (isDateTimeField(Index)) {
        f->setSelection(12, 2);
    } else {
        f->selectAll();
    }
}

void clsTabella::meb_Campo_LostFocus(int Index) {
    FieldSlot& s = slot(Index);
    FieldControl* f = s.edit;
    if (!f) return;
    if (f->boldOnFocus()) {
        f->setBold(false);
    } else {
        f->setBackground(f->kind() == FieldKind::CheckBox ? kColoreSfondoPulsanteArgb : kColoreBiancoArgb);
        if (LookupCombo* combo = s.combo) {
            const QString text = Trim(f->text());
            if (!text.isEmpty() && !combo->text().isEmpty() && combo->boundColumnIsListColumn() &&
                f->text() != combo->text()) {
                f->setText(combo->text());
            } else if (tagHasFlag(f->tag(), kLookupFlags) && !text.isEmpty() && !combo->text().isEmpty() &&
                       Trim(combo->boundText()) != text) {
                f->setText(combo->boundText());
            }
        }
    }
    ta_ApplicaMaiuscole(Index);
}

void clsTabella::meb_Campo_Filtro(int Index) {
    if (boo_NonFiltrare || Index > int_Filtro || int_Modalita == modalita::kFiltro) return;
    Imposta_str_Wher2();
    dbg_Elenco_HeadClick(int_ColonnaOrdine, true, false, true);
}

void clsTabella::Filtra() {
    const bool saved = boo_NonFiltrare;
    boo_NonFiltrare = false;
    try {
        meb_Campo_Filtro(int_Filtro);
    } catch (...) {
        boo_NonFiltrare = saved;
        throw;
    }
    boo_NonFiltrare = saved;
}

void clsTabella::ta_AggiornaRecord(bool RicaricaRecordset) {
    if (RicaricaRecordset) {
        Imposta_str_Wher2();
        dbg_Elenco_HeadClick(int_ColonnaOrdine, true, false, true);
    }
    ta_VisualizzaRecord(false);
    if (dbg_Elenco) dbg_Elenco->reload();
}

// ---- keys ------------------------------------------------------------------------------------

void clsTabella::meb_Campo_Keydown(int Index, int& KeyCode, int /*Shift*/) {
    if (KeyCode == 13 && frm_Form) {
        CommandButton* first = buttons_[0];
        if (first && first->name() == u"Command1") frm_Form->pressHostButton(QStringLiteral("Command1"), defaultButton_);
    }
    if (isDateTimeField(Index)) dateTimeKey(Index, KeyCode);
}

bool clsTabella::dateTimeKey(int index, int& KeyCode) {
    FieldControl* f = slot(index).edit;
    if (KeyCode == 8 || KeyCode == 46) {
        CifraInSospeso_.clear();
        const auto preset = leggiData(tagRest(f->tag()));
        f->setText(dateTimeFieldText(preset ? *preset : services_.clock->now()));
        KeyCode = 0;
        return true;
    }
    const int start = f->selectionStart();
    if (KeyCode == 38 || KeyCode == 40) {
        CifraInSospeso_.clear();
        const int part = static_cast<int>(std::floor((start - 1) / 3.0));
        if (part < 0 || part > 4) return false;
        const auto date = leggiData(f->text());
        if (!date) return false;  // a text that is no date is left as it is
        const int step = KeyCode == 38 ? 1 : -1;
        QDateTime next = *date;
        switch (part) {
        case 0: next = next.addDays(step); break;
        case 1: next = next.addMonths(step); break;
        case 2: next = next.addYears(step); break;
        case 3: next = next.addSecs(3600 * step); break;
        case 4: next = next.addSecs(300 * step); break;
        }
        f->setText(dateTimeFieldText(next));
        f->setSelection(part * 3, 2);
        KeyCode = 0;
        return true;
    }
    if (KeyCode == 37 && start > 3) {
        f->setSelection(start - 3 - (start % 3), 2);
        KeyCode = 0;
    } else if (KeyCode == 39 && start <= 12) {
        const int next = start - (start % 3) + 3;
        if (next <= 12) f->setSelection(next, 2);
        KeyCode = 0;
    } else if (KeyCode == 37 || KeyCode == 39) {
        f->setSelection(start - (start % 3), 2);
        KeyCode = 0;
    }
    return true;
}

void clsTabella::typeDateTimeDigit(int index, QChar digit) {
    FieldControl* f = slot(index).edit;
    if (CifraInSospeso_.isEmpty()) {
        CifraInSospeso_ = digit;
        return;
    }
    const int start = f->selectionStart() - (f->selectionStart() % 3);
    QString text = f->text();
    if (text.size() < start + 2) text = text.leftJustified(start + 2, u' ');
    text.replace(start, 2, CifraInSospeso_ + digit);
    CifraInSospeso_.clear();
    f->setText(text);
    f->setSelection(start, 2);
}

void clsTabella::meb_Campo_KeyPress(int Index, int& KeyAscii) {
    FieldSlot& s = slot(Index);
    if (!s.edit) return;
    if (KeyAscii == 20) {  // Ctrl+T: the related table
        pic_Aggiungi_Click(Index);
        return;
    }
    if (KeyAscii == 5) {  // Ctrl+E: the lookup combo
        if (s.combo) s.combo->setFocus();
        return;
    }
    const QChar c(KeyAscii);
    if (isDateTimeField(Index)) {
        if (c.isDigit()) {
            typeDateTimeDigit(Index, c);
            KeyAscii = 0;
        }
        return;
    }
    if (tagHasFlag(s.edit->tag(), kLookupFlags) || KeyAscii < 32) return;
    QString allowed;
    switch (columnType(Index)) {
    case ft::kInteger:
    case ft::kLong: allowed = QStringLiteral("-"); break;
    case ft::kSingle:
    case ft::kDouble:
    case ft::kCurrency: allowed = QStringLiteral("-,"); break;
    default: return;
    }
    if (c.isDigit() || allowed.contains(c)) return;
    if (frm_Form) frm_Form->beep();
    KeyAscii = 0;
}

// ---- field states -----------------------------------------------------------------------------

QString clsTabella::visibleFieldSetting(int index) const {
    if (!services_.settings || !frm_Form) return QStringLiteral("1");
    return services_.settings->value(QStringLiteral("Zez"), frm_Form->name() + QStringLiteral("\\SelezionaCampi"),
                                     QStringLiteral("Campo") + QString::number(index), QStringLiteral("1"));
}

void clsTabella::ta_ImpostaStatoTuttiCampi() {
    const bool keysOpen = fra_DatiIdentificativi && fra_DatiIdentificativi->isEnabled();
    const bool diretta = int_Modalita == modalita::kRicercaDiretta;
    for (int i = 0; i <= int_UltimoCampoChiave && i < int_NumeroCampi; ++i) {
        const FieldControl* f = slot(i).edit;
        if (!f) continue;
        bool enabled = false;
        if (i > int_UltimoCampoChiaveProtetto) {
            enabled = !diretta && keysOpen &&
                      (tagHasFlag(f->tag(), QStringLiteral("é")) || (i < kMaxTabelle && boo_RestituisciAttivo_R(i)));
            if (i == int_UltimoCampoChiave && keysOpen && !diretta) enabled = true;
        }
        ta_ImpostaStatoCampo(i, enabled);
    }
    if (int_Modalita == modalita::kGestione || int_Modalita == modalita::kRicerca || diretta) {
        const bool othersOpen = fra_AltreInformazioni && fra_AltreInformazioni->isEnabled();
        for (int i = int_UltimoCampoChiave + 1; i < int_NumeroCampi; ++i) ta_ImpostaStatoCampo(i, othersOpen);
    }
}

void clsTabella::ta_ImpostaStatoCampo(int index, bool enabled) {
    FieldSlot& s = slot(index);
    if (!s.edit) return;
    bool protetto = false;
    bool invisibile = false;
    if (events_) events_->StatoCampo(index, protetto, invisibile);
    // A field switched off in the visible-fields chooser ("0") stays visible but locked.
    if (const QString setting = visibleFieldSetting(index); IsNumeric(setting) && Val(setting) == 0) protetto = true;
    s.edit->setEnabled(enabled && !protetto);
    if (s.label) s.label->setEnabled(!protetto);
    if (s.combo) s.combo->setEnabled(enabled && !protetto);
    if (s.relatedButton) s.relatedButton->setEnabled(enabled && !protetto);
    if (!boo_GestioneManualeVisibleCampi) {
        s.edit->setVisible(!tagHasFlag(s.edit->tag(), QStringLiteral("ù")) && !invisibile);
        if (s.label) s.label->setVisible(!invisibile);
        if (s.combo) s.combo->setVisible(!invisibile);
        if (s.relatedButton) s.relatedButton->setVisible(!invisibile);
    }
}

bool clsTabella::DatoNullo(int Index) const {
    const FieldControl* f = slot(Index).edit;
    if (!f) return true;
    const QString text = Trim(f->text());
    if (tagHasFlag(f->tag(), QStringLiteral("*"))) return text.isEmpty();
    if (f->kind() == FieldKind::DateControl) return !f->dateValue().has_value();
    if (columnType(Index) == ft::kDate) return !leggiData(text).has_value();
    if (f->mask() == QStringView(kDateTimeMask)) return !leggiData(text).has_value();
    return text.isEmpty();
}

bool clsTabella::ta_Assegna(QVariant& Variabile, const QVariant& AttualeValore, const QVariant& NuovoValore) {
    if (Trim(CStr(AttualeValore)) == Trim(CStr(NuovoValore))) return false;
    Variabile = NuovoValore;
    return true;
}

// ---- delete every listed record ----------------------------------------------------------------

bool clsTabella::EliminaTutto() {
    if (!dat_Tabella || dat_Tabella->recordCount() == 0) return false;
    const QString caption = frm_Form ? frm_Form->caption() : Prompter::defaultCaption();
    Prompter& prompter = *services_.prompter;
    if (prompter.show(QStringLiteral("Confermi l'eliminazione di TUTTI i dati elencati e delle eventuali sottotabelle ?"),
                      PromptButtons::YesNo, PromptIcon::Question,
                      caption + QStringLiteral(" - Elimina Tutto")) != PromptAnswer::Yes) {
        return false;
    }
    if (prompter.show(QStringLiteral("L'eliminazione di TUTTI i dati sarà irreversibile. Si vuole procedere ugualmente?"),
                      PromptButtons::YesNo, PromptIcon::Question,
                      caption + QStringLiteral(" - Elimina Tutto")) != PromptAnswer::Yes) {
        return false;
    }
    const BusyGuard busy(services_.busy);
    // Every listed record goes in one transaction: a record that cannot be deleted (after the
    // operation's own retry) rolls the others back, so the list is never left half-deleted.
    const CompiledSql sql = dat_Tabella->selectSql();
    db::Workspace& workspace = database_.currentWorkspace();
    int error = 0;
    bool ok = EseguiOperazioneTabella(nullptr, operazione_tabella::kBeginTrans, false, 0, error, &workspace, services_);
    if (ok) {
        try {
            db::Recordset rows = dat_Tabella->database().openRecordset(sql.text, sql.params);
            // A deleted row leaves the set: the first remaining row is always the next one.
            while (ok && rows.recordCount() > 0) {
                rows.moveFirst();
                ok = EseguiOperazioneTabella(&rows, operazione_tabella::kDelete, false, 0, error, nullptr, services_);
            }
        } catch (const db::DbError& e) {
            ok = false;
            error = e.number();
        }
        if (ok) {
            ok = EseguiOperazioneTabella(nullptr, operazione_tabella::kCommitTrans, false, 0, error, &workspace,
                                         services_);
        }
        if (!ok) {
            int ignored = 0;
            EseguiOperazioneTabella(nullptr, operazione_tabella::kRollback, true, kIgnoraTuttiGliErrori, ignored,
                                    &workspace, services_);
            prompter.show(QStringLiteral("Eliminazione annullata: nessun dato è stato eliminato (errore %1).").arg(error),
                          PromptButtons::Ok, PromptIcon::Critical, caption + QStringLiteral(" - Elimina Tutto"));
        }
    }
    dat_Tabella->refresh();
    if (dbg_Elenco) dbg_Elenco->reload();
    return ok;
}

// ---- conditions ------------------------------------------------------------------------------

void clsTabella::Imposta_str_Wher2() {
    if (conditions_) {
        conditions_->Imposta_str_Wher2(*this);
        return;
    }
    TableConditions builder;
    builder.Imposta_str_Wher2(*this);
}

}  // namespace razudar::tables
