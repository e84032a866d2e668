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
    const QRect o = owner.frameGeometry();
    const QRect w = window.frameGeometry();
    EXPECT_EQ(w.topLeft(), QPoint((o.width() - w.width()) / 2 + o.left(), (o.height() - w.height()) / 2 + o.top()));
}

TEST(CentraForm, CentresOnTheScreenWithoutOwner) {
    QWidget window;
    window.resize(200, 100);
    razudar::CentraForm(window);
    const QRect s = QGuiApplication::primaryScreen()->geometry();
    const QRect w = window.frameGeometry();
    EXPECT_EQ(w.topLeft(), QPoint((s.width() - w.width()) / 2 + s.left(), (s.height() - w.height()) / 2 + s.top()));
}
