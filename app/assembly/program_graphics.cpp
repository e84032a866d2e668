#include "app/assembly/program_graphics.h"

#include <QObject>

#include "app/console/console_refresh.h"
#include "app/controls/grafica_proxy.h"
#include "app/editors/free_text_editors.h"
#include "app/faults/database_faults.h"
#include "app/faults/session_values.h"
#include "app/pages/on_air.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "data/one_value_queries.h"

namespace razudar {

ProgramGraphics::ProgramGraphics(ProgramState& state, const Services& services, DatabaseFaults& faults,
                                 SessionValues& sessionValues, ConsoleUpdates& console, controls::GraficaProxy& grafica,
                                 OnAirHost& host, SponsorLights& sponsors, QWidget* editorOwner)
    : context_(std::make_unique<PageContext>(state, grafica, services, host, sponsors)) {
    // A database that cannot answer is reported and gives the empty answer: the page shows without it.
    context_->codiceTipoTurno = [&sessionValues](qint32 id) { return sessionValues.turnTypeCode(id); };
    context_->testoLingua = [&sessionValues](const QString& campo) { return sessionValues.raceText(campo); };
    context_->classificaTempiSommati = [&state, &faults](const QString& categoria) {
        return faults.readOr(QStringLiteral("leggere la classifica a tempi sommati"), QList<qint16>(), [&] {
            return ClassificaTempiSommatiTurni(state.startup.database.current(), state.startup.session.SessioneGara,
                                               categoria);
        });
    };
    context_->aggiornaClassificheInterfaccia = [&console] { console.AggiornaClassificheInterfaccia(); };
    context_->airChanged = [&faults] { faults.airChanged(); };
    PageContext* context = context_.get();
    QObject::connect(&grafica, &controls::GraficaProxy::RicevutoMessaggio, &grafica,
                     [context](const QString& text) { context->ultimoMessaggioGrafica = text; });
    pages_ = std::make_unique<MandaInOndaDispatcher>(*context_);
    freeTextEditors_ = std::make_unique<FreeTextEditorWindows>(state.startup.database, *services.prompter, editorOwner,
                                                               services.dialogs);
    pages_->setFreeTextEditors(freeTextEditors_.get());
}

ProgramGraphics::~ProgramGraphics() = default;

}  // namespace razudar
