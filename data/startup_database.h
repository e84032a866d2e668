#pragma once
// The database steps of the program's start-up, after the mode dialog and the database path:
// open the database of the current slot, check its version, load the active session (the
// configuration's active race prevails and is saved), and in Server mode record the program
// version. Any failure is shown to the operator and ends the program cleanly.
#include "data/connection_settings.h"
#include "data/database_state.h"
#include "model/session_key.h"
#include "platform/services/services.h"

namespace razudar {

// Throws ProgramEndRequested after the message when the database cannot be opened, has
// another version, lacks Configurazione or one of its fields, or refuses the version record.
void startRaceDatabase(DatabaseState& database, const ConnectionSettings& connection,
                   SessionKey& session, const Services& services);

}  // namespace razudar
