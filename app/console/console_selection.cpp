// The operator's selection: the bib box, the two check boxes of the pages, and the steps each page
// button takes before its page (check boxes switched, split chosen, heat taken from the pressed
// heat button).
#include "app/console/console_selection.h"

#include "app/console/console_refresh.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "model/bas_utilita.h"

namespace razudar {

namespace {

// The split tag of the page button `code` ("1", "2", "F"; "" for a button without one).
QString pageButtonTag(int code) {
    for (const PageButtonSpec& spec : kPageButtons)
        if (spec.code == code) return QString::fromLatin1(spec.tag);
    return QString();
}

}  // namespace

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

BibSelection ConsoleRefresh::chooseBib(const QString& typed) {
    const BibSelection selection = SelezionePettorale(state_.race.Krono.get(), typed);
    state_.ConcorrenteSelezionato = selection.concorrente;
    return selection;
}

void ConsoleRefresh::showNameOnClock(bool shown) { state_.NominativoTCVisibile = shown; }

void ConsoleRefresh::showParallelGap(bool shown) { state_.DistaccoParalleloVisibile = shown; }

void ConsoleRefresh::PulsantePagina(int code, PageButtonHost& boxes, PageDispatcher& pages) {
    if (code == kCodiceIntermedio1 || code == kCodiceIntermedio2 || code == kCodiceFinale) {
        boxes.setNominativoChecked(true);
        state_.SplitMostrato = pageButtonTag(code);
    }
    if (code == kCodiceStartZero) boxes.setNominativoChecked(true);
    if (code == kCodiceStart) boxes.setNominativoChecked(false);
    if (code == kCodiceClassificaTC) state_.ClassificaTCVisibile = !state_.ClassificaTCVisibile;
    if (code == kCodiceParallelo) {
        const int index = state_.IndicePulsanteConcorrente;
        // No heat button pressed: no page.
        if (index < 0 || index >= kCompetitorButtons || !state_.race.Krono) return;
        if (state_.krono().MancheSfidaCorrente() > 1) boxes.setDistaccoChecked(true);
        // The heat number shown beside the pressed heat button.
        state_.SfidaSelezionata = qint16(ValoreIntero(view_.buttons[size_t(index)].sideCaption, 0));
    }
    pages.MandaInOnda(qint16(code));
}

}  // namespace razudar
