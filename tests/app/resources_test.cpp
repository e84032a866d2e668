// Graphics resources with the real graphics plug-in: row counting of list pages, the listing of
// page definitions, and the local time of day in the packed form.
#include <QDir>
#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/assembly/control_loader.h"
#include "app/controls/grafica_proxy.h"
#include "app/pages/race_clock.h"
#include "app/resources/graphics_resources.h"
#include "app_test_support.h"
#include "platform/fakes/fake_window_services.h"

namespace razudar::apptest {
namespace {

void writePage(const QString& folder, const QString& name, const QStringList& objects) {
    QStringList items;
    for (const QString& o : objects) {
        items << QStringLiteral(R"({"name": "%1", "type": "text", "x": 80, "y": 100, "w": 100, "h": 30})").arg(o);
    }
    QFile f(QDir(folder).filePath(name + QStringLiteral(".smb")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral(R"({"format": "razudar-page", "version": 1, "objects": [%1]})").arg(items.join(',')).toUtf8());
}

struct Resources : ::testing::Test {
    void SetUp() override {
        QString error;
        control.reset(loader.create(controls::kQuelvo, nullptr, &error));
        ASSERT_TRUE(control) << error.toStdString();
        gra = std::make_unique<controls::GraficaProxy>(control.get(), [](const QString&) {});
        ASSERT_TRUE(gra->Inizializza());
    }
    void TearDown() override {
        if (gra) gra->Chiude();
    }
    QTemporaryDir dir;
    FakeWindowServices fakes;
    controls::ControlLoader loader{QStringLiteral(RAZUDAR_PLUGIN_DIR)};
    std::unique_ptr<QWidget> control;
    std::unique_ptr<controls::GraficaProxy> gra;
};

TEST_F(Resources, RowsAreCountedFromOneUpToTheFirstGap) {
    const QString graphics = dir.filePath(QStringLiteral("Razudar"));
    QDir().mkpath(graphics);
    QStringList eight;
    for (int i = 1; i <= 8; ++i) eight << QStringLiteral("txtPosizione%1").arg(i);
    writePage(graphics, QStringLiteral("Classifica"), eight);
    writePage(graphics, QStringLiteral("ClassificaBassa"), {QStringLiteral("txtPosizione2"), QStringLiteral("txtTitolo1")});
    writePage(graphics, QStringLiteral("Altra"), {QStringLiteral("TXTPOSIZIONE1")});

    ProgramState state;
    ASSERT_TRUE(CaricaRisorseGrafiche(state, *gra, fakes.prompter, dir.path() + QLatin1Char('/')));
    EXPECT_EQ(state.resources.CartellaGrafica, graphics + QLatin1Char('/'));
    EXPECT_EQ(state.resources.CartellaSponsor, graphics + QStringLiteral("/Sponsor/"));
    EXPECT_EQ(state.resources.RigheClassifica, 8);
    EXPECT_EQ(state.resources.RigheClassificaBassa, 0);
    // "Partenti" has no definition: 0 rows and the control's refusal is shown.
    EXPECT_EQ(state.resources.RighePartenti, 0);
    EXPECT_EQ(fakes.prompter.texts(), QStringList{QStringLiteral("CaricaPagina Partenti")});
    EXPECT_EQ(ContaRighePagina(*gra, fakes.prompter, QStringLiteral("Altra"), QString(), QStringLiteral("txtPosizione"), true), 1);
}

TEST_F(Resources, AGraphicsFolderWithoutPagesFails) {
    QDir().mkpath(dir.filePath(QStringLiteral("Razudar")));
    ProgramState state;
    state.resources.RigheClassifica = 7;
    EXPECT_FALSE(CaricaRisorseGrafiche(state, *gra, fakes.prompter, dir.path() + QLatin1Char('/')));
    EXPECT_EQ(state.resources.RigheClassifica, 7);
}

TEST(OrarioAttuale, PacksTheLocalTimeOfDay) {
    const struct {
        QTime time;
        qint32 packed;
    } cases[] = {
        {QTime(9, 5, 7, 250), 90507250},
        {QTime(0, 0, 1, 0), 1000},
        {QTime(0, 0, 0, 0), 0},
        {QTime(23, 59, 59, 500), 235959500},
        {QTime(12, 0, 0, 1), 120000000},  // single precision: the last millisecond is lost
    };
    FakeClock clock;
    for (const auto& c : cases) {
        clock.setNow(QDateTime(QDate(2026, 3, 1), c.time));
        EXPECT_EQ(OrarioAttuale(clock), c.packed) << c.time.toString().toStdString();
    }
}

}  // namespace
}  // namespace razudar::apptest
