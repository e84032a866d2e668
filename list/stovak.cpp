#include "list/stovak.h"

#include <QApplication>
#include <QScrollBar>
#include <QTimer>

#include <cmath>

#include "list/row_metrics.h"
#include "list/surface_view.h"
#include "model/basic.h"
#include "model/preview_list.h"

namespace razudar::list {
namespace {

// The sample whose height in the font is one row: the tallest letters and signs.
const QString kRowSample = QStringLiteral("bdfghjklpqtyABC?/|}^$_");
constexpr int kDefaultRows = 40;
constexpr qint32 kDefaultBackColor = 0xffffff;
constexpr int kDefaultBorderStyle = 1;
// Room after the widest row when the list is scrolled to its right end.
constexpr int kRightPaddingPx = 4;

qint64 twips(int pixels) { return qint64(pixels) * qint64(kTwipsPerPixel); }
int pixels(qint64 twips) { return int(twips / qint64(kTwipsPerPixel)); }

// The truth of an optional flag: omitted counts as false.
std::optional<bool> flagOf(const QVariant& value) {
    if (!value.isValid()) return false;
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    const auto number = basic::numberOf(value);
    if (number) return *number != 0;
    bool ok = false;
    const bool truth = basic::CBool(value.toString(), &ok);
    return ok ? std::optional<bool>(truth) : std::nullopt;
}

// A numeric argument: nullopt for a value that is no number, or not a finite one.
std::optional<double> finiteNumber(const QVariant& value) {
    const auto number = basic::numberOf(value);
    if (!number || !std::isfinite(*number)) return std::nullopt;
    return number;
}

}  // namespace

Stovak::Stovak(QWidget* parent) : QFrame(parent) {
    picClass_ = new SurfaceView(*this);
    vscClass_ = new QScrollBar(Qt::Vertical, this);
    vscClass_->setMinimum(0);
    vscClass_->setSingleStep(1);
    connect(vscClass_, &QScrollBar::valueChanged, this, [this] { applyScroll(); });
    hscClass_ = new QScrollBar(Qt::Horizontal, this);
    hscClass_->setMinimum(0);
    hscClass_->setMaximum(0);
    hscClass_->hide();
    connect(hscClass_, &QScrollBar::valueChanged, this, [this](int px) {
        applyScroll();
        emit horizontalOffsetChanged(px);
    });
    setBorderStyle(kDefaultBorderStyle);
    resize(sizeHint());
    // A new instance: 40 rows in font mode.
    numeroRighe_ = kDefaultRows;
    interlinea_ = 0;
    calcolaRighe();
    relayout();
    propertiesChanged_ = false;
}

Stovak::~Stovak() = default;

QSize Stovak::sizeHint() const { return {320, 240}; }

QSize Stovak::inner() const { return contentsRect().size(); }

bool Stovak::fail(const QString& reason) {
    lastError_ = reason;
    return false;
}

std::optional<qint16> Stovak::measureRowHeight() const {
    const qint64 lineTwips = std::llround(surface_.textHeightTwips(kRowSample));
    // The preview list writes its rows this far apart in rows (1, 1.8, 2.6, ...). Where the face's
    // accents stand so high above its capitals that at that step an accented capital would touch
    // the row above (DejaVu Sans Mono does), the row is made just tall enough for a blank pixel
    // row between them; with Nimbus Mono PS the line is enough.
    const double clearTwips = surface_.accentClearLineSpacingPx() * kTwipsPerPixel / preview::kRowStep;
    return basic::toInteger(std::max(lineTwips, qint64(std::ceil(clearTwips - 1e-9))));
}

bool Stovak::calcolaRighe() {
    const auto height = measureRowHeight();
    if (!height) return fail(QStringLiteral("Overflow"));
    const auto rows = contaRighe(twips(inner().height() - horizontalBarHeight()), *height, numeroRighe_);
    altezzaRiga_ = *height;
    if (!rows) return fail(QStringLiteral("Overflow"));
    righeVisibili_ = rows->righeVisibili;
    numeroRighe_ = rows->numeroRighe;
    vscClass_->setMaximum(rows->scrollMax);
    vscClass_->setPageStep(std::max<int>(1, righeVisibili_));  // a page of the list
    return true;
}

int Stovak::horizontalBarHeight() const { return horizontalShown_ ? hscClass_->sizeHint().height() : 0; }

void Stovak::relayout() {
    // The sideways scroll bar, when shown, takes the bottom of the control.
    const QRect area = contentsRect().adjusted(0, 0, 0, -horizontalBarHeight());
    const int scrollWidth = vscClass_->sizeHint().width();
    const ListLayout layout = disponi(twips(area.width()), twips(area.height()), twips(scrollWidth),
                                      interlinea_ != 0, altezzaRiga_, numeroRighe_);
    surface_.setSizePx(QSizeF(double(layout.surfaceWidthTwips) / kTwipsPerPixel,
                              double(layout.surfaceHeightTwips) / kTwipsPerPixel));
    picClass_->setGeometry(area.left(), area.top(), pixels(layout.surfaceWidthTwips), area.height());
    vscClass_->setGeometry(area.left() + pixels(layout.scrollLeftTwips), area.top(), scrollWidth,
                           pixels(layout.scrollHeightTwips));
    hscClass_->setGeometry(area.left(), area.bottom() + 1, pixels(layout.surfaceWidthTwips), horizontalBarHeight());
    picClass_->invalidate();
}

void Stovak::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    relayout();
    drawingChanged();
}

