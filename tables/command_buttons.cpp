#include "tables/command_buttons.h"

#include "data/database_access.h"
#include "data/table_operation.h"
#include "model/bas_utilita.h"
#include "model/basic.h"
#include "platform/db/db_error.h"
#include "platform/db/field_info.h"
#include "tables/cls_tabella.h"
#include "tables/date_text.h"
#include "tables/field_tag.h"

namespace razudar::tables {

using namespace razudar::basic;
namespace ft = db::field_type;
namespace op = operazione_tabella;

namespace {

int typeOfColumn(const clsTabella& tb, const QString& column) {
    const int type = tb.dat_Tabella ? tb.dat_Tabella->fieldType(column) : -1;
    return type < 0 ? ft::kText : type;
}

// A key field's value as the column holds it.
QVariant keyValue(const clsTabella& tb, int i, bool fromFields) {
    const FieldControl* f = tb.Campo(i);
    if (!fromFields) return tb.valoreChiave(i);
    const QString text = Trim(f->text());
    switch (typeOfColumn(tb, f->dataField())) {
    case ft::kText:
    case ft::kMemo: return text;
    case ft::kBoolean: return f->text() == u"1" || f->text() == u"-1";
    case ft::kDate: {
        const auto date = tb.leggiData(text);
        return date ? QVariant(*date) : QVariant();
    }
    default: return static_cast<qint64>(roundHalfEven(Val(text)));
    }
}

void focusIgnoringErrors(FieldControl* f) {
    if (f && f->isEnabled() && f->isVisible()) f->setFocus();
}

QString caption(const clsTabella& tb) {
    return tb.frm_Form ? tb.frm_Form->caption() : Prompter::defaultCaption();
}

// The record of the window's table holding the given key, opened for editing.
db::Recordset openKey(const clsTabella& tb, const QueryConditions& key) {
    const CompiledSql where = compileWhere(key);
    return tb.dat_Tabella->database().openRecordset(tb.dat_Tabella->baseQuery() + where.text, where.params);
}

// The value written for field i (nullopt: the column is left as it is).
std::optional<QVariant> valueToWrite(const clsTabella& tb, int i, const db::Recordset& rs) {
    const FieldControl* f = tb.Campo(i);
    const QString column = f->dataField();
    const QString text = Trim(f->text());
    switch (typeOfColumn(tb, column)) {
    case ft::kText:
    case ft::kMemo: {
        if (text.endsWith(u'#')) return QVariant(text.left(text.size() - 1));
        const QVariant current = rs.editMode() == db::EditMode::Adding ? QVariant() : rs.value(column);
        if (current.isNull() || current.toString() != text) return QVariant(text);
        return std::nullopt;
    }
    case ft::kDate: {
        if (f->kind() == FieldKind::DateControl) {
            const auto d = f->dateValue();
            return d ? QVariant(*d) : QVariant();
        }
        // A date left as the field shows it is written back as stored: the field's text may
        // hold only two digits of its year.
        if (rs.editMode() != db::EditMode::Adding && Trim(f->text()) == Trim(tb.testoPerCampo(i, rs.value(column)))) {
            return std::nullopt;
        }
        const auto d = tb.leggiData(text);
        return d ? QVariant(*d) : QVariant();
    }
    case ft::kSingle: return QVariant(static_cast<double>(clsTabella::C_Sng(f->text())));
    case ft::kDouble: return QVariant(ValoreNumerico(text));
    case ft::kCurrency: return QVariant(Val(QStringLiteral("0") + text));
    case ft::kLongBinary: return QVariant(f->picture());
    default: return QVariant(Val(f->text()));
    }
}

void writeFields(clsTabella& tb, db::Recordset& rs, int first) {
    for (int i = first; i < tb.int_NumeroCampi; ++i) {
        const FieldControl* f = tb.Campo(i);
        if (!f || f->dataField().startsWith(u"XX") || rs.fieldIndex(f->dataField()) < 0) continue;
        if (const auto v = valueToWrite(tb, i, rs)) rs.setValue(f->dataField(), *v);
    }
}

// The key of the data control's current record: the record whose values the fields show.
QueryConditions currentRecordKey(const clsTabella& tb) {
    QueryConditions c;
    for (int i = 0; i <= tb.int_UltimoCampoChiave && i < kMaxChiavi; ++i) {
        const FieldControl* f = tb.Campo(i);
        if (f) c.terms.push_back({f->dataField(), TermOp::Equal, tb.dat_Tabella->value(f->dataField())});
    }
    return c;
}

// Fields first..last whose text cannot go into their integer column: the first of them gets
// the field error and the action stops (true).
bool numeroRifiutato(clsTabella& tb, int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (const QString reason = tb.numeroNonAmmesso(i); !reason.isEmpty()) {
            tb.Errore(i, reason, false);
            return true;
        }
    }
    return false;
}

}  // namespace

