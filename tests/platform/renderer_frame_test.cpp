#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/fakes/fake_services.h"
#include "platform/renderer/renderer.h"
#include "platform/renderer/tga.h"
#include "renderer_test_support.h"

using namespace razudar;
using namespace razudar::renderer;
using razudar::renderer::rtest::countInsideOutside;
using razudar::renderer::rtest::isRedish;
using razudar::renderer::rtest::pixelAt;

namespace {

bool isGreen(QRgb p) { return qAlpha(p) > 200 && qGreen(p) > 200 && qRed(p) < 60 && qBlue(p) < 60; }
bool isBlueish(QRgb p) { return qAlpha(p) > 100 && qBlue(p) > 150 && qRed(p) < 80 && qGreen(p) < 80; }
bool isDrawn(QRgb p) { return qAlpha(p) != 0; }

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QImage green(20, 10, QImage::Format_ARGB32);
        green.fill(QColor(0, 255, 0));
        ASSERT_TRUE(green.save(dir.path() + "/Bandiere_ITA.png"));
        QImage blue(16, 8, QImage::Format_ARGB32);
        blue.fill(QColor(0, 0, 255));
        QString error;
        ASSERT_TRUE(writeTga(blue, dir.path() + "/fondo.tga", &error)) << error.toStdString();
    }
    QImage load(const QString& objects) {
        const QString path = rtest::writePage(dir.path(), "page.smb", objects);
        EXPECT_TRUE(renderer.LoadPage(path)) << renderer.lastError().toStdString();
        EXPECT_TRUE(renderer.Draw(static_cast<QImage*>(nullptr), 0, 0, kFrameWidth, kFrameHeight));
        return renderer.currentFrame();
    }
    QTemporaryDir dir;
    FakeClock clock;
    Renderer renderer{clock};
};

}  // namespace

TEST_F(FrameTest, RedTextLiesInsideItsRectangleAndNowhereElse) {
    const QImage frame = load(R"([{"name": "Rosso", "type": "text", "x": 100, "y": 200, "w": 240, "h": 50,
        "text": "MWMWMW", "size": 40, "bold": true, "color": 255, "align": "center"}])");
    ASSERT_EQ(frame.size(), QSize(720, 576));
    const auto [inside, outside] = countInsideOutside(frame, QRect(100, 200, 240, 50), isRedish);
    EXPECT_GT(inside, 500);
    EXPECT_EQ(outside, 0);
    const auto [drawnIn, drawnOut] = countInsideOutside(frame, QRect(100, 200, 240, 50), isDrawn);
    EXPECT_EQ(drawnOut, 0);
    EXPECT_GT(drawnIn, inside - 1);
}

TEST_F(FrameTest, TooLongTextIsCutAtTheRectangleOrSqueezedToFit) {
    // Ten upright strokes, far wider than the box: cut, only the first few show; squeezed,
    // all ten show inside the box.
    const QString objects = R"([{"name": "Lungo", "type": "text", "x": 50, "y": 50, "w": 100, "h": 40,
        "text": "I   I   I   I   I   I   I   I   I   I", "size": 30, "bold": true, "color": 255,
        "shrinkToFit": %1}])";
    auto strokes = [](const QImage& frame) {
        int runs = 0;
        bool inRun = false;
        for (int x = 0; x < frame.width(); ++x) {
            const bool red = isRedish(pixelAt(frame, x, 70));
            if (red && !inRun) ++runs;
            inRun = red;
        }
        return runs;
    };
    const QImage cut = load(objects.arg("false"));
    EXPECT_EQ(countInsideOutside(cut, QRect(50, 50, 100, 40), isDrawn).second, 0);
    const QImage squeezed = load(objects.arg("true"));
    EXPECT_EQ(countInsideOutside(squeezed, QRect(50, 50, 100, 40), isDrawn).second, 0);
    EXPECT_LT(strokes(cut), 10);
    EXPECT_EQ(strokes(squeezed), 10);
}

