#pragma once
// The active session (race, turn type, run), kept in the session key object and in the
// per-user settings store (application "Razudar (Zez)", section "Suggeritore") so the next
// start resumes it.
#include <QString>
#include <QtGlobal>

#include "model/session_key.h"

namespace razudar {

class SettingsStore;

inline constexpr char16_t kApplicazioneSuggeritore[] = u"Razudar (Zez)";
inline constexpr char16_t kSezioneSuggeritore[] = u"Suggeritore";

// Loads the three values; a stored race or run reads as its integer value (a fraction is cut),
// and nothing stored, a text that is no number or a value outside the 16-bit range gives -1;
// the turn type is upper-cased ("" when absent).
void CaricaSessioneAttiva(SessionKey& session, const SettingsStore& settings);

// Without `force` a race other than the active one changes nothing and stores nothing.
// Otherwise the race becomes active; the turn type is kept when "" is given for the same race;
// the run is kept when -1 is given for the same race with "" or the same turn type. The store
// receives the three arguments as given.
void ImpostaSessioneAttiva(SessionKey& session, SettingsStore& settings, qint16 race,
                           const QString& turnType, qint16 run, bool force);

void SalvaSessioneAttiva(SettingsStore& settings, qint16 race, const QString& turnType, qint16 run);

}  // namespace razudar
