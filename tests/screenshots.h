#pragma once
// Pictures saved for a person to look at: RAZUDAR_SCREENSHOTS names the folder (outside the
// repository); without it nothing is saved. Every saved picture is checked to hold a drawing:
// not empty, and more than one colour.
#include <QImage>
#include <QPixmap>
#include <QString>

#include <gtest/gtest.h>

namespace razudar::screenshots {

// The folder, "" when pictures are not wanted.
inline QString folder() { return qEnvironmentVariable("RAZUDAR_SCREENSHOTS"); }

// Expects the picture file at `path` to hold a drawing.
inline void expectDrawn(const QString& path) {
    const QImage picture(path);
    ASSERT_FALSE(picture.isNull()) << path.toStdString() << " was not saved";
    const QRgb first = picture.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < picture.height() && !varied; ++y)
        for (int x = 0; x < picture.width() && !varied; ++x) varied = picture.pixel(x, y) != first;
    EXPECT_TRUE(varied) << path.toStdString() << " is one colour";
}

// Saves `picture` as <folder>/<name>.png when pictures are wanted, and checks it.
inline void save(const QImage& picture, const QString& name) {
    if (folder().isEmpty()) return;
    const QString path = folder() + QLatin1Char('/') + name + QStringLiteral(".png");
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
    expectDrawn(path);
}
inline void save(const QPixmap& picture, const QString& name) { save(picture.toImage(), name); }

}  // namespace razudar::screenshots