QueryConditions keyConditions(const clsTabella& tb, TermOp lastOp, bool fromFields) {
    QueryConditions c;
    for (int i = 0; i <= tb.int_UltimoCampoChiave && i < kMaxChiavi; ++i) {
        const FieldControl* f = tb.Campo(i);
        if (!f) continue;
        const QVariant v = keyValue(tb, i, fromFields);
        c.terms.push_back({f->dataField(), i == tb.int_UltimoCampoChiave ? lastOp : TermOp::Equal, v});
    }
    return c;
}

bool CommandButtons::cmd_Tasto_Click(clsTabella& tb, int Index) {
    switch (Index) {
    case tasto::kConferma: return conferma(tb);
    case tasto::kElimina: return elimina(tb);
    case tasto::kPulisci: pulisci(tb); return true;
    case tasto::kAnnulla: annulla(tb); return true;
    case tasto::kModifica: return modifica(tb, false);
    case tasto::kNuovo: return modifica(tb, true);
    case tasto::kChiudi:
        if (tb.frm_Form) tb.frm_Form->unload();
        return true;
    case tasto::kNuovaRicerca: tb.ta_NuovaRicerca(); return true;
    case tasto::kStampa:
    case tasto::kStampa2:
    case tasto::kStampa3: return stampa(tb, Index);
    case tasto::kEliminaTutto:
        if (!tb.EliminaTutto()) return false;
        if (tb.events()) tb.events()->Totali();
        return true;
    case tasto::kFiltra:
        tb.Imposta_str_Wher2();
        tb.Filtra();
        return true;
    case tasto::kCampiVisibili: return campiVisibili(tb);
    default: return true;
    }
}

// ---- the two states ------------------------------------------------------------------------

void CommandButtons::entraInModifica(clsTabella& tb) {
    const int firstOther = tb.int_UltimoCampoChiave + 1;
    if (tb.boo_GestioneAutomaticaStatoMenu) {
        tb.CaricaCampiDaRecord(firstOther, tb.int_NumeroCampi - 1, false);
        tb.Menu(false);
    } else {
        tb.Menu(false);
        tb.CaricaCampiDaRecord(firstOther, tb.int_NumeroCampi - 1, false);
    }
    if (tb.fra_AltreInformazioni) tb.fra_AltreInformazioni->setEnabled(true);
    if (tb.pic_Conferma) tb.pic_Conferma->setVisible(true);
    if (tb.fra_DatiIdentificativi) tb.fra_DatiIdentificativi->setEnabled(false);
    if (tb.pic_Modifica) tb.pic_Modifica->setVisible(false);
    tb.ta_ImpostaStatoTuttiCampi();
    if (tb.int_Modalita != modalita::kRicerca && tb.int_Modalita != modalita::kRicercaDiretta) {
        if (tb.dbg_Elenco) tb.dbg_Elenco->setTabStop(false);
        if (tb.dat_Tabella) tb.dat_Tabella->enabled = false;
    }
    if (tb.int_CampoNonChiaveIniziale == -1) {
        for (int i = tb.int_NumeroCampi - 1; i >= firstOther; --i) {
            if (tb.SaltaFocusAutomatico(i)) continue;
            if (LookupCombo* combo = tb.dbc_Decodifica(i)) combo->setFocus();
            focusIgnoringErrors(tb.Campo(i));
        }
    } else if (tb.int_CampoNonChiaveIniziale < kMaxCampi) {
        focusIgnoringErrors(tb.Campo(tb.int_CampoNonChiaveIniziale));
    }
    tb.impostaPulsantePredefinito(tasto::kConferma);
    if (CommandButton* b = tb.cmd_Tasto(tasto::kChiudi)) b->setCancel(false);
    if (CommandButton* b = tb.cmd_Tasto(tasto::kAnnulla)) b->setCancel(true);
    if (tb.events()) tb.events()->PreparaModifica();
}

