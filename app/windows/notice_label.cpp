#include "app/windows/notice_label.h"

#include <QResizeEvent>

#include <algorithm>

namespace razudar {

NoticeLabel::NoticeLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The width is what the status bar leaves; the height follows the text.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
}

void NoticeLabel::showNotice(const QString& text) {
    setText(text);
    setToolTip(text);
    fitHeight();
}

void NoticeLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) fitHeight();
}

void NoticeLabel::fitHeight() {
    const int lineHeight = fontMetrics().height();
    const int needed = text().isEmpty() || width() <= 0 ? lineHeight : heightForWidth(width());
    const int height = std::max(needed, lineHeight);
    if (minimumHeight() != height) setMinimumHeight(height);
}

}  // namespace razudar
