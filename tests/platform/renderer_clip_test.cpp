#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "platform/fakes/fake_services.h"
#include "platform/renderer/clip_player.h"
#include "platform/renderer/renderer.h"
#include "platform/renderer/video_board.h"
#include "renderer_test_support.h"

using namespace razudar;
using namespace razudar::renderer;

namespace {

// A page with one animation object on a board without a render thread; the decoder thread is
// real, so each step gives it a moment to stay ahead.
struct ClipFixture : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString made = rtest::makeClip(dir.path() + "/Sponsor1.avi", 3, 64, 48);
        ASSERT_TRUE(made.isEmpty()) << made.toStdString();
        board = std::make_unique<VideoBoard>(BoardEnvironment{&clock, nullptr, false});
        ASSERT_TRUE(board->OpenBoard());
        model = std::make_unique<Renderer>(clock);
        BoardLink link;
        ASSERT_TRUE(board->GetBoardLink(link));
        ASSERT_TRUE(model->AttachBoard(link));
        OutputHandle handle;
        ASSERT_TRUE(board->GetOutputHandle(handle));
        ASSERT_TRUE(model->SetOutput(handle, false));
        ASSERT_TRUE(model->LoadPage(rtest::writePage(dir.path(), "p.smb",
            R"([{"name": "Sponsor", "type": "animation", "x": 500, "y": 40, "w": 64, "h": 48,
                 "file": "sponsor1.AVI", "visible": false}])")));
        ASSERT_TRUE(model->Draw(static_cast<QImage*>(nullptr), 0, 0, 720, 576));
        QObject::connect(model.get(), &Renderer::Notify, model.get(),
                         [this](const QString& name, int event) { notified.emplace_back(name, event); },
                         Qt::QueuedConnection);
    }
    // One frame on the fake clock, then the queued notifications.
    void frame() {
        QThread::msleep(2);
        clock.advanceMs(40);
        board->composeNow();
        QCoreApplication::processEvents();
    }
    // Frames until `count` notifications have arrived (the decoder runs in real time: bounded by
    // count).
    void untilNotified(std::size_t count) {
        for (int i = 0; i < 1500 && notified.size() < count; ++i) frame();
    }

    QTemporaryDir dir;
    FakeClock clock;
    std::unique_ptr<VideoBoard> board;
    std::unique_ptr<Renderer> model;
    std::vector<std::pair<QString, int>> notified;
};

}  // namespace

TEST_F(ClipFixture, ThreeFrameClipPlaysAndNotifiesOnceAfterTheCall) {
    ASSERT_TRUE(model->PlayAnimation("sponsor", 0)) << model->lastError().toStdString();
    QCoreApplication::processEvents();
    EXPECT_TRUE(notified.empty());
    bool seen = false;
    for (int i = 0; i < 1500 && notified.empty(); ++i) {
        frame();
        const auto [inside, outside] =
            rtest::countInsideOutside(board->outputFrame(), QRect(500, 40, 64, 48), rtest::isRedish);
        if (inside == 64 * 48 && outside == 0) seen = true;
    }
    EXPECT_TRUE(seen);
    ASSERT_EQ(notified.size(), 1u);
    EXPECT_EQ(notified[0].first, "Sponsor");
    EXPECT_EQ(notified[0].second, int(NotifyEvent::ClipEnded));
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_EQ(notified.size(), 1u);
    // Played again: from the first frame, one more notification.
    ASSERT_TRUE(model->PlayAnimation("Sponsor", 0));
    untilNotified(2);
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_EQ(notified.size(), 2u);
}

TEST_F(ClipFixture, HiddenOrClearedClipStopsSilently) {
    ASSERT_TRUE(model->LoadPage(rtest::writePage(dir.path(), "p.smb",
        R"([{"name": "Sponsor", "type": "animation", "file": "Sponsor1.avi", "loop": true},
            {"name": "Altro", "type": "clip", "w": 64, "h": 48, "file": "Sponsor1.avi"}])")));
    ASSERT_TRUE(model->Draw(static_cast<QImage*>(nullptr), 0, 0, 720, 576));
    ASSERT_TRUE(model->PlayAnimation("Altro", 0));
    ASSERT_TRUE(model->PlayAnimation("Sponsor", 0));
    ObjectLayout sized;
    ASSERT_TRUE(model->GetObjectLayout("Sponsor", sized));
    EXPECT_EQ(QSize(sized.w, sized.h), QSize(64, 48));  // the file's own size
    frame();
    ClipRecord clip;
    ASSERT_TRUE(model->GetClipRecord("Altro", clip));
    clip.visible = false;
    ASSERT_TRUE(model->SetClipRecord("Altro", clip));
    for (int i = 0; i < 200; ++i) frame();
    // The looping one never ends; the hidden one never reports.
    EXPECT_TRUE(notified.empty());
    ASSERT_TRUE(model->ClearPage());
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_TRUE(notified.empty());
}

TEST_F(ClipFixture, MissingOrUnplayableFileFailsWithAReasonAndEndsOnce) {
    AnimationRecord record;
    ASSERT_TRUE(model->GetAnimationRecord("Sponsor", record));
    record.path = "Sponsor9.avi";
    ASSERT_TRUE(model->SetAnimationRecord("Sponsor", record));
    EXPECT_FALSE(model->PlayAnimation("Sponsor", 0));
    EXPECT_EQ(model->lastError(), "Filmato 'Sponsor9.avi' non trovato");
    EXPECT_TRUE(notified.empty());  // delivered after the call, not inside it
    for (int i = 0; i < 10; ++i) frame();
    ASSERT_EQ(notified.size(), 1u);

    QFile bad(dir.path() + "/rotto.avi");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("non un filmato");
    bad.close();
    record.path = "rotto.avi";
    ASSERT_TRUE(model->SetAnimationRecord("Sponsor", record));
    EXPECT_FALSE(model->PlayAnimation("Sponsor", 0));
    EXPECT_TRUE(model->lastError().startsWith("Impossibile riprodurre il filmato")) << model->lastError().toStdString();
    for (int i = 0; i < 10; ++i) frame();
    EXPECT_EQ(notified.size(), 2u);
    EXPECT_FALSE(model->PlayAnimation("Nessuno", 0));
}

TEST(ClipPlayer, DecodesEveryFrameAtTheObjectSize) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/c.avi";
    const QString made = rtest::makeClip(file, 7, 32, 24, "blue");
    ASSERT_TRUE(made.isEmpty()) << made.toStdString();
    qint64 frames = 0;
    QString error;
    ASSERT_TRUE(ClipPlayer::decodeAll(file, QSize(16, 12), &frames, &error)) << error.toStdString();
    EXPECT_EQ(frames, 7);
    auto player = ClipPlayer::open(file, QSize(16, 12), false, &error);
    ASSERT_TRUE(player);
    ClipPlayer::Sample s;
    for (int i = 0; i < 2000 && s.frame.isNull(); ++i) {
        QThread::msleep(1);
        s = player->sample(0);
    }
    ASSERT_FALSE(s.frame.isNull());
    EXPECT_EQ(s.frame.size(), QSize(16, 12));
    EXPECT_GT(qBlue(s.frame.pixel(8, 6)), 200);
}
