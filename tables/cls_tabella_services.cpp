// Menus, report helpers, number and length services and the Tag readers of the engine.
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

#include "model/bas_utilita.h"
#include "model/basic.h"
#include "platform/db/field_info.h"
#include "tables/cls_tabella.h"
#include "tables/field_tag.h"

namespace razudar::tables {

using namespace razudar::basic;

void clsTabella::Menu(bool Attivo) {
    for (int i = 0; i < int_NumeroVociMenu && i < kMaxTabelle; ++i) {
        MenuItem* item = menus_[static_cast<std::size_t>(i)];
        if (!item) continue;
        if (boo_GestioneAutomaticaStatoMenu) {
            ta_StatoVoceMenu(i, Attivo);
        } else {
            item->setEnabled(Attivo);
        }
    }
}

void clsTabella::ta_StatoVoceMenu(int item, bool Attivo) {
    bool protetto = false;
    bool invisibile = false;
    if (events_) events_->StatoMenu(item, protetto, invisibile);
    MenuItem* menu = menus_[static_cast<std::size_t>(item)];
    menu->setEnabled(Attivo && !protetto);
    menu->setVisible(!invisibile);
}

QString clsTabella::CampoRPT(const QString& Campo) const {
    QString table = str_Recordset.mid(14);
    for (const QString& entry : tables_) {
        if (!entry.isEmpty() && entry.left(2) == Campo.left(2)) table = entry.mid(3);
    }
    return u'{' + table + u'.' + Campo + u'}';
}

void clsTabella::CaricaParametriPerStampe(const std::map<int, QString>& ParametriStampa,
                                          int TipoStampa, QStringList& Parametri,
                                          int Ordinamento) const {
    // At least 6 entries are needed so that element 6 exists.
    const int n = static_cast<int>(ParametriStampa.size());
    Parametri = QStringList();
    for (int i = 0; i <= qMax(n, 6); ++i) Parametri << QString();
    Parametri[0] = QString::number(TipoStampa);
    Parametri[6] = QString::number(Ordinamento);
    for (const auto& [number, column] : ParametriStampa) {
        if (number < 0) continue;
        while (Parametri.size() <= number) Parametri << QString();
        for (int k = 0; k <= int_UltimoCampoChiave; ++k) {
            const FieldControl* f = slot(k).edit;
            if (f && f->dataField().mid(3) == column) Parametri[number] = f->text();
        }
        if (Parametri[number].isEmpty() && column != u"Categoria") Parametri[number] = QStringLiteral("-1");
    }
}

float clsTabella::C_Sng(const QString& Testo) {
    const QString text = Trim(Testo);
    if (text.isEmpty()) return 0;
    // A point and a comma both mark the decimals.
    QString normalised = SostituisciCarattere(text, u'.', QStringLiteral(","));
    normalised.replace(u',', u'.');
    if (!IsNumeric(normalised)) return 0;
    return static_cast<float>(Val(normalised));
}

int clsTabella::LunghezzaMassimaCampo(int Index) const {
    const FieldControl* f = slot(Index).edit;
    const QString column = f ? f->dataField() : QString();
    if (column.startsWith(u"XX")) return 64;
    if (!dat_Tabella) return 64;
    const int at = dat_Tabella->fieldIndex(column);
    if (at < 0) {
        throw db::DbError(db::errors::kItemNotFound,
                          QStringLiteral("Elemento non trovato in questo insieme: %1.").arg(column));
    }
    const db::FieldInfo& info = dat_Tabella->fields()[static_cast<std::size_t>(at)];
    namespace t = db::field_type;
    switch (info.type) {
    case t::kText: return Minimo(info.size > 0 ? info.size : 64, 64);
    case t::kInteger: return 5;
    case t::kLong: return 9;
    case t::kSingle: return 9;
    case t::kDouble: return 12;
    case t::kCurrency: return 16;
    case t::kDate:
    case t::kBoolean:
    case t::kMemo:
    case t::kLongBinary: return 64;
    default: return 5;
    }
}

bool clsTabella::DatoTroppoLungo(int Index) const {
    const FieldControl* f = slot(Index).edit;
    if (!f) return false;
    return Trim(f->text()).size() > LunghezzaMassimaCampo(Index);
}

QString clsTabella::numeroNonAmmesso(int Index) const {
    const FieldControl* f = slot(Index).edit;
    if (!f || f->kind() != FieldKind::Text) return {};
    double lowest = 0;
    double highest = 0;
    switch (columnType(Index)) {
    case db::field_type::kByte: highest = 255; break;
    case db::field_type::kInteger:
        lowest = std::numeric_limits<qint16>::min();
        highest = std::numeric_limits<qint16>::max();
        break;
    case db::field_type::kLong:
        lowest = std::numeric_limits<qint32>::min();
        highest = std::numeric_limits<qint32>::max();
        break;
    default: return {};
    }
    const QString text = Trim(f->text());
    const double value = Val(text);
    // "3,7" reads as 3 but was meant as a fraction: a number whose decimals are not all 0.
    static const QRegularExpression fraction(QStringLiteral(R"(^[-+]?\d*[.,]\d*[1-9]\d*$)"));
    if (value != std::trunc(value) || text.contains(fraction) || value < lowest || value > highest) {
        return QStringLiteral("Valore non ammesso: serve un numero intero da %1 a %2")
            .arg(static_cast<qint64>(lowest))
            .arg(static_cast<qint64>(highest));
    }
    return {};
}

QString clsTabella::ta_FlagCampo(int index, int mode, const QString& flag) const {
    const FieldControl* f = slot(index).edit;
    const QString tag = f ? f->tag() : QString();
    if (mode == 1) return tagRest(tag);
    if (mode == 2) return tagHasFlag(tag, flag) ? QStringLiteral("True") : QStringLiteral("False");
    return {};
}

bool clsTabella::ta_FlagCampoPresente(int index, const QString& flag) const {
    const FieldControl* f = slot(index).edit;
    return f && tagHasFlag(f->tag(), flag);
}

bool clsTabella::ta_FlagDecodifica(int index, const QString& flag) const {
    const LookupCombo* c = slot(index).combo;
    return c && tagHasFlag(c->tag(), flag);
}

QString clsTabella::RegolaMaiuscole(int index) const { return slot(index).caseRule; }

void clsTabella::ta_ApplicaMaiuscole(int index) {
    FieldSlot& s = slot(index);
    if (!s.edit || s.caseRule.isEmpty()) return;
    const QString text = s.edit->text();
    const QString cased = applyCaseRule(text, s.caseRule);
    if (cased != text) s.edit->setText(cased);
}

void clsTabella::ta_NuovaRicerca() {
    if (dbg_Elenco) {
        for (int c = 0; c < dbg_Elenco->columnCount(); ++c) dbg_Elenco->setColumnFilterText(c, QString());
    }
    if (int_Modalita == modalita::kElencoVuoto) PulisciCampi(0, int_NumeroCampi - 1);
    dbg_Elenco_FilterChange();
}

bool clsTabella::ta_FiltroColonneAttivo() const {
    if (int_Modalita == modalita::kRicerca || int_Modalita == modalita::kRicercaDiretta) return false;
    if (!dbg_Elenco) return false;
    for (int c = 0; c < dbg_Elenco->columnCount(); ++c) {
        if (!Trim(dbg_Elenco->columnFilterText(c)).isEmpty()) return true;
    }
    return false;
}

}  // namespace razudar::tables
