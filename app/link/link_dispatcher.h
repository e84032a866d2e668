#pragma once
// The link message dispatcher: the main loop of the program. It handles the four events of the
// link control (connection, arrived text, closing, socket error), keeps the race state current
// from the timekeeping application's messages, asks the page dispatcher for the running-clock
// pages, and owns the one-shot run-time delay timTempoManche.
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

#include "app/console/console_refresh.h"
#include "app/link/link_messages.h"
#include "app/controls/link_control.h"
#include "data/database_fault_text.h"
#include "platform/services/services.h"

namespace razudar {

struct ProgramState;
class PageDispatcher;
class MonitorSettingsReloader;

// What the dispatcher needs of the main window's menu: "Rielabora Tempo Reale" is offered while
// the link is up.
class DispatcherHost {
public:
    virtual ~DispatcherHost() = default;
    virtual void setRielaboraEnabled(bool enabled) = 0;
};

// The console's parallel-gap check box.
class ParallelGapBox {
public:
    virtual ~ParallelGapBox() = default;
    // Re-reads the check box into DistaccoParalleloVisibile; with mostra also puts the gap on air.
    virtual void AggiornaDistaccoParallelo(bool mostra) = 0;
};

class LinkDispatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kRunTimeDelayMs = 5000;
    // The intermediate numbers a message may carry: the race record has twelve timekeeping
    // points, two of which are the start and the finish.
    static constexpr qint16 kMaxIntermedio = 10;

    LinkDispatcher(ProgramState& state, const Services& services, controls::LinkControl& link, PageDispatcher& pages,
                   ConsoleUpdates& console, DispatcherHost& host, ParallelGapBox& gap,
                   MonitorSettingsReloader& monitorSettings, QObject* parent = nullptr);

    // The four events of the link control.
    void onConnesso();
    void onConnessioneChiusa();
    void onErrore(int number, const QString& description);
    void onDatiArrivati(const QString& testo);
    // The tick of the run-time delay: the run time and place of the competitor it was started
    // for, when the clock page still follows him.
    void timTempoManche_Timer();
    // Runs each tick of the timer inside `around` (one action of the program: one wait on a
    // locked database, failures told once on the status bar).
    void setTickAction(std::function<void(const std::function<void()>&)> around) { tickAction_ = std::move(around); }
    // How a database failure of an event reaches the operator; without one, a message box.
    void setFaultReporter(DatabaseFaultReporter reporter) { reportFault_ = std::move(reporter); }
    // How a received message that was refused reaches the operator (the status bar: no box
    // while the air waits).
    void setNotice(std::function<void(const QString&)> notice) { notice_ = std::move(notice); }
    // How that notice is taken down: a race state applied ends a refused one's notice.
    void setNoticeWithdrawal(std::function<void()> withdraw) { withdrawNotice_ = std::move(withdraw); }
    // Runs when a received race state has replaced the race: the session is set.
    void setSessionSetHook(std::function<void()> hook) { sessionSet_ = std::move(hook); }
    // Stops the run-time delay without its page (the first paint of the main window).
    void stopRunTimeDelay() {
        timTempoManche_.stop();
        runTimeDelayCompetitor_ = -1;
    }

    bool runTimeDelayActive() const { return timTempoManche_.isActive(); }
    const QTimer& timTempoManche() const { return timTempoManche_; }
    // The competitor whose run time started the delay, -1 when none is waiting.
    qint16 runTimeDelayCompetitor() const { return runTimeDelayCompetitor_; }

private:
    bool onAir(const char16_t* pageName) const;
    void aggiornaClasse(const QString& payload);
    void aggiornaOrario(const QString& payload);
    void chiaveSessione(const QString& payload);
    void startParallelo();
    void orarioStart(const QStringList& fields);
    void orarioStop(const QStringList& fields);
    void tempo(const QStringList& fields);
    void orarioIntermedio(const QStringList& fields);
    void statoConcorrente(const QStringList& fields);
    qint32 localTimeOfDayMs() const;
    void startRunTimeDelay(qint16 concorrente);

    ProgramState& state_;
    Services services_;
    controls::LinkControl& link_;
    PageDispatcher& pages_;
    ConsoleUpdates& console_;
    DispatcherHost& host_;
    ParallelGapBox& gap_;
    MonitorSettingsReloader& monitorSettings_;
    QTimer timTempoManche_;
    qint16 runTimeDelayCompetitor_ = -1;
    // The difference between the timekeeper's clock and this PC's (ms), as measured at the last
    // competitor's first start in a run; forgotten when a connection starts or the PC clock is set.
    std::optional<qint32> measuredOffsetMs_;
    std::function<void(const std::function<void()>&)> tickAction_;
    DatabaseFaultReporter reportFault_;
    std::function<void(const QString&)> notice_;
    std::function<void()> withdrawNotice_;
    std::function<void()> sessionSet_;
};

}  // namespace razudar
