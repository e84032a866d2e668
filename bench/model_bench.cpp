// Classification rebuilds and position/gap sweeps of the race state, against a plain sort of
// as many 64-bit integers as the rebuild ranks keys.
//
// Targets: ElaboraClassifiche at 10,000 competitors within 4x the baseline sort (12 slots x N
// keys); 32,000 competitors within 40x the time of 1,000; a position and gap sweep of every
// competitor of a 10,000-competitor slot (all categories and one category) within 3x one rebuild.
#include "model/krono.h"
#include "model/race_times.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace razudar {
namespace {

constexpr int kRuns = 5;
constexpr int kSplits = 5;
// Slots a rebuild ranks: overall, 5 runs, 5 splits, start order.
constexpr int kRankedSlots = 1 + kRuns + kSplits + 1;
const QString kAll = clsConcorrente::kAllCategories;
const QString kCategory = QStringLiteral("CAT3");

// A race in its last run, with the state mix of a real race: most competitors arrived in every
// run, some did not start, did not finish or were disqualified along the way, and in the current
// run some are on course and some still to start.
std::shared_ptr<clsKrono> buildRace(int competitors)
{
    auto k = std::make_shared<clsKrono>();
    k->cGara.setManches(kRuns);
    k->cGara.setIntermedi(kSplits);
    k->cGara.setDisciplina(2);
    k->cGara.setRisoluzione(3);
    k->setMancheCorrente(kRuns);
    for (int c = 0; c < 10; ++c) {
        auto category = std::make_shared<clsCategoria>();
        category->setCategoria(QStringLiteral("CAT%1").arg(c));
        k->CategoriaAdd(category);
    }
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> percent(0, 99), runMs(55000, 75000), splitShare(10, 90);
    for (int i = 0; i < competitors; ++i) {
        const auto number = static_cast<qint16>(i + 1);
        auto c = std::make_shared<clsConcorrente>();
        c->setConcorrente(number);
        c->setPettorale(static_cast<qint16>(competitors - i));
        c->CategoriaAdd(QStringLiteral("CAT%1").arg(i % 10));
        k->ConcorrenteAdd(c, number);
        k->PartenteAggiungi(number);
        bool out = false;
        for (int run = 1; run <= kRuns; ++run) {
            auto r = c->Risultati(static_cast<qint16>(run));
            r->setOrdinePartenza(i + 1);
            const int startMs = 36000000 + run * 3600000 + i * 500;  // from 10:00, one run per hour
            r->setOrarioPartenza(MillesimiInTempo(startMs));
            const int roll = percent(random);
            qint32 state = 0;
            if (out)
                state = 10;
            else if (run == kRuns && roll < 15)
                state = roll < 5 ? 10 : 20;
            else if (roll < 2)
                state = 40;
            else if (roll < 5)
                state = 30;
            else if (roll < 6)
                state = 60;
            out = out || state >= 30;
            const int timeMs = runMs(random);
            if (state == 0 || state == 60)
                r->setTempo(MillesimiInTempo(timeMs));
            r->setStatoConcorrente(state);
            if (state == 0 || state == 20 || state == 60) {
                for (int split = 1; split <= kSplits; ++split)
                    r->OrarioIntermedioAdd(MillesimiInTempo(startMs + timeMs * split / (kSplits + 1) +
                                                            splitShare(random)));
            }
        }
    }
    return k;
}

void BM_ElaboraClassifiche(benchmark::State& state)
{
    const auto k = buildRace(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        k->ElaboraClassifiche();
        benchmark::DoNotOptimize(k->slotOrder(0).data());
    }
    state.counters["keys"] = double(state.range(0)) * kRankedSlots;
}
BENCHMARK(BM_ElaboraClassifiche)->Arg(1000)->Arg(10000)->Arg(32000)->Unit(benchmark::kMillisecond);

// Baseline: std::sort of as many 64-bit integers as the rebuild ranks, slot by slot.
void BM_SortBaselinePerSlot(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    std::mt19937_64 random(99);
    std::vector<std::vector<qint64>> source(kRankedSlots, std::vector<qint64>(n));
    for (auto& values : source)
        std::generate(values.begin(), values.end(), [&random] { return static_cast<qint64>(random()); });
    std::vector<qint64> work(n);
    for (auto _ : state) {
        for (const auto& values : source) {
            std::copy(values.begin(), values.end(), work.begin());
            std::sort(work.begin(), work.end());
            benchmark::DoNotOptimize(work.data());
        }
    }
}
BENCHMARK(BM_SortBaselinePerSlot)->Arg(1000)->Arg(10000)->Arg(32000)->Unit(benchmark::kMillisecond);

// The same number of integers sorted as one array.
void BM_SortBaselineOneArray(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0)) * kRankedSlots;
    std::mt19937_64 random(99);
    std::vector<qint64> source(n);
    std::generate(source.begin(), source.end(), [&random] { return static_cast<qint64>(random()); });
    std::vector<qint64> work(n);
    for (auto _ : state) {
        std::copy(source.begin(), source.end(), work.begin());
        std::sort(work.begin(), work.end());
        benchmark::DoNotOptimize(work.data());
    }
}
BENCHMARK(BM_SortBaselineOneArray)->Arg(1000)->Arg(10000)->Arg(32000)->Unit(benchmark::kMillisecond);

// Every competitor of the overall slot: its position, the competitor at that position and its
// gap to the leader, over all categories and within one category. Each sweep starts on a freshly
// rebuilt slot, so the category index is built inside the sweep.
void BM_PositionGapSweep(benchmark::State& state)
{
    const auto k = buildRace(static_cast<int>(state.range(0)));
    k->ElaboraClassifiche();
    const QList<qint16> numbers = k->ElencoConcorrenti();
    const std::vector<qint16> competitors(numbers.cbegin(), numbers.cend());
    for (auto _ : state) {
        state.PauseTiming();
        k->QuickSortClassifica(0);
        state.ResumeTiming();
        qint64 sum = 0;
        for (const QString& category : {kAll, kCategory}) {
            for (const qint16 number : competitors) {
                const int position = k->PosizioneInClassifica(0, number, category);
                sum += k->ConcorrenteInPosizione(0, position, category);
                sum += k->DistaccoDaPosizione(0, kRuns, number, 1, category);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_PositionGapSweep)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace razudar

BENCHMARK_MAIN();
