// The renderer's writes of a page file and of the frame on show, on a full disk or past a limit
// on file sizes: never reported as done, the earlier file of that name kept byte for byte, and
// the reason told in Italian.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

#include "platform/failing_writes.h"
#include "platform/fakes/fake_services.h"
#include "platform/renderer/renderer.h"
#include "renderer_test_support.h"

namespace razudar::testing {
namespace {

using renderer::Renderer;

void expectEarlierFilesKept(WriteFault fault) {
    QTemporaryDir pages;
    FakeClock clock;
    Renderer renderer(clock);
    const QString page = renderer::rtest::writePage(pages.path(), QStringLiteral("p.smb"), QStringLiteral(R"([
        {"name": "Titolo", "type": "text", "x": 10, "y": 20, "w": 300, "h": 40, "text": "Ciao", "color": 255}])"));
    ASSERT_TRUE(renderer.LoadPage(page)) << renderer.lastError().toStdString();
    // The title as `text`, on the output too.
    const auto title = [&](const char* text) {
        ASSERT_TRUE(renderer.SetText(QStringLiteral("Titolo"), QString::fromLatin1(text)));
        ASSERT_TRUE(renderer.Draw(static_cast<QImage*>(nullptr), 0, 0, 0, 0)) << renderer.lastError().toStdString();
    };

    struct Save {
        const char* file;
        const char* told;  // before the reason
        std::function<bool(const QString&)> save;
    };
    const Save saves[] = {
        {"pagina.smb", "Impossibile scrivere il file di pagina '%1': ",
         [&](const QString& path) { return renderer.SavePage(path); }},
        {"schermo.tga", "Impossibile scrivere il file '%1': ", [&](const QString& path) { return renderer.SaveScreen(path); }},
        {"schermo.png", "Impossibile scrivere il file '%1': ", [&](const QString& path) { return renderer.SaveScreen(path); }},
    };
    for (const Save& s : saves) {
        SCOPED_TRACE(s.file);
        title("Ciao");
        FailingWrites writes(fault, 0);
        ASSERT_TRUE(writes.ready()) << writes.why().toStdString();
        const QString path = writes.filePath(QString::fromLatin1(s.file));
        ASSERT_TRUE(s.save(path)) << renderer.lastError().toStdString();
        const QByteArray earlier = fileBytes(path);
        ASSERT_GT(earlier.size(), 50);

        title("Cambiato");
        writes.arm();
        ASSERT_TRUE(writes.ready()) << writes.why().toStdString();
        const bool saved = s.save(path);
        writes.disarm();
        EXPECT_FALSE(saved);
        EXPECT_EQ(renderer.lastError(), QString::fromLatin1(s.told).arg(path) + writes.expectedReason());
        EXPECT_EQ(fileBytes(path), earlier);
        EXPECT_EQ(writes.entries(), QStringList{QString::fromLatin1(s.file)});
    }
}

TEST(RendererSaveFailure, AFullDiskKeepsTheEarlierFilesAndSaysSo) {
    const FailingWrites probe(WriteFault::FullDisk, 0);
    if (!probe.ready()) GTEST_SKIP() << probe.why().toStdString();
    expectEarlierFilesKept(WriteFault::FullDisk);
}

TEST(RendererSaveFailure, AWritePastTheFileSizeLimitKeepsTheEarlierFilesAndSaysSo) {
    expectEarlierFilesKept(WriteFault::FileSizeLimit);
}

// A save whose target is a folder is told as a folder, not as a failed write; the folder stays.
TEST(RendererSaveFailure, AFolderInPlaceOfTheFileIsToldAsAFolder) {
    QTemporaryDir pages;
    FakeClock clock;
    Renderer renderer(clock);
    const QString page = renderer::rtest::writePage(pages.path(), QStringLiteral("p.smb"), QStringLiteral("[]"));
    ASSERT_TRUE(renderer.LoadPage(page)) << renderer.lastError().toStdString();
    const struct {
        const char* file;
        const char* told;
        bool (Renderer::*save)(const QString&);
    } saves[] = {
        {"pagina.smb", "Impossibile scrivere il file di pagina '%1': il nome è quello di una cartella", &Renderer::SavePage},
        {"schermo.tga", "Impossibile scrivere il file '%1': il nome è quello di una cartella", &Renderer::SaveScreen},
        {"schermo.png", "Impossibile scrivere il file '%1': il nome è quello di una cartella", &Renderer::SaveScreen},
    };
    for (const auto& s : saves) {
        SCOPED_TRACE(s.file);
        const QString path = pages.filePath(QString::fromLatin1(s.file));
        ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/dentro")));
        EXPECT_FALSE((renderer.*s.save)(path));
        EXPECT_EQ(renderer.lastError(), QString::fromUtf8(s.told).arg(path));
        EXPECT_TRUE(QFileInfo(path + QStringLiteral("/dentro")).isDir());
    }
    EXPECT_EQ(QDir(pages.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("p.smb")});
}

}  // namespace
}  // namespace razudar::testing
