#include "platform/files/whole_file.h"

#include <cerrno>

#include <QSaveFile>

namespace razudar::files {

namespace {

// Cancels the file: the commit then removes the temporary file and leaves the target alone.
bool cancel(QSaveFile& file, const QString& why, QString* reason) {
    if (reason) *reason = why;
    file.cancelWriting();
    file.commit();
    return false;
}

}  // namespace

bool writeWholeFile(const QString& path, const FileFiller& fill, QString* reason) {
    QSaveFile file(path);
    // The system's error number is read right after each call: Qt's own text for a short write
    // is often empty ("Unknown error"), the number says what happened.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        if (reason) *reason = writeFailureReason(openFailureNumber(path, errno), file.error());
        return false;
    }
    QString fillerReason;
    errno = 0;
    bool written = fill(file, &fillerReason);
    int systemError = errno;
    if (written && file.error() == QFileDevice::NoError) {
        // The buffered bytes go to the disk here, where a failure can still be seen; left to the
        // commit, it could be lost and a cut file put in place of the earlier one.
        errno = 0;
        written = file.flush();
        systemError = errno;
    }
    if (!written || file.error() != QFileDevice::NoError) {
        const bool deviceFailed = file.error() != QFileDevice::NoError || fillerReason.isEmpty();
        return cancel(file, deviceFailed ? writeFailureReason(systemError, file.error()) : fillerReason, reason);
    }
    errno = 0;
    if (!file.commit()) {
        if (reason) *reason = writeFailureReason(errno, file.error());
        return false;
    }
    return true;
}

bool writeWholeFile(const QString& path, const QByteArray& content, QString* reason) {
    return writeWholeFile(
        path, [&content](QIODevice& device, QString*) { return device.write(content) == content.size(); }, reason);
}

}  // namespace razudar::files
