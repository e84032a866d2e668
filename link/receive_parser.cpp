#include "link/receive_parser.h"

#include <cmath>
#include <utility>

#include "link/frame.h"
#include "link/windows1252.h"
#include "model/basic.h"

namespace razudar::link {

namespace {

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

bool startsWithMarker(QByteArrayView data) {
    return data.size() >= 2 && data[0] == '%' && data[1] == '%';
}

QString mancaNotice(QByteArrayView data) {
    return QStringLiteral("Manca %% ") + QString::number(data.size()) + QStringLiteral(" <") +
           decodeWindows1252(data) + QStringLiteral("> ");
}

QString preMancaNotice(QByteArrayView rest) {
    return QStringLiteral("PreManca %% ") + QString::number(rest.size()) + QLatin1Char(' ') +
           decodeWindows1252(rest);
}

}  // namespace

std::optional<qsizetype> ReceiveParser::readCount(QByteArrayView field) {
    // Six plain digits is what every sender writes; read them directly.
    qsizetype value = 0;
    bool allDigits = true;
    for (char c : field) {
        if (c < '0' || c > '9') {
            allDigits = false;
            break;
        }
        value = value * 10 + (c - '0');
    }
    if (allDigits) return value;

    // Anything else is read as the classic Val does: blanks, tabs and line feeds stripped
    // wherever they stand, then a number up to the first character that cannot continue it.
    QString text = decodeWindows1252(field);
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    const double number = basic::Val(text);
    if (!std::isfinite(number)) return std::nullopt;
    bool ok = true;
    const qint32 count = basic::CLng(number, &ok);
    if (!ok || count < 0 || count > kMaxFrameTextBytes) return std::nullopt;
    return count;
}

qsizetype ReceiveParser::bufferedBytes() const { return heldByRun_ + buffer_.size(); }

// One pass of the parse loop. Its data is at most two pieces: what the parser had buffered
// (taken over by the run) and the new arrival, parsed where it lies. Only a frame that spans
// both pieces is copied, and only as far as it spans. Neither piece moves while the sink runs,
// so the views handed out stay valid; data fed meanwhile collects in the parser's (then empty)
// buffer and follows the run's own data. Whatever is left at the end goes back to the buffer.
class ReceiveParser::Run {
public:
    Run(ReceiveParser& parser, QByteArray&& held, QByteArrayView arrival, ReceiveSink& sink)
        : p_(parser), sink_(sink), generation_(parser.generation_), held_(std::move(held)),
          first_(held_), second_(arrival) {}
    ~Run() { keepLeftover(); }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    void parse() {
        while (!cleared()) {
            takeLaterArrivals();
            const qsizetype length = remaining();
            p_.heldByRun_ = length;
            if (length <= kFrameHeaderBytes) return;
            gather(kFrameHeaderBytes);
            const QByteArrayView header = first_.sliced(pos_, kFrameHeaderBytes);
            const std::optional<qsizetype> count =
                startsWithMarker(header) ? readCount(header.sliced(2, 6)) : std::nullopt;
            if (!count) {
                framingError();
                continue;
            }
            const qsizetype frameBytes = kFrameHeaderBytes + *count;
            if (length < frameBytes) {
                awaitedBytes_ = frameBytes;
                return;
            }
            gather(frameBytes);
            const QByteArrayView text = first_.sliced(pos_ + kFrameHeaderBytes, *count);
            pos_ += frameBytes;
            p_.heldByRun_ = remaining();
            if (remaining() > 0 && !(byteAt(0) == '%' && remaining() > 1 && byteAt(1) == '%') &&
                !callSink([&] { sink_.framingNotice(preMancaNotice(restBytes())); }))
                return;
            // `text` lies in a piece that does not move before the next pass of the loop.
            if (text.startsWith("nome"))
                callSink([&] { sink_.peerNameArrived(text.sliced(4)); });
            else
                callSink([&] { sink_.textArrived(text); });
        }
    }

private:
    bool cleared() const { return p_.generation_ != generation_; }
    qsizetype firstRemaining() const { return first_.size() - pos_; }
    qsizetype remaining() const { return firstRemaining() + second_.size(); }
    char byteAt(qsizetype i) const {
        return i < firstRemaining() ? first_[pos_ + i] : second_[i - firstRemaining()];
    }
    QByteArray restBytes() const { return first_.sliced(pos_).toByteArray() + second_.toByteArray(); }

