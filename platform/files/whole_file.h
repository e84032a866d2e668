#pragma once
// Writing a file whole or not at all. The new content goes to a temporary file in the target's
// folder, which replaces the target only when every byte of it reached the disk; on any failure
// the temporary file is removed and an earlier file of that name stays as it was.
//
// Qt's own save file is not enough on its own: its writes are buffered, and a buffer that fails
// to reach a full disk when the file is committed can still be reported as committed (a cut or
// empty file in place of a good one). So the buffer is flushed and the file's state checked
// before the commit.
#include <QByteArray>
#include <QString>

#include <functional>

#include "platform/files/file_failure.h"

class QIODevice;

namespace razudar::files {

// Fills `device` with a file's content; false when the content could not be made, with the
// reason in `reason` (left empty when the device's own failure is the reason).
using FileFiller = std::function<bool(QIODevice& device, QString* reason)>;

// Writes the file at `path` with `fill`. True only when the whole file is in place. False, with
// the reason in `reason` (writeFailureReason, or the filler's own), when it could not be written:
// the target is then unchanged and no temporary file is left.
bool writeWholeFile(const QString& path, const FileFiller& fill, QString* reason);
// The same with a ready content.
bool writeWholeFile(const QString& path, const QByteArray& content, QString* reason);

}  // namespace razudar::files
