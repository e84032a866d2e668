#include "graphics/info_groups.h"

#include "graphics/control_state.h"
#include "graphics/group_properties.h"
#include "graphics/mover_keys.h"
#include "graphics/row_movers.h"

namespace razudar::gra {

namespace {
constexpr int kRoundLines = 15;

bool fits(const ControlState& s, const QString& function, qint64 value) {
    if (basic::fitsLong(value)) return true;
    s.report(function + QStringLiteral(": Overflow (%1)").arg(value));
    return false;
}
}  // namespace

QString InfoGroups::linePrefix(int line) {
    // Zero-padded to two digits, the last two kept, then "_".
    return QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0')).right(2) + QLatin1Char('_');
}

void InfoGroups::piInizializzaPista(const QString& page) {
    GroupState& g = s_.groups;
    g.piCampi = {QStringLiteral("txtLapRecord"), QStringLiteral("LapRecord"), QStringLiteral("txtCircuitLength"),
                 QStringLiteral("CircuitLength"), QStringLiteral("txtWinners"), QStringLiteral("Winners")};
    g.piVisibile = true;
    GroupProperties p(p_, page);
    for (const QString& name : g.piCampi) p.setVisible(name, true);
}

void InfoGroups::meInizializzaMeteo(const QString& page) {
    GroupState& g = s_.groups;
    g.meCampi = {QStringLiteral("aniWeather"), QStringLiteral("aniTrack"), QStringLiteral("Track"),
                 QStringLiteral("aniAir"), QStringLiteral("Air")};
    g.meVisibile = true;
    GroupProperties p(p_, page);
    for (const QString& name : g.meCampi) p.setVisible(name, true);
}

template <std::size_t N>
bool InfoGroups::moveCard(const QString& function, const QString& page, const std::array<QString, N>& names,
                          bool& shown, int direzione, qint32 velocita, bool visibile, bool ripristina) {
    if (!((direzione == -1 && shown) || (direzione == 1 && !shown))) return true;
    shown = direzione == 1;
    const auto target = moverPage(s_, function, page);
    if (!target) return false;
    MoveBatch batch(s_, function, page, *target->model);
    GroupProperties p(p_, page);
    const qint64 d = moveDistance(direzione);
    for (const QString& name : names) {
        const auto l = batch.add(name);
        if (!l) continue;
        if (visibile) {
            if (!(batch.key(name, {0, 0, l->x, l->y, 255}) &&
                  batch.key(name, {1, moveTime(velocita), l->x + d, l->y, 255})))
                break;
        } else {
            if (!fits(s_, function, l->x + d)) return false;
            p.setX(name, l->x + d);
        }
    }
    if (!visibile) return true;
    return batch.close(ripristina ? 2 : 1, 1);
}

bool InfoGroups::piSpostaPista(const QString& page, int direzione, qint32 velocita, bool visibile, bool ripristina) {
    GroupState& g = s_.groups;
    return moveCard(QStringLiteral("piSpostaPista"), page, g.piCampi, g.piVisibile, direzione, velocita, visibile,
                    ripristina);
}

bool InfoGroups::meSpostaMeteo(const QString& page, int direzione, qint32 velocita, bool visibile, bool ripristina) {
    GroupState& g = s_.groups;
    return moveCard(QStringLiteral("meSpostaMeteo"), page, g.meCampi, g.meVisibile, direzione, velocita, visibile,
                    ripristina);
}

namespace {
// Effect 6 of the championship and speed rows: slide while fading in, or placed at once.
void slideFadeKeys(MoveBatch& b, const QString& name, const renderer::ObjectLayout& l, int direzione,
                   qint64 velocita, bool visibile) {
    const qint64 d = moveDistance(direzione);
    if (visibile) b.key(name, {0, 0, l.x, l.y, 0}) && b.key(name, {1, moveTime(velocita), l.x + d, l.y, l.alpha});
    else b.key(name, {0, 0, l.x + d, l.y, l.alpha}) && b.key(name, {1, 1, l.x + d, l.y, l.alpha});
}
}  // namespace

bool InfoGroups::caSpostaRiga(int effetto, const QString& page, int direzione, qint32 velocita, int rigaInizio,
                              int rigaFine, bool visibile) {
    const QString f = QStringLiteral("caSpostaRiga");
    const auto target = moverPage(s_, f, page);
    if (!target || !rowRangeOk(s_, f, rigaInizio, rigaFine)) return false;
    MoveBatch batch(s_, f, page, *target->model);
    qint64 lastKey = 0;
    const qint64 d = moveDistance(direzione);
    for (qint64 r = rigaInizio; r <= rigaFine && batch.ok(); ++r) {
        for (const char* suffix : {"_Pos", "_Posizione", "_Naz", "_Round", "_Giorno", "_Mese"}) {
            const QString name = QStringLiteral("B") + QString::number(r) + QString::fromLatin1(suffix);
            const auto l = batch.add(name);
            if (!l) continue;
            const qint64 a = l->alpha;
            lastKey = 1;
            if (effetto == 0) {
                standardSlide(batch, name, *l, a, direzione, velocita, visibile);
            } else if (effetto == 5) {
                if (direzione == 1) {
                    batch.key(name, {0, 0, l->x, l->y, 0}) && batch.key(name, {1, moveTime(velocita), l->x, l->y, a});
                } else {
                    // Fade out, then parked off-frame at full alpha.
                    const qint64 t5 = (!visibile || velocita == 0) ? 1 : velocita;
                    batch.key(name, {0, 0, l->x, l->y, a}) && batch.key(name, {1, t5, l->x, l->y, 0}) &&
                        batch.key(name, {2, t5 + 1, l->x + d, l->y, a});
                    lastKey = 2;
                }
            } else if (effetto == 6) {
                slideFadeKeys(batch, name, *l, direzione, velocita, visibile);
            }
            if (!batch.ok()) break;
        }
    }
    return batch.close(lastKey, 1);
}

bool InfoGroups::veSpostaRiga(int effetto, const QString& page, int direzione, qint32 velocita, int rigaInizio,
                              int rigaFine, bool visibile) {
    const QString f = QStringLiteral("veSpostaRiga");
    const auto target = moverPage(s_, f, page);
    if (!target || !rowRangeOk(s_, f, rigaInizio, rigaFine)) return false;
    MoveBatch batch(s_, f, page, *target->model);
    for (qint64 r = rigaInizio; r <= rigaFine && batch.ok(); ++r) {
        for (const char* suffix : {"_Pos", "_Posizione", "_Cognome", "_Numero", "_NoCognome", "_Naz", "_Mez", "_Mezzo",
                                   "_Mezzo2", "_Velocita"}) {
            const QString name = QString::number(r) + QString::fromLatin1(suffix);
            const auto l = batch.add(name);
            if (!l) continue;
            if (effetto == 0) standardSlide(batch, name, *l, l->alpha, direzione, velocita, visibile);
            else if (effetto == 6) slideFadeKeys(batch, name, *l, direzione, velocita, visibile);
            if (!batch.ok()) break;
        }
    }
    return batch.close(1, 1);
}

void InfoGroups::scInizializzaStatistiche(const QString& page) {
    GroupState& g = s_.groups;
    const std::array<QStringList, 6> groups = {
        QStringList{"PiazF", "Piaz", "Round"},
        QStringList{"B_PosPoints", "B_txtPoints", "B_PuntiCampionato", "B_PosChPos", "B_txtChPos",
                    "B_PosizioneCampionato"},
        QStringList{"B_PosWins", "B_txtWins", "B_Gran_Premi_Vinti", "B_PosSuperPoles", "B_txtSuperPoles", "B_Pole",
                    "B_PosPodiums", "B_txtPodiums", "B_Podi"},
        QStringList{"PosTeam", "Team"},
        QStringList{"B_PosCilindrata", "B_txtCilindrata", "B_Cilindrata", "B_PosNumeroCilindri",
                    "B_txtNumeroCilindri", "B_NumeroCilindri", "B_PosPotenza", "B_txtPotenza", "B_Potenza",
                    "B_PosVelocitaMassima", "B_txtVelocitaMassima", "B_VelocitaMassima"},
        QStringList{"B_aniMezzo"},
    };
    for (std::size_t i = 0; i < groups.size(); ++i) {
        g.scNomi[i] = {};
        for (int k = 0; k < groups[i].size(); ++k) g.scNomi[i][std::size_t(k)] = groups[i][k];
        g.scUltimo[i] = qint16(groups[i].size() - 1);
    }
    GroupProperties p(p_, page);
    for (int item = 0; item <= g.scUltimo[0]; ++item) {
        for (int line = 1; line <= kRoundLines; ++line) {
            p.setVisible(linePrefix(line) + g.scNomi[0][std::size_t(item)], true);
        }
    }
    for (std::size_t i = 1; i < groups.size(); ++i) {
        for (int item = 0; item <= g.scUltimo[i]; ++item) p.setVisible(g.scNomi[i][std::size_t(item)], true);
    }
}

bool InfoGroups::scSpostaStatistiche(int statistiche, const QString& page, int direzione, qint32 velocita,
                                     bool visibile) {
    const QString f = QStringLiteral("scSpostaStatistiche");
    const GroupState& g = s_.groups;
    const auto target = moverPage(s_, f, page);
    if (!target) return false;
    if (statistiche < 0 || statistiche > 5) {
        s_.report(f + QStringLiteral(": Statistiche=%1 non valido (0..5)").arg(statistiche));
        return false;
    }
    MoveBatch batch(s_, f, page, *target->model);
    const qint64 d = moveDistance(direzione);
    auto move = [&](const QString& name, qint64 t) {
        const auto l = batch.add(name);
        if (!l) return;
        const qint64 a = l->alpha;
        if (visibile) batch.key(name, {0, 0, l->x, l->y, a}) && batch.key(name, {1, t == 0 ? 1 : t, l->x + d, l->y, a});
        else batch.key(name, {0, 0, l->x, l->y, a}) && batch.key(name, {1, 1, l->x + d, l->y, a});
    };
    const std::size_t group = std::size_t(statistiche);
    if (statistiche != 0) {
        for (int item = 0; item <= g.scUltimo[group] && batch.ok(); ++item) {
            move(g.scNomi[group][std::size_t(item)], velocita);
        }
    } else {
        // The lines leave one after the other: line n takes n times the time.
        for (int line = 1; line <= kRoundLines && batch.ok(); ++line) {
            for (int item = 0; item <= g.scUltimo[0] && batch.ok(); ++item)
                move(linePrefix(line) + g.scNomi[0][std::size_t(item)], qint64(line) * velocita);
        }
    }
    return batch.close(1, 1);
}

bool InfoGroups::scSpostaCostruttore(const QString& page, const QString& mez, qint32 velocita, bool visibile) {
    const QString f = QStringLiteral("scSpostaCostruttore");
    const auto target = moverPage(s_, f, page);
    if (!target) return false;
    MoveBatch batch(s_, f, page, *target->model);
    GroupProperties p(p_, page);
    const qint64 t = visibile ? moveTime(velocita) : 1;
    qint64 nameX = 0, shift = 0, widthChange = 0;
    for (const char* n : {"NoCognome", "Naz", "Mez", "Mezzo2"}) {
        const QString name = QString::fromLatin1(n);
        const auto l = batch.add(name);
        if (!l) continue;
        if (!batch.key(name, {0, 0, l->x, l->y, l->alpha})) break;
        qint64 x = l->x, y = l->y;
        if (name == QLatin1String("NoCognome")) {
            nameX = l->x;
            x = l->x - 720;
        } else if (name == QLatin1String("Naz")) {
            x = l->x - 720;
        } else if (name == QLatin1String("Mez")) {
            // The manufacturer's logo takes the name's place, centred on its old line.
            p.setImagePath(name, mez);
            const auto logo = batch.read(name);
            if (!logo) continue;
            x = nameX + 10;
            y = qint64(basic::roundHalfEven(double(l->y) - double(qint64(logo->h) - l->h) / 2.0 + 1.0));
            widthChange = qint64(logo->w) - l->w;
            shift = x - l->x;
        } else {
            x = l->x + shift + widthChange;
        }
        if (!batch.key(name, {1, t, x, y, l->alpha})) break;
    }
    return batch.close(1, 1);
}

}  // namespace razudar::gra
