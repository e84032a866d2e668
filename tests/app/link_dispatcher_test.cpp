// The link message dispatcher without a screen or a socket: each message's effect on the race
// state, the console refresh and the page requests, and the messages that must change nothing.
#include <gtest/gtest.h>

#include "app/link/link_dispatcher.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/pages/race_clock.h"
#include "app_test_support.h"
#include "recording_page_dispatcher.h"
#include "data/object_text_encoder.h"
#include "model/race_times.h"

namespace razudar::apptest {
namespace {

struct FakeLink : controls::LinkControl {
    QString ServerRemoto() override { return name; }
    bool Connesso() override { return true; }
    bool InviaTesto(const QString& text, bool sincrono) override {
        // The dispatcher's requests wait for the text to leave.
        EXPECT_TRUE(sincrono);
        sent << text;
        return true;
    }
    void Disconnetti() override {}
    QString name = QStringLiteral("CRONO");
    QStringList sent;
};

struct FakeHost : DispatcherHost, ParallelGapBox, ConsoleUpdates {
    void AggiornaClassificheInterfaccia() override { ++refreshes; }
    void AbilitaPulsantiPagina(bool flag) override { abilita << flag; }
    void setRielaboraEnabled(bool enabled) override { rielabora = enabled; }
    void AggiornaDistaccoParallelo(bool mostra) override { distacco << mostra; }
    int refreshes = 0;
    QList<bool> abilita;
    bool rielabora = false;
    QList<bool> distacco;
};

const QString kSep = QStringLiteral("GRAFINEPREFISSO");
const QString kFieldSep = QStringLiteral("_GRASEPARATORETCORRERE_");

QString fields(const QStringList& values) { return values.join(kFieldSep); }

struct Dispatcher : ::testing::Test {
    void SetUp() override {
        openDatabase(state, base);
        useRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
        dispatcher = std::make_unique<LinkDispatcher>(state, fakes.services(), link, pages, host, host, host, monitor);
    }
    void useRace(std::shared_ptr<clsKrono> race) { state.race.Krono = std::move(race); }
    void arrive(const QString& command, const QString& payload) { dispatcher->onDatiArrivati(command + kSep + payload); }
    std::shared_ptr<clsRisultati> result(qint16 n) {
        return state.krono().ConcorrenteItem(n)->Risultati(state.krono().MancheSfidaCorrente());
    }
    QString snapshot() { return encoder::raceStateText(state.krono()); }

