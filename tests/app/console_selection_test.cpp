// The bib box's selection and the steps of the page buttons before their page.
#include <gtest/gtest.h>

#include "app/console/console_refresh.h"
#include "app/console/console_selection.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "data/object_text_encoder.h"
#include "model/competitor.h"
#include "model/krono.h"

namespace razudar {
namespace {

struct QuietConsoleHost : ConsoleHost {
    void tabChanged(int) override {}
    void consoleChanged() override {}
};

// The window's two check boxes and the pages port, recording the page codes in order: switching
// a check box raises its click handler when its state changes, as the window's check boxes do,
// and the handler tells the console unit and puts its page on air.
struct RecordingHost : PageButtonHost, PageDispatcher {
    explicit RecordingHost(ConsoleRefresh& c) : console(c) {}
    void setNominativoChecked(bool c) override {
        if (c == nominativo) return;
        nominativo = c;
        console.showNameOnClock(c);
        MandaInOnda(kCodiceNominativoTC);
    }
    void setDistaccoChecked(bool c) override {
        if (c == distacco) return;
        distacco = c;
        console.showParallelGap(c);
        MandaInOnda(kCodiceDistaccoParallelo);
    }
    void MandaInOnda(qint16 code) override { codes << code; }

    ConsoleRefresh& console;
    bool nominativo = false;
    bool distacco = false;
    QList<qint16> codes;
};

struct Selection : ::testing::Test {
    void SetUp() override {
        state.race.Krono = std::make_shared<clsKrono>();
        for (qint16 bib : {1, 7}) {
            auto c = std::make_shared<clsConcorrente>();
            c->setConcorrente(qint16(200 + bib));
            c->setPettorale(bib);
            c->setCognome(QStringLiteral("Rossi"));
            c->setNome(QStringLiteral("Mario %1").arg(bib));
            state.krono().ConcorrenteAdd(c, qint16(200 + bib));
        }
    }
    // A parallel race of 43 heats in its 43rd run (the second run of a heat at least), heats 1 to
    // 39 over: the console's heat buttons show heats 40 to 43.
    void useHeatsFrom40() {
        state.race.Krono = encoder::demoRace({.competitors = 86, .runs = 1, .intermediates = 0, .parallel = true});
        clsKrono& k = state.krono();
        k.setTurnoCorrenteTipo(10);
        for (qint16 h : k.ElencoSfide())
            for (qint16 n : k.ElencoConcorrentiSfida(h))
                for (qint16 run = 1; run <= k.MancheSfidaCorrente(); ++run)
                    k.ConcorrenteItem(n)->Risultati(run)->setStatoConcorrente(h < 40 ? 0 : 20);
        console.AggiornaClassificheInterfaccia();
    }
    ProgramState state;
    QuietConsoleHost consoleHost;
    ConsoleRefresh console{state, consoleHost, [](qint32) { return QString(); }};
};

TEST_F(Selection, TheBibBoxSelectsOnlyAnExistingBib) {
    const struct {
        const char* typed;
        qint16 selected;
        const char* name;
        bool warned;
    } cases[] = {{"7", 207, "Rossi Mario 7", false}, {"8", -1, "", true}, {"", -1, "", false},
                 {"0", -1, "", true},                {"x", -1, "", true}};
    for (const auto& c : cases) {
        const BibSelection s = SelezionePettorale(state.race.Krono.get(), QLatin1String(c.typed));
        EXPECT_EQ(s.concorrente, c.selected) << c.typed;
        EXPECT_EQ(s.nominativo, QLatin1String(c.name)) << c.typed;
        EXPECT_EQ(!s.avviso.isEmpty(), c.warned) << c.typed;
    }
    EXPECT_EQ(SelezionePettorale(nullptr, QStringLiteral("7")).concorrente, -1);
}

TEST_F(Selection, PageButtonStepsRunBeforeTheirPage) {
    RecordingHost host(console);
    console.PulsantePagina(kCodiceIntermedio2, host, host);
    EXPECT_EQ(host.codes, (QList<qint16>{kCodiceNominativoTC, kCodiceIntermedio2}));
    EXPECT_EQ(state.SplitMostrato, QStringLiteral("2"));
    EXPECT_TRUE(state.NominativoTCVisibile);
    host.codes.clear();
    console.PulsantePagina(kCodiceStartZero, host, host);  // already checked: no kCodiceNominativoTC
    console.PulsantePagina(kCodiceStart, host, host);
    EXPECT_EQ(host.codes, (QList<qint16>{kCodiceStartZero, kCodiceNominativoTC, kCodiceStart}));
    EXPECT_FALSE(state.NominativoTCVisibile);
    console.PulsantePagina(kCodiceClassificaTC, host, host);
    EXPECT_TRUE(state.ClassificaTCVisibile);
    console.PulsantePagina(kCodiceClassificaTC, host, host);
    EXPECT_FALSE(state.ClassificaTCVisibile);
}

TEST_F(Selection, TheParallelButtonNeedsAPressedHeat) {
    RecordingHost host(console);
    state.IndicePulsanteConcorrente = -1;
    console.PulsantePagina(kCodiceParallelo, host, host);
    EXPECT_TRUE(host.codes.isEmpty());
    // Second run of the heat: the gaps switched on first, the heat from the pressed button.
    useHeatsFrom40();
    state.IndicePulsanteConcorrente = 3;
    console.PulsantePagina(kCodiceParallelo, host, host);
    EXPECT_EQ(host.codes, (QList<qint16>{kCodiceDistaccoParallelo, kCodiceParallelo}));
    EXPECT_EQ(state.SfidaSelezionata, 43);
}

}  // namespace
}  // namespace razudar
