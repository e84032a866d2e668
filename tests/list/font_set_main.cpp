#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

#include "tests/list/font_sets.h"

// The list drawn with only the fonts the set-up installs (--font-set=dejavu: without the list's
// preferred face). Fontconfig reads its configuration once, when the application starts.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QString name;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--font-set=")) name = QString::fromUtf8(arg.mid(11));
    }
    const razudar::testing::FontSet set = razudar::testing::fontSet(name);
    const QTemporaryDir config;
    const QString file = config.isValid() ? razudar::testing::writeFontConfig(set, config.path()) : QString();
    if (file.isEmpty()) {
        std::fprintf(stderr, "cannot write a font configuration\n");
        return 1;
    }
    qputenv("FONTCONFIG_FILE", file.toLocal8Bit());
    qputenv(razudar::testing::kFontSetVariable, set.name.toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
