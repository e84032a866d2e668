#include "app/windows/program_starter.h"

#include <QProcess>

namespace razudar {

bool DetachedProgramStarter::start(const QString& command) {
    QStringList parts = QProcess::splitCommand(command);
    if (parts.isEmpty()) return false;
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

}  // namespace razudar
