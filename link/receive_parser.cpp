#include "link/receive_parser.h"

#include <cmath>
#include <cstring>
#include <utility>

#include "link/frame.h"
#include "link/windows1252.h"
#include "model/basic.h"

namespace razudar::link {

namespace {

// An arrival of at least this many bytes is kept as it is; smaller ones are copied together.
constexpr qsizetype kKeptArrivalBytes = 4096;
// Room of a chunk the parser makes for the small arrivals.
constexpr qsizetype kOwnChunkBytes = 16384;

// Sets a flag for the life of the guard, whatever way the scope is left.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& flag_;
};

// Six plain digits, what every sender writes, read directly; -1 for anything else.
qsizetype plainCount(const char* field) {
    unsigned digit[6];
    unsigned notDigit = 0;
    for (int i = 0; i < 6; ++i) {
        digit[i] = static_cast<unsigned char>(field[i]) - unsigned('0');
        notDigit |= digit[i] > 9;
    }
    if (notDigit) return -1;
    return qsizetype(digit[0] * 100000 + digit[1] * 10000 + digit[2] * 1000 + digit[3] * 100 +
                     digit[4] * 10 + digit[5]);
}

bool startsWithMarker(QByteArrayView data) {
    return data.size() >= 2 && data[0] == '%' && data[1] == '%';
}

// The first bytes of `count` (those in `excerpt`) as a notice shows them.
QString excerptText(const ReceivedBytes& excerpt, qsizetype count) {
    QString text = decodeWindows1252(excerpt.pieces());
    if (count > excerpt.size()) text += QChar(0x2026);
    return text;
}

QString mancaNotice(const ReceivedBytes& excerpt, qsizetype count) {
    return QStringLiteral("Manca %% ") + QString::number(count) + QStringLiteral(" <") +
           excerptText(excerpt, count) + QStringLiteral("> ");
}

QString preMancaNotice(const ReceivedBytes& excerpt, qsizetype count) {
    return QStringLiteral("PreManca %% ") + QString::number(count) + QLatin1Char(' ') +
           excerptText(excerpt, count);
}

}  // namespace

// ---- ReceivedBytes ---------------------------------------------------------------------------

void ReceivedBytes::append(QByteArrayView piece) {
    if (piece.isEmpty()) return;
    pieces_.append(piece);
    size_ += piece.size();
}

bool ReceivedBytes::startsWith(QByteArrayView prefix) const {
    if (prefix.size() > size_) return false;
    qsizetype matched = 0;
    for (const QByteArrayView piece : pieces_) {
        const qsizetype n = qMin(piece.size(), prefix.size() - matched);
        for (qsizetype i = 0; i < n; ++i)
            if (piece[i] != prefix[matched + i]) return false;
        matched += n;
        if (matched == prefix.size()) break;
    }
    return true;
}

ReceivedBytes ReceivedBytes::sliced(qsizetype from) const {
    ReceivedBytes rest;
    for (const QByteArrayView piece : pieces_) {
        if (from >= piece.size()) {
            from -= piece.size();
            continue;
        }
        rest.append(piece.sliced(from));
        from = 0;
    }
    return rest;
}

QByteArray ReceivedBytes::toByteArray() const {
    QByteArray joined;
    joined.reserve(size_);
    for (const QByteArrayView piece : pieces_) joined.append(piece);
    return joined;
}

// ---- ReceiveParser ---------------------------------------------------------------------------

std::optional<qsizetype> ReceiveParser::readCount(QByteArrayView field) {
    if (field.size() == 6) {
        const qsizetype plain = plainCount(field.data());
        if (plain >= 0) return plain;
    }

    // Anything else is read as a leading number: blanks, tabs and line feeds stripped
    // wherever they stand, then a number up to the first character that cannot continue it.
    QString text = decodeWindows1252(field);
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    // A carriage return is not among the characters skipped: one in front reads as no number
    // (the shared Val would step over it).
    if (text.startsWith(QLatin1Char('\r'))) return 0;
    const double number = basic::Val(text);
    if (!std::isfinite(number)) return std::nullopt;
    bool ok = true;
    const qint32 count = basic::CLng(number, &ok);
    if (!ok || count < 0 || count > kMaxFrameTextBytes) return std::nullopt;
    return count;
}

