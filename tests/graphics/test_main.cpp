#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The graphics control is a widget: the tests need an application object, headless also when
// the test runner lists the tests without the test environment.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The control from the plug-in reads the output screen from the settings store: never the
    // user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
