// Positions and gaps read from the ranked classification slots.
#include "model/competitor_states.h"
#include "model/krono.h"
#include "model/race_codes.h"
#include "model/race_times.h"

#include <algorithm>

namespace razudar {

namespace {
const std::vector<qint16> kNoOrder;
// Packed 24:00'00.000, and its milliseconds (one day): no time in a gap.
constexpr qint32 kNoTimePacked = kMissingTimePacked;

qint32 packedGap(qint64 milliseconds)
{
    return MillesimiInTempo(static_cast<qint32>(std::clamp<qint64>(milliseconds, INT32_MIN, INT32_MAX)));
}
}  // namespace

const RankedSlot* clsKrono::slot(qint32 Classifica) const
{
    if (Classifica < 0 || Classifica >= kSlotCount)
        return nullptr;
    return &slots_[static_cast<std::size_t>(Classifica)];
}

const std::vector<qint16>& clsKrono::slotOrder(qint32 Classifica) const
{
    const RankedSlot* s = slot(Classifica);
    return s ? s->order() : kNoOrder;
}

const RankedSlot::CategoryPositions& clsKrono::categoryPositions(const RankedSlot& s,
                                                                 const QString& Categoria) const
{
    return s.category(Categoria, *categoryRevision_, [this, &Categoria](qint16 competitor) {
        const clsConcorrente* c = findConcorrente(competitor);
        // An unregistered number reads as an empty competitor, which has no categories.
        return c ? c->CategoriaPresente(Categoria) : Categoria == clsConcorrente::kAllCategories;
    });
}

int clsKrono::ConcorrenteInPosizione(qint32 Classifica, int Posizione, const QString& Categoria) const
{
    const RankedSlot* s = slot(Classifica);
    if (!s)
        return -1;
    if (Categoria == clsConcorrente::kAllCategories)
        return s->at(Posizione);
    const auto& members = categoryPositions(*s, Categoria).members;
    if (Posizione < 1 || static_cast<std::size_t>(Posizione) > members.size())
        return -1;
    return members[static_cast<std::size_t>(Posizione - 1)];
}

int clsKrono::PosizioneInClassifica(qint32 Classifica, qint16 Concorrente, const QString& Categoria) const
{
    const RankedSlot* s = slot(Classifica);
    if (!s)
        return Categoria == clsConcorrente::kAllCategories ? 1 : 0;
    const int position = s->positionOfRegistryIndex(competitors_.indexOf(Concorrente));
    if (Categoria == clsConcorrente::kAllCategories)
        return position > 0 ? position : s->count() + 1;
    // Category members counted up to and including the competitor; a competitor outside the
    // category gets the number of members ranked before it, one outside the slot all members.
    const auto& positions = categoryPositions(*s, Categoria);
    if (position == 0)
        return static_cast<int>(positions.members.size());
    return positions.membersUpTo[static_cast<std::size_t>(position - 1)];
}

int clsKrono::NumeroConcorrentiInClassifica(qint32 Classifica, const QString& Categoria) const
{
    const RankedSlot* s = slot(Classifica);
    if (!s)
        return 0;
    if (Categoria == clsConcorrente::kAllCategories)
        return s->count();
    return static_cast<int>(categoryPositions(*s, Categoria).members.size());
}

std::optional<qint64> clsKrono::earlierRunsMs(const clsConcorrente* competitor, qint16 Manche) const
{
    const RunRules rules = runRules();
    if (Manche <= 1 || UtilizzaSingolaManche() || rules.runAloneCounts() || rules.bestRunCounts())
        return qint64(0);
    const int before = std::min<int>(Manche - 1, clsConcorrente::kRunSlots - 1);
    if (rules.stateAfterRun(competitor, before) != kStatoArrivato)
        return std::nullopt;
    return rules.totalTimeMs(competitor, before);
}

qint32 clsKrono::elapsedAtSplitMs(const clsConcorrente* competitor, qint16 Manche, int split) const
{
    // A competitor without the split has no time there (0), rather than "earlier runs minus
    // the start time of day".
    const qint32 splitTime = runSplit(competitor, Manche, split);
    if (splitTime <= 0)
        return 0;
    const std::optional<qint64> earlier = earlierRunsMs(competitor, Manche);
    if (!earlier)
        return 0;
    const qint64 total =
        *earlier + qint64(TempoInMillesimi(splitTime)) - TempoInMillesimi(runStart(competitor, Manche));
    return static_cast<qint32>(std::clamp<qint64>(total, INT32_MIN, INT32_MAX));
}

qint32 clsKrono::DistaccoDaPosizione(qint32 Classifica, qint16 Manche, qint16 Concorrente, int Posizione,
                                     const QString& Categoria) const
{
    int reference = ConcorrenteInPosizione(Classifica, Posizione, Categoria);
    const RankedSlot* s = slot(Classifica);
    // The leader's gap is measured to the second.
    if (Posizione == 1 && reference == Concorrente && s && s->count() >= 2)
        reference = ConcorrenteInPosizione(Classifica, 2, Categoria);

    const RunRules rules = runRules();
    const int type = TipoClassifica(Classifica);
    const clsConcorrente* own = findConcorrente(Concorrente);
    const clsConcorrente* other = reference >= -32768 && reference <= 32767
                                      ? findConcorrente(static_cast<qint16>(reference))
                                      : nullptr;
    qint32 a = gapTimeMs(type, Classifica, Manche, own, rules);
    qint32 b = gapTimeMs(type, Classifica, Manche, other, rules);
    // At a split there is no gap unless both have reached it.
    if (type == 2 && (a == 0 || b == 0))
        return 0;
    // Both times are cut (never rounded) to the race's resolution before the difference.
    a = TroncaRisoluzione(a, cGara.Risoluzione());
    b = TroncaRisoluzione(b, cGara.Risoluzione());
    // A competitor without a time has no gap either (not minus the reference's time, which
    // would read as a huge lead): both sides give the no-time value.
    return packedGap((a == 0 || b == 0) ? qint64(kNoTimePacked) : qint64(a) - b);
}

qint32 clsKrono::DistaccoTraConcorrenti(qint32 Classifica, qint16 Manche, qint16 Concorrente1,
                                        qint16 Concorrente2) const
{
    const RunRules rules = runRules();
    const int type = TipoClassifica(Classifica);
    const auto timeOf = [&](const clsConcorrente* c) -> qint32 {
        if (type == 0 && rules.stateAfterRun(c, Manche) != 0)
            return 0;
        return TroncaRisoluzione(gapTimeMs(type, Classifica, Manche, c, rules), cGara.Risoluzione());
    };
    const qint32 t1 = timeOf(findConcorrente(Concorrente1));
    const qint32 t2 = timeOf(findConcorrente(Concorrente2));
    return packedGap((t1 == 0 || t2 == 0) ? qint64(TempoInMillesimi(kNoTimePacked)) : qint64(t1) - t2);
}

qint32 clsKrono::DistaccoDaConcorrente(qint32 Classifica, qint16 Manche, qint16 Concorrente,
                                       qint16 ConcorrenteAltro) const
{
    const int type = TipoClassifica(Classifica);
    if (type == 2)
        return 0;
    const RunRules rules = runRules();
    const qint32 a = gapTimeMs(type, Classifica, Manche, findConcorrente(Concorrente), rules);
    const qint32 b = gapTimeMs(type, Classifica, Manche, findConcorrente(ConcorrenteAltro), rules);
    if ((cGara.Disciplina() == kDisciplinaSenzaOrologio && MancheParallelo()) || (a != 0 && b != 0))
        return packedGap(qint64(a) - b);
    return 0;
}

qint32 clsKrono::gapTimeMs(int type, qint32 Classifica, qint16 Manche, const clsConcorrente* competitor,
                           const RunRules& rules) const
{
    switch (type) {
    case 0:
        return rules.totalTimeMs(competitor, Manche);
    case 1:
        return TempoInMillesimi(runTime(competitor, Manche));
    case 2:
        return elapsedAtSplitMs(competitor, Manche, Classifica - 5);
    default:
        return 0;
    }
}

}  // namespace razudar
