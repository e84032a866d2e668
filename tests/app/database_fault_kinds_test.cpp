// The program end to end under each kind of database fault: another program holding the file
// (BEGIN EXCLUSIVE), the file deleted or moved away, replaced by a copy, overwritten with
// something that is not a database, a table missing. For each one: the program runs on, the
// race stays, the operator is told once and in Italian with the error number (the log keeps the
// engine's own text), the action waited at most one busy timeout; a page builder finishes its
// page and tells without a box; the session window says why it is empty and never lists other
// races' sessions; the run-time delay's tick runs as one action and needs no database; a long
// notice shows whole. Then the fault is cleared and the same action works.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <optional>
#include <set>

#include "app/controls/grafica_proxy.h"
#include "app/faults/database_faults.h"
#include "app/assembly/program_application.h"
#include "app/assembly/program_graphics.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/windows/frm_anteprima_grafica.h"
#include "data/object_text_encoder.h"
#include "model/run_result.h"
#include "program_window_fixture.h"
#include "screenshots.h"
#include "tables/widgets/frm_selezione_sessione.h"

namespace razudar::apptest {
namespace {

enum class Kind { Lock, Moved, Replaced, NotADatabase, MissingLanguages };

// What the operator reads for each kind: the error number, what happened and what to do; and
// how the engine's own text in the log begins.
struct Expected {
    int number;
    const char* cause;
    const char* advice;
    const char* engine;
};

Expected expectedFor(Kind kind) {
    switch (kind) {
    case Kind::Lock:
        return {3260, "database occupato da un altro programma",
                "Il database è bloccato da un altro programma: riprovare fra qualche istante.",
                "(SQLite 5: database is locked)"};
    case Kind::Moved:
    case Kind::Replaced:
        return {1032, "il file del database è stato cancellato, spostato o sostituito",
                "Rimettere il file al suo posto e riavviare il programma.", "(SQLite 1032: database file '"};
    case Kind::NotADatabase:
        return {26, "il file del database non è un database valido o è danneggiato",
                "Controllare il file del database o ripristinarne una copia.", "(SQLite 26: file is not a database)"};
    case Kind::MissingLanguages:
        return {1, "nel database manca la tabella Lingue", "Il database non è della versione attesa dal programma.",
                "(SQLite 1: no such table: Lingue)"};
    }
    return {};
}

const char* nameOf(Kind kind) {
    switch (kind) {
    case Kind::Lock: return "database bloccato";
    case Kind::Moved: return "file spostato";
    case Kind::Replaced: return "file sostituito";
    case Kind::NotADatabase: return "file non database";
    case Kind::MissingLanguages: return "tabella mancante";
    }
    return "";
}

// Makes and clears one fault on the database file the program has open.
class FileFault {
public:
    explicit FileFault(QString path) : path_(std::move(path)), aside_(path_ + QStringLiteral(".altrove")) {}

