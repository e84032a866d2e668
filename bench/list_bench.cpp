// The operator preview of a large race drawn into a real text list control, and the control's
// paint of one visible page.
//
// Targets: VisualizzaPreview of a 1,000-competitor two-run race, written through the control's
// members reached by name, within 2x one ElaboraClassifiche of the same race; the paint of a
// full visible page against a plain fill and copy of the same area (reported, after a change
// and unchanged); 100,000 writes at one spot of the list with the memory flat and the last
// 20,000 writes within 1.5x the time of the first 20,000.
#include "list/stovak.h"
#include "list/surface_view.h"
#include "model/krono.h"
#include "model/race_times.h"
#include "tests/list/list_test_support.h"
#include "bench/ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>

namespace razudar {
namespace {

const QString kAll = clsConcorrente::kAllCategories;

// Two runs, the second running: most arrived, some out, some on course or still to start.
std::shared_ptr<clsKrono> buildRace(int competitors) {
    auto k = std::make_shared<clsKrono>();
    k->cGara.setManches(2);
    k->cGara.setDisciplina(2);
    k->cGara.setRisoluzione(3);
    k->setMancheCorrente(2);
    k->setSiglaStatoPartito(QStringLiteral("PAR"));
    k->setSiglaStatoNonArrivato(QStringLiteral("RIT"));
    k->setSiglaStatoNonPartito(QStringLiteral("NP"));
    k->setSiglaStatoEscluso(QStringLiteral("SQ"));
    std::mt19937 random(2468);
    std::uniform_int_distribution<int> percent(0, 99), runMs(55000, 75000);
    for (int i = 0; i < competitors; ++i) {
        const auto number = qint16(i + 1);
        auto c = std::make_shared<clsConcorrente>();
        c->setConcorrente(number);
        c->setPettorale(qint16(i + 1));
        c->setPettoraleStampa(qint16(i + 1));
        c->setCognome(QStringLiteral("Concorrente%1").arg(i + 1));
        c->CategoriaAdd(QStringLiteral("CAT%1").arg(i % 5));
        k->ConcorrenteAdd(c, number);
        for (int run = 1; run <= 2; ++run) {
            auto r = c->Risultati(qint16(run));
            r->setOrdinePartenza(i + 1);
            const int roll = percent(random);
            const qint32 state = run == 2 && roll < 10 ? (roll < 5 ? 10 : 20) : (roll < 3 ? 30 : 0);
            r->setStatoConcorrente(state);
            if (state == 0) r->setTempo(MillesimiInTempo(runMs(random)));
        }
    }
    return k;
}

struct ListFixture {
    ListFixture() {
        window.resize(900, 600);
        control = new list::Stovak(&window);
        control->setGeometry(0, 0, 900, 600);
        control->setNumeroRighe(QStringLiteral("1000"));
        window.show();
    }
    QWidget window;
    list::Stovak* control = nullptr;
    testing::RecordingLabel label;
};

void previewBench(benchmark::State& state, clsKrono* k, ListFixture* fixture) {
    testing::StovakByName lst(fixture->control);
    for (auto _ : state) {
        k->VisualizzaPreview(lst, fixture->label, 0, kAll);
        benchmark::DoNotOptimize(fixture->control->surface().drawing().itemCount());
    }
    state.counters["rows"] = double(fixture->control->surface().drawing().itemCount());
}

// The same rows written to a list that only counts them: the model's share of the work.
class CountingList : public TextListSurface {
public:
    void Pulisci() override { rows = 0; }
    void InizializzaAltezze() override {}
    void Scrivi(const QString& s, const ScriviArgs&) override { rows += s.isEmpty() ? 0 : 1; }
    void setCurrentX(qint32) override {}
    void setCurrentY(qint32) override {}
    void Linea(float, float, float, float, qint16, qint32) override {}
    void setVisible(bool) override {}
    int rows = 0;
};

void previewTextBench(benchmark::State& state, clsKrono* k) {
    CountingList lst;
    testing::RecordingLabel label;
    for (auto _ : state) {
        k->VisualizzaPreview(lst, label, 0, kAll);
        benchmark::DoNotOptimize(lst.rows);
    }
    state.counters["rows"] = lst.rows;
}

void rankingBench(benchmark::State& state, clsKrono* k) {
    for (auto _ : state) k->ElaboraClassifiche();
}

// One full visible page as the control paints it after a change (every row drawn again), into
// an image of the control's size; with `unchanged`, a repaint with nothing changed.
void paintBench(benchmark::State& state, ListFixture* fixture, bool unchanged) {
    // The list's page: the surface's view beside the scroll bar.
    QWidget* page = fixture->control->findChild<list::SurfaceView*>();
    QImage target(page->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        if (!unchanged) fixture->control->setBackColor(fixture->control->BackColor());
        page->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

// The floor of any paint: fill a buffer of the same area and copy it to the target.
void fillCopyBench(benchmark::State& state, ListFixture* fixture) {
    const QSize size = fixture->control->findChild<list::SurfaceView*>()->size();
    QImage buffer(size, QImage::Format_RGB32);
    QImage target(size, QImage::Format_RGB32);
    for (auto _ : state) {
        buffer.fill(Qt::white);
        QPainter(&target).drawImage(0, 0, buffer);
        benchmark::DoNotOptimize(target.constBits());
    }
}

// Resident memory of the process in megabytes.
double residentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A running time rewritten 100,000 times at one place of a list (each text another), as a
// monitor's clock does: the time of the first and of the last 20,000 writes, the memory the
// writes added, the drawings kept and one repaint of the list at the end.
void oneSpotBench(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    constexpr int kWrites = 100000, kSlice = 20000;
    for (auto _ : state) {
        QWidget window;
        window.resize(640, 400);
        auto* control = new list::Stovak(&window);
        control->setGeometry(0, 0, 640, 400);
        window.show();
        const double before = residentMb();
        double sliceMs[kWrites / kSlice] = {};
        for (int slice = 0; slice < kWrites / kSlice; ++slice) {
            const auto start = Clock::now();
            for (int i = slice * kSlice; i < (slice + 1) * kSlice; ++i)
                control->Scrivi(QStringLiteral("1:%1.%2").arg(i / 100 % 60, 2, 10, QLatin1Char('0')).arg(i % 100, 2, 10, QLatin1Char('0')),
                                i % 2 ? 0xff : 0, 600, true, 5000);
            sliceMs[slice] = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
        const double after = residentMb();
        QWidget* page = control->findChild<list::SurfaceView*>();
        QImage target(page->size(), QImage::Format_RGB32);
        // A repaint after a change (every drawing painted again), the best of five.
        double paintMs = 1e9;
        for (int repaint = 0; repaint < 5; ++repaint) {
            control->setBackColor(control->BackColor());
            const auto paintStart = Clock::now();
            page->render(&target);
            paintMs = std::min(paintMs, std::chrono::duration<double, std::milli>(Clock::now() - paintStart).count());
        }
        state.counters["first20k_ms"] = sliceMs[0];
        state.counters["last20k_ms"] = sliceMs[kWrites / kSlice - 1];
        state.counters["last/first"] = sliceMs[kWrites / kSlice - 1] / sliceMs[0];
        state.counters["added_MB"] = after - before;
        state.counters["items"] = double(control->surface().drawing().itemCount());
        state.counters["picture_KB"] = double(control->surface().drawing().pictureBytes()) / 1024.0;
        state.counters["repaint_ms"] = paintMs;
    }
}

}  // namespace
}  // namespace razudar

int main(int argc, char** argv) {
    using namespace razudar;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto race = buildRace(1000);
    race->ElaboraClassifiche();
    ListFixture fixture;

    benchmark::RegisterBenchmark("ElaboraClassifiche", rankingBench, race.get())->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("VisualizzaPreview", previewBench, race.get(), &fixture)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("VisualizzaPreview/texts only", previewTextBench, race.get())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PaintVisiblePage", paintBench, &fixture, false)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("PaintVisiblePage/unchanged", paintBench, &fixture, true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FillAndCopy", fillCopyBench, &fixture)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("OneSpot100kWrites", oneSpotBench)->Unit(benchmark::kMillisecond)->Iterations(1);

    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto t = reporter.times();
    if (t.count("VisualizzaPreview") && t.count("ElaboraClassifiche"))
        std::printf("preview / ranking: %.2fx (target <= 2)\n", t["VisualizzaPreview"] / t["ElaboraClassifiche"]);
    if (t.count("PaintVisiblePage") && t.count("FillAndCopy")) {
        std::printf("page paint / fill and copy: %.2fx\n", t["PaintVisiblePage"] / t["FillAndCopy"]);
        std::printf("unchanged page repaint / fill and copy: %.2fx\n",
                    t["PaintVisiblePage/unchanged"] / t["FillAndCopy"]);
    }
    benchmark::Shutdown();
    return 0;
}
