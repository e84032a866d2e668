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
    const QString motivo = prendiMotivo(ctx);
    ctx.state.log.line(testoErrore(pagina) + QStringLiteral(" (") + motivo + u')');
    // The status bar has room for a few words: the reason comes first, without the control's
    // member name and with the file named without its folder (the log keeps it whole).
    QString breve = motivo;
    if (breve.startsWith(QLatin1String("CaricaPagina: "))) breve.remove(0, int(qstrlen("CaricaPagina: ")));
    if (!ctx.state.resources.CartellaGrafica.isEmpty()) breve.replace(ctx.state.resources.CartellaGrafica, QString());
    ctx.host.showNotice(QStringLiteral("Pagina ") + pagina + QStringLiteral(" non caricata: ") + breve,
                        NoticeSource::PageNotLoaded);
    ctx.unloadedPageTold = pagina;
}

void pageLoaded(PageContext& ctx, const QString& pagina) {
    // Page names are the control's: case and surrounding blanks do not count. Another page loaded
    // leaves the notice: the page told still cannot be loaded.
    const QString told = ctx.unloadedPageTold.trimmed();
    if (told.isEmpty() || told.compare(pagina.trimmed(), Qt::CaseInsensitive) != 0) return;
    ctx.unloadedPageTold.clear();
    ctx.host.withdrawNotice(NoticeSource::PageNotLoaded);
}

}  // namespace razudar
