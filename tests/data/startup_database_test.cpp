#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "data/active_session.h"
#include "data/program_end.h"
#include "data/startup_database.h"
#include "db_fixture.h"
#include "model/bas_utilita.h"

namespace razudar {
namespace {

struct Startup {
    explicit Startup(assets::DatabaseContent content = assets::DatabaseContent::Demo) {
        path = assets::createRaceDatabase(dir.path(), content);
        state.IndiceDatabase = 1;
        state.PercorsiDatabase[1] = path;
        state.busyTimeoutMs = 0;
    }
    void run() { startRaceDatabase(state, connection, session, fakes.services()); }
    QVariant configuration(const char* field) {
        return db::Database::open(path).openRecordset(QStringLiteral("Configurazione"))
            .value(QString::fromLatin1(field));
    }
    QTemporaryDir dir;
    QString path;
    DatabaseState state;
    ConnectionSettings connection;
    SessionKey session;
    FakeServices fakes;
};

// The current folder as a value: tests never change the process's own.
class FixedCurrentFolder : public CurrentFolder {
public:
    explicit FixedCurrentFolder(QString path) : path_(std::move(path)) {}
    QString path() const override { return path_; }
    bool change(const QString&) override { return false; }

private:
    QString path_;
};

TEST(StartupGlobals, LoadSetsServerModeFolderNameSlotAndPassword) {
    StartupGlobals g;
    EXPECT_EQ(g.connection.shareMountFolder, QStringLiteral("/mnt"));
    g.connection.ModalitaConnessione = kModalitaClient;
    MemorySettingsStore store;
    store.save(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("CartellaCondivisioni"),
               QStringLiteral("/media/condivise"));
    beginStartup(g, store);
    EXPECT_EQ(g.connection.ModalitaConnessione, 0);
    EXPECT_EQ(g.connection.NomeCartellaApplicazione, QStringLiteral("Razudar"));
    EXPECT_EQ(g.connection.shareMountFolder, QStringLiteral("/media/condivise"));
    EXPECT_EQ(g.database.IndiceDatabase, 1);
    EXPECT_EQ(g.database.PasswordDatabase, QStringLiteral("vorpland58"));
    EXPECT_EQ(g.session.SessioneGara, -1);
}

// The start-up globals after the load, in `mode`, with the shares mounted under a temporary
// folder that is also the current folder.
struct StartupFolders {
    explicit StartupFolders(qint32 mode) {
        beginStartup(g, MemorySettingsStore());
        g.connection.ModalitaConnessione = mode;
        g.connection.NomeComputerServer = QStringLiteral("PC1");
        g.connection.shareMountFolder = dir.path();
        g.database.busyTimeoutMs = 0;
    }
    void setPath(bool afterModeDialog) {
        fillDatabasePath(g, folder, fakes.prompter, afterModeDialog);
    }
    QTemporaryDir dir;
    StartupGlobals g;
    FixedCurrentFolder folder{dir.path()};
    FakeServices fakes;
};

TEST(StartupGlobals, ServerPathFillsSlotOneWhetherOrNotTheFileExists) {
    StartupFolders s(kModalitaServer);
    s.setPath(true);
    EXPECT_EQ(s.g.database.PercorsiDatabase[1], s.dir.path() + QStringLiteral("/Zez.mdb"));
    EXPECT_EQ(s.g.database.PercorsiDatabase[0], QString());
    EXPECT_TRUE(s.fakes.prompter.shown().empty());
}

TEST(StartupGlobals, ClientWithoutDatabaseEndsTheProgramOnlyAfterTheModeDialog) {
    StartupFolders s(kModalitaClient);
    s.setPath(false);
    EXPECT_EQ(s.g.database.PercorsiDatabase[1], QString());
    EXPECT_THROW(s.setPath(true), ProgramEndRequested);
    // Each search told the operator why (twice the share, then the database); nothing more.
    EXPECT_EQ(s.fakes.prompter.texts().size(), 6);
    EXPECT_EQ(s.fakes.prompter.texts().back(), QStringLiteral("Database Non Trovato"));
}

TEST(StartupGlobals, ClientFindsTheDatabaseInTheMountedShare) {
    StartupFolders s(kModalitaClient);
    const QString path = assets::createRaceDatabase(s.dir.filePath(QStringLiteral("PC1/Zez")));
    s.setPath(true);
    EXPECT_EQ(s.g.database.PercorsiDatabase[1], path);
    startRaceDatabase(s.g.database, s.g.connection, s.g.session, s.fakes.services());
    EXPECT_TRUE(s.g.database.current().isOpen());
    EXPECT_TRUE(s.fakes.prompter.shown().empty());
}

TEST(StartRaceDatabase, ConfiguredRacePrevailsAndIsSaved) {
    Startup s;
    ImpostaSessioneAttiva(s.session, s.fakes.settings, 3, QStringLiteral("GA"), 2, true);
    s.run();
    EXPECT_EQ(s.session.SessioneGara, 1);
    EXPECT_EQ(s.session.SessioneTipoTurno, QString());
    EXPECT_EQ(s.session.SessioneManche, -1);
    SessionKey saved;
    CaricaSessioneAttiva(saved, s.fakes.settings);
    EXPECT_EQ(saved.SessioneGara, 1);
    EXPECT_TRUE(s.fakes.prompter.shown().empty());
    EXPECT_EQ(s.configuration("cf_VersioneProgramma").toString(), TestoVersioneProgramma());
}

TEST(StartRaceDatabase, SameRaceKeepsTheStoredSession) {
    Startup s;
    ImpostaSessioneAttiva(s.session, s.fakes.settings, 1, QStringLiteral("GA"), 2, true);
    s.session = SessionKey();
    s.run();
    EXPECT_EQ(s.session.SessioneGara, 1);
    EXPECT_EQ(s.session.SessioneTipoTurno, QStringLiteral("GA"));
    EXPECT_EQ(s.session.SessioneManche, 2);
}

TEST(StartRaceDatabase, NullActiveRaceLeavesTheStoredSession) {
    Startup s(assets::DatabaseContent::SchemaOnly);
    ImpostaSessioneAttiva(s.session, s.fakes.settings, 4, QStringLiteral("PR"), 1, true);
    s.run();
    EXPECT_EQ(s.session.SessioneGara, 4);
    EXPECT_EQ(s.session.SessioneTipoTurno, QStringLiteral("PR"));
}

TEST(StartRaceDatabase, ClientDoesNotRecordTheProgramVersion) {
    Startup s;
    s.connection.ModalitaConnessione = kModalitaClient;
    s.run();
    EXPECT_EQ(s.configuration("cf_VersioneProgramma").toString(), QString());
}

TEST(StartRaceDatabase, MissingFileIsShownAndEndsTheProgram) {
    Startup s;
    s.state.PercorsiDatabase[1] = s.dir.filePath(QStringLiteral("Altro.mdb"));
    EXPECT_THROW(s.run(), ProgramEndRequested);
    EXPECT_EQ(s.fakes.prompter.texts(),
              QStringList{QStringLiteral("Errore 3024 Impossibile trovare il file '%1'.\r\r"
                                         "Impossibile aprire il database %1\r\r"
                                         "Il programma verrà terminato.")
                              .arg(s.state.PercorsiDatabase[1])});
    EXPECT_EQ(s.fakes.prompter.shown().front().icon, PromptIcon::Critical);
}

TEST(StartRaceDatabase, MissingConfigurationFieldIsShownAndEndsTheProgram) {
    Startup s;
    db::Database::open(s.path).execute(QStringLiteral("ALTER TABLE Configurazione DROP COLUMN cf_GaraAttiva"));
    EXPECT_THROW(s.run(), ProgramEndRequested);
    EXPECT_EQ(s.fakes.prompter.texts(),
              QStringList{QStringLiteral("Errore 3265 Elemento non trovato in questo insieme: cf_GaraAttiva.\r\r"
                                         "Impossibile leggere la configurazione del database.\r\r"
                                         "Il programma verrà terminato.")});
}

TEST(StartRaceDatabase, WrongVersionEndsBeforeTheSession) {
    Startup s;
    db::Database::open(s.path).execute(QStringLiteral("UPDATE Configurazione SET cf_VersioneDatabase = '1.24'"));
    EXPECT_THROW(s.run(), ProgramEndRequested);
    EXPECT_EQ(s.session.SessioneGara, -1);
    EXPECT_EQ(s.configuration("cf_VersioneProgramma").toString(), QString());
}

TEST(StartRaceDatabase, ProgramVersionThatCannotBeWrittenEndsTheProgram) {
    Startup s;
    db::Database other = db::Database::open(s.path, {false, false, 0});
    other.execute(QStringLiteral("BEGIN IMMEDIATE"));
    EXPECT_THROW(s.run(), ProgramEndRequested);
    ASSERT_EQ(s.fakes.prompter.shown().size(), 1u);
    EXPECT_TRUE(s.fakes.prompter.texts().front().startsWith(QStringLiteral("Errore 3260 ")));
    other.execute(QStringLiteral("ROLLBACK"));
}

}  // namespace
}  // namespace razudar
