#include "app/program_log.h"

#include <QDebug>

namespace razudar {

void ProgramLog::line(const QString& text) {
    qInfo().noquote() << "Razudar:" << text;
    lines_.append(text);
    if (lines_.size() > kKeptLines) lines_.removeFirst();
}

}  // namespace razudar
