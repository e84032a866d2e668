#pragma once
// Texts of the link panel that break anywhere to fit their width: a received message or a
// framing notice is one long run of characters with few blanks, and a cut line would hide the
// part the operator needs.
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
class WrappedItemDelegate : public QStyledItemDelegate {
public:
    explicit WrappedItemDelegate(QListView* view);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int textWidth() const;
    QListView* view_;
};

}  // namespace razudar::link