    void make(Kind kind) {
        kind_ = kind;
        switch (kind) {
        case Kind::Lock: exec("BEGIN EXCLUSIVE"); break;
        case Kind::Moved: ASSERT_TRUE(QFile::rename(path_, aside_)); break;
        case Kind::Replaced:
            // The copy takes the file's name; the program still holds the original.
            ASSERT_TRUE(QFile::rename(path_, aside_));
            ASSERT_TRUE(QFile::copy(aside_, path_));
            break;
        case Kind::NotADatabase: {
            QFile file(path_);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            header_ = file.read(100);
            ASSERT_TRUE(file.seek(0));
            file.write(QByteArray(100, 'X'));
            break;
        }
        case Kind::MissingLanguages: exec("ALTER TABLE Lingue RENAME TO LingueAltrove"); break;
        }
    }
    void clear() {
        switch (kind_) {
        case Kind::Lock: exec("ROLLBACK"); break;
        case Kind::Moved: ASSERT_TRUE(QFile::rename(aside_, path_)); break;
        case Kind::Replaced:
            ASSERT_TRUE(QFile::remove(path_));
            ASSERT_TRUE(QFile::rename(aside_, path_));
            break;
        case Kind::NotADatabase: {
            QFile file(path_);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.write(header_);
            break;
        }
        case Kind::MissingLanguages: exec("ALTER TABLE LingueAltrove RENAME TO Lingue"); break;
        }
    }

private:
    void exec(const char* sql) {
        if (!other_) {
            ASSERT_EQ(sqlite3_open_v2(path_.toUtf8().constData(), &other_, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        }
        char* message = nullptr;
        const int rc = sqlite3_exec(other_, sql, nullptr, nullptr, &message);
        ASSERT_EQ(rc, SQLITE_OK) << sql << ": " << (message ? message : "");
        sqlite3_free(message);
    }

public:
    ~FileFault() {
        if (other_) sqlite3_close(other_);
    }

private:
    QString path_;
    QString aside_;
    Kind kind_ = Kind::Lock;
    QByteArray header_;
    sqlite3* other_ = nullptr;
};

struct DatabaseFaultKindsTest : ProgramWindowTest {
    void SetUp() override {
        // The program's own busy timeout: its waits go through the fake waiter and take no time.
        state.startup.database.busyTimeoutMs = db::kDefaultBusyTimeoutMs;
        ASSERT_TRUE(start());
        netBefore = ProgramApplication::current()->caughtCount();
        simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
        pressConnectToSimulator();
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return !state.krono().ElencoConcorrenti().isEmpty(); }));
        ASSERT_FALSE(state.krono().MancheParallelo());
    }
    void TearDown() override { EXPECT_EQ(ProgramApplication::current()->caughtCount(), netBefore); }

    db::LockWaits& waits() { return *state.startup.database.lockWaits; }
    QString pageText(const QString& page, const QString& object) {
        QVariant value;
        QMetaObject::invokeMethod(window->anteprima()->MirtGRA1().control(), "ProprietaTesto", Qt::DirectConnection,
                                  Q_RETURN_ARG(QVariant, value), Q_ARG(QString, page), Q_ARG(QString, object), Q_ARG(int, 0));
        return value.toString();
    }
    // A text property (by its code) of an object of the running-clock page.
    QVariant clockPageProperty(const char* object, int code) {
        QVariant value;
        QMetaObject::invokeMethod(window->anteprima()->MirtGRA1().control(), "ProprietaTesto", Qt::DirectConnection,
                                  Q_RETURN_ARG(QVariant, value), Q_ARG(QString, QString::fromUtf16(kPaginaTempoACorrere)),
                                  Q_ARG(QString, QString::fromLatin1(object)), Q_ARG(int, code));
        return value;
    }
    // The text the operator reads for a failed `step` under `kind`.
    static QString told(const QString& step, Kind kind) {
        const Expected e = expectedFor(kind);
        return QStringLiteral("Impossibile %1: errore del database %2 - %3. %4")
            .arg(step)
            .arg(e.number)
            .arg(QString::fromUtf8(e.cause), QString::fromUtf8(e.advice));
    }
    void clearTold() {
        fakes.prompter.clear();
        notice()->clear();
    }

