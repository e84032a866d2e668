#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>

#include <gtest/gtest.h>

#include "platform/fakes/fake_services.h"
#include "platform/renderer/plane_view.h"
#include "platform/renderer/renderer.h"
#include "platform/renderer/video_board.h"
#include "platform/services/system_services.h"
#include "renderer_test_support.h"

using namespace razudar;
using namespace razudar::renderer;
using razudar::renderer::rtest::countInsideOutside;
using razudar::renderer::rtest::isRedish;

namespace {

bool isGreen(QRgb p) { return qAlpha(p) > 200 && qGreen(p) > 200 && qRed(p) < 60 && qBlue(p) < 60; }
bool isDrawn(QRgb p) { return qAlpha(p) != 0; }

// Two renderers wired to one board the way the graphics control does it, without a render
// thread: frames are made by the test.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QImage green(40, 40, QImage::Format_ARGB32);
        green.fill(QColor(0, 255, 0));
        ASSERT_TRUE(green.save(dir.path() + "/verde.png"));
        redPage = rtest::writePage(dir.path(), "rosso.smb", R"([{"name": "T", "type": "text",
            "x": 0, "y": 0, "w": 200, "h": 60, "text": "MMM", "size": 40, "color": 255}])");
        greenPage = rtest::writePage(dir.path(), "verde.smb", R"([{"name": "I", "type": "image",
            "x": 100, "y": 0, "file": "verde.png"}])");
        ASSERT_TRUE(board.OpenBoard()) << board.lastError().toStdString();
        BoardLink link;
        ASSERT_TRUE(board.GetBoardLink(link));
        ASSERT_TRUE(model0.AttachBoard(link));
        ASSERT_TRUE(model1.AttachBoard(link));
        ASSERT_TRUE(board.StartOutput());
        ASSERT_TRUE(board.SetLayer1Active(0));
        ASSERT_TRUE(model1.SetPlaneMode(1));
    }
    void bindToBoard() {
        OutputHandle handle;
        ASSERT_TRUE(board.GetOutputHandle(handle));
        ASSERT_TRUE(model0.SetOutput(handle, false)) << model0.lastError().toStdString();
        ASSERT_TRUE(model1.SetOutput(handle, false));
    }
    QTemporaryDir dir;
    QString redPage, greenPage;
    FakeServices fakes;
    VideoBoard board{BoardEnvironment{&fakes.clock, &fakes.settings, false}};
    Renderer model0{fakes.clock};
    Renderer model1{fakes.clock};
};

}  // namespace

TEST_F(BoardTest, ComposesPlaneZeroAndPlaneOneOnlyWhenLayerOneIsActive) {
    bindToBoard();
    ASSERT_TRUE(model0.LoadPage(redPage));
    ASSERT_TRUE(model1.LoadPage(greenPage));
    ASSERT_TRUE(model0.Draw(static_cast<QImage*>(nullptr), 0, 0, 720, 576));
    ASSERT_TRUE(model1.Draw(static_cast<QImage*>(nullptr), 0, 0, 720, 576));
    ASSERT_TRUE(board.UpdateOutput(0, 0, 720, 576));
    QImage out = board.outputFrame();
    EXPECT_GT(countInsideOutside(out, QRect(0, 0, 200, 60), isRedish).first, 100);
    EXPECT_EQ(countInsideOutside(out, out.rect(), isGreen).first, 0);

    ASSERT_TRUE(board.SetLayer1Active(1));
    qint32 active = 0;
    ASSERT_TRUE(board.GetLayer1Active(active));
    EXPECT_EQ(active, 1);
    board.composeNow();
    out = board.outputFrame();
    // Plane 1 lies over plane 0 where they meet.
    EXPECT_EQ(countInsideOutside(out, QRect(100, 0, 40, 40), isGreen).first, 1600);
    EXPECT_GT(countInsideOutside(out, QRect(0, 0, 100, 60), isRedish).first, 50);

    ASSERT_TRUE(board.ClearLayer(1));
    board.composeNow();
    out = board.outputFrame();
    EXPECT_EQ(countInsideOutside(out, out.rect(), isRedish).first, 0);
    EXPECT_EQ(countInsideOutside(out, out.rect(), isGreen).first, 1600);
    EXPECT_FALSE(board.ClearLayer(3));
    EXPECT_EQ(board.lastError(), "Livello 3 non valido (1 o 2)");
    EXPECT_FALSE(board.SetLayer1Active(2));
}

TEST_F(BoardTest, NothingReachesTheBoardBeforeTheOutputIsBound) {
    ASSERT_TRUE(model0.LoadPage(redPage));
    ASSERT_TRUE(model0.Draw(static_cast<QImage*>(nullptr), 0, 0, 720, 576));
    board.composeNow();
    EXPECT_TRUE(board.layerFrame(0).isNull());
    bindToBoard();  // binding delivers the frame already drawn
    board.composeNow();
    EXPECT_GT(countInsideOutside(board.outputFrame(), QRect(0, 0, 200, 60), isRedish).first, 100);
}

