#include "platform/failing_writes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace razudar::testing {

namespace {

// Room for an earlier file of a whole frame (720 x 576 x 4 bytes) before the disk is filled.
constexpr qint64 kFullDiskBytes = 8 * 1024 * 1024;
constexpr qint64 kPageBytes = 4096;
const char kFiller[] = "riempitivo";

// Writes zeros into `path` until the file system has no room left; false if it never filled.
bool fillUp(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) return false;
    const QByteArray chunk(int(kPageBytes), '\0');
    bool full = false;
    for (qint64 written = 0; written <= 2 * kFullDiskBytes;) {
        const ssize_t n = ::write(fd, chunk.constData(), size_t(chunk.size()));
        if (n < 0) {
            full = errno == ENOSPC;
            break;
        }
        written += n;
    }
    ::close(fd);
    return full;
}

}  // namespace

FailingWrites::FailingWrites(WriteFault fault, qint64 roomBytes) : fault_(fault), room_(roomBytes) {
    folder_ = dir_.path() + QStringLiteral("/cartella");
    if (!QDir().mkpath(folder_)) {
        why_ = QStringLiteral("cannot make the folder ") + folder_;
        return;
    }
    if (fault_ != WriteFault::FullDisk) return;
    const QByteArray options = "size=" + QByteArray::number(kFullDiskBytes) + ",mode=0700";
    if (::mount("tmpfs", QFile::encodeName(folder_).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData()) != 0) {
        why_ = QStringLiteral("a tmpfs cannot be mounted here (%1): the full-disk case needs the right to mount")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted_ = true;
}

FailingWrites::~FailingWrites() {
    disarm();
    if (mounted_) ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
}

QString FailingWrites::filePath(const QString& name) const { return folder_ + u'/' + name; }

QStringList FailingWrites::entries() const {
    QStringList names = QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    names.removeAll(QString::fromLatin1(kFiller));
    return names;
}

void FailingWrites::arm() {
    if (armed_ || !ready()) return;
    armed_ = true;
    if (fault_ == WriteFault::FullDisk) {
        const QString filler = filePath(QString::fromLatin1(kFiller));
        if (!fillUp(filler)) {
            why_ = QStringLiteral("the tmpfs did not fill up");
            return;
        }
        // Give back the room a file may still take.
        const qint64 size = QFileInfo(filler).size() - room_ / kPageBytes * kPageBytes;
        if (::truncate(QFile::encodeName(filler).constData(), std::max<qint64>(size, 0)) != 0)
            why_ = QStringLiteral("the filler could not be cut");
        return;
    }
    // A write past the limit raises SIGXFSZ, which would end the process: it is ignored so that
    // the write fails with EFBIG instead.
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &savedLimit_);
    rlimit limited = savedLimit_;
    limited.rlim_cur = rlim_t(room_);
    if (::setrlimit(RLIMIT_FSIZE, &limited) != 0) why_ = QStringLiteral("the file size limit cannot be set");
}

void FailingWrites::disarm() {
    if (!armed_) return;
    armed_ = false;
    if (fault_ == WriteFault::FullDisk) {
        QFile::remove(filePath(QString::fromLatin1(kFiller)));
        return;
    }
    ::setrlimit(RLIMIT_FSIZE, &savedLimit_);
    std::signal(SIGXFSZ, SIG_DFL);
}

QString FailingWrites::expectedReason() const {
    return fault_ == WriteFault::FullDisk ? QStringLiteral("il disco è pieno")
                                          : QStringLiteral("il file supera la dimensione massima consentita");
}

const char* FailingWrites::nameOf(WriteFault fault) {
    return fault == WriteFault::FullDisk ? "disco pieno" : "limite alla dimensione dei file";
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArrayLiteral("<missing>");
    return f.readAll();
}

}  // namespace razudar::testing
