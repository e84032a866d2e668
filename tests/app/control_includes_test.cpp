// The control proxies are the bottom of the program: every unit may include them, so they include
// nothing of the program's other folders (a proxy that did would close an include cycle through
// the units that hold it).
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

namespace razudar::apptest {
namespace {

// The program headers ("app/...") that a source file includes.
QStringList programIncludes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {QStringLiteral("<unreadable>")};
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s+"(app/[^"]+)")re"),
                                            QRegularExpression::MultilineOption);
    QStringList found;
    for (auto it = include.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) found << it.next().captured(1);
    return found;
}

TEST(ControlProxies, IncludeOnlyTheirOwnFolder) {
    const QDir folder(QStringLiteral(RAZUDAR_SOURCE_DIR "/app/controls"));
    QStringList read;
    for (QDirIterator it(folder.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files); it.hasNext();) {
        const QString path = it.next();
        read << folder.relativeFilePath(path);
        for (const QString& included : programIncludes(path))
            EXPECT_TRUE(included.startsWith(QLatin1String("app/controls/"))) << folder.relativeFilePath(path).toStdString()
                                                                            << " includes " << included.toStdString();
    }
    // The proxies and the one link port were read.
    for (const char* expected : {"tcp_proxy.h", "grafica_proxy.h", "link_control.h", "grafica_codes.h"})
        EXPECT_TRUE(read.contains(QLatin1String(expected))) << expected;
}

// A rule of the test itself: an include of another folder is seen.
TEST(ControlProxies, AnIncludeOfAnotherFolderIsSeen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("proxy.h")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write("#pragma once\n#include <QString>\n#include \"app/controls/late_bound.h\"\n  #  include \"app/link/x.h\"\n"
               "// #include \"app/console/y.h\" is a comment\n");
    file.close();
    EXPECT_EQ(programIncludes(file.fileName()), (QStringList{"app/controls/late_bound.h", "app/link/x.h"}));
}

}  // namespace
}  // namespace razudar::apptest