void CommandButtons::fuocoChiavi(clsTabella& tb) {
    for (int k = tb.int_CampoChiaveIniziale - 2; k <= tb.int_CampoChiaveIniziale; ++k) {
        if (k >= 0 && k < kMaxCampi) focusIgnoringErrors(tb.Campo(k));
    }
}

void CommandButtons::esciDaModifica(clsTabella& tb, bool mostraRecord) {
    if (tb.fra_DatiIdentificativi) tb.fra_DatiIdentificativi->setEnabled(true);
    if (tb.pic_Modifica) tb.pic_Modifica->setVisible(true);
    if (tb.int_Modalita != modalita::kRicerca && tb.int_Modalita != modalita::kRicercaDiretta && tb.dbg_Elenco) {
        tb.dbg_Elenco->setTabStop(true);
    }
    if (tb.dat_Tabella) tb.dat_Tabella->enabled = true;
    if (tb.fra_AltreInformazioni) tb.fra_AltreInformazioni->setEnabled(false);
    if (tb.pic_Conferma) tb.pic_Conferma->setVisible(false);
    tb.ta_ImpostaStatoTuttiCampi();
    if (mostraRecord) tb.ta_VisualizzaRecord(false);
    fuocoChiavi(tb);
    tb.impostaPulsantePredefinito(tasto::kModifica);
    if (CommandButton* b = tb.cmd_Tasto(tasto::kAnnulla)) b->setCancel(false);
    if (CommandButton* b = tb.cmd_Tasto(tasto::kChiudi)) b->setCancel(true);
}

// ---- confirm ---------------------------------------------------------------------------------

bool CommandButtons::conferma(clsTabella& tb) {
    const int firstOther = tb.int_UltimoCampoChiave + 1;
    tb.Menu(false);
    for (int i = firstOther; i < tb.int_NumeroCampi; ++i) {
        if (tb.Campo(i) && tb.DatoTroppoLungo(i)) {
            tb.Errore(i, QString(), false);
            return false;
        }
    }
    if (!tb.dat_Tabella) return false;
    // A new record writes its key fields too; an existing one only the others.
    const bool adding = tb.dat_Tabella->eof() || tb.dat_Tabella->absolutePosition() < 0 || tb.dat_Tabella->noMatch();
    if (numeroRifiutato(tb, adding ? 0 : firstOther, tb.int_NumeroCampi - 1)) return false;
    for (int i = firstOther; i < tb.int_NumeroCampi; ++i) tb.PulisciErroreCampo(i);
    if (tb.events() && tb.events()->Controllo_Conferma().value_or(false)) return false;
    if (Controllo_Conferma(tb)) return false;
    tb.Menu(true);
    const Services& services = tb.services();
    const BusyGuard busy(services.busy);
    const FieldControl* lastKey = tb.Campo(tb.int_UltimoCampoChiave);
    int error = 0;
    bool stored = false;
    try {
        db::Recordset rs = openKey(tb, adding ? keyConditions(tb) : currentRecordKey(tb));
        const bool add = adding || rs.recordCount() == 0;
        qint64 progressive = lastKey ? static_cast<qint64>(roundHalfEven(Val(lastKey->text()))) : 0;
        for (int attempt = 0;; ++attempt) {
            if (add) {
                if (!EseguiOperazioneTabella(&rs, op::kAddNew, false, 0, error, nullptr, services)) break;
                writeFields(tb, rs, 0);
                if (attempt > 0 && lastKey) rs.setValue(lastKey->dataField(), progressive);
            } else {
                rs.moveFirst();
                if (!EseguiOperazioneTabella(&rs, op::kEdit, false, 0, error, nullptr, services)) break;
                writeFields(tb, rs, firstOther);
            }
            error = 0;
            stored = EseguiOperazioneTabella(&rs, op::kUpdate, false, 0, error, nullptr, services);
            if (rs.editMode() != db::EditMode::None) rs.cancelUpdate();
            // Only a new record whose progressive key collides is tried again, a bounded number
            // of times; any other failure ends the confirm.
            if (stored || !add || !tb.boo_ProgressivoAutomatico || error != db::errors::kDuplicateKey ||
                attempt >= kMaxTentativiProgressivo || !lastKey) {
                break;
            }
            ++progressive;
        }
        if (stored && add && tb.boo_ProgressivoAutomatico && lastKey &&
            Trim(lastKey->text()) != QString::number(progressive)) {
            tb.ScriviValoreCampo(tb.int_UltimoCampoChiave, progressive);
        }
    } catch (const db::DbError& e) {
        stored = false;
        services.prompter->show(databaseErrorText(e), PromptButtons::Ok,
                                PromptIcon::Critical, caption(tb));
    }
    if (!stored) return false;
    const db::Criteria key = tb.ta_CriterioChiaveRicerca(true);
    tb.dat_Tabella->refresh(&key);
    if (tb.dbg_Elenco) tb.dbg_Elenco->reload();
    tb.ta_SalvaChiave();
    esciDaModifica(tb, false);
    if (tb.int_Modalita == modalita::kRicerca && tb.frm_Form) tb.frm_Form->hide();
    if (tb.events()) tb.events()->Totali();
    return true;
}