    FileFault fault{base.databasePath};
    int netBefore = 0;
};

// The actions of the operator and of the link under each kind of fault of the file.
TEST_F(DatabaseFaultKindsTest, EveryKindOfFaultIsToldOnceInItalianAfterOneWait) {
    struct Row {
        const char* name;
        bool box;  // an operator's command; otherwise a link event (status bar)
        const char* step;
        std::function<void(DatabaseFaultKindsTest&)> act;
        bool raceState = false;  // a race state received: applied without waiting on a lock
    };
    const std::vector<Row> rows = {
        {"Informazioni", true, "leggere la versione del database",
         [](DatabaseFaultKindsTest& t) { t.action(QStringLiteral("mnuAbout"))->trigger(); }},
        {"opzione di visualizzazione", true, "registrare l'opzione di visualizzazione",
         [](DatabaseFaultKindsTest& t) {
             t.action(QStringLiteral("mnuOpzioneRisultato"), t.state.OpzioneRisultato == 0 ? 1 : 0)->trigger();
         }},
        {"stato della gara", false, "rileggere le impostazioni del monitor (restano le precedenti)",
         [](DatabaseFaultKindsTest& t) {
             const auto before = t.state.race.Krono;
             t.simulator.sendText(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + encoder::raceStateText(*before));
             EXPECT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return t.state.race.Krono != before; }));
         },
         true},
    };
    for (const Kind kind : {Kind::Lock, Kind::Moved, Kind::Replaced, Kind::NotADatabase}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(nameOf(kind)) + ", " + row.name);
            const int competitors = int(state.krono().ElencoConcorrenti().size());
            const int logLines = int(state.log.lines().size());
            const int givenUp = waits().waitsGivenUp();
            const qint64 slept = waits().sleptMs();
            clearTold();

            fault.make(kind);
            row.act(*this);

            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(int(state.krono().ElencoConcorrenti().size()), competitors);
            const QString expected = told(QString::fromUtf8(row.step), kind);
            if (row.box) {
                EXPECT_EQ(fakes.prompter.texts(), QStringList{expected});
                EXPECT_TRUE(notice()->text().isEmpty()) << notice()->text().toStdString();
            } else {
                EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
                EXPECT_EQ(notice()->text().mid(9), expected);  // after the time of day "hh:mm:ss "
            }
            // The log: the operator's text and the engine's own.
            const QStringList logged = state.log.lines().mid(logLines);
            ASSERT_EQ(logged.size(), 1) << logged.join('\n').toStdString();
            EXPECT_TRUE(logged[0].startsWith(expected + u' ' + QString::fromUtf8(expectedFor(kind).engine)))
                << logged[0].toStdString();
            // One wait on a lock, a whole one, but none for a race state; no wait for the other kinds.
            const bool waited = kind == Kind::Lock && !row.raceState;
            EXPECT_EQ(waits().waitsGivenUp() - givenUp, waited ? 1 : 0);
            EXPECT_EQ(waits().sleptMs() - slept, waited ? db::kDefaultBusyTimeoutMs : 0);

            fault.clear();
            clearTold();
            row.act(*this);
            EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
            EXPECT_TRUE(notice()->text().isEmpty()) << notice()->text().toStdString();
        }
    }
}

// "Ordine Partenza" reads the race's language text after its page is loaded: the page goes on
// air whole but for that word, and the operator reads why on the status bar; no box holds the
// air.
TEST_F(DatabaseFaultKindsTest, APageBuilderFinishesItsPageAndTellsWithoutABox) {
    QPushButton* ordinePartenza = window->findChild<QPushButton*>(QStringLiteral("cmdPagina2"));
    ASSERT_NE(ordinePartenza, nullptr);
    const QString partenti = QStringLiteral("Partenti");
    const QString sessione = state.krono().cGara.DescrizioneSessione();
    ordinePartenza->click();
    ASSERT_EQ(state.PaginaInOnda.NomePagina, partenti);
    ASSERT_EQ(pageText(partenti, QStringLiteral("txtTitolo2")), QStringLiteral("Partenti ") + sessione);

    for (const Kind kind : {Kind::Lock, Kind::MissingLanguages, Kind::Moved, Kind::NotADatabase}) {
        SCOPED_TRACE(nameOf(kind));
        const int logLines = int(state.log.lines().size());
        const int givenUp = waits().waitsGivenUp();
        const qint64 slept = waits().sleptMs();
        clearTold();
        window->units().pageRouter().MandaInOnda(kCodicePulizia);  // the air cleared between rows
        ASSERT_TRUE(state.PaginaInOnda.NomePagina.isEmpty());

        fault.make(kind);
        ordinePartenza->click();

        EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
        EXPECT_EQ(state.PaginaInOnda.NomePagina, partenti);
        EXPECT_EQ(pageText(partenti, QStringLiteral("txtTitolo2")), u' ' + sessione);
        EXPECT_EQ(pageText(partenti, QStringLiteral("txtTitolo1")), state.krono().cGara.DescrizioneGara());
        EXPECT_EQ(notice()->text().mid(9), told(QStringLiteral("leggere il testo li_Partenti della gara"), kind));
        EXPECT_EQ(state.log.lines().size(), logLines + 1) << state.log.lines().mid(logLines).join('\n').toStdString();
        EXPECT_LE(waits().waitsGivenUp() - givenUp, 1);
        EXPECT_LE(waits().sleptMs() - slept, db::kDefaultBusyTimeoutMs);

        fault.clear();
        clearTold();
        ordinePartenza->click();
        EXPECT_EQ(pageText(partenti, QStringLiteral("txtTitolo2")), QStringLiteral("Partenti ") + sessione);
        EXPECT_TRUE(notice()->text().isEmpty()) << notice()->text().toStdString();
    }
}

