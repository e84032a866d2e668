#include "app/pages/list_paging.h"

#include "app/pages/element_groups.h"
#include "app/pages/on_air.h"
#include "app/pages/page_load_failure.h"
#include "app/pages/page_writer.h"

namespace razudar {

namespace {

// The pause after the rows are hidden on a new page and after each row's texts are written.
constexpr int kAttesaScritturaMs = 100;

// A screen of positions primo .. primo + righe - 1 has a row to write: a screen of empty bars
// never goes on air.
bool schermoConRighe(const PageContext& ctx, const ElencoPagina& e, int primo) {
    for (int p = primo; p < primo + e.righe && RigaDisponibile(ctx, p, e.tipo, e.categoria); ++p) {
        if (!e.rigaPiena || e.rigaPiena(p)) return true;
    }
    return false;
}

}  // namespace

void ScriviImmaginiGara(PageContext& ctx, const QString& pagina) {
    const clsGara& gara = ctx.krono().cGara;
    const GraphicsResources& r = ctx.state.resources;
    ImmagineSpecialita(ctx, pagina);
    ImmaginePercorso(
        ctx, pagina, QStringLiteral("imgFederazione"),
        r.CartellaLoghi + QStringLiteral("FIS") + (gara.TipoFederazione() == 2 ? QStringLiteral("I") : QString()) +
            QStringLiteral(".tga"));
}

void PaginaElenco(PageContext& ctx, PageOnAir& onAir, qint16 schermo, const ElencoPagina& e) {
    const int R = e.righe;
    if (schermo > ctx.state.PaginaElencoCorrente) {
        if (!schermoConRighe(ctx, e, (schermo - 1) * R + 1)) {
            onAir.PulisciGrafica();
            return;
        }
        ctx.state.PaginaElencoCorrente = schermo;
    }
    const int base = (ctx.state.PaginaElencoCorrente - 1) * R;
    const int effettoOut = onAir.EffettoRigheOut();
    const int direzioneOut = onAir.DirezioneRigheOut();
    const int velocitaOut = onAir.TempoRigheOut();
    if (schermo != 1) {
        const int attesa = onAir.AttesaRigheOut();
        for (int r = 1; r <= R; ++r) {
            SpostaRighe(ctx, e.pagina, effettoOut, direzioneOut, velocitaOut, r, r, true, e.campi);
            ctx.waitMs(attesa);
        }
    } else {
        // A page that cannot be loaded leaves the air cleared; the operator is told why.
        if (!onAir.CaricaPaginaInOnda(e.pagina, 0, false)) {
            AvvisaPaginaNonCaricata(ctx, e.pagina);
            return;
        }
        e.scriviTitoli();
        SpostaRighe(ctx, e.pagina, effettoOut, direzioneOut, velocitaOut, 1, R, false, e.campi);
        ctx.waitMs(kAttesaScritturaMs);
        onAir.AvviaPaginaInOnda(e.pagina, QString());
    }
    const int effettoIn = onAir.EffettoRigheIn();
    const int direzioneIn = onAir.DirezioneRigheIn();
    const int velocitaIn = onAir.TempoRigheIn();
    const int attesaIn = onAir.AttesaRigheIn();
    for (int r = 1; r <= R; ++r) {
        e.scriviRiga(r, base + r);
        ctx.waitMs(kAttesaScritturaMs);
        SpostaRighe(ctx, e.pagina, effettoIn, direzioneIn, velocitaIn, r, r, true, e.campi);
        ctx.waitMs(attesaIn);
    }
}

}  // namespace razudar
