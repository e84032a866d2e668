#include "app/windows/notice_label.h"

#include <QResizeEvent>

#include <algorithm>

namespace razudar {

NoticeLabel::NoticeLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    fittedHeight_ = fontMetrics().height();
}

void NoticeLabel::showNotice(const QString& text, NoticeSource source) {
    source_ = source;
    setText(text);
    setToolTip(text);
    fitHeight();
}

void NoticeLabel::withdrawNotice(NoticeSource source) {
    if (source == source_ && !text().isEmpty()) showNotice(QString(), source);
}

QSize NoticeLabel::sizeHint() const { return {0, fittedHeight_}; }

QSize NoticeLabel::minimumSizeHint() const { return {0, fittedHeight_}; }

void NoticeLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) fitHeight();
}

void NoticeLabel::fitHeight() {
    const int lineHeight = fontMetrics().height();
    const int needed = text().isEmpty() || width() <= 0 ? lineHeight : heightForWidth(width());
    const int height = std::max(needed, lineHeight);
    if (height == fittedHeight_) return;
    fittedHeight_ = height;
    updateGeometry();
}

}  // namespace razudar
