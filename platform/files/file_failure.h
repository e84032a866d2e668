#pragma once
// Why a file could not be read or written, told to the operator in Italian by its kind (missing,
// no permission, disk full, a folder, text not valid at a line). The system's and the parser's
// own words are English: they go to the program's log (Qt's message handler) and never into a
// text the operator reads.
#include <QFileDevice>
#include <QString>

class QByteArray;
class QFile;
struct QJsonParseError;

namespace razudar::files {

// Why a file could not be written: from the system's error number first (disk full, no
// permission, no folder), then from Qt's kind of failure.
QString writeFailureReason(int systemError, QFileDevice::FileError fileError);
// Why a file could not be read, the same way.
QString readFailureReason(int systemError, QFileDevice::FileError fileError);

// The system's error number of a failed open of `path`, read right after it: Qt opens a folder
// and then refuses it without a number of its own, so a folder is told as EISDIR.
int openFailureNumber(const QString& path, int systemError);

// Opens `file` for reading. False, with readFailureReason in `reason`, when it cannot be opened;
// the system's text is written to the log.
bool openForReading(QFile& file, QString* reason);

// Why `text` is not valid JSON: "testo non valido alla riga N (<kind>)", the line counted from
// 1 where the parser stopped. The parser's own text is written to the log with `source`.
QString jsonFailureReason(const QByteArray& text, const QJsonParseError& error, const QString& source);

}  // namespace razudar::files
