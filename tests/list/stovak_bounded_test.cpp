// The text list control written far more often than a list has rows (a clock at one spot,
// texts laid over texts): what it keeps stays bounded and paints as the drawings did; and a
// row wider than the surface scrolls into view sideways.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "list/stovak.h"

namespace razudar::list {
namespace {

constexpr int kDotsPerMetre = 3780;  // 96 dots per inch

// Columns of the list's view (right of its border, left of the scroll bar) that hold a pixel
// darker than mid-grey between rows top and bottom, counted from the view's left.
std::pair<int, int> darkColumns(const QImage& image, int viewWidth, int top, int bottom) {
    int first = -1, last = -1;
    for (int x = 1; x <= viewWidth; ++x)
        for (int y = top; y < bottom && y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = x - 1;
                last = x - 1;
                break;
            }
    return {first, last};
}

TEST(StovakMemory, OneSpotWrittenOverAndOverKeepsABandAtMost) {
    Stovak lst;
    lst.resize(500, 300);
    lst.show();
    // A running time rewritten at one place, in font mode (a row) and with X (right-aligned).
    for (int i = 0; i < 20000; ++i) {
        ASSERT_TRUE(lst.Scrivi(QStringLiteral("1:%1").arg(i, 5, 10, QLatin1Char('0')), QVariant(), 3));
        ASSERT_TRUE(lst.Scrivi(QString::number(i), i % 2 ? 0xff : 0, 600, true, 5000));
    }
    const SurfaceDrawing& drawing = lst.surface().drawing();
    EXPECT_LE(drawing.itemCount(), SurfaceDrawing::kDefaultBandLimit);
    // Both spots lie in the first band: one picture of the surface's width and a band's height.
    EXPECT_LE(drawing.pictureBytes(), qsizetype(lst.surface().sizePx().width() + 1) * 64 * 4);
    // The last writes are still kept one by one.
    const auto texts = drawing.texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().text, QStringLiteral("19999"));
    lst.Pulisci();
    EXPECT_EQ(drawing.itemCount(), 0);
    EXPECT_EQ(drawing.pictureBytes(), 0);
}

// The same drawings on a surface that flattens a band after four of them and on one that
// never does: the two pictures agree to the rounding of the blend.
TEST(StovakMemory, FlattenedBandsPaintWhatTheDrawingsPainted) {
    const QSizeF extent(300, 200);
    SurfaceDrawing flattening(4), kept(1000000);
    flattening.setExtent(extent);
    kept.setExtent(extent);
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(kDotsPerMetre);
    device.setDotsPerMeterY(kDotsPerMetre);
    const QFont font(QStringLiteral("DejaVu Sans"), 12);
    const QFontMetricsF metrics(font, &device);
    const QRgb colours[] = {qRgb(200, 0, 0), qRgb(0, 120, 0), qRgb(0, 0, 220), qRgb(0, 0, 0)};
    for (int i = 0; i < 240; ++i) {
        DrawnText t;
        // Rows that straddle the 64-pixel bands, texts laid over one another.
        t.topLeft = QPointF((i * 37) % 220, (i * 23) % 180);
        t.text = i % 9 == 8 ? QString(6, u' ') : QStringLiteral("T%1").arg(i * 7);
        t.font = font;
        t.colour = colours[i % 4];
        t.ascent = metrics.ascent();
        t.advance = metrics.horizontalAdvance(t.text);
        t.box = QRectF(t.topLeft, QSizeF(t.advance, metrics.height()));
        flattening.addText(t);
        kept.addText(t);
        if (i % 11 == 0) {
            // Rules across the surface and down it, some on a band's edge.
            const QLineF rule = i % 2 ? QLineF(0, (i * 13) % 200, 300, (i * 13) % 200)
                                      : QLineF((i * 17) % 300, 10, (i * 17) % 300, 190);
            const DrawnLine line{rule, 1 + i % 3, colours[(i + 1) % 4]};
            flattening.addLine(line);
            kept.addLine(line);
        }
    }
    EXPECT_LT(flattening.itemCount(), kept.itemCount() / 4);
    EXPECT_GT(flattening.pictureBytes(), 0);
    const auto paint = [&extent](const SurfaceDrawing& drawing) {
        QImage image(extent.toSize(), QImage::Format_RGB32);
        image.setDotsPerMeterX(kDotsPerMetre);
        image.setDotsPerMeterY(kDotsPerMetre);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        drawing.paint(painter, QRectF(QPointF(0, 0), extent), Qt::white);
        return image;
    };
    const QImage a = paint(flattening), b = paint(kept);

    int differing = 0, worst = 0, inked = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            differing += d > 0;
            worst = std::max(worst, d);
            inked += q != qRgb(255, 255, 255);
        }
    EXPECT_GT(inked, 2000);  // there is something to compare
    EXPECT_LE(worst, 3) << differing;
}

