// Draws the background bands of the demo graphics pages (PNG with transparency) into the demo
// graphics folder: the title band, the row band of the full pages and the row band of the lower
// third. One palette for every page: a dark blue base, a gold accent.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

const QColor kBaseTop(18, 38, 84, 228);
const QColor kBaseBottom(8, 20, 52, 228);
const QColor kAccent(255, 200, 40, 255);

bool band(const QString& path, int w, int h, bool accentLine, int alpha) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, h);
    QColor top = kBaseTop;
    QColor bottom = kBaseBottom;
    top.setAlpha(alpha);
    bottom.setAlpha(alpha);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(0, 0, w, h, g);
    p.fillRect(0, 0, w, 1, QColor(255, 255, 255, 60));
    if (accentLine) p.fillRect(0, h - 3, w, 3, kAccent);
    p.end();
    return image.save(path);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_page_art <graphics folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("Fondi"))) return 1;
    const bool ok = band(folder.filePath(QStringLiteral("Fondi/titolo.png")), 600, 86, true, 230) &&
                    band(folder.filePath(QStringLiteral("Fondi/riga.png")), 576, 31, false, 205) &&
                    band(folder.filePath(QStringLiteral("Fondi/bassa.png")), 576, 28, false, 215);
    return ok ? 0 : 1;
}