TEST_F(FrameTest, OutlineIsDrawnInItsColour) {
    const QImage frame = load(R"([{"name": "T", "type": "text", "x": 10, "y": 10, "w": 300, "h": 60,
        "text": "HOLA", "size": 40, "color": 255, "outlineColor": "#0000FF", "outlineWidth": 3}])");
    const auto [blueIn, blueOut] = countInsideOutside(frame, QRect(10, 10, 300, 60), isBlueish);
    EXPECT_GT(blueIn, 100);
    EXPECT_EQ(blueOut, 0);
    EXPECT_GT(countInsideOutside(frame, QRect(10, 10, 300, 60), isRedish).first, 100);
}

TEST_F(FrameTest, ImagesTakeTheirSizeAndPngAndTgaAreRead) {
    const QImage frame = load(R"([
        {"name": "Bandiera", "type": "image", "x": 30, "y": 40, "file": "bandiere_ita.PNG"},
        {"name": "Fondo", "type": "image", "x": 300, "y": 300, "file": "FONDO.tga"},
        {"name": "Tirato", "type": "image", "x": 400, "y": 100, "w": 64, "h": 32, "file": "fondo.tga", "stretch": true},
        {"name": "Manca", "type": "image", "x": 600, "y": 500, "w": 50, "h": 50, "file": "nessuno.png"}])");
    EXPECT_EQ(countInsideOutside(frame, QRect(30, 40, 20, 10), isGreen), std::make_pair(200, 0));
    EXPECT_EQ(countInsideOutside(frame, QRect(300, 300, 16, 8), isBlueish).first, 128);
    EXPECT_EQ(countInsideOutside(frame, QRect(400, 100, 64, 32), isBlueish).first, 64 * 32);
    EXPECT_EQ(countInsideOutside(frame, QRect(600, 500, 50, 50), isDrawn).first, 0);  // missing file: nothing
    ObjectLayout layout;
    ASSERT_TRUE(renderer.GetObjectLayout("Bandiera", layout));
    EXPECT_EQ(QSize(layout.w, layout.h), QSize(20, 10));
    ASSERT_TRUE(renderer.GetObjectLayout("Manca", layout));
    EXPECT_EQ(QSize(layout.w, layout.h), QSize(50, 50));
}

TEST_F(FrameTest, PicturesNotPreloadedAreReadAtTheFirstFrame) {
    const QString path = rtest::writePage(dir.path(), "lazy.smb", R"([
        {"name": "Bandiera", "type": "image", "x": 30, "y": 40, "file": "Bandiere_ITA.png"}])");
    ASSERT_TRUE(renderer.LoadPage(path, false));
    ObjectLayout layout;
    ASSERT_TRUE(renderer.GetObjectLayout("Bandiera", layout));
    EXPECT_EQ(QSize(layout.w, layout.h), QSize(0, 0));
    ASSERT_TRUE(renderer.Draw(static_cast<QImage*>(nullptr), 0, 0, 720, 576));
    EXPECT_EQ(countInsideOutside(renderer.currentFrame(), QRect(30, 40, 20, 10), isGreen), std::make_pair(200, 0));
}

TEST_F(FrameTest, NewImagePathIsReadAndResizesTheObject) {
    load(R"([{"name": "Logo", "type": "image", "x": 10, "y": 10, "file": "fondo.tga"}])");
    ImageRecord record;
    ASSERT_TRUE(renderer.GetImageRecord("Logo", record));
    EXPECT_EQ(record.path, "fondo.tga");
    record.path = dir.path() + "/Bandiere_ITA.png";
    ASSERT_TRUE(renderer.SetImageRecord("Logo", record));
    ObjectLayout layout;
    ASSERT_TRUE(renderer.GetObjectLayout("Logo", layout));
    EXPECT_EQ(QSize(layout.w, layout.h), QSize(20, 10));
    // The page is on the output and does not run: the change is drawn at once.
    EXPECT_EQ(countInsideOutside(renderer.currentFrame(), QRect(10, 10, 20, 10), isGreen).first, 200);
}