// ---- delete ----------------------------------------------------------------------------------

bool CommandButtons::elimina(clsTabella& tb) {
    Prompter& prompter = *tb.services().prompter;
    if (!tb.dat_Tabella) return false;
    const QString remembered = tb.ta_CriterioChiave(QStringLiteral("="), true);
    const QueryConditions key = keyConditions(tb);
    tb.dat_Tabella->findFirst(tb.ta_CriterioChiaveRicerca(true));
    if (tb.dat_Tabella->noMatch() || tb.dat_Tabella->absolutePosition() < 0) {
        prompter.show(QStringLiteral("Nessun record selezionato"), PromptButtons::Ok, PromptIcon::Information);
        return false;
    }
    if (prompter.show(QStringLiteral("Confermi l'eliminazione dell'elemento corrente e delle eventuali sottotabelle ?"),
                      PromptButtons::YesNo, PromptIcon::Question,
                      caption(tb) + QStringLiteral(" - Elimina")) != PromptAnswer::Yes) {
        return false;
    }
    int error = 0;
    bool deleted = false;
    try {
        db::Recordset rs = openKey(tb, key);
        EventoRecordset(1, rs, tb.str_Recordset, remembered);
        if (rs.recordCount() > 0) {
            rs.moveFirst();
            deleted = EseguiOperazioneTabella(&rs, op::kDelete, false, 0, error, nullptr, tb.services());
        }
    } catch (const db::DbError& e) {
        prompter.show(databaseErrorText(e), PromptButtons::Ok, PromptIcon::Critical,
                      caption(tb) + QStringLiteral(" - Elimina"));
    }
    tb.dat_Tabella->refresh();
    if (tb.dbg_Elenco) tb.dbg_Elenco->reload();
    if (!deleted) return false;
    const QString now = tb.ta_CriterioChiave(QStringLiteral("="), true);
    if (now != remembered) prompter.show(remembered + QStringLiteral(" <> ") + now);
    // The next record after the deleted key: the same upper keys, a greater last key.
    const QueryConditions after = keyConditions(tb, TermOp::Greater);
    db::Criteria next = db::Criteria::all();
    for (const FilterTerm& t : after.terms) {
        next = next && (t.op == TermOp::Greater ? db::Criteria::greater(t.column, t.value)
                                                : db::Criteria::equal(t.column, t.value));
    }
    tb.dat_Tabella->findFirst(next);
    if (tb.dat_Tabella->noMatch() && tb.dat_Tabella->recordCount() > 0) tb.dat_Tabella->moveFirst();
    tb.ta_VisualizzaRecord(false);
    fuocoChiavi(tb);
    if (tb.events()) tb.events()->Totali();
    return true;
}

// ---- clear, cancel ---------------------------------------------------------------------------

void CommandButtons::pulisci(clsTabella& tb) {
    if (tb.int_Modalita == modalita::kElencoVuoto) {
        tb.PulisciCampi(0, tb.int_NumeroCampi - 1);
    } else if (tb.int_UltimoCampoModificabile >= 1) {
        tb.PulisciCampi(tb.int_UltimoCampoChiave + 1, tb.int_UltimoCampoModificabile);
    } else {
        tb.PulisciCampi(tb.int_UltimoCampoChiave + 1, tb.int_NumeroCampi - 1);
    }
}

void CommandButtons::annulla(clsTabella& tb) {
    tb.Menu(true);
    esciDaModifica(tb, true);
    const bool empty = !tb.dat_Tabella || tb.dat_Tabella->recordCount() == 0;
    if (tb.frm_Form && (tb.int_Modalita == modalita::kRicerca || (tb.int_Modalita == modalita::kRicercaDiretta && empty))) {
        tb.frm_Form->hide();
    }
}

// ---- edit and new ----------------------------------------------------------------------------

