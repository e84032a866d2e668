#include "tables/cls_tabella.h"

#include <stdexcept>

#include "model/basic.h"
#include "tables/field_tag.h"

namespace razudar::tables {

clsTabella::clsTabella(DatabaseState& database, const Services& services)
    : database_(database), services_(services) {}

void clsTabella::checkIndex(int i, int size) {
    if (i < 0 || i >= size) {
        throw std::out_of_range("Indice non compreso nell'intervallo: " + std::to_string(i));
    }
}

clsTabella::FieldSlot& clsTabella::slot(int i) {
    checkIndex(i, kMaxCampi);
    return fields_[static_cast<std::size_t>(i)];
}

const clsTabella::FieldSlot& clsTabella::slot(int i) const {
    checkIndex(i, kMaxCampi);
    return fields_[static_cast<std::size_t>(i)];
}

void clsTabella::AggiungiCampoSaltaFocusAutomatico(int Value) { skipFocus_.insert(Value); }

void clsTabella::ErroreCampoAggiungi(int Index, const QString& Testo) {
    FieldSlot& s = slot(Index);
    s.error = true;
    s.errorText = Testo;
}

bool clsTabella::ErroreCampo(int index, QString* testo) const {
    const FieldSlot& s = slot(index);
    if (testo) *testo = s.errorText;
    return s.error;
}

void clsTabella::PulisciErroreCampo(int index) {
    FieldSlot& s = slot(index);
    s.error = false;
    s.errorText.clear();
}

void clsTabella::SuggerisciAggiungi(const QString& NomeCampo, const QVariant& Valore,
                                    bool ValoreZeroSignificativo) {
    suggestions_.push_back({NomeCampo, Valore, ValoreZeroSignificativo});
}

void clsTabella::WhereNullaAggiungi(const QString& NomeCampo, const QString& Valore) {
    emptyValues_.emplace_back(NomeCampo, Valore);
}

void clsTabella::boo_ProteggiSplit(int Split, bool Valore) {
    checkIndex(Split, 2);
    splitProtection_[static_cast<std::size_t>(Split)] = Valore;
}

bool clsTabella::boo_ProteggiSplit(int Split) const {
    checkIndex(Split, 2);
    return splitProtection_[static_cast<std::size_t>(Split)];
}

FieldControl* clsTabella::Campo(int Index) const { return slot(Index).edit; }

void clsTabella::str_Tabelle(int i, const QString& t) {
    checkIndex(i, kMaxTabelle);
    tables_[static_cast<std::size_t>(i)] = t;
}

QString clsTabella::str_Tabelle(int i) const {
    checkIndex(i, kMaxTabelle);
    return tables_[static_cast<std::size_t>(i)];
}

bool clsTabella::boo_RestituisciAttivo_R(int i) const {
    checkIndex(i, kMaxTabelle);
    return returns_[static_cast<std::size_t>(i)].active;
}

void clsTabella::meb_Restituisci(int i, bool b, ReturnField* o) {
    checkIndex(i, kMaxTabelle);
    returns_[static_cast<std::size_t>(i)] = {o, b};
}

ReturnField* clsTabella::meb_Restituisci_R(int i) const {
    checkIndex(i, kMaxTabelle);
    return returns_[static_cast<std::size_t>(i)].field;
}

void clsTabella::mnu_Menu(int i, MenuItem* o) {
    checkIndex(i, kMaxTabelle);
    menus_[static_cast<std::size_t>(i)] = o;
}

void clsTabella::cmd_Tasto(int i, CommandButton* o) {
    checkIndex(i, kMaxTasti);
    buttons_[static_cast<std::size_t>(i)] = o;
}

CommandButton* clsTabella::cmd_Tasto(int i) const {
    checkIndex(i, kMaxTasti);
    return buttons_[static_cast<std::size_t>(i)];
}

void clsTabella::meb_Campo(int i, FieldControl* o) {
    FieldSlot& s = slot(i);
    if (!o) return;  // a control that reads "Nothing" is not registered
    s.edit = o;
    o->setBold(true);
    const CaseRuleSplit split = extractCaseRule(o->tag());
    if (split.tag != o->tag()) {
        s.caseRule = split.rule;
        o->setTag(split.tag);
    }
}

void clsTabella::dat_DecodificaRecordset(int i, RecordSource* o) { slot(i).lookupData = o; }
RecordSource* clsTabella::dat_DecodificaRecordset(int i) const { return slot(i).lookupData; }

void clsTabella::dbc_Decodifica(int i, LookupCombo* o) {
    slot(i).combo = o;
    if (o) o->setBold(true);
}

LookupCombo* clsTabella::dbc_Decodifica(int i) const { return slot(i).combo; }

void clsTabella::dbc_Decodifica_Change(int Index) {
    if (!comboChangesLive_) return;
    const FieldSlot& s = slot(Index);
    if (s.combo) ScriviValoreCampo(Index, s.combo->text());
}

void clsTabella::dbc_Decodifica_KeyUp(int Index, int KeyCode, int /*Shift*/) {
    if (KeyCode == 27) {
        CommandButton* cancel3 = buttons_[3];
        CommandButton* cancel5 = buttons_[5];
        if (!cancel3 || !cancel5) return;
        if (cancel5->isCancel()) {
            cmd_Tasto_Click(5);
        } else if (cancel3->isCancel()) {
            cmd_Tasto_Click(3);
        }
    } else if (KeyCode == 8 || KeyCode == 46) {
        if (FieldControl* f = slot(Index).edit) f->setText(QString());
    }
}

void clsTabella::dbc_Decodifica_Click(int Index, int Area) {
    if (Area == 0 || Area == 2) dbc_Decodifica_Change(Index);
}

void clsTabella::frm_Decodifica(int i, QObject* o) { slot(i).relatedWindow = o; }
QObject* clsTabella::frm_Decodifica(int i) const { return slot(i).relatedWindow; }

void clsTabella::pic_Aggiungi(int i, FieldFrame* o) {
    FieldSlot& s = slot(i);
    s.relatedButton = o;
    if (!o) return;
    // The button's Tag names the related window; no window is registered by name in this
    // program, so the lookup (silenced) finds nothing.
    s.relatedWindow = da_Stringa_a_Form(o->caption(), true);
    if (i < int_NumeroCampi) o->setVisible(true);
}

FieldFrame* clsTabella::pic_Aggiungi(int i) const { return slot(i).relatedButton; }

void clsTabella::lbl_Descrizione(int i, DescriptionLabel* o) { slot(i).label = o; }
DescriptionLabel* clsTabella::lbl_Descrizione(int i) const { return slot(i).label; }

// ---- lookups: the lookup handler does the work when the window has one -----------------------

void clsTabella::pic_Aggiungi_Click(int Index) {
    if (lookups_) lookups_->pic_Aggiungi_Click(*this, Index);
}

void clsTabella::dbc_Decodifica_Valorizza(int Index) {
    if (lookups_) lookups_->dbc_Decodifica_Valorizza(*this, Index);
}

void clsTabella::ta_FiltraDecodifiche(int first, int last) {
    if (lookups_) lookups_->ta_FiltraDecodifiche(*this, first, last);
}

// ---- command buttons ----------------------------------------------------------------------

bool clsTabella::cmd_Tasto_Click(int Index) {
    if (commands_) return commands_->cmd_Tasto_Click(*this, Index);
    // Without the command handler the engine answers the buttons that need nothing more than
    // this part of it: close, new search, delete all and apply the filter.
    switch (Index) {
    case 5:
        if (frm_Form) frm_Form->unload();
        return true;
    case 6:
        ta_NuovaRicerca();
        return true;
    case 8:
        if (!EliminaTutto()) return false;
        if (events_) events_->Totali();
        return true;
    case 11:
        Imposta_str_Wher2();
        Filtra();
        return true;
    default:
        return true;
    }
}

void clsTabella::impostaPulsantePredefinito(int index) {
    defaultButton_ = index;
    if (CommandButton* b = buttons_.at(static_cast<std::size_t>(index))) b->setDefault(true);
}

}  // namespace razudar::tables
