#pragma once
// The base folder and the database file by connection mode. Server: the current folder (or
// "Avvio" two levels up when the program runs from its source tree). Client: the server's
// shared folder "Zez", reached where this computer mounts that server's shares.
// Folders are returned with a trailing "/".
#include <QString>
#include <QtGlobal>

#include "data/connection_settings.h"

namespace razudar {

class Prompter;

// The process's current folder, behind an interface so tests never change the real one.
class CurrentFolder {
public:
    virtual ~CurrentFolder() = default;
    virtual QString path() const = 0;
    // Makes `path` the current folder; false when it cannot (missing folder).
    virtual bool change(const QString& path) = 0;
};

class ProcessCurrentFolder : public CurrentFolder {
public:
    QString path() const override;
    bool change(const QString& path) override;
};

struct FolderContext {
    const ConnectionSettings& settings;
    CurrentFolder& currentFolder;
    Prompter& prompter;
};

inline constexpr char16_t kNomeFileDatabase[] = u"Zez.mdb";
inline constexpr char16_t kCartellaCondivisa[] = u"Zez";

// Mode 1: <share mount>/<server>/Zez/ when it lists at least one file, else the message
// "Cartella Condivisa del Server Non Trovata" and "". Mode 0: the current folder; from a folder
// ending in "Sorgenti/Zez" or "Sorgenti/<NomeCartellaApplicazione>" (any case) the current
// folder becomes "../../Avvio" for the rest of the run. Other modes: "".
// A share that exists but cannot be read shows the system's reason with "Database Remoto Non
// Trovato" and "Applicazione Terminata!" and throws ProgramEndRequested.
QString CartellaBase(qint32 mode, const FolderContext& context);

// Mode 0: CartellaBase(0) + "Zez.mdb" (not tested). Mode 1: the base folder's Zez.mdb, else
// its Avvio/Zez.mdb, else "Database Non Trovato" and "". Other modes: "".
QString PercorsoDatabase(qint32 mode, const FolderContext& context);

}  // namespace razudar
