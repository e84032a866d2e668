#include "app_test_support.h"

#include <QDirIterator>
#include <QFile>

#include "data/database_access.h"

namespace razudar::apptest {

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else {
            QFile::copy(source, target);
        }
    }
}

QString demoGraphicsFolder() { return QStringLiteral(RAZUDAR_BINARY_DIR "/demo/Razudar"); }

BaseFolder::BaseFolder() {
    databasePath = assets::createRaceDatabase(dir.path(), assets::DatabaseContent::Demo);
    copyFolder(demoGraphicsFolder(), dir.filePath(QStringLiteral("Razudar")));
}

void openDatabase(ProgramState& state, const BaseFolder& base) {
    state.startup.database.IndiceDatabase = 1;
    state.startup.database.PercorsiDatabase[1] = base.databasePath;
    state.startup.database.busyTimeoutMs = 0;
    ApriDatabase(state.startup.database);
}

}  // namespace razudar::apptest