TEST_F(FrameTest, RefreshReadsAChangedFileAgain) {
    load(R"([{"name": "A", "type": "image", "x": 0, "y": 0, "file": "Bandiere_ITA.png"},
             {"name": "B", "type": "image", "x": 100, "y": 0, "file": "Bandiere_ITA.png"}])");
    QImage red(30, 12, QImage::Format_ARGB32);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(dir.path() + "/Bandiere_ITA.png"));
    ASSERT_TRUE(renderer.Refresh("a"));
    ObjectLayout layout;
    ASSERT_TRUE(renderer.GetObjectLayout("A", layout));
    EXPECT_EQ(QSize(layout.w, layout.h), QSize(30, 12));
    ASSERT_TRUE(renderer.GetObjectLayout("B", layout));
    EXPECT_EQ(QSize(layout.w, layout.h), QSize(20, 10));  // not refreshed yet
    ASSERT_TRUE(renderer.Refresh("ALL"));
    ASSERT_TRUE(renderer.GetObjectLayout("B", layout));
    EXPECT_EQ(QSize(layout.w, layout.h), QSize(30, 12));
    EXPECT_EQ(countInsideOutside(renderer.currentFrame(), QRect(100, 0, 30, 12), isRedish).first, 360);
}

TEST_F(FrameTest, AlphaAndVisibility) {
    const QImage frame = load(R"([
        {"name": "Mezzo", "type": "image", "x": 0, "y": 0, "file": "Bandiere_ITA.png", "alpha": 128},
        {"name": "Nascosto", "type": "image", "x": 100, "y": 0, "file": "Bandiere_ITA.png", "visible": false},
        {"name": "Trasparente", "type": "image", "x": 200, "y": 0, "file": "Bandiere_ITA.png", "alpha": 0}])");
    const QRgb half = pixelAt(frame, 5, 5);
    EXPECT_NEAR(qAlpha(half), 128, 2);
    EXPECT_NEAR(qGreen(half), 255, 3);  // unpremultiplied colour stays green
    EXPECT_EQ(countInsideOutside(frame, QRect(100, 0, 20, 10), isDrawn).first, 0);
    EXPECT_EQ(countInsideOutside(frame, QRect(200, 0, 20, 10), isDrawn).first, 0);

    ImageRecord record;
    ASSERT_TRUE(renderer.GetImageRecord("Nascosto", record));
    record.visible = true;
    ASSERT_TRUE(renderer.SetImageRecord("Nascosto", record));
    EXPECT_EQ(countInsideOutside(renderer.currentFrame(), QRect(100, 0, 20, 10), isGreen).first, 200);
}

TEST_F(FrameTest, ObjectsOutsideTheFrameAndEmptySizesDrawNothing) {
    const QImage frame = load(R"([
        {"name": "Fuori", "type": "image", "x": 720, "y": 0, "file": "Bandiere_ITA.png"},
        {"name": "Sinistra", "type": "text", "x": -2000, "y": 0, "w": 100, "h": 30, "text": "X", "color": 255},
        {"name": "Vuoto", "type": "text", "x": 0, "y": 0, "w": 0, "h": 0, "text": "X"},
        {"name": "Ani", "type": "animation", "x": 0, "y": 0, "w": 100, "h": 100, "file": "a.avi"},
        {"name": "Film", "type": "clip", "x": 0, "y": 0, "w": 100, "h": 100},
        {"name": "Dve", "type": "dve", "x": 0, "y": 0, "w": 100, "h": 100},
        {"name": "Dentro", "type": "image", "x": 300, "y": 200, "file": "Bandiere_ITA.png"}])");
    ASSERT_EQ(frame.size(), QSize(720, 576));
    // Only the one object inside the frame is drawn, every one of its 20 x 10 pixels.
    const auto [inside, outside] = countInsideOutside(frame, QRect(300, 200, 20, 10), isDrawn);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(inside, 200);
    EXPECT_EQ(countInsideOutside(frame, QRect(300, 200, 20, 10), isGreen).first, 200);
}

