// The page-file reader on arbitrary text, and the renderer on every page it accepts: a page is
// either refused with a reason naming the file or read; a page read is written back to the same
// text it reads again as, and draws a few frames (running texts, crawls and rolls under way)
// without a crash and within the frame's memory.
#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz_gui_app.h"
#include "platform/renderer/page_file.h"
#include "platform/renderer/scene.h"

namespace {

using namespace razudar::renderer;

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    razudar::fuzzing::ensureGuiApplication();
    static QTemporaryDir folder;  // a graphics folder with no pictures
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const auto page = parsePage(text, QStringLiteral("f.smb"), &error);
    if (!page) {
        require(error.startsWith(QStringLiteral("Il file 'f.smb' non è una pagina valida: ")));
        return 0;
    }
    for (const ObjectDefinition& o : page->objects) {
        require(o.layout.w >= 0 && o.layout.w <= kMaxObjectExtentPx && o.layout.h >= 0 && o.layout.h <= kMaxObjectExtentPx);
        require(std::abs(o.layout.x) <= kMaxObjectExtentPx && std::abs(o.layout.y) <= kMaxObjectExtentPx);
    }
    const QByteArray written = serializePage(*page);
    QString again;
    const auto reread = parsePage(written, QStringLiteral("f.smb"), &again);
    require(reread.has_value());
    require(serializePage(*reread) == written);

    Scene scene;
    scene.load(*page, folder.path());
    QImage frame = emptyFrame();
    for (const qint64 ms : {qint64(0), qint64(1500), qint64(987654)}) {
        FrameTime time;
        time.monotonicMs = ms;
        time.pageRunningMs = ms;
        time.pageRunning = true;
        time.wallTime = QDateTime(QDate(2024, 2, 18), QTime(10, 0)).addMSecs(ms);
        paintScene(scene, frame, time, {});
    }
    // What the objects keep between frames stays within a few frames' worth of pixels.
    for (int i = 0; i < scene.count(); ++i) {
        const QImage& sprite = scene.at(i).textSprite;
        require(qint64(sprite.width()) * sprite.height() <= qint64(4) * kFrameWidth * kFrameHeight + 1);
    }
    return 0;
}
