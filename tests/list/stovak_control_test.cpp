// The text list control through its own members, rendered offscreen.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <limits>

#include "list/stovak.h"

namespace razudar::list {
namespace {

// A control whose inner height holds `rows` whole rows and a little more.
void sizeForRows(Stovak& lst, int rows) {
    const int px = int(std::ceil(rows * lst.AltezzaRiga() / kTwipsPerPixel)) + 2;
    lst.resize(400, px + 2);  // the single border takes a pixel on each side
}

// Rightmost column (and lowest row) of a pixel darker than mid-grey in the control's picture.
int rightmostDark(const QImage& image, int top, int bottom) {
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = top; y < bottom && y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) return x;
    return -1;
}

TEST(StovakRows, ScrollRangeAndClampedValueFollowTheRows) {
    Stovak lst;
    lst.show();  // a placed control, laid out as its window sizes it
    sizeForRows(lst, 30);
    EXPECT_TRUE(lst.setNumeroRighe(QStringLiteral("120")));
    EXPECT_EQ(lst.RigheVisibili(), 30);
    EXPECT_EQ(lst.scrollMaximum(), 90);
    lst.setValue(200);
    EXPECT_EQ(lst.Value(), 90);
    EXPECT_EQ(lst.surfaceTopTwips(), -90 * lst.AltezzaRiga());
    lst.setValue(-5);
    EXPECT_EQ(lst.Value(), 0);
    EXPECT_EQ(lst.surfaceTopTwips(), 0);

    // Fewer rows than fit: raised to the visible rows, nothing to scroll.
    EXPECT_TRUE(lst.setNumeroRighe(QStringLiteral("5")));
    EXPECT_EQ(lst.NumeroRighe(), QStringLiteral("30"));
    EXPECT_EQ(lst.scrollMaximum(), 0);

    // Not a number, or beyond 16 bits: refused, nothing changed.
    EXPECT_FALSE(lst.setNumeroRighe(QStringLiteral("molte")));
    EXPECT_FALSE(lst.setNumeroRighe(QStringLiteral("40000")));
    EXPECT_FALSE(lst.setInterlinea(QStringLiteral("x")));
    EXPECT_EQ(lst.NumeroRighe(), QStringLiteral("30"));
    EXPECT_EQ(lst.Interlinea(), QStringLiteral("0"));
}

TEST(StovakScrivi, RowsPositionsAlignmentAndColour) {
    Stovak lst;
    lst.show();  // a placed control, laid out as its window sizes it
    const double h = lst.AltezzaRiga();
    ASSERT_GT(h, 100);  // a 10-point font is over 100 twips high
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("Terza"), 255, 3));  // red, row 3
    // A new line after it: one line of the font down (a row can be taller than the line).
    EXPECT_EQ(lst.CurrentY(), std::lround(2 * h + lst.TextHeight(QStringLiteral("Terza"))));
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("A"), QVariant(), 4, true));
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("B")));  // continues after "A" on row 4
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("Fine"), 0xff0000, 600, QVariant(), 5000));
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("Centro"), QVariant(), 900, QVariant(), 3000, true, QVariant(), true));
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("Sinistra"), QVariant(), 1200, QVariant(), 3000, true));

    const auto texts = lst.surface().drawing().texts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_DOUBLE_EQ(texts[0].topLeft.y() * kTwipsPerPixel, 2 * h);
    EXPECT_EQ(texts[0].colour, qRgb(255, 0, 0));
    EXPECT_EQ(texts[1].topLeft.y(), texts[2].topLeft.y());
    EXPECT_DOUBLE_EQ(texts[2].topLeft.x(), texts[1].box.right());
    EXPECT_EQ(texts[1].colour, qRgb(255, 0, 0));  // the colour stays until another is given
    EXPECT_NEAR(texts[3].box.right() * kTwipsPerPixel, 5000, 0.01);
    EXPECT_EQ(texts[3].colour, qRgb(0, 0, 255));
    EXPECT_NEAR(texts[3].topLeft.y() * kTwipsPerPixel, 600, 0.01);
    EXPECT_NEAR((texts[4].box.left() + texts[4].box.right()) / 2 * kTwipsPerPixel, 3000, 0.01);
    EXPECT_NEAR(texts[5].box.left() * kTwipsPerPixel, 3000, 0.01);

    // With X, p is required; the failure keeps what was drawn.
    EXPECT_FALSE(lst.Scrivi(QStringLiteral("senza riga"), QVariant(), QVariant(), QVariant(), 100));
    EXPECT_EQ(lst.lastError(), QStringLiteral("Argument not optional"));
    EXPECT_EQ(lst.surface().drawing().texts().size(), 6u);
    EXPECT_FALSE(lst.Scrivi(QStringLiteral("x"), QStringLiteral("rosso")));
    EXPECT_FALSE(lst.Scrivi(QStringLiteral("x"), QVariant(), std::nan("")));
    EXPECT_FALSE(lst.Linea(0, std::numeric_limits<float>::infinity(), 10, 10, 1, 0));
    EXPECT_EQ(lst.surface().drawing().texts().size(), 6u);
}

