#pragma once
#include <QString>
#include <QStringList>

namespace razudar::gra {

struct ControlState;
class ObjectProperties;
class MoveBatch;

// The row and title movers: one call turns into one batch of key positions for every object
// concerned (slides by one frame width, wipes, fades), played by the page's renderer. Each
// returns false after a message when it could not queue its batch whole.
class RowMovers {
public:
    RowMovers(ControlState& state, ObjectProperties& properties) : s_(state), p_(properties) {}

    bool SpostaRiga(int effetto, const QString& page, int direzione, qint32 velocita, int rigaInizio, int rigaFine,
                    bool visibile, const QString& prefisso, const QStringList& campi, bool progressivoInCoda);
    bool SpostaTitolo(int effetto, const QString& page, int direzione, qint32 velocita, bool visibile);
    bool SpostaDistacco3(const QString& page, int direzione, qint32 velocita, int rigaInizio, int rigaFine,
                         bool visibile);
    bool SpostaUltimiGiri(const QString& page, int direzione, qint32 velocita, int rigaInizio, int rigaFine,
                          bool visibile);
    bool SpostaDistacco1(const QString& page, int direzione, qint32 velocita, int rigaInizio, int rigaFine,
                         bool visibile);
    void diInizializzaDistacco1(const QString& page);
    bool diNuovoDistacco1(const QString& page, const QString& distacco);

private:
    // Slides the objects `prefixes` & r of rows rigaInizio..rigaFine; alpha 255, or each
    // object's own alpha when `ownAlpha`.
    bool slideRows(const QString& function, const QString& page, const QStringList& prefixes, bool ownAlpha,
                   int direzione, qint32 velocita, int rigaInizio, int rigaFine, bool visibile);
    // One batch of the gap box: the box and the text of line `line` move by `dy` in 20 frames.
    bool gapMove(const QString& page, int line, qint64 dy);

    ControlState& s_;
    ObjectProperties& p_;
};

// Rows rigaInizio..rigaFine are at most this many (a row counter is a 16-bit Integer).
bool rowRangeOk(const ControlState& s, const QString& function, int rigaInizio, int rigaFine);

}  // namespace razudar::gra
