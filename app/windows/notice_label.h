#pragma once
// The status bar's notice: the last failure of a link event, a timer or a page builder. A notice
// can be longer than the window is wide, so it wraps onto as many lines as it needs at the width
// the status bar gives it, and the status bar is as tall as those lines (the log keeps it too).
//
// The label remembers who put the notice up (app/notice_source.h): each source takes its own
// notice down when its fault is over, and nothing else: a later notice of another source stays.
#include <QLabel>

#include "app/notice_source.h"

namespace razudar {

class NoticeLabel : public QLabel {
public:
    explicit NoticeLabel(QWidget* parent = nullptr);
    // Shows `text` whole in place of the notice shown (an empty text clears the notice and the
    // status bar shrinks back).
    void showNotice(const QString& text, NoticeSource source);
    // Clears the notice when the one shown is `source`'s.
    void withdrawNotice(NoticeSource source);

    // The width is what the status bar leaves; the height is that of the lines at that width.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The status bar's layout must not size the label by its own guess of a width: the label
    // fits its height itself once it has its width.
    bool hasHeightForWidth() const override { return false; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The height the text needs at the present width.
    void fitHeight();

    int fittedHeight_ = 0;
    NoticeSource source_ = NoticeSource::Database;
};

}  // namespace razudar
