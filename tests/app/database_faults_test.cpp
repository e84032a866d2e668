// The program end to end while the database cannot answer: a second connection holds it locked
// (BEGIN EXCLUSIVE, longer than the program's busy wait) or the sessions view is missing. For
// every action the program reacts to, the table below checks that the program keeps running,
// the race state and the page on air stay as they were, the operator is told once, the action
// waited at most one busy timeout (counted by the database layer: the waits go through the fake
// waiter), and the application's last-resort net is not reached; then the fault is cleared and
// the same action works.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <deque>
#include <sqlite3.h>

#include "app/assembly/control_loader.h"
#include "app/controls/tcp_proxy.h"
#include "app/editors/frm_pagina_testo.h"
#include "app/faults/database_faults.h"
#include "app/assembly/program_application.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/assembly/program_graphics.h"
#include "app/windows/frm_about.h"
#include "app/windows/frm_grafica.h"
#include "app/windows/frm_modalita.h"
#include "app_test_support.h"
#include "program_window_fixture.h"
#include "data/object_text_encoder.h"
#include "platform/services/system_services.h"
#include "tables/widgets/frm_selezione_sessione.h"
#include "timekeeping_simulator.h"

namespace razudar::apptest {
namespace {

// A second user of the database file: holds it with BEGIN EXCLUSIVE, or drops the sessions view.
class SecondUser {
public:
    explicit SecondUser(const QString& path) : db_(db::Database::open(path)) {}
    void lock() { run("BEGIN EXCLUSIVE"); }
    void release() { run("ROLLBACK"); }
    void dropSessionsView() {
        db::Recordset rs = db_.openRecordset(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'QSessioni'"));
        viewSql_ = rs.value(0).toString();
        run("DROP VIEW QSessioni");
    }
    void restoreSessionsView() { run(viewSql_.toUtf8().constData()); }

private:
    void run(const char* sql) {
        char* message = nullptr;
        const int rc = sqlite3_exec(db_.nativeHandle(), sql, nullptr, nullptr, &message);
        ASSERT_EQ(rc, SQLITE_OK) << sql << ": " << (message ? message : "");
        sqlite3_free(message);
    }
    db::Database db_;
    QString viewSql_;
};

enum class Fault { Lock, NoSessionsView };

struct DatabaseFaultsTest : ProgramWindowTest {
    void SetUp() override {
        // The program's own busy timeout: its waits go through the fake waiter and take no time.
        state.startup.database.busyTimeoutMs = db::kDefaultBusyTimeoutMs;
        ASSERT_TRUE(start());
        ASSERT_NE(ProgramApplication::current(), nullptr);
        netBefore = ProgramApplication::current()->caughtCount();
    }
    void TearDown() override {
        // The last-resort net is for what no handler expects: no row may reach it.
        EXPECT_EQ(ProgramApplication::current()->caughtCount(), netBefore);
    }
    void connectParallelRace() {
        simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2, .parallel = true}));
        pressConnectToSimulator();
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return !state.krono().ElencoConcorrenti().isEmpty(); }));
        ASSERT_TRUE(state.krono().MancheParallelo());
    }
    QPushButton* pageButton(int code) {
        return window->findChild<QPushButton*>(QStringLiteral("cmdPagina%1").arg(code));
    }
    QString statusNotice() { return window->findChild<QLabel*>(QStringLiteral("Avvisi"))->text(); }
    db::LockWaits& waits() { return *state.startup.database.lockWaits; }
    // A live start of the first competitor the race holds, processed when its state is 20.
    bool liveStart(qint32 time) {
        const qint16 n = state.krono().ElencoConcorrenti().first();
        simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QString::number(n), QString::number(time)});
        return sim::TimekeepingSimulator::waitUntil([&] {
            const auto r = state.krono().ConcorrenteItem(n)->Risultati(state.krono().MancheSfidaCorrente());
            return r && r->OrarioPartenza() == time;
        });
    }

    int netBefore = 0;
    int liveStarts = 0;  // each live start carries a time of its own
};

