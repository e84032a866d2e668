#include "app/pages/competitor_card.h"

#include "app/pages/page_formats.h"
#include "app/pages/page_writer.h"
#include "model/competitor_states.h"
#include "model/race_times.h"

namespace razudar {

namespace {

QList<qint16> classificaParallelo(PageContext& ctx, const QString& categoria) {
    return ctx.classificaTempiSommati ? ctx.classificaTempiSommati(categoria) : QList<qint16>();
}

// Name, nation (as the display option asks) and club of the card.
void anagrafica(PageContext& ctx, const QString& p, qint16 concorrente) {
    const auto c = ctx.krono().ConcorrenteItem(concorrente);
    ScriviTesto(ctx, p, QStringLiteral("txtNominativo"), FormattaNominativo(ctx.state, c->Cognome(), c->Nome(), false));
    ImmagineVisibile(ctx, p, QStringLiteral("imgNazionalita"), false);
    TestoVisibile(ctx, p, QStringLiteral("txtNazionalita"), false);
    ImpostaNazionalita(ctx, p, QStringLiteral("Nazionalita"), c->Nazionalita());
    ScriviTesto(ctx, p, QStringLiteral("txtSocieta"), c->SocietaDescrizione());
}

}  // namespace

void PaginaScheda(PageContext& ctx, const QString& p, qint16 concorrente, const QString& categoria) {
    const clsKrono& k = ctx.krono();
    const qint16 m = k.MancheSfidaCorrente();
    const int posizione = k.PosizioneInClassifica(0, concorrente, categoria);
    const qint32 stato = k.StatoConcorrenteDopoManche(m, concorrente);
    ImmagineSpecialita(ctx, p);
    ScriviTesto(ctx, p, QStringLiteral("txtPosizione"),
                stato == kStatoArrivato ? QString::number(posizione) : QString());
    anagrafica(ctx, p, concorrente);
    const qint32 t = k.TempoTotaleConcorrente(m, concorrente);
    if (t < 1) {
        TestoVisibile(ctx, p, QStringLiteral("txtTesto"), false);
        return;
    }
    TestoVisibile(ctx, p, QStringLiteral("txtTesto"), true);
    ScriviTesto(ctx, p, QStringLiteral("txtTesto"),
                ConvertiRisoluzione(true, FormattaTempo(t, 12, false, false), k.cGara.Risoluzione()));
}

void PaginaSchedaArrivo(PageContext& ctx, const QString& p, qint16 posizione, const QString& categoria) {
    const clsKrono& k = ctx.krono();
    const bool parallelo = k.MancheParallelo();
    qint16 c = 0;
    if (parallelo) {
        const QList<qint16> elenco = classificaParallelo(ctx, categoria);
        if (elenco.size() >= posizione && posizione >= 1) c = elenco[posizione - 1];
    } else {
        c = qint16(k.ConcorrenteInPosizione(0, posizione, categoria));
    }
    if (c <= 0) return;
    ImmagineSpecialita(ctx, p);
    const qint32 stato = k.StatoConcorrenteDopoManche(k.MancheSfidaCorrente(), c);
    ScriviTesto(ctx, p, QStringLiteral("txtPosizione"),
                stato == kStatoArrivato || parallelo ? QString::number(posizione) : QString());
    anagrafica(ctx, p, c);
    TestoVisibile(ctx, p, QStringLiteral("txtTesto"), true);
    static const char* const kParole[] = {"WINNER", "SECOND", "THIRD"};
    ScriviTesto(ctx, p, QStringLiteral("txtTesto"),
                posizione >= 1 && posizione <= 3 ? QString::fromLatin1(kParole[posizione - 1]) : QString());
}

void PaginaPodio(PageContext& ctx, const QString& p, const QString& categoria) {
    const clsKrono& k = ctx.krono();
    for (int i = 1; i <= 3; ++i) {
        for (const char* o : {"txtCognome", "txtNome", "txtNazionalita"})
            TestoVisibile(ctx, p, QLatin1String(o) + QString::number(i), false);
    }
    const bool parallelo = k.MancheParallelo();
    QList<qint16> elenco;
    if (parallelo) {
        elenco = classificaParallelo(ctx, categoria);
    } else {
        for (int i = 1; i <= 3; ++i) elenco << qint16(k.ConcorrenteInPosizione(0, i, categoria));
    }
    const int n = std::min<int>(int(elenco.size()), 3);
    for (int i = 1; i <= n; ++i) {
        const qint16 c = elenco[i - 1];
        if (c <= 0) continue;
        if (!parallelo && k.StatoConcorrenteDopoManche(k.MancheSfidaCorrente(), c) != kStatoArrivato) continue;
        const auto item = k.ConcorrenteItem(c);
        const QString n1 = QString::number(i);
        ScriviTesto(ctx, p, QStringLiteral("txtCognome") + n1, FormattaCognome(ctx.state, item->Cognome()));
        ScriviTesto(ctx, p, QStringLiteral("txtNome") + n1, FormattaNome(ctx.state, item->Nome(), false));
        TestoVisibile(ctx, p, QStringLiteral("txtCognome") + n1, true);
        TestoVisibile(ctx, p, QStringLiteral("txtNome") + n1, true);
        ImpostaNazionalita(ctx, p, QStringLiteral("Nazionalita") + n1, item->Nazionalita());
    }
}

}  // namespace razudar
