// The units assembled outside the main window: the guarded read, where page requests go, and the
// first paint over a configuration that cannot be read.
#include <QWidget>

#include <gtest/gtest.h>

#include "app/console/console_refresh.h"
#include "app/assembly/control_loader.h"
#include "app/controls/tcp_proxy.h"
#include "app/faults/database_faults.h"
#include "app/link/link_dispatcher.h"
#include "app/menus/menu_commands.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/assembly/program_units.h"
#include "app_test_support.h"
#include "data/object_text_encoder.h"
#include "link/frame.h"
#include "model/krono.h"
#include "model/run_result.h"
#include "platform/db/db_error.h"
#include "platform/fakes/fake_window_services.h"
#include "timekeeping_simulator.h"

namespace razudar::apptest {
namespace {

const db::DbError kLocked(db::errors::kRecordLocked, QStringLiteral("database is locked"));

TEST(DatabaseFaultsReadOr, GivesTheValueOrTheFallbackAndTellsOnce) {
    struct Case {
        const char* name;
        bool fails;
        QString expected;
        int told;
    };
    const Case cases[] = {
        {"the read answers", false, QStringLiteral("Gigante"), 0},
        {"the database is locked", true, QStringLiteral("non disponibile"), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindowServices fakes;
        ProgramLog log;
        QStringList status;
        DatabaseFaults faults(fakes.prompter, log, [&](const QString& t) { status << t; });
        const QString value = faults.readOr(QStringLiteral("leggere il testo"), QStringLiteral("non disponibile"), [&] {
            if (c.fails) throw kLocked;
            return QStringLiteral("Gigante");
        });
        EXPECT_EQ(value, c.expected);
        EXPECT_EQ(status.size(), c.told);
        EXPECT_EQ(faults.reportedCount(), c.told);
        if (c.told) {
            EXPECT_TRUE(status.first().startsWith(QStringLiteral("Impossibile leggere il testo: errore del database 3260")));
        }
    }
}

struct RecordingPages : PageDispatcher {
    void MandaInOnda(qint16 codice) override { codes << codice; }
    QList<qint16> codes;
};

struct Hosts : ConsoleHost, DispatcherHost, ParallelGapBox, MenuHost {
    void tabChanged(int) override {}
    void consoleChanged() override { ++shown; }
    void setRielaboraEnabled(bool enabled) override { rielabora = enabled; }
    void AggiornaDistaccoParallelo(bool) override {}
    void setOptionChecked(GruppoOpzioni, int, bool) override {}
    bool scegliSessione() override { return false; }
    int shown = 0;
    bool rielabora = true;
};

struct ProgramUnitsTest : ::testing::Test {
    void SetUp() override {
        QString error;
        link = loader.create(controls::kBrandix, &owner, &error);
        list = loader.create(controls::kStovak, &owner, &error);
        ASSERT_TRUE(link && list) << error.toStdString();
        built = std::make_unique<ProgramUnits>(state, fakes.services(), [this](const QString& t) { status << t; },
                                               ProgramControls{link, list}, ProgramHosts{hosts, hosts, hosts, hosts});
    }
    ProgramUnits& units() { return *built; }

    FakeWindowServices fakes;
    ProgramState state;
    QStringList status;
    controls::ControlLoader loader{QStringLiteral(RAZUDAR_PLUGIN_DIR)};
    QWidget owner;
    QWidget* link = nullptr;
    QWidget* list = nullptr;
    Hosts hosts;
    std::unique_ptr<ProgramUnits> built;
};

// Before the graphics control is loaded a page request goes nowhere, or to the dispatcher put in
// its place; the link dispatcher and the console send theirs the same way.
TEST_F(ProgramUnitsTest, PageRequestsGoWhereTheRouterPoints) {
    units().pageRouter().MandaInOnda(kCodiceClassificaBassa);
    EXPECT_EQ(&units().pageDispatcher(), &units().pageRouter());
    RecordingPages pages;
    units().setPageDispatcher(pages);
    EXPECT_EQ(&units().pageDispatcher(), &pages);
    units().pageRouter().MandaInOnda(kCodiceScheda);
    units().pageRouter().MandaInOnda(kCodicePulizia);
    EXPECT_EQ(pages.codes, (QList<qint16>{kCodiceScheda, kCodicePulizia}));
    EXPECT_EQ(units().graphics(), nullptr);
}

// The sponsor clips play on the graphics control: before it is loaded a sponsor button does nothing.
TEST_F(ProgramUnitsTest, TheSponsorPortWaitsForTheGraphicsControl) {
    ASSERT_EQ(units().graphics(), nullptr);
    const ConsolePorts ports = units().consolePorts();
    ports.sponsors.AlternaSponsor(0);
    ports.sponsors.AlternaSponsor(1);
    EXPECT_EQ(units().graphics(), nullptr);
    EXPECT_EQ(&ports.console, &units().console());
    // The panel's page requests reach the page dispatcher (through the batch of the link's arrivals).
    RecordingPages pages;
    units().setPageDispatcher(pages);
    ports.pages.MandaInOnda(kCodiceClassificaGrande);
    EXPECT_EQ(pages.codes, QList<qint16>{kCodiceClassificaGrande});
    EXPECT_EQ(&ports.list, &units().lstClassifica());
    EXPECT_EQ(&units().menuPorts().commands, &units().menus());
}

// The first paint with a database that cannot answer: the operator is told on the status bar, the
// stored options are not applied, and the console starts empty with its page buttons off.
TEST_F(ProgramUnitsTest, FirstPaintOverAnUnreadableConfiguration) {
    BaseFolder base;
    openDatabase(state, base);
    state.startup.database.current().execute(QStringLiteral("DROP TABLE Configurazione"));
    const int shownBefore = hosts.shown;
    const FirstPaintSettings settings = units().primoDisegno();
    EXPECT_FALSE(settings.hasRow);
    ASSERT_EQ(status.size(), 1);
    EXPECT_TRUE(status.first().startsWith(QStringLiteral("Impossibile leggere le opzioni della configurazione: "
                                                         "errore del database")))
        << status.first().toStdString();
    EXPECT_TRUE(fakes.prompter.shown().empty());
    ASSERT_TRUE(state.race.Krono);
    for (const CompetitorButtonView& b : units().console().view().buttons) {
        EXPECT_TRUE(b.visible && b.sideVisible);
        EXPECT_TRUE(b.caption.isEmpty());
    }
    EXPECT_FALSE(units().console().view().sponsorEnabled);
    EXPECT_FALSE(units().console().view().distaccoParalleloEnabled);
    EXPECT_EQ(units().console().view().pageEnabled.value(kCodiceClassificaGrande, true), false);
    EXPECT_GT(hosts.shown, shownBefore);
    EXPECT_TRUE(units().MirtTcpGet().ServerRemoto().isEmpty());
}

// Run times that arrive together (one read of the link) are all applied first; then the race is
// ranked once and the console refreshed once, and the standings hold every one of them.
TEST_F(ProgramUnitsTest, RunTimesArrivingTogetherAreRankedAndShownOnce) {
    BaseFolder base;
    openDatabase(state, base);
    units().primoDisegno();
    const encoder::DemoRaceShape shape{.competitors = 60, .runs = 2, .intermediates = 2};
    sim::TimekeepingSimulator simulator;
    simulator.setRace(encoder::demoRace(shape));
    units().MirtTcpGet().setServerRemoto(QStringLiteral("127.0.0.1"));
    units().MirtTcpGet().setPortaRemota(simulator.listen());
    units().MirtTcpGet().cmdConnettiDisconnetti_Click();
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.krono().ElencoConcorrenti().size() == 60; }));
    ASSERT_EQ(state.krono().MancheSfidaCorrente(), 2);
    // What one refresh shows on the console.
    int shown = hosts.shown;
    units().console().AggiornaClassificheInterfaccia();
    const int oneRefresh = hosts.shown - shown;
    ASSERT_GT(oneRefresh, 0);