bool CommandButtons::modifica(clsTabella& tb, bool nuovo) {
    const int lastKey = tb.int_UltimoCampoChiave;
    for (int i = 0; i <= lastKey; ++i) {
        if (tb.Campo(i) && tb.DatoTroppoLungo(i)) {
            tb.Errore(i, QString(), false);
            return false;
        }
    }
    if (numeroRifiutato(tb, 0, lastKey)) return false;
    if (nuovo) {
        for (int i = 0; i < lastKey; ++i) {
            if (tb.Campo(i) && Trim(tb.Campo(i)->text()).isEmpty()) {
                tb.Errore(i, QStringLiteral("Non Può Essere Vuoto"), false);
                return false;
            }
        }
        FieldControl* last = tb.Campo(lastKey);
        if (last && tb.dat_Tabella) {
            // The highest last key under the upper keys, plus one.
            QueryConditions upper = keyConditions(tb);
            upper.terms.pop_back();
            const CompiledSql where = compileWhere(upper);
            qint64 next = 1;
            try {
                db::RowReader r = tb.dat_Tabella->database().openReader(
                    tb.dat_Tabella->baseQuery() + where.text + compileOrderBy({{last->dataField(), true}}) +
                        QStringLiteral(" LIMIT 1"),
                    where.params);
                if (!r.atEnd()) next = static_cast<qint64>(roundHalfEven(Val(CStr(r.value(r.fieldIndex(last->dataField())))))) + 1;
            } catch (const db::DbError& e) {
                tb.services().prompter->show(databaseErrorText(e), PromptButtons::Ok,
                                             PromptIcon::Critical, caption(tb));
                return false;
            }
            last->setText(QString::number(next));
            focusIgnoringErrors(last);
        }
    }
    if (tb.int_Modalita != modalita::kRicerca && tb.dbg_Elenco) tb.dbg_Elenco->endEdit();
    for (int i = 0; i <= lastKey; ++i) tb.PulisciErroreCampo(i);
    if (tb.events() && tb.events()->Controllo_Modifica().value_or(false)) return false;
    if (Controllo_Modifica(tb)) return false;
    if (tb.dat_Tabella) {
        tb.dat_Tabella->findFirst(tb.ta_CriterioChiaveRicerca(true));
        if (tb.dat_Tabella->noMatch() && tb.ta_FiltroColonneAttivo()) {
            bool present = false;
            try {
                present = openKey(tb, keyConditions(tb)).recordCount() > 0;
            } catch (const db::DbError&) {
            }
            if (present) {
                tb.services().prompter->show(
                    QStringLiteral("Impossibile inserire il dato perchè già presente. Premere il tasto 'Nuova ricerca' "
                                   "per ottenere l'elenco completo e poter modificare o eliminare il dato."),
                    PromptButtons::Ok, PromptIcon::Critical);
                return false;
            }
        }
    }
    entraInModifica(tb);
    return true;
}

// ---- print and visible fields ------------------------------------------------------------------

bool CommandButtons::stampa(clsTabella& tb, int Index) {
    const CommandButton* button = tb.cmd_Tasto(Index);
    const QString tag = button ? button->tag() : QString();
    ReportCall call;
    if (tb.int_Modalita == modalita::kRicerca || tb.int_Modalita == modalita::kRicercaDiretta) {
        call.reportName = tag;
        call.selection = tb.condizioniFiltro;
        call.condition = tb.str_Wher2Rpt;
        call.description = tb.str_Criterio;
    } else {
        const int set = static_cast<int>(Val(tag.left(2)));
        tb.CaricaParametriPerStampe(parametriStampa, set, call.parameters, 0);
        call.reportName = tag.mid(2);
    }
    lastReport = call;
    if (!reports_) {
        tb.services().prompter->show(kFunzioneNonDisponibile, PromptButtons::Ok, PromptIcon::Information, caption(tb));
        return false;
    }
    return reports_->StampaReport(call);
}

