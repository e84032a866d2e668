#pragma once
// A folder whose file writes fail, for tests of writes that must never be reported as done:
//
// - FullDisk: a tiny tmpfs mounted on a new folder for the test and filled up, so a write fails
//   with "no space left on device" as on a full disk. Mounting needs the right to mount (root
//   with that capability); where it is missing, ready() is false and why() says so.
// - FileSizeLimit: an ordinary temporary folder; while armed, every file this process writes is
//   limited in size (RLIMIT_FSIZE), so a write past the limit fails ("file too large"). Needs no
//   right at all.
//
// Files written before arm() are written normally: that is how a test leaves an earlier file.
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <sys/resource.h>

namespace razudar::testing {

enum class WriteFault { FullDisk, FileSizeLimit };

class FailingWrites {
public:
    // `roomBytes`: what a file may still take once armed (rounded down to whole pages on the
    // full disk); 0 fails the first byte.
    FailingWrites(WriteFault fault, qint64 roomBytes);
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;

    bool ready() const { return why_.isEmpty(); }
    const QString& why() const { return why_; }
    QString filePath(const QString& name) const;
    // The names in the folder (a filler file of the full disk left out).
    QStringList entries() const;

    // From now on writes fail; disarm() (or the end of the object) lifts it.
    void arm();
    void disarm();

    // What the program tells for such a failure.
    QString expectedReason() const;
    static const char* nameOf(WriteFault fault);

private:
    WriteFault fault_;
    qint64 room_;
    QTemporaryDir dir_;
    QString folder_;
    QString why_;
    bool mounted_ = false;
    bool armed_ = false;
    rlimit savedLimit_{};
};

// The bytes of a file ("<missing>" when it cannot be read).
QByteArray fileBytes(const QString& path);

}  // namespace razudar::testing
