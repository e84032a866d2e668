#include "platform/renderer/clip_player.h"

#include <QFile>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace razudar::renderer {

namespace {

// Frames decoded ahead of the one shown: enough to ride out a slow moment of the machine.
constexpr std::size_t kFramesAhead = 12;
constexpr qint64 kDefaultFrameMs = 40;

QString avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// Reads and decodes the video stream of one file, one scaled frame at a time.
class Decoder {
public:
    enum class Result { Frame, End, Error };

    ~Decoder() {
        sws_freeContext(sws_);
        av_frame_free(&frame_);
        av_packet_free(&packet_);
        avcodec_free_context(&codec_);
        avformat_close_input(&format_);
    }

    bool open(const QString& path, QSize size, QString* error) {
        av_log_set_level(AV_LOG_QUIET);
        const QString what = QStringLiteral("Impossibile riprodurre il filmato '%1': ").arg(path);
        auto fail = [&](const QString& why) {
            if (error) *error = what + why;
            return false;
        };
        if (path.trimmed().isEmpty()) return fail(QStringLiteral("nessun file"));
        const QByteArray name = QFile::encodeName(path);
        int rc = avformat_open_input(&format_, name.constData(), nullptr, nullptr);
        if (rc < 0) return fail(avError(rc));
        rc = avformat_find_stream_info(format_, nullptr);
        if (rc < 0) return fail(avError(rc));
        const AVCodec* codec = nullptr;
        stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
        if (stream_ < 0 || !codec) return fail(QStringLiteral("nessuna traccia video leggibile"));
        codec_ = avcodec_alloc_context3(codec);
        const AVStream* st = format_->streams[stream_];
        if (!codec_ || avcodec_parameters_to_context(codec_, st->codecpar) < 0)
            return fail(QStringLiteral("decodificatore non disponibile"));
        codec_->thread_count = 2;
        rc = avcodec_open2(codec_, codec, nullptr);
        if (rc < 0) return fail(avError(rc));
        if (codec_->width <= 0 || codec_->height <= 0) return fail(QStringLiteral("dimensioni del quadro non valide"));
        size_ = size.isEmpty() ? QSize(codec_->width, codec_->height) : size;
        const AVRational rate = st->avg_frame_rate.num > 0 ? st->avg_frame_rate : st->r_frame_rate;
        if (rate.num > 0 && rate.den > 0) frameMs_ = std::max<qint64>(1, qint64(1000.0 * rate.den / rate.num + 0.5));
        timeBase_ = st->time_base;
        frame_ = av_frame_alloc();
        packet_ = av_packet_alloc();
        if (!frame_ || !packet_) return fail(QStringLiteral("memoria insufficiente"));
        return true;
    }

    qint64 frameMs() const { return frameMs_; }
    QSize size() const { return size_; }

    // The next frame and its time from the start of the file, in ms.
    Result next(QImage& image, qint64& ptsMs) {
        for (;;) {
            int rc = avcodec_receive_frame(codec_, frame_);
            if (rc == 0) {
                ptsMs = timeOf(*frame_);
                const bool ok = convert(image);
                av_frame_unref(frame_);
                return ok ? Result::Frame : Result::Error;
            }
            if (rc == AVERROR_EOF) return Result::End;
            if (rc != AVERROR(EAGAIN)) return Result::Error;
            if (draining_) return Result::End;
            rc = av_read_frame(format_, packet_);
            if (rc < 0) {
                draining_ = true;
                avcodec_send_packet(codec_, nullptr);
                continue;
            }
            if (packet_->stream_index == stream_) rc = avcodec_send_packet(codec_, packet_);
            av_packet_unref(packet_);
            if (rc < 0 && rc != AVERROR(EAGAIN) && rc != AVERROR_INVALIDDATA) return Result::Error;
        }
    }

    bool rewind() {
        if (av_seek_frame(format_, stream_, 0, AVSEEK_FLAG_BACKWARD) < 0) return false;
        avcodec_flush_buffers(codec_);
        draining_ = false;
        firstPts_ = AV_NOPTS_VALUE;
        counted_ = 0;
        return true;
    }

private:
    qint64 timeOf(const AVFrame& f) {
        const qint64 counted = counted_++ * frameMs_;
        const int64_t pts = f.best_effort_timestamp;
        if (pts == AV_NOPTS_VALUE) return counted;
        if (firstPts_ == AV_NOPTS_VALUE) firstPts_ = pts;
        return std::max<qint64>(0, av_rescale_q(pts - firstPts_, timeBase_, AVRational{1, 1000}));
    }

