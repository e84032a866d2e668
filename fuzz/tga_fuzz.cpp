// The readers of picture files on arbitrary bytes: our TGA reader, and the image reader the
// renderer uses for every picture of a page (Qt's, with its allocation limit). A file is read
// with the size its header gives or refused with a reason; never a crash.
#include <QBuffer>
#include <QImageReader>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz_gui_app.h"
#include "platform/renderer/tga.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

int header16(const QByteArray& in, int at) { return quint8(in[at]) | (quint8(in[at + 1]) << 8); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    razudar::fuzzing::ensureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const QImage image = razudar::renderer::decodeTga(bytes, QStringLiteral("f.tga"), &error);
    if (image.isNull()) {
        require(error.startsWith(QStringLiteral("File TGA 'f.tga' non leggibile: ")));
    } else {
        require(error.isEmpty());
        require(image.width() == header16(bytes, 12) && image.height() == header16(bytes, 14));
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "tga");
    reader.setAutoTransform(true);
    const QImage read = reader.read();
    if (!read.isNull()) (void)read.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return 0;
}