void Stovak::applyScroll() { picClass_->invalidate(); }

void Stovak::drawingChanged() {
    picClass_->invalidate();
    if (rangePending_) return;
    rangePending_ = true;
    // A host clears and writes a whole list at once: the range is set for what it wrote, so a
    // refresh keeps the operator's sideways position.
    QTimer::singleShot(0, this, [this] { updateHorizontalRange(); });
}

void Stovak::updateHorizontalRange() {
    rangePending_ = false;
    // In row-scale mode the surface's scale spans its width: nothing lies beyond it to scroll to.
    // What shows of the surface ends where the vertical scroll bar starts (it stands a margin in
    // from the right edge); the last letter stops a few pixels short of it.
    const int viewWidth = std::min(picClass_->width(), vscClass_->x() - picClass_->x());
    const qreal right = surface_.drawing().contentRight();
    const bool wanted = interlinea_ == 0 && right > viewWidth + 0.5;
    if (wanted != horizontalShown_) {
        horizontalShown_ = wanted;
        hscClass_->setVisible(wanted);
        // The visible rows change: a count raised to them follows, one set above them stays.
        numeroRighe_ = requestedRows_;
        calcolaRighe();
        relayout();
    }
    hscClass_->setMaximum(wanted ? int(std::ceil(right + kRightPaddingPx - viewWidth)) : 0);
    hscClass_->setPageStep(std::max(1, viewWidth));
    hscClass_->setSingleStep(std::max(1, int(std::lround(surface_.textWidthPx(QStringLiteral("0"))))));
}

int Stovak::horizontalOffset() const { return hscClass_->value(); }
int Stovak::horizontalMaximum() const { return hscClass_->maximum(); }
void Stovak::setHorizontalOffset(int px) { hscClass_->setValue(std::clamp(px, 0, hscClass_->maximum())); }

qreal Stovak::paintedWidthPx() const {
    const qreal own = surface_.sizePx().width();
    return horizontalShown_ ? std::max(own, surface_.drawing().contentRight()) : own;
}

qint64 Stovak::surfaceTopTwips() const { return -qint64(altezzaRiga_) * vscClass_->value(); }

int Stovak::scrollMaximum() const { return vscClass_->maximum(); }

