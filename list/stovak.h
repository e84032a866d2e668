#pragma once
// The text list control Stovak: a scrollable list its host writes row by row with aligned,
// coloured text and lines. A drawing surface (picClass) as tall as all the rows sits beside a
// vertical scroll bar (vscClass); scrolling moves the surface by whole rows. Every member a
// host uses is a Qt property, an invokable method or a signal, reached by name.
//
// Units are twips (15 a pixel) until InizializzaAltezze applies the row scale (Interlinea not
// 0): X from 1 at the left edge to 9645 at the right, Y from 1 at the top to NumeroRighe at
// the bottom. Colours are longs 0x00BBGGRR. An argument passed as an invalid QVariant is
// omitted. Members that fail return false, keep what was drawn, and leave the reason in
// lastError(); nothing throws.
//
// In font mode a row wider than the surface (a preview with every column) can be scrolled
// into view sideways: a horizontal scroll bar shows under the surface while what is drawn
// runs beyond its right edge, and horizontalOffsetChanged tells the host, which may keep a
// header above the list in step.
#include <QFrame>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include "list/list_surface.h"

class QScrollBar;

namespace razudar::list {

class SurfaceView;

class Stovak : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString NumeroRighe READ NumeroRighe WRITE setNumeroRighe)
    Q_PROPERTY(QString Interlinea READ Interlinea WRITE setInterlinea)
    // The host only sets the drawing position; reading it gives it back in the current scale.
    Q_PROPERTY(int CurrentX READ CurrentX WRITE setCurrentX)
    Q_PROPERTY(int CurrentY READ CurrentY WRITE setCurrentY)
    Q_PROPERTY(QFont Font READ Font WRITE setFont_)
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)

public:
    explicit Stovak(QWidget* parent = nullptr);
    ~Stovak() override;

    QString NumeroRighe() const { return QString::number(numeroRighe_); }
    // A text that is no number, or a row count the 16-bit range cannot hold, changes nothing.
    Q_INVOKABLE bool setNumeroRighe(const QString& value);
    QString Interlinea() const { return QString::number(interlinea_); }
    Q_INVOKABLE bool setInterlinea(const QString& value);
    int CurrentX() const;
    void setCurrentX(int value);
    int CurrentY() const;
    void setCurrentY(int value);
    QFont Font() const { return surface_.font(); }
    void setFont_(const QFont& value);
    int Value() const;
    void setValue(int value);
    int BackColor() const { return backColor_; }
    void setBackColor(int value);
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);

    Q_INVOKABLE void Pulisci();
    Q_INVOKABLE void InizializzaAltezze();
    // Writes s. c colour (stays for later writes); without X, p is a 1-based row (fractions
    // allowed); with X, p is the Y position (required) and the text ends at X, or starts at X
    // (Sinistra) or is centred on it (Centra); FattoreDimensione adds points to the font for
    // this one text (with X only); NonAndareACapo keeps the position on the line.
    Q_INVOKABLE bool Scrivi(const QString& s, const QVariant& c = QVariant(), const QVariant& p = QVariant(),
                            const QVariant& NonAndareACapo = QVariant(), const QVariant& X = QVariant(),
                            const QVariant& Sinistra = QVariant(), const QVariant& FattoreDimensione = QVariant(),
                            const QVariant& Centra = QVariant());
    // Writes s(i) in colour c(i) at the top of row i, for i from 1 (element 0 is never used).
    Q_INVOKABLE bool ScriviPiuRighe(const QStringList& s, const QVariantList& c);
    Q_INVOKABLE float TextHeight(const QString& Str) const;
    Q_INVOKABLE float TextWidth(const QString& Str) const;
    Q_INVOKABLE bool Linea(float x1_twip, float y1_riga, float x2_twip, float y2_riga, int Spessore,
                           const QVariant& Colore);

    // The six properties kept in the host's stored window data, under their own names; a
    // value equal to its default is not written. Loading applies them in the order they are listed.
    Q_INVOKABLE void loadProperties(const QVariantMap& stored);
    // Saving also clears the changed mark.
    Q_INVOKABLE QVariantMap saveProperties();
    bool propertiesChanged() const { return propertiesChanged_; }

    // Row metrics, in twips and rows.
    qint16 AltezzaRiga() const { return altezzaRiga_; }
    qint16 RigheVisibili() const { return righeVisibili_; }
    int scrollMaximum() const;
    // The surface's top relative to the visible area, in twips (0 or negative).
    qint64 surfaceTopTwips() const;
    const ListSurface& surface() const { return surface_; }
    const QString& lastError() const { return lastError_; }
    // Pixels the surface is scrolled to the left (0 when it all fits), and the most it can be.
    Q_INVOKABLE int horizontalOffset() const;
    Q_INVOKABLE int horizontalMaximum() const;
    // Sets the sideways scroll (clamped), as the operator does with the scroll bar.
    Q_INVOKABLE void setHorizontalOffset(int px);
    // The width in pixels the surface is painted over: its own, or what is drawn beyond it.
    qreal paintedWidthPx() const;
    QSize sizeHint() const override;

signals:
    void Messaggio(int Index, const QString& Msg);
    void Click();
    void horizontalOffsetChanged(int px);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class SurfaceView;

    // The height of one row in twips: the font's line, or more where accents need it; nullopt
    // beyond the 16-bit range.
    std::optional<qint16> measureRowHeight() const;
    bool calcolaRighe();
    void relayout();
    void applyScroll();
    // What is drawn changed: the sideways range follows once the writes in hand are done.
    void drawingChanged();
    void updateHorizontalRange();
    int horizontalBarHeight() const;
    bool fail(const QString& reason);
    void report() { propertiesChanged_ = true; }
    QSize inner() const;

    ListSurface surface_;
    SurfaceView* picClass_;
    QScrollBar* vscClass_;
    QScrollBar* hscClass_;
    bool horizontalShown_ = false;
    bool rangePending_ = false;
    qint16 numeroRighe_ = 40;
    qint16 requestedRows_ = 40;  // the count last set, before raising it to the visible rows
    qint16 interlinea_ = 0;
    qint16 altezzaRiga_ = 0;
    qint16 righeVisibili_ = 0;
    qint32 backColor_ = 0xffffff;
    int borderStyle_ = 1;
    bool propertiesChanged_ = false;
    QString lastError_;
};

}  // namespace razudar::list
