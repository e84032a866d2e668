#pragma once
#include <QImage>
#include <QString>

namespace razudar::renderer {

// Writes a 720 x 576 frame to a picture file: ".tga" as uncompressed 32-bit TGA, other
// suffixes (".png", ".bmp", ".jpg" ...) through Qt's image writers. False with the reason in
// `error` (Italian) when the format is unknown or the file cannot be written.
bool saveFrameFile(const QImage& frame, const QString& path, QString* error);

// The two planes composed as the board puts them on air: plane 1 over plane 0 (either may be
// null: nothing drawn).
QImage composePlanes(const QImage& plane0, const QImage& plane1);

}  // namespace razudar::renderer
