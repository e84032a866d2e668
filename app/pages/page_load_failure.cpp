#include "app/pages/page_load_failure.h"

#include "app/pages/page_context.h"
#include "app/program_state.h"

namespace razudar {

namespace {

QString testoErrore(const QString& pagina) {
    return QStringLiteral("Errore durante il caricamento della pagina: ") + pagina;
}

// The control's reason of the failed load, taken once.
QString prendiMotivo(PageContext& ctx) {
    const QString reason = ctx.ultimoMessaggioGrafica.isEmpty() ? QStringLiteral("nessun motivo dal controllo grafico")
                                                                : ctx.ultimoMessaggioGrafica;
    ctx.ultimoMessaggioGrafica.clear();
    return reason;
}

}  // namespace

void SegnalaErroreCaricamentoPagina(PageContext& ctx, const QString& pagina) {
    const QString text = testoErrore(pagina);
    ctx.state.log.line(text + QStringLiteral(" (") + prendiMotivo(ctx) + u')');
    ctx.services.prompter->show(text, PromptButtons::Ok, PromptIcon::Critical, QStringLiteral("CaricaPagina"));
}

void AvvisaPaginaNonCaricata(PageContext& ctx, const QString& pagina) {
    const QString text = testoErrore(pagina) + QStringLiteral(" (") + prendiMotivo(ctx) + u')';
    ctx.state.log.line(text);
    ctx.host.setStatusPanel(QString::fromUtf16(kPannelloAvvisi), text);
}

}  // namespace razudar