// "Selezione Manche" while another program holds the database: one wait, one message, and a
// window that says why it is empty instead of listing every race's sessions, even when the lock
// is gone by the time the window paints.
TEST_F(DatabaseFaultKindsTest, TheSessionWindowUnderALockOpensEmptyAndSaysWhy) {
    const qint16 gara = state.startup.session.SessioneGara;
    ASSERT_EQ(gara, 1);
    const int givenUp = waits().waitsGivenUp();
    const qint64 slept = waits().sleptMs();
    const int refused = waits().refusedAtOnce();
    int listed = -1;
    QString avviso;
    QString campoGara = QStringLiteral("non letto");
    fakes.dialogs.answer<tables::FrmSelezioneSessione>([&](tables::FrmSelezioneSessione& w) {
        // The other program lets go before the window paints: the window set up without the
        // active race's filter must still not read (it would list every race's sessions).
        fault.clear();
        w.show();
        listed = w.datTabella.isOpen() ? w.datTabella.recordCount() : 0;
        avviso = w.avviso();
        campoGara = w.text1->text();
        if (!screenshots::folder().isEmpty()) screenshots::save(w.grab(), QStringLiteral("finestra_sessioni_bloccata"));
        w.Annulla_Click();
        return false;
    });
    fault.make(Kind::Lock);
    const auto race = state.race.Krono;
    action(QStringLiteral("mnuSelezioneManche"))->trigger();

    const QString expected = told(QStringLiteral("leggere la gara attiva 1"), Kind::Lock);
    EXPECT_EQ(fakes.prompter.texts(), QStringList{expected});
    EXPECT_EQ(listed, 0);
    EXPECT_EQ(avviso, expected);  // the window says it too, above its empty grid
    EXPECT_EQ(campoGara, QString());
    EXPECT_EQ(state.race.Krono, race);
    EXPECT_EQ(state.startup.session.SessioneGara, gara);
    EXPECT_EQ(waits().waitsGivenUp() - givenUp, 1);
    EXPECT_EQ(waits().sleptMs() - slept, db::kDefaultBusyTimeoutMs);
    EXPECT_GT(waits().refusedAtOnce(), refused);  // the window's other reads did not wait
}

// The active race could not be read, but the lock was gone by the time the sessions were: the
// window lists the active race's sessions only, with the race in its field. The operator was
// told of the failed read; the window's band says nothing, since the list it shows lacks nothing.
TEST_F(DatabaseFaultKindsTest, TheSessionWindowKeepsTheActiveRacesFilterWhenTheRaceCouldNotBeRead) {
    fault.make(Kind::Lock);
    fakes.prompter.onShow = [&](const ShownPrompt&) { fault.clear(); };  // the other program lets go meanwhile
    std::set<int> races;
    int listed = 0;
    QString avviso;
    QString campoGara;
    fakes.dialogs.answer<tables::FrmSelezioneSessione>([&](tables::FrmSelezioneSessione& w) {
        w.show();
        listed = w.datTabella.recordCount();
        const int field = w.datTabella.fieldIndex(QStringLiteral("se_Gara"));
        for (int row = 0; row < listed; ++row) races.insert(w.datTabella.valueAt(row, field).toInt());
        avviso = w.avviso();
        campoGara = w.text1->text();
        w.Annulla_Click();
        return false;
    });
    action(QStringLiteral("mnuSelezioneManche"))->trigger();
    fakes.prompter.onShow = {};

    EXPECT_EQ(fakes.prompter.texts(), QStringList{told(QStringLiteral("leggere la gara attiva 1"), Kind::Lock)});
    EXPECT_GT(listed, 0);
    EXPECT_EQ(races, std::set<int>{1});
    EXPECT_EQ(campoGara, QStringLiteral("1"));
    EXPECT_EQ(avviso, QString());
}