TEST_F(FrameTest, LoadedPageIsOffTheOutputUntilDrawnOrStarted) {
    const QString path = rtest::writePage(dir.path(), "p.smb", R"([
        {"name": "T", "type": "text", "x": 0, "y": 0, "w": 100, "h": 40, "text": "A", "color": 255}])");
    ASSERT_TRUE(renderer.LoadPage(path));
    EXPECT_TRUE(renderer.currentFrame().isNull());
    ASSERT_TRUE(renderer.SetText("T", "B"));
    EXPECT_TRUE(renderer.currentFrame().isNull());  // filling happens off air
    ASSERT_TRUE(renderer.SetRunning(true));
    EXPECT_GT(countInsideOutside(renderer.currentFrame(), QRect(0, 0, 100, 40), isRedish).first, 0);
    ASSERT_TRUE(renderer.ClearPage());
    EXPECT_TRUE(renderer.currentFrame().isNull());
    EXPECT_FALSE(renderer.isRunning());
}

TEST_F(FrameTest, RunningPageShowsChangesAtTheNextTick) {
    load(R"([{"name": "T", "type": "text", "x": 0, "y": 0, "w": 200, "h": 40, "text": "", "color": 255}])");
    ASSERT_TRUE(renderer.SetRunning(true));
    EXPECT_EQ(countInsideOutside(renderer.currentFrame(), QRect(0, 0, 200, 40), isRedish).first, 0);
    ASSERT_TRUE(renderer.SetText("T", "WWW"));
    EXPECT_EQ(countInsideOutside(renderer.currentFrame(), QRect(0, 0, 200, 40), isRedish).first, 0);
    renderer.tick();
    EXPECT_GT(countInsideOutside(renderer.currentFrame(), QRect(0, 0, 200, 40), isRedish).first, 0);
    // Stopped, the output keeps its last frame.
    ASSERT_TRUE(renderer.SetRunning(false));
    const QImage before = renderer.currentFrame();
    renderer.tick();
    EXPECT_EQ(renderer.currentFrame(), before);
}

TEST_F(FrameTest, CrawlMovesWithTheRunningTimeAndReportsEachPass) {
    load(R"([{"name": "Notizie", "type": "crawl", "x": 100, "y": 100, "w": 200, "h": 40,
              "text": "W", "size": 30, "color": 255, "speed": 100}])");
    std::vector<std::pair<QString, int>> notifications;
    QObject::connect(&renderer, &Renderer::Notify,
                     [&](const QString& name, int event) { notifications.emplace_back(name, event); });
    ASSERT_TRUE(renderer.SetRunning(true));
    // At the start the text waits beyond the right edge.
    EXPECT_EQ(countInsideOutside(renderer.currentFrame(), QRect(100, 100, 200, 40), isRedish).first, 0);
    clock.advanceMs(1000);  // 100 px: the text is 100 px in from the right edge
    renderer.tick();
    const QImage frame = renderer.currentFrame();
    EXPECT_GT(countInsideOutside(frame, QRect(200, 100, 50, 40), isRedish).first, 0);
    EXPECT_EQ(countInsideOutside(frame, QRect(100, 100, 95, 40), isDrawn).first, 0);
    EXPECT_EQ(countInsideOutside(frame, QRect(100, 100, 200, 40), isDrawn).second, 0);
    EXPECT_TRUE(notifications.empty());
    clock.advanceMs(3000);  // past 200 px + the text's width: one pass done
    renderer.tick();
    ASSERT_EQ(notifications.size(), 1u);
    EXPECT_EQ(notifications[0].first, "Notizie");
    EXPECT_EQ(notifications[0].second, int(NotifyEvent::ScrollPassEnded));
}