void ReceiveParser::feed(QByteArrayView data, ReceiveSink& sink) {
    // While busy, a handler is running further out: its loop delivers this after it returns.
    if (busy_ || data.size() < kKeptArrivalBytes) {
        append(data, nullptr);
        if (!busy_) parse(sink);
        return;
    }
    // A large arrival is parsed where it lies; what is left of it is copied on the way out,
    // whatever way that is.
    dropParsedChunks();
    chunks_.push_back({QByteArray::fromRawData(data.data(), data.size()), Chunk::Borrowed});
    size_ += data.size();
    struct KeepBorrowed {
        ReceiveParser& parser;
        ~KeepBorrowed() { parser.keepBorrowed(); }
    } keep{*this};
    parse(sink);
}

// Copies what is not parsed of the caller's bytes before feed() returns. No handler runs now.
void ReceiveParser::keepBorrowed() {
    dropParsedChunks();
    for (std::size_t i = first_; i < chunks_.size(); ++i) {
        Chunk& chunk = chunks_[i];
        if (chunk.kind != Chunk::Borrowed) continue;
        const qsizetype from = i == first_ ? head_ : 0;
        chunk.bytes = QByteArray(chunk.bytes.constData() + from, chunk.bytes.size() - from);
        chunk.kind = Chunk::Shared;
        if (i == first_) head_ = 0;
    }
}

void ReceiveParser::feedArrival(const QByteArray& data, ReceiveSink& sink) {
    append(data, &data);
    if (!busy_) parse(sink);
}

void ReceiveParser::clear() {
    if (busy_) {
        // The text the sink is handling may lie in these chunks: keep them until it returns.
        for (Chunk& chunk : chunks_) retired_.push_back(std::move(chunk));
    }
    chunks_.clear();
    first_ = 0;
    head_ = 0;
    size_ = 0;
    markerPending_ = false;
    ++generation_;
}

void ReceiveParser::append(QByteArrayView data, const QByteArray* arrival) {
    if (data.isEmpty()) return;
    if (!busy_) dropParsedChunks();
    size_ += data.size();
    // A large arrival the parser may share is kept whole: no copy.
    if (arrival && arrival->size() >= kKeptArrivalBytes && arrival->capacity() > 0) {
        chunks_.push_back({*arrival, Chunk::Shared});
        return;
    }
    // Small arrivals fill the spare room of the last own chunk. Not while busy: the text the
    // sink is handling may lie in that chunk.
    if (!busy_ && first_ < chunks_.size() && chunks_.back().kind == Chunk::Own) {
        QByteArray& tail = chunks_.back().bytes;
        if (tail.capacity() - tail.size() >= data.size()) {
            tail.append(data);
            return;
        }
    }
    QByteArray chunk = std::exchange(spare_, QByteArray());
    if (chunk.capacity() < data.size()) chunk.reserve(qMax(data.size(), kOwnChunkBytes));
    chunk.append(data);
    chunks_.push_back({std::move(chunk), Chunk::Own});
}

const char* ReceiveParser::bytesFromHead(qsizetype count, char* room) const {
    const QByteArray& first = chunks_[first_].bytes;
    if (first.size() - head_ >= count) return first.constData() + head_;
    copyOut(0, count, room);
    return room;
}

void ReceiveParser::copyOut(qsizetype from, qsizetype count, char* out) const {
    std::size_t index = first_;
    qsizetype at = head_ + from;
    while (count > 0) {
        const QByteArray& bytes = chunks_[index].bytes;
        if (at >= bytes.size()) {
            at -= bytes.size();
            ++index;
            continue;
        }
        const qsizetype n = qMin(count, bytes.size() - at);
        std::memcpy(out, bytes.constData() + at, static_cast<std::size_t>(n));
        out += n;
        count -= n;
        at = 0;
        ++index;
    }
}