TEST(StovakScrivi, SizeChangeAppliesToOneTextWithXOnly) {
    Stovak lst;
    lst.show();  // a placed control, laid out as its window sizes it
    const double size = lst.Font().pointSizeF();
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("Grande"), QVariant(), 100, QVariant(), 4000, QVariant(), 2));
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("Normale"), QVariant(), 2, QVariant(), QVariant(), QVariant(), 2));
    EXPECT_DOUBLE_EQ(lst.Font().pointSizeF(), size);
    const auto texts = lst.surface().drawing().texts();
    EXPECT_DOUBLE_EQ(texts[0].font.pointSizeF(), size + 2);
    EXPECT_DOUBLE_EQ(texts[1].font.pointSizeF(), size);
}

TEST(StovakScrivi, RightAlignedTextEndsAtXOnScreen) {
    Stovak lst;
    lst.show();  // a placed control, laid out as its window sizes it
    lst.resize(600, 300);
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("HHHH"), 0, 300, QVariant(), 5000));
    const QImage picture = lst.grab().toImage();
    if (qEnvironmentVariableIsSet("RAZUDAR_SHOTS")) picture.save(QStringLiteral("/tmp/stovak_right.png"));
    // 5000 twips is 333.3 pixels from the surface's left edge (one border pixel further right).
    const int right = rightmostDark(picture.copy(0, 0, 450, 60), 2, 60);
    EXPECT_GE(right, 331);
    EXPECT_LE(right, 335);
}

TEST(StovakScrivi, ManyRowsFromElementOne) {
    Stovak lst;
    lst.show();  // a placed control, laid out as its window sizes it
    ASSERT_TRUE(lst.ScriviPiuRighe({QStringLiteral("zero"), QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre")},
                                   {0, 255, 0x00ff00, 0xff0000}));
    auto texts = lst.surface().drawing().texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, QStringLiteral("uno"));
    EXPECT_DOUBLE_EQ(texts[2].topLeft.y() * kTwipsPerPixel, 2 * lst.AltezzaRiga());
    EXPECT_EQ(texts[2].colour, qRgb(0, 0, 255));

    lst.Pulisci();
    EXPECT_FALSE(lst.ScriviPiuRighe({QString(), QStringLiteral("a"), QStringLiteral("b")}, {0, 0}));
    EXPECT_EQ(lst.lastError(), QStringLiteral("Subscript out of range"));
    EXPECT_EQ(lst.surface().drawing().texts().size(), 1u);  // the row before the error stays
}

TEST(StovakScroll, ScrollingShowsLaterRowsAtTheTop) {
    Stovak lst;
    lst.show();  // a placed control, laid out as its window sizes it
    sizeForRows(lst, 10);
    ASSERT_TRUE(lst.setNumeroRighe(QStringLiteral("40")));
    for (int row = 1; row <= 40; ++row)
        ASSERT_TRUE(lst.Scrivi(QStringLiteral("█████"), row == 4 ? 255 : 0, row));
    lst.setValue(3);
    const QImage picture = lst.grab().toImage();
    // Row 4 (red) is now the first visible row; row 1 (black) is gone from the top.
    const QRgb top = picture.pixel(10, 1 + int(lst.AltezzaRiga() / kTwipsPerPixel / 2));
    EXPECT_GT(qRed(top), 200);
    EXPECT_LT(qGreen(top), 60);
}