// How a row tells the operator: a message box for the operator's own actions, the status bar
// and the log for link events; a page button tells only when its page needed the database, and
// never with a box: the air waits for its page. An action that needs only what the session fixed
// (read when the race state arrived) neither waits nor tells.
enum class Told { Box, StatusBar, AtMostOnce, Nothing };

struct Row {
    const char* name;
    Fault fault;
    Told told;
    const char* failedStep;  // what the operator reads: "Impossibile <failedStep>: errore ..."
    // Runs the action; false when it did not run through.
    std::function<bool(DatabaseFaultsTest&)> act;
    // The action's own message carries a new race state (the race-state message). Received over
    // the link, it is applied without waiting on a lock.
    bool replacesRaceState = false;
    // The row runs as one action of the program (a menu, a button, a link message); a row that
    // calls a unit directly waits as often as its queries meet the lock.
    bool oneAction = true;
};

TEST_F(DatabaseFaultsTest, NoDatabaseFaultTakesTheProgramOffAir) {
    connectParallelRace();
    // A page on air: the full page with its stored texts.
    fakes.dialogs.answer<frmPaginaTesto>([](frmPaginaTesto& editor) { editor.cmdTesto(1)->click(); });
    window->units().graphics()->pages().MandaInOnda(kCodicePaginaPiena);
    ASSERT_EQ(state.PaginaInOnda.NomePagina, QStringLiteral("PaginaPiena")) << fakes.prompter.texts().join('\n').toStdString();
    ASSERT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();

    const auto raceState = [](DatabaseFaultsTest& t) {
        const auto before = t.state.race.Krono;
        t.simulator.sendText(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + encoder::raceStateText(*before));
        return sim::TimekeepingSimulator::waitUntil([&] { return t.state.race.Krono != before; });
    };
    std::vector<Row> rows = {
        {"stato della gara", Fault::Lock, Told::StatusBar, "rileggere le impostazioni del monitor", raceState, true},
        {"messaggio in diretta, parallelo", Fault::Lock, Told::Nothing, "",
         [](DatabaseFaultsTest& t) { return t.liveStart(101500000 + 1000 * ++t.liveStarts); }},
        {"Rielabora Tempo Reale", Fault::Lock, Told::StatusBar, "rileggere le impostazioni del monitor",
         [](DatabaseFaultsTest& t) {
             const auto before = t.state.race.Krono;
             t.action("mnuRielabora")->trigger();
             return sim::TimekeepingSimulator::waitUntil([&] { return t.state.race.Krono != before; });
         },
         true},
        {"riga della griglia delle categorie", Fault::Lock, Told::Nothing, "",
         [](DatabaseFaultsTest& t) {
             t.window->panel().tdbCategorie_RowColChange(0);
             return true;
         }},
        {"opzione di visualizzazione", Fault::Lock, Told::Box, "registrare l'opzione di visualizzazione",
         [](DatabaseFaultsTest& t) {
             const int next = t.state.OpzioneRisultato == 0 ? 1 : 0;
             t.action("mnuOpzioneRisultato", next)->trigger();
             return true;
         }},
        {"salvataggio della pagina di testo", Fault::Lock, Told::Box, "salvare i testi della pagina",
         [](DatabaseFaultsTest& t) {
             bool saved = false;
             t.fakes.dialogs.answer<frmPaginaTesto>([&](frmPaginaTesto& editor) {
                 editor.show();
                 const size_t before = t.fakes.prompter.shown().size();
                 t.fakes.prompter.clear();
                 editor.txtTesto(1)->setText(QStringLiteral("Neve fresca"));
                 editor.cmdTesto(1)->click();  // saves the texts and puts the row on air
                 saved = editor.isHidden();
                 if (!saved) {
                     // The editor stays open with the texts typed; the operator closes it.
                     EXPECT_EQ(t.fakes.prompter.shown().size(), 1u);
                     EXPECT_TRUE(t.fakes.prompter.texts().join('\n').contains(QStringLiteral("salvare i testi della pagina")));
                     editor.hide();
                     editor.done(QDialog::Rejected);
                 }
                 (void)before;
             });
             t.window->units().graphics()->pages().MandaInOnda(kCodicePaginaPiena);
             return saved;
         },
         false, false},
        {"About", Fault::Lock, Told::Box, "leggere la versione del database",
         [](DatabaseFaultsTest& t) {
             QString shown;
             t.fakes.dialogs.answer<frmAbout>([&](frmAbout& box) { shown = box.lblVersioneDatabase()->text(); });
             t.action("mnuAbout")->trigger();
             return shown.startsWith(QStringLiteral("Versione Database: 1."));
         }},
    };
    // Every page button the console offers, with the full page on air.
    for (int code = 0; code < 40; ++code) {
        QPushButton* b = pageButton(code);
        // The free-text editors have their own row.
        if (!b || !b->isEnabled() || code == kCodicePaginaPiena || code == kCodicePaginaBassa) continue;
        static std::deque<std::string> names;
        names.push_back("pulsante di pagina " + std::to_string(code));
        rows.push_back({names.back().c_str(), Fault::Lock, Told::AtMostOnce, "",
                        [code](DatabaseFaultsTest& t) {
                            t.pageButton(code)->click();
                            return true;
                        }});
    }
    for (Fault fault : {Fault::Lock, Fault::NoSessionsView}) {
        rows.push_back({fault == Fault::Lock ? "Selezione Manche, database bloccato" : "Selezione Manche, vista mancante",
                        fault, Told::Box, "",
                        [](DatabaseFaultsTest& t) {
                            // A window closed before: the sessions are read when it opens.
                            t.window->programMenus().selezioneSessione().close();
                            bool listed = false;
                            t.fakes.dialogs.answer<tables::FrmSelezioneSessione>([&](tables::FrmSelezioneSessione& w) {
                                w.primoPaint();
                                listed = w.datTabella.isOpen() && w.datTabella.recordCount() > 0;
                                if (!listed) {
                                    w.Annulla_Click();
                                    return w.bConferma;
                                }
                                w.Conferma_Click();  // the session the window offers
                                return w.bConferma;
                            });
                            const auto before = t.state.race.Krono;
                            t.action("mnuSelezioneManche")->trigger();
                            return listed && t.state.race.Krono != before;
                        }});
    }

    SecondUser other(base.databasePath);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // The page on air is the full page (a page button of the row before may have changed it).
        const auto racePointer = state.race.Krono;
        const int competitors = int(state.krono().ElencoConcorrenti().size());
        const QString onAir = state.PaginaInOnda.NomePagina;
        const QString fontName = state.monitor.ImpostazioniMonitor.FontName();
        const int logLines = int(state.log.lines().size());
        fakes.prompter.clear();
        window->findChild<QLabel*>(QStringLiteral("Avvisi"))->clear();
        const int givenUpBefore = waits().waitsGivenUp();
        const qint64 sleptBefore = waits().sleptMs();

        if (row.fault == Fault::Lock) {
            other.lock();
        } else {
            other.dropSessionsView();
        }
        const bool ran = row.act(*this);

        // One wait at most, and a whole one when the operator was told of the lock.
        const int givenUp = waits().waitsGivenUp() - givenUpBefore;
        const qint64 slept = waits().sleptMs() - sleptBefore;
        if (row.oneAction) {
            EXPECT_LE(givenUp, 1);
            EXPECT_LE(slept, db::kDefaultBusyTimeoutMs);
            if (row.told == Told::Nothing) {
                EXPECT_EQ(givenUp, 0);
                EXPECT_EQ(slept, 0);
            } else if (row.fault == Fault::Lock && row.told != Told::AtMostOnce) {
                const int wholeWaits = row.replacesRaceState ? 0 : 1;
                EXPECT_EQ(givenUp, wholeWaits);
                EXPECT_EQ(slept, wholeWaits * db::kDefaultBusyTimeoutMs);
            }
        }

        EXPECT_TRUE(window->isVisible());
        if (row.replacesRaceState) {
            EXPECT_TRUE(ran);
            EXPECT_EQ(state.monitor.ImpostazioniMonitor.FontName(), fontName);  // the previous settings kept
        } else if (row.told != Told::AtMostOnce) {
            EXPECT_EQ(state.race.Krono, racePointer);
        }
        EXPECT_EQ(int(state.krono().ElencoConcorrenti().size()), competitors);
        if (row.told != Told::AtMostOnce) {
            EXPECT_EQ(state.PaginaInOnda.NomePagina, onAir);
        }
        if (row.told != Told::AtMostOnce) {  // a page button may take the page off air: its job
            EXPECT_FALSE(state.PaginaInOnda.NomePagina.isEmpty());
        }
        const QString expected = row.fault == Fault::Lock
                                     ? QStringLiteral("errore del database 3260 - database occupato da un altro programma")
                                     : QStringLiteral("errore del database 1 - nel database manca la tabella QSessioni");
        const QString step = QString::fromLatin1(row.failedStep);
        switch (row.told) {
        case Told::Box:
            if (std::string(row.name).rfind("salvataggio", 0) == 0) break;  // checked inside the editor
            ASSERT_EQ(fakes.prompter.shown().size(), 1u) << fakes.prompter.texts().join('\n').toStdString();
            EXPECT_TRUE(fakes.prompter.texts()[0].contains(expected)) << fakes.prompter.texts()[0].toStdString();
            EXPECT_TRUE(fakes.prompter.texts()[0].startsWith(QStringLiteral("Impossibile ") + step))
                << fakes.prompter.texts()[0].toStdString();
            break;
        case Told::StatusBar:
            EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
            EXPECT_TRUE(statusNotice().contains(QStringLiteral("Impossibile ") + step)) << statusNotice().toStdString();
            EXPECT_TRUE(statusNotice().contains(expected)) << statusNotice().toStdString();
            EXPECT_EQ(int(state.log.lines().size()), logLines + 1) << state.log.lines().mid(logLines).join('\n').toStdString();
            break;
        case Told::Nothing:
            EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
            EXPECT_TRUE(statusNotice().isEmpty()) << statusNotice().toStdString();
            EXPECT_EQ(int(state.log.lines().size()), logLines)
                << state.log.lines().mid(logLines).join('\n').toStdString();
            break;
        case Told::AtMostOnce:
            EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
            EXPECT_LE(int(state.log.lines().size()), logLines + 1)
                << state.log.lines().mid(logLines).join('\n').toStdString();
            if (!statusNotice().isEmpty()) {
                EXPECT_TRUE(statusNotice().contains(expected)) << statusNotice().toStdString();
            }
            break;
        }

        // The fault cleared, the same action works and tells nothing.
        if (row.fault == Fault::Lock) {
            other.release();
        } else {
            other.restoreSessionsView();
        }
        fakes.prompter.clear();
        window->findChild<QLabel*>(QStringLiteral("Avvisi"))->clear();
        EXPECT_TRUE(row.act(*this));
        EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
        EXPECT_TRUE(statusNotice().isEmpty()) << statusNotice().toStdString();
        if (std::string(row.name).rfind("Selezione Manche", 0) == 0) {
            // The chosen session closed the link; the full page goes on air again for the next row.
            fakes.dialogs.answer<frmPaginaTesto>([](frmPaginaTesto& editor) { editor.cmdTesto(1)->click(); });
        }
        if (state.PaginaInOnda.NomePagina != QStringLiteral("PaginaPiena")) {
            fakes.dialogs.answer<frmPaginaTesto>([](frmPaginaTesto& editor) { editor.cmdTesto(1)->click(); });
            window->units().graphics()->pages().MandaInOnda(kCodicePaginaPiena);
        }
    }
}

}  // namespace
}  // namespace razudar::apptest