    BaseFolder base;
    ProgramState state;
    FakeServices fakes;
    FakeLink link;
    FakeHost host;
    RecordingPageDispatcher pages;
    encoder::CountingMonitorSettings monitor;
    std::unique_ptr<LinkDispatcher> dispatcher;
};

TEST_F(Dispatcher, ConnectionStoresTheServerAsTypedRequestsTheKeyAndEnablesThePageButtons) {
    link.name = QStringLiteral("PC'DI CRONO");
    dispatcher->onConnesso();
    db::Recordset rs = state.startup.database.current().openRecordset(QStringLiteral("SELECT cf_GraficaServer FROM Configurazione"));
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("PC'DI CRONO"));
    EXPECT_EQ(link.sent, QStringList{QStringLiteral("RICHIESTACHIAVESESSIONEGRAFINEPREFISSO")});
    EXPECT_EQ(host.abilita, QList<bool>{true});
    EXPECT_TRUE(fakes.prompter.shown().empty());
}

TEST_F(Dispatcher, AFailingServerUpdateIsReportedAndTheConversationGoesOn) {
    state.startup.database.current().execute(QStringLiteral("DROP TABLE Configurazione"));
    dispatcher->onConnesso();
    ASSERT_EQ(fakes.prompter.shown().size(), 1u);
    EXPECT_TRUE(fakes.prompter.texts().first().startsWith(QStringLiteral("Impossibile registrare il server CRONO")));
    EXPECT_EQ(link.sent.size(), 1);
    EXPECT_EQ(host.abilita, QList<bool>{true});
}

TEST_F(Dispatcher, SessionKeyReplySetsTheSessionAndTheClockAndAsksForTheRace) {
    arrive(QStringLiteral("RICHIESTACHIAVESESSIONE"),
           QStringLiteral("  ") + encoder::sessionKeyText(QStringLiteral("101530250"), QStringLiteral("3"),
                                                          QStringLiteral(" SL "), QStringLiteral("2")));
    EXPECT_EQ(state.startup.session.SessioneGara, 3);
    EXPECT_EQ(state.startup.session.SessioneTipoTurno, QStringLiteral("SL"));
    EXPECT_EQ(state.startup.session.SessioneManche, 2);
    EXPECT_EQ(fakes.clockSetter.calls().size(), 1u);
    EXPECT_TRUE(host.rielabora);
    EXPECT_EQ(link.sent, QStringList{QStringLiteral("RICHIESTACLASSEGRAFINEPREFISSO")});
    // A second reply asks again; the settings store is not written.
    arrive(QStringLiteral("RICHIESTACHIAVESESSIONE"),
           encoder::sessionKeyText(QStringLiteral("101530250"), QStringLiteral("3"), QStringLiteral("SL"), QStringLiteral("2")));
    EXPECT_EQ(link.sent.size(), 2);
    EXPECT_EQ(fakes.settings.size(), 0);
}

TEST_F(Dispatcher, ASessionKeyWithAnUnusableTimeSetsTheSessionAndLeavesTheClock) {
    state.startup.session = SessionKey{};  // no session yet
    for (const char* time : {"nove", "256000000"}) {
        SCOPED_TRACE(time);
        link.sent.clear();
        arrive(QStringLiteral("RICHIESTACHIAVESESSIONE"),
               encoder::sessionKeyText(QString::fromLatin1(time), QStringLiteral("3"), QStringLiteral(" SL "),
                                       QStringLiteral("2")));
        EXPECT_EQ(state.startup.session.SessioneGara, 3);
        EXPECT_EQ(state.startup.session.SessioneTipoTurno, QStringLiteral("SL"));
        EXPECT_EQ(state.startup.session.SessioneManche, 2);
        EXPECT_TRUE(fakes.clockSetter.calls().empty());
        EXPECT_EQ(state.log.lines().last(),
                  QStringLiteral("Chiave di sessione ricevuta con un orario illeggibile: orologio non impostato"));
        EXPECT_TRUE(host.rielabora);
        EXPECT_EQ(link.sent, QStringList{QStringLiteral("RICHIESTACLASSEGRAFINEPREFISSO")});
        EXPECT_TRUE(fakes.prompter.shown().empty());
        state.startup.session = SessionKey{};
    }
}

TEST_F(Dispatcher, ARaceStateOfMoreThanFiftyRunsIsRefusedAndToldInItalian) {
    QStringList notices;
    dispatcher->setNotice([&](const QString& text) { notices << text; });
    const auto before = state.race.Krono;
    const QString text = snapshot();
    // Value 2 of section 0: the current run.
    const auto sent = encoder::demoRace({.competitors = 3, .runs = 1});
    arrive(QStringLiteral("AGGIORNACLASSE"), encoder::raceStateText(*sent, 2, QStringLiteral("51")));
    const QString told = QStringLiteral(
        "Stato della gara ricevuto illeggibile, resta quello precedente: la manche corrente è 51, oltre il massimo di 50");
    EXPECT_EQ(notices, QStringList{told});
    EXPECT_EQ(state.log.lines().last(), told);
    EXPECT_TRUE(fakes.prompter.shown().empty());
    EXPECT_EQ(state.race.Krono, before);
    EXPECT_EQ(snapshot(), text);
    EXPECT_EQ(host.refreshes, 0);
    // A race state that can be read is installed and tells nothing.
    arrive(QStringLiteral("AGGIORNACLASSE"), encoder::raceStateText(*sent, 2, QStringLiteral("1")));
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(notices.size(), 1);
}

// The refusal's notice tells that the race shown is not the one sent: live messages applied to
// the race kept leave it up, the next race state applied takes it down.
TEST_F(Dispatcher, ARefusedRaceStateIsToldUntilARaceStateIsApplied) {
    QString notice;
    dispatcher->setNotice([&](const QString& text) { notice = text; });
    dispatcher->setNoticeWithdrawal([&] { notice.clear(); });
    const auto sent = encoder::demoRace({.competitors = 3, .runs = 1});
    const struct {
        const char* what;
        const char* command;
        QString payload;
        bool ended;
    } steps[] = {
        {"refused", "AGGIORNACLASSE", encoder::raceStateText(*sent, 2, QStringLiteral("51")), false},
        {"a start", "TCORREREORARIOSTART", fields({QStringLiteral("1001"), QStringLiteral("101500000")}), false},
        {"a state", "STATOCONCORRENTE", fields({QStringLiteral("1002"), QStringLiteral("30")}), false},
        {"a session key", "RICHIESTACHIAVESESSIONE",
         encoder::sessionKeyText(QStringLiteral("101530250"), QStringLiteral("3"), QStringLiteral("SL"),
                                 QStringLiteral("2")),
         false},
        {"refused again", "AGGIORNACLASSE", QStringLiteral("non è uno stato della gara"), false},
        {"applied", "AGGIORNACLASSE", encoder::raceStateText(*sent), true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        arrive(QLatin1String(step.command), step.payload);
        if (step.ended) {
            EXPECT_EQ(notice, QString());
        } else {
            EXPECT_TRUE(notice.startsWith(QStringLiteral("Stato della gara ricevuto illeggibile"))) << notice.toStdString();
        }
    }
    EXPECT_EQ(state.krono().ElencoConcorrenti().size(), 3);
}

TEST_F(Dispatcher, ARaceStateReplacesTheRaceAndRefreshesTheConsole) {
    const auto sent = encoder::demoRace({.competitors = 5, .runs = 1, .intermediates = 0});
    arrive(QStringLiteral("AGGIORNACLASSE"), QStringLiteral("\r\n") + encoder::raceStateText(*sent) + QStringLiteral("  "));
    EXPECT_EQ(state.krono().ElencoConcorrenti().size(), 5);
    EXPECT_TRUE(encoder::carriedFieldDifferences(*sent, state.krono()).isEmpty());
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(monitor.reloads, 1);
}

TEST_F(Dispatcher, MalformedMessagesChangeNothing) {
    const QString race = encoder::raceStateText(*encoder::demoRace({.competitors = 3}));
    const struct {
        const char* why;
        QString text;
    } cases[] = {
        {"no separator", QStringLiteral("AGGIORNACLASSE") + race},
        {"two separators", QStringLiteral("AGGIORNACLASSE") + kSep + race + kSep},
        {"other case", QStringLiteral("aggiornaclasse") + kSep + race},
        {"blank before the word", QStringLiteral(" AGGIORNACLASSE") + kSep + race},
        {"unknown word", QStringLiteral("AGGIORNA") + kSep + race},
        {"unreadable race", QStringLiteral("AGGIORNACLASSE") + kSep + race.left(race.size() / 2)},
        {"empty race", QStringLiteral("AGGIORNACLASSE") + kSep},
        {"start, one field", QStringLiteral("TCORREREORARIOSTART") + kSep + QStringLiteral("1003")},
        {"stop, no field", QStringLiteral("TCORREREORARIOSTOP") + kSep},
        {"run time, one field", QStringLiteral("TCORRERETEMPO") + kSep + QStringLiteral("1003")},
        {"split, two fields", QStringLiteral("TCORREREORARIOINTERMEDIO") + kSep + fields({"1003", "1"})},
        {"split zero", QStringLiteral("TCORREREORARIOINTERMEDIO") + kSep + fields({"1003", "0", "101000000"})},
        {"split out of range", QStringLiteral("TCORREREORARIOINTERMEDIO") + kSep + fields({"1003", "40000", "1"})},
        {"state, one field", QStringLiteral("STATOCONCORRENTE") + kSep + QStringLiteral("1003")},
        {"negative state", QStringLiteral("STATOCONCORRENTE") + kSep + fields({"1003", "-20"})},
        {"state not a number", QStringLiteral("STATOCONCORRENTE") + kSep + fields({"1003", "3O"})},
        {"empty state", QStringLiteral("STATOCONCORRENTE") + kSep + fields({"1003", ""})},
        {"state above 99", QStringLiteral("STATOCONCORRENTE") + kSep + fields({"1003", "100"})},
        {"unreadable clock", QStringLiteral("AGGIORNAORARIO") + kSep + QStringLiteral("12:00")},
    };
    for (const auto& c : cases) {
        const auto before = state.race.Krono;
        const QString text = snapshot();
        dispatcher->onDatiArrivati(c.text);
        EXPECT_EQ(state.race.Krono, before) << c.why;
        EXPECT_EQ(snapshot(), text) << c.why;
        EXPECT_EQ(host.refreshes, 0) << c.why;
        EXPECT_TRUE(pages.codes().empty()) << c.why;
        EXPECT_TRUE(link.sent.isEmpty()) << c.why;
        EXPECT_TRUE(fakes.prompter.shown().empty()) << c.why;
        EXPECT_EQ(state.OffsetTempoCorrere, 0) << c.why;
    }
    EXPECT_TRUE(state.log.lines().join('\n').contains(QStringLiteral("illeggibile"))) << state.log.lines().join('\n').toStdString();
}

TEST_F(Dispatcher, LiveMessagesUpdateOneResultOfTheCurrentRun) {
    ASSERT_EQ(state.krono().MancheSfidaCorrente(), 2);
    fakes.clock.setNow(QDateTime(QDate(2026, 1, 15), QTime(10, 15, 0)));

    arrive(QStringLiteral("TCORREREORARIOSTART"), fields({"1003", "101530250"}));
    EXPECT_EQ(result(1003)->StatoConcorrente(), 20);
    EXPECT_EQ(result(1003)->OrarioPartenza(), 101530250);
    EXPECT_EQ(state.OffsetTempoCorrere, 30250);  // 10:15:30.250 started, 10:15:00.000 here
    EXPECT_EQ(host.refreshes, 1);

    arrive(QStringLiteral("TCORREREORARIOINTERMEDIO"), fields({"1003", " 2 ", "101551000"}));
    EXPECT_EQ(result(1003)->OrarioIntermedioItem(2), 101551000);
    EXPECT_EQ(host.refreshes, 2);

    // The finish: on course until the run time arrives, never ranked with a run of 0.
    arrive(QStringLiteral("TCORREREORARIOSTOP"), fields({"1003", "101702000", "ignored"}));
    EXPECT_EQ(result(1003)->StatoConcorrente(), 20);
    EXPECT_EQ(result(1003)->OrarioArrivo(), 101702000);
    EXPECT_EQ(result(1003)->Tempo(), 0);  // not a parallel run
    EXPECT_EQ(host.refreshes, 3);

    // The run time ranks him: the console is refreshed in every run.
    arrive(QStringLiteral("TCORRERETEMPO"), fields({"1003", "131750"}));
    EXPECT_EQ(result(1003)->StatoConcorrente(), 0);
    EXPECT_EQ(result(1003)->Tempo(), 131750);
    EXPECT_EQ(host.refreshes, 4);
    // Nobody is followed: no run-time page is due.
    EXPECT_FALSE(dispatcher->runTimeDelayActive());
    state.ConcorrenteSelezionato = 1003;
    arrive(QStringLiteral("TCORRERETEMPO"), fields({"1003", "131750"}));
    EXPECT_EQ(host.refreshes, 5);
    EXPECT_TRUE(dispatcher->runTimeDelayActive());
    EXPECT_EQ(dispatcher->runTimeDelayCompetitor(), 1003);
    EXPECT_EQ(dispatcher->timTempoManche().interval(), 5000);
    // A coarse timer may fire 5% early; the page must wait its whole five seconds.
    EXPECT_EQ(dispatcher->timTempoManche().timerType(), Qt::PreciseTimer);

    arrive(QStringLiteral("STATOCONCORRENTE"), fields({"1003", "60"}));
    EXPECT_EQ(result(1003)->StatoConcorrente(), 60);
    EXPECT_EQ(host.refreshes, 6);
    EXPECT_TRUE(pages.codes().empty());  // no running-clock page on air
}

TEST_F(Dispatcher, ARunTimeThatIsNoTimeChangesNothing) {
    result(1003)->setStatoConcorrente(20);
    result(1003)->setTempo(0);
    const QString before = snapshot();
    const struct {
        const char* field;
    } cases[] = {{"0"}, {""}, {"abc"}, {"-131750"}};
    for (const auto& c : cases) {
        const qsizetype logged = state.log.lines().size();
        arrive(QStringLiteral("TCORRERETEMPO"), fields({"1003", c.field}));
        EXPECT_EQ(snapshot(), before) << c.field;
        EXPECT_EQ(result(1003)->StatoConcorrente(), 20) << c.field;
        EXPECT_EQ(host.refreshes, 0) << c.field;
        EXPECT_FALSE(dispatcher->runTimeDelayActive()) << c.field;
        EXPECT_EQ(state.log.lines().mid(logged),
                  QStringList{QStringLiteral("TCORRERETEMPO: tempo \"%1\" non valido per il concorrente 1003, ignorato")
                                  .arg(QString::fromLatin1(c.field))})
            << c.field;
    }
}

TEST_F(Dispatcher, AStateMessageStoresWhatARaceStateWouldStore) {
    // The same field stored by "STATOCONCORRENTE" and by a whole race state carrying it.
    const struct {
        const char* field;
        std::optional<qint32> stored;  // none: the state stays as it was
    } cases[] = {
        {"70", 70}, {"7", 7}, {" 99 ", 99}, {"0", 0}, {"30", 30},
        {"3O", std::nullopt}, {"", std::nullopt}, {"100", std::nullopt}, {"-20", std::nullopt}, {"7.5", std::nullopt},
    };
    for (const auto& c : cases) {
        const QString field = QString::fromLatin1(c.field);
        useRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
        result(1003)->setStatoConcorrente(20);
        qsizetype logged = state.log.lines().size();
        const int refreshes = host.refreshes;
        arrive(QStringLiteral("STATOCONCORRENTE"), fields({"1003", field}));
        EXPECT_EQ(result(1003)->StatoConcorrente(), c.stored.value_or(20)) << c.field;
        EXPECT_EQ(host.refreshes, refreshes + (c.stored ? 1 : 0)) << c.field;
        EXPECT_EQ(state.log.lines().mid(logged),
                  c.stored ? QStringList()
                           : QStringList{QStringLiteral("STATOCONCORRENTE: stato \"%1\" non è un numero intero da 0 a 99, ignorato").arg(field)})
            << c.field;

        // The race-state path.
        auto carried = encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2});
        carried->ConcorrenteItem(1003)->Risultati(carried->MancheSfidaCorrente())->setStatoConcorrente(77);
        QString text = encoder::raceStateText(*carried);
        const QString marker = QStringLiteral("_BF_AT-SP_77_BF_AT-SP_");
        ASSERT_EQ(text.count(marker), 1) << "the state field must be found once";
        text.replace(marker, QStringLiteral("_BF_AT-SP_") + field + QStringLiteral("_BF_AT-SP_"));
        logged = state.log.lines().size();
        arrive(QStringLiteral("AGGIORNACLASSE"), text);
        EXPECT_EQ(result(1003)->StatoConcorrente(), c.stored.value_or(0)) << c.field;
        EXPECT_EQ(state.log.lines().size() - logged, c.stored ? 0 : 1) << c.field;
    }
}

