#include "model/preview_text.h"

#include "model/basic.h"
#include "model/krono.h"
#include "model/race_times.h"

namespace razudar::preview {

const clsConcorrente& record(const clsKrono& k, qint16 Concorrente) {
    static const clsConcorrente kEmpty;  // immutable: what an unregistered number reads as
    const clsConcorrente* found = k.findConcorrente(Concorrente);
    return found ? *found : kEmpty;
}

const clsRisultati& result(const clsConcorrente& c, int Manche) {
    static const clsRisultati kEmpty;
    const clsRisultati* found = c.existingResult(Manche);
    return found ? *found : kEmpty;
}

QString T(const clsKrono& k, qint64 packed, bool trim, bool sign) {
    return ConvertiRisoluzione(true, FormattaTempo(packed, 12, trim, sign), k.cGara.Risoluzione()).toString();
}

QString E(const clsKrono& k, qint32 milliseconds) {
    return ConvertiRisoluzione(true, TempoInStringa(milliseconds, 12, true, false, false), k.cGara.Risoluzione())
        .toString();
}

QString nameOf(const clsKrono& k, const clsConcorrente& c) {
    return basic::UCase(k.cGara.Specialita() == 6 ? c.Squadra() : c.Cognome());
}

BibIndex::BibIndex(const clsKrono& k) {
    for (const qint16 key : k.ElencoConcorrenti()) {
        const clsConcorrente* c = k.findConcorrente(key);
        if (c && !bibs_.contains(c->Concorrente()))
            bibs_.insert(c->Concorrente(), {c->Pettorale(), c->PettoraleStampa()});
    }
}

int BibIndex::bib(qint16 Concorrente, bool bPettoraleStampa) const {
    const auto found = bibs_.constFind(Concorrente);
    if (found == bibs_.constEnd()) return -1;
    return bPettoraleStampa ? found->second : found->first;
}

}  // namespace razudar::preview
