// What the program tells the operator stays Italian and true, through the real program and the
// timekeeping simulator: a database engine's English words reach the log only, never the box; a
// race state the program refuses is told on the status bar without a box; a session key whose
// time cannot be used still becomes the session, and only the clock is left alone.
#include <QLabel>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "app/pages/page_codes.h"
#include "data/object_text_encoder.h"
#include "program_window_fixture.h"

namespace razudar::apptest {
namespace {

struct ToldInItalian : ProgramWindowTest {
    // Runs `sql` on the database file through a connection of its own (another program).
    void onTheFile(const char* sql) {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open_v2(base.databasePath.toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr),
                  SQLITE_OK);
        char* message = nullptr;
        const int rc = sqlite3_exec(other, sql, nullptr, nullptr, &message);
        EXPECT_EQ(rc, SQLITE_OK) << sql << ": " << (message ? message : "");
        sqlite3_free(message);
        sqlite3_close(other);
    }
    void connectTo(std::shared_ptr<clsKrono> race) {
        simulator.setRace(std::move(race));
        pressConnectToSimulator();
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return !state.krono().ElencoConcorrenti().isEmpty(); }))
            << simulator.received().join(QStringLiteral(" | ")).toStdString();
    }
};

TEST_F(ToldInItalian, AnEngineErrorIsToldInItalianAndItsEnglishWordsOnlyInTheLog) {
    ASSERT_TRUE(start());
    onTheFile("ALTER TABLE Configurazione RENAME COLUMN cf_VersioneDatabase TO cf_VersioneAltrove");
    fakes.prompter.clear();
    const qsizetype logged = state.log.lines().size();
    action(QStringLiteral("mnuAbout"))->trigger();
    const QString told = QStringLiteral(
        "Impossibile leggere la versione del database: errore del database 1 - nel database manca la colonna "
        "cf_VersioneDatabase. Il database non è della versione attesa dal programma.");
    ASSERT_FALSE(fakes.prompter.texts().isEmpty());
    EXPECT_EQ(fakes.prompter.texts().first(), told);
    EXPECT_EQ(state.log.lines().mid(logged),
              QStringList{told + QStringLiteral(" (SQLite 1: no such column: cf_VersioneDatabase)")});
    onTheFile("ALTER TABLE Configurazione RENAME COLUMN cf_VersioneAltrove TO cf_VersioneDatabase");
}

TEST_F(ToldInItalian, ARaceStateOfMoreThanFiftyRunsIsRefusedOnTheStatusBar) {
    ASSERT_TRUE(start());
    connectTo(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
    const auto race = state.race.Krono;
    // A database notice is up first: the start list's caption cannot be read.
    onTheFile("ALTER TABLE Lingue RENAME COLUMN li_Partenti TO li_PartentiAltrove");
    window->panel().cmdPagina_Click(kCodiceOrdinePartenza);
    ASSERT_TRUE(notice()->text().contains(QStringLiteral("li_Partenti"))) << notice()->text().toStdString();
    onTheFile("ALTER TABLE Lingue RENAME COLUMN li_PartentiAltrove TO li_Partenti");
    fakes.prompter.clear();
    // Value 2 of section 0: the current run.
    simulator.sendMessage(QStringLiteral("AGGIORNACLASSE"),
                          encoder::raceStateText(*encoder::demoRace({.competitors = 3, .runs = 1}), 2,
                                                 QStringLiteral("51")));
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil(
        [&] { return notice()->text().contains(QStringLiteral("Stato della gara")); }));
    const QString told = QStringLiteral(
        "Stato della gara ricevuto illeggibile, resta quello precedente: la manche corrente è 51, oltre il massimo di 50");
    const QString shown = fakes.clock.now().toString(QStringLiteral("hh:mm:ss ")) + told;
    EXPECT_EQ(notice()->text(), shown);
    EXPECT_EQ(state.log.lines().last(), told);
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
    EXPECT_EQ(state.race.Krono, race);
    EXPECT_EQ(state.krono().ElencoConcorrenti().size(), 12);
    // The database answers the next page button again: that withdraws its own notice, not this
    // one, since the race state it refused is still not shown.
    window->panel().cmdPagina_Click(kCodiceOrdinePartenza);
    EXPECT_EQ(notice()->text(), shown);
}

TEST_F(ToldInItalian, ASessionKeyWithAnUnusableTimeBecomesTheSession) {
    ASSERT_TRUE(start());
    ASSERT_EQ(state.startup.session.SessioneManche, -1);
    simulator.setSessionKey(QStringLiteral("dieci e mezza"), QStringLiteral("1"), QStringLiteral("SL"),
                            QStringLiteral("2"));
    connectTo(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
    EXPECT_EQ(state.startup.session.SessioneGara, 1);
    EXPECT_EQ(state.startup.session.SessioneTipoTurno, QStringLiteral("SL"));
    EXPECT_EQ(state.startup.session.SessioneManche, 2);
    EXPECT_TRUE(fakes.clockSetter.calls().empty());
    EXPECT_TRUE(state.log.lines().contains(
        QStringLiteral("Chiave di sessione ricevuta con un orario illeggibile: orologio non impostato")))
        << state.log.lines().join('\n').toStdString();
    EXPECT_TRUE(action(QStringLiteral("mnuRielabora"))->isEnabled());
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
}

}  // namespace
}  // namespace razudar::apptest
