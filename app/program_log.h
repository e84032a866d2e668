#pragma once
// The program's log: lines the operator does not need to answer (an unreadable message, a
// control member that is missing). Kept in memory for tests and the diagnostics, and written to
// the standard error stream through Qt's message handler.
#include <QString>
#include <QStringList>

namespace razudar {

class ProgramLog {
public:
    void line(const QString& text);
    const QStringList& lines() const { return lines_; }

private:
    static constexpr int kKeptLines = 500;
    QStringList lines_;
};

}  // namespace razudar
