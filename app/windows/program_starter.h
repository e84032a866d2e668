#pragma once
// Starts an outside program from a command line, as the About box starts the
// system-information program. Tests record the commands instead of starting anything.
#include <QString>

namespace razudar {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the command (program and arguments, split as a shell would) detached from this
    // program; false when it cannot be started.
    virtual bool start(const QString& command) = 0;
};

class DetachedProgramStarter : public ProgramStarter {
public:
    bool start(const QString& command) override;
};

}  // namespace razudar
