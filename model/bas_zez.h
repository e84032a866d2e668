#pragma once
// Session defaults handed to the session window's table engine. The resolution helpers of this
// family (ConvertiRisoluzione, TroncaRisoluzione) are in race_times.h.
#include "model/session_key.h"
#include "model/suggestion_sink.h"

namespace razudar {

// Suggests, in this order, "Gara" = SessioneGara, "TipoTurno" = SessioneTipoTurno and
// "Manche" = SessioneManche, each with zero not significant.
void SuggerisciSessioneCorrente(SuggestionSink& tb, const SessionKey& session);

}  // namespace razudar
