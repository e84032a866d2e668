#pragma once
// Raised where the program must end after telling the operator why (a database of another
// version, a database that cannot be opened, a remote share that cannot be read). The message
// has already been shown when this is thrown; the program's start-up catches it and exits.
#include <QString>

#include <stdexcept>

namespace razudar {

class ProgramEndRequested : public std::runtime_error {
public:
    explicit ProgramEndRequested(const QString& reason)
        : std::runtime_error(reason.toStdString()), reason_(reason) {}
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

}  // namespace razudar
