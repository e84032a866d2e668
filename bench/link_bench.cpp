// Speed of the TCP link: the receive parser against a memchr pass over the same bytes, the
// Windows-1252 codec against Qt's, two link controls over loopback sockets against a bare
// QTcpSocket transfer of the same bytes, and a broken sender's unframed burst through to the
// control's log painted.
//   ./bench_link --benchmark_counters_tabular=true
// The allocator is told to keep the memory it gets (see main): on a virtual machine the page
// faults of memory handed back to the system and asked for again between runs otherwise swamp
// the loopback figures, on both sides of the comparison.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <cstring>
#include <malloc.h>
#include <functional>
#include <vector>

#include "link/frame.h"
#include "link/mirt_tcp.h"
#include "link/receive_parser.h"
#include "link/windows1252.h"
#include "platform/fakes/fake_services.h"

namespace {

using razudar::link::buildFrame;
using razudar::link::MirtTCP;
using razudar::link::ReceiveParser;
using razudar::link::ReceiveSink;

constexpr qsizetype kArrivalBytes = 65536;  // what one socket read typically hands over

QString textOf(qsizetype size) {
    const QString pattern = QStringLiteral("Müller Hans ITA 01:23.45 ");
    QString text;
    text.reserve(size);
    while (text.size() < size) text += pattern;
    text.truncate(size);
    return text;
}

QByteArray streamOf(int texts, qsizetype textSize) {
    const QByteArray frame = *buildFrame(textOf(textSize));
    QByteArray stream;
    stream.reserve(frame.size() * texts);
    for (int i = 0; i < texts; ++i) stream += frame;
    return stream;
}

// With `decode`, each text is decoded to characters as the control does: over the storage of
// the last one, which the host did not keep.
struct CountingSink : ReceiveSink {
    qint64 texts = 0;
    qint64 chars = 0;
    bool decode = false;
    QString decoded;
    void peerNameArrived(const razudar::link::ReceivedBytes&) override {}
    void textArrived(const razudar::link::ReceivedBytes& text) override {
        ++texts;
        if (decode) {
            razudar::link::decodeWindows1252(text.pieces(), decoded);
            chars += decoded.size();
        } else {
            chars += text.size();
        }
    }
    void framingNotice(const QString&) override {}
};

// Texts per stream: many 1 KB texts, or a few of the largest a frame can count.
int textsFor(qsizetype textSize) { return textSize <= 1024 ? 10000 : 20; }

void BM_MemchrBaseline(benchmark::State& state) {
    const QByteArray stream = streamOf(textsFor(state.range(0)), state.range(0));
    for (auto _ : state) {
        qint64 markers = 0;
        const char* p = stream.constData();
        const char* end = p + stream.size();
        while ((p = static_cast<const char*>(std::memchr(p, '%', end - p))) != nullptr) {
            ++markers;
            ++p;
        }
        benchmark::DoNotOptimize(markers);
    }
    state.SetBytesProcessed(state.iterations() * stream.size());
}

// Second argument 1: the texts are also decoded to characters, as the control does. Third
// argument 1: each arrival comes as the QByteArray a socket read hands the control, which the
// parser keeps rather than copies (as the control feeds it); 0: as bytes of the caller's, of
// which the parser copies only what it must keep past the call.
void BM_ReceiveParser(benchmark::State& state) {
    const QByteArray stream = streamOf(textsFor(state.range(0)), state.range(0));
    std::vector<QByteArray> arrivals;
    for (qsizetype at = 0; at < stream.size(); at += kArrivalBytes)
        arrivals.push_back(stream.mid(at, kArrivalBytes));
    const bool kept = state.range(2) != 0;
    for (auto _ : state) {
        ReceiveParser parser;
        CountingSink sink;
        sink.decode = state.range(1) != 0;
        for (const QByteArray& arrival : arrivals) {
            if (kept)
                parser.feedArrival(arrival, sink);
            else
                parser.feed(QByteArrayView(arrival), sink);
        }
        if (sink.texts != textsFor(state.range(0))) state.SkipWithError("texts lost");
        benchmark::DoNotOptimize(sink.chars);
    }
    state.SetBytesProcessed(state.iterations() * stream.size());
}

// ---- the Windows-1252 codec on the link's own path: ours against Qt's -------------------------
// Decoding: a received text comes as the pieces of the socket reads it spans (64 KB each) and
// is decoded over the storage of the last text. Encoding: each text sent is built into a new
// frame after its header. Second argument 0: our codec; 1: Qt's QStringDecoder/QStringEncoder
// for "windows-1252" (ICU), through appendToBuffer, which writes into storage of ours.

std::vector<QByteArrayView> piecesOf(const QByteArray& bytes) {
    std::vector<QByteArrayView> pieces;
    for (qsizetype at = 0; at < bytes.size(); at += kArrivalBytes)
        pieces.push_back(QByteArrayView(bytes.constData() + at, std::min(kArrivalBytes, bytes.size() - at)));
    return pieces;
}

void BM_CodecDecode(benchmark::State& state) {
    const QString text = textOf(state.range(0));
    const QByteArray bytes = razudar::link::encodeWindows1252(text);
    const std::vector<QByteArrayView> pieces = piecesOf(bytes);
    const bool qt = state.range(1) != 0;
    QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        state.SkipWithError("no windows-1252 decoder in this Qt");
        return;
    }
    QString into;
    for (auto _ : state) {
        if (qt) {
            into.resize(decoder.requiredSpace(bytes.size()));
            QChar* end = into.data();
            for (QByteArrayView piece : pieces) end = decoder.appendToBuffer(end, piece);
            into.truncate(end - into.constData());
        } else {
            razudar::link::decodeWindows1252(pieces, into);
        }
        benchmark::DoNotOptimize(into.constData());
    }
    if (into != text) state.SkipWithError("decoded text differs");
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_CodecEncodeFrame(benchmark::State& state) {
    const QString text = textOf(state.range(0));
    const bool qt = state.range(1) != 0;
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    if (!encoder.isValid()) {
        state.SkipWithError("no windows-1252 encoder in this Qt");
        return;
    }
    constexpr qsizetype kHeader = 8;
    QByteArray last;
    for (auto _ : state) {
        QByteArray frame;
        if (qt) {
            frame.resize(kHeader + encoder.requiredSpace(text.size()));
            std::memcpy(frame.data(), "%%000000", kHeader);
            char* end = encoder.appendToBuffer(frame.data() + kHeader, text);
            frame.truncate(end - frame.constData());
        } else {
            frame.reserve(kHeader + text.size());
            frame.append("%%000000", kHeader);
            razudar::link::appendWindows1252(frame, text);
        }
        benchmark::DoNotOptimize(frame.constData());
        last = std::move(frame);
    }
    if (last.mid(kHeader) != razudar::link::encodeWindows1252(text)) state.SkipWithError("encoded bytes differ");
    state.SetBytesProcessed(state.iterations() * text.size());
}

bool runUntil(const std::function<bool()>& done) {
    for (int spins = 0; !done(); ++spins) {
        if (spins > 50000000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

// A free loopback port for a listening link control.
int freeLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const int port = probe.serverPort();
    probe.close();
    return port;
}

// A server link control as wide as the main window's link panel, listening on `port`.
void listenAsThePanel(MirtTCP& server, razudar::FakeServices& fakes, int port) {
    server.setServices(fakes.services());
    server.resize(180, 600);
    server.show();
    server.setPortaLocale(port);
    server.setAccettareConnessioni(true);
}

// Connects `sender` to `server`; false when the connection did not come up.
bool connectSender(QTcpSocket& sender, MirtTCP& server, int port) {
    sender.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    return runUntil([&] { return server.isConnesso() && sender.state() == QAbstractSocket::ConnectedState; });
}

// A server control sends to a client control; the time runs until the last text is delivered.
void BM_LoopbackControls(benchmark::State& state) {
    const qsizetype textSize = state.range(0);
    const int texts = textsFor(textSize);
    const QString text = textOf(textSize);
    razudar::FakeServices fakes;
    const int port = freeLoopbackPort();
    MirtTCP server, client;
    server.setServices(fakes.services());
    client.setServices(fakes.services());
    server.setPortaLocale(port);
    server.setAccettareConnessioni(true);
    client.setChiamante(true);
    qint64 received = 0;
    QObject::connect(&client, &MirtTCP::DatiArrivati, [&](const QString&) { ++received; });
    client.Connetti(QStringLiteral("127.0.0.1"), port);
    if (!runUntil([&] { return server.isConnesso() && client.isConnesso() && !server.ClientRemoto().isEmpty()
                               && server.ClientRemoto() != QStringLiteral("127.0.0.1"); })) {
        state.SkipWithError("no connection");
        return;
    }
    for (auto _ : state) {
        received = 0;
        QElapsedTimer sending;
        sending.start();
        for (int i = 0; i < texts; ++i) server.InviaTesto(text);
        const qint64 sendNs = sending.nsecsElapsed();
        if (!runUntil([&] { return received == texts; })) state.SkipWithError("texts lost");
        state.counters["send_ms"] = static_cast<double>(sendNs) / 1e6;  // handing over only
    }
    state.SetBytesProcessed(state.iterations() * texts * (textSize + 8));
}

// The same bytes, framed once, written text by text on a bare socket and read as they come.
// Second argument 0: read with readAll(), which copies what the socket buffered; 1: read as the
// control reads, asking for what is buffered at its exact size (the socket hands its block over
// without copying it).
void BM_LoopbackRawSocket(benchmark::State& state) {
    const qsizetype textSize = state.range(0);
    const int texts = textsFor(textSize);
    const QByteArray frame = *buildFrame(textOf(textSize));
    QTcpServer listener;
    listener.listen(QHostAddress::LocalHost, 0);
    QTcpSocket sender;
    sender.connectToHost(QHostAddress::LocalHost, listener.serverPort());
    if (!runUntil([&] { return listener.hasPendingConnections() && sender.state() == QAbstractSocket::ConnectedState; })) {
        state.SkipWithError("no connection");
        return;
    }
    QTcpSocket* receiver = listener.nextPendingConnection();
    qint64 receivedBytes = 0;
    const bool exactRead = state.range(1) != 0;
    QObject::connect(receiver, &QTcpSocket::readyRead, [&] {
        if (!exactRead) {
            receivedBytes += receiver->readAll().size();
            return;
        }
        while (receiver->bytesAvailable() > 0)
            receivedBytes += receiver->read(receiver->bytesAvailable()).size();
    });
    const qint64 total = qint64(texts) * frame.size();
    for (auto _ : state) {
        receivedBytes = 0;
        QElapsedTimer sending;
        sending.start();
        for (int i = 0; i < texts; ++i) sender.write(frame);
        const qint64 sendNs = sending.nsecsElapsed();
        if (!runUntil([&] { return receivedBytes == total; })) state.SkipWithError("bytes lost");
        state.counters["send_ms"] = static_cast<double>(sendNs) / 1e6;  // handing over only
    }
    state.SetBytesProcessed(state.iterations() * total);
}

// A broken sender writes `bytes` of unframed data in one burst to a server control over a real
// socket. The time runs from the first byte written until every byte has been dropped with its
// framing notice (the byte counts of the "Manca %% <count>" notices add up to the burst), then
// one paint of the control's log. The counters split the two.
void BM_UnframedBurst(benchmark::State& state) {
    const qsizetype bytes = state.range(0);
    QByteArray burst(bytes, 'x');
    for (qsizetype i = 0; i < bytes; ++i) burst[i] = char('A' + i % 26);
    razudar::FakeServices fakes;
    const int port = freeLoopbackPort();
    for (auto _ : state) {
        MirtTCP server;
        listenAsThePanel(server, fakes, port);
        QListWidget* log = server.panel().lstLog;
        qint64 dropped = 0;
        QObject::connect(log->model(), &QAbstractItemModel::rowsInserted, [&](const QModelIndex&, int first, int last) {
            for (int row = first; row <= last; ++row) {
                const QString text = log->item(row)->text();
                if (text.startsWith(QStringLiteral("Manca %% ")))
                    dropped += text.mid(9, text.indexOf(QLatin1Char(' '), 9) - 9).toLongLong();
            }
        });
        QTcpSocket sender;
        if (!connectSender(sender, server, port)) {
            state.SkipWithError("no connection");
            return;
        }
        QElapsedTimer timer;
        timer.start();
        sender.write(burst);
        if (!runUntil([&] { return dropped + server.receiveBufferedBytes() == bytes; })) {
            state.SkipWithError("bytes not accounted for");
            return;
        }
        const qint64 processNs = timer.nsecsElapsed();
        QElapsedTimer painting;
        painting.start();
        const QPixmap shown = log->grab();
        const qint64 paintNs = painting.nsecsElapsed();
        benchmark::DoNotOptimize(shown.width());
        state.SetIterationTime(static_cast<double>(processNs + paintNs) / 1e9);
        state.counters["process_ms"] = static_cast<double>(processNs) / 1e6;
        state.counters["paint_ms"] = static_cast<double>(paintNs) / 1e6;
        state.counters["log_items"] = log->count();
    }
}

// A broken sender that never stops: 4 KB of unframed bytes at a time, each waited for until
// its notice is logged, 1,000 times, so the log is full for most of them. The time is per
// burst: what each one costs the event loop once the log holds its last lines.
void BM_UnframedFlood(benchmark::State& state) {
    constexpr int kBursts = 1000;
    QByteArray burst(4096, 'x');
    for (qsizetype i = 0; i < burst.size(); ++i) burst[i] = char('A' + i % 26);
    razudar::FakeServices fakes;
    const int port = freeLoopbackPort();
    MirtTCP server;
    listenAsThePanel(server, fakes, port);
    qint64 notices = 0;
    QObject::connect(server.panel().lstLog->model(), &QAbstractItemModel::rowsInserted,
                     [&](const QModelIndex&, int first, int last) { notices += last - first + 1; });
    QTcpSocket sender;
    if (!connectSender(sender, server, port)) {
        state.SkipWithError("no connection");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kBursts; ++i) {
            const qint64 before = notices;
            sender.write(burst);
            if (!runUntil([&] { return notices > before && server.receiveBufferedBytes() == 0; })) {
                state.SkipWithError("notice missing");
                return;
            }
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9 / kBursts);
        state.counters["log_items"] = server.panel().lstLog->count();
    }
}

BENCHMARK(BM_MemchrBaseline)->Arg(1024)->Arg(razudar::link::kMaxFrameTextBytes);
BENCHMARK(BM_ReceiveParser)
    ->ArgsProduct({{1024, 10240, 102400, razudar::link::kMaxFrameTextBytes}, {0, 1}, {0, 1}});
BENCHMARK(BM_CodecDecode)->ArgsProduct({{1024, razudar::link::kMaxFrameTextBytes}, {0, 1}});
BENCHMARK(BM_CodecEncodeFrame)->ArgsProduct({{1024, razudar::link::kMaxFrameTextBytes}, {0, 1}});
BENCHMARK(BM_LoopbackControls)->Arg(1024)->Arg(razudar::link::kMaxFrameTextBytes)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoopbackRawSocket)
    ->ArgsProduct({{1024, razudar::link::kMaxFrameTextBytes}, {0, 1}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnframedFlood)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnframedBurst)
    ->Arg(256 * 1024)
    ->Arg(10 * 1024 * 1024)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
