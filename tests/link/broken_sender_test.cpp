// A broken sender on a real loopback socket: unframed bursts give short notices and a log that
// stays bounded, and a stream dripped byte by byte gives no notice at all.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTcpSocket>

#include <algorithm>
#include <vector>

#include "link/frame.h"
#include "link/mirt_tcp.h"
#include "link/receive_parser.h"
#include "platform/fakes/fake_services.h"
#include "tests/link/link_test_support.h"
#include "tests/screenshots.h"

namespace razudar::link {
namespace {

using testing::HostLog;
using testing::record;
using testing::waitUntil;

// Letters only: never a marker, wherever the network cuts the data.
QByteArray unframed(qsizetype bytes) {
    QByteArray data(bytes, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes; ++i) data[i] = char('A' + i % 26);
    return data;
}

// A server control, shown at the width of the main window's link panel, and a bare socket
// peer that writes whatever bytes a test wants.
class BrokenSender : public ::testing::Test {
protected:
    void SetUp() override {
        server.setServices(fakes.services());
        server.setPortaLocale(port);
        record(server, log);
        server.resize(180, 600);
        server.show();
        server.setAccettareConnessioni(true);
        // The bytes the "Manca %% <count>" notices say were dropped, counted as lines are logged
        // (the log drops its oldest lines).
        QObject::connect(lstLog().model(), &QAbstractItemModel::rowsInserted, [this](const QModelIndex&, int first, int last) {
            for (int row = first; row <= last; ++row) {
                const QString line = lstLog().item(row)->text();
                if (line.startsWith(QStringLiteral("Manca %% ")))
                    droppedBytes += line.mid(9, line.indexOf(QLatin1Char(' '), 9) - 9).toLongLong();
            }
        });
        raw.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
        ASSERT_TRUE(waitUntil([&] { return log.count(QStringLiteral("Connesso")) == 1; }));
    }

    QListWidget& lstLog() const { return *server.panel().lstLog; }
    QStringList logLines() const {
        QStringList lines;
        for (int i = 0; i < lstLog().count(); ++i) lines << lstLog().item(i)->text();
        return lines;
    }
    // Writes `data` and waits until all of it has been dropped with its notices.
    void burst(const QByteArray& data) {
        const qint64 before = droppedBytes + server.receiveBufferedBytes();
        raw.write(data);
        ASSERT_TRUE(waitUntil([&] { return droppedBytes + server.receiveBufferedBytes() == before + data.size(); }));
        QCoreApplication::processEvents();  // the log laid out again
    }
    int tallestItem() const {
        int tallest = 0;
        for (int i = 0; i < lstLog().count(); ++i)
            tallest = qMax(tallest, lstLog().visualItemRect(lstLog().item(i)).height());
        return tallest;
    }

