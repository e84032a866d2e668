#pragma once
// The lines written to the program's log (Qt's message handler) while an object of this class
// lives, kept for a test to read; the handler in force before is put back at the end. Qt's
// handler is a plain function, so the capture in force is reached through one pointer.
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace razudar::testing {

class LogCapture {
public:
    LogCapture() : outer_(current_), previous_(qInstallMessageHandler(&LogCapture::keep)) { current_ = this; }
    ~LogCapture() {
        qInstallMessageHandler(previous_);
        current_ = outer_;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const QStringList& lines() const { return lines_; }
    // The lines that hold `text`.
    QStringList linesWith(const QString& text) const { return lines_.filter(text); }

private:
    static void keep(QtMsgType, const QMessageLogContext&, const QString& text) {
        if (current_) current_->lines_.append(text);
    }

    static inline LogCapture* current_ = nullptr;
    LogCapture* outer_;
    QtMessageHandler previous_;
    QStringList lines_;
};

}  // namespace razudar::testing
