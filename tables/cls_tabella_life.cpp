// Window life: first paint, unload with the values handed back to the calling window, the error
// boxes, the row-selection flags, the empty-result condition, pictures and the grid's filter bar.
#include "model/bas_stringa_form.h"
#include "model/basic.h"
#include "tables/cls_tabella.h"
#include "tables/field_tag.h"

namespace razudar::tables {

using namespace razudar::basic;

int clsTabella::Form_Unload(int Cancel) {
    if (!returns_[0].field) return Cancel;
    for (int i = 0; i <= int_Restituisci && i < kMaxTabelle; ++i) {
        const ReturnSlot& r = returns_[static_cast<std::size_t>(i)];
        const FieldControl* source = slot(i).edit;
        if (!r.active || !r.field || !source) continue;
        if (r.field->hasInputMask()) {
            const int length = r.field->maxLength();
            QString text = source->text();
            if (text.size() < length) text += QString(length - text.size(), u' ');
            text = text.left(length);
            if (Trim(text) != Trim(r.field->text())) r.field->setText(text);
        } else {
            const QString text = Trim(source->text());
            if (text != Trim(r.field->text())) r.field->setText(text);
        }
    }
    return Cancel;
}

void clsTabella::frm_Form_Paint(bool /*Filtrare*/) {
    if (painted_) return;
    painted_ = true;
    const bool ricerca = int_Modalita == modalita::kRicerca || int_Modalita == modalita::kRicercaDiretta;
    if (!ricerca) {
        ta_FiltraDecodifiche(0, int_NumeroCampi - 1);
        for (int i = 0; i < int_NumeroCampi; ++i) dbc_Decodifica_Valorizza(i);
        for (int i = int_CampoChiaveIniziale; i <= int_UltimoCampoChiave; ++i) {
            FieldControl* f = slot(i).edit;
            if (f && f->isVisible() && f->isEnabled()) f->setFocus();
        }
        comboChangesLive_ = true;
        Filtra();
        if (int_Modalita == modalita::kElencoVuoto && dbg_Elenco) dbg_Elenco->setFocus();
    } else {
        const bool hasRecord = dat_Tabella && dat_Tabella->recordCount() > 0;
        if (!(int_Modalita == modalita::kRicercaDiretta && hasRecord)) cmd_Tasto_Click(4);
        comboChangesLive_ = true;
    }
    if (int_Modalita != modalita::kElencoVuoto && int_Modalita != modalita::kRicerca) {
        ta_ImpostaStatoTuttiCampi();
    }
    boo_Inizializzata = true;
    if (events_) events_->Inizializzata();
}

int clsTabella::ErroreWarning(int IndiceCampo, const QString& Testo) {
    const FieldSlot& s = slot(IndiceCampo);
    const QString label = s.label ? s.label->caption() : QString();
    const QString caption = frm_Form ? frm_Form->caption() : Prompter::defaultCaption();
    const PromptAnswer answer =
        services_.prompter->show(QStringLiteral("Errore in: ") + label + QStringLiteral("\r\n\r\n") + Testo,
                                 PromptButtons::YesNo, PromptIcon::Exclamation, caption);
    if (answer == PromptAnswer::No && s.edit) s.edit->setFocus();
    return answer == PromptAnswer::Yes ? 6 : 7;
}

void clsTabella::Errore(int NumeroCampo, const QString& Testo, bool ErroriMultipli) {
    const FieldSlot& s = slot(NumeroCampo);
    QString description;
    if (s.edit && s.edit->kind() == FieldKind::CheckBox) {
        description = s.edit->caption();
    } else if (s.label) {
        description = s.label->caption();
    } else if (s.edit) {
        // A field without a label (a date or picture field) is named by its column.
        description = s.edit->dataField().mid(3);
    }
    QString message = description.isEmpty() ? QStringLiteral("Errore: ") : QStringLiteral("Errore in: ");
    if (ErroriMultipli) {
        message += QStringLiteral("\r\n\r\n");
    } else {
        message += description + QStringLiteral("\r\n\r\n");
    }
    message += Testo;
    const QString caption = frm_Form ? frm_Form->caption() : Prompter::defaultCaption();
    services_.prompter->show(message, PromptButtons::Ok, PromptIcon::Critical, caption);
    if (s.edit && tagHasFlag(s.edit->tag(), QStringLiteral("ù")) && s.combo) {
        s.combo->setFocus();
    } else if (s.edit) {
        s.edit->setFocus();
    }
}

QObject* clsTabella::da_Stringa_a_Form(const QString& NomeForm, bool Trovato) {
    return FormDaStringa(NomeForm, Trovato, *services_.prompter);
}

// ---- row flags: FlagRighe_[n] belongs to the record at position n - 1 -------------------------

void clsTabella::showFlagRow(int position) {
    if (dbg_Elenco && position >= 1) dbg_Elenco->refreshRow(position - 1);
}

void clsTabella::CreaFlag() {
    if (int_ColonnaFlag < 0 || int_Modalita == modalita::kRicerca ||
        int_Modalita == modalita::kRicercaDiretta || !dat_Tabella) {
        return;
    }
    FlagRighe_.assign(static_cast<std::size_t>(dat_Tabella->recordCount()) + 1, false);
    boo_NoFlag = false;
    if (events_) events_->CaricaFlag();
    lon_Selezionati = static_cast<int>(std::count(FlagRighe_.begin() + 1, FlagRighe_.end(), true));
    FlagRigheSalva_ = FlagRighe_;
    lon_SelezionatiSalva = lon_Selezionati;
}

bool clsTabella::Flag(int Posizione) const {
    if (Posizione < 1 || Posizione >= static_cast<int>(FlagRighe_.size())) return false;
    return FlagRighe_[static_cast<std::size_t>(Posizione)];
}

void clsTabella::Flag(int Posizione, bool f) {
    checkIndex(Posizione, static_cast<int>(FlagRighe_.size()));
    FlagRighe_[static_cast<std::size_t>(Posizione)] = f;
    showFlagRow(Posizione);
}

void clsTabella::FlagAggiungi(int Posizione, bool Selezionato) {
    if (FlagRighe_.empty()) FlagRighe_.push_back(false);
    // The new record takes Posizione with a clear flag of its own; the record that was there
    // and every later one move one place up with their flags (a copy of the displaced flag
    // would select the new record without counting it).
    const int at = qBound(1, Posizione, static_cast<int>(FlagRighe_.size()));
    FlagRighe_.insert(FlagRighe_.begin() + at, false);
    if (Selezionato) {
        Flag(at, true);
        ++lon_Selezionati;
    }
    FlagRigheSalva_ = FlagRighe_;
    lon_SelezionatiSalva = lon_Selezionati;
}

void clsTabella::FlagElimina(int Posizione) {
    if (Posizione < 1 || Posizione >= static_cast<int>(FlagRighe_.size())) return;
    if (FlagRighe_[static_cast<std::size_t>(Posizione)]) {
        --lon_Selezionati;
        lon_SelezionatiSalva = lon_Selezionati;
    }
    FlagRighe_.erase(FlagRighe_.begin() + Posizione);
    FlagRigheSalva_ = FlagRighe_;
}

void clsTabella::FlagCaricaCopia() {
    FlagRighe_ = FlagRigheSalva_;
    lon_Selezionati = lon_SelezionatiSalva.toInt();
    for (int i = 1; i < static_cast<int>(FlagRighe_.size()); ++i) showFlagRow(i);
}

int clsTabella::SelezionaTutti() {
    if (dat_Tabella && dat_Tabella->recordCount() > 0) {
        std::fill(FlagRighe_.begin() + (FlagRighe_.empty() ? 0 : 1), FlagRighe_.end(), true);
        lon_Selezionati = dat_Tabella->recordCount();
        if (dbg_Elenco) dbg_Elenco->reload();
    }
    return lon_Selezionati;
}

QString clsTabella::WhereNulla(const QString& NomeCampo, bool Facoltativa, bool AggiungiWhere) {
    const QString wanted = Trim(NomeCampo);
    for (const auto& [column, condition] : emptyValues_) {
        if (Trim(column).compare(wanted, Qt::CaseInsensitive) == 0) {
            const QString text = UCase(Trim(column)) + condition;
            return AggiungiWhere ? QStringLiteral(" where ") + text : text;
        }
    }
    if (Facoltativa) return {};
    services_.prompter->show(QStringLiteral("Utilizzare WhereNullaAggiungi prima di tb.Inizio"));
    return QStringLiteral("false");
}

void clsTabella::SalvaBMP(int Index, bool SuCampo, bool Pulisci) {
    // The picture travels between the field and its long-binary column in memory: the bytes go
    // straight into the record's value, with no temporary file to collide with another window.
    FieldControl* field = slot(Index).edit;
    if (!field || SuCampo) return;  // storing a picture belongs to the confirm action
    if (Pulisci || !dat_Tabella || dat_Tabella->absolutePosition() < 0) {
        field->setPicture({});
        return;
    }
    field->setPicture(dat_Tabella->value(field->dataField()).toByteArray());
}

void clsTabella::dbg_Elenco_FilterChange() {
    if (int_Modalita != modalita::kElenco && int_Modalita != modalita::kElencoVuoto) {
        if (CommandButton* all = buttons_[8]) all->setEnabled(!ta_FiltroColonneAttivo());
    }
    if (filterChangeRunning_) return;
    filterChangeRunning_ = true;
    try {
        Imposta_str_Wher2();
        dbg_Elenco_HeadClick(int_ColonnaOrdine, true, false, true);
    } catch (...) {
        filterChangeRunning_ = false;
        throw;
    }
    filterChangeRunning_ = false;
}

}  // namespace razudar::tables
