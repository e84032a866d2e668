#pragma once
#include <QFile>
#include <QImage>
#include <QString>

namespace razudar::renderer::rtest {

// Writes a page file with the given objects (a JSON array text) and returns its path.
inline QString writePage(const QString& folder, const QString& fileName, const QString& objectsJson) {
    const QString path = folder + QLatin1Char('/') + fileName;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(QStringLiteral("{\"format\": \"razudar-page\", \"version\": 1, \"objects\": %1}")
                   .arg(objectsJson)
                   .toUtf8());
    return path;
}

inline bool isRedish(QRgb p) { return qAlpha(p) > 100 && qRed(p) > 150 && qGreen(p) < 80 && qBlue(p) < 80; }

// Pixels of `frame` matching `match`, counted inside and outside `area`.
template <typename Match>
std::pair<int, int> countInsideOutside(const QImage& frame, const QRect& area, Match match) {
    int inside = 0, outside = 0;
    const QImage f = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < f.height(); ++y) {
        for (int x = 0; x < f.width(); ++x) {
            if (!match(f.pixel(x, y))) continue;
            (area.contains(x, y) ? inside : outside)++;
        }
    }
    return {inside, outside};
}

inline QRgb pixelAt(const QImage& frame, int x, int y) {
    return frame.convertToFormat(QImage::Format_ARGB32).pixel(x, y);
}

}  // namespace razudar::renderer::rtest

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace razudar::renderer::rtest {

// Makes a small video file with the ffmpeg tool (installed by scripts/setup.sh): `frames`
// frames of one colour at 25 frames a second, MPEG-4 in an AVI file. Empty text on success,
// else the reason.
// `colour` may also name another lavfi source ("testsrc2" gives a moving test pattern).
inline QString makeClip(const QString& path, int frames, int w, int h, const QString& colour = QStringLiteral("red")) {
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) return QStringLiteral("the ffmpeg tool is missing (scripts/setup.sh installs it)");
    QProcess p;
    p.start(ffmpeg, {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                     QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     colour == QLatin1String("testsrc2")
                         ? QStringLiteral("testsrc2=size=%1x%2:rate=25").arg(w).arg(h)
                         : QStringLiteral("color=c=%1:size=%2x%3:rate=25").arg(colour).arg(w).arg(h),
                     QStringLiteral("-frames:v"), QString::number(frames), QStringLiteral("-c:v"),
                     QStringLiteral("mpeg4"), QStringLiteral("-q:v"), QStringLiteral("2"), QStringLiteral("-pix_fmt"),
                     QStringLiteral("yuv420p"), path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QString::fromLocal8Bit(p.readAllStandardError());
    return {};
}

}  // namespace razudar::renderer::rtest
