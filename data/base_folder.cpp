#include "data/base_folder.h"

#include <QDir>
#include <QFileInfo>

#include <dirent.h>

#include <cerrno>
#include <cstring>

#include "data/program_end.h"
#include "model/basic.h"
#include "platform/services/paths.h"
#include "platform/services/prompter.h"
#include "platform/services/settings_store.h"

namespace razudar {

QString loadShareMountFolder(const SettingsStore& settings) {
    const QString stored = settings.value(QStringLiteral("Zez"), QStringLiteral("Razudar"),
                                          QString::fromUtf16(kShareMountFolderKey));
    return stored.trimmed().isEmpty() ? QString::fromUtf16(kDefaultShareMountFolder) : stored.trimmed();
}

QString ProcessCurrentFolder::path() const { return QDir::currentPath(); }

bool ProcessCurrentFolder::change(const QString& path) { return QDir::setCurrent(path); }

namespace {

enum class Listing { HasFiles, Empty, Missing, Unreadable };

// Lists a folder for ordinary files. A folder that is absent counts as missing; one that exists
// but cannot be read (a share that does not answer, no permission) is unreadable.
Listing listFolder(const QString& folder, QString* reason) {
    const QByteArray native = QFile::encodeName(folder);
    DIR* dir = opendir(native.constData());
    if (!dir) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR) return Listing::Missing;
        *reason = QString::fromLocal8Bit(std::strerror(err));
        return Listing::Unreadable;
    }
    Listing result = Listing::Empty;
    while (const dirent* entry = readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name == QStringLiteral(".") || name == QStringLiteral("..")) continue;
        if (QFileInfo(QDir(folder).filePath(name)).isFile()) {
            result = Listing::HasFiles;
            break;
        }
    }
    closedir(dir);
    return result;
}

// A server name is a computer name: never empty, never a path that could lead out of the share
// folder or back to it.
bool isComputerName(const QString& name) {
    return !basic::Trim(name).isEmpty() && !name.contains(u'/') && !name.contains(u'\\') &&
           !name.contains(QStringLiteral(".."));
}

void shareNotFound(const FolderContext& context) {
    context.prompter.show(QStringLiteral("Cartella Condivisa del Server Non Trovata"),
                          PromptButtons::Ok, PromptIcon::Critical);
}

QString clientBaseFolder(const FolderContext& context) {
    if (!isComputerName(context.settings.NomeComputerServer)) {
        shareNotFound(context);
        return QString();
    }
    const QString mount = paths::withTrailingSeparator(context.settings.shareMountFolder);
    const QString relative = context.settings.NomeComputerServer + u'/' +
                             QString::fromUtf16(kCartellaCondivisa);
    // Share names were written for a case-blind system: find the folder ignoring case.
    QString candidate = paths::findCaseInsensitive(mount, relative);
    if (candidate.isEmpty()) candidate = mount + relative;
    candidate = paths::withTrailingSeparator(candidate);
    QString reason;
    switch (listFolder(candidate, &reason)) {
    case Listing::HasFiles:
        return candidate;
    case Listing::Unreadable: {
        const QString text = reason + QStringLiteral("\r") +
                             QStringLiteral("Database Remoto Non Trovato") + QStringLiteral("\r") +
                             QStringLiteral("Applicazione Terminata!");
        context.prompter.show(text, PromptButtons::Ok, PromptIcon::Critical);
        throw ProgramEndRequested(text);
    }
    case Listing::Empty:
    case Listing::Missing:
        break;
    }
    shareNotFound(context);
    return QString();
}

QString serverBaseFolder(const FolderContext& context) {
    const QString current = paths::withTrailingSeparator(context.currentFolder.path());
    const QString fromSources = QStringLiteral("Sorgenti/");
    const bool inSourceTree =
        current.endsWith(fromSources + QString::fromUtf16(kCartellaCondivisa) + u'/',
                         Qt::CaseInsensitive) ||
        (!context.settings.NomeCartellaApplicazione.isEmpty() &&
         current.endsWith(fromSources + context.settings.NomeCartellaApplicazione + u'/',
                          Qt::CaseInsensitive));
    if (!inSourceTree) return current;
    const QString avvio = QDir::cleanPath(current + QStringLiteral("../../Avvio"));
    if (!context.currentFolder.change(avvio)) return QString();
    return paths::withTrailingSeparator(context.currentFolder.path());
}

bool databaseFileIn(const QString& folder, const QString& relative, QString* found) {
    // With no base folder there is nothing to look in (never the bare relative name).
    if (folder.isEmpty()) return false;
    const QString path = paths::findCaseInsensitive(folder, relative);
    if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
    *found = path;
    return true;
}

}  // namespace

QString CartellaBase(qint32 mode, const FolderContext& context) {
    if (mode == kModalitaClient) return clientBaseFolder(context);
    if (mode == kModalitaServer) return serverBaseFolder(context);
    return QString();
}

QString PercorsoDatabase(qint32 mode, const FolderContext& context) {
    const QString file = QString::fromUtf16(kNomeFileDatabase);
    if (mode == kModalitaServer) return CartellaBase(kModalitaServer, context) + file;
    if (mode != kModalitaClient) return QString();
    QString found;
    if (databaseFileIn(CartellaBase(kModalitaClient, context), file, &found)) return found;
    if (databaseFileIn(CartellaBase(kModalitaClient, context), QStringLiteral("Avvio/") + file,
                       &found)) {
        return found;
    }
    context.prompter.show(QStringLiteral("Database Non Trovato"), PromptButtons::Ok,
                          PromptIcon::Critical);
    return QString();
}

}  // namespace razudar
