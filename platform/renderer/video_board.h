#pragma once
#include <QImage>
#include <QString>

#include <functional>
#include <memory>

#include "platform/renderer/frame_surface.h"
#include "platform/renderer/renderer_types.h"

namespace razudar {
class Clock;
class SettingsStore;
}  // namespace razudar

namespace razudar::renderer {

class Renderer;

// Where the board finds its output screen: settings store application "Razudar", section
// "Grafica", key "SchermoUscita": a screen name, or a screen number counted from 0. Empty or
// absent: no output window; the board composes into its offscreen frame.
QString outputScreenSettingApplication();
QString outputScreenSettingSection();
QString outputScreenSettingKey();

struct BoardEnvironment {
    const Clock* clock = nullptr;             // reference time of the frames (required)
    const SettingsStore* settings = nullptr;  // output screen (may be null: offscreen)
    // true: StartOutput starts the board's own render thread, which ticks the attached
    // renderers and composes a frame every 40 ms whatever the calling thread is doing.
    // false: frames are made only by UpdateOutput, composeNow and the renderers' Draw
    // (tests that step a fake clock).
    bool renderThread = true;
};

// The video board: it composes plane 0 and, when layer 1 is active, plane 1 on top, 25 frames
// a second, and shows the result on its output: a frameless full-screen window on the screen
// chosen in the settings store, or the offscreen frame (outputFrame) when none is chosen.
// Every member is thread-safe; failures return false with the reason in lastError().
class VideoBoard {
public:
    explicit VideoBoard(const BoardEnvironment& environment);
    ~VideoBoard();
    VideoBoard(const VideoBoard&) = delete;
    VideoBoard& operator=(const VideoBoard&) = delete;

    QString lastError() const;

    // Opens the output: the window on the configured screen (fails when that screen does not
    // exist or no graphical application runs), or the offscreen frame.
    bool OpenBoard();
    bool isOpen() const;
    // Starts the output: from now on a frame every 40 ms (with the render thread).
    bool StartOutput();
    bool isOutputStarted() const;
    // Composes a frame now and shows it. The rectangle must lie inside the 720 x 576 frame;
    // the whole frame is composed.
    bool UpdateOutput(int x, int y, int w, int h);
    // The handle a renderer binds its output to (Renderer::SetOutput(handle, false)).
    bool GetOutputHandle(OutputHandle& handle);
    // What Renderer::AttachBoard takes.
    bool GetBoardLink(BoardLink& link);
    // 1 when plane 1 is composed over plane 0, else 0.
    bool GetLayer1Active(qint32& active);
    bool SetLayer1Active(qint32 active);  // 1 or 0
    // Empties layer 1 (plane 0) or 2 (plane 1) until its renderer delivers a new frame.
    bool ClearLayer(int layer);

    // ---- Our own access (preview, tests, benchmark)
    // The latest composed output frame (720 x 576 ARGB32 premultiplied; transparent where no
    // plane draws). Null before the first frame.
    QImage outputFrame() const;
    // The latest frame a plane (0 or 1) delivered to the board; null when empty.
    QImage layerFrame(int plane) const;
    quint64 frameCount() const;
    // Called on the composing thread after every output frame (frame, its number, the
    // monotonic time of the clock in ms).
    void setFrameListener(std::function<void(const QImage&, quint64, qint64)> listener);
    // Ticks the attached renderers and composes one frame on the calling thread.
    void composeNow();
    // Whether an output window is open (a screen was configured).
    bool hasOutputWindow() const;

private:
    friend class Renderer;
    void attachRenderer(Renderer* renderer);
    void detachRenderer(Renderer* renderer);
    void submitLayerFrame(int plane, const QImage& frame);
    class Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace razudar::renderer