TEST_F(FrameTest, RollMovesUpInsideItsRectangle) {
    load(R"([{"name": "Titoli", "type": "roll", "x": 100, "y": 100, "w": 200, "h": 100,
              "text": "UNO\nDUE", "size": 20, "color": 255, "speed": 50}])");
    ASSERT_TRUE(renderer.SetRunning(true));
    clock.advanceMs(1000);  // 50 px up from the bottom edge
    renderer.tick();
    const QImage frame = renderer.currentFrame();
    EXPECT_GT(countInsideOutside(frame, QRect(100, 150, 200, 50), isRedish).first, 0);
    EXPECT_EQ(countInsideOutside(frame, QRect(100, 100, 200, 48), isDrawn).first, 0);
    EXPECT_EQ(countInsideOutside(frame, QRect(100, 100, 200, 100), isDrawn).second, 0);
}

TEST(Tga, WrittenFileReadsBackIdenticalAndQtReadsItToo) {
    QTemporaryDir dir;
    QImage image(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) image.setPixel(x, y, qRgba(x * 30, y * 50, 200, 40 + x * 20 + y));
    }
    QString error;
    const QString path = dir.path() + "/a.tga";
    ASSERT_TRUE(writeTga(image, path, &error)) << error.toStdString();
    const QImage back = readTga(path, &error);
    ASSERT_FALSE(back.isNull()) << error.toStdString();
    EXPECT_EQ(back, image);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 18 + 7 * 5 * 4 + 26);
    const QImage viaQt(path);
    ASSERT_FALSE(viaQt.isNull());
    EXPECT_EQ(viaQt.convertToFormat(QImage::Format_ARGB32), image);
}

TEST(Tga, ReaderRejectsTruncatedAndCompressedFiles) {
    QTemporaryDir dir;
    QFile file(dir.path() + "/bad.tga");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray header(18, '\0');
    header[2] = 2;
    header[12] = 10;
    header[14] = 10;
    header[16] = 32;
    file.write(header + QByteArray(20, 'x'));
    file.close();
    QString error;
    EXPECT_TRUE(readTga(file.fileName(), &error).isNull());
    EXPECT_EQ(error, "File TGA '" + file.fileName() + "' non leggibile: dati troncati");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    header[2] = 10;  // run-length compressed
    file.write(header);
    file.close();
    EXPECT_TRUE(readTga(file.fileName(), &error).isNull());
    EXPECT_EQ(error, "File TGA '" + file.fileName() + "' non leggibile: solo immagini non compresse a colori sono lette");
}

TEST_F(FrameTest, SaveScreenWritesTheOutputFrame) {
    const QImage frame = load(R"([{"name": "Bandiera", "type": "image", "x": 30, "y": 40, "file": "Bandiere_ITA.png"},
        {"name": "T", "type": "text", "x": 100, "y": 100, "w": 200, "h": 50, "text": "Ciao", "color": 255}])");
    const QString tga = dir.path() + "/schermo.TGA";
    ASSERT_TRUE(renderer.SaveScreen(tga)) << renderer.lastError().toStdString();
    QString error;
    const QImage back = readTga(tga, &error);
    ASSERT_EQ(back.size(), QSize(720, 576)) << error.toStdString();
    EXPECT_EQ(back, frame.convertToFormat(QImage::Format_ARGB32));

    const QString png = dir.path() + "/schermo.png";
    ASSERT_TRUE(renderer.SaveScreen(png));
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_ARGB32), frame.convertToFormat(QImage::Format_ARGB32));

    EXPECT_FALSE(renderer.SaveScreen(dir.path() + "/schermo.xyz"));
    EXPECT_EQ(renderer.lastError(), "Formato di immagine non gestito: '" + dir.path() + "/schermo.xyz'");
    EXPECT_FALSE(renderer.SaveScreen(dir.path() + "/manca/schermo.tga"));
    EXPECT_TRUE(renderer.lastError().startsWith("Impossibile scrivere il file '"));
}