TEST(StovakRowScale, RowScaleMapsXToTheSurfaceWidthAndYToRows) {
    Stovak lst;
    lst.show();  // a placed control, laid out as its window sizes it
    lst.resize(500, 100);
    ASSERT_TRUE(lst.setNumeroRighe(QStringLiteral("20")));
    ASSERT_EQ(lst.NumeroRighe(), QStringLiteral("20"));
    ASSERT_TRUE(lst.setInterlinea(QStringLiteral("1")));
    const double fontModeHeight = lst.surface().sizePx().height();
    lst.resize(500, 101);  // the spacing takes effect at the next layout...
    lst.InizializzaAltezze();  // ...and the row scale here
    const double height = lst.surface().sizePx().height();
    EXPECT_NEAR(height, 99 - 50 / kTwipsPerPixel, 0.01);  // the control's height less the margin
    EXPECT_GT(fontModeHeight, height);                     // was all 20 rows
    ASSERT_TRUE(lst.Scrivi(QStringLiteral("fine"), 0, 11, true, 9645));
    const auto text = lst.surface().drawing().texts().at(0);
    EXPECT_NEAR(text.box.right(), lst.surface().sizePx().width(), 0.01);
    EXPECT_NEAR(text.topLeft.y(), height * 10 / 19, 0.01);
    ASSERT_TRUE(lst.Linea(1, 2, 9645, 2, 3, 0));
    EXPECT_EQ(lst.surface().drawing().lines().at(0).widthPx, 3);
    // A line that runs far beyond the surface is kept for its part on it.
    ASSERT_TRUE(lst.Linea(1, -1e30f, 100, 1e30f, 1, 0));
    EXPECT_EQ(lst.surface().drawing().lines().size(), 2u);
}

TEST(StovakMemory, BlanksEraseWhatTheyCoverAndPulisciFreesAll) {
    Stovak lst;
    lst.show();  // a placed control, laid out as its window sizes it
    lst.resize(500, 400);
    ASSERT_TRUE(lst.setInterlinea(QStringLiteral("1")));
    lst.InizializzaAltezze();
    // A monitor refresh repeated: blank the rows, write them again.
    for (int refresh = 0; refresh < 200; ++refresh) {
        for (int row = 1; row <= 10; ++row) {
            lst.Scrivi(QString(200, u' '), 0, row, true, 0, true);
            lst.Scrivi(QStringLiteral("ROSSI %1").arg(refresh), 0, row, true, 2000, true);
        }
    }
    EXPECT_LE(lst.surface().drawing().itemCount(), 20);
    // Far below the surface: never kept.
    lst.Scrivi(QStringLiteral("fuori"), 0, 5000, true, 2000, true);
    EXPECT_LE(lst.surface().drawing().itemCount(), 20);
    lst.Pulisci();
    EXPECT_EQ(lst.surface().drawing().itemCount(), 0);
}

TEST(StovakProperties, KeptAcrossSaveAndLoad) {
    Stovak lst;
    lst.show();  // a placed control, laid out as its window sizes it
    EXPECT_TRUE(lst.saveProperties().isEmpty() || lst.saveProperties().keys() == QStringList{QStringLiteral("Font")});
    sizeForRows(lst, 10);
    QFont font(QStringLiteral("DejaVu Sans Mono"), 12);
    lst.setFont_(font);
    lst.setNumeroRighe(QStringLiteral("60"));
    lst.setBackColor(0x00ffff);
    lst.setValue(7);
    lst.setBorderStyle(0);
    EXPECT_TRUE(lst.propertiesChanged());
    const QVariantMap stored = lst.saveProperties();
    EXPECT_FALSE(lst.propertiesChanged());
    EXPECT_FALSE(stored.contains(QStringLiteral("Interlinea")));  // still its default

    Stovak again;
    again.show();
    sizeForRows(again, 10);
    again.loadProperties(stored);
    EXPECT_EQ(again.NumeroRighe(), QStringLiteral("60"));
    EXPECT_EQ(again.Font(), font);
    EXPECT_EQ(again.BackColor(), 0x00ffff);
    EXPECT_EQ(again.Value(), 7);
    EXPECT_EQ(again.BorderStyle(), 0);
    EXPECT_EQ(again.saveProperties(), stored);
}

}  // namespace
}  // namespace razudar::list
