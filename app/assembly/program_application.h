#pragma once
// The program's application object. Every event reaches its handler through notify(); an
// exception a handler lets escape is caught here, logged with the handler that raised it and
// reported, and the program keeps running. This is a net: the handlers catch the errors they
// expect (see database_faults.h), so nothing should ever reach it.
#include <QApplication>

#include <functional>

namespace razudar {

class ProgramApplication : public QApplication {
    Q_OBJECT
public:
    ProgramApplication(int& argc, char** argv);

    // The running program's application object, or null when it is a plain QApplication.
    static ProgramApplication* current();

    bool notify(QObject* receiver, QEvent* event) override;

    // Where a caught exception is reported (log and operator); without one it goes to qWarning.
    void setReporter(std::function<void(const QString&)> reporter) { reporter_ = std::move(reporter); }
    // How many exceptions the net caught since the start.
    int caughtCount() const { return caught_; }

private:
    void caught(QObject* receiver, QEvent* event, const QString& what);

    std::function<void(const QString&)> reporter_;
    int caught_ = 0;
};

}  // namespace razudar
