#include "app/window_helpers.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Needs a QApplication: run from a test main that creates one.

TEST(CentraForm, CentresOverTheOwner) {
    QWidget owner;
    owner.setGeometry(100, 50, 800, 600);
    QWidget window;
    window.resize(200, 100);
    razudar::CentraForm(window, &owner);
    // (800 - 200) / 2 + 100, (600 - 100) / 2 + 50.
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(400, 300));
}

TEST(CentraForm, CentresOnTheScreenWithoutOwner) {
    QWidget window;
    window.resize(200, 100);
    razudar::CentraForm(window);
    // The offscreen test screen is 800 x 800 at the origin.
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 800));
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(300, 350));
}
