#include "graphics/object_groups.h"

#include "graphics/control_state.h"
#include "graphics/group_properties.h"
#include "graphics/messages.h"
#include "graphics/mover_keys.h"
#include "graphics/object_lookup.h"

namespace razudar::gra {

using renderer::Renderer;

namespace {

// Copies one record of the source object to a new object made by `add`.
template <class Record>
bool cloneRecord(Renderer& m, const QString& from, const QString& to, bool (Renderer::*get)(const QString&, Record&),
                 bool (Renderer::*add)(const QString&), bool (Renderer::*set)(const QString&, const Record&)) {
    Record r;
    return (m.*get)(from, r) && (m.*add)(to) && (m.*set)(to, r);
}

bool fitsLong(const ControlState& s, const QString& function, qint64 value) {
    if (basic::fitsLong(value)) return true;
    s.report(function + QStringLiteral(": Overflow (%1)").arg(value));
    return false;
}

const char* const kPoleObjects[] = {"B_PolePos",  "B_PolePosizione", "B_PoleNumero", "B_PoleNome",
                                    "B_PoleMez",  "B_PoleMezzo",     "B_PoleTempo"};
// Row 0 takes its Y from the title line, field by field.
const char* const kTitleOfField[] = {"B_TitoPos", "B_TitoPosizione", "B_TitoNome", "B_TitoMez",
                                     "B_TitoMezzo", "B_CorrTempo",   "B_TitoNumero"};

}  // namespace

bool ObjectGroups::ClonaOggetto(const QString& page, const QString& object, const QString& copy, qint32 spostaX,
                                qint32 spostaY) {
    const QString f = QStringLiteral("ClonaOggetto");
    const int index = s_.findPage(f, page);
    if (index < 0) return false;
    Renderer* m = s_.pageRenderer(f, index);
    if (!m) return false;
    const int k = lookup_.CercaOggetto(f, page, object);
    if (k < 0) return false;
    const int type = lookup_.InfoOggetto(page, k, ogTipo).toInt();
    bool done = true;
    switch (type) {
    case ogTipoAnimazione:
        done = cloneRecord<renderer::AnimationRecord>(*m, object, copy, &Renderer::GetAnimationRecord,
                                                      &Renderer::AddAnimationObject, &Renderer::SetAnimationRecord);
        break;
    case ogTipoImmagine:
        done = cloneRecord<renderer::ImageRecord>(*m, object, copy, &Renderer::GetImageRecord,
                                                  &Renderer::AddImageObject, &Renderer::SetImageRecord);
        break;
    case ogTipoDVEavi:
        done = cloneRecord<renderer::ClipRecord>(*m, object, copy, &Renderer::GetClipRecord, &Renderer::AddClipObject,
                                                 &Renderer::SetClipRecord);
        break;
    case ogTipoTesto: {
        // The text style comes with the copy, so it looks like its source; then the
        // properties one by one, as the host would set them.
        done = cloneRecord<renderer::TextRecord>(*m, object, copy, &Renderer::GetTextRecord, &Renderer::AddTextObject,
                                                 &Renderer::SetTextRecord);
        if (!done) break;
        for (int code = ogProprietaTesto; code <= ogProprietaAlpha; ++code) {
            const QVariant v = p_.getGeneric(page, object, code);
            if (v.isValid()) p_.setGeneric(page, copy, code, v);
        }
        GroupProperties g(p_, page);
        const qint64 x = g.x(object) + spostaX;
        const qint64 y = g.y(object) + spostaY;
        if (!fitsLong(s_, f, x) || !fitsLong(s_, f, y)) return false;
        g.setX(copy, x);
        g.setY(copy, y);
        g.setText(copy, copy);
        break;
    }
    default:
        break;
    }
    return done || s_.failed(f, m->lastError());
}

// ---- Classification bar

qint64 ObjectGroups::designedY(int row, int c) const {
    const GroupState& g = s_.groups;
    if (row == 0) return g.tcYRiga[0][std::size_t(c)];
    return qint64(g.tcYRiga[1][std::size_t(c)]) + qint64(row - 1) * g.tcInterlinea;
}

bool ObjectGroups::tcInizializzaCla(const QString& page) {
    const QString f = QStringLiteral("tcInizializzaCla");
    GroupState& g = s_.groups;
    g.tcCampi = {QStringLiteral("Pos"),   QStringLiteral("Posizione"), QStringLiteral("Nome"),  QStringLiteral("Mez"),
                 QStringLiteral("Mezzo"), QStringLiteral("Tempo"),     QStringLiteral("Numero")};
    g.tcClaVisibile = true;
    g.tcPoleVisibile = true;
    GroupProperties p(p_, page);
    const qint64 titleVelo = p.x(QStringLiteral("B_TitoPosVelo1Velo"));
    const qint64 velo = p.x(QStringLiteral("B_Velo1Velo"));
    const qint64 reduced = titleVelo - (p.x(QStringLiteral("B_TitoPosDiff")) + p.w(QStringLiteral("B_TitoPosDiff"))) +
                           (p.x(QStringLiteral("B_TitoPos")) + p.w(QStringLiteral("B_TitoPos")));
    const qint64 veloReduced = velo - titleVelo + reduced;
    if (!fitsLong(s_, f, reduced) || !fitsLong(s_, f, veloReduced)) return false;
    g.tcXTitoloVelo = qint32(titleVelo);
    g.tcXVelo = qint32(velo);
    g.tcXTitoloVeloRidotta = qint32(reduced);
    g.tcXVeloRidotta = qint32(veloReduced);

    int rows = 0;
    while (rows < 32767 && lookup_.EsisteOggetto(page, QStringLiteral("Posizione%1").arg(rows + 1))) ++rows;
    s_.tcPosizioni = rows;

    for (int c = 0; c < 7; ++c) {
        p.setY(g.tcCampi[std::size_t(c)] + QLatin1Char('0'), p.y(QString::fromLatin1(kTitleOfField[c])));
    }
    for (std::size_t k = 0; k < 2; ++k) {
        for (std::size_t c = 0; c < 7; ++c) g.tcYRiga[k][c] = qint32(p.y(g.tcCampi[c] + QString::number(k)));
    }
    g.tcInterlinea = qint32(p.y(QStringLiteral("Posizione2")) - g.tcYRiga[1][1]);
    for (int c = 0; c < 7; ++c) p.setVisible(g.tcCampi[std::size_t(c)] + QLatin1Char('0'), false);
    return true;
}

void ObjectGroups::tcPosizionaVelocita(const QString& page) {
    const GroupState& g = s_.groups;
    GroupProperties p(p_, page);
    const bool empty = p.text(QStringLiteral("B_Differenza")).isEmpty();
    const QString title = QStringLiteral("B_TitoPosVelo1Velo");
    const QString velo = QStringLiteral("B_Velo1Velo");
    const qint64 titleX = empty ? g.tcXTitoloVeloRidotta : g.tcXTitoloVelo;
    const qint64 veloX = empty ? g.tcXVeloRidotta : g.tcXVelo;
    if (p.x(title) != titleX) p.setX(title, titleX);
    if (p.x(velo) != veloX) p.setX(velo, veloX);
}

bool ObjectGroups::tcPreparaCla(const QString& page) {
    const QString f = QStringLiteral("tcPreparaCla");
    const GroupState& g = s_.groups;
    const int index = s_.findPage(f, page);
    if (index < 0) return false;
    Renderer* m = s_.pageRenderer(f, index);
    if (!m) return false;
    GroupProperties p(p_, page);
    for (int i = 0; i <= s_.tcPosizioni; ++i) {
        for (int c = 0; c < 7; ++c) {
            const QString name = g.tcCampi[std::size_t(c)] + QString::number(i);
            const qint64 y = designedY(i, c);
            if (!fitsLong(s_, f, y)) return false;
            renderer::ObjectLayout l;
            if (!m->GetObjectLayout(name, l) || !m->SetObjectRect(name, l.x, qint32(y), l.w, l.h)) {
                s_.failed(f, m->lastError());
                continue;
            }
        }
        p.setText(QStringLiteral("Posizione%1").arg(i), i);
    }
    return true;
}

bool ObjectGroups::tcSpostaCla(const QString& page, int direzione, qint32 velocita, bool visibile, bool ripristina) {
    const QString f = QStringLiteral("tcSpostaCla");
    GroupState& g = s_.groups;
    if (!((direzione == -1 && g.tcClaVisibile) || (direzione == 1 && !g.tcClaVisibile))) return true;
    g.tcClaVisibile = direzione == 1;
    const auto target = moverPage(s_, f, page);
    if (!target) return false;
    GroupProperties p(p_, page);
    if (direzione == 1) {
        for (int c = 0; c < 7; ++c) p.setVisible(g.tcCampi[std::size_t(c)] + QLatin1Char('0'), false);
    }
    MoveBatch batch(s_, f, page, *target->model);
    const qint64 d = moveDistance(direzione);
    auto move = [&](const QString& name, std::optional<qint64> restY) {
        const auto l = batch.add(name);
        if (!l) return;
        if (!standardSlide(batch, name, *l, l->alpha, direzione, velocita, visibile)) return;
        if (visibile && ripristina) batch.key(name, {2, qint64(velocita) + 1, l->x + d, restY.value_or(l->y), l->alpha});
    };
    move(QStringLiteral("RetinoCla"), std::nullopt);
    for (int row = 0; row <= s_.tcPosizioni && batch.ok(); ++row) {
        for (int c = 0; c < 7 && batch.ok(); ++c) move(g.tcCampi[std::size_t(c)] + QString::number(row), designedY(row, c));
    }
    return batch.close(ripristina ? 2 : 1, visibile ? 1 : 0);
}

bool ObjectGroups::tcSpostaPole(const QString& page, int direzione, qint32 velocita, bool visibile, bool visTitolo) {
    const QString f = QStringLiteral("tcSpostaPole");
    GroupState& g = s_.groups;
    if (!((direzione == -1 && g.tcPoleVisibile) || (direzione == 1 && !g.tcPoleVisibile))) return true;
    g.tcPoleVisibile = direzione == 1;
    const auto target = moverPage(s_, f, page);
    if (!target) return false;
    MoveBatch batch(s_, f, page, *target->model);
    QStringList names;
    if (visTitolo) names << QStringLiteral("Titolo") << QStringLiteral("TitoloFondo");
    for (const char* n : kPoleObjects) names << QString::fromLatin1(n);
    for (const QString& name : names) {
        const auto l = batch.add(name);
        if (l && !standardSlide(batch, name, *l, l->alpha, direzione, velocita, visibile)) break;
    }
    const int v = visibile ? 1 : 0;
    return batch.close(v, v);
}

bool ObjectGroups::tcPosizionaConcorrente(const QString& page, qint32 velocita, bool visibile, int posAssoluta) {
    const QString f = QStringLiteral("tcPosizionaConcorrente");
    const GroupState& g = s_.groups;
    const int rows = s_.tcPosizioni;
    if (rows < 1) {
        s_.report(f + QStringLiteral(": nessuna riga in classifica (tcPosizioni=%1)").arg(rows));
        return false;
    }
    int p = posAssoluta % rows;
    if (p == 0) p = rows;
    GroupProperties props(p_, page);
    props.setText(QStringLiteral("Posizione0"), posAssoluta);
    props.setText(QStringLiteral("Numero0"), props.text(QStringLiteral("B_TitoNumero")));
    props.setText(QStringLiteral("Nome0"), props.text(QStringLiteral("B_TitoNome")));
    props.setText(QStringLiteral("Tempo0"), props.text(QStringLiteral("B_CorrTempo")));
    for (int r = p; r <= rows; ++r) {
        const QString name = QStringLiteral("Posizione%1").arg(r);
        if (!props.text(name).isEmpty()) props.setText(name, qint64(posAssoluta) + (r - p) + 1);
    }
    for (int c = 6; c >= 0; --c) props.setVisible(g.tcCampi[std::size_t(c)] + QString::number(rows), false);
    const auto target = moverPage(s_, f, page);
    if (!target) return false;
    for (int c = 6; c >= 0; --c) props.setVisible(g.tcCampi[std::size_t(c)] + QLatin1Char('0'), true);

    MoveBatch batch(s_, f, page, *target->model);
    // The competitor's line flies to row p, one pixel below its designed place ...
    for (int c = 0; c < 7 && batch.ok(); ++c) {
        const QString name = g.tcCampi[std::size_t(c)] + QLatin1Char('0');
        const auto l = batch.add(name);
        if (!l) continue;
        const auto to = batch.read(g.tcCampi[std::size_t(c)] + QString::number(p));
        if (!batch.key(name, {0, 0, l->x, l->y, 255}) || !to) continue;
        batch.key(name, {1, velocita, to->x, qint64(to->y) + 1, 255});
    }
    // ... while the rows from p down make room, one line lower.
    for (int r = p; r <= rows - 1 && batch.ok(); ++r) {
        for (int c = 0; c < 7 && batch.ok(); ++c) {
            const QString name = g.tcCampi[std::size_t(c)] + QString::number(r);
            const auto l = batch.add(name);
            if (!l) continue;
            batch.key(name, {0, 0, l->x, l->y, 255}) &&
                batch.key(name, {1, velocita, l->x, qint64(l->y) + g.tcInterlinea + 1, 255});
        }
    }
    return batch.close(visibile ? 1 : 0, 1);
}

// ---- Starting grid

void ObjectGroups::grInizializza(const QString& page) {
    GroupState& g = s_.groups;
    g.grDX = 576;
    g.grDY = 426;
    g.grCampi = {QStringLiteral("Pos"),       QStringLiteral("Posizione"), QStringLiteral("Numero"),
                 QStringLiteral("NoCognome"), QStringLiteral("Mez"),       QStringLiteral("Mezzo2"),
                 QStringLiteral("Tempo"),     QStringLiteral("Naz")};
    g.grInvertite = true;
    int rows = 0;
    while (rows < 32767 && lookup_.EsisteOggetto(page, QStringLiteral("B%1_Pos").arg(rows + 1))) ++rows;
    g.grFile = qint16(rows);
    GroupProperties p(p_, page);
    p.setX(QStringLiteral("BFila11"), p.x(QStringLiteral("BFila1")) - g.grDX);
    p.setY(QStringLiteral("BFila11"), p.y(QStringLiteral("BFila1")) - g.grDY);
    for (int j = 1; j <= g.grFile; ++j) {
        for (const QString& field : g.grCampi) {
            const QString from = QStringLiteral("B%1_").arg(j) + field;
            const QString to = QStringLiteral("B%1_").arg(j + 10) + field;
            p.setX(to, p.x(from) - g.grDX);
            p.setY(to, p.y(from) - g.grDY);
        }
    }
}

bool ObjectGroups::grFileInvertite() const { return s_.groups.grInvertite; }

void ObjectGroups::grVisibile(const QString& page, bool filePari, bool visibile) {
    const GroupState& g = s_.groups;
    const int k = filePari ? 10 : 0;
    GroupProperties p(p_, page);
    p.setVisible(QStringLiteral("BFila%1").arg(1 + k), visibile);
    for (int j = 1; j <= g.grFile; ++j) {
        for (const QString& field : g.grCampi) p.setVisible(QStringLiteral("B%1_").arg(j + k) + field, visibile);
    }
}

bool ObjectGroups::grSposta(const QString& page, int direzione, qint32 velocita, bool visibile) {
    const QString f = QStringLiteral("grSposta");
    GroupState& g = s_.groups;
    const auto target = moverPage(s_, f, page);
    if (!target) return false;
    // Moving in moves both sets; moving out only the set on air.
    const bool designed = !(!visibile && g.grInvertite);
    const bool inverted = !(!visibile && !g.grInvertite);
    MoveBatch batch(s_, f, page, *target->model);
    const qint64 dx = qint64(direzione) * g.grDX;
    const qint64 dy = qint64(direzione) * g.grDY;
    auto move = [&](const QString& name) {
        const auto l = batch.add(name);
        if (!l) return;
        if (visibile) {
            batch.key(name, {0, 0, l->x, l->y, l->alpha}) &&
                batch.key(name, {1, moveTime(velocita), l->x + dx, l->y + dy, l->alpha});
        } else {
            batch.key(name, {0, 0, l->x + dx, l->y + dy, l->alpha}) &&
                batch.key(name, {1, 1, l->x + dx, l->y + dy, l->alpha});
        }
    };
    if (designed) move(QStringLiteral("BFila1"));
    if (inverted) move(QStringLiteral("BFila11"));
    for (int j = 1; j <= g.grFile && batch.ok(); ++j) {
        for (const QString& field : g.grCampi) {
            if (designed) move(QStringLiteral("B%1_").arg(j) + field);
            if (inverted) move(QStringLiteral("B%1_").arg(j + 10) + field);
        }
    }
    const bool closed = batch.close(1, 1);
    if (!visibile) g.grInvertite = !g.grInvertite;
    return closed;
}

}  // namespace razudar::gra
