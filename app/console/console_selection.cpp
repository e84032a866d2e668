#include "app/console/console_selection.h"

#include "app/console/console_state.h"
#include "model/bas_utilita.h"

namespace razudar {

BibSelection SelezionePettorale(const clsKrono* krono, const QString& testo) {
    BibSelection s;
    if (!krono) return s;
    const int code = krono->ConcorrenteDaPettorale(ValoreIntero(testo, 0));
    if (code >= 0 && krono->ConcorrenteExists(qint16(code))) {
        s.concorrente = qint16(code);
        const auto c = krono->ConcorrenteItem(s.concorrente);
        s.nominativo = blankControlCharacters(c->Cognome() + QLatin1Char(' ') + c->Nome());
    } else if (!testo.trimmed().isEmpty()) {
        s.avviso = QStringLiteral("Nessun concorrente con il pettorale ") + testo.trimmed();
    }
    return s;
}

void PulsantePagina(ProgramState& state, PageButtonHost& host, int code) {
    if (code == kCodiceIntermedio1 || code == kCodiceIntermedio2 || code == kCodiceFinale) {
        host.setNominativoChecked(true);
        state.SplitMostrato = host.pageButtonTag(code);
    }
    if (code == kCodiceStartZero) host.setNominativoChecked(true);
    if (code == kCodiceStart) host.setNominativoChecked(false);
    if (code == kCodiceClassificaTC) state.ClassificaTCVisibile = !state.ClassificaTCVisibile;
    if (code == kCodiceParallelo) {
        const int index = state.IndicePulsanteConcorrente;
        // No heat button pressed: no page.
        if (index < 0 || index >= kCompetitorButtons || !state.race.Krono) return;
        if (state.krono().MancheSfidaCorrente() > 1) host.setDistaccoChecked(true);
        state.SfidaSelezionata = qint16(ValoreIntero(host.heatCaption(index), 0));
    }
    host.MandaInOnda(qint16(code));
}

}  // namespace razudar
