#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "platform/fakes/fake_services.h"
#include "platform/renderer/move_track.h"
#include "platform/renderer/renderer.h"
#include "platform/renderer/video_board.h"
#include "renderer_test_support.h"

using namespace razudar;
using namespace razudar::renderer;

namespace {

// A renderer on a board without a render thread: the test makes every frame on the fake clock.
struct MoveFixture : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        board = std::make_unique<VideoBoard>(BoardEnvironment{&clock, nullptr, false});
        ASSERT_TRUE(board->OpenBoard());
        model = std::make_unique<Renderer>(clock);
        BoardLink link;
        ASSERT_TRUE(board->GetBoardLink(link));
        ASSERT_TRUE(model->AttachBoard(link));
        OutputHandle handle;
        ASSERT_TRUE(board->GetOutputHandle(handle));
        ASSERT_TRUE(model->SetOutput(handle, false));
        ASSERT_TRUE(board->StartOutput());
    }
    void load(const QString& objectsJson) {
        ASSERT_TRUE(model->LoadPage(rtest::writePage(dir.path(), "p.smb", objectsJson))) << model->lastError().toStdString();
        ASSERT_TRUE(model->SetRunning(true));
    }
    // Steps the fake clock by whole frames, composing each.
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            clock.advanceMs(kMoveFrameMs);
            board->composeNow();
        }
    }
    ObjectLayout layout(const QString& name) {
        ObjectLayout l;
        EXPECT_TRUE(model->GetObjectLayout(name, l));
        return l;
    }

    QTemporaryDir dir;
    FakeClock clock;
    std::unique_ptr<VideoBoard> board;
    std::unique_ptr<Renderer> model;
};

const char* kBox = R"([{"name": "Box", "type": "text", "x": 100, "y": 50, "w": 40, "h": 20, "text": ""}])";

}  // namespace

TEST(MoveTrack, InterpolatesBetweenKeysFromTheStartPosition) {
    MoveKey k0{10, MovePoint{0, 0, 255, {}}};
    MoveKey k1{30, MovePoint{200, 100, 55, {40, 0, 0, 0}}};
    const MoveTrack track(MovePoint{-100, 0, 255, {}}, {k0, k1}, 1000);
    struct Case { qint64 ms; qint32 x, y, alpha, wipeLeft; bool finished; };
    const Case cases[] = {
        {1000, -100, 0, 255, 0, false},          // start: where the object was
        {1000 + 5 * 40, -50, 0, 255, 0, false},  // half-way to key 0 (frame 5 of 10)
        {1000 + 20 * 40, 100, 50, 155, 20, false},
        {1000 + 30 * 40, 200, 100, 55, 40, true},
        {1000 + 99 * 40, 200, 100, 55, 40, true},
    };
    for (const Case& c : cases) {
        bool finished = false;
        const MovePoint p = track.at(c.ms, &finished);
        EXPECT_EQ(p.x, c.x) << c.ms;
        EXPECT_EQ(p.y, c.y) << c.ms;
        EXPECT_EQ(p.alpha, c.alpha) << c.ms;
        EXPECT_EQ(p.wipe[0], c.wipeLeft) << c.ms;
        EXPECT_EQ(finished, c.finished) << c.ms;
    }
}

TEST_F(MoveFixture, LayoutIsWrittenThroughHalfWayAndAtTheEnd) {
    load(kBox);
    ASSERT_TRUE(model->QueueMove("Box", 0, 0, 100, 50, 255, 0, 0, 0, 0));
    ASSERT_TRUE(model->QueueMove("Box", 1, 20, 820, 50, 255, 0, 0, 0, 0));
    ASSERT_TRUE(model->RunMoves("Box", 1));
    // Nothing moves before the batch is started.
    frames(3);
    EXPECT_EQ(layout("Box").x, 100);
    ASSERT_TRUE(model->SetMoveValue("Box", 0, 1, 1));
    frames(10);
    EXPECT_EQ(layout("Box").x, 460);
    EXPECT_TRUE(model->isMoving("Box"));
    frames(10);
    EXPECT_EQ(layout("Box").x, 820);
    EXPECT_FALSE(model->isMoving("Box"));
    // Parked off-frame, the row slides back from where it is.
    ASSERT_TRUE(model->QueueMove("Box", 0, 0, 820, 50, 255, 0, 0, 0, 0));
    ASSERT_TRUE(model->QueueMove("Box", 1, 10, 100, 50, 255, 0, 0, 0, 0));
    ASSERT_TRUE(model->RunMoves("Box", 1));
    ASSERT_TRUE(model->SetMoveValue("Box", 0, 1, 1));
    frames(5);
    EXPECT_EQ(layout("Box").x, 460);
}

