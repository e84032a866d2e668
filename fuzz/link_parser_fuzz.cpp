// Fuzz target of the link's receive parser. Half the inputs are a stream of frames built from
// the input, cut into arbitrary arrivals, some fed from inside the host's handler: every text
// must come out once, unchanged and in order. The other half is raw bytes: the parser must
// never crash and never keep more than one frame's worth of bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <deque>
#include <vector>

#include "link/frame.h"
#include "link/receive_parser.h"
#include "link/windows1252.h"

namespace {

using razudar::link::ReceiveParser;
using razudar::link::ReceiveSink;

void check(bool condition) {
    if (!condition) std::abort();
}

struct Arrivals {
    std::deque<QByteArray> pending;
    int fed = 0;
    bool next(QByteArray* chunk) {
        if (pending.empty()) return false;
        *chunk = std::move(pending.front());
        pending.pop_front();
        return true;
    }
    // Every other arrival comes as a socket read hands it (a large one is kept, not copied),
    // the others as bytes to copy.
    void feed(ReceiveParser& parser, QByteArray chunk, ReceiveSink& sink) {
        if (fed++ % 2 == 0) {
            parser.feedArrival(chunk, sink);
            chunk.fill('\xFF');  // the caller reuses its array: the parser's copy must not change
        } else {
            parser.feed(chunk, sink);
        }
    }
};

struct CheckingSink : ReceiveSink {
    ReceiveParser* parser = nullptr;
    Arrivals* arrivals = nullptr;
    std::vector<QString> expected;  // "t" + text or "p" + peer name
    size_t delivered = 0;
    std::vector<bool> nestAt;       // feed the next arrival from inside this delivery
    bool checkTexts = true;

    void take(const QString& item) {
        if (checkTexts) {
            check(delivered < expected.size());
            check(expected[delivered] == item);
        }
        const bool nest = delivered < nestAt.size() && nestAt[delivered];
        ++delivered;
        QByteArray chunk;
        if (nest && arrivals->next(&chunk)) {
            arrivals->feed(*parser, chunk, *this);
            check(parser->busy());
        }
    }
    void peerNameArrived(const razudar::link::ReceivedBytes& name) override {
        take(QLatin1Char('p') + razudar::link::decodeWindows1252(name.pieces()));
    }
    void textArrived(const razudar::link::ReceivedBytes& text) override {
        take(QLatin1Char('t') + razudar::link::decodeWindows1252(text.pieces()));
    }
    void framingNotice(const QString& notice) override {
        // A well-formed stream gives no notice, wherever it is cut; any notice stays short.
        check(!checkTexts);
        check(notice.size() <= 40 + razudar::link::kNoticeExcerptBytes);
    }
};

void feedAll(ReceiveParser& parser, CheckingSink& sink, Arrivals& arrivals) {
    QByteArray chunk;
    while (arrivals.next(&chunk)) {
        arrivals.feed(parser, chunk, sink);
        check(!parser.busy());
        check(parser.bufferedBytes() <= razudar::link::kFrameHeaderBytes + razudar::link::kMaxFrameTextBytes);
    }
}

void cutIntoArrivals(FuzzedDataProvider& in, const QByteArray& stream, Arrivals& arrivals) {
    qsizetype at = 0;
    while (at < stream.size()) {
        // Arrivals of up to a few kilobytes, larger for a stream holding a long text.
        const qsizetype largest = qMax<qsizetype>(4096, stream.size() / 16);
        const qsizetype size = in.remaining_bytes() > 0
                                   ? in.ConsumeIntegralInRange<qsizetype>(1, largest)
                                   : stream.size() - at;
        arrivals.pending.push_back(stream.mid(at, size));
        at += size;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    ReceiveParser parser;
    Arrivals arrivals;
    CheckingSink sink;
    sink.parser = &parser;
    sink.arrivals = &arrivals;

    if (in.ConsumeBool()) {
        sink.checkTexts = false;
        const std::string raw = in.ConsumeRemainingBytesAsString();
        FuzzedDataProvider cuts(data, size);
        cutIntoArrivals(cuts, QByteArray(raw.data(), static_cast<qsizetype>(raw.size())), arrivals);
        sink.nestAt.assign(64, true);
        feedAll(parser, sink, arrivals);
        return 0;
    }

    QByteArray stream;
    const int texts = in.ConsumeIntegralInRange(0, 16);
    for (int i = 0; i < texts; ++i) {
        QByteArray bytes;
        if (in.ConsumeIntegralInRange(0, 255) == 255) {
            // Now and then a text longer than any arrival (the largest a frame can count is
            // left to the unit tests: it would slow every run down).
            const auto length = in.ConsumeIntegralInRange<qsizetype>(0, 100000);
            bytes = QByteArray(length, static_cast<char>(in.ConsumeIntegral<uint8_t>()));
        } else {
            const std::string piece = in.ConsumeRandomLengthString(300);
            bytes = QByteArray(piece.data(), static_cast<qsizetype>(piece.size()));
        }
        const QString text = razudar::link::decodeWindows1252(bytes);
        check(razudar::link::encodeWindows1252(text) == bytes);
        const std::optional<QByteArray> frame = razudar::link::buildFrame(text);
        check(frame && frame->size() == razudar::link::kFrameHeaderBytes + bytes.size());
        stream += *frame;
        sink.expected.push_back(bytes.startsWith("nome") ? QLatin1Char('p') + text.mid(4)
                                                         : QLatin1Char('t') + text);
    }
    for (int i = 0; i < texts; ++i) sink.nestAt.push_back(in.ConsumeBool());
    cutIntoArrivals(in, stream, arrivals);
    feedAll(parser, sink, arrivals);
    // Every text is out except an empty last one, whose eight bytes wait for more.
    const bool lastWaits = stream.endsWith("%%000000") && parser.bufferedBytes() == 8;
    check(sink.delivered + (lastWaits ? 1 : 0) == sink.expected.size());
    check(lastWaits || parser.bufferedBytes() == 0);
    return 0;
}
