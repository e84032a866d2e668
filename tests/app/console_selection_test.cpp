// The bib box's selection and the steps of the page buttons before their page.
#include <gtest/gtest.h>

#include "app/console/console_selection.h"
#include "app/pages/page_codes.h"
#include "model/competitor.h"
#include "model/krono.h"

namespace razudar {
namespace {

// Records the calls in order; switching a check box raises its click handler's page code when
// its state changes, as the window's check boxes do.
struct RecordingHost : PageButtonHost {
    explicit RecordingHost(ProgramState& s) : state(s) {}
    void setNominativoChecked(bool c) override {
        if (c == nominativo) return;
        nominativo = c;
        state.NominativoTCVisibile = c;
        MandaInOnda(kCodiceNominativoTC);
    }
    void setDistaccoChecked(bool c) override {
        if (c == distacco) return;
        distacco = c;
        state.DistaccoParalleloVisibile = c;
        MandaInOnda(kCodiceDistaccoParallelo);
    }
    QString pageButtonTag(int code) const override {
        return code == kCodiceIntermedio1 ? "1" : code == kCodiceIntermedio2 ? "2" : code == kCodiceFinale ? "F" : "";
    }
    QString heatCaption(int index) const override { return QString::number(40 + index); }
    void MandaInOnda(qint16 code) override { codes << code; }

    ProgramState& state;
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
    ProgramState state;
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
    RecordingHost host(state);
    PulsantePagina(state, host, kCodiceIntermedio2);
    EXPECT_EQ(host.codes, (QList<qint16>{kCodiceNominativoTC, kCodiceIntermedio2}));
    EXPECT_EQ(state.SplitMostrato, QStringLiteral("2"));
    EXPECT_TRUE(state.NominativoTCVisibile);
    host.codes.clear();
    PulsantePagina(state, host, kCodiceStartZero);  // already checked: no kCodiceNominativoTC
    PulsantePagina(state, host, kCodiceStart);
    EXPECT_EQ(host.codes, (QList<qint16>{kCodiceStartZero, kCodiceNominativoTC, kCodiceStart}));
    EXPECT_FALSE(state.NominativoTCVisibile);
    PulsantePagina(state, host, kCodiceClassificaTC);
    EXPECT_TRUE(state.ClassificaTCVisibile);
    PulsantePagina(state, host, kCodiceClassificaTC);
    EXPECT_FALSE(state.ClassificaTCVisibile);
}

TEST_F(Selection, TheParallelButtonNeedsAPressedHeat) {
    RecordingHost host(state);
    state.IndicePulsanteConcorrente = -1;
    PulsantePagina(state, host, kCodiceParallelo);
    EXPECT_TRUE(host.codes.isEmpty());
    // Second run of the heat: the gaps switched on first, the heat from the pressed button.
    state.krono().cGara.setManches(2);
    state.krono().setMancheCorrente(2);
    state.IndicePulsanteConcorrente = 3;
    PulsantePagina(state, host, kCodiceParallelo);
    EXPECT_EQ(host.codes, (QList<qint16>{kCodiceDistaccoParallelo, kCodiceParallelo}));
    EXPECT_EQ(state.SfidaSelezionata, 43);
}

}  // namespace
}  // namespace razudar