    // A run time for every competitor, and the same race ranked with them on its own.
    const std::shared_ptr<clsKrono> reference = encoder::demoRace(shape);
    QByteArray burst;
    int i = 0;
    qint32 time = 0;
    for (const qint16 c : reference->ElencoConcorrenti()) {
        time = 60000 + (i++ * 7919) % 30000;
        const auto r = reference->ConcorrenteItem(c)->Risultati(2);
        r->setStatoConcorrente(0);
        r->setTempo(time);
        burst += *link::buildFrame(
            QStringLiteral("TCORRERETEMPOGRAFINEPREFISSO%1_GRASEPARATORETCORRERE_%2").arg(c).arg(time));
    }
    reference->ElaboraClassifiche();
    int rankings = 0;
    state.krono().ElaborazioneClassificaCompletata.connect([&] { ++rankings; });
    shown = hosts.shown;
    const qint16 last = reference->ElencoConcorrenti().last();
    simulator.sendRaw(burst);
    ASSERT_TRUE(
        sim::TimekeepingSimulator::waitUntil([&] { return state.krono().findRunResult(last, 2)->Tempo() == time; }));

    EXPECT_EQ(rankings, 1);
    EXPECT_EQ(hosts.shown - shown, oneRefresh);
    for (const qint32 slot : {0, 1, 2}) EXPECT_EQ(state.krono().slotOrder(slot), reference->slotOrder(slot)) << slot;
    EXPECT_EQ(state.krono().ConcorrenteInPosizione(0, 1, QStringLiteral("XXXXX")),
              reference->ConcorrenteInPosizione(0, 1, QStringLiteral("XXXXX")));
    EXPECT_TRUE(status.isEmpty()) << status.join('\n').toStdString();
}

}  // namespace
}  // namespace razudar::apptest
