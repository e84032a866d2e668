// The control proxies are the bottom of the program: every unit may include them, so they include
// nothing of the program's other folders (a proxy that did would close an include cycle through
// the units that hold it). No folder of the program reaches itself again through the folders it
// includes, and the windows change the program state only through the units.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

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

// Writes `text` to the file `name` of `dir` and answers its path ("" when it cannot be written).
QString writeFile(const QTemporaryDir& dir, const char* name, const char* text) {
    QFile file(dir.filePath(QLatin1String(name)));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(text) < 0) return QString();
    return file.fileName();
}

// A rule of the test itself: an include of another folder is seen.
TEST(ControlProxies, AnIncludeOfAnotherFolderIsSeen) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "proxy.h",
                                   "#pragma once\n#include <QString>\n#include \"app/controls/late_bound.h\"\n"
                                   "  #  include \"app/link/x.h\"\n// #include \"app/console/y.h\" is a comment\n");
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(programIncludes(path), (QStringList{"app/controls/late_bound.h", "app/link/x.h"}));
}

// The folder of an "app/..." path ("app/pages/on_air.h" is "pages"); "" for a file at the top.
QString folderOf(const QString& programPath) {
    const QStringList parts = programPath.split(QLatin1Char('/'));
    return parts.size() > 2 ? parts[1] : QString();
}

// For every folder under `root`, the other folders its files include.
QMap<QString, QSet<QString>> folderIncludes(const QString& root) {
    QMap<QString, QSet<QString>> uses;
    const QDir top(root);
    for (QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        const QString from = folderOf(QStringLiteral("app/") + top.relativeFilePath(path));
        if (from.isEmpty()) continue;
        QSet<QString>& used = uses[from];
        for (const QString& included : programIncludes(path)) {
            const QString to = folderOf(included);
            if (!to.isEmpty() && to != from) used.insert(to);
        }
    }
    return uses;
}

// A cycle of folders ("a -> b -> a"), or "" when there is none.
QString folderCycle(const QMap<QString, QSet<QString>>& uses) {
    QStringList path;
    QSet<QString> done;
    std::function<QString(const QString&)> visit = [&](const QString& folder) -> QString {
        if (const qsizetype at = path.indexOf(folder); at >= 0) return (path.mid(at) << folder).join(QStringLiteral(" -> "));
        if (done.contains(folder)) return QString();
        path << folder;
        QStringList next(uses.value(folder).begin(), uses.value(folder).end());
        next.sort();
        for (const QString& to : next)
            if (const QString cycle = visit(to); !cycle.isEmpty()) return cycle;
        path.removeLast();
        done.insert(folder);
        return QString();
    };
    for (auto it = uses.keyBegin(); it != uses.keyEnd(); ++it)
        if (const QString cycle = visit(*it); !cycle.isEmpty()) return cycle;
    return QString();
}

TEST(ProgramFolders, NoFolderReachesItselfThroughItsIncludes) {
    const QMap<QString, QSet<QString>> uses = folderIncludes(QStringLiteral(RAZUDAR_SOURCE_DIR "/app"));
    EXPECT_TRUE(uses.contains(QStringLiteral("windows")) && uses.contains(QStringLiteral("pages")));
    EXPECT_EQ(folderCycle(uses).toStdString(), "");
}

// The assignments to a field of the program state (`state.X = `, `state_.a.b += `, `++state_.X`)
// in the file at `path`, one "line: text" each.
QStringList stateAssignments(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {QStringLiteral("<unreadable>")};
    static const QRegularExpression assignment(
        QStringLiteral(R"re((\+\+|--)\s*state_?\s*\.|\bstate_?\s*\.\s*[\w.]+\s*([-+*/|&]?=(?!=)|\+\+|--))re"));
    QStringList found;
    int number = 0;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        ++number;
        if (assignment.match(line).hasMatch()) found << QStringLiteral("%1: %2").arg(number).arg(line.trimmed());
    }
    return found;
}

TEST(ProgramFolders, NoWindowAssignsAFieldOfTheProgramState) {
    int read = 0;
    for (QDirIterator it(QStringLiteral(RAZUDAR_SOURCE_DIR "/app/windows"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                         QDir::Files);
         it.hasNext();) {
        const QString path = it.next();
        ++read;
        EXPECT_EQ(stateAssignments(path).join(QLatin1Char('\n')).toStdString(), "") << path.toStdString();
    }
    EXPECT_GT(read, 10);
}

// A rule of the test itself: every kind of assignment is seen, comparisons and reads are not.
TEST(ProgramFolders, AnAssignmentToTheStateIsSeen) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "panel.cpp",
                                   "state_.ConcorrenteSelezionato = n;\n"
                                   "if (state_.SfidaSelezionata == 3) show(state.race.Krono);\n"
                                   "  state.PaginaInOnda.NomePagina  = QString();\n"
                                   "state_.OffsetTempoCorrere += 5;\n"
                                   "++state_.PaginaElencoCorrente;\n"
                                   "const bool b = state_.NominativoTCVisibile != on;\n");
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(stateAssignments(path),
              (QStringList{"1: state_.ConcorrenteSelezionato = n;", "3: state.PaginaInOnda.NomePagina  = QString();",
                           "4: state_.OffsetTempoCorrere += 5;", "5: ++state_.PaginaElencoCorrente;"}));
}

// A rule of the test itself: a cycle through three folders is found and named.
TEST(ProgramFolders, ACycleIsFoundAndNamed) {
    const auto set = [](std::initializer_list<const char*> names) {
        QSet<QString> out;
        for (const char* n : names) out.insert(QLatin1String(n));
        return out;
    };
    QMap<QString, QSet<QString>> uses{{"assembly", set({"editors", "pages"})},
                                      {"editors", set({"windows"})},
                                      {"windows", set({"assembly"})},
                                      {"pages", set({})}};
    EXPECT_EQ(folderCycle(uses).toStdString(), "assembly -> editors -> windows -> assembly");
    uses[QStringLiteral("editors")] = set({"widgets"});
    uses[QStringLiteral("windows")] = set({"assembly", "widgets"});
    EXPECT_EQ(folderCycle(uses).toStdString(), "");
}

}  // namespace
}  // namespace razudar::apptest