    bool convert(QImage& image) {
        const auto format = AVPixelFormat(frame_->format);
        sws_ = sws_getCachedContext(sws_, frame_->width, frame_->height, format, size_.width(), size_.height(),
                                    AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (!sws_) return false;
        QImage out(size_, QImage::Format_ARGB32);
        if (out.isNull()) return false;
        uint8_t* planes[4] = {out.bits(), nullptr, nullptr, nullptr};
        int strides[4] = {int(out.bytesPerLine()), 0, 0, 0};
        sws_scale(sws_, frame_->data, frame_->linesize, 0, frame_->height, planes, strides);
        const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(format);
        const bool alpha = desc && (desc->flags & AV_PIX_FMT_FLAG_ALPHA);
        // Opaque pictures are the same premultiplied or not: no conversion needed.
        if (alpha) {
            image = out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        } else {
            out.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
            image = std::move(out);
        }
        return true;
    }

    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    SwsContext* sws_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    int stream_ = -1;
    bool draining_ = false;
    QSize size_;
    qint64 frameMs_ = kDefaultFrameMs;
    AVRational timeBase_{1, 1000};
    int64_t firstPts_ = AV_NOPTS_VALUE;
    qint64 counted_ = 0;
};

}  // namespace

class ClipPlayer::Impl {
public:
    struct Frame {
        QImage image;
        qint64 ptsMs = 0;
    };

    Decoder decoder;
    bool loop = false;

    std::thread thread;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Frame> queue;
    bool endOfFile = false;
    bool stop = false;
    qint64 decoded = 0;

    // Render side (under the mutex too).
    bool started = false;
    qint64 originMs = 0;
    QImage current;
    qint64 currentPts = 0;

    void run() {
        qint64 offsetMs = 0;   // time of the passes already played (looping)
        qint64 lastPts = -1;
        qint64 passFrames = 0;
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(mutex);
                wake.wait(lock, [this] { return stop || queue.size() < kFramesAhead; });
                if (stop) return;
            }
            QImage image;
            qint64 pts = 0;
            const Decoder::Result r = decoder.next(image, pts);
            if (r == Decoder::Result::Frame) {
                lastPts = pts;
                ++passFrames;
                std::lock_guard<std::mutex> lock(mutex);
                queue.push_back(Frame{std::move(image), offsetMs + pts});
                ++decoded;
                continue;
            }
            if (r == Decoder::Result::End && loop && passFrames > 0 && decoder.rewind()) {
                offsetMs += lastPts + decoder.frameMs();
                passFrames = 0;
                continue;
            }
            std::lock_guard<std::mutex> lock(mutex);
            endOfFile = true;
            return;
        }
    }
};

ClipPlayer::ClipPlayer(std::unique_ptr<Impl> impl) : d_(std::move(impl)) {}

ClipPlayer::~ClipPlayer() {
    {
        std::lock_guard<std::mutex> lock(d_->mutex);
        d_->stop = true;
    }
    d_->wake.notify_all();
    if (d_->thread.joinable()) d_->thread.join();
}

std::unique_ptr<ClipPlayer> ClipPlayer::open(const QString& file, QSize size, bool loop, QString* error) {
    auto impl = std::make_unique<Impl>();
    if (!impl->decoder.open(file, size, error)) return nullptr;
    impl->loop = loop;
    Impl* raw = impl.get();
    raw->thread = std::thread([raw] { raw->run(); });
    return std::unique_ptr<ClipPlayer>(new ClipPlayer(std::move(impl)));
}

ClipPlayer::Sample ClipPlayer::sample(qint64 nowMs) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    Sample s;
    if (!d_->started) {
        if (d_->queue.empty()) {
            s.ended = d_->endOfFile;  // a file without a single frame
            return s;
        }
        d_->started = true;
        d_->originMs = nowMs;
    }
    const qint64 elapsed = nowMs - d_->originMs;
    bool taken = false;
    while (!d_->queue.empty() && d_->queue.front().ptsMs <= elapsed) {
        d_->current = std::move(d_->queue.front().image);
        d_->currentPts = d_->queue.front().ptsMs;
        d_->queue.pop_front();
        taken = true;
    }
    if (taken) d_->wake.notify_one();
    s.frame = d_->current;
    s.ended = !d_->loop && d_->endOfFile && d_->queue.empty() &&
              elapsed >= d_->currentPts + d_->decoder.frameMs();
    return s;
}

QSize ClipPlayer::frameSize() const { return d_->decoder.size(); }

qint64 ClipPlayer::decodedFrames() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->decoded;
}

bool ClipPlayer::decodeAll(const QString& file, QSize size, qint64* frames, QString* error) {
    Decoder decoder;
    if (!decoder.open(file, size, error)) return false;
    qint64 count = 0;
    QImage image;
    qint64 pts = 0;
    for (;;) {
        const Decoder::Result r = decoder.next(image, pts);
        if (r == Decoder::Result::End) break;
        if (r == Decoder::Result::Error) {
            if (error) *error = QStringLiteral("Errore di decodifica nel filmato '%1'").arg(file);
            return false;
        }
        ++count;
    }
    if (frames) *frames = count;
    return true;
}

}  // namespace razudar::renderer
