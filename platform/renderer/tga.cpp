#include "platform/renderer/tga.h"

#include <QFile>

#include "platform/files/file_failure.h"
#include "platform/files/whole_file.h"

namespace razudar::renderer {

namespace {
constexpr int kHeaderSize = 18;
constexpr quint8 kUncompressedTrueColour = 2;
constexpr quint8 kTopLeftOrigin = 0x20;

void put16(QByteArray& out, int at, quint16 v) {
    out[at] = char(v & 0xFF);
    out[at + 1] = char(v >> 8);
}
quint16 get16(const QByteArray& in, int at) {
    return quint16(quint8(in[at])) | quint16(quint8(in[at + 1]) << 8);
}
}  // namespace

bool writeTga(const QImage& image, const QString& path, QString* error) {
    if (image.isNull() || image.width() > 0xFFFF || image.height() > 0xFFFF) {
        if (error) *error = QStringLiteral("Immagine non valida per un file TGA");
        return false;
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray out(kHeaderSize, '\0');
    out[2] = char(kUncompressedTrueColour);
    put16(out, 12, quint16(argb.width()));
    put16(out, 14, quint16(argb.height()));
    out[16] = char(32);                       // bits per pixel
    out[17] = char(kTopLeftOrigin | 8);       // origin and alpha bits
    out.reserve(kHeaderSize + argb.width() * argb.height() * 4);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = line[x];
            out.append(char(qBlue(p)));
            out.append(char(qGreen(p)));
            out.append(char(qRed(p)));
            out.append(char(qAlpha(p)));
        }
    }
    // TGA 2.0 footer: no extension or developer area, then the signature. Readers that insist
    // on a "new" TGA (Qt's plug-in among them) need it.
    out.append(QByteArray(8, '\0'));
    out.append("TRUEVISION-XFILE.", 17);
    out.append('\0');
    QString reason;
    if (files::writeWholeFile(path, out, &reason)) return true;
    if (error) *error = QStringLiteral("Impossibile scrivere il file '%1': %2").arg(path, reason);
    return false;
}

QImage readTga(const QString& path, QString* error) {
    QFile file(path);
    QString reason;
    if (!files::openForReading(file, &reason)) {
        if (error) *error = QStringLiteral("File TGA '%1' non leggibile: %2").arg(path, reason);
        return QImage();
    }
    return decodeTga(file.readAll(), path, error);
}

QImage decodeTga(const QByteArray& in, const QString& source, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = QStringLiteral("File TGA '%1' non leggibile: %2").arg(source, why);
        return QImage();
    };
    if (in.size() < kHeaderSize) return fail(QStringLiteral("intestazione troncata"));
    const int idLength = quint8(in[0]);
    const int colourMapType = quint8(in[1]);
    const int imageType = quint8(in[2]);
    const int width = get16(in, 12);
    const int height = get16(in, 14);
    const int bpp = quint8(in[16]);
    const bool topLeft = (quint8(in[17]) & kTopLeftOrigin) != 0;
    if (colourMapType != 0 || imageType != kUncompressedTrueColour) {
        return fail(QStringLiteral("solo immagini non compresse a colori sono lette"));
    }
    if (bpp != 24 && bpp != 32) return fail(QStringLiteral("profondità %1 non gestita").arg(bpp));
    if (width == 0 || height == 0) return fail(QStringLiteral("dimensioni nulle"));
    const int bytesPerPixel = bpp / 8;
    const qint64 needed = qint64(kHeaderSize) + idLength + qint64(width) * height * bytesPerPixel;
    if (in.size() < needed) return fail(QStringLiteral("dati troncati"));

    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) return fail(QStringLiteral("memoria insufficiente per %1 x %2 punti").arg(width).arg(height));
    const auto* data = reinterpret_cast<const quint8*>(in.constData()) + kHeaderSize + idLength;
    for (int row = 0; row < height; ++row) {
        const int y = topLeft ? row : height - 1 - row;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const quint8* src = data + qint64(row) * width * bytesPerPixel;
        for (int x = 0; x < width; ++x, src += bytesPerPixel) {
            const int alpha = bytesPerPixel == 4 ? src[3] : 255;
            line[x] = qRgba(src[2], src[1], src[0], alpha);
        }
    }
    return image;
}

}  // namespace razudar::renderer
