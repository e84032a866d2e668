#pragma once
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace razudar::renderer {

// Plays one video or animation file: a decoder thread of its own reads and decodes the file
// with FFmpeg, scales each picture to the object's size and keeps a few frames ready ahead of
// the frame clock, so the render thread only picks the frame due and never waits for decoding.
class ClipPlayer {
public:
    // Opens the file on the calling thread (so a missing or unplayable file is reported at
    // once, with the reason in `error`) and starts decoding. `size` is the size the frames are
    // scaled to (the file's own size when empty); `loop` starts again at the end of the file.
    static std::unique_ptr<ClipPlayer> open(const QString& file, QSize size, bool loop, QString* error);
    ~ClipPlayer();
    ClipPlayer(const ClipPlayer&) = delete;
    ClipPlayer& operator=(const ClipPlayer&) = delete;

    struct Sample {
        QImage frame;        // the frame due now (null until the first frame is decoded)
        bool ended = false;  // a clip that does not loop has shown its last frame for its time
    };
    // The frame due at `nowMs` (the clock of the frames). Playback time starts at the first
    // call that finds a frame decoded, so the first frame is never skipped. Never blocks on the
    // decoder.
    Sample sample(qint64 nowMs);

    // The size of the frames given out.
    QSize frameSize() const;
    // Frames decoded so far (benchmarks and tests).
    qint64 decodedFrames() const;
    // Decodes the whole file on the calling thread as fast as it can, without showing it, and
    // returns the number of frames (benchmarks). False when the file cannot be decoded.
    static bool decodeAll(const QString& file, QSize size, qint64* frames, QString* error);

    class Impl;

private:
    explicit ClipPlayer(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d_;
};

}  // namespace razudar::renderer
