#pragma once
#include <QImage>
#include <QMutex>

#include <functional>
#include <memory>

namespace razudar::renderer {

// A picture that a renderer draws into and a window shows: the stand-in for a window's device
// context. The preview panes own one each (PlaneView in the output library) and hand it to a
// renderer as its output; a renderer may deliver frames from its render thread, so every member
// is thread-safe. Frames are 720 x 576 unless the owner sets another size.
class FrameSurface {
public:
    FrameSurface();
    // The latest picture (a cheap shared copy).
    QImage frame() const;
    // Replaces the picture and tells the listener.
    void setFrame(const QImage& frame);
    // Empties the picture (transparent) and tells the listener.
    void clear();
    QSize size() const;
    // Resizes (and empties) the picture.
    void resize(const QSize& size);
    // How many pictures were delivered; lets a window or a test see that a new one came.
    quint64 frameCount() const;
    // Called after every new picture, on the thread that delivered it. A window uses it to
    // schedule a repaint (queued to its own thread); set an empty function before the window
    // goes away.
    void setFrameListener(std::function<void()> listener);

    // Runs `paint` on the picture under the surface's lock, then tells the listener.
    void paintWith(const std::function<void(QImage&)>& paint);

private:
    void notify();
    mutable QMutex mutex_;
    QImage frame_;
    quint64 frameCount_ = 0;
    QMutex listenerMutex_;  // held while the listener runs, so clearing it waits for a call
    std::function<void()> listener_;
};

using FrameSurfacePtr = std::shared_ptr<FrameSurface>;

class VideoBoard;

// What `VideoBoard::GetBoardLink` gives and `Renderer::AttachBoard` takes.
struct BoardLink {
    VideoBoard* board = nullptr;
};

// A renderer's output target: the board's output (from `VideoBoard::GetOutputHandle`) or a
// preview window's surface (`OutputHandle::window`).
class OutputHandle {
public:
    OutputHandle() = default;
    static OutputHandle board(VideoBoard* board) {
        OutputHandle h;
        h.board_ = board;
        return h;
    }
    static OutputHandle window(FrameSurfacePtr surface) {
        OutputHandle h;
        h.window_ = std::move(surface);
        return h;
    }
    VideoBoard* boardTarget() const { return board_; }
    const FrameSurfacePtr& windowTarget() const { return window_; }
    bool isNull() const { return board_ == nullptr && !window_; }

private:
    VideoBoard* board_ = nullptr;
    FrameSurfacePtr window_;
};

}  // namespace razudar::renderer