TEST_F(BoardTest, RunningPageIsDrawnAtEveryComposedFrame) {
    bindToBoard();
    const QString page = rtest::writePage(dir.path(), "tempo.smb", R"([{"name": "Tempo", "type": "text",
        "x": 0, "y": 0, "w": 300, "h": 60, "size": 40, "color": 255, "runFormat": "nz hh:mm:ss"}])");
    ASSERT_TRUE(model0.LoadPage(page));
    ASSERT_TRUE(model0.StartClock("Tempo", 0));
    ASSERT_TRUE(model0.SetRunning(true));
    board.composeNow();
    const QImage first = board.outputFrame();
    fakes.clock.advanceMs(1000);
    board.composeNow();
    EXPECT_NE(board.outputFrame(), first);  // "0" became "1"
    ASSERT_TRUE(model0.SetRunning(false));
    const QImage stopped = board.outputFrame();
    fakes.clock.advanceMs(1000);
    board.composeNow();
    EXPECT_EQ(board.outputFrame(), stopped);
    EXPECT_EQ(board.frameCount(), 3u);
}

TEST_F(BoardTest, WindowOutputGoesToThePreviewSurfaceAndLeavesTheBoardLayer) {
    bindToBoard();
    ASSERT_TRUE(model0.LoadPage(redPage));
    ASSERT_TRUE(model0.Draw(static_cast<QImage*>(nullptr), 0, 0, 720, 576));
    EXPECT_FALSE(board.layerFrame(0).isNull());
    PlaneView pane;
    ASSERT_TRUE(model0.SetOutput(pane.outputHandle(), true));
    EXPECT_TRUE(board.layerFrame(0).isNull());
    EXPECT_GT(countInsideOutside(pane.surface()->frame(), QRect(0, 0, 200, 60), isRedish).first, 100);
    // The pane shows its surface.
    pane.resize(720, 576);
    const QImage shown = pane.grab().toImage();
    EXPECT_GT(countInsideOutside(shown, QRect(0, 0, 200, 60), isRedish).first, 100);
    pane.clearPicture();
    EXPECT_EQ(countInsideOutside(pane.surface()->frame(), QRect(0, 0, 720, 576), isDrawn).first, 0);
    // Drawing into the pane's surface as a device context.
    ASSERT_TRUE(model0.Draw(pane.surface().get(), 0, 0, 720, 576));
    EXPECT_GT(countInsideOutside(pane.surface()->frame(), QRect(0, 0, 200, 60), isRedish).first, 100);
}

TEST_F(BoardTest, OutputBindingErrors) {
    OutputHandle none;
    EXPECT_FALSE(model0.SetOutput(none, true));
    EXPECT_EQ(model0.lastError(), "Uscita su finestra senza finestra valida");
    EXPECT_FALSE(model0.SetOutput(none, false));
    EXPECT_EQ(model0.lastError(), "Uscita su scheda senza scheda valida");
    VideoBoard other(BoardEnvironment{&fakes.clock, nullptr, false});
    ASSERT_TRUE(other.OpenBoard());
    OutputHandle foreign;
    ASSERT_TRUE(other.GetOutputHandle(foreign));
    EXPECT_FALSE(model0.SetOutput(foreign, false));
    EXPECT_EQ(model0.lastError(), "L'uscita appartiene a una scheda video non collegata");
    EXPECT_FALSE(model0.SetPlaneMode(2));
    EXPECT_EQ(model0.lastError(), "Modo piano 2 non valido (0 o 1)");
    EXPECT_FALSE(board.UpdateOutput(0, 0, 721, 576));
    EXPECT_EQ(board.lastError(), "Area 0, 0, 721, 576 fuori dal quadro 720 x 576");
    VideoBoard closed(BoardEnvironment{&fakes.clock, nullptr, false});
    EXPECT_FALSE(closed.StartOutput());
    EXPECT_EQ(closed.lastError(), "Scheda video non aperta");
}

TEST_F(BoardTest, ScaledPreviewAndPageFileDrawing) {
    bindToBoard();
    ASSERT_TRUE(model0.LoadPage(redPage));
    ASSERT_TRUE(model0.Draw(static_cast<QImage*>(nullptr), 0, 0, 720, 576));
    QImage thumb(180, 144, QImage::Format_ARGB32_Premultiplied);
    thumb.fill(Qt::transparent);
    ASSERT_TRUE(model0.DrawScaled(&thumb, 0, 0, 720, 576, 180, 144));
    EXPECT_GT(countInsideOutside(thumb, QRect(0, 0, 50, 15), isRedish).first, 5);
    EXPECT_EQ(countInsideOutside(thumb, QRect(0, 0, 50, 15), isDrawn).second, 0);

    QImage preview(360, 288, QImage::Format_ARGB32_Premultiplied);
    preview.fill(Qt::transparent);
    ASSERT_TRUE(model0.DrawPageFile(greenPage, &preview, 0, 0, 360, 288)) << model0.lastError().toStdString();
    EXPECT_EQ(countInsideOutside(preview, QRect(50, 0, 20, 20), isGreen).first, 400);
    qint32 count = 0;
    ASSERT_TRUE(model0.GetObjectCount(count));
    EXPECT_EQ(count, 1);
    ObjectLayout layout;
    EXPECT_TRUE(model0.GetObjectLayout("T", layout));  // the loaded page is unchanged
    EXPECT_FALSE(model0.DrawPageFile(dir.path() + "/nessuna.smb", &preview, 0, 0, 10, 10));
}

