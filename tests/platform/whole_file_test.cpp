// A file written whole or not at all: the content in place when every byte reached the disk;
// on a full disk, past a file size limit, or when the content cannot be made, the earlier file
// stays byte for byte, no temporary file is left, and the reason is told in Italian.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/failing_writes.h"
#include "platform/files/whole_file.h"

namespace razudar::testing {
namespace {

const QByteArray kEarlier = QByteArrayLiteral("export precedente, intero\n");

TEST(WholeFile, WritesTheContentAndLeavesNothingElse) {
    FailingWrites folder(WriteFault::FileSizeLimit, 0);
    ASSERT_TRUE(folder.ready()) << folder.why().toStdString();
    const QString path = folder.filePath(QStringLiteral("classifica.txt"));
    QString reason = QStringLiteral("untouched");
    ASSERT_TRUE(files::writeWholeFile(path, kEarlier, &reason));
    EXPECT_EQ(reason, QStringLiteral("untouched"));
    const QByteArray big(300 * 1024, 'x');  // larger than Qt's write buffer
    ASSERT_TRUE(files::writeWholeFile(path, big, nullptr));
    EXPECT_EQ(fileBytes(path), big);
    ASSERT_TRUE(files::writeWholeFile(path, QByteArray(), nullptr));
    EXPECT_EQ(fileBytes(path), QByteArray());
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("classifica.txt")});
}

struct FailedWrite {
    qint64 roomBytes;
    qsizetype contentBytes;
};

// Small contents stay in Qt's write buffer until the end; large ones go straight to the disk and
// are cut where the room ends.
constexpr FailedWrite kFailedWrites[] = {
    {0, 100}, {0, 200 * 1024}, {50, 100}, {8192, 20 * 1024}, {8192, 200 * 1024},
};

void expectEarlierFileKept(WriteFault fault) {
    for (const FailedWrite& c : kFailedWrites) {
        SCOPED_TRACE(::testing::Message() << "room " << c.roomBytes << ", content " << c.contentBytes);
        FailingWrites folder(fault, c.roomBytes);
        ASSERT_TRUE(folder.ready()) << folder.why().toStdString();
        const QString path = folder.filePath(QStringLiteral("classifica.htm"));
        ASSERT_TRUE(files::writeWholeFile(path, kEarlier, nullptr));
        folder.arm();
        ASSERT_TRUE(folder.ready()) << folder.why().toStdString();
        QString reason;
        EXPECT_FALSE(files::writeWholeFile(path, QByteArray(c.contentBytes, 'n'), &reason));
        EXPECT_EQ(reason, folder.expectedReason());
        folder.disarm();
        EXPECT_EQ(fileBytes(path), kEarlier);
        EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("classifica.htm")});
    }
}

TEST(WholeFile, AFullDiskKeepsTheEarlierFileAndSaysSo) {
    const FailingWrites probe(WriteFault::FullDisk, 0);
    if (!probe.ready()) GTEST_SKIP() << probe.why().toStdString();
    expectEarlierFileKept(WriteFault::FullDisk);
}

TEST(WholeFile, AWritePastTheFileSizeLimitKeepsTheEarlierFileAndSaysSo) {
    expectEarlierFileKept(WriteFault::FileSizeLimit);
}

TEST(WholeFile, AContentThatCannotBeMadeKeepsTheEarlierFileWithItsReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pagina.json"));
    ASSERT_TRUE(files::writeWholeFile(path, kEarlier, nullptr));
    const auto halfThenFail = [](QIODevice& device, QString* reason) {
        device.write("meta");
        *reason = QStringLiteral("impossibile creare il PDF");
        return false;
    };
    QString reason;
    EXPECT_FALSE(files::writeWholeFile(path, halfThenFail, &reason));
    EXPECT_EQ(reason, QStringLiteral("impossibile creare il PDF"));
    // A filler that fails without a reason of its own is a write that failed.
    EXPECT_FALSE(files::writeWholeFile(path, [](QIODevice&, QString*) { return false; }, &reason));
    EXPECT_EQ(reason, QStringLiteral("errore di scrittura sul disco"));
    EXPECT_EQ(fileBytes(path), kEarlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("pagina.json")});

    EXPECT_FALSE(files::writeWholeFile(dir.filePath(QStringLiteral("manca/pagina.json")), kEarlier, &reason));
    EXPECT_EQ(reason, QStringLiteral("la cartella non esiste"));
}

TEST(WholeFile, EachFailureIsToldInItalian) {
    struct Case {
        int systemError;
        QFileDevice::FileError fileError;
        const char* text;
    };
    const Case cases[] = {
        {ENOSPC, QFileDevice::WriteError, "il disco è pieno"},
        {EDQUOT, QFileDevice::WriteError, "il disco è pieno"},
        {0, QFileDevice::ResourceError, "il disco è pieno"},
        {EFBIG, QFileDevice::WriteError, "il file supera la dimensione massima consentita"},
        {EACCES, QFileDevice::OpenError, "permesso negato nella cartella"},
        {0, QFileDevice::PermissionsError, "permesso negato nella cartella"},
        {EROFS, QFileDevice::OpenError, "il disco è protetto da scrittura"},
        {ENOENT, QFileDevice::OpenError, "la cartella non esiste"},
        {EISDIR, QFileDevice::OpenError, "il nome è quello di una cartella"},
        {ENAMETOOLONG, QFileDevice::OpenError, "il nome del file è troppo lungo"},
        {EMFILE, QFileDevice::OpenError, "troppi file aperti"},
        {EIO, QFileDevice::WriteError, "errore di lettura o scrittura sul disco"},
        {0, QFileDevice::OpenError, "il file non può essere creato"},
        {0, QFileDevice::WriteError, "errore di scrittura sul disco"},
        {EPIPE, QFileDevice::UnspecifiedError, "errore di scrittura sul disco"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(files::writeFailureReason(c.systemError, c.fileError), QString::fromUtf8(c.text)) << c.systemError;
}

TEST(WholeFile, AFolderInPlaceOfTheFileIsToldAsAFolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("classifica.htm"));
    ASSERT_TRUE(QDir().mkpath(path));
    QString reason;
    EXPECT_FALSE(files::writeWholeFile(path, kEarlier, &reason));
    EXPECT_EQ(reason, QStringLiteral("il nome è quello di una cartella"));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(WholeFile, EachReadFailureIsToldInItalian) {
    const struct {
        int systemError;
        QFileDevice::FileError fileError;
        const char* text;
    } cases[] = {
        {ENOENT, QFileDevice::OpenError, "file mancante"},
        {ENOTDIR, QFileDevice::OpenError, "file mancante"},
        {EACCES, QFileDevice::OpenError, "permesso di lettura negato"},
        {EPERM, QFileDevice::OpenError, "permesso di lettura negato"},
        {0, QFileDevice::PermissionsError, "permesso di lettura negato"},
        {EISDIR, QFileDevice::OpenError, "il nome è quello di una cartella"},
        {ENAMETOOLONG, QFileDevice::OpenError, "il nome del file è troppo lungo"},
        {ENFILE, QFileDevice::OpenError, "troppi file aperti"},
        {EIO, QFileDevice::ReadError, "errore di lettura o scrittura sul disco"},
        {0, QFileDevice::OpenError, "il file non può essere aperto"},
        {0, QFileDevice::ReadError, "errore di lettura dal disco"},
        {EPIPE, QFileDevice::UnspecifiedError, "errore di lettura dal disco"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(files::readFailureReason(c.systemError, c.fileError), QString::fromUtf8(c.text)) << c.systemError;
}

}  // namespace
}  // namespace razudar::testing
