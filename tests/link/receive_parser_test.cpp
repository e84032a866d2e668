#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <stdexcept>
#include <vector>

#include "link/frame.h"
#include "link/receive_parser.h"
#include "link/windows1252.h"
#include "tests/link/link_test_support.h"

namespace razudar::link {
namespace {

// Records what the parser hands out; `onText` lets a test act from inside the host's handler.
struct RecordingSink : ReceiveSink {
    QStringList got;
    std::function<void(const QString&)> onText;
    void peerNameArrived(const ReceivedBytes& name) override {
        got << QStringLiteral("peer:") + decodeWindows1252(name.pieces());
    }
    void textArrived(const ReceivedBytes& bytes) override {
        const QString text = decodeWindows1252(bytes.pieces());
        got << QStringLiteral("text:") + text;
        if (onText) onText(text);
    }
    void framingNotice(const QString& notice) override { got << QStringLiteral("notice:") + notice; }
};

QByteArray frameOf(const QString& text) { return *buildFrame(text); }

QStringList parse(std::initializer_list<QByteArray> arrivals) {
    ReceiveParser parser;
    RecordingSink sink;
    for (const QByteArray& a : arrivals) parser.feed(a, sink);
    return sink.got;
}

TEST(ReceiveParser, DeliversTheTextOfAFrame) {
    EXPECT_EQ(parse({"%%000003abc"}), QStringList{"text:abc"});
}

TEST(ReceiveParser, EmptyTextThenTheNextFrame) {
    EXPECT_EQ(parse({"%%000000%%000002ok"}), (QStringList{"text:", "text:ok"}));
}

TEST(ReceiveParser, EightBytesWaitForMore) {
    ReceiveParser parser;
    RecordingSink sink;
    parser.feed("%%000000", sink);
    EXPECT_TRUE(sink.got.isEmpty());
    EXPECT_EQ(parser.bufferedBytes(), 8);
    parser.feed("%%000001x", sink);
    EXPECT_EQ(sink.got, (QStringList{"text:", "text:x"}));
    EXPECT_EQ(parser.bufferedBytes(), 0);
}

TEST(ReceiveParser, NomeTextIsThePeerNameAndOtherCaseIsDelivered) {
    EXPECT_EQ(parse({"%%000008nomePC01%%000008NomePC01"}),
              (QStringList{"peer:PC01", "text:NomePC01"}));
}

TEST(ReceiveParser, CountReadsAsBasicValDoes) {
    EXPECT_EQ(parse({"%%00012xabcdefghijkl"}), QStringList{"text:abcdefghijkl"});
    EXPECT_EQ(parse({"%% 0 0 3abc"}), QStringList{"text:abc"});      // blanks anywhere
    EXPECT_EQ(parse({"%%\t00\n03abc"}), QStringList{"text:abc"});   // tabs and line feeds too
    EXPECT_EQ(ReceiveParser::readCount("\r00003"), 0);  // a carriage return is not skipped
    EXPECT_EQ(ReceiveParser::readCount(" \r0003"), 0);
    EXPECT_EQ(ReceiveParser::readCount("0003\r9"), 3);
    EXPECT_EQ(parse({"%%0002.5ab"}), QStringList{"text:ab"});        // half to even
    EXPECT_EQ(parse({"%%0003.5abcd"}), QStringList{"text:abcd"});
    EXPECT_EQ(ReceiveParser::readCount("+00012"), 12);
    EXPECT_EQ(ReceiveParser::readCount("abcdef"), 0);
    EXPECT_EQ(ReceiveParser::readCount("1E+005"), 100000);
}

TEST(ReceiveParser, NegativeOrOversizeCountIsAFramingError) {
    EXPECT_EQ(parse({"%%-00001xyz"}), QStringList{"notice:Manca %% 11 <%%-00001xyz> "});
    EXPECT_EQ(parse({"%%1E+009xyz"}), QStringList{"notice:Manca %% 11 <%%1E+009xyz> "});
    EXPECT_EQ(ReceiveParser::readCount("9E+300"), std::nullopt);
}

TEST(ReceiveParser, LonePercentAfterAFrameGivesNoNoticeAndLosesNothing) {
    EXPECT_EQ(parse({"%%000003abc%", "%000002ok"}), (QStringList{"text:abc", "text:ok"}));
}

// After a frame, a notice comes as soon as the bytes present differ from "%%", and only then.
TEST(ReceiveParser, TheMarkerAfterAFrameIsJudgedOnTheBytesPresent) {
    const struct {
        std::initializer_list<QByteArray> arrivals;
        QStringList expected;
    } cases[] = {
        {{"%%000003abc%"}, {"text:abc"}},
        {{"%%000003abc%", "%"}, {"text:abc"}},
        {{"%%000003abc%", "x"}, {"text:abc", "notice:PreManca %% 2 %x"}},
        {{"%%000003abc%", "x%%000002ok"},
         {"text:abc", "notice:PreManca %% 12 %x%%000002ok", "notice:Manca %% 12 <%x%%000002ok> "}},
        {{"%%000003abcx"}, {"notice:PreManca %% 1 x", "text:abc"}},
        {{"%%000003abc%x"}, {"notice:PreManca %% 2 %x", "text:abc"}},
        {{"%%000003abc%", "%00", "0002ok%", "%000001z"}, {"text:abc", "text:ok", "text:z"}},
    };
    for (const auto& c : cases) EXPECT_EQ(parse(c.arrivals), c.expected) << c.expected.join(" | ").toStdString();
}

TEST(ReceiveParser, ANewStreamForgetsAMarkerCutAfterItsFirstPercent) {
    ReceiveParser parser;
    RecordingSink sink;
    parser.feed("%%000003abc%", sink);
    parser.clear();
    parser.feed("x", sink);
    EXPECT_EQ(sink.got, QStringList{"text:abc"});
    EXPECT_EQ(parser.bufferedBytes(), 1);
}

// Letters only: never a marker, wherever an arrival starts.
QByteArray unframed(qsizetype bytes) {
    QByteArray data(bytes, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes; ++i) data[i] = char('a' + i % 26);
    return data;
}

TEST(ReceiveParser, ANoticeShowsTheByteCountAndABoundedExcerpt) {
    const QString excerpt = QString::fromLatin1(unframed(kNoticeExcerptBytes));
    const QString ellipsis(QChar(0x2026));
    const struct {
        qsizetype bytes;
        QString expected;
    } cases[] = {
        {9, QStringLiteral("notice:Manca %% 9 <abcdefghi> ")},
        {kNoticeExcerptBytes, QStringLiteral("notice:Manca %% 160 <") + excerpt + QStringLiteral("> ")},
        {kNoticeExcerptBytes + 1, QStringLiteral("notice:Manca %% 161 <") + excerpt + ellipsis + QStringLiteral("> ")},
        {256 * 1024, QStringLiteral("notice:Manca %% 262144 <") + excerpt + ellipsis + QStringLiteral("> ")},
        {10 * 1024 * 1024, QStringLiteral("notice:Manca %% 10485760 <") + excerpt + ellipsis + QStringLiteral("> ")},
    };
    for (const auto& c : cases) {
        const QByteArray data = unframed(c.bytes);
        ReceiveParser parser;
        RecordingSink sink;
        parser.feedArrival(data, sink);
        EXPECT_EQ(sink.got, QStringList{c.expected}) << c.bytes;
        EXPECT_EQ(parser.bufferedBytes(), 0) << c.bytes;  // the data is still dropped
    }
}

TEST(ReceiveParser, DataAfterAFrameIsNamedByItsCountAndExcerpt) {
    const QByteArray rest = unframed(100000);
    const QString excerpt = QString::fromLatin1(rest.left(kNoticeExcerptBytes)) + QChar(0x2026);
    EXPECT_EQ(parse({frameOf("ok") + rest}),
              (QStringList{QStringLiteral("notice:PreManca %% 100000 ") + excerpt, "text:ok",
                           QStringLiteral("notice:Manca %% 100000 <") + excerpt + QStringLiteral("> ")}));
}

TEST(ReceiveParser, GarbageDropsTheWholeBufferWithOneNotice) {
    EXPECT_EQ(parse({"xyz123456%%000002ok", "%%000002ok"}),
              (QStringList{"notice:Manca %% 19 <xyz123456%%000002ok> ", "text:ok"}));
}

// The texts must come out the same whatever the cut, with no notice.
TEST(ReceiveParser, FramesSplitAtEveryByteAreDeliveredOnceWhenComplete) {
    const QByteArray stream = frameOf("abc") + frameOf("") + frameOf("nomeREGIA") +
                              frameOf("50%%off") + frameOf(QStringLiteral("Müller €"));
    const QStringList expected{"text:abc", "text:", "peer:REGIA", "text:50%%off",
                               QStringLiteral("text:Müller €")};
    for (qsizetype cut = 1; cut < stream.size(); ++cut)
        EXPECT_EQ(parse({stream.left(cut), stream.mid(cut)}), expected)
            << "cut at " << cut;
    ReceiveParser parser;
    RecordingSink sink;
    for (char byte : stream) parser.feed(QByteArrayView(&byte, 1), sink);
    EXPECT_EQ(sink.got, expected);
}

TEST(ReceiveParser, ManyFramesInOneArrivalKeepStreamOrder) {
    QByteArray stream;
    QStringList expected;
    for (int i = 0; i < 1000; ++i) {
        stream += frameOf(QString::number(i));
        expected << QStringLiteral("text:") + QString::number(i);
    }
    EXPECT_EQ(parse({stream}), expected);
}

TEST(ReceiveParser, DataFedWhileTheHostHandlesATextWaitsForItsTurn) {
    // The nested data either starts a frame or completes one the outer arrival began.
    for (const bool startsAFrame : {true, false}) {
        ReceiveParser parser;
        RecordingSink sink;
        sink.onText = [&](const QString& text) {
            if (text != "A") return;
            parser.feed(startsAFrame ? "%%000001C" : "01C", sink);
            EXPECT_TRUE(parser.busy());
            EXPECT_EQ(sink.got.size(), 1);  // nothing is delivered inside the handler
        };
        parser.feed(startsAFrame ? "%%000001A%%000001B" : "%%000001A%%000001B%%0000", sink);
        EXPECT_EQ(sink.got, (QStringList{"text:A", "text:B", "text:C"}));
        EXPECT_FALSE(parser.busy());
    }
}

TEST(ReceiveParser, AHandlerThatThrowsReleasesTheBusyFlagAndKeepsTheRest) {
    ReceiveParser parser;
    RecordingSink sink;
    sink.onText = [](const QString& text) {
        if (text == "A") throw std::runtime_error("host failed");
    };
    EXPECT_THROW(parser.feed("%%000001A%%000001B", sink), std::runtime_error);
    EXPECT_FALSE(parser.busy());
    EXPECT_EQ(parser.bufferedBytes(), 9);
    parser.feed("", sink);
    EXPECT_EQ(sink.got, (QStringList{"text:A", "text:B"}));
}

TEST(ReceiveParser, ClearFromTheHandlerDropsTheOldStreamOnly) {
    ReceiveParser parser;
    RecordingSink sink;
    sink.onText = [&](const QString& text) {
        if (text == "old") {
            parser.clear();  // a new connection, with its first data
            parser.feed("%%000003new", sink);
        }
    };
    parser.feed("%%000003old%%000004lost%%00", sink);
    EXPECT_EQ(sink.got, (QStringList{"text:old", "text:new"}));
    EXPECT_EQ(parser.bufferedBytes(), 0);
}

TEST(ReceiveParser, ALongTextArrivingInPiecesIsBufferedOnceAndDelivered) {
    const QString big(kMaxFrameTextBytes, QLatin1Char('x'));
    const QByteArray stream = frameOf(big) + frameOf("end");
    ReceiveParser parser;
    RecordingSink sink;
    for (qsizetype at = 0; at < stream.size(); at += 65536)
        parser.feed(QByteArrayView(stream).sliced(at, qMin<qsizetype>(65536, stream.size() - at)), sink);
    ASSERT_EQ(sink.got.size(), 2);
    EXPECT_EQ(sink.got[0].size(), 5 + big.size());
    EXPECT_EQ(sink.got[1], "text:end");
    EXPECT_EQ(parser.bufferedBytes(), 0);
}

// Frames of `textBytes` characters each until the stream holds at least `bytes`.
QByteArray framesOf(qsizetype bytes, qsizetype textBytes, QStringList* expected) {
    QByteArray stream;
    for (int i = 0; stream.size() < bytes; ++i) {
        const QString text = QString::number(i).leftJustified(textBytes, QLatin1Char('.'));
        stream += frameOf(text);
        *expected << QStringLiteral("text:") + text;
    }
    return stream;
}

TEST(ReceiveParser, ALargeArrivalIsKeptAsItIsAndTheCallersChangesDoNotReachIt) {
    QStringList first, second;
    QByteArray arrival = framesOf(6000, 100, &first) + "%%000009no";
    QByteArray next = QByteArray("meREGIA") + framesOf(5000, 50, &second) + "%%000003ab";
    ReceiveParser parser;
    RecordingSink sink;
    parser.feedArrival(arrival, sink);
    arrival.fill('x');  // the socket's array is reused for the next read
    parser.feedArrival(next, sink);
    next.fill('y');
    EXPECT_EQ(parser.bufferedBytes(), 10);
    parser.feed("c", sink);
    EXPECT_EQ(sink.got, first + QStringList{"peer:REGIA"} + second + QStringList{"text:abc"});
    EXPECT_EQ(parser.bufferedBytes(), 0);
}

TEST(ReceiveParser, ALargeViewIsParsedWhereItLiesAndOnlyItsRestIsKept) {
    QStringList expected;
    const QByteArray stream = framesOf(30000, 300, &expected);
    ReceiveParser parser;
    RecordingSink sink;
    QByteArray buffer;
    for (qsizetype at = 0; at < stream.size(); at += 5000) {
        buffer = stream.mid(at, 5000);
        parser.feed(QByteArrayView(buffer), sink);
        buffer.fill('z');  // the caller writes over its bytes once feed returns
    }
    EXPECT_EQ(sink.got, expected);
    EXPECT_EQ(parser.bufferedBytes(), 0);
}

TEST(ReceiveParser, ALongTextFromKeptArrivalsIsHandedOutWhereItLies) {
    const QString text(13 * 8192 - 8, QLatin1Char('k'));  // thirteen full arrivals
    const QByteArray stream = frameOf(text);
    std::vector<QByteArray> arrivals;
    for (qsizetype at = 0; at < stream.size(); at += 8192) arrivals.push_back(stream.mid(at, 8192));
    struct PieceSink : RecordingSink {
        std::vector<const char*> starts;
        void textArrived(const ReceivedBytes& text) override {
            for (const QByteArrayView piece : text.pieces()) starts.push_back(piece.data());
            RecordingSink::textArrived(text);
        }
    } sink;
    ReceiveParser parser;
    for (const QByteArray& arrival : arrivals) parser.feedArrival(arrival, sink);
    ASSERT_EQ(sink.got, QStringList{QStringLiteral("text:") + text});
    ASSERT_EQ(sink.starts.size(), arrivals.size());  // one piece per arrival, none copied
    EXPECT_EQ(sink.starts[0], arrivals[0].constData() + 8);
    for (std::size_t i = 1; i < arrivals.size(); ++i) EXPECT_EQ(sink.starts[i], arrivals[i].constData());
}

TEST(ReceiveParser, AHandlerThatClearsTheParserStillHasItsWholeText) {
    // A new connection while the host handles a text: its bytes stay valid until it returns.
    struct ClearingSink : RecordingSink {
        ReceiveParser* parser = nullptr;
        void textArrived(const ReceivedBytes& text) override {
            parser->clear();
            parser->feed(QByteArray(5000, '#'), *this);  // the new stream's first data
            RecordingSink::textArrived(text);
        }
        void framingNotice(const QString& notice) override { got << notice.left(13); }
    } sink;
    ReceiveParser parser;
    sink.parser = &parser;
    const QByteArray stream = frameOf(QString(6000, QLatin1Char('t'))) + frameOf("lost");
    parser.feedArrival(stream.left(5000), sink);
    parser.feedArrival(stream.mid(5000), sink);
    EXPECT_EQ(sink.got, (QStringList{QStringLiteral("text:") + QString(6000, QLatin1Char('t')),
                                     "Manca %% 5000"}));
    EXPECT_EQ(parser.bufferedBytes(), 0);
}

}  // namespace
}  // namespace razudar::link