    FakeServices fakes;
    const int port = testing::freePort();
    HostLog log;
    MirtTCP server;
    QTcpSocket raw;
    qint64 droppedBytes = 0;
};

TEST_F(BrokenSender, ABigUnframedBurstGivesShortNoticesWithTheByteCount) {
    burst(unframed(1000));
    ASSERT_EQ(lstLog().count(), 1);
    const QString excerpt = QString::fromLatin1(unframed(kNoticeExcerptBytes));
    EXPECT_EQ(lstLog().item(0)->text(), QStringLiteral("Manca %% 1000 <") + excerpt + QChar(0x2026) + QStringLiteral("> "));
    const int smallBurstItem = tallestItem();
    ASSERT_GT(smallBurstItem, 0);

    burst(unframed(256 * 1024));
    const QStringList lines = logLines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_LE(lines.size(), MirtTCP::kLogLines);
    for (const QString& line : lines.mid(1)) {
        EXPECT_TRUE(line.startsWith(QStringLiteral("Manca %% "))) << line.toStdString();
        EXPECT_TRUE(line.endsWith(QChar(0x2026) + QStringLiteral("> ")) || line.size() < kNoticeExcerptBytes + 20) << line.toStdString();
        EXPECT_LE(line.size(), kNoticeExcerptBytes + 30);
    }
    // An item is as tall as a notice's excerpt needs, whatever the burst (the count may take
    // a line more).
    EXPECT_LE(tallestItem(), smallBurstItem + lstLog().fontMetrics().lineSpacing());
    auto* box = server.findChild<QMessageBox*>(QStringLiteral("msgAvvisoTrama"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), lines.last());
    screenshots::save(server.grab(), QStringLiteral("link_log_after_burst"));

    // The data is still dropped, and the link carries on with the next frame.
    raw.write(*buildFrame(QStringLiteral("ok")));
    ASSERT_TRUE(waitUntil([&] { return log.texts.size() == 1; }));
    EXPECT_EQ(log.texts, QStringList{"ok"});
}

TEST_F(BrokenSender, AFloodOfNoticesKeepsTheLastLogLines) {
    const int notices = MirtTCP::kLogLines + 40;
    for (int i = 0; i < notices; ++i) burst(QByteArray("garbage-") + QByteArray::number(1000 + i));
    ASSERT_EQ(lstLog().count(), MirtTCP::kLogLines);
    EXPECT_EQ(lstLog().item(0)->text(), QStringLiteral("Manca %% 12 <garbage-1040> "));
    EXPECT_EQ(lstLog().currentItem()->text(), QStringLiteral("Manca %% 12 <garbage-1239> "));
    EXPECT_EQ(lstLog().currentRow(), MirtTCP::kLogLines - 1);
}

// Frames dripped one, two or three bytes per arrival, so that a frame's last byte often comes
// with the first "%" of the next: no notice, each text once, when its last byte is in.
TEST_F(BrokenSender, BytesDrippedOneAtATimeGiveNoFalseNotice) {
    QByteArray stream;
    QStringList texts;
    std::vector<qsizetype> frameEnds;
    for (int i = 1; i <= 16; ++i) {
        texts << QStringLiteral("T%1").arg(i);
        stream += *buildFrame(texts.last());
        frameEnds.push_back(stream.size());
    }
    QStringList expected;
    for (const qsizetype pieceBytes : {1, 2, 3}) {
        for (qsizetype at = 0; at < stream.size(); at += pieceBytes) {
            const qsizetype in = qMin(at + pieceBytes, stream.size());
            raw.write(stream.constData() + at, in - at);
            const auto complete = std::count_if(frameEnds.begin(), frameEnds.end(), [&](qsizetype end) { return end <= in; });
            const qsizetype buffered = in - (complete ? frameEnds[size_t(complete - 1)] : 0);
            ASSERT_TRUE(waitUntil([&] {
                return log.texts.size() == expected.size() + complete && server.receiveBufferedBytes() == buffered;
            })) << pieceBytes << " bytes a piece, up to byte " << in;
        }
        expected += texts;
    }
    raw.write("%");  // the next marker, cut after its first "%"
    ASSERT_TRUE(waitUntil([&] { return server.receiveBufferedBytes() == 1; }));
    EXPECT_EQ(log.texts, expected);
    EXPECT_EQ(lstLog().count(), 0);
    EXPECT_EQ(server.findChild<QMessageBox*>(QStringLiteral("msgAvvisoTrama")), nullptr);

    // A wrong byte after the lone "%" waits like any short data, and goes with its notice once
    // more than eight bytes are in.
    raw.write("x");
    ASSERT_TRUE(waitUntil([&] { return server.receiveBufferedBytes() == 2; }));
    EXPECT_EQ(lstLog().count(), 0);
    raw.write("0123456");
    ASSERT_TRUE(waitUntil([&] { return lstLog().count() == 1; }));
    EXPECT_EQ(lstLog().item(0)->text(), QStringLiteral("Manca %% 9 <%x0123456> "));

    // A frame that comes with the first "%" of the next marker: a wrong second byte is told as
    // soon as it is in.
    raw.write(*buildFrame(QStringLiteral("ok")) + '%');
    ASSERT_TRUE(waitUntil([&] { return log.texts.size() == 49 && server.receiveBufferedBytes() == 1; }));
    EXPECT_EQ(lstLog().count(), 1);
    raw.write("x");
    ASSERT_TRUE(waitUntil([&] { return lstLog().count() == 2; }));
    EXPECT_EQ(lstLog().item(1)->text(), QStringLiteral("PreManca %% 2 %x"));
    EXPECT_EQ(log.texts.last(), QStringLiteral("ok"));
    EXPECT_EQ(server.receiveBufferedBytes(), 2);
}

}  // namespace
}  // namespace razudar::link
