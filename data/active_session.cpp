#include "data/active_session.h"

#include "model/basic.h"
#include "platform/services/settings_store.h"

namespace razudar {

namespace {

QString app() { return QString::fromUtf16(kApplicazioneSuggeritore); }
QString section() { return QString::fromUtf16(kSezioneSuggeritore); }

// The integer value of a stored number (a fraction is cut: "2.5" reads as 2); -1 for a text
// that is no number or a value outside the 16-bit range (only outside editing of the store can
// put such a text there).
qint16 storedInteger(const SettingsStore& settings, const QString& key) {
    const QString text = settings.value(app(), section(), key, QStringLiteral("-1"));
    const std::optional<double> number = basic::parseNumeric(text);
    if (!number) return -1;
    const double whole = basic::Int(*number);
    if (!basic::fitsInteger(whole)) return -1;
    return static_cast<qint16>(whole);
}

}  // namespace

void CaricaSessioneAttiva(SessionKey& session, const SettingsStore& settings) {
    session.SessioneGara = storedInteger(settings, QStringLiteral("GaraAttiva"));
    session.SessioneTipoTurno =
        basic::UCase(settings.value(app(), section(), QStringLiteral("TipoTurnoAttivo"), QString()));
    session.SessioneManche = storedInteger(settings, QStringLiteral("MancheAttiva"));
}

void ImpostaSessioneAttiva(SessionKey& session, SettingsStore& settings, qint16 race,
                           const QString& turnType, qint16 run, bool force) {
    if (!force && race != session.SessioneGara) return;
    const qint16 oldRace = session.SessioneGara;
    const QString oldTurnType = session.SessioneTipoTurno;
    session.SessioneGara = race;
    if (!(turnType.isEmpty() && race == oldRace)) session.SessioneTipoTurno = turnType;
    const bool keepRun = run == -1 && race == oldRace && (turnType.isEmpty() || turnType == oldTurnType);
    if (!keepRun) session.SessioneManche = run;
    SalvaSessioneAttiva(settings, race, turnType, run);
}

void SalvaSessioneAttiva(SettingsStore& settings, qint16 race, const QString& turnType, qint16 run) {
    settings.save(app(), section(), QStringLiteral("GaraAttiva"), QString::number(race));
    settings.save(app(), section(), QStringLiteral("TipoTurnoAttivo"), turnType);
    settings.save(app(), section(), QStringLiteral("MancheAttiva"), QString::number(run));
}

}  // namespace razudar