namespace razudar::apptest {
namespace {

// A page file the graphics control cannot read: the operator's message names the page, the log
// keeps the control's reason beside it.
TEST_F(DatabaseFaultsTest, AnUnreadablePageFileIsLoggedWithTheReadersReason) {
    QFile page(state.resources.CartellaGrafica + QStringLiteral("PaginaLibera1.smb"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("non è una pagina");
    page.close();
    const int logLines = int(state.log.lines().size());
    window->units().graphics()->pages().MandaInOnda(kCodicePaginaLibera1);
    EXPECT_EQ(fakes.prompter.texts(), QStringList{QStringLiteral("Errore durante il caricamento della pagina: PaginaLibera1")});
    const QString logged = state.log.lines().mid(logLines).join('\n');
    EXPECT_TRUE(logged.startsWith(QStringLiteral("Errore durante il caricamento della pagina: PaginaLibera1 (CaricaPagina: ")))
        << logged.toStdString();
    EXPECT_TRUE(logged.contains(QStringLiteral("PaginaLibera1.smb"))) << logged.toStdString();
    EXPECT_TRUE(state.PaginaInOnda.NomePagina.isEmpty());
}

}  // namespace
}  // namespace razudar::apptest

namespace razudar::apptest {
namespace {

// How the failures of one action reach the operator: once, through the action's channel; a
// link message handled while a menu command waits is an action of its own.
TEST(DatabaseFaultsChannels, OncePerActionThroughItsChannel) {
    FakeWindowServices fakes;
    ProgramLog log;
    QStringList status;
    DatabaseFaults faults(fakes.prompter, log, [&](const QString& t) { status << t; });
    const db::DbError locked(db::errors::kRecordLocked, QStringLiteral("database is locked"));
    const QString text = QStringLiteral(
        "Impossibile leggere: errore del database 3260 - database occupato da un altro programma. Il database è "
        "bloccato da un altro programma: riprovare fra qualche istante.");

    faults.report(QStringLiteral("leggere"), locked);  // outside any action: status bar and log
    faults.report(QStringLiteral("leggere"), locked);
    EXPECT_EQ(status, (QStringList{text, text}));
    EXPECT_TRUE(fakes.prompter.shown().empty());
    {
        const DatabaseFaults::Action command(faults, FaultChannel::MessageBox);
        {
            const DatabaseFaults::Action message(faults, FaultChannel::StatusBar);
            faults.report(QStringLiteral("leggere"), locked);
            faults.report(QStringLiteral("leggere"), locked);
        }
        EXPECT_EQ(status.size(), 3);
        EXPECT_TRUE(fakes.prompter.shown().empty());
        EXPECT_FALSE(faults.guard(QStringLiteral("leggere"), [&] { throw locked; }));
        {
            const DatabaseFaults::Action same(faults, FaultChannel::MessageBox);  // joins the command
            faults.report(QStringLiteral("leggere"), locked);
        }
        EXPECT_TRUE(faults.guard(QStringLiteral("leggere"), [] {}));
    }
    EXPECT_EQ(fakes.prompter.texts(), QStringList{text});
    EXPECT_EQ(status.size(), 3);
    EXPECT_EQ(log.lines().size(), 4);
    EXPECT_EQ(faults.reportedCount(), 4);
    faults.report(QStringLiteral("leggere"), db::DbError(db::errors::kDiskOrNetwork, QStringLiteral("disk I/O error")));
    EXPECT_EQ(status.last(), QStringLiteral("Impossibile leggere: errore del database 3043 - errore di lettura o scrittura "
                                            "sul disco o sulla rete. Controllare il disco o la rete su cui si trova il "
                                            "database."));
}

}  // namespace
}  // namespace razudar::apptest

namespace razudar::apptest {
namespace {

class ThrowingHandler : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("guasto di prova");
        return QObject::event(e);
    }
};

// The net catches what a handler lets escape, says which handler and what, and the program goes on.
TEST(LastResortNet, CatchesReportsAndKeepsRunning) {
    ProgramApplication* app = ProgramApplication::current();
    ASSERT_NE(app, nullptr);
    QStringList reported;
    app->setReporter([&](const QString& t) { reported << t; });
    const int before = app->caughtCount();
    ThrowingHandler handler;
    handler.setObjectName(QStringLiteral("prova"));
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&handler, &event));
    EXPECT_EQ(app->caughtCount(), before + 1);
    EXPECT_EQ(reported, QStringList{QStringLiteral("Errore imprevisto in QObject prova (evento 1000): guasto di prova. "
                                                   "Il programma continua.")});
    app->setReporter({});
}

}  // namespace
}  // namespace razudar::apptest
