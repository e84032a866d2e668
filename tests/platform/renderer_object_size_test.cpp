// Object sizes: a page file cannot ask for objects beyond the reader's range, and an object of
// any size set at run time costs at most a frame's worth of drawing, with the same pixels in
// the frame as an object of ordinary size.
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/renderer/page_file.h"
#include "platform/renderer/scene.h"
#include "renderer_test_support.h"

using namespace razudar::renderer;

namespace {

QString parseError(const QByteArray& object) {
    QString error;
    const auto page =
        parsePage(R"({"format": "razudar-page", "version": 1, "objects": [)" + object + "]}", QStringLiteral("p.smb"), &error);
    return page ? QStringLiteral("<ok>") : error;
}

ObjectDefinition textObject(const QString& name, int x, int y, int w, int h, HAlign align, int outline) {
    ObjectDefinition o;
    o.layout.name = name;
    o.layout.type = ObjectType::Text;
    o.layout.x = x;
    o.layout.y = y;
    o.layout.w = w;
    o.layout.h = h;
    o.text = QStringLiteral("Giovanni Bàrtoli\nANDORRA 1:23.45");
    o.style.fontName = QStringLiteral("DejaVu Sans");
    o.style.fontSizePx = 30;
    o.style.colour = 0x0000FF;  // red
    o.style.outlineColour = 0xFFFFFF;
    o.style.outlineWidthPx = outline;
    o.style.hAlign = align;
    o.style.vAlign = VAlign::Middle;
    return o;
}

// The frame of a page holding the one object, and the drawn picture the object keeps.
struct Drawn {
    QImage frame;
    QSize sprite;
};

Drawn draw(const ObjectDefinition& object, qint64 pageRunningMs = 0) {
    Scene scene;
    scene.load(PageDefinition{QString(), {object}}, QString());
    QImage frame = emptyFrame();
    FrameTime time;
    time.pageRunningMs = pageRunningMs;
    time.pageRunning = true;
    paintScene(scene, frame, time, {});
    return {frame, scene.at(0).textSprite.size()};
}

bool framePixels(const QSize& sprite) {
    return qint64(sprite.width()) * sprite.height() <= qint64(kFrameWidth) * kFrameHeight;
}

}  // namespace

TEST(ObjectSize, PageFileRefusesPositionsAndSizesBeyondTheRange) {
    const QString prefix = QStringLiteral("Il file 'p.smb' non è una pagina valida: oggetto 0 ('A'): ");
    const struct {
        QByteArray object;
        QString error;
    } cases[] = {
        {R"({"name": "A", "type": "text", "w": 1000000, "h": 1000000})",
         prefix + "il campo 'w' deve essere un numero intero da 0 a 10000"},
        {R"({"name": "A", "type": "text", "w": 10001})", prefix + "il campo 'w' deve essere un numero intero da 0 a 10000"},
        {R"({"name": "A", "type": "image", "h": 10001})", prefix + "il campo 'h' deve essere un numero intero da 0 a 10000"},
        {R"({"name": "A", "type": "text", "x": -10001})",
         prefix + "il campo 'x' deve essere un numero intero da -10000 a 10000"},
        {R"({"name": "A", "type": "crawl", "y": 10001})",
         prefix + "il campo 'y' deve essere un numero intero da -10000 a 10000"},
        {R"({"name": "A", "type": "text", "x": -10000, "y": 10000, "w": 10000, "h": 10000})", "<ok>"},
    };
    for (const auto& c : cases) EXPECT_EQ(parseError(c.object), c.error) << c.object.constData();
}

