// A peer that sends its last texts and hangs up while the host answers each text synchronously
// (or does not answer), over a real loopback socket, with the control in both roles: every whole
// frame that came before the closing reaches the host, once and in order, and the closing is told
// after them and after the end of the texts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>
#include <string>

#include "link/frame.h"
#include "link/mirt_tcp.h"
#include "platform/fakes/fake_services.h"
#include "tests/link/link_test_support.h"

namespace razudar::link {
namespace {

using testing::HostLog;
using testing::record;
using testing::waitUntil;

// What the peer does after its first five texts, sent in one write.
enum class Peer {
    SendsLastAfterFirstAnswer,  // reads the first answer, sends a sixth text and hangs up
    SendsLastAtOnce,            // sends the sixth text and hangs up at once
    HangsUpAfterSecondAnswer,   // sends a sixth text on the first answer, hangs up on the second
};

struct HangUpCase {
    const char* name;
    bool controlCalls;    // the control in the client role; otherwise it listens
    bool answerEachText;  // the handler answers each text with a synchronous send
    Peer peer;
};

class HangUp : public ::testing::TestWithParam<HangUpCase> {
protected:
    void SetUp() override {
        fakes.waiter.onProcessEvents = [] { QCoreApplication::processEvents(); };
        control.setServices(fakes.services());
        record(control, log);
        QObject::connect(&control, &MirtTCP::TextsDelivered, [this] {
            log.events << QStringLiteral("Fine");
            endsInsideAHandler += handling;
        });
        if (GetParam().controlCalls) {
            ASSERT_TRUE(listener.listen(QHostAddress::LocalHost, 0));
            control.setChiamante(true);
            control.Connetti(QStringLiteral("127.0.0.1"), listener.serverPort());
            ASSERT_TRUE(waitUntil([&] { return listener.hasPendingConnections(); }));
            peer.reset(listener.nextPendingConnection());
        } else {
            const int port = testing::freePort();
            control.setPortaLocale(port);
            control.setAccettareConnessioni(true);
            peer = std::make_unique<QTcpSocket>();
            peer->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
        }
        ASSERT_TRUE(waitUntil([&] { return log.count(QStringLiteral("Connesso")) == 1; }));
        log.events.clear();
    }

    FakeServices fakes;
    HostLog log;
    MirtTCP control;
    QTcpServer listener;
    std::unique_ptr<QTcpSocket> peer;
    bool handling = false;
    int endsInsideAHandler = 0;
};

TEST_P(HangUp, TheLastTextsBeforeTheClosingAreDeliveredOnceInOrderAndThenTheClosing) {
    const HangUpCase& c = GetParam();
    QByteArray five;
    QStringList expected;
    for (int i = 0; i < 6; ++i) {
        if (i < 5) five += *buildFrame(QString::number(i));
        expected << QStringLiteral("Dati:%1").arg(i);
    }
    const QByteArray sixth = *buildFrame(u"5");
    QByteArray answers;
    bool sixthSent = false;
    const auto sendLastAndHangUp = [&] {
        peer->write(sixth);
        peer->disconnectFromHost();
    };
    if (c.answerEachText) {
        log.onText = [&](const QString& text) {
            handling = true;
            control.InviaTesto(QStringLiteral("ack ") + text, true);
            handling = false;
        };
    }
    if (c.peer == Peer::SendsLastAtOnce) {
        peer->write(five);
        sendLastAndHangUp();
    } else {
        QObject::connect(peer.get(), &QTcpSocket::readyRead, peer.get(), [&] {
            answers += peer->readAll();
            if (peer->state() != QAbstractSocket::ConnectedState) return;
            const bool first = answers.contains(*buildFrame(u"ack 0"));
            const bool second = answers.contains(*buildFrame(u"ack 1"));
            if (c.peer == Peer::SendsLastAfterFirstAnswer && first) {
                sendLastAndHangUp();
            } else if (first && !sixthSent) {
                peer->write(sixth);
                sixthSent = true;
            } else if (second) {
                peer->disconnectFromHost();
            }
        });
        peer->write(five);
    }
    ASSERT_TRUE(waitUntil([&] { return log.count(QStringLiteral("ConnessioneChiusa")) == 1; }));
    // Anything still to come would come now.
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

    const std::string seen = log.events.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(log.events.filter(QStringLiteral("Dati:")), expected) << seen;
    // The closing comes last, once, after the end of the texts.
    EXPECT_EQ(log.count(QStringLiteral("ConnessioneChiusa")), 1) << seen;
    EXPECT_EQ(log.events.mid(log.events.size() - 2), (QStringList{"Fine", "ConnessioneChiusa"})) << seen;
    EXPECT_EQ(endsInsideAHandler, 0);
    EXPECT_EQ(control.receiveBufferedBytes(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    BothRoles, HangUp,
    ::testing::Values(
        HangUpCase{"ListeningLastAfterAnswer", false, true, Peer::SendsLastAfterFirstAnswer},
        HangUpCase{"CallingLastAfterAnswer", true, true, Peer::SendsLastAfterFirstAnswer},
        HangUpCase{"ListeningHangUpAfterSecondAnswer", false, true, Peer::HangsUpAfterSecondAnswer},
        HangUpCase{"CallingHangUpAfterSecondAnswer", true, true, Peer::HangsUpAfterSecondAnswer},
        HangUpCase{"ListeningAnsweringAllAtOnce", false, true, Peer::SendsLastAtOnce},
        HangUpCase{"CallingAnsweringAllAtOnce", true, true, Peer::SendsLastAtOnce},
        HangUpCase{"ListeningSilentAllAtOnce", false, false, Peer::SendsLastAtOnce},
        HangUpCase{"CallingSilentAllAtOnce", true, false, Peer::SendsLastAtOnce}),
    [](const ::testing::TestParamInfo<HangUpCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace razudar::link
