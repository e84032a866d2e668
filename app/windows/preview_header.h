#pragma once
// The header line above the operator preview list (lblClassifica), drawn in the list's own
// fixed-pitch face and kept in step with the list when it is scrolled sideways: the label sits
// in a strip as wide as the list and moves left as far as the list's surface does.
#include <QFont>
#include <QLabel>
#include <QWidget>

namespace razudar {

// The header texts space their headings for a proportional face, where a blank is about a
// quarter as wide as a letter. In a fixed-pitch face the label draws each blank between two
// headings at that share of a letter, so every heading stands over its column of the list's
// rows.
class SpacedHeaderLabel : public QLabel {
    Q_OBJECT
public:
    explicit SpacedHeaderLabel(QWidget* parent = nullptr);
    // Where character `index` of the text starts, in pixels from the label's left.
    qreal xOf(qsizetype index) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

class PreviewHeader : public QWidget {
    Q_OBJECT
public:
    explicit PreviewHeader(QWidget* parent = nullptr);

    SpacedHeaderLabel* label() const { return label_; }
    // The list's font, and how far in from the list's edge its surface starts (its border).
    void setListFont(const QFont& font);
    void setInsetPx(int px);
    // Fits the label to its text after the caption changed.
    void fit();

public slots:
    // The list's surface is scrolled `px` pixels to the left.
    void scrollTo(int px);

private:
    void place();

    SpacedHeaderLabel* label_;
    int insetPx_ = 0;
    int offsetPx_ = 0;
};

}  // namespace razudar