TEST_F(Dispatcher, ASplitGoesToItsOwnPositionEvenWhenEarlierOnesAreMissing) {
    const auto r = state.krono().ConcorrenteItem(1005)->Risultati(2);
    r->OrarioIntermedioDeleteAll();
    arrive(QStringLiteral("TCORREREORARIOINTERMEDIO"), fields({"1005", "3", "101551000"}));
    EXPECT_EQ(r->OrarioIntermedioCount(), 3);
    EXPECT_EQ(r->OrarioIntermedioItem(1), 0);
    EXPECT_EQ(r->OrarioIntermedioItem(3), 101551000);
}

TEST_F(Dispatcher, UnknownCompetitorChangesNoResultButTheStartStillSetsTheOffset) {
    const QString before = snapshot();
    arrive(QStringLiteral("TCORREREORARIOSTART"), fields({"abc", "100000500"}));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(state.OffsetTempoCorrere, 500);  // 10:00:00.500 against 10:00:00.000 here
    EXPECT_EQ(host.refreshes, 1);
    arrive(QStringLiteral("STATOCONCORRENTE"), fields({"4242", "30"}));
    EXPECT_EQ(snapshot(), before);
}

// A start sent again (the time already recorded for the competitor in this run) keeps the offset
// and the clock on air: taken at its later arrival it would set the clock back. A start with
// another time is a corrected start: it puts the clock on air again with the offset measured at the
// first start, so the clock moves by the correction only. Every start of a number the race does not
// hold, and every competitor's first start, measures the offset anew.
TEST_F(Dispatcher, AStartSentAgainKeepsTheOffsetACorrectedStartKeepsTheFirstStartsOffset) {
    state.ConcorrenteSelezionato = 1003;
    state.PaginaInOnda.NomePagina = QStringLiteral("TempoACorrere");
    for (const qint16 n : {1003, 1004, 1005}) result(n)->setOrarioPartenza(0);  // not started yet in run 2
    fakes.clock.setNow(QDateTime(QDate(2026, 1, 15), QTime(10, 15, 0)));
    const struct Step {
        const char* name;
        qint64 laterMs;  // the local clock moves on by this much before the message
        const char* competitor;
        const char* time;
        qint32 offset;  // OffsetTempoCorrere afterwards
        int starts;     // start pages asked for so far
    } steps[] = {
        {"first start", 0, "1003", "101530250", 30250, 1},  // 10:15:30.250 there, 10:15:00.000 here
        {"sent again 2 s later", 2000, "1003", "101530250", 30250, 1},
        {"sent again once more", 1000, "1003", " 101530250 ", 30250, 1},
        {"corrected start, 0.25 s later", 0, "1003", "101530500", 30250, 2},
        {"the corrected start sent again", 1000, "1003", "101530500", 30250, 2},
        {"corrected 9 s after the start, 0.5 s earlier", 5000, "1003", "101529750", 30250, 3},
        {"a number the race does not hold", 0, "4242", "101530250", 21250, 3},  // at 10:15:09.000
        {"that number's start again", 1000, "4242", "101530250", 20250, 3},
        {"another competitor's first start", 0, "1004", "101530250", 20250, 3},
        {"and his correction keeps it", 3000, "1004", "101530000", 20250, 3},
        {"a start time of 0 is no start to keep", 0, "1005", "0", -36913000, 3},  // 10:15:13.000 here
        {"and again", 1000, "1005", "0", -36914000, 3},
    };
    int refreshes = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        fakes.clock.advanceMs(step.laterMs);
        arrive(QStringLiteral("TCORREREORARIOSTART"), fields({step.competitor, step.time}));
        EXPECT_EQ(state.OffsetTempoCorrere, step.offset);
        EXPECT_EQ(pages.codes(), std::vector<qint16>(size_t(step.starts), kCodiceStart));
        // The race state and the console as for any start.
        EXPECT_EQ(host.refreshes, ++refreshes);
        const qint16 n = qint16(QString::fromLatin1(step.competitor).toInt());
        if (state.krono().ConcorrenteExists(n)) {
            EXPECT_EQ(result(n)->StatoConcorrente(), 20);
            EXPECT_EQ(result(n)->OrarioPartenza(), QString::fromLatin1(step.time).trimmed().toInt());
        }
    }
}

