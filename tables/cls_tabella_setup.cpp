// Table window set-up (ta_Inizio) and the routines that write values into the fields: the
// suggested values, the current record, the Tag presets and one value into one field.
#include "model/bas_utilita.h"
#include "model/basic.h"
#include "platform/db/field_info.h"
#include "tables/cls_tabella.h"
#include "tables/date_text.h"
#include "tables/field_tag.h"

namespace razudar::tables {

using namespace razudar::basic;

namespace {

// Runs a cosmetic step whose failure must not stop the set-up.
template <typename F>
void ignoringErrors(F&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace

bool clsTabella::ta_Inizio(bool NonCentrare, const QString& dbase) {
    const BusyGuard busy(services_.busy);
    const bool gestione = int_Modalita == modalita::kGestione || int_Modalita == modalita::kRicerca ||
                          int_Modalita == modalita::kRicercaDiretta;
    const bool ricerca = int_Modalita == modalita::kRicerca || int_Modalita == modalita::kRicercaDiretta;
    setupError_.reset();
    try {
        if (gestione) {
            if (fra_DatiIdentificativi) fra_DatiIdentificativi->setBold(true);
            if (fra_AltreInformazioni) fra_AltreInformazioni->setBold(true);
        }
        if (dbg_Elenco && (int_Modalita == modalita::kGestione || int_Modalita == modalita::kElenco ||
                           int_Modalita == modalita::kElencoVuoto)) {
            dbg_Elenco->setResizing(boo_GrigliaConRigheRidimensionabili, boo_GrigliaConColonneRidimensionabili);
            dbg_Elenco->setRowSelection(boo_GrigliaConRigheSelezionabili);
            if (!boo_GrigliaNonInGrassetto) dbg_Elenco->setFontBold(true);
            dbg_Elenco_LostFocus();
        }
        if (!NonCentrare && frm_Form) frm_Form->centre();
        for (ReturnSlot& r : returns_) r = ReturnSlot{};

        // The data controls read the given file, or the database of the current slot.
        db::Database base;
        if (dbase.isEmpty()) {
            base = database_.current();
        } else {
            base = db::Database::open(dbase);
        }
        for (int i = 0; i < int_NumeroCampi; ++i) {
            if (RecordSource* lookup = slot(i).lookupData) lookup->setDatabase(base);
        }
        if (int_Modalita != modalita::kFiltro && dat_Tabella) {
            dat_Tabella->setDatabase(base);
            dat_Tabella->setBaseQuery(str_Recordset);
            dat_Tabella->onReposition = [this] { dbg_Elenco_Reposition(); };
        }
        if (!ricerca && dbg_Elenco) {
            for (int c = 0; c < dbg_Elenco->columnCount(); ++c) {
                const QString field = dbg_Elenco->columnDataField(c);
                if (!field.isEmpty()) dbg_Elenco->setColumnCaption(c, field.mid(3));
            }
        }
        if (gestione) {
            if (fra_DatiIdentificativi) {
                fra_DatiIdentificativi->setEnabled(true);
                fra_DatiIdentificativi->setCaption(QStringLiteral("Dati Id."));
            }
            if (fra_AltreInformazioni) {
                fra_AltreInformazioni->setEnabled(false);
                fra_AltreInformazioni->setCaption(QStringLiteral("Altre Info"));
            }
            impostaPulsantePredefinito(4);
        }
        if (int_Modalita != modalita::kElenco && int_Modalita != modalita::kElencoVuoto) {
            static const std::pair<int, const char16_t*> captions[] = {
                {0, u"OK"}, {3, u"Annulla"}, {5, u"Esci"}, {1, u"&Elimina"}, {4, u"Modifica/Inser"},
                {2, u"&Pulisci"}, {6, u"Nuova &Ricerca"}, {8, u"Elimina &Tutto"}, {9, u"&Nuovo"}};
            for (const auto& [number, caption] : captions) {
                if (CommandButton* b = buttons_[static_cast<std::size_t>(number)]) {
                    b->setCaption(QString::fromUtf16(caption));
                    if (number == 5) b->setCancel(true);
                }
            }
            for (int i = 0; i < int_NumeroTasti && i < kMaxTasti; ++i) {
                if (CommandButton* b = buttons_[static_cast<std::size_t>(i)]) b->setTabStop(false);
            }
        }
        for (int i = 0; i < int_NumeroCampi; ++i) {
            FieldSlot& s = slot(i);
            if (s.label && s.edit && s.label->caption().startsWith(u"Label")) {
                s.label->setCaption(s.edit->dataField().mid(3));
            }
            if (s.combo) {
                s.combo->setBackground(kColoreSfondoPulsanteArgb);
                s.combo->setTabStop(false);
            }
        }
        str_Wher2 = str_Where;
        condizioniFiltro = QueryConditions{};
        if (!str_Where.trimmed().isEmpty()) condizioniFiltro.fixedConditions << str_Where;
        if (boo_GestioneAutomaticaStatoMenu) Menu(true);
        if (int_Modalita == modalita::kGestione || int_Modalita == modalita::kElenco) {
            if (dbg_Elenco) dbg_Elenco->setTabStop(true);
            dbg_Elenco_HeadClick(int_ColonnaOrdine, true, true, true);
        }
        for (int i = int_NumeroCampi - 1; i >= 0; --i) {
            FieldSlot& s = slot(i);
            if (s.edit && tagHasFlag(s.edit->tag(), QStringLiteral("ù"))) {
                s.edit->setVisible(false);
                if (s.combo) s.combo->setTabStop(true);
            }
        }
        if (int_Modalita != modalita::kElencoVuoto && int_Modalita != modalita::kRicerca) {
            ta_ImpostaStatoTuttiCampi();
        }
        if (int_Modalita == modalita::kGestione || int_Modalita == modalita::kElenco) {
            ApplicaSuggerimenti(0, int_Filtro);
            meb_Campo_Filtro(0);
            if (int_Modalita == modalita::kGestione && dat_Tabella && dat_Tabella->isOpen() &&
                !dat_Tabella->eof()) {
                ignoringErrors([&] {
                    dat_Tabella->moveFirst();
                    ta_VisualizzaRecord(false);
                });
            }
        }
        if (int_Modalita == modalita::kFiltro) {
            PulisciCampi(0, int_Filtro);
            ApplicaSuggerimenti(0, int_Filtro);
        }
        setupDone_ = true;
        if (int_Modalita <= modalita::kElenco) {
            ApplicaSuggerimenti(int_Filtro + 1, int_UltimoCampoChiave);
        } else if (int_NumeroCampi > 0 && dat_Tabella && slot(0).edit) {
            // The list starts empty: the record source selects nothing until a filter is set.
            QueryConditions empty;
            empty.fixedConditions << WhereNulla(slot(0).edit->dataField(), false, false);
            dat_Tabella->setConditions(empty);
            dat_Tabella->refresh();
        }
    } catch (const db::DbError& e) {
        setupError_ = e;
        return false;
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void clsTabella::ApplicaSuggerimenti(int first, int last) {
    for (int f = first; f <= last; ++f) {
        FieldControl* field = slot(f).edit;
        if (!field) continue;
        const QString column = field->dataField().mid(2, 20);
        for (const Suggestion& s : suggestions_) {
            const QString value = Trim(CStr(s.value));
            if (column.compare(u'_' + s.column, Qt::CaseInsensitive) != 0) continue;
            if (value.isEmpty() || value == u"-1") continue;
            if (!s.zeroSignificant && value == u"0") continue;
            field->setText(value);
        }
    }
}

void clsTabella::CaricaCampiDaRecord(int first, int last, bool lasciaFineInsieme) {
    if (!dat_Tabella) return;
    if (lengthCheck_) {
        for (int f = first; f <= last; ++f) {
            FieldControl* field = slot(f).edit;
            if (!field || field->dataField().startsWith(u"XX") || field->kind() != FieldKind::Text) continue;
            if (dat_Tabella->fieldIndex(field->dataField()) < 0) continue;
            if (field->mask().isEmpty()) field->setMaxLength(LunghezzaMassimaCampo(f));
        }
        lengthCheck_ = false;
    }
    const bool noRecord = (dat_Tabella->eof() && !lasciaFineInsieme) || dat_Tabella->absolutePosition() < 0 ||
                          dat_Tabella->noMatch();
    for (int f = first; f <= last; ++f) {
        FieldControl* field = slot(f).edit;
        if (!field) continue;
        if (noRecord) {
            if (dat_Tabella->eof() && lasciaFineInsieme) continue;
            PulisciCampi(f, f);
        } else if (field->kind() == FieldKind::Picture) {
            SalvaBMP(f, false, false);
        } else if (dat_Tabella->fieldIndex(field->dataField()) >= 0) {
            ScriviValoreCampo(f, dat_Tabella->value(field->dataField()));
        }
    }
    if (boo_GestioneAutomaticaStatoMenu) Menu(true);
}

void clsTabella::PulisciCampi(int first, int last) {
    for (int f = first; f <= last; ++f) {
        FieldControl* field = slot(f).edit;
        if (!field) continue;
        const QString tag = field->tag();
        switch (field->kind()) {
        case FieldKind::DateControl:
            if (leggiData(tag)) ScriviValoreCampo(f, tag);
            break;
        case FieldKind::Picture:
            SalvaBMP(f, false, true);
            break;
        case FieldKind::CheckBox:
            field->setText(tag.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
            break;
        case FieldKind::Text:
            if (tag.left(4).compare(u"like", Qt::CaseInsensitive) == 0) {
                ScriviValoreCampo(f, tag.mid(4));
            } else if (!tag.contains(u'*') && tag.startsWith(u">= ")) {
                ScriviValoreCampo(f, tag.mid(3));
            } else {
                ScriviValoreCampo(f, QString());
            }
            break;
        }
    }
}

void clsTabella::ScriviValoreCampo(int index, const QVariant& value) {
    FieldControl* field = slot(index).edit;
    if (!field) return;
    switch (field->kind()) {
    case FieldKind::CheckBox: {
        bool truth = false;
        if (value.typeId() == QMetaType::Bool) {
            truth = value.toBool();
        } else if (const auto n = numberOf(value)) {
            truth = *n != 0;
        } else {
            const QString t = Trim(CStr(value));
            truth = t.compare(u"True", Qt::CaseInsensitive) == 0;
        }
        field->setText(truth ? QStringLiteral("1") : QStringLiteral("0"));
        return;
    }
    case FieldKind::Picture:
        return;
    case FieldKind::DateControl: {
        if (value.isNull()) {
            field->setDateValue(std::nullopt);
            return;
        }
        QVariant v = value;
        if (tagHasFlag(field->tag(), QStringLiteral("§"))) {
            const QString rest = CStr(value).mid(1);
            if (leggiData(rest)) v = rest;
        }
        if (v.typeId() == QMetaType::QDateTime) {
            field->setDateValue(v.toDateTime());
        } else {
            field->setDateValue(leggiData(CStr(v)));
        }
        return;
    }
    case FieldKind::Text:
        break;
    }
    const QString mask = field->mask();
    const QString text = testoPerCampo(index, value);
    const bool dateMask = mask == QStringView(kDateTimeMask) || mask == QStringView(kDateMask);
    const bool changed = mask.isEmpty() ? field->text() != text : Trim(field->text()) != Trim(text);
    if (dateMask || changed) field->setText(text);
}

QString clsTabella::testoPerCampo(int index, const QVariant& value) const {
    const FieldControl* field = slot(index).edit;
    if (!field) return {};
    const QString mask = field->mask();
    if (mask.isEmpty()) {
        QString text = value.typeId() == QMetaType::QDateTime ? DataTesto(value) : CStr(value);
        if (tagHasFlag(field->tag(), QStringLiteral("°")) && Trim(text) == u"0") text.clear();
        return Trim(text);
    }
    if (mask == QStringView(kDateTimeMask)) {
        // An empty date-time field: the mask's blanks (the current date is not forced in).
        if (value.isNull()) return {};
        const std::optional<QDateTime> date = value.typeId() == QMetaType::QDateTime
                                                  ? std::optional<QDateTime>(value.toDateTime())
                                                  : leggiData(CStr(value));
        return date ? dateTimeFieldText(*date) : QString();
    }
    if (mask == QStringView(kDateMask)) return value.isNull() ? QStringLiteral("  /  /    ") : CStr(value);
    const int length = field->maxLength();
    QString text = CStr(value);
    if (text.size() < length) text += QString(length - text.size(), field->promptChar());
    return text.left(length);
}

std::optional<int> clsTabella::annoCorrente() const {
    if (!services_.clock) return std::nullopt;
    return services_.clock->now().date().year();
}

std::optional<QDateTime> clsTabella::leggiData(const QString& text) const { return parseDateText(text, annoCorrente()); }

}  // namespace razudar::tables
