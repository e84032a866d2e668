#include "platform/renderer/frame_file.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include "platform/files/whole_file.h"
#include "platform/renderer/scene.h"
#include "platform/renderer/tga.h"

namespace razudar::renderer {

bool saveFrameFile(const QImage& frame, const QString& path, QString* error) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("tga")) return writeTga(frame, path, error);
    if (suffix.isEmpty() || !QImageWriter::supportedImageFormats().contains(suffix.toLatin1())) {
        if (error) *error = QStringLiteral("Formato di immagine non gestito: '%1'").arg(path);
        return false;
    }
    const bool hasAlpha = suffix == QLatin1String("png") || suffix == QLatin1String("tiff") ||
                          suffix == QLatin1String("tif") || suffix == QLatin1String("webp");
    const QImage out = hasAlpha ? frame.convertToFormat(QImage::Format_ARGB32)
                                : frame.convertToFormat(QImage::Format_RGB32);
    const auto encode = [&](QIODevice& device, QString* reason) {
        QImageWriter writer(&device, suffix.toLatin1());
        if (writer.write(out)) return true;
        // The encoder's own text is English; a failure of the file itself is told by the writer.
        if (reason) *reason = QStringLiteral("immagine non codificabile nel formato %1").arg(suffix);
        return false;
    };
    QString reason;
    if (files::writeWholeFile(path, encode, &reason)) return true;
    if (error) *error = QStringLiteral("Impossibile scrivere il file '%1': %2").arg(path, reason);
    return false;
}

QImage composePlanes(const QImage& plane0, const QImage& plane1) {
    QImage frame = emptyFrame();
    QPainter painter(&frame);
    if (!plane0.isNull()) painter.drawImage(QPoint(0, 0), plane0);
    if (!plane1.isNull()) painter.drawImage(QPoint(0, 0), plane1);
    return frame;
}

}  // namespace razudar::renderer
