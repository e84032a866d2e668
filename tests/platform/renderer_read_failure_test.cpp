// A page file or a picture that cannot be read is told in Italian by the kind of its fault (a
// missing file, no permission to read it, a folder in its place, a text not valid at a line):
// the system's and the parser's English words reach the log only.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/log_capture.h"
#include "platform/renderer/page_file.h"
#include "platform/renderer/tga.h"

using namespace razudar;
using namespace razudar::renderer;
using razudar::testing::LogCapture;

namespace {

enum class Fault { Missing, Unreadable, Folder };

struct Reader {
    const char* name;
    const char* shownBefore;  // the reader's own words before the file's path
    const char* shownAfter;   // ... and after it, before the reason
    QString (*read)(const QString& path);
};

QString readPage(const QString& path) {
    QString error;
    return readPageFile(path, &error) ? QStringLiteral("<letta>") : error;
}

QString readPicture(const QString& path) {
    QString error;
    return readTga(path, &error).isNull() ? error : QStringLiteral("<letta>");
}

const Reader kReaders[] = {
    {"pagina", "Impossibile leggere il file di pagina '", "': ", &readPage},
    {"immagine", "File TGA '", "' non leggibile: ", &readPicture},
};

// What Qt's own text says for the open: the words the log keeps and the operator never reads.
QString systemText(const QString& path) {
    QFile probe(path);
    return probe.open(QIODevice::ReadOnly) ? QString() : probe.errorString();
}

TEST(ReadFailure, EachReaderTellsTheKindInItalianAndLogsTheSystemText) {
    const struct {
        Fault fault;
        const char* reason;
    } cases[] = {
        {Fault::Missing, "file mancante"},
        {Fault::Unreadable, "permesso di lettura negato"},
        {Fault::Folder, "il nome è quello di una cartella"},
    };
    for (const Reader& reader : kReaders) {
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << reader.name << ' ' << c.reason);
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("Partenti.smb"));
            if (c.fault == Fault::Unreadable) {
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write("{}");
                file.close();
                ASSERT_TRUE(file.setPermissions(QFileDevice::WriteOwner));
                // The super-user reads it all the same: there is no fault to tell.
                if (::access(QFile::encodeName(path).constData(), R_OK) == 0) continue;
            } else if (c.fault == Fault::Folder) {
                ASSERT_TRUE(QDir().mkpath(path));
            }
            const QString english = systemText(path);
            ASSERT_FALSE(english.isEmpty());
            LogCapture log;
            const QString shown = reader.read(path);
            EXPECT_EQ(shown.toStdString(),
                      reader.shownBefore + path.toStdString() + reader.shownAfter + c.reason);
            EXPECT_FALSE(shown.contains(english));
            ASSERT_EQ(log.linesWith(english).size(), 1) << log.lines().join(u'\n').toStdString();
            EXPECT_TRUE(log.linesWith(english)[0].contains(path));
        }
    }
}

TEST(ReadFailure, APageFileWithBrokenTextNamesTheLine) {
    const struct {
        const char* text;
        const char* reason;
    } cases[] = {
        {"{\"format\": \"razudar-page\",\n\"version\": 1,\n\"objects\": [{\"name\": \"Nome}]}",
         "testo non valido alla riga 3 (testo tra virgolette non chiuso)"},
        {"{\n  \"format\": \"razudar-page\"\n  \"version\": 1\n}", "testo non valido alla riga 3 (oggetto non chiuso)"},
        {"{\"format\": \"razudar-page\",\r\n\"version\": 1,\r\n\"objects\": [{\"x\": tre}]}",
         "testo non valido alla riga 3 (valore non valido)"},
        {"{\"format\": \"razudar-page\", \"version\": 1, \"objects\": []}\n}", "testo non valido alla riga 2 (altro testo dopo la fine)"},
        {"", "testo non valido alla riga 1 (valore non valido)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Partenti.smb"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.text);
        file.close();
        QJsonParseError parse{};
        QJsonDocument::fromJson(c.text, &parse);
        const QString english = parse.errorString();
        LogCapture log;
        const QString shown = readPage(path);
        EXPECT_EQ(shown.toStdString(),
                  (QStringLiteral("Il file '") + path + QStringLiteral("' non è una pagina valida: ")).toStdString() +
                      c.reason);
        EXPECT_FALSE(shown.contains(english));
        ASSERT_EQ(log.linesWith(english).size(), 1) << log.lines().join(u'\n').toStdString();
        EXPECT_TRUE(log.linesWith(english)[0].contains(path));
    }
}

}  // namespace