// Stands between the program and its own pages while it lives, passing every page code on and
// noting for the run time's code whether it came inside an action of the program.
struct ActionWitness : PageDispatcher {
    ActionWitness(ProgramUnits& units, const db::LockWaits& waits) : units(units), waits(waits) {
        units.setPageDispatcher(*this);
    }
    ~ActionWitness() override { units.setPageDispatcher(units.graphics()->pages()); }
    void MandaInOnda(qint16 codice) override {
        if (codice == kCodiceTempoManche) inAction.push_back(waits.inAction());
        units.graphics()->pages().MandaInOnda(codice);
    }
    ProgramUnits& units;
    const db::LockWaits& waits;
    std::vector<bool> inAction;
};

// The tick of the run-time delay while another program holds the database: it runs as one action
// like every link event, reads nothing from the database, so it neither waits nor tells, and the
// clock page on air shows the followed competitor's run time.
TEST_F(DatabaseFaultKindsTest, TheRunTimeDelayTickUnderALockShowsTheRunTimeWithoutWaiting) {
    const QString clockPage = QString::fromUtf16(kPaginaTempoACorrere);
    const auto text = [&](const char* object, int code) { return clockPageProperty(object, code); };
    const auto run2 = [&] { return state.krono().ConcorrenteItem(1009)->Risultati(2); };
    fakes.clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(10, 15, 0)));
    window->panel().txtSelezione()->setText(QStringLiteral("9"));
    ASSERT_EQ(state.ConcorrenteSelezionato, 1009);
    window->panel().cmdPagina_Click(kCodiceStartZero);
    ASSERT_EQ(state.PaginaInOnda.NomePagina, clockPage);
    simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QStringLiteral("1009"), QStringLiteral("101500000")});
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return run2()->OrarioPartenza() == 101500000; }));
    // He finishes run 2 in 1:05.000 (65 000 ms on the clock).
    simulator.sendFields(QStringLiteral("TCORRERETEMPO"), {QStringLiteral("1009"), QStringLiteral("105000")});
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return run2()->Tempo() == 105000; }));
    LinkDispatcher& dispatcher = window->units().dispatcher();
    ASSERT_TRUE(dispatcher.runTimeDelayActive());
    ASSERT_FALSE(text("txtTempoManche", 4).toBool());

    std::optional<ActionWitness> witness(std::in_place, window->units(), waits());
    const auto race = state.race.Krono;
    const int begun = waits().waitsBegun();
    const int givenUp = waits().waitsGivenUp();
    const int refused = waits().refusedAtOnce();
    const qint64 slept = waits().sleptMs();
    const int reported = window->units().faults().reportedCount();
    clearTold();
    fault.make(Kind::Lock);
    // The end of the five seconds: the timer's own signal, through what the program hung on it.
    ASSERT_TRUE(QMetaObject::invokeMethod(const_cast<QTimer*>(&dispatcher.timTempoManche()), "timeout",
                                          Qt::DirectConnection));
    const std::vector<bool> inAction = witness->inAction;
    witness.reset();

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(inAction, std::vector<bool>{true});
    EXPECT_FALSE(dispatcher.runTimeDelayActive());
    EXPECT_EQ(waits().waitsBegun() - begun, 0);
    EXPECT_EQ(waits().waitsGivenUp() - givenUp, 0);
    EXPECT_EQ(waits().refusedAtOnce() - refused, 0);
    EXPECT_EQ(waits().sleptMs() - slept, 0);
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
    EXPECT_TRUE(notice()->text().isEmpty()) << notice()->text().toStdString();
    EXPECT_EQ(window->units().faults().reportedCount(), reported);
    EXPECT_EQ(state.PaginaInOnda.NomePagina, clockPage);
    EXPECT_EQ(text("txtTempoManche", 6).toInt(), 65000);
    EXPECT_TRUE(text("txtTempoManche", 4).toBool());
    EXPECT_EQ(text("txtPosizioneManche", 0).toString(),
              QString::number(state.krono().PosizioneInClassifica(2, 1009, QStringLiteral("XXXXX"))));
    EXPECT_EQ(state.race.Krono, race);
    EXPECT_EQ(int(state.krono().ElencoConcorrenti().size()), 12);
    EXPECT_EQ(run2()->Tempo(), 105000);
    fault.clear();
}

