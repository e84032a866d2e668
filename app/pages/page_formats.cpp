#include "app/pages/page_formats.h"

#include "app/controls/grafica_proxy.h"
#include "app/pages/on_air.h"
#include "model/bas_utilita.h"
#include "model/basic.h"
#include "model/race_codes.h"

namespace razudar {

namespace {

using Gra = controls::GraficaProxy;

QString nomeUsato(const QString& nome, bool soloIniziale) {
    if (!soloIniziale) return nome;
    // The first character, and a point when the name is more than blanks.
    return nome.left(1) + (nome.trimmed().isEmpty() ? QString() : QStringLiteral("."));
}

QString perOpzione(qint16 opzione, const QString& testo) {
    switch (opzione) {
    case 0: return basic::UCase(testo);
    case 1: return NomeProprio(testo);
    case 2: return testo;
    default: return QString();
    }
}

}  // namespace

QString FormattaNominativo(const ProgramState& state, const QString& cognome, const QString& nome,
                           bool soloIniziale) {
    const QString usato = nomeUsato(nome, soloIniziale);
    switch (state.OpzioneNominativi) {
    case 0: return basic::UCase(cognome + QLatin1Char(' ') + usato);
    case 1: return NomeProprio(cognome) + QLatin1Char(' ') + NomeProprio(usato);
    case 2: return cognome + QLatin1Char(' ') + usato;
    default: return QString();
    }
}

QString FormattaCognome(const ProgramState& state, const QString& cognome) {
    return perOpzione(state.OpzioneNominativi, cognome);
}

QString FormattaNome(const ProgramState& state, const QString& nome, bool soloIniziale) {
    return perOpzione(state.OpzioneNominativi, nomeUsato(nome, soloIniziale));
}

void ImpostaNazionalita(const PageContext& ctx, const QString& pagina, const QString& base, const QString& codice) {
    Gra& gra = ctx.gra;
    const QString txt = QStringLiteral("txt") + base;
    const QString img = QStringLiteral("img") + base;
    const QString mini = QStringLiteral("imgMini") + base;
    const auto immagini = [&] {
        const QString prefisso =
            TipiGraficaPagine(QStringLiteral("gp_PrefissoBandiere"), *ctx.services.prompter).toString();
        const bool presente = !codice.isEmpty();
        const GraphicsResources& r = ctx.state.resources;
        gra.setProprietaImmagine(pagina, img, ogImmagineProprietaVisibile, presente);
        gra.setProprietaImmagine(pagina, img, ogImmagineProprietaPercorso,
                                 r.CartellaNazionalita + prefisso + codice + QStringLiteral(".tga"));
        gra.setProprietaImmagine(pagina, mini, ogImmagineProprietaVisibile, presente);
        gra.setProprietaImmagine(pagina, mini, ogImmagineProprietaPercorso,
                                 r.CartellaMiniature + prefisso + codice + QStringLiteral(".tga"));
    };
    switch (ctx.state.OpzioneNazionalita) {
    case 0:
        gra.setProprietaImmagine(pagina, img, ogImmagineProprietaVisibile, false);
        gra.setProprietaTesto(pagina, txt, Gra::ogTestoProprietaVisibile, true);
        gra.setProprietaTesto(pagina, txt, Gra::ogTestoProprietaTesto, basic::UCase(codice));
        break;
    case 1:
        gra.setProprietaTesto(pagina, txt, Gra::ogTestoProprietaVisibile, false);
        immagini();
        break;
    case 2:
        gra.setProprietaImmagine(pagina, img, ogImmagineProprietaVisibile, false);
        gra.setProprietaTesto(pagina, txt, Gra::ogTestoProprietaVisibile, false);
        break;
    case 3:
        gra.setProprietaTesto(pagina, txt, Gra::ogTestoProprietaVisibile, true);
        gra.setProprietaTesto(pagina, txt, Gra::ogTestoProprietaTesto, basic::UCase(codice));
        immagini();
        break;
    default:
        break;
    }
}

QString FormatoTempoRisoluzione(const clsKrono& krono) {
    switch (krono.cGara.Risoluzione()) {
    case 1: return QStringLiteral("nz hh:mm:ss");
    case 2: return QStringLiteral("nz hh:mm:ss:d");
    case 3: return QStringLiteral("nz hh:mm:ss:dc");
    case 4: return QStringLiteral("nz hh:mm:ss:dcm");
    default: return QString();
    }
}

bool TurnoParallelo(const PageContext& ctx) {
    const clsKrono& k = ctx.krono();
    if (!k.cGara.Parallelo()) return false;
    const QString turno = basic::UCase(k.TurnoCorrente());
    const auto codice = [&](qint32 id) { return ctx.codiceTipoTurno ? basic::UCase(ctx.codiceTipoTurno(id)) : QString(); };
    return turno != codice(kTipoTurnoQualificazione) && turno != codice(kTipoTurnoSingolaManche);
}

}  // namespace razudar
