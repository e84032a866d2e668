#include "app/link/link_dispatcher.h"

#include <algorithm>
#include <optional>

#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "app/pages/race_clock.h"
#include "data/clock_decoders.h"
#include "data/configuration.h"
#include "data/database_fault_text.h"
#include "data/krono_da_testo.h"
#include "model/bas_utilita.h"
#include "model/competitor_states.h"
#include "model/race_times.h"
#include "model/run_result.h"
#include "platform/db/db_error.h"

namespace razudar {

namespace {

qint16 integerField(const QStringList& fields, int index) { return ValoreIntero(fields.at(index), 0); }
qint32 longField(const QStringList& fields, int index) { return ValoreLungo(fields.at(index), 0); }

// A difference of two millisecond counts kept inside the 32-bit range.
qint32 clampedDifference(qint64 a, qint64 b) {
    return qint32(std::clamp<qint64>(a - b, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

// The result of competitor `n` in the current run, or null for a competitor the race does not hold.
std::shared_ptr<clsRisultati> currentRunResult(clsKrono& k, qint16 n) {
    return k.ConcorrenteExists(n) ? k.ConcorrenteItem(n)->Risultati(k.MancheSfidaCorrente()) : nullptr;
}

}  // namespace

LinkDispatcher::LinkDispatcher(ProgramState& state, const Services& services, controls::LinkControl& link,
                               PageDispatcher& pages, ConsoleUpdates& console, DispatcherHost& host,
                               ParallelGapBox& gap, MonitorSettingsReloader& monitorSettings, QObject* parent)
    : QObject(parent), state_(state), services_(services), link_(link), pages_(pages), console_(console),
      host_(host), gap_(gap), monitorSettings_(monitorSettings) {
    timTempoManche_.setInterval(kRunTimeDelayMs);
    // A coarse timer may fire up to 5% early (4.75 s); the page must wait its whole 5 seconds.
    timTempoManche_.setTimerType(Qt::PreciseTimer);
    timTempoManche_.setSingleShot(false);  // stopped by its own tick, as the delay requires
    connect(&timTempoManche_, &QTimer::timeout, this, [this] {
        if (tickAction_) {
            tickAction_([this] { timTempoManche_Timer(); });
        } else {
            timTempoManche_Timer();
        }
    });
}

bool LinkDispatcher::onAir(const char16_t* pageName) const {
    return state_.PaginaInOnda.mostra(QString::fromUtf16(pageName));
}

qint32 LinkDispatcher::localTimeOfDayMs() const { return TempoInMillesimi(OrarioAttuale(*services_.clock)); }

void LinkDispatcher::onConnesso() {
    measuredOffsetMs_.reset();
    const QString name = link_.ServerRemoto();
    try {
        storeGraphicsServer(state_.startup.database.current(), name);
    } catch (const db::DbError& e) {
        const QString azione = QStringLiteral("registrare il server ") + name + QStringLiteral(" nella configurazione");
        if (reportFault_) {
            reportFault_(azione, e);
        } else {
            services_.prompter->show(testoErroreDatabase(azione, e), PromptButtons::Ok, PromptIcon::Exclamation);
        }
    }
    link_.InviaTesto(ComponiMessaggio(QString::fromUtf16(kRichiestaChiaveSessione)), true);
    console_.AbilitaPulsantiPagina(true);
}

void LinkDispatcher::onConnessioneChiusa() { host_.setRielaboraEnabled(false); }

void LinkDispatcher::onErrore(int number, const QString& description) {
    services_.prompter->show(QStringLiteral("Errore ") + QString::number(number) + QStringLiteral(" - ") + description,
                             PromptButtons::Ok, PromptIcon::Critical, state_.startup.connection.NomeCartellaApplicazione);
}

void LinkDispatcher::onDatiArrivati(const QString& testo) {
    const std::optional<MessaggioComando> message = SeparaMessaggio(testo);
    if (!message) return;
    const QString& c = message->comando;
    const auto is = [&](const char16_t* word) { return c == QStringView(word); };
    if (is(kAggiornaClasse)) return aggiornaClasse(message->payload);
    if (is(kAggiornaOrario)) return aggiornaOrario(message->payload);
    if (is(kRichiestaChiaveSessione)) return chiaveSessione(message->payload);
    if (is(kStartParallelo)) return startParallelo();

    const QStringList fields = CampiMessaggio(message->payload);
    const auto enough = [&](int count) { return fields.size() >= count; };
    if (is(kOrarioStart)) {
        if (enough(2)) orarioStart(fields);
    } else if (is(kOrarioStop)) {
        if (enough(2)) orarioStop(fields);
    } else if (is(kTempo)) {
        if (enough(2)) tempo(fields);
    } else if (is(kOrarioIntermedio)) {
        if (enough(3)) orarioIntermedio(fields);
    } else if (is(kStatoConcorrente)) {
        if (enough(2)) statoConcorrente(fields);
    }
}

void LinkDispatcher::aggiornaClasse(const QString& payload) {
    // The race state is applied at once, whatever another program holds: the monitor settings and
    // the session's values it reads keep their last values when the database is locked (told on
    // the status bar) and are read again with the next race state.
    const db::LockWaits::NoWait noWait(*state_.startup.database.lockWaits);
    KronoDaTestoResult decoded = KronoDaTesto(payload.trimmed(), monitorSettings_);
    if (!decoded) {
        // The race state on air stays; the operator is told on the status bar, never in a box.
        const QString text =
            QStringLiteral("Stato della gara ricevuto illeggibile, resta quello precedente: ") + decoded.error;
        state_.log.line(text);
        if (notice_) notice_(text);
        return;
    }
    for (const QString& notice : decoded.notices) state_.log.line(notice);
    state_.race.Krono = std::move(decoded.krono);
    if (withdrawNotice_) withdrawNotice_();
    if (sessionSet_) sessionSet_();
    console_.AggiornaClassificheInterfaccia();
}

void LinkDispatcher::aggiornaOrario(const QString& payload) {
    const QString report = OrarioDaTesto(payload.trimmed(), *services_.clock, *services_.clockSetter);
    if (report.isEmpty()) {
        state_.log.line(QStringLiteral("Orario ricevuto illeggibile, ignorato"));
        return;
    }
    measuredOffsetMs_.reset();  // the PC clock may have been set: the difference is measured anew
    services_.prompter->show(report);
}

void LinkDispatcher::chiaveSessione(const QString& payload) {
    measuredOffsetMs_.reset();  // the PC clock may be set: the difference is measured anew
    SessionKey& session = state_.startup.session;
    switch (ChiaveSessioneDaTesto(payload.trimmed(), session, *services_.clock, *services_.clockSetter)) {
    case SessionKeyReply::Ignored:
        state_.log.line(QStringLiteral("Chiave di sessione ricevuta illeggibile, ignorata"));
        break;
    case SessionKeyReply::TimeUnusable:
        // The session is the one received; only the clock keeps its time.
        state_.log.line(
            QStringLiteral("Chiave di sessione ricevuta con un orario illeggibile: orologio non impostato"));
        break;
    case SessionKeyReply::Read: break;
    }
    host_.setRielaboraEnabled(true);
    link_.InviaTesto(ComponiMessaggio(QString::fromUtf16(kRichiestaClasse)), true);
}

void LinkDispatcher::startParallelo() {
    state_.OffsetTempoCorrere = localTimeOfDayMs();
    if (onAir(kPaginaTempoACorrereParallelo)) pages_.MandaInOnda(kCodiceStartParallelo);
}

void LinkDispatcher::orarioStart(const QStringList& fields) {
    const qint16 n = integerField(fields, 0);
    const qint32 t = longField(fields, 1);
    clsKrono& k = state_.krono();
    // The offset is the difference between the timekeeper's clock and this PC's, taken when a
    // competitor's first start in the run arrives (it arrives at the start). A start the
    // timekeeper sends again (the time already recorded) or corrects (another time, sent
    // seconds later) arrives late: measured then, the difference would carry the delay and set
    // the clock on air back by it. A copy changes nothing; a correction keeps the difference
    // and moves the clock by the correction only. Before his start a competitor's recorded time
    // is 0, and the race does not hold every number sent: those starts are measured.
    qint32 previous = 0;
    if (const auto result = currentRunResult(k, n)) {
        previous = result->OrarioPartenza();
        result->setStatoConcorrente(kStatoInPista);
        result->setOrarioPartenza(t);
    }
    const bool sentAgain = t > 0 && previous == t;
    const bool corrected = t > 0 && previous > 0 && previous != t && measuredOffsetMs_.has_value();
    if (!sentAgain) {
        if (!corrected) measuredOffsetMs_ = clampedDifference(TempoInMillesimi(t), localTimeOfDayMs());
        state_.OffsetTempoCorrere = *measuredOffsetMs_;
        if (n == state_.ConcorrenteSelezionato && onAir(kPaginaTempoACorrere)) pages_.MandaInOnda(kCodiceStart);
    }
    console_.AggiornaClassificheInterfaccia();
}

void LinkDispatcher::orarioStop(const QStringList& fields) {
    const qint16 n = integerField(fields, 0);
    const qint32 t = longField(fields, 1);
    clsKrono& k = state_.krono();
    if (const auto result = currentRunResult(k, n)) {
        result->setOrarioArrivo(t);
        // A heat's finish carries its time. Otherwise the competitor stays as he is (on course)
        // until his run time arrives: ranked as arrived before it, he would count a run of 0.
        if (k.MancheParallelo()) {
            result->setStatoConcorrente(kStatoArrivato);
            result->setTempo(t);
        }
    }
    console_.AggiornaClassificheInterfaccia();
}

void LinkDispatcher::tempo(const QStringList& fields) {
    const qint16 n = integerField(fields, 0);
    const qint32 t = longField(fields, 1);
    clsKrono& k = state_.krono();
    if (t <= 0 && !k.MancheParallelo()) {
        // Not a run time: ranked with it, the competitor would count a run of 0.
        state_.log.line(QStringLiteral("TCORRERETEMPO: tempo \"%1\" non valido per il concorrente %2, ignorato")
                            .arg(fields.at(1), fields.at(0)));
        return;
    }
    if (const auto result = currentRunResult(k, n)) {
        result->setStatoConcorrente(kStatoArrivato);
        result->setTempo(t);
    }
    if (k.MancheParallelo()) {
        if (onAir(kPaginaTempoACorrereParallelo)) {
            gap_.AggiornaDistaccoParallelo(false);
            pages_.MandaInOnda(kCodiceTempo);
        }
        state_.IndicePulsanteConcorrente = -1;
        console_.AggiornaClassificheInterfaccia();
        return;
    }
    // The run time ranks the competitor in every run: the console and every page built from now
    // on show him with it, also after the last run time of the race, when nothing else follows.
    console_.AggiornaClassificheInterfaccia();
    if (n == state_.ConcorrenteSelezionato && onAir(kPaginaTempoACorrere)) {
        state_.SplitMostrato = QStringLiteral("F");
        pages_.MandaInOnda(kCodiceTempo);
    }
    // The page may have replaced the race state; read the run again. Only the followed
    // competitor's own run time brings on his run time and place: another finisher's would hide
    // the gap and reference of the competitor still on course.
    const clsKrono& dopo = state_.krono();
    if (n == state_.ConcorrenteSelezionato && dopo.ConcorrenteExists(n) && dopo.MancheSfidaCorrente() > 1)
        startRunTimeDelay(n);
}

void LinkDispatcher::startRunTimeDelay(qint16 concorrente) {
    // The same run time sent again does not put the page off: it follows the first one.
    if (timTempoManche_.isActive() && runTimeDelayCompetitor_ == concorrente) return;
    runTimeDelayCompetitor_ = concorrente;
    timTempoManche_.start();
}

void LinkDispatcher::orarioIntermedio(const QStringList& fields) {
    const qint16 n = integerField(fields, 0);
    const qint16 i = integerField(fields, 1);
    const qint32 t = longField(fields, 2);
    if (i < 1 || i > kMaxIntermedio) {
        state_.log.line(QStringLiteral("Intermedio %1 fuori dai limiti, ignorato").arg(fields.at(1).trimmed()));
        return;
    }
    clsKrono& k = state_.krono();
    if (const auto result = currentRunResult(k, n)) {
        // Intermediate i goes to position i: missing earlier ones are held as no time (0).
        while (result->OrarioIntermedioCount() < i - 1) result->OrarioIntermedioAdd(0);
        result->setOrarioIntermedioItem(i, t);
    }
    console_.AggiornaClassificheInterfaccia();
    if (n == state_.ConcorrenteSelezionato && onAir(kPaginaTempoACorrere)) {
        state_.SplitMostrato = fields.at(1).trimmed();
        pages_.MandaInOnda(kCodiceTempo);
    }
}

void LinkDispatcher::statoConcorrente(const QStringList& fields) {
    // Any whole number from 0 to 99 is stored as it is, as a race state stores it; a field that
    // is not one would read as 0 (arrived), so the message is left out instead.
    const std::optional<qint32> stato = CodiceStatoDaTesto(fields.at(1));
    if (!stato) {
        state_.log.line(QStringLiteral("STATOCONCORRENTE: stato \"%1\" non è un numero intero da 0 a 99, ignorato")
                            .arg(fields.at(1)));
        return;
    }
    const qint16 n = integerField(fields, 0);
    clsKrono& k = state_.krono();
    if (const auto result = currentRunResult(k, n)) result->setStatoConcorrente(*stato);
    console_.AggiornaClassificheInterfaccia();
}

void LinkDispatcher::timTempoManche_Timer() {
    const qint16 concorrente = runTimeDelayCompetitor_;
    stopRunTimeDelay();
    // The operator has chosen someone else meanwhile: the page now follows him, not the finisher.
    if (concorrente == -1 || concorrente != state_.ConcorrenteSelezionato) return;
    pages_.MandaInOnda(kCodiceTempoManche);
}

}  // namespace razudar
