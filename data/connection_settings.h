#pragma once
// How the program reaches its race database: the connection mode and computer names chosen in
// the mode dialog, the program's own folder name, and where this computer mounts the shared
// folders of other computers. Set by the main window's start-up; read by the folder rules.
#include <QString>
#include <QtGlobal>

namespace razudar {

class SettingsStore;

inline constexpr qint32 kModalitaServer = 0;
inline constexpr qint32 kModalitaClient = 1;

// Where the share-mount folder is kept: application "Zez", section "Razudar".
inline constexpr char16_t kShareMountFolderKey[] = u"CartellaCondivisioni";
inline constexpr char16_t kDefaultShareMountFolder[] = u"/mnt";

struct ConnectionSettings {
    qint32 ModalitaConnessione = kModalitaServer;  // 0 Server, 1 Client
    QString NomeComputerServer;
    QString NomeComputerLocale;
    QString NomeCartellaApplicazione;  // "Razudar"
    // Folder under which the server's share appears as <server name>/Zez (Client mode).
    QString shareMountFolder = QString::fromUtf16(kDefaultShareMountFolder);
};

// The share-mount folder from the settings store ("/mnt" when none is stored).
QString loadShareMountFolder(const SettingsStore& settings);

}  // namespace razudar