TEST(StovakScroll, ARowWiderThanTheSurfaceScrollsSideways) {
    Stovak lst;
    lst.resize(300, 200);
    lst.show();
    ASSERT_TRUE(lst.setNumeroRighe(QStringLiteral("40")));  // the rows counted for this size
    const int visibleRows = lst.RigheVisibili();
    std::vector<int> moved;
    QObject::connect(&lst, &Stovak::horizontalOffsetChanged, [&moved](int px) { moved.push_back(px); });
    // A row of figures with no blanks, 480 pixels wide in the list's face.
    const QString row = QStringLiteral("0123456789").repeated(6);
    ASSERT_TRUE(lst.Scrivi(row, 0, 1));
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("corta"), 0, 2));
    EXPECT_EQ(lst.horizontalMaximum(), 0);  // the range follows once the writes are done
    QCoreApplication::processEvents();
    const double advance = lst.surface().textWidthPx(row);
    // What shows ends at the vertical scroll bar; at the right end 4 pixels follow the row.
    const int view = lst.findChildren<QScrollBar*>().first()->x() - lst.contentsRect().left();
    EXPECT_LT(view, int(lst.surface().sizePx().width()));
    EXPECT_EQ(lst.horizontalMaximum(), int(std::ceil(advance + 4 - view)));
    // The scroll bar takes the bottom: a row fewer fits, and the last row still scrolls into view.
    const int bar = lst.findChildren<QScrollBar*>().last()->height();
    ASSERT_GT(bar, 5);
    EXPECT_EQ(lst.RigheVisibili(), int((lst.contentsRect().height() - bar) * kTwipsPerPixel / lst.AltezzaRiga()));
    EXPECT_LT(lst.RigheVisibili(), visibleRows);
    EXPECT_EQ(lst.scrollMaximum(), 40 - lst.RigheVisibili());

    // Scrolled to the end: the row's last figure is at the right of the view, its start is gone.
    lst.setHorizontalOffset(100000);
    EXPECT_EQ(lst.horizontalOffset(), lst.horizontalMaximum());
    EXPECT_EQ(moved, std::vector<int>{lst.horizontalMaximum()});
    const int rowPx = int(lst.AltezzaRiga() / kTwipsPerPixel);
    QImage picture = lst.grab().toImage();
    auto [first, last] = darkColumns(picture, view, 2, rowPx);
    EXPECT_GT(last, view - 12);
    EXPECT_LT(last, view - 2);
    // A refresh (cleared and written again) keeps the operator's sideways position.
    lst.Pulisci();
    ASSERT_TRUE(lst.Scrivi(row, 0, 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(lst.horizontalOffset(), lst.horizontalMaximum());

    // Back to the left edge: the row starts at the view's left.
    lst.setHorizontalOffset(0);
    picture = lst.grab().toImage();
    std::tie(first, last) = darkColumns(picture, view, 2, rowPx);
    EXPECT_LE(first, 3);
    EXPECT_GE(last, view - 8);  // cut at the view's edge

    // A count below the visible rows is raised to them, with the scroll bar shown or not:
    // nothing to scroll up and down.
    ASSERT_TRUE(lst.setNumeroRighe(QStringLiteral("3")));
    EXPECT_EQ(lst.scrollMaximum(), 0);
    lst.Pulisci();
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("corta"), 0, 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(lst.NumeroRighe(), QString::number(visibleRows));
    ASSERT_TRUE(lst.Scrivi(row, 0, 2));
    QCoreApplication::processEvents();
    EXPECT_GT(lst.horizontalMaximum(), 0);
    EXPECT_EQ(lst.NumeroRighe(), QString::number(lst.RigheVisibili()));
    EXPECT_EQ(lst.scrollMaximum(), 0);

    // Nothing wider than the surface: no sideways range.
    lst.Pulisci();
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("corta"), 0, 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(lst.horizontalMaximum(), 0);
    EXPECT_EQ(lst.RigheVisibili(), visibleRows);
}

TEST(StovakScroll, RowScaleModeNeverScrollsSideways) {
    Stovak lst;
    lst.resize(300, 200);
    lst.show();
    ASSERT_TRUE(lst.setInterlinea(QStringLiteral("1")));
    lst.InizializzaAltezze();
    ASSERT_TRUE(lst.Scrivi(QString(80, u'W'), 0, 2, true, 1, true));
    QCoreApplication::processEvents();
    EXPECT_EQ(lst.horizontalMaximum(), 0);
}

}  // namespace
}  // namespace razudar::list