bool CommandButtons::campiVisibili(clsTabella& tb) {
    std::vector<FieldChoice> boxes;
    for (int i = tb.int_UltimoCampoChiave + 1; i < tb.int_NumeroCampi; ++i) {
        bool protetto = false;
        bool invisibile = false;
        if (tb.events()) tb.events()->StatoCampo(i, protetto, invisibile);
        if (invisibile) continue;
        FieldChoice box;
        box.field = i;
        const FieldControl* f = tb.Campo(i);
        if (f && f->kind() == FieldKind::CheckBox) box.caption = f->caption();
        if (const DescriptionLabel* label = tb.lbl_Descrizione(i)) box.caption = label->caption();
        const QString setting =
            tb.services().settings && tb.frm_Form
                ? tb.services().settings->value(QStringLiteral("Zez"), tb.frm_Form->name() + QStringLiteral("\\SelezionaCampi"),
                                                QStringLiteral("Campo") + QString::number(i), QStringLiteral("1"))
                : QStringLiteral("1");
        box.visible = Val(setting) != 0;
        boxes.push_back(box);
    }
    if (!chooser_) {
        tb.services().prompter->show(kFunzioneNonDisponibile, PromptButtons::Ok, PromptIcon::Information, caption(tb));
        return false;
    }
    const auto chosen = chooser_->choose(boxes, tb.frm_Form ? tb.frm_Form->name() : QString());
    if (!chosen) return true;
    if (tb.services().settings && tb.frm_Form) {
        for (const FieldChoice& box : *chosen) {
            tb.services().settings->save(QStringLiteral("Zez"), tb.frm_Form->name() + QStringLiteral("\\SelezionaCampi"),
                                             QStringLiteral("Campo") + QString::number(box.field),
                                             box.visible ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }
    tb.ta_ImpostaStatoTuttiCampi();
    if (tb.fra_AltreInformazioni && tb.fra_AltreInformazioni->isEnabled()) {
        for (int i = tb.int_NumeroCampi - 1; i > tb.int_UltimoCampoChiave; --i) focusIgnoringErrors(tb.Campo(i));
    }
    return true;
}

// ---- the engine's checks ---------------------------------------------------------------------

bool CommandButtons::Controllo_Conferma(clsTabella& tb) {
    QString message;
    int first = -1;
    for (int i = tb.int_UltimoCampoChiave + 1; i < tb.int_NumeroCampi; ++i) {
        const FieldControl* f = tb.Campo(i);
        if (!f) continue;
        QString name;
        if (f->kind() == FieldKind::Text) {
            if (const DescriptionLabel* label = tb.lbl_Descrizione(i)) name = label->caption();
        }
        QString slotText;
        bool inError = false;
        if (tb.ErroreCampo(i, &slotText)) {
            message += name + (!name.isEmpty() && !slotText.isEmpty() ? QStringLiteral(" - ") : QString()) + slotText +
                       u'\r';
            inError = true;
        } else if (const LookupCombo* combo = tb.dbc_Decodifica(i)) {
            if (!Trim(f->text()).isEmpty() && combo->boundText().isEmpty() && !tb.ta_FlagCampoPresente(i, QStringLiteral("#"))) {
                message += name + u'\r';
                inError = true;
            }
        }
        if (inError && first < 0) first = i;
    }
    if (first >= 0 && !message.isEmpty()) tb.Errore(first, message, true);
    return first >= 0;
}

bool CommandButtons::Controllo_Modifica(clsTabella& tb) {
    QString message;
    int first = -1;
    for (int i = tb.int_UltimoCampoChiave; i >= 0; --i) {
        const FieldControl* f = tb.Campo(i);
        if (!f) continue;
        const DescriptionLabel* label = tb.lbl_Descrizione(i);
        const QString name = label ? label->caption() : QString();
        const QString text = Trim(f->text());
        QString slotText;
        bool inError = false;
        if (tb.ErroreCampo(i, &slotText)) {
            message += name + (!slotText.isEmpty() ? QStringLiteral(" - ") : QString()) + slotText + u'\r';
            inError = true;
        } else {
            const bool optional = tb.ta_FlagCampoPresente(i, QStringLiteral("#"));
            if (text.isEmpty() && f->isVisible() && !optional) {
                message += name + u'\r';
                inError = true;
            } else if (const LookupCombo* combo = tb.dbc_Decodifica(i)) {
                const bool numeric = tb.ta_FlagCampoPresente(i, QStringLiteral("@"));
                if (!text.isEmpty() && text != u"PILOT" && combo->boundText().isEmpty() &&
                    ((!optional && !numeric) || (numeric && !IsNumeric(text)))) {
                    message += name + u'\r';
                    inError = true;
                }
            }
        }
        if (inError) first = i;  // from the last to the first: the earliest field is kept
    }
    if (first >= 0 && !message.isEmpty()) tb.Errore(first, message, true);
    return first >= 0;
}

}  // namespace razudar::tables
