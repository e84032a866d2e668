#include "data/startup_database.h"

#include "data/active_session.h"
#include "data/configuration.h"
#include "data/database_access.h"
#include "data/program_end.h"
#include "model/basic.h"

namespace razudar {

namespace {

[[noreturn]] void endAfter(const Services& services, const db::DbError& e, const QString& what) {
    const QString text = databaseErrorText(e) + QStringLiteral("\r\r") +
                         what + QStringLiteral("\r\rIl programma verrà terminato.");
    services.prompter->show(text, PromptButtons::Ok, PromptIcon::Critical);
    throw ProgramEndRequested(text);
}

}  // namespace

void beginStartup(StartupGlobals& globals, const SettingsStore& settings) {
    globals.connection.ModalitaConnessione = kModalitaServer;
    globals.connection.NomeCartellaApplicazione = QString::fromUtf16(kNomeCartellaApplicazione);
    globals.connection.shareMountFolder = loadShareMountFolder(settings);
    globals.database.IndiceDatabase = 1;
    globals.database.PasswordDatabase = QString::fromUtf16(kPasswordDatabase);
}

void fillDatabasePath(StartupGlobals& globals, CurrentFolder& currentFolder,
                      Prompter& prompter, bool afterModeDialog) {
    const FolderContext context{globals.connection, currentFolder, prompter};
    const QString path = PercorsoDatabase(globals.connection.ModalitaConnessione, context);
    globals.database.PercorsiDatabase.at(static_cast<size_t>(globals.database.IndiceDatabase)) = path;
    if (afterModeDialog && path.isEmpty() &&
        globals.connection.ModalitaConnessione == kModalitaClient) {
        throw ProgramEndRequested(QStringLiteral("Database Non Trovato"));
    }
}

void startRaceDatabase(DatabaseState& database, const ConnectionSettings& connection,
                       SessionKey& session, const Services& services) {
    try {
        ApriDatabase(database);
    } catch (const db::DbError& e) {
        endAfter(services, e,
                 QStringLiteral("Impossibile aprire il database ") +
                     database.PercorsiDatabase.at(static_cast<size_t>(database.IndiceDatabase)));
    }
    ControllaVersioneDatabase(database, *services.prompter);

    session.SessioneGara = -1;
    std::optional<QVariant> garaAttiva;
    try {
        garaAttiva = configurationActiveRace(database.current());
    } catch (const db::DbError& e) {
        endAfter(services, e, QStringLiteral("Impossibile leggere la configurazione del database."));
    }
    CaricaSessioneAttiva(session, *services.settings);
    // The configuration's active race prevails; a Null, or a value that is no race number,
    // leaves the stored session as it is.
    if (garaAttiva && !garaAttiva->isNull()) {
        const std::optional<double> number = basic::numberOf(*garaAttiva);
        if (number && basic::fitsInteger(basic::roundHalfEven(*number))) {
            const qint16 race = basic::CInt(*number);
            if (race != session.SessioneGara) {
                ImpostaSessioneAttiva(session, *services.settings, race, QString(), -1, true);
            }
        }
    }

    if (connection.ModalitaConnessione == kModalitaServer) {
        try {
            SalvaVersioneProgramma(database);
        } catch (const db::DbError& e) {
            endAfter(services, e, QStringLiteral("Impossibile registrare la versione del programma."));
        }
    }
}

}  // namespace razudar
