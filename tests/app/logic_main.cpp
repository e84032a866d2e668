#include <gtest/gtest.h>

#include <QGuiApplication>

// The logic's tests link no widgets: a GUI application (offscreen) is enough for the fonts,
// images and timers the units use.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
