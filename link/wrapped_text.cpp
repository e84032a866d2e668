#include "link/wrapped_text.h"

#include <QListView>
#include <QPainter>
#include <QTextLayout>

namespace razudar::link {

namespace {

constexpr int kItemMarginPx = 2;  // between an item's text and the view's edges

// Lays `text` out in lines of `width`, breaking at blanks where it can and anywhere else where it
// must; `draw` gets each line and its top. Returns the height of the lines laid out.
template <typename Draw>
int layOut(const QString& text, const QFont& font, int width, Draw draw) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const int lineSpacing = QFontMetrics(font).lineSpacing();
    int top = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, top));
        top += lineSpacing;
    }
    layout.endLayout();
    draw(layout);
    return top;
}

// Draws the lines of `text` inside `rect`; a line that does not fit whole below them is not drawn.
void drawWrapped(QPainter& painter, const QRect& rect, const QString& text, const QFont& font) {
    painter.save();
    const int lineSpacing = QFontMetrics(font).lineSpacing();
    QRect whole = rect;
    whole.setHeight(qMax(lineSpacing, rect.height() / lineSpacing * lineSpacing));
    painter.setClipRect(whole);
    layOut(text, font, rect.width(), [&](QTextLayout& layout) { layout.draw(&painter, rect.topLeft()); });
    painter.restore();
}

}  // namespace

void WrappedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    drawWrapped(painter, contentsRect(), text(), font());
}

WrappedItemDelegate::WrappedItemDelegate(QListView* view) : QStyledItemDelegate(view), view_(view) {}

int WrappedItemDelegate::textWidth() const {
    return qMax(1, view_->viewport()->width() - 2 * kItemMarginPx);
}

int WrappedItemDelegate::heightOf(const QString& text, const QFont& font, int width) const {
    // More texts than a log holds are never asked for; a cache that outgrows that starts again.
    constexpr qsizetype kCachedHeights = 1024;
    if (width != heightsWidth_ || font != heightsFont_ || heights_.size() > kCachedHeights) {
        heights_.clear();
        heightsWidth_ = width;
        heightsFont_ = font;
    }
    const auto known = heights_.constFind(text);
    if (known != heights_.constEnd()) return *known;
    const int height = layOut(text, font, width, [](QTextLayout&) {});
    heights_.insert(text, height);
    return height;
}

QSize WrappedItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int width = textWidth();
    const int height = heightOf(index.data(Qt::DisplayRole).toString(), option.font, width);
    return QSize(width, qMax(height, QFontMetrics(option.font).height()) + kItemMarginPx);
}

void WrappedItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();  // the style draws the background and the selection, the text is drawn here
    view_->style()->drawControl(QStyle::CE_ItemViewItem, &item, painter, view_);
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    drawWrapped(*painter, option.rect.adjusted(kItemMarginPx, kItemMarginPx / 2, -kItemMarginPx, 0), text, option.font);
    painter->restore();
}

}  // namespace razudar::link