// The followed competitor's split, finish and run-time page while another program holds the
// database: the live path reads only what the session fixed when the race state arrived, so no
// message waits, nothing is told, and each reaches the clock page as it is handled.
TEST_F(DatabaseFaultKindsTest, TheFollowedCompetitorsFinishUnderALockReachesTheAirWithoutWaiting) {
    const QString clockPage = QString::fromUtf16(kPaginaTempoACorrere);
    const auto text = [&](const char* object, int code) { return clockPageProperty(object, code); };
    const auto run2 = [&] { return state.krono().ConcorrenteItem(1009)->Risultati(2); };
    const auto send = [&](const char* command, const QStringList& fields, const std::function<bool()>& handled) {
        simulator.sendFields(QString::fromLatin1(command), fields);
        return sim::TimekeepingSimulator::waitUntil(handled);
    };
    fakes.clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(10, 15, 0)));
    window->panel().txtSelezione()->setText(QStringLiteral("9"));
    ASSERT_EQ(state.ConcorrenteSelezionato, 1009);
    window->panel().cmdPagina_Click(kCodiceStartZero);
    ASSERT_TRUE(
        send("TCORREREORARIOSTART", {"1009", "101500000"}, [&] { return run2()->OrarioPartenza() == 101500000; }));

    const int begun = waits().waitsBegun();
    const int refused = waits().refusedAtOnce();
    const qint64 slept = waits().sleptMs();
    const int reported = window->units().faults().reportedCount();
    clearTold();
    fault.make(Kind::Lock);
    // His split 1 at 10:15:30.250, then his run time 1:05.000; his run 1 took 1:12.498.
    ASSERT_TRUE(send("TCORREREORARIOINTERMEDIO", {"1009", "1", "101530250"},
                     [&] { return run2()->OrarioIntermedioItem(1) == 101530250; }));
    EXPECT_EQ(text("txtTempoACorrere", 6).toInt(), 72498 + 30250);
    ASSERT_TRUE(send("TCORRERETEMPO", {"1009", "105000"}, [&] { return run2()->Tempo() == 105000; }));
    EXPECT_EQ(text("txtTempoACorrere", 6).toInt(), 72498 + 65000);
    EXPECT_TRUE(text("txtPosizioneAssoluta", 4).toBool());
    EXPECT_EQ(text("txtPosizioneAssoluta", 0).toString(),
              QString::number(state.krono().PosizioneInClassifica(0, 1009, QStringLiteral("XXXXX"))));
    // Five seconds later, his run time and place in the run.
    LinkDispatcher& dispatcher = window->units().dispatcher();
    ASSERT_TRUE(dispatcher.runTimeDelayActive());
    ASSERT_TRUE(QMetaObject::invokeMethod(const_cast<QTimer*>(&dispatcher.timTempoManche()), "timeout",
                                          Qt::DirectConnection));
    EXPECT_EQ(text("txtTempoManche", 6).toInt(), 65000);
    EXPECT_TRUE(text("txtTempoManche", 4).toBool());

    EXPECT_EQ(waits().waitsBegun() - begun, 0);
    EXPECT_EQ(waits().refusedAtOnce() - refused, 0);
    EXPECT_EQ(waits().sleptMs() - slept, 0);
    EXPECT_EQ(window->units().faults().reportedCount(), reported);
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
    EXPECT_TRUE(notice()->text().isEmpty()) << notice()->text().toStdString();
    EXPECT_EQ(state.PaginaInOnda.NomePagina, clockPage);
    fault.clear();
}

// A notice longer than the window is wide wraps, and the status bar grows to show it whole.
TEST_F(DatabaseFaultKindsTest, ALongNoticeIsShownWhole) {
    window->resize(900, 640);
    fault.make(Kind::Lock);
    const auto before = state.race.Krono;
    simulator.sendText(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + encoder::raceStateText(*before));
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.race.Krono != before; }));
    fault.clear();
    QCoreApplication::processEvents();
    QLabel* label = notice();
    const QString text = label->text();
    ASSERT_TRUE(text.contains(QStringLiteral("riprovare fra qualche istante."))) << text.toStdString();
    const QFontMetrics metrics(label->font());
    ASSERT_GT(metrics.horizontalAdvance(text), label->width());  // longer than one line
    EXPECT_EQ(label->height(), label->heightForWidth(label->width()));  // every line shows, no more
    EXPECT_GE(label->height(), 2 * metrics.height());
    EXPECT_LE(window->statusBar()->height(), label->height() + 2 * metrics.height());  // the bar fits the notice
    EXPECT_TRUE(label->isVisible());
    if (!screenshots::folder().isEmpty()) screenshots::save(window->grab(), QStringLiteral("barra_di_stato_avviso_lungo"));
}

}  // namespace
}  // namespace razudar::apptest