// The timekeeper's clock message may set the PC clock, and a new connection may follow a clock set
// meanwhile: the difference measured before no longer holds, so the next correction measures it.
TEST_F(Dispatcher, ACorrectionAfterTheClockIsSetOrTheLinkConnectsMeasuresTheOffsetAnew) {
    result(1003)->setOrarioPartenza(0);
    fakes.clock.setNow(QDateTime(QDate(2026, 1, 15), QTime(10, 15, 0)));
    arrive(QStringLiteral("TCORREREORARIOSTART"), fields({"1003", "101530000"}));
    ASSERT_EQ(state.OffsetTempoCorrere, 30000);
    const struct {
        const char* name;
        std::function<void()> event;
    } events[] = {
        {"clock message", [&] { arrive(QStringLiteral("AGGIORNAORARIO"), encoder::clockText(101504000)); }},
        {"session key", [&] {
             arrive(QStringLiteral("RICHIESTACHIAVESESSIONE"),
                    encoder::sessionKeyText(QStringLiteral("101504000"), QStringLiteral("3"), QStringLiteral("SL"),
                                            QStringLiteral("2")));
         }},
        {"connection", [&] { dispatcher->onConnesso(); }},
    };
    qint32 corrected = 101530000;
    for (const auto& e : events) {
        SCOPED_TRACE(e.name);
        fakes.clock.advanceMs(1000);
        arrive(QStringLiteral("TCORREREORARIOSTART"), fields({"1003", QString::number(++corrected)}));
        const qint32 kept = state.OffsetTempoCorrere;
        e.event();
        arrive(QStringLiteral("TCORREREORARIOSTART"), fields({"1003", QString::number(++corrected)}));
        EXPECT_EQ(state.OffsetTempoCorrere, TempoInMillesimi(corrected) - TempoInMillesimi(OrarioAttuale(fakes.clock)));
        EXPECT_NE(state.OffsetTempoCorrere, kept);
    }
}

