#pragma once
// Texts of the link panel that break anywhere to fit their width: a received message or a
// framing notice is one long run of characters with few blanks, and a cut line would hide the
// part the operator needs.
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QStyledItemDelegate>

class QListView;

namespace razudar::link {

// A plain-text label whose text breaks at blanks or, failing that, anywhere; lines beyond its
// height are not drawn.
class WrappedLabel : public QLabel {
public:
    explicit WrappedLabel(QWidget* parent = nullptr) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Draws each item of a list view on as many lines as its text needs at the view's width.
// The view asks every item's size each time a line is added: the heights are kept per text, for
// the current width and font, so adding a line lays out that line only.
class WrappedItemDelegate : public QStyledItemDelegate {
public:
    explicit WrappedItemDelegate(QListView* view);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int textWidth() const;
    int heightOf(const QString& text, const QFont& font, int width) const;
    QListView* view_;
    mutable QHash<QString, int> heights_;
    mutable int heightsWidth_ = -1;
    mutable QFont heightsFont_;
};

}  // namespace razudar::link
