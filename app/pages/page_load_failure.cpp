#include "app/pages/page_load_failure.h"

#include "app/pages/page_context.h"
#include "app/program_state.h"

namespace razudar {

void SegnalaErroreCaricamentoPagina(PageContext& ctx, const QString& pagina) {
    const QString text = QStringLiteral("Errore durante il caricamento della pagina: ") + pagina;
    const QString reason = ctx.ultimoMessaggioGrafica.isEmpty() ? QStringLiteral("nessun motivo dal controllo grafico")
                                                                : ctx.ultimoMessaggioGrafica;
    ctx.state.log.line(text + QStringLiteral(" (") + reason + u')');
    ctx.ultimoMessaggioGrafica.clear();
    ctx.services.prompter->show(text, PromptButtons::Ok, PromptIcon::Critical, QStringLiteral("CaricaPagina"));
}

}  // namespace razudar