TEST(VideoBoardOutput, WindowOnTheConfiguredScreenOrAClearError) {
    FakeServices fakes;
    {
        VideoBoard board(BoardEnvironment{&fakes.clock, &fakes.settings, false});
        ASSERT_TRUE(board.OpenBoard());
        EXPECT_FALSE(board.hasOutputWindow());
    }
    fakes.settings.save("Razudar", "Grafica", "SchermoUscita", "0");
    {
        VideoBoard board(BoardEnvironment{&fakes.clock, &fakes.settings, false});
        ASSERT_TRUE(board.OpenBoard()) << board.lastError().toStdString();
        EXPECT_TRUE(board.hasOutputWindow());
        board.composeNow();
        QCoreApplication::processEvents();
    }
    fakes.settings.save("Razudar", "Grafica", "SchermoUscita", "7");
    VideoBoard board(BoardEnvironment{&fakes.clock, &fakes.settings, false});
    EXPECT_FALSE(board.OpenBoard());
    EXPECT_EQ(board.lastError(), "Schermo di uscita TV '7' non trovato");
}

TEST(VideoBoardOutput, EitherMayBeReleasedFirst) {
    FakeServices fakes;
    QTemporaryDir dir;
    const QString page = rtest::writePage(dir.path(), "p.smb", R"([{"name": "T", "type": "text", "w": 10, "h": 10}])");
    {
        auto board = std::make_unique<VideoBoard>(BoardEnvironment{&fakes.clock, nullptr, false});
        Renderer renderer(fakes.clock);
        ASSERT_TRUE(board->OpenBoard());
        BoardLink link;
        ASSERT_TRUE(board->GetBoardLink(link));
        ASSERT_TRUE(renderer.AttachBoard(link));
        OutputHandle handle;
        ASSERT_TRUE(board->GetOutputHandle(handle));
        ASSERT_TRUE(renderer.SetOutput(handle, false));
        board.reset();
        ASSERT_TRUE(renderer.LoadPage(page));
        EXPECT_TRUE(renderer.SetRunning(true));
        renderer.tick();
    }
    {
        VideoBoard board(BoardEnvironment{&fakes.clock, nullptr, false});
        ASSERT_TRUE(board.OpenBoard());
        auto renderer = std::make_unique<Renderer>(fakes.clock);
        BoardLink link;
        ASSERT_TRUE(board.GetBoardLink(link));
        ASSERT_TRUE(renderer->AttachBoard(link));
        renderer.reset();
        board.composeNow();
        EXPECT_EQ(board.frameCount(), 1u);
    }
}

// The render thread keeps making frames while the calling thread blocks, and renderer calls
// from this thread meanwhile are safe. No timing is asserted beyond "frames came".
TEST(VideoBoardOutput, RenderThreadKeepsFramesComingWhileTheCallerBlocks) {
    SystemClock clock;
    QTemporaryDir dir;
    const QString page = rtest::writePage(dir.path(), "p.smb", R"([{"name": "Tempo", "type": "text",
        "x": 0, "y": 0, "w": 300, "h": 60, "size": 40, "color": 255, "runFormat": "nz hh:mm:ss:dc"}])");
    VideoBoard board(BoardEnvironment{&clock, nullptr, true});
    Renderer renderer(clock);
    ASSERT_TRUE(board.OpenBoard());
    BoardLink link;
    ASSERT_TRUE(board.GetBoardLink(link));
    ASSERT_TRUE(renderer.AttachBoard(link));
    OutputHandle handle;
    ASSERT_TRUE(board.GetOutputHandle(handle));
    ASSERT_TRUE(renderer.SetOutput(handle, false));
    ASSERT_TRUE(renderer.LoadPage(page));
    ASSERT_TRUE(renderer.StartClock("Tempo", 0));
    ASSERT_TRUE(renderer.SetRunning(true));
    std::atomic<int> frames{0};
    board.setFrameListener([&](const QImage&, quint64, qint64) { ++frames; });
    ASSERT_TRUE(board.StartOutput());
    for (int i = 0; i < 10; ++i) {
        QThread::msleep(30);  // the caller blocks
        ASSERT_TRUE(renderer.SetText("Tempo", QString::number(i)));
    }
    QElapsedTimer waited;
    waited.start();
    while (frames < 3 && waited.elapsed() < 10000) QThread::msleep(10);
    EXPECT_GE(frames.load(), 3);
    EXPECT_GT(countInsideOutside(board.outputFrame(), QRect(0, 0, 300, 60), isRedish).first, 0);
}
