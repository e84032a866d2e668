#include "app/windows/preview_header.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace razudar {
namespace {

// The share of a letter's width a blank of a run of blanks takes; a single blank (within a
// heading such as "Manche 1") keeps its whole width.
constexpr qreal kBlankShare = 0.25;

}  // namespace

SpacedHeaderLabel::SpacedHeaderLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

qreal SpacedHeaderLabel::xOf(qsizetype index) const {
    const QFontMetricsF metrics(font(), this);
    const qreal letter = metrics.horizontalAdvance(QLatin1Char('0'));
    const QString& t = text();
    const auto end = std::min(index, t.size());
    qreal x = 0;
    for (qsizetype i = 0; i < end; ++i) {
        if (t[i] != u' ') {
            x += metrics.horizontalAdvance(t[i]);
            continue;
        }
        const bool alone = (i == 0 || t[i - 1] != u' ') && (i + 1 >= t.size() || t[i + 1] != u' ');
        x += alone ? letter : kBlankShare * letter;
    }
    return x;
}

QSize SpacedHeaderLabel::sizeHint() const {
    return {int(std::ceil(xOf(text().size()))), int(std::ceil(QFontMetricsF(font(), this).height()))};
}

void SpacedHeaderLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font(), this);
    const qreal baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    // Each run of letters at its place; the blanks between runs only move the pen.
    const QString& t = text();
    qsizetype start = 0;
    while (start < t.size()) {
        while (start < t.size() && t[start] == u' ') ++start;
        qsizetype end = start;
        while (end < t.size() && t[end] != u' ') ++end;
        if (end > start) painter.drawText(QPointF(xOf(start), baseline), t.mid(start, end - start));
        start = end;
    }
}

PreviewHeader::PreviewHeader(QWidget* parent) : QWidget(parent), label_(new SpacedHeaderLabel(this)) {
    label_->setObjectName(QStringLiteral("lblClassifica"));
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void PreviewHeader::setListFont(const QFont& font) {
    label_->setFont(font);
    fit();
}

void PreviewHeader::setInsetPx(int px) {
    insetPx_ = px;
    place();
}

void PreviewHeader::fit() {
    // As high as a line of the face, with or without a caption.
    setFixedHeight(label_->sizeHint().height());
    label_->resize(label_->sizeHint());
    place();
}

void PreviewHeader::scrollTo(int px) {
    offsetPx_ = px;
    place();
}

void PreviewHeader::place() { label_->move(insetPx_ - offsetPx_, 0); }

}  // namespace razudar
