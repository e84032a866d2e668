#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

namespace razudar::renderer {

// Writes `image` as an uncompressed 32-bit TGA (type 2, BGRA, 8 alpha bits, top-left origin,
// with the TGA 2.0 footer).
// Returns false with the reason in `error` when the file cannot be written.
bool writeTga(const QImage& image, const QString& path, QString* error);
// Reads an uncompressed 24- or 32-bit TGA (either origin). A null image with the reason in
// `error` for anything else.
QImage readTga(const QString& path, QString* error);
// The same for the bytes of a file; `source` names it in the reason.
QImage decodeTga(const QByteArray& bytes, const QString& source, QString* error);

}  // namespace razudar::renderer
