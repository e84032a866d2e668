#include "graphics/row_movers.h"

#include "graphics/control_state.h"
#include "graphics/messages.h"
#include "graphics/mover_keys.h"
#include "graphics/object_properties.h"
#include "platform/services/waiter.h"

namespace razudar::gra {

namespace {

const QStringList kRowSuffixes = {
    QStringLiteral("_Pos"),     QStringLiteral("_Numero"), QStringLiteral("_Posizione"), QStringLiteral("_Cognome"),
    QStringLiteral("_NoCognome"), QStringLiteral("_Naz"),  QStringLiteral("_Mez"),       QStringLiteral("_Mezzo"),
    QStringLiteral("_Mezzo2"),  QStringLiteral("_Tempo"),  QStringLiteral("_Punti"),     QStringLiteral("_Gran_Premi_Vinti"),
};

// Keys of one SpostaRiga object; the last key index it uses.
qint64 rowKeys(MoveBatch& b, const QString& name, const renderer::ObjectLayout& l, int effetto, int direzione,
               qint64 velocita, bool visibile, bool singleRow) {
    const qint64 a = l.alpha;
    const qint64 t = moveTime(velocita);
    const qint64 d = moveDistance(direzione);
    switch (effetto) {
    case 0:
        standardSlide(b, name, l, a, direzione, velocita, visibile);
        return 1;
    case 1:
    case 2:
    case 3:
    case 4:
        if (visibile) wipeKeys(b, name, l, a, effetto, direzione, velocita);
        else b.key(name, {0, 0, l.x, l.y, a});
        return 1;
    case 5: {
        const qint64 t5 = (!visibile || velocita == 0) ? 1 : velocita;
        if (direzione == 1) {
            b.key(name, {0, 0, l.x, l.y, 0}) && b.key(name, {1, t, l.x, l.y, a});
            return 1;
        }
        // One row fades out from its alpha; several rows going out vanish at once.
        const qint64 from = (singleRow || direzione != -1) ? a : 0;
        b.key(name, {0, 0, l.x, l.y, from}) && b.key(name, {1, t5, l.x, l.y, 0}) &&
            b.key(name, {2, t5 + 1, l.x, l.y, 0});
        return 2;
    }
    case 6:
        if (visibile) b.key(name, {0, 0, l.x, l.y, 0}) && b.key(name, {1, t, l.x, l.y, 255});
        else b.key(name, {0, 0, l.x + d, l.y, a}) && b.key(name, {1, 1, l.x + d, l.y, a});
        return 1;
    default:
        return 1;  // listed, no key
    }
}

}  // namespace

bool rowRangeOk(const ControlState& s, const QString& function, int rigaInizio, int rigaFine) {
    if (rigaInizio > rigaFine) return true;
    if (rigaInizio >= -32768 && rigaFine <= 32767) return true;
    s.report(function + QStringLiteral(": Overflow (righe %1 .. %2)").arg(rigaInizio).arg(rigaFine));
    return false;
}

bool RowMovers::SpostaRiga(int effetto, const QString& page, int direzione, qint32 velocita, int rigaInizio,
                           int rigaFine, bool visibile, const QString& prefisso, const QStringList& campi,
                           bool progressivoInCoda) {
    const QString f = QStringLiteral("SpostaRiga");
    const auto target = moverPage(s_, f, page);
    if (!target || !rowRangeOk(s_, f, rigaInizio, rigaFine)) return false;
    MoveBatch batch(s_, f, page, *target->model);
    qint64 lastKey = 0;
    for (qint64 r = rigaInizio; r <= rigaFine && batch.ok(); ++r) {
        const QString row = QString::number(r);
        QStringList names;
        // A single field name (or none) means the twelve fields of a standard row.
        if (campi.size() - 1 <= 0) {
            for (const QString& suffix : kRowSuffixes) names << QStringLiteral("B") + row + suffix;
        } else {
            for (const QString& field : campi) names << (progressivoInCoda ? field + row : prefisso + row + field);
        }
        for (const QString& name : names) {
            const auto layout = batch.add(name);
            if (!layout) continue;
            lastKey = rowKeys(batch, name, *layout, effetto, direzione, velocita, visibile, rigaInizio == rigaFine);
            if (!batch.ok()) break;
        }
    }
    return batch.close(lastKey, 1);
}

bool RowMovers::SpostaTitolo(int effetto, const QString& page, int direzione, qint32 velocita, bool visibile) {
    const QString f = QStringLiteral("SpostaTitolo");
    const auto target = moverPage(s_, f, page);
    if (!target) return false;
    MoveBatch batch(s_, f, page, *target->model);
    for (const char* name : {"Titolo", "TitoloFondo", "TitoloScacchi"}) {
        const QString n = QString::fromLatin1(name);
        const auto l = batch.add(n);
        if (!l) continue;
        if (effetto <= 0) {
            standardSlide(batch, n, *l, 255, direzione, velocita, visibile);
        } else if (!visibile) {
            batch.key(n, {0, 0, l->x, l->y, 255});
        } else if (effetto <= 4) {
            wipeKeys(batch, n, *l, 255, effetto, direzione, velocita);
        }
        if (!batch.ok()) break;
    }
    return batch.close(1, 1);
}

bool RowMovers::slideRows(const QString& function, const QString& page, const QStringList& prefixes, bool ownAlpha,
                          int direzione, qint32 velocita, int rigaInizio, int rigaFine, bool visibile) {
    const auto target = moverPage(s_, function, page);
    if (!target || !rowRangeOk(s_, function, rigaInizio, rigaFine)) return false;
    MoveBatch batch(s_, function, page, *target->model);
    for (qint64 r = rigaInizio; r <= rigaFine && batch.ok(); ++r) {
        for (const QString& prefix : prefixes) {
            const QString name = prefix + QString::number(r);
            const auto l = batch.add(name);
            if (l && !standardSlide(batch, name, *l, ownAlpha ? l->alpha : 255, direzione, velocita, visibile)) break;
        }
    }
    return batch.close(1, 1);
}

bool RowMovers::SpostaDistacco3(const QString& page, int direzione, qint32 velocita, int rigaInizio, int rigaFine,
                                bool visibile) {
    return slideRows(QStringLiteral("SpostaDistacco3"), page,
                     {QStringLiteral("Lap"), QStringLiteral("Riquadro"), QStringLiteral("Distacco")}, false, direzione,
                     velocita, rigaInizio, rigaFine, visibile);
}

bool RowMovers::SpostaUltimiGiri(const QString& page, int direzione, qint32 velocita, int rigaInizio, int rigaFine,
                                 bool visibile) {
    return slideRows(QStringLiteral("SpostaUltimiGiri"), page,
                     {QStringLiteral("Giro"), QStringLiteral("Riquadro"), QStringLiteral("Tempo")}, false, direzione,
                     velocita, rigaInizio, rigaFine, visibile);
}

bool RowMovers::SpostaDistacco1(const QString& page, int direzione, qint32 velocita, int rigaInizio, int rigaFine,
                                bool visibile) {
    return slideRows(QStringLiteral("SpostaDistacco1"), page, {QStringLiteral("Riquadro"), QStringLiteral("Distacco")},
                     true, direzione, velocita, rigaInizio, rigaFine, visibile);
}

namespace {
qint32 longOr0(const QVariant& v) { return v.isValid() ? qint32(v.toLongLong()) : 0; }
const QString kText = QStringLiteral("ProprietaTesto");
const QString kImage = QStringLiteral("ProprietaImmagine");
}  // namespace

void RowMovers::diInizializzaDistacco1(const QString& page) {
    GroupState& g = s_.groups;
    g.diPrimaRiga = true;
    const qint64 y1 = longOr0(p_.getGeneric(page, QStringLiteral("Distacco1"), ogProprietaY));
    const qint64 y2 = longOr0(p_.getGeneric(page, QStringLiteral("Distacco2"), ogProprietaY));
    const qint64 spacing = y2 - y1;
    if (spacing < -32768 || spacing > 32767) {
        s_.report(QStringLiteral("diInizializzaDistacco1: Overflow (interlinea %1)").arg(spacing));
        g.diInterlinea = 0;
    } else {
        g.diInterlinea = qint16(spacing);
    }
    p_.set(kImage, page, ogTipoImmagine, QStringLiteral("Riquadro2"), ogProprietaVisibile, false);
    p_.set(kText, page, ogTipoTesto, QStringLiteral("Distacco2"), ogProprietaVisibile, false);
    g.diColore1 = longOr0(p_.get(kText, page, ogTipoTesto, QStringLiteral("Distacco1"), ogProprietaColore));
    g.diColore2 = longOr0(p_.get(kText, page, ogTipoTesto, QStringLiteral("Distacco2"), ogProprietaColore));
    g.diAlpha1 = longOr0(p_.get(kImage, page, ogTipoImmagine, QStringLiteral("Riquadro1"), ogProprietaAlpha));
    g.diAlpha2 = longOr0(p_.get(kImage, page, ogTipoImmagine, QStringLiteral("Riquadro2"), ogProprietaAlpha));
}

bool RowMovers::gapMove(const QString& page, int line, qint64 dy) {
    const QString f = QStringLiteral("diNuovoDistacco1");
    const auto target = moverPage(s_, f, page);
    if (!target) return false;
    MoveBatch batch(s_, f, page, *target->model);
    for (const QString& prefix : {QStringLiteral("Riquadro"), QStringLiteral("Distacco")}) {
        const QString name = prefix + QString::number(line);
        const auto l = batch.add(name);
        if (l && !(batch.key(name, {0, 0, l->x, l->y, l->alpha}) && batch.key(name, {1, 20, l->x, l->y + dy, l->alpha})))
            break;
    }
    return batch.close(1, 1);
}

bool RowMovers::diNuovoDistacco1(const QString& page, const QString& distacco) {
    const QString f = QStringLiteral("diNuovoDistacco1");
    if (!moverPage(s_, f, page)) return false;
    GroupState& g = s_.groups;
    const int a = g.diPrimaRiga ? 1 : 2;
    const int b = g.diPrimaRiga ? 2 : 1;
    const QString textA = QStringLiteral("Distacco%1").arg(a), boxA = QStringLiteral("Riquadro%1").arg(a);
    const QString textB = QStringLiteral("Distacco%1").arg(b), boxB = QStringLiteral("Riquadro%1").arg(b);
    p_.set(kText, page, ogTipoTesto, textB, ogProprietaVisibile, false);
    p_.set(kImage, page, ogTipoImmagine, boxB, ogProprietaVisibile, false);
    p_.set(kText, page, ogTipoTesto, textB, ogProprietaTesto, distacco);
    if (s_.environment.waiter) s_.environment.waiter->sleepMs(200);
    p_.set(kText, page, ogTipoTesto, textA, ogProprietaColore, g.diColore2);
    p_.set(kImage, page, ogTipoImmagine, boxA, ogProprietaAlpha, g.diAlpha2);
    const bool down = gapMove(page, a, g.diInterlinea);
    if (s_.environment.waiter) s_.environment.waiter->sleepMs(200);
    p_.set(kText, page, ogTipoTesto, textB, ogProprietaColore, g.diColore1);
    p_.set(kImage, page, ogTipoImmagine, boxB, ogProprietaAlpha, g.diAlpha1);
    const bool up = gapMove(page, b, -qint64(g.diInterlinea));
    p_.set(kText, page, ogTipoTesto, textB, ogProprietaVisibile, true);
    p_.set(kImage, page, ogTipoImmagine, boxB, ogProprietaVisibile, true);
    g.diPrimaRiga = !g.diPrimaRiga;
    return down && up;
}

}  // namespace razudar::gra