TEST_F(MoveFixture, NewBatchCancelsTheRunningTrackAndPlacementIsImmediate) {
    load(kBox);
    ASSERT_TRUE(model->QueueMove("Box", 0, 0, 100, 50, 255, 0, 0, 0, 0));
    ASSERT_TRUE(model->QueueMove("Box", 1, 100, 1100, 50, 255, 0, 0, 0, 0));
    ASSERT_TRUE(model->SetMoveValue("Box", 0, 1, 1));
    frames(10);
    EXPECT_EQ(layout("Box").x, 200);
    // Placed at its last key at once (animate 0); the old track is gone.
    ASSERT_TRUE(model->QueueMove("Box", 0, 0, 0, 9, 255, 0, 0, 0, 0));
    ASSERT_TRUE(model->QueueMove("Box", 1, 1, 5, 7, 128, 0, 0, 0, 0));
    ASSERT_TRUE(model->SetMoveValue("Box", 0, 1, 0));
    EXPECT_EQ(layout("Box").x, 5);
    EXPECT_EQ(layout("Box").alpha, 128);
    frames(20);
    EXPECT_EQ(layout("Box").x, 5);
    EXPECT_EQ(layout("Box").y, 7);
}

TEST_F(MoveFixture, BadBatchesFailAndLeaveNothingQueued) {
    load(kBox);
    EXPECT_FALSE(model->QueueMove("Nessuno", 0, 0, 0, 0, 255, 0, 0, 0, 0));
    EXPECT_FALSE(model->QueueMove("Box", 0, 0, 0, 0, 256, 0, 0, 0, 0));
    EXPECT_FALSE(model->QueueMove("Box", 0, -1, 0, 0, 255, 0, 0, 0, 0));
    EXPECT_FALSE(model->RunMoves("Box", 7));
    ASSERT_TRUE(model->QueueMove("Box", 0, 0, 300, 50, 255, 0, 0, 0, 0));
    // A name not on the page drops the whole batch.
    EXPECT_FALSE(model->SetMoveValue("Box,Nessuno", 0, 1, 1));
    EXPECT_EQ(layout("Box").x, 100);
    ASSERT_TRUE(model->QueueMove("Box", 0, 0, 300, 50, 255, 0, 0, 0, 0));
    ASSERT_TRUE(model->DiscardMoves());
    ASSERT_TRUE(model->SetMoveValue("Box", 0, 1, 1));
    EXPECT_EQ(layout("Box").x, 100);
    // An empty batch closes without error.
    EXPECT_TRUE(model->RunMoves("", 1));
    EXPECT_TRUE(model->SetMoveValue("", 0, 0, 1));
}

TEST_F(MoveFixture, WipeHidesTheCoveredPartOfTheObject) {
    const QString red = dir.path() + "/red.png";
    QImage picture(100, 40, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(red));
    load(R"([{"name": "Bar", "type": "image", "x": 200, "y": 300, "file": "red.png"}])");
    // Wipe from the left: half of the bar hidden half-way through.
    ASSERT_TRUE(model->QueueMove("Bar", 0, 0, 200, 300, 255, 100, 0, 0, 0));
    ASSERT_TRUE(model->QueueMove("Bar", 1, 10, 200, 300, 255, 0, 0, 0, 0));
    ASSERT_TRUE(model->SetMoveValue("Bar", 0, 1, 1));
    frames(5);
    const auto [inside, outside] =
        rtest::countInsideOutside(board->outputFrame(), QRect(250, 300, 50, 40), rtest::isRedish);
    EXPECT_EQ(inside, 50 * 40);
    EXPECT_EQ(outside, 0);
}

TEST_F(MoveFixture, AddedObjectsJoinThePageOnce) {
    load(kBox);
    EXPECT_TRUE(model->AddTextObject("Copia"));
    EXPECT_TRUE(model->AddImageObject("Img"));
    EXPECT_TRUE(model->AddAnimationObject("Ani"));
    EXPECT_TRUE(model->AddClipObject("Clip"));
    EXPECT_FALSE(model->AddTextObject(" box "));
    qint32 count = 0;
    ASSERT_TRUE(model->GetObjectCount(count));
    EXPECT_EQ(count, 5);
    EXPECT_EQ(layout("Clip").type, ObjectType::Clip);
    EXPECT_EQ(layout("Img").type, ObjectType::Image);
}
