#include <gtest/gtest.h>

#include <QApplication>

// The page units are logic, but the graphics control they write to is a widget.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