ReceivedBytes ReceiveParser::bytesAt(qsizetype from, qsizetype count) const {
    ReceivedBytes bytes;
    std::size_t index = first_;
    qsizetype at = head_ + from;
    while (count > 0) {
        const QByteArrayView chunk = chunks_[index].bytes;
        if (at >= chunk.size()) {
            at -= chunk.size();
            ++index;
            continue;
        }
        const qsizetype n = qMin(count, chunk.size() - at);
        bytes.append(chunk.sliced(at, n));
        count -= n;
        at = 0;
        ++index;
    }
    return bytes;
}

// Marks bytes parsed; the chunks stay until dropParsedChunks(), so texts handed out stay valid.
void ReceiveParser::skip(qsizetype count) {
    size_ -= count;
    while (count > 0) {
        const qsizetype left = chunks_[first_].bytes.size() - head_;
        if (count < left) {
            head_ += count;
            return;
        }
        count -= left;
        ++first_;
        head_ = 0;
    }
}

// Only between sink calls: no text handed out is in use then.
void ReceiveParser::dropParsedChunks() {
    if (first_ == 0 && retired_.empty()) return;
    retired_.clear();
    for (; first_ > 0; --first_) {
        Chunk& chunk = chunks_.front();
        if (chunk.kind == Chunk::Own && chunk.bytes.capacity() > spare_.capacity()) {
            spare_ = std::move(chunk.bytes);
            spare_.resize(0);  // keeps the room
        }
        chunks_.pop_front();
    }
}

// Runs the sink with the parser busy.
template <typename F>
void ReceiveParser::callSink(F&& call) {
    FlagGuard busy(busy_);
    call();
}

// The parse loop. Runs only while no handler runs, so it is never entered twice.
void ReceiveParser::parse(ReceiveSink& sink) {
    const auto excerpt = [this](qsizetype length) { return bytesAt(0, qMin(length, kNoticeExcerptBytes)); };
    for (;;) {
        dropParsedChunks();
        const quint64 generation = generation_;
        const qsizetype length = size_;
        char room[kFrameHeaderBytes];
        if (markerPending_ && length >= 2) {
            // The byte after a lone "%" is in: now it is known whether the marker is right.
            markerPending_ = false;
            if (!startsWithMarker(QByteArrayView(bytesFromHead(2, room), 2))) {
                const QString notice = preMancaNotice(excerpt(length), length);
                callSink([&] { sink.framingNotice(notice); });
                continue;
            }
        }
        if (length <= kFrameHeaderBytes) break;
        const QByteArrayView headerView(bytesFromHead(kFrameHeaderBytes, room), kFrameHeaderBytes);
        std::optional<qsizetype> count;
        if (startsWithMarker(headerView)) {
            const qsizetype plain = plainCount(headerView.data() + 2);
            count = plain >= 0 ? std::optional(plain) : readCount(headerView.sliced(2));
        }
        if (!count) {
            // The data does not start with a frame: everything received so far is dropped.
            const QString notice = mancaNotice(excerpt(length), length);
            skip(length);
            callSink([&] { sink.framingNotice(notice); });
            continue;
        }
        const qsizetype frameBytes = kFrameHeaderBytes + *count;
        if (length < frameBytes) break;  // the rest of the text has not arrived yet
        const ReceivedBytes text = bytesAt(kFrameHeaderBytes, *count);
        skip(frameBytes);
        if (size_ == 1 && *bytesFromHead(1, room) == '%') {
            markerPending_ = true;  // the next marker cut after its first "%": nothing wrong yet
        } else if (size_ > 0) {
            const qsizetype n = qMin<qsizetype>(2, size_);
            if (!startsWithMarker(QByteArrayView(bytesFromHead(n, room), n))) {
                const QString notice = preMancaNotice(excerpt(size_), size_);
                callSink([&] { sink.framingNotice(notice); });
                if (generation != generation_) continue;  // the sink started a new stream
            }
        }
        if (text.startsWith("nome"))
            callSink([&] { sink.peerNameArrived(text.sliced(4)); });
        else
            callSink([&] { sink.textArrived(text); });
    }
    dropParsedChunks();
}

}  // namespace razudar::link
