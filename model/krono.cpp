#include "model/krono.h"

#include "model/basic.h"
#include "model/monitor_settings_reloader.h"
#include "model/race_codes.h"

namespace razudar {

namespace {
// Fixed monitor positions of the layout loaded without flags.
constexpr int kDefaultMonitorFixedPositions = 10;
}  // namespace

clsKrono::clsKrono() { initialise(nullptr); }

clsKrono::clsKrono(MonitorSettingsReloader& monitorSettings) { initialise(&monitorSettings); }

void clsKrono::initialise(MonitorSettingsReloader* monitorSettings)
{
    // The race record and the empty collections exist as members. Then, in this order: fresh
    // monitor settings (and layout), empty slots, default slot types, the monitor's next position.
    int fixedPositions = kDefaultMonitorFixedPositions;
    if (monitorSettings) {
        monitorSettings->reloadMonitorSettings();
        fixedPositions = monitorSettings->monitorFixedPositions();
    }
    for (RankedSlot& s : slots_)
        s.assign({}, {}, 0);
    slotTypes_[0] = 0;
    for (int i = 1; i < kSlotCount; ++i)
        slotTypes_[static_cast<std::size_t>(i)] = 1;
    for (int i = kFirstSplitSlot; i < kFirstSplitSlot + kMaxRankedSplits; ++i)
        slotTypes_[static_cast<std::size_t>(i)] = 2;
    slotTypes_[kStartOrderSlot] = 3;
    posizioneVisualizzata_ = basic::narrowToInteger(qint64(fixedPositions) + 1);
}

qint32 clsKrono::TipoClassifica(qint32 Classifica) const
{
    if (Classifica < 0 || Classifica >= kSlotCount)
        return -1;
    return slotTypes_[static_cast<std::size_t>(Classifica)];
}

bool clsKrono::setTipoClassifica(qint32 Classifica, qint32 value)
{
    const auto narrowed = basic::toInteger(value);
    if (Classifica < 0 || Classifica >= kSlotCount || !narrowed)
        return false;
    slotTypes_[static_cast<std::size_t>(Classifica)] = *narrowed;
    return true;
}

// ---- competitor registry ----------------------------------------------------------------------

void clsKrono::ConcorrenteAdd(std::shared_ptr<clsConcorrente> Item, qint16 Concorrente)
{
    if (!Item)
        Item = std::make_shared<clsConcorrente>();
    Item->watchCategoryChanges(categoryRevision_);
    competitors_.put(Concorrente, std::move(Item));
    ++*categoryRevision_;
}

std::shared_ptr<clsConcorrente> clsKrono::ConcorrenteItem(qint16 Concorrente) const
{
    if (const auto* stored = competitors_.find(Concorrente))
        return *stored;
    return std::make_shared<clsConcorrente>();
}

const clsConcorrente* clsKrono::findConcorrente(qint16 Concorrente) const
{
    const auto* stored = competitors_.find(Concorrente);
    return stored ? stored->get() : nullptr;
}

bool clsKrono::ConcorrenteExists(qint16 Concorrente) const { return competitors_.contains(Concorrente); }

QList<qint16> clsKrono::ElencoConcorrenti() const
{
    QList<qint16> numbers;
    numbers.reserve(static_cast<qsizetype>(competitors_.size()));
    for (const auto& entry : competitors_.entries())
        numbers.append(entry.first);
    return numbers;
}

int clsKrono::ConcorrenteDaPettorale(qint16 Pettorale) const
{
    if (Pettorale == 0)
        return -1;
    for (const auto& entry : competitors_.entries()) {
        if (entry.second->Pettorale() == Pettorale)
            return entry.second->Concorrente();
    }
    return -1;
}

int clsKrono::PettoraleDaConcorrente(qint16 Concorrente, bool bPettoraleStampa) const
{
    for (const auto& entry : competitors_.entries()) {
        const clsConcorrente& c = *entry.second;
        if (c.Concorrente() == Concorrente)
            return bPettoraleStampa ? c.PettoraleStampa() : c.Pettorale();
    }
    return -1;
}

// ---- categories -------------------------------------------------------------------------------

void clsKrono::CategoriaAdd(std::shared_ptr<clsCategoria> Value)
{
    // Positions are 16-bit: the list holds at most 32,767 categories.
    if (categories_.size() >= static_cast<std::size_t>(basic::kIntegerMax))
        return;
    categories_.push_back(Value ? std::move(Value) : std::make_shared<clsCategoria>());
}

std::shared_ptr<clsCategoria> clsKrono::CategoriaItem(const QString& Categoria) const
{
    const qint16 position = CategoriaOrdine(Categoria);
    if (position > 0)
        return categories_[static_cast<std::size_t>(position - 1)];
    return std::make_shared<clsCategoria>();
}

qint16 clsKrono::CategoriaCount() const { return static_cast<qint16>(categories_.size()); }

std::shared_ptr<clsCategoria> clsKrono::CategoriaInOrdine(qint16 Ordine) const
{
    if (Ordine < 1 || static_cast<std::size_t>(Ordine) > categories_.size())
        return nullptr;
    return categories_[static_cast<std::size_t>(Ordine - 1)];
}

qint16 clsKrono::CategoriaOrdine(const QString& Categoria) const
{
    for (std::size_t i = 0; i < categories_.size(); ++i) {
        if (categories_[i]->Categoria() == Categoria)
            return static_cast<qint16>(i + 1);
    }
    return -1;
}

// ---- start lists ------------------------------------------------------------------------------

qint16 clsKrono::PartenteInPosizione(int Posizione) const
{
    if (Posizione < 1 || Posizione > expectedStarters_.size())
        return 0;
    return expectedStarters_.at(Posizione - 1);
}

qint16 clsKrono::TotalePartentiAttesi() const { return basic::narrowToInteger(expectedStarters_.size()); }

void clsKrono::PartenteAggiungi(qint16 Concorrente)
{
    expectedStarters_.append(Concorrente);
    declaredStarters_.append(Concorrente);
}

void clsKrono::PartenteRimuovi(qint16 Concorrente) { expectedStarters_.removeFirst(Concorrente); }

bool clsKrono::ConcorrentePartente(qint16 Concorrente) const { return declaredStarters_.contains(Concorrente); }

int clsKrono::ConcorrentePartenteInPosizione(qint16 /*Manche*/, int Posizione, const QString& Categoria) const
{
    if (Categoria == clsConcorrente::kAllCategories) {
        if (Posizione >= 1 && Posizione <= declaredStarters_.size())
            return declaredStarters_.at(Posizione - 1);
        return -1;
    }
    int count = 0;
    for (const qint16 starter : declaredStarters_) {
        const clsConcorrente* c = findConcorrente(starter);
        if (c && c->CategoriaPresente(Categoria) && ++count == Posizione)
            return starter;
    }
    return -1;
}

int clsKrono::TotalePartenti(qint16 /*Manche*/, const QString& Categoria) const
{
    if (Categoria == clsConcorrente::kAllCategories)
        return static_cast<int>(declaredStarters_.size());
    int count = 0;
    for (const qint16 starter : declaredStarters_) {
        const clsConcorrente* c = findConcorrente(starter);
        if (c && c->CategoriaPresente(Categoria))
            ++count;
    }
    return count;
}

qint32 clsKrono::OrdinePartenza(qint16 Manche, qint16 Concorrente) const
{
    const clsRisultati* r = findRunResult(Concorrente, Manche);
    return r ? r->OrdinePartenza() : 0;
}

bool clsKrono::setOrdinePartenza(qint16 Manche, qint16 Concorrente, qint32 value)
{
    const auto* stored = competitors_.find(Concorrente);
    if (!stored || Manche < 0 || Manche >= clsConcorrente::kRunSlots)
        return false;
    return (*stored)->Risultati(Manche)->setOrdinePartenza(value);
}

// ---- heat pairs -------------------------------------------------------------------------------

void clsKrono::ElencoCoppieSfideAdd(qint16 Sfida, qint16 value)
{
    if (QList<qint16>* heat = heats_.find(Sfida)) {
        heat->append(value);
        return;
    }
    heats_.put(Sfida, QList<qint16>{value});
}

QList<qint16> clsKrono::ElencoConcorrentiSfida(qint16 Sfida) const
{
    // Looked up by heat number: heats numbered from any value are found.
    const QList<qint16>* heat = heats_.find(Sfida);
    return heat ? *heat : QList<qint16>();
}

QList<qint16> clsKrono::ElencoSfide() const
{
    QList<qint16> numbers;
    for (const auto& entry : heats_.entries())
        numbers.append(entry.first);
    return numbers;
}

qint16 clsKrono::ConcorrenteParallelo(qint16 Sfida, bool bConcorrenteA) const
{
    const QList<qint16>* heat = heats_.find(Sfida);
    if (!heat || heat->isEmpty())
        return 0;
    const qsizetype lane = bConcorrenteA ? 0 : 1;
    if (lane >= heat->size())
        return 0;
    const clsConcorrente* c = findConcorrente(heat->at(lane));
    return c ? c->Concorrente() : 0;
}

// ---- run modes --------------------------------------------------------------------------------

bool clsKrono::MancheParallelo() const
{
    return cGara.Parallelo() && !TipoTurnoCronometrato(turnoCorrenteTipo_);
}

bool clsKrono::MancheSprint() const
{
    return cGara.Specialita() == kSpecialitaSprint && !TipoTurnoCronometrato(turnoCorrenteTipo_);
}

}  // namespace razudar
