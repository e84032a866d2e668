// Pages on air, with the graphics control library (its renderer on the offscreen board):
// - a 10-row results page put on air by MandaInOnda (the deliberate waits through a fake
//   Waiter), its writes going through the program's typed proxy, against the same writes made
//   directly on the control library (target at most 2x);
// - the output frame of that page while its rows slide in, as a share of the 40 ms frame budget
//   (target at most 15%).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

#include "app/controls/grafica_proxy.h"
#include "app/pages/on_air.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/pages/page_formats.h"
#include "app/pages/results_list.h"
#include "app/resources/graphics_resources.h"
#include "app_test_support.h"
#include "bench/ratio_reporter.h"
#include "graphics/mirt_gra.h"
#include "model/race_times.h"
#include "model/run_result.h"
#include "platform/fakes/fake_services.h"
#include "platform/renderer/video_board.h"

namespace {

using namespace razudar;
using Gra = controls::GraficaProxy;

class QuietHost : public OnAirHost, public SponsorLights {
public:
    bool vgaPreviewChecked() const override { return false; }
    bool sponsorLit(int) const override { return false; }
    void setSponsorLit(int, bool) override {}
    void setStatusPanel(const QString&, const QString&) override {}
    void showNotice(const QString&, NoticeSource) override {}
    void withdrawNotice(NoticeSource) override {}
    void graficaLocaleInOnda(const QString&) override {}
};

// A race of 40 arrived competitors of one run.
void buildRace(clsKrono& k) {
    k.cGara.setDescrizioneGara(QStringLiteral("Trofeo delle Dolomiti - Alta Badia"));
    k.cGara.setDescrizioneSessione(QStringLiteral("Slalom Gigante - 1a Manche"));
    k.cGara.setDisciplinaCodice(QStringLiteral("SA"));
    k.cGara.setRisoluzione(3);
    k.cGara.setManches(1);
    k.setMancheCorrente(1);
    const char* nations[] = {"ITA", "AUT", "SUI", "FRA", "NOR", "GER", "SLO", "USA"};
    for (int bib = 1; bib <= 40; ++bib) {
        auto c = std::make_shared<clsConcorrente>();
        const qint16 n = qint16(100 + bib);
        c->setConcorrente(n);
        c->setPettorale(qint16(bib));
        c->setPettoraleStampa(qint16(bib));
        c->setCognome(QStringLiteral("Concorrente%1").arg(bib));
        c->setNome(QStringLiteral("Nome"));
        c->setNazionalita(QLatin1String(nations[bib % 8]));
        k.ConcorrenteAdd(c, n);
        auto r = c->Risultati(1);
        r->setStatoConcorrente(0);
        r->setTempo(150000 + bib * 37);
    }
    k.ElaboraClassifiche();
}

struct Setup {
    Setup() {
        apptest::copyFolder(apptest::demoGraphicsFolder(), dir.filePath(QStringLiteral("Razudar")));
        control = std::make_unique<MirtGRA>();
        gra::GraEnvironment environment;
        environment.clock = &fakes.clock;
        environment.waiter = &controlWaiter;
        environment.settings = &fakes.settings;
        environment.renderThread = false;
        control->useEnvironment(environment);
        gra = std::make_unique<Gra>(control.get(), [](const QString&) {});
        gra->Inizializza();
        gra->setVGA(false);
        CaricaRisorseGrafiche(state, *gra, fakes.prompter, dir.path() + QLatin1Char('/'));
        state.race.Krono = std::make_shared<clsKrono>();
        buildRace(state.krono());
        Services services = fakes.services();
        services.waiter = &programWaiter;
        ctx = std::make_unique<PageContext>(state, *gra, services, host, host);
        pages = std::make_unique<MandaInOndaDispatcher>(*ctx);
    }
    ~Setup() {
        pages.reset();
        gra->Chiude();
    }
    FakeServices fakes;
    FakeWaiter programWaiter;  // the deliberate waits return at once, the clock stands
    FakeWaiter controlWaiter;
    QTemporaryDir dir;
    std::unique_ptr<MirtGRA> control;
    std::unique_ptr<Gra> gra;
    ProgramState state;
    QuietHost host;
    std::unique_ptr<PageContext> ctx;
    std::unique_ptr<MandaInOndaDispatcher> pages;
};

Setup& setup() {
    static Setup s;
    return s;
}

void BM_ResultsPageThroughProxy(benchmark::State& st) {
    Setup& s = setup();
    for (auto _ : st) s.pages->MandaInOnda(kCodiceClassificaGrande);
}
BENCHMARK(BM_ResultsPageThroughProxy)->Unit(benchmark::kMicrosecond);

// The same page with the same writes, called on the control library directly; the texts are
// computed once beforehand.
void BM_ResultsPageDirect(benchmark::State& st) {
    Setup& s = setup();
    MirtGRA& c = *s.control;
    const QString page = QStringLiteral("Classifica");
    const QStringList campi = CampiRigaClassifica();
    const clsKrono& k = s.state.krono();
    const int rows = s.state.resources.RigheClassifica;
    struct RowTexts {
        QString pos, nation, name, result;
    };
    std::vector<RowTexts> texts;
    for (int r = 1; r <= rows; ++r) {
        const auto item = k.ConcorrenteItem(qint16(k.ConcorrenteInPosizione(0, r, clsConcorrente::kAllCategories)));
        texts.push_back({QString::number(r), item->Nazionalita(), FormattaNominativo(s.state, item->Cognome(), item->Nome(), false),
                         ConvertiRisoluzione(true, FormattaTempo(k.TempoTotaleConcorrente(1, item->Concorrente()), 12, false, false), 3).toString()});
    }
    const QString specialita = s.state.resources.CartellaSpecialita + QStringLiteral("SA.tga");
    const QString loghi = s.state.resources.CartellaLoghi + QStringLiteral("FIS.tga");
    for (auto _ : st) {
        c.setdveGrafica(-720, 0, 720, 576);
        c.setFaderWipeGrafica(1000);
        c.CancellaArea(0);
        c.CaricaPagina(page, 0);
        c.setProprietaAnimazione(page, QStringLiteral("Sponsor"), 4, false);
        c.setProprietaImmagine(page, QStringLiteral("imgSpecialita"), 3, specialita);
        c.setProprietaImmagine(page, QStringLiteral("imgFederazione"), 3, loghi);
        c.setProprietaTesto(page, QStringLiteral("txtTitolo1"), 0, k.cGara.DescrizioneGara());
        c.setProprietaTesto(page, QStringLiteral("txtTitolo2"), 0, QStringLiteral("CLASSIFICA"));
        c.setProprietaTesto(page, QStringLiteral("txtTitolo3"), 0, k.cGara.DescrizioneSessione());
        c.SpostaRiga(5, page, -1, 10, 1, rows, false, QString(), campi, true);
        c.StartPagina(page);
        c.EffettoX(4, false);
        for (int r = 1; r <= rows; ++r) {
            const RowTexts& t = texts[size_t(r - 1)];
            const QString n = QString::number(r);
            c.setProprietaTesto(page, QStringLiteral("txtPosizione") + n, 0, t.pos);
            c.setProprietaImmagine(page, QStringLiteral("imgNazionalita") + n, 4, false);
            c.setProprietaTesto(page, QStringLiteral("txtNazionalita") + n, 4, true);
            c.setProprietaTesto(page, QStringLiteral("txtNazionalita") + n, 0, t.nation);
            c.setProprietaTesto(page, QStringLiteral("txtNominativo") + n, 0, t.name);
            c.setProprietaTesto(page, QStringLiteral("txtRisultato") + n, 0, t.result);
            c.SpostaRiga(6, page, 2, 30, r, r, true, QString(), campi, true);
        }
    }
}
BENCHMARK(BM_ResultsPageDirect)->Unit(benchmark::kMicrosecond);

// One output frame of the page on air while its ten rows slide in (30 frames a move; the moves
// start again every 30 frames, outside the timing).
void BM_ResultsPageSlidingFrame(benchmark::State& st) {
    Setup& s = setup();
    s.pages->MandaInOnda(kCodiceClassificaGrande);
    const QString page = QStringLiteral("Classifica");
    int frame = 0;
    for (auto _ : st) {
        if (frame++ % 30 == 0) {
            st.PauseTiming();
            s.gra->SpostaRiga(5, page, -1, 1, 1, 10, true, QString(), CampiRigaClassifica(), true);
            s.fakes.clock.advanceMs(80);
            s.control->board()->composeNow();
            s.gra->SpostaRiga(6, page, 2, 30, 1, 10, true, QString(), CampiRigaClassifica(), true);
            st.ResumeTiming();
        }
        s.fakes.clock.advanceMs(40);
        s.control->board()->composeNow();
    }
}
BENCHMARK(BM_ResultsPageSlidingFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    razudar::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto t = reporter.times();
    const double proxy = t.at("BM_ResultsPageThroughProxy");
    const double direct = t.at("BM_ResultsPageDirect");
    const double frameUs = t.at("BM_ResultsPageSlidingFrame");
    std::printf("Results page on air through the proxy / directly on the control: %.2fx (target at most 2x)\n",
                proxy / direct);
    std::printf("Frame of the page with its rows sliding in: %.1f%% of the 40 ms budget (target at most 15%%)\n",
                frameUs / 40000.0 * 100.0);
    benchmark::Shutdown();
    return 0;
}
