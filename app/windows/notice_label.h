#pragma once
// The status bar's notice: the last failure of a link event, a timer or a page builder. A notice
// can be longer than the window is wide, so it wraps onto as many lines as it needs and the
// status bar grows to show it whole (the log keeps it too).
#include <QLabel>

namespace razudar {

class NoticeLabel : public QLabel {
public:
    explicit NoticeLabel(QWidget* parent = nullptr);
    // Shows `text` whole (an empty text clears the notice and the status bar shrinks back).
    void showNotice(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The height the text needs at the present width.
    void fitHeight();
};

}  // namespace razudar
