#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "graphics/mirt_gra.h"
#include "graphics/slide_effects.h"
#include "gra_test_support.h"
#include "platform/renderer/video_board.h"

namespace razudar::gra_test {
namespace {

// Each step of a slide waits 1 ms, so the waits count the steps.
std::size_t steps(const DirectControl& c) { return c.fakes.waiter.sleeps().size(); }

TEST(Effects, EffettoXSlidesInFromTheLeftInSteps) {
    DirectControl c;
    QObject* g = c.control.get();
    call(g, "EffettoX", {24, false});
    EXPECT_EQ(steps(c), 30u);
    for (int wait : c.fakes.waiter.sleeps()) EXPECT_EQ(wait, 1);
    EXPECT_EQ(c.control->effects().stateX().X, 0);
    // Speed 0 keeps the last speed given.
    call(g, "EffettoX", {0, false});
    EXPECT_EQ(steps(c), 60u);
    call(g, "EffettoX", {-24, false});
    EXPECT_EQ(steps(c), 90u);
    EXPECT_EQ(c.control->effects().stateX().X, -720);
    // Relative, negative: in from the right (720 to 0); a large step ends at once.
    call(g, "EffettoX", {-48, true});
    EXPECT_EQ(steps(c), 105u);
    EXPECT_EQ(c.control->effects().stateX().X, 0);
    call(g, "EffettoX", {-1000, true});
    EXPECT_EQ(steps(c), 106u);
    // Every one of these blocked its caller: the control counts them.
    EXPECT_EQ(g->property("slideCount").toInt(), 5);
}

TEST(Effects, EffettoYUsesTheFrameHeightAndItsOwnSpeed) {
    DirectControl c;
    QObject* g = c.control.get();
    call(g, "EffettoX", {24});
    call(g, "EffettoY", {48});
    EXPECT_EQ(steps(c), 30u + 12u);
    EXPECT_EQ(c.control->effects().stateY().Y, 0);
    EXPECT_EQ(c.control->effects().stateY().Velocita, 48);
    EXPECT_EQ(c.control->effects().stateX().Velocita, 24);
    call(g, "EffettoY", {-96, false});
    EXPECT_EQ(c.control->effects().stateY().Y, -576);
}

TEST(Effects, WithoutABoardOnlyEffettoXReturnsAtOnce) {
    DirectControl c;
    QObject* g = c.control.get();
    g->setProperty("booSchedaVideoAssente", true);
    call(g, "EffettoX", {24, false});
    EXPECT_EQ(steps(c), 0u);
    call(g, "EffettoY", {24, false});
    EXPECT_EQ(steps(c), 24u);
    EXPECT_EQ(g->property("slideCount").toInt(), 1);
}

TEST(Effects, ZeroStoredSpeedEndsAtOnce) {
    DirectControl c;
    QObject* g = c.control.get();
    call(g, "EffettoX", {0, true});
    call(g, "EffettoY", {0, true});
    call(g, "EffettoX", {});
    EXPECT_EQ(steps(c), 0u);
    EXPECT_EQ(g->property("slideCount").toInt(), 0);
}

TEST(Effects, EffettoXUnderscoreMakesOneStepPerCallUntilTheEnd) {
    DirectControl c;
    QObject* g = c.control.get();
    const gra::SlideEffects& fx = c.control->effects();
    call(g, "EffettoX_", {24});
    EXPECT_TRUE(fx.stepping());
    EXPECT_EQ(fx.stateXStep().X, -720);
    for (int i = 0; i < 29; ++i) call(g, "EffettoX_", {0});
    EXPECT_TRUE(fx.stepping());
    EXPECT_EQ(fx.stateXStep().X, -24);
    call(g, "EffettoX_", {0});
    EXPECT_FALSE(fx.stepping());
    EXPECT_EQ(fx.stateXStep().X, 0);
    EXPECT_EQ(steps(c), 0u);  // these steps never block
    EXPECT_EQ(g->property("slideCount").toInt(), 0);
}

TEST(Events, ConfermaComesFromTheHiddenButtons) {
    DirectControl c;
    QList<QPushButton*> buttons = c.control->findChildren<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_EQ(buttons.size(), 2);
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton* a, QPushButton* b) { return a->property("Index").toInt() < b->property("Index").toInt(); });
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("Conferma"));
    EXPECT_EQ(buttons[1]->text(), QStringLiteral("Annulla"));
    EXPECT_TRUE(buttons[0]->isHidden());
    EXPECT_TRUE(buttons[1]->isHidden());
    buttons[0]->click();
    buttons[1]->click();
    EXPECT_EQ(c.events->confirmations, (std::vector<bool>{true, false}));
}

TEST(Events, TabsShowPlaneZero) {
    DirectControl c;
    auto* tabs = c.control->findChild<QTabWidget*>(QStringLiteral("tabPiani"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Piano 0"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Piano 1"));
    tabs->setCurrentIndex(1);
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST(Events, NotificationsOfPlaneZeroOnlyReachTheHost) {
    DirectControl c;
    for (const char* name : {"Zero", "Uno"}) {
        QJsonObject crawl = simpleObject(QStringLiteral("crw") + name, "crawl", 0, 500, 50, 30);
        crawl[QStringLiteral("text")] = QStringLiteral("ab");
        crawl[QStringLiteral("speed")] = 10000;
        writePage(c.folder(), QString::fromLatin1(name) + QStringLiteral(".smb"), {crawl});
    }
    c.start();
    QObject* g = c.control.get();
    // Frames 40 ms apart on the fake clock; notifications are delivered through the event loop.
    const auto runFrames = [&](int frames) {
        for (int i = 0; i < frames; ++i) {
            c.fakes.clock.advanceMs(40);
            c.control->board()->composeNow();
        }
        QCoreApplication::processEvents();
    };
    ASSERT_TRUE(call(g, "CaricaPagina", {"Uno", 1}).toBool());
    ASSERT_TRUE(call(g, "StartPagina", {"Uno"}).toBool());
    runFrames(5);
    EXPECT_TRUE(c.events->notifications.empty());

    ASSERT_TRUE(call(g, "CaricaPagina", {"Zero", 0}).toBool());
    ASSERT_TRUE(call(g, "StartPagina", {"Zero"}).toBool());
    runFrames(5);
    ASSERT_FALSE(c.events->notifications.empty());
    for (const auto& [name, event] : c.events->notifications) {
        EXPECT_EQ(name, QStringLiteral("crwZero"));
        EXPECT_EQ(event, 1);
    }
}

}  // namespace
}  // namespace razudar::gra_test

namespace razudar::gra_test {
namespace {

TEST(Effects, LargestSpeedsEndInOneStepWithoutOverflow) {
    struct Case {
        int velocita;
        bool relativo;
        int endX;
    };
    const Case cases[] = {{2147483647, false, 0}, {-2147483647 - 1, false, -720}, {2147483647, true, 0},
                          {-2147483647 - 1, true, 0}};
    for (const Case& tc : cases) {
        DirectControl c;
        call(c.control.get(), "EffettoX", {tc.velocita, tc.relativo});
        EXPECT_EQ(c.control->effects().stateX().X, tc.endX) << tc.velocita;
        EXPECT_EQ(c.fakes.waiter.sleeps().size(), 1u) << tc.velocita;
        call(c.control.get(), "EffettoY", {tc.velocita, tc.relativo});
        EXPECT_EQ(c.control->effects().stateY().Y, tc.endX == -720 ? -576 : 0);
    }
}

}  // namespace
}  // namespace razudar::gra_test