TEST_F(Dispatcher, RunningClockPageFollowsTheSelectedCompetitor) {
    state.ConcorrenteSelezionato = 1003;
    state.PaginaInOnda.NomePagina = QStringLiteral(" tempoacorrere ");
    arrive(QStringLiteral("TCORREREORARIOSTART"), fields({"1003", "101530250"}));
    arrive(QStringLiteral("TCORREREORARIOSTART"), fields({"1004", "101530250"}));
    EXPECT_EQ(pages.codes(), (std::vector<qint16>{kCodiceStart}));
    arrive(QStringLiteral("TCORREREORARIOINTERMEDIO"), fields({"1003", " 2", "101551000"}));
    EXPECT_EQ(state.SplitMostrato, QStringLiteral("2"));
    arrive(QStringLiteral("TCORRERETEMPO"), fields({"1003", "131750"}));
    EXPECT_EQ(state.SplitMostrato, QStringLiteral("F"));
    EXPECT_EQ(pages.codes(), (std::vector<qint16>{kCodiceStart, kCodiceTempo, kCodiceTempo}));
    // Five seconds later the run time and position page, whatever happened meanwhile.
    state.PaginaInOnda.NomePagina.clear();
    dispatcher->timTempoManche_Timer();
    EXPECT_EQ(pages.codes().back(), kCodiceTempoManche);
    EXPECT_FALSE(dispatcher->runTimeDelayActive());
}