bool Stovak::setNumeroRighe(const QString& value) {
    const auto number = basic::parseNumeric(value);
    if (!number) return fail(QStringLiteral("Type mismatch"));
    bool ok = false;
    const qint16 rows = basic::CInt(*number, &ok);
    if (!ok) return fail(QStringLiteral("Overflow"));
    numeroRighe_ = rows;
    requestedRows_ = rows;
    const bool counted = calcolaRighe();
    report();
    relayout();
    return counted;
}

bool Stovak::setInterlinea(const QString& value) {
    const auto number = basic::parseNumeric(value);
    if (!number) return fail(QStringLiteral("Type mismatch"));
    bool ok = false;
    const qint16 spacing = basic::CInt(*number, &ok);
    if (!ok) return fail(QStringLiteral("Overflow"));
    interlinea_ = spacing;
    report();
    drawingChanged();
    return true;
}

int Stovak::CurrentX() const { return int(std::lround(surface_.currentX())); }
int Stovak::CurrentY() const { return int(std::lround(surface_.currentY())); }

void Stovak::setCurrentX(int value) {
    surface_.setCurrentX(value);
    report();
}

void Stovak::setCurrentY(int value) {
    surface_.setCurrentY(value);
    report();
}

void Stovak::setFont_(const QFont& value) {
    surface_.setFont(value);
    report();
}

int Stovak::Value() const { return vscClass_->value(); }

void Stovak::setValue(int value) {
    vscClass_->setValue(std::clamp(value, vscClass_->minimum(), vscClass_->maximum()));
    report();
}

void Stovak::setBackColor(int value) {
    backColor_ = value;
    picClass_->invalidate();
    report();
}