namespace razudar::apptest {
namespace {

// The notice of a database fault on the status bar: it stays while nothing shows the fault is
// over (an action that needs no database proves nothing), and goes at the next action whose
// statements the database all answered, whichever its channel.
TEST_F(DatabaseFaultKindsTest, ADatabaseNoticeGoesAtTheNextActionTheDatabaseAnswers) {
    const auto raceState = [](DatabaseFaultKindsTest& t) {
        const auto before = t.state.race.Krono;
        t.simulator.sendText(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + encoder::raceStateText(*before));
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return t.state.race.Krono != before; }));
    };
    const struct {
        const char* name;
        std::function<void(DatabaseFaultKindsTest&)> act;
    } rows[] = {
        {"stato della gara", raceState},
        {"Informazioni", [](DatabaseFaultKindsTest& t) { t.action(QStringLiteral("mnuAbout"))->trigger(); }},
        {"Ordine Partenza", [](DatabaseFaultKindsTest& t) { t.window->panel().cmdPagina_Click(kCodiceOrdinePartenza); }},
        {"Selezione Manche, annullata",
         [](DatabaseFaultKindsTest& t) {
             t.fakes.dialogs.answer<tables::FrmSelezioneSessione>([](tables::FrmSelezioneSessione& w) {
                 w.show();
                 w.Annulla_Click();
                 return false;
             });
             t.action(QStringLiteral("mnuSelezioneManche"))->trigger();
         }},
    };
    const QString lockNotice = told(QStringLiteral("rileggere le impostazioni del monitor (restano le precedenti)"), Kind::Lock);
    qint32 start = 101500000;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        clearTold();
        fault.make(Kind::Lock);
        raceState(*this);
        ASSERT_EQ(notice()->text().mid(9), lockNotice);

        // Still locked, the same action fails again: the notice holds.
        row.act(*this);
        EXPECT_FALSE(notice()->text().isEmpty());
        fault.clear();
        fakes.prompter.clear();
        // A start of a competitor (nobody followed, no page on air) reads nothing from the database.
        ++start;
        simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QStringLiteral("1003"), QString::number(start)});
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil(
            [&] { return state.krono().ConcorrenteItem(1003)->Risultati(2)->OrarioPartenza() == start; }));
        EXPECT_FALSE(notice()->text().isEmpty());

        row.act(*this);
        EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
        EXPECT_EQ(notice()->text(), QString());
    }
}

