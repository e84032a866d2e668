#include "model/bas_zez.h"

namespace razudar {

void SuggerisciSessioneCorrente(SuggestionSink& tb, const SessionKey& session) {
    tb.SuggerisciAggiungi(QStringLiteral("Gara"), QVariant(int(session.SessioneGara)), false);
    tb.SuggerisciAggiungi(QStringLiteral("TipoTurno"), QVariant(session.SessioneTipoTurno), false);
    tb.SuggerisciAggiungi(QStringLiteral("Manche"), QVariant(int(session.SessioneManche)), false);
}

}  // namespace razudar