    // Makes the next `n` bytes (n <= remaining()) lie together in the first piece.
    void gather(qsizetype n) {
        if (firstRemaining() == 0 && !second_.isEmpty()) {
            first_ = second_;
            second_ = QByteArrayView();
            pos_ = 0;
        }
        const qsizetype missing = n - firstRemaining();
        if (missing <= 0) return;
        if (!held_.isEmpty() && first_.data() == held_.constData() && first_.size() == held_.size()) {
            // The first piece is the buffer the run holds (a long text arriving piece by piece,
            // with room made for it): complete it in place.
            held_.append(second_.first(missing));
            first_ = held_;
            second_ = second_.sliced(missing);
            return;
        }
        QByteArray joined;
        joined.reserve(n);
        joined.append(first_.sliced(pos_)).append(second_.first(missing));
        held_ = std::move(joined);
        first_ = held_;
        pos_ = 0;
        second_ = second_.sliced(missing);
    }

    // The data does not start with a frame: everything received so far is dropped.
    void framingError() {
        const QByteArray dropped = restBytes();
        pos_ = first_.size();
        second_ = QByteArrayView();
        p_.heldByRun_ = 0;
        p_.buffer_.clear();
        callSink([&] { sink_.framingNotice(mancaNotice(dropped)); });
    }

    // Runs the sink with the parser busy. False when the sink cleared the parser meanwhile.
    template <typename F>
    bool callSink(F&& call) {
        {
            FlagGuard busy(p_.busy_);
            call();
        }
        return !cleared();
    }

    // Data fed while the sink ran follows the rest of this run's data in the stream: from here
    // on the run parses both together.
    void takeLaterArrivals() {
        if (p_.buffer_.isEmpty()) return;
        QByteArray joined;
        joined.reserve(remaining() + p_.buffer_.size());
        joined.append(first_.sliced(pos_)).append(second_).append(p_.buffer_);
        p_.buffer_.clear();
        held_ = std::move(joined);
        first_ = held_;
        second_ = QByteArrayView();
        pos_ = 0;
    }

    void keepLeftover() {
        p_.heldByRun_ = 0;
        if (cleared()) return;  // everything of the old stream is gone; keep what came after
        QByteArray later = std::exchange(p_.buffer_, QByteArray());
        QByteArray kept;
        if (pos_ == 0 && !held_.isEmpty() && first_.data() == held_.constData()) {
            kept = std::move(held_);  // nothing of the buffered bytes was used: keep them
        } else {
            // A long text arrives in many pieces: make room for all of it once.
            kept.reserve(qMax(awaitedBytes_, remaining() + later.size()));
            kept.append(first_.sliced(pos_));
        }
        kept.append(second_).append(later);
        if (awaitedBytes_ > kept.capacity()) kept.reserve(awaitedBytes_);
        if (!kept.isEmpty()) p_.buffer_ = std::move(kept);
    }

    ReceiveParser& p_;
    ReceiveSink& sink_;
    const quint64 generation_;
    QByteArray held_;
    QByteArrayView first_;
    QByteArrayView second_;
    qsizetype pos_ = 0;
    qsizetype awaitedBytes_ = 0;
};

void ReceiveParser::feed(QByteArrayView data, ReceiveSink& sink) {
    if (busy_) {
        // A handler is running further out: its loop delivers this after it returns.
        buffer_.append(data);
        return;
    }
    quint64 generation = generation_;
    if (!buffer_.isEmpty() || !data.isEmpty())
        Run(*this, std::exchange(buffer_, QByteArray()), data, sink).parse();
    // A handler that cleared the parser (a new connection) may have received data of the new
    // stream before it returned: parse that too rather than wait for the next arrival.
    while (generation != generation_ && !buffer_.isEmpty()) {
        generation = generation_;
        Run(*this, std::exchange(buffer_, QByteArray()), QByteArrayView(), sink).parse();
    }
}

void ReceiveParser::clear() {
    buffer_ = QByteArray();
    heldByRun_ = 0;
    ++generation_;
}

}  // namespace razudar::link
