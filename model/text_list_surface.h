#pragma once
// The text list the race model writes on: the operator's preview list and the results-monitor
// surface are both a Stovak text list control. The model never sees the control itself; the
// program (and the tests) hand in an object that reaches a Stovak by member name and forwards
// these calls to it. Coordinates are the list surface's own units: twips across, and either
// twips or rows down (see Scrivi).
#include <QString>
#include <QtGlobal>

#include <optional>

namespace razudar {

// The optional arguments of Scrivi; an empty optional is an omitted argument, which the control
// tells apart from any given value.
struct ScriviArgs {
    std::optional<qint32> c;                  // text colour, 0x00BBGGRR; stays for later writes
    std::optional<double> p;                  // without X: 1-based row (fractions allowed); with X: Y
    std::optional<bool> NonAndareACapo;       // true: stay on the line after the text
    std::optional<double> X;                  // twips; right-aligned at X unless Sinistra/Centra
    std::optional<bool> Sinistra;             // left edge at X
    std::optional<double> FattoreDimensione;  // points added to the font size for this text (with X)
    std::optional<bool> Centra;               // centred on X (wins over Sinistra)
};

class TextListSurface {
public:
    virtual ~TextListSurface() = default;

    // Recomputes the row metrics, then erases everything; the next write starts on an empty list.
    virtual void Pulisci() = 0;
    // Recomputes the row metrics (row height, or the row scale with a line spacing set).
    virtual void InizializzaAltezze() = 0;
    // Writes one text; see ScriviArgs.
    virtual void Scrivi(const QString& s, const ScriviArgs& args) = 0;
    // Sets the drawing position (surface units).
    virtual void setCurrentX(qint32 CurrentX) = 0;
    virtual void setCurrentY(qint32 CurrentY) = 0;
    // A straight line from (x1_twip, y1_riga) to (x2_twip, y2_riga) in the surface's current
    // scale, Spessore pixels wide, in colour Colore (0x00BBGGRR).
    virtual void Linea(float x1_twip, float y1_riga, float x2_twip, float y2_riga, qint16 Spessore,
                       qint32 Colore) = 0;
    // The visibility the hosting window gives the control: hidden while a list is filled so
    // it is redrawn once.
    virtual void setVisible(bool Visible) = 0;
};

}  // namespace razudar
