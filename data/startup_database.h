#pragma once
// The database steps of the program's start-up. The main window's load puts the globals that
// the database, folder and session rules read into one object (beginStartup), fills the path of
// the database slot before and after the mode dialog (fillDatabasePath), and then
// startRaceDatabase opens the database of the current slot, checks its version, loads the
// active session (the configuration's active race prevails and is saved), and in Server mode
// records the program version. Any failure is shown to the operator and ends the program
// cleanly.
#include "data/base_folder.h"
#include "data/connection_settings.h"
#include "data/database_state.h"
#include "model/session_key.h"
#include "platform/services/services.h"

namespace razudar {

// The database password the start-up sets. Kept as the program sets it; the SQLite file is not
// encrypted, so nothing reads it.
inline constexpr char16_t kPasswordDatabase[] = u"vorpland58";
// The program's own folder name.
inline constexpr char16_t kNomeCartellaApplicazione[] = u"Razudar";

// The globals that the main window sets at start-up and in the mode dialog, in one object owned
// by the program and passed to the database, folder and session rules.
struct StartupGlobals {
    ConnectionSettings connection;  // ModalitaConnessione, NomeComputerServer, ...
    DatabaseState database;         // IndiceDatabase, PercorsiDatabase, PasswordDatabase, slots
    SessionKey session;             // SessioneGara, SessioneTipoTurno, SessioneManche
};

// The start of the main window's load: Server mode, the program's folder name "Razudar",
// database slot 1, the database password, and the share-mount folder from the settings store.
void beginStartup(StartupGlobals& globals, const SettingsStore& settings);

// PercorsiDatabase(IndiceDatabase) = PercorsoDatabase(ModalitaConnessione), before the mode
// dialog and again after it. After the dialog an empty path in Client mode ends the program:
// PercorsoDatabase has already told the operator why, so ProgramEndRequested is thrown without
// a further message.
void fillDatabasePath(StartupGlobals& globals, CurrentFolder& currentFolder,
                      Prompter& prompter, bool afterModeDialog);

// Throws ProgramEndRequested after the message when the database cannot be opened, has
// another version, lacks Configurazione or one of its fields, or refuses the version record.
void startRaceDatabase(DatabaseState& database, const ConnectionSettings& connection,
                       SessionKey& session, const Services& services);

}  // namespace razudar