// A notice of the pages shown after a database notice is not the database's: the action that
// finds the database answering again leaves it up.
TEST_F(DatabaseFaultKindsTest, TheDatabaseAnsweringAgainLeavesAPageNoticeShownAfterIt) {
    const auto raceState = [this] {
        const auto before = state.race.Krono;
        simulator.sendText(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + encoder::raceStateText(*before));
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.race.Krono != before; }));
    };
    fault.make(Kind::Lock);
    raceState();
    ASSERT_TRUE(notice()->text().contains(QStringLiteral("database occupato")));
    fault.clear();
    QFile page(state.resources.CartellaGrafica + QStringLiteral("Classifica.smb"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("non è una pagina");
    page.close();
    window->panel().cmdPagina_Click(kCodiceClassificaGrande);
    const QString pageNotice = notice()->text();
    ASSERT_TRUE(pageNotice.mid(9).startsWith(QStringLiteral("Pagina Classifica non caricata: "))) << pageNotice.toStdString();

    raceState();
    EXPECT_EQ(notice()->text(), pageNotice);
}

// Makes the first statement that reads the race's parallel flag meet the other program's lock,
// taken just before that statement runs; the other program lets go when the next statement is
// prepared.
struct LockForOneStatement {
    FileFault& fault;
    bool locked = false;
    bool released = false;
    static int authorise(void* self, int action, const char* table, const char* column, const char*, const char*) {
        auto* me = static_cast<LockForOneStatement*>(self);
        if (action == SQLITE_SELECT && me->locked && !me->released) {
            me->released = true;
            me->fault.clear();
        }
        if (action == SQLITE_READ && !me->locked && table && column && qstrcmp(table, "Gare") == 0 &&
            qstrcmp(column, "ga_Parallelo") == 0) {
            me->locked = true;
            me->fault.make(Kind::Lock);
        }
        return SQLITE_OK;
    }
};

// The session window lists the active race's sessions but could not read the list of races: its
// band says so. Opened again, once the other program let go, it reads everything afresh and its
// band says nothing.
TEST_F(DatabaseFaultKindsTest, TheSessionWindowOpenedAgainSaysOnlyWhatStillFails) {
    LockForOneStatement lock{fault};
    sqlite3* handle = state.startup.database.current().nativeHandle();
    QString avviso;
    int listed = 0;
    fakes.dialogs.answer<tables::FrmSelezioneSessione>([&](tables::FrmSelezioneSessione& w) {
        w.show();
        avviso = w.avviso();
        listed = w.datTabella.isOpen() ? w.datTabella.recordCount() : 0;
        w.Annulla_Click();
        return false;
    });
    sqlite3_set_authorizer(handle, &LockForOneStatement::authorise, &lock);
    action(QStringLiteral("mnuSelezioneManche"))->trigger();
    sqlite3_set_authorizer(handle, nullptr, nullptr);
    ASSERT_TRUE(lock.released);
    const QString expected = told(QStringLiteral("leggere l'elenco delle gare"), Kind::Lock);
    EXPECT_EQ(fakes.prompter.texts(), QStringList{expected});
    EXPECT_GT(listed, 0);
    EXPECT_EQ(avviso, expected);

    clearTold();
    avviso = QStringLiteral("non letto");
    listed = 0;
    action(QStringLiteral("mnuSelezioneManche"))->trigger();
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
    EXPECT_GT(listed, 0);
    EXPECT_EQ(avviso, QString());
}

}  // namespace
}  // namespace razudar::apptest

#include "link/frame.h"

namespace razudar::apptest {
namespace {

// Race states while another program holds the database, two of them in one read: each applied at
// once with no wait, the monitor settings kept and the lock told on the status bar; the first race
// state after the lock reads the settings again and takes the notice down.
TEST_F(DatabaseFaultKindsTest, RaceStatesUnderALockAreAppliedAtOnceAndReadAgainAfterIt) {
    const auto frame = [this](int tag) {
        auto race = encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2});
        race->ConcorrenteItem(race->ElencoConcorrenti().first())->Risultati(1)->setTempo(60000 + tag);
        return *link::buildFrame(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + encoder::raceStateText(*race));
    };
    const auto shown = [this](int tag) {
        clsKrono& k = state.krono();
        const auto r = k.ConcorrenteItem(k.ElencoConcorrenti().first())->Risultati(1);
        return r && r->Tempo() == 60000 + tag;
    };
    const QString fontBefore = state.monitor.ImpostazioniMonitor.FontName();
    const QString fontAfter = QStringLiteral("Verdana");
    ASSERT_NE(fontBefore, fontAfter);
    state.startup.database.current().execute(QStringLiteral("UPDATE Monitor SET mo_FontName = 'Verdana'"));
    const int begun = waits().waitsBegun();
    const qint64 slept = waits().sleptMs();
    clearTold();

    fault.make(Kind::Lock);
    simulator.sendRaw(frame(1) + frame(2));
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return shown(2); }));
    EXPECT_EQ(waits().waitsBegun() - begun, 0);
    EXPECT_EQ(waits().sleptMs() - slept, 0);
    EXPECT_EQ(state.monitor.ImpostazioniMonitor.FontName(), fontBefore);
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
    EXPECT_EQ(notice()->text().mid(9),
              told(QStringLiteral("rileggere le impostazioni del monitor (restano le precedenti)"), Kind::Lock));

    fault.clear();
    simulator.sendRaw(frame(3));
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return shown(3); }));
    EXPECT_EQ(state.monitor.ImpostazioniMonitor.FontName(), fontAfter);
    EXPECT_EQ(notice()->text(), QString());
    EXPECT_EQ(waits().waitsBegun() - begun, 0);
}

}  // namespace
}  // namespace razudar::apptest