// Only the followed competitor's run time brings on his run-time page, and only while he is
// still followed when the delay ends.
TEST_F(Dispatcher, TheRunTimeDelayFollowsTheCompetitorOfTheClockPage) {
    const struct Case {
        const char* name;
        qint16 followed;             // ConcorrenteSelezionato when the run times arrive
        QStringList finishers;       // run times arriving, in order
        qint16 delayFor;             // the delay's competitor afterwards, -1 none
        qint16 followedAtTick;       // ConcorrenteSelezionato when the delay ends
        bool page24;                 // code 24 asked for at the tick
    } cases[] = {
        {"others finish", 1009, {"1003", "1006"}, -1, 1009, false},
        {"the followed one finishes", 1009, {"1003", "1009", "1006"}, 1009, 1009, true},
        {"another chosen meanwhile", 1009, {"1009"}, 1009, 1003, false},
        {"chosen again before the end", 1009, {"1009"}, 1009, 1009, true},
        {"nobody followed", -1, {"1003"}, -1, -1, false},
        {"a number the race does not hold", 4242, {"4242"}, -1, 4242, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        useRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
        dispatcher->stopRunTimeDelay();
        pages.clear();
        state.ConcorrenteSelezionato = c.followed;
        for (const QString& n : c.finishers) arrive(QStringLiteral("TCORRERETEMPO"), fields({n, "131750"}));
        EXPECT_EQ(dispatcher->runTimeDelayActive(), c.delayFor != -1);
        EXPECT_EQ(dispatcher->runTimeDelayCompetitor(), c.delayFor);
        state.ConcorrenteSelezionato = c.followedAtTick;
        dispatcher->timTempoManche_Timer();
        EXPECT_EQ(pages.codes(), c.page24 ? std::vector<qint16>{kCodiceTempoManche} : std::vector<qint16>{});
        EXPECT_FALSE(dispatcher->runTimeDelayActive());
        EXPECT_EQ(dispatcher->runTimeDelayCompetitor(), -1);
    }
}

TEST_F(Dispatcher, TheRunTimeDelayKeepsItsCompetitorAndPassesToAnotherFollowedFinisher) {
    state.ConcorrenteSelezionato = 1009;
    arrive(QStringLiteral("TCORRERETEMPO"), fields({"1009", "131750"}));
    ASSERT_TRUE(dispatcher->runTimeDelayActive());
    // The same run time again keeps the delay for him.
    arrive(QStringLiteral("TCORRERETEMPO"), fields({"1009", "131750"}));
    EXPECT_TRUE(dispatcher->runTimeDelayActive());
    EXPECT_EQ(dispatcher->runTimeDelayCompetitor(), 1009);
    // The operator follows another competitor, who finishes before the first delay ends: the
    // delay is his now.
    state.ConcorrenteSelezionato = 1006;
    arrive(QStringLiteral("TCORRERETEMPO"), fields({"1006", "131750"}));
    EXPECT_EQ(dispatcher->runTimeDelayCompetitor(), 1006);
    dispatcher->timTempoManche_Timer();
    EXPECT_EQ(pages.codes(), (std::vector<qint16>{kCodiceTempoManche}));
}

TEST_F(Dispatcher, RunTimeOfTheFirstRunSetsNoDelay) {
    useRace(encoder::demoRace({.competitors = 6, .runs = 1, .intermediates = 1}));
    state.ConcorrenteSelezionato = 1002;
    arrive(QStringLiteral("TCORRERETEMPO"), fields({"1002", "131750"}));
    EXPECT_FALSE(dispatcher->runTimeDelayActive());
}

TEST_F(Dispatcher, ParallelRunTimesReRankAndClearTheHeatButton) {
    useRace(encoder::demoRace({.competitors = 8, .runs = 1, .intermediates = 0, .parallel = true}));
    ASSERT_TRUE(state.krono().MancheParallelo());
    state.IndicePulsanteConcorrente = 3;
    arrive(QStringLiteral("TCORREREORARIOSTOP"), fields({"1002", "114500"}));
    EXPECT_EQ(result(1002)->Tempo(), 114500);
    arrive(QStringLiteral("TCORRERETEMPO"), fields({"1002", "114400"}));
    EXPECT_EQ(state.IndicePulsanteConcorrente, -1);
    EXPECT_EQ(host.refreshes, 2);
    EXPECT_TRUE(pages.codes().empty());
    EXPECT_FALSE(dispatcher->runTimeDelayActive());

    state.PaginaInOnda.NomePagina = QStringLiteral("TempoACorrereParallelo");
    arrive(QStringLiteral("TCORRERETEMPO"), fields({"1001", "114900"}));
    EXPECT_EQ(host.distacco, QList<bool>{false});
    EXPECT_EQ(pages.codes(), (std::vector<qint16>{kCodiceTempo}));

    fakes.clock.setNow(QDateTime(QDate(2026, 1, 15), QTime(11, 0, 1, 500)));
    arrive(QStringLiteral("TCORRERESTARTPARALLELO"), QString());
    EXPECT_EQ(state.OffsetTempoCorrere, 39601500);
    EXPECT_EQ(pages.codes().back(), kCodiceStartParallelo);
    EXPECT_EQ(host.refreshes, 3);
}

TEST_F(Dispatcher, ClockMessageSetsThePcClockAndShowsTheReport) {
    arrive(QStringLiteral("AGGIORNAORARIO"), encoder::clockText(100005000));
    ASSERT_EQ(fakes.clockSetter.calls().size(), 1u);
    ASSERT_EQ(fakes.prompter.shown().size(), 1u);
    EXPECT_EQ(fakes.prompter.shown()[0].caption, QStringLiteral("Razudar (Zez)"));
    EXPECT_EQ(host.refreshes, 0);
}

TEST_F(Dispatcher, ErrorsAreShownAndClosingDisablesTheRebuild) {
    state.startup.connection.NomeCartellaApplicazione = QStringLiteral("Razudar");
    dispatcher->onErrore(10061, QStringLiteral("Connection refused"));
    ASSERT_EQ(fakes.prompter.shown().size(), 1u);
    EXPECT_EQ(fakes.prompter.shown()[0].text, QStringLiteral("Errore 10061 - Connection refused"));
    EXPECT_EQ(fakes.prompter.shown()[0].caption, QStringLiteral("Razudar"));
    EXPECT_EQ(fakes.prompter.shown()[0].icon, PromptIcon::Critical);
    host.rielabora = true;
    dispatcher->onConnessioneChiusa();
    EXPECT_FALSE(host.rielabora);
    EXPECT_TRUE(host.abilita.isEmpty());
}

}  // namespace
}  // namespace razudar::apptest