void Stovak::setBorderStyle(int value) {
    if (value != 0 && value != 1) {
        fail(QStringLiteral("Invalid property value"));
        return;
    }
    borderStyle_ = value;
    setFrameStyle(value == 1 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
    relayout();
    report();
}

void Stovak::InizializzaAltezze() {
    if (interlinea_ != 0) {
        surface_.useRowScale(numeroRighe_);
    } else {
        surface_.useTwips();
        const auto height = measureRowHeight();
        if (height) altezzaRiga_ = *height;
    }
    applyScroll();
}

void Stovak::Pulisci() {
    InizializzaAltezze();
    surface_.clear();
    drawingChanged();
}

bool Stovak::Scrivi(const QString& s, const QVariant& c, const QVariant& p, const QVariant& NonAndareACapo,
                    const QVariant& X, const QVariant& Sinistra, const QVariant& FattoreDimensione,
                    const QVariant& Centra) {
    if (c.isValid()) {
        const auto colour = basic::numberOf(c);
        if (!colour) return fail(QStringLiteral("Type mismatch"));
        surface_.setForeColour(rgbFromLong(qint64(*colour)));
    }
    const auto sameLine = flagOf(NonAndareACapo);
    const auto left = flagOf(Sinistra);
    const auto centre = flagOf(Centra);
    if (!sameLine || !left || !centre) return fail(QStringLiteral("Type mismatch"));
    std::optional<double> row;
    if (p.isValid()) {
        row = finiteNumber(p);
        if (!row) return fail(QStringLiteral("Type mismatch"));
    }
    if (!X.isValid()) {
        if (row) surface_.setCurrentY((*row - 1.0) * altezzaRiga_);
        surface_.print(s, !*sameLine);
        drawingChanged();
        return true;
    }
    const auto x = finiteNumber(X);
    if (!x) return fail(QStringLiteral("Type mismatch"));
    if (!row) return fail(QStringLiteral("Argument not optional"));
    const QFont remembered = surface_.font();
    if (FattoreDimensione.isValid()) {
        const auto change = finiteNumber(FattoreDimensione);
        if (!change) return fail(QStringLiteral("Type mismatch"));
        const double size = remembered.pointSizeF() + *change;
        if (!(size > 0)) return fail(QStringLiteral("Invalid property value"));
        QFont sized = remembered;
        sized.setPointSizeF(size);
        surface_.setFont(sized);
    }
    surface_.setCurrentY(*row);
    const double widthPx = surface_.textWidthPx(s);
    const double width = widthPx * surface_.unitsPerPxX();
    surface_.setCurrentX(*centre ? *x - width / 2 : (*left ? *x : *x - width));
    surface_.print(s, !*sameLine, widthPx);
    surface_.setFont(remembered);
    drawingChanged();
    return true;
}

bool Stovak::ScriviPiuRighe(const QStringList& s, const QVariantList& c) {
    for (qsizetype i = 1; i < s.size(); ++i) {
        const auto top = basic::toInteger(qint64(i - 1) * altezzaRiga_);
        if (!top) return fail(QStringLiteral("Overflow"));
        if (i >= c.size()) return fail(QStringLiteral("Subscript out of range"));
        const auto colour = basic::numberOf(c[i]);
        if (!colour) return fail(QStringLiteral("Type mismatch"));
        surface_.setCurrentY(*top);
        surface_.setForeColour(rgbFromLong(qint64(*colour)));
        surface_.print(s[i], true);
        drawingChanged();
    }
    return true;
}

float Stovak::TextHeight(const QString& Str) const { return float(surface_.textHeight(Str)); }
float Stovak::TextWidth(const QString& Str) const { return float(surface_.textWidth(Str)); }

bool Stovak::Linea(float x1_twip, float y1_riga, float x2_twip, float y2_riga, int Spessore, const QVariant& Colore) {
    if (Spessore < 1 || Spessore > basic::kIntegerMax) return fail(QStringLiteral("Invalid property value"));
    for (const float coordinate : {x1_twip, y1_riga, x2_twip, y2_riga})
        if (!std::isfinite(coordinate)) return fail(QStringLiteral("Overflow"));
    const auto colour = basic::numberOf(Colore);
    if (!colour) return fail(QStringLiteral("Type mismatch"));
    surface_.setDrawWidth(Spessore);
    surface_.line(x1_twip, y1_riga, x2_twip, y2_riga, rgbFromLong(qint64(*colour)));
    drawingChanged();
    return true;
}

void Stovak::loadProperties(const QVariantMap& stored) {
    bool ok = false;
    numeroRighe_ = basic::CInt(stored.value(QStringLiteral("NumeroRighe"), kDefaultRows).toDouble(), &ok);
    interlinea_ = basic::CInt(stored.value(QStringLiteral("Interlinea"), 0).toDouble(), &ok);
    requestedRows_ = numeroRighe_;
    calcolaRighe();
    surface_.setFont(stored.value(QStringLiteral("Font"), surface_.font()).value<QFont>());
    backColor_ = stored.value(QStringLiteral("BackColor"), kDefaultBackColor).toInt();
    const int value = stored.value(QStringLiteral("Value"), 0).toInt();
    vscClass_->setValue(std::clamp(value, vscClass_->minimum(), vscClass_->maximum()));
    setBorderStyle(stored.value(QStringLiteral("BorderStyle"), kDefaultBorderStyle).toInt());
    relayout();
    propertiesChanged_ = false;
}

QVariantMap Stovak::saveProperties() {
    QVariantMap stored;
    if (interlinea_ != 0) stored.insert(QStringLiteral("Interlinea"), int(interlinea_));
    if (numeroRighe_ != kDefaultRows) stored.insert(QStringLiteral("NumeroRighe"), int(numeroRighe_));
    const QFont ambient = parentWidget() ? parentWidget()->font() : QApplication::font();
    if (surface_.font() != ambient) stored.insert(QStringLiteral("Font"), surface_.font());
    if (backColor_ != kDefaultBackColor) stored.insert(QStringLiteral("BackColor"), backColor_);
    if (Value() != 0) stored.insert(QStringLiteral("Value"), Value());
    if (borderStyle_ != kDefaultBorderStyle) stored.insert(QStringLiteral("BorderStyle"), borderStyle_);
    propertiesChanged_ = false;
    return stored;
}

}  // namespace razudar::list
