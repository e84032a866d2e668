// The three builders of the operator's preview list.
#include "model/preview_list.h"

#include "model/bas_utilita.h"
#include "model/basic.h"
#include "model/caption_label.h"
#include "model/competitor_states.h"
#include "model/krono.h"
#include "model/preview_text.h"
#include "model/race_codes.h"
#include "model/race_times.h"
#include "model/text_list_surface.h"

#include <optional>

namespace razudar::preview {
namespace {

const QString kAll = clsConcorrente::kAllCategories;

// Writes the rows at 1.0, 1.8, 2.6, ... with the colour in force.
class RowWriter {
public:
    explicit RowWriter(TextListSurface& lst) : lst_(lst) {}
    // A control character of a received name or abbreviation shows as a blank: the row stays one row.
    void write(const QString& row) {
        ScriviArgs args;
        args.p = p_;
        lst_.Scrivi(blankControlCharacters(row), args);
        p_ += kRowStep;
    }

private:
    TextListSurface& lst_;
    double p_ = kFirstRow;
};

// Shown in the category: all with "XXXXX", nobody with the empty code, else its members.
bool shown(const clsConcorrente& c, const QString& Categoria) {
    if (Categoria == kAll) return true;
    return !Categoria.isEmpty() && c.CategoriaPresente(Categoria);
}

// AllineaDestra / AllineaSinistra of a text or a number.
QString AD(const QString& v, int w) {
    QString out;
    appendRight(out, v, w);
    return out;
}
QString AD(int v, int w) { return AD(QString::number(v), w); }
QString AS(const QString& v, int w) {
    QString out;
    appendLeft(out, v, w);
    return out;
}

QString siglaStato(const clsKrono& k, qint32 st) {
    switch (st) {
    case kStatoInPista: return k.SiglaStatoPartito();
    case kStatoNonArrivato: return k.SiglaStatoNonArrivato();
    case kStatoNonPartito: return k.SiglaStatoNonPartito();
    case kStatoEscluso: return k.SiglaStatoEscluso();
    default: return QString();
    }
}

// The run a standings or split slot is read for: the slot's own run for a run slot, else the
// current run (the current heat in a parallel run).
qint16 runOf(const clsKrono& k, qint32 Classifica, int type) {
    if (type == 1) return qint16(Classifica);
    return k.MancheParallelo() ? k.SfidaCorrente() : k.MancheCorrente();
}

// A gap column: the gap, or nothing when either side has no time (a row outside the maximum
// time has no total, a reference on course no time at all); the no-time value is not a gap.
QString gapText(const clsKrono& k, qint32 gap) {
    return gap == kNoGapPacked ? QString() : T(k, gap);
}

}  // namespace

void scriviClassifica(const clsKrono& k, TextListSurface& lst, CaptionLabel& lbl, qint32 Classifica,
                      const QString& Categoria) {
    const int type = k.TipoClassifica(Classifica);
    const bool single = type == 1 || k.UtilizzaSingolaManche();
    const bool team = k.cGara.Specialita() == kSpecialitaSquadre;
    if (!single)
        lbl.setCaption(QStringLiteral("    Pos      Num     Concorrente                                  Manche 1                  Manche 2                       Tempo                     Distacco                   Dist. Prec."));
    else if (team)
        lbl.setCaption(QStringLiteral("    Pos      Num     Squadra                                           Tempo                    Distacco            Distacco Prec."));
    else
        lbl.setCaption(QStringLiteral("    Pos      Num     Concorrente                                       Tempo                    Distacco            Distacco Prec."));

    const qint16 r = runOf(k, Classifica, type);
    const BibIndex bibs(k);
    RowWriter rows(lst);
    int pos = 0;
    // The time of the row written last: a row with the same time shares its position. (Only
    // written rows count: a leader of a category must show its position even when the entry
    // before it in the slot, of another category, has the same time.)
    std::optional<qint32> previousTime;
    for (const qint16 c : k.slotOrder(Classifica)) {
        const clsConcorrente& rec = record(k, c);
        const qint32 st = type == 0 ? k.StatoConcorrenteDopoManche(r, c) : result(rec, r).StatoConcorrente();
        if (!shown(rec, Categoria) || st == kStatoAperto) continue;
        ++pos;
        const qint32 time = single ? result(rec, r).Tempo() : k.TempoTotaleConcorrente(r, c);
        QString row;
        row.reserve(96);
        if (st == kStatoArrivato || st == kStatoFuoriTempoMassimo) {
            if (previousTime && *previousTime == time) {
                row += S(5);
            } else {
                appendRight(row, QString::number(pos), 3);
                row += S(2);
            }
        } else if (st == kStatoInPista || st == kStatoNonArrivato || st == kStatoNonPartito || st == kStatoEscluso) {
            appendRight(row, siglaStato(k, st), 3);
            row += S(2);
        } else {
            row += S(5);  // an open state has neither a position nor an abbreviation
        }
        previousTime = time;
        appendRight(row, QString::number(bibs.bib(c, false)), 4);
        row += u' ';
        appendLeft(row, nameOf(k, rec), 12);
        row += S(2);
        const auto column = [&row](const QString& text, bool spaceAfter) {
            appendRight(row, text, 12);
            if (spaceAfter) row += u' ';
        };
        if (st == kStatoArrivato || st == kStatoFuoriTempoMassimo) {
            if (single) {
                column(T(k, result(rec, r).Tempo()), true);
            } else {
                for (int m = 1; m <= 2; ++m) {
                    const clsRisultati& run = result(rec, m);
                    column(run.StatoConcorrente() == kStatoArrivato ? T(k, run.Tempo())
                                                                    : k.StatoSigla(run.StatoConcorrente()),
                           true);
                }
                // Outside the maximum time there is no total (0): nothing, not a time of 0.
                column(st == kStatoArrivato ? T(k, k.TempoTotaleConcorrente(r, c)) : QString(), true);
            }
            if (pos > 1) column(gapText(k, k.DistaccoDaPosizione(Classifica, r, c, 1, Categoria)), true);
            if (pos > 2) column(gapText(k, k.DistaccoDaPosizione(Classifica, r, c, pos - 1, Categoria)), false);
        }
        rows.write(row);
    }
}

void scriviSfide(const clsKrono& k, TextListSurface& lst, CaptionLabel& lbl, const QString& Categoria) {
    const bool single = k.UtilizzaSingolaManche();
    lbl.setCaption(single
        ? QStringLiteral("    Sfida      Num      Concorrente                                    Tempo             Distacco")
        : QStringLiteral("    Sfida      Num      Concorrente                                Manche 1          Manche 2               Tempo             Distacco"));
    const QList<qint16> heats = k.ElencoSfide();
    const qint16 run = k.SfidaCorrente();
    const BibIndex bibs(k);
    RowWriter rows(lst);
    int written = 1;
    for (qsizetype h = 1; h <= heats.size(); ++h) {
        // The category and completion tests take the heat's position, the competitors its number.
        if (!k.CategoriaPresenteNellaSfida(qint16(h), Categoria)) continue;
        const QList<qint16> pair = k.ElencoConcorrentiSfida(heats[h - 1]);
        const bool completed = k.SfidaCompletata(qint16(h));
        for (qsizetype j = 1; j <= pair.size(); ++j) {
            const qint16 a = pair[j - 1];
            const clsConcorrente& rec = record(k, a);
            const qint32 st = k.StatoConcorrenteDopoManche(run, a);
            qint32 gap = 0;
            if (completed && pair.size() >= 2) gap = k.DistaccoDaConcorrente(0, run, a, j == 1 ? pair[1] : pair[0]);
            QString row = (j == 1 ? AD(written, 3) + u')' : S(4)) + S(2) + AD(bibs.bib(a, true), 3) + S(2) +
                          AS(basic::UCase(rec.Cognome()), 15);
            const QString run1 = S(2) + AD(T(k, result(rec, 1).Tempo()), 8);
            const QString gapText = gap > 0 ? S(2) + AD(T(k, gap), 8) : QString();
            if (st == kStatoArrivato && single) row += run1 + gapText;
            else if (st == kStatoArrivato)
                row += run1 + S(2) + AD(T(k, result(rec, 2).Tempo()), 8) + S(2) +
                       AD(T(k, k.TempoTotaleConcorrente(k.MancheCorrente(), a)), 8) + gapText;
            else if (st == kStatoAperto && single) row += run1;
            else if (st == kStatoNonArrivato || st == kStatoNonPartito || st == kStatoEscluso)
                row += S(2) + siglaStato(k, st);
            if (completed && gap < 0 && st == kStatoArrivato) row += S(4) + QStringLiteral("WINNER");
            rows.write(row);
            if (j == 2) rows.write(QString(single ? 46 : 66, u'-'));
        }
        ++written;
    }
}

void scriviIntermedio(const clsKrono& k, TextListSurface& lst, CaptionLabel& lbl, qint32 Classifica,
                      const QString& Categoria) {
    lbl.setCaption(k.cGara.Specialita() == kSpecialitaSquadre
        ? QStringLiteral("    Pos      Num     Squadra                                           Tempo                    Distacco")
        : QStringLiteral("    Pos      Num     Concorrente                                       Tempo                    Distacco"));
    const qint16 r = runOf(k, Classifica, 0);
    const qint16 current = k.MancheCorrente();
    const auto split = qint16(Classifica - 5);
    const BibIndex bibs(k);
    RowWriter rows(lst);
    int pos = 0;
    // The split's distance from the start (packed) of the row written last; see the standings.
    std::optional<qint64> previousSplit;
    for (const qint16 c : k.slotOrder(Classifica)) {
        const clsConcorrente& rec = record(k, c);
        const clsRisultati& res = result(rec, current);
        const qint32 st = result(rec, r).StatoConcorrente();
        if (!shown(rec, Categoria) || st == kStatoAperto) continue;
        ++pos;
        const qint32 s = res.OrarioIntermedioItem(split);
        const qint64 fromStart = qint64(s) - res.OrarioPartenza();
        QString row = (s > 0 && previousSplit && *previousSplit == fromStart) ? S(5) : AD(pos, 3) + S(2);
        previousSplit = fromStart;
        row += AD(bibs.bib(c, false), 4) + S(1) + AS(nameOf(k, rec), 12) + S(2);
        if (s > 0) {
            row += AD(E(k, TempoInMillesimi(s) - TempoInMillesimi(res.OrarioPartenza())), 12) + S(1);
            if (pos > 1) row += AD(T(k, k.DistaccoDaPosizione(Classifica, r, c, 1, Categoria)), 12) + S(1);
        }
        rows.write(row);
    }
}

}  // namespace razudar::preview