TEST(ObjectSize, HugeTextObjectKeepsAFramesWorthAndDrawsTheSamePixels) {
    // Left-aligned: the text starts at the object's left edge whatever its width.
    const Drawn ordinary = draw(textObject("A", 20, 100, 700, 200, HAlign::Left, 0));
    const Drawn huge = draw(textObject("A", 20, 100, 100000, 200, HAlign::Left, 0));
    EXPECT_EQ(huge.frame, ordinary.frame);
    EXPECT_EQ(huge.sprite, QSize(700, 200));  // the part of the object inside the frame
    // Centred in a box that reaches far out on both sides, stamped outline: the centre is x 360.
    const Drawn centred = draw(textObject("B", 360 - 50000, -40000, 100000, 80200, HAlign::Center, 2));
    const Drawn small = draw(textObject("B", 360 - 300, -300, 600, 800, HAlign::Center, 2));
    EXPECT_EQ(centred.frame, small.frame);
    EXPECT_TRUE(framePixels(centred.sprite)) << centred.sprite.width() << "x" << centred.sprite.height();
    // A wide outline (stroked letters) too.
    const Drawn stroked = draw(textObject("C", 360 - 50000, 100, 100000, 200, HAlign::Center, 6));
    const Drawn strokedSmall = draw(textObject("C", 60, 100, 600, 200, HAlign::Center, 6));
    EXPECT_EQ(stroked.frame, strokedSmall.frame);
    EXPECT_TRUE(framePixels(stroked.sprite));
    // Something is drawn at all (the comparison above is not between two empty frames).
    EXPECT_GT(razudar::renderer::rtest::countInsideOutside(small.frame, QRect(0, 0, 720, 576),
                                                           razudar::renderer::rtest::isRedish)
                  .first,
              500);
}

TEST(ObjectSize, ObjectsOfOrdinarySizeKeepTheirWholePicture) {
    // Rows that slide in from outside the frame are drawn once and moved, not redrawn.
    const Drawn half = draw(textObject("A", -300, 100, 600, 60, HAlign::Left, 0));
    EXPECT_EQ(half.sprite, QSize(600, 60));
}

TEST(ObjectSize, EndlessCrawlTextKeepsAFramesWorth) {
    ObjectDefinition crawl = textObject("Crawl", 0, 500, 720, 40, HAlign::Left, 0);
    crawl.layout.type = ObjectType::Crawl;
    crawl.text = QStringLiteral("SPONSOR UFFICIALE ").repeated(5000);  // about 1.5 million pixels long
    crawl.scrollSpeed = 100;
    const Drawn moving = draw(crawl, 20000);  // 2,000 px into the text
    EXPECT_TRUE(framePixels(moving.sprite)) << moving.sprite.width();
    EXPECT_GT(razudar::renderer::rtest::countInsideOutside(moving.frame, QRect(0, 500, 720, 40),
                                                           razudar::renderer::rtest::isRedish)
                  .first,
              500);
    // A short crawl still draws its whole text once.
    crawl.text = QStringLiteral("SPONSOR UFFICIALE");
    const Drawn shortCrawl = draw(crawl, 2000);
    EXPECT_EQ(shortCrawl.sprite.height(), 40);
    EXPECT_GT(shortCrawl.sprite.width(), 200);
}

TEST(ObjectSize, HugeStretchedPictureIsNotKeptScaled) {
    QTemporaryDir dir;
    QImage red(4, 4, QImage::Format_ARGB32);
    red.fill(qRgb(255, 0, 0));
    ASSERT_TRUE(red.save(dir.filePath(QStringLiteral("red.png"))));
    ObjectDefinition image;
    image.layout.name = QStringLiteral("Sfondo");
    image.layout.type = ObjectType::Image;
    image.layout.x = -5000;
    image.layout.y = -5000;
    image.layout.w = 10000;
    image.layout.h = 10000;
    image.path = QStringLiteral("red.png");
    image.stretch = true;
    Scene scene;
    scene.load(PageDefinition{QString(), {image}}, dir.path());
    QImage frame = emptyFrame();
    paintScene(scene, frame, FrameTime{}, {});
    EXPECT_TRUE(scene.at(0).scaledPicture.isNull());
    const auto [inside, outside] =
        razudar::renderer::rtest::countInsideOutside(frame, frame.rect(), razudar::renderer::rtest::isRedish);
    EXPECT_EQ(inside, kFrameWidth * kFrameHeight);
    EXPECT_EQ(outside, 0);
}
