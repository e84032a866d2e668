// Draws the background bands of the demo graphics pages (PNG with transparency) into the demo
// graphics folder: the title band, the row band of the full pages and the row band of the lower
// third. One palette for every page: a dark blue base, a gold accent.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>
#include <tuple>

#include "platform/renderer/tga.h"

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

// The flags of the demo's nations, drawn in plain bands (as small broadcast flags usually are),
// into Nazionalita/ (60 x 40) and Nazionalita/Miniature/ (30 x 20) as 32-bit TGA pictures.
enum class Bands { Vertical, Horizontal };
struct Flag {
    const char* nation;
    Bands bands;
    QColor a, b, c;
};

void drawFlag(QPainter& p, const Flag& f, int w, int h) {
    if (QLatin1String(f.nation) == QLatin1String("SUI")) {
        p.fillRect(0, 0, w, h, f.a);
        p.fillRect(w * 4 / 10, h / 5, w / 5, h * 3 / 5, Qt::white);
        p.fillRect(w * 3 / 10 - 1, h * 4 / 10, w * 2 / 5 + 2, h / 5, Qt::white);
        return;
    }
    if (QLatin1String(f.nation) == QLatin1String("NOR")) {
        p.fillRect(0, 0, w, h, f.a);
        p.fillRect(w * 5 / 18, 0, w * 4 / 18, h, Qt::white);
        p.fillRect(0, h * 6 / 16, w, h * 4 / 16, Qt::white);
        p.fillRect(w * 6 / 18, 0, w * 2 / 18, h, f.b);
        p.fillRect(0, h * 7 / 16, w, h * 2 / 16, f.b);
        return;
    }
    if (QLatin1String(f.nation) == QLatin1String("USA")) {
        for (int i = 0; i < 13; ++i) p.fillRect(QRectF(0, h * i / 13.0, w, h / 13.0 + 1), i % 2 ? Qt::white : f.a);
        p.fillRect(QRectF(0, 0, w * 0.4, h * 7 / 13.0), f.b);
        return;
    }
    const QColor colours[] = {f.a, f.b, f.c};
    for (int i = 0; i < 3; ++i) {
        if (f.bands == Bands::Vertical) p.fillRect(QRectF(w * i / 3.0, 0, w / 3.0 + 1, h), colours[i]);
        else p.fillRect(QRectF(0, h * i / 3.0, w, h / 3.0 + 1), colours[i]);
    }
}

bool flags(const QDir& folder) {
    const QColor red(206, 17, 38), white(255, 255, 255), blue(0, 56, 147), green(0, 146, 70);
    const Flag all[] = {
        {"ITA", Bands::Vertical, green, white, red},
        {"FRA", Bands::Vertical, blue, white, red},
        {"GER", Bands::Horizontal, QColor(0, 0, 0), red, QColor(255, 206, 0)},
        {"AUT", Bands::Horizontal, red, white, red},
        {"SLO", Bands::Horizontal, white, blue, red},
        {"CRO", Bands::Horizontal, red, white, blue},
        {"SUI", Bands::Horizontal, red, red, red},
        {"NOR", Bands::Horizontal, QColor(186, 12, 47), QColor(0, 32, 91), white},
        {"USA", Bands::Horizontal, QColor(178, 34, 52), QColor(60, 59, 110), white},
    };
    if (!folder.mkpath(QStringLiteral("Nazionalita/Miniature"))) return false;
    for (const Flag& f : all) {
        for (const auto& [sub, w, h] : {std::tuple{QStringLiteral("Nazionalita/"), 60, 40},
                                        std::tuple{QStringLiteral("Nazionalita/Miniature/"), 30, 20}}) {
            QImage image(w, h, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter p(&image);
            drawFlag(p, f, w, h);
            p.setPen(QColor(0, 0, 0, 120));
            p.drawRect(0, 0, w - 1, h - 1);
            p.end();
            QString error;
            if (!razudar::renderer::writeTga(image, folder.filePath(sub + QLatin1String(f.nation) + QStringLiteral(".tga")),
                                             &error)) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                return false;
            }
        }
    }
    return true;
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
                    band(folder.filePath(QStringLiteral("Fondi/bassa.png")), 576, 28, false, 215) && flags(folder);
    return ok ? 0 : 1;
}
