#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>

#include "link/frame.h"
#include "link/mirt_tcp.h"
#include "platform/fakes/fake_services.h"
#include "tests/link/link_test_support.h"

namespace razudar::link {
namespace {

using testing::HostLog;
using testing::record;
using testing::waitUntil;

// A server control listening on a free local port and a client control, over real sockets.
class MirtTcpLoopback : public ::testing::Test {
protected:
    void SetUp() override {
        fakes.waiter.onProcessEvents = [] { QCoreApplication::processEvents(); };
        server.setServices(fakes.services());
        server.setPortaLocale(port);
        record(server, serverLog);
        server.setAccettareConnessioni(true);
        ASSERT_EQ(server.panel().lblStato->text(), QStringLiteral("Attesa"));
        client.setServices(fakes.services());
        client.setChiamante(true);
        record(client, clientLog);
    }

    void connectClient() {
        client.Connetti(QStringLiteral("127.0.0.1"), port);
        ASSERT_TRUE(waitUntil([&] { return server.ClientRemoto() == QStringLiteral("REGIA"); }));
        ASSERT_EQ(clientLog.count("Connesso"), 1);
    }

    // A bare socket peer that writes whatever bytes a test wants.
    void connectRaw(QTcpSocket& raw, int connessi) {
        raw.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
        ASSERT_TRUE(waitUntil([&] { return serverLog.count("Connesso") == connessi; }));
    }

    FakeServices fakes;
    const int port = testing::freePort();
    HostLog serverLog;
    HostLog clientLog;
    MirtTCP server;
    MirtTCP client;
};

TEST_F(MirtTcpLoopback, HandshakeNamesThePeerInBothRolesAndIsNeverDelivered) {
    QString peerAtConnection;
    QObject::connect(&server, &MirtTCP::Connesso, [&] { peerAtConnection = server.ClientRemoto(); });
    connectClient();
    EXPECT_EQ(peerAtConnection, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(client.panel().lblStato->text(), QStringLiteral("Attiva"));
    EXPECT_EQ(client.panel().cmdConnettiDisconnetti->text(), QStringLiteral("Disconnetti"));
    EXPECT_EQ(server.panel().lblStato->text(), QStringLiteral("Attiva"));
    EXPECT_TRUE(server.property("Connesso").toBool());

    EXPECT_TRUE(server.InviaTesto(QStringLiteral("nomeCRONO")));
    EXPECT_TRUE(server.InviaTesto(QStringLiteral("Müller € ß")));
    EXPECT_TRUE(client.InviaTesto(QString()));  // an empty frame waits for the next byte
    EXPECT_TRUE(client.InviaTesto(QStringLiteral("x")));
    ASSERT_TRUE(waitUntil([&] { return clientLog.texts.size() == 1 && serverLog.texts.size() == 2; }));
    EXPECT_EQ(client.ClientRemoto(), QStringLiteral("CRONO"));
    EXPECT_EQ(clientLog.texts, QStringList{QStringLiteral("Müller € ß")});
    EXPECT_EQ(serverLog.texts, (QStringList{QString(), "x"}));
    EXPECT_EQ(client.receivedCaption(), QStringLiteral("<Müller € ß>"));
}

TEST_F(MirtTcpLoopback, FramesSplitAtEveryByteOrManyInOneWriteArriveWholeAndInOrder) {
    QTcpSocket raw;
    connectRaw(raw, 1);
    const QByteArray stream = *buildFrame(u"abc") + *buildFrame(u"50%%off") +
                              *buildFrame(QStringLiteral("Müller €"));
    for (char byte : stream) {
        const qsizetype buffered = server.receiveBufferedBytes();
        const qsizetype delivered = serverLog.texts.size();
        raw.write(&byte, 1);
        ASSERT_TRUE(waitUntil([&] {
            return server.receiveBufferedBytes() != buffered || serverLog.texts.size() != delivered;
        }));
    }
    EXPECT_EQ(serverLog.texts, (QStringList{"abc", "50%%off", QStringLiteral("Müller €")}));

    QByteArray many;
    QStringList expected = serverLog.texts;
    for (int i = 0; i < 300; ++i) {
        many += *buildFrame(QString::number(i));
        expected << QString::number(i);
    }
    raw.write(many);
    ASSERT_TRUE(waitUntil([&] { return serverLog.texts.size() == expected.size(); }));
    EXPECT_EQ(serverLog.texts, expected);
    EXPECT_EQ(server.panel().lstLog->count(), 0);
}

TEST_F(MirtTcpLoopback, SynchronousSendsFromTheHandlerLoseNothingWhileThePeerKeepsSending) {
    connectClient();
    constexpr int kTexts = 300;
    int nextToSend = 0;
    clientLog.onText = [&](const QString& text) { client.InviaTesto(QStringLiteral("ack ") + text, true); };
    serverLog.onText = [&](const QString&) {
        if (nextToSend < kTexts) server.InviaTesto(QString::number(nextToSend++));
    };
    while (nextToSend < 50) server.InviaTesto(QString::number(nextToSend++));
    ASSERT_TRUE(waitUntil([&] { return serverLog.texts.size() == kTexts; }));
    QStringList sent, acks;
    for (int i = 0; i < kTexts; ++i) {
        sent << QString::number(i);
        acks << QStringLiteral("ack ") + QString::number(i);
    }
    EXPECT_EQ(clientLog.texts, sent);
    EXPECT_EQ(serverLog.texts, acks);
    EXPECT_GE(fakes.waiter.processEventsCalls(), kTexts);
}

TEST_F(MirtTcpLoopback, DataThatArrivesWhileTheHostHandlesATextIsDeliveredRightAfter) {
    QTcpServer peer;
    ASSERT_TRUE(peer.listen(QHostAddress::LocalHost, 0));
    client.Connetti(QStringLiteral("127.0.0.1"), peer.serverPort());
    ASSERT_TRUE(waitUntil([&] { return peer.hasPendingConnections(); }));
    QTcpSocket* raw = peer.nextPendingConnection();
    clientLog.onText = [&](const QString& text) {
        if (text != QStringLiteral("A")) return;
        // While the host is busy the peer sends more and leaves; events run as in a
        // synchronous send.
        raw->write("%%000001B");
        raw->disconnectFromHost();
        EXPECT_TRUE(waitUntil([&] { return !client.isConnesso(); }));
        // The closing is told once the texts sent before it are out.
        EXPECT_EQ(clientLog.count("ConnessioneChiusa"), 0);
        EXPECT_EQ(clientLog.texts, QStringList{"A"});
    };
    raw->write("%%000001A");
    ASSERT_TRUE(waitUntil([&] { return clientLog.count("ConnessioneChiusa") == 1; }));
    EXPECT_EQ(clientLog.events.mid(clientLog.events.indexOf(QStringLiteral("Dati:A"))),
              (QStringList{"Dati:A", "Dati:B", "ConnessioneChiusa"}));
    EXPECT_EQ(clientLog.count("Errore:10054"), 0);
}

// The texts of one arrival are followed by one TextsDelivered, never raised inside a DatiArrivati
// handler (which here sends synchronously, letting events run); a frame not yet whole delivers
// nothing and tells nothing.
TEST_F(MirtTcpLoopback, TheTextsOfOneArrivalAreFollowedByOneTextsDelivered) {
    QTcpSocket raw;
    connectRaw(raw, 1);
    bool handling = false;
    int insideAHandler = 0;
    QObject::connect(&server, &MirtTCP::TextsDelivered, [&] {
        serverLog.events << QStringLiteral("Fine");
        insideAHandler += handling;
    });
    serverLog.onText = [&](const QString& text) {
        handling = true;
        server.InviaTesto(QStringLiteral("ack ") + text, true);
        handling = false;
    };
    QByteArray arrival;
    QStringList expected;
    for (int i = 0; i < 5; ++i) {
        arrival += *buildFrame(QString::number(i));
        expected << QStringLiteral("Dati:%1").arg(i);
    }
    raw.write(arrival);
    raw.flush();
    ASSERT_TRUE(waitUntil([&] { return serverLog.events.contains(QStringLiteral("Fine")); }));
    EXPECT_EQ(serverLog.events.mid(serverLog.events.indexOf(QStringLiteral("Dati:0"))),
              expected + QStringList{QStringLiteral("Fine")});
    EXPECT_EQ(insideAHandler, 0);
    EXPECT_GE(fakes.waiter.processEventsCalls(), 5);

    const QByteArray frame = *buildFrame(u"cut");
    raw.write(frame.left(5));
    raw.flush();
    ASSERT_TRUE(waitUntil([&] { return server.receiveBufferedBytes() == 5; }));
    EXPECT_EQ(serverLog.count(QStringLiteral("Fine")), 1);
    raw.write(frame.mid(5));
    ASSERT_TRUE(waitUntil([&] { return serverLog.count(QStringLiteral("Fine")) == 2; }));
    EXPECT_EQ(serverLog.events.mid(serverLog.events.size() - 2), (QStringList{"Dati:cut", "Fine"}));
}

TEST_F(MirtTcpLoopback, APartialFrameOfAVanishedPeerIsNotGluedToTheNextConnection) {
    QTcpSocket first;
    connectRaw(first, 1);
    first.write("%%000010abc");
    ASSERT_TRUE(waitUntil([&] { return server.receiveBufferedBytes() == 11; }));
    first.abort();
    ASSERT_TRUE(waitUntil([&] { return serverLog.count("ConnessioneChiusa") == 1; }));
    EXPECT_EQ(server.panel().lblStato->text(), QStringLiteral("Attesa"));
    QTcpSocket second;
    connectRaw(second, 2);
    second.write("%%000002ok");
    ASSERT_TRUE(waitUntil([&] { return serverLog.texts.size() == 1; }));
    EXPECT_EQ(serverLog.texts, QStringList{"ok"});
    EXPECT_EQ(server.panel().lstLog->count(), 0);
    EXPECT_TRUE(serverLog.errors.empty());
}

TEST_F(MirtTcpLoopback, AServerServesOnePeerAtATimeAndTheNextAfterTheFirstLeaves) {
    connectClient();
    FixedComputerName otherName(QStringLiteral("SECONDO"));
    Services otherServices = fakes.services();
    otherServices.computerName = &otherName;
    HostLog secondLog;
    MirtTCP second;
    second.setServices(otherServices);
    second.setChiamante(true);
    record(second, secondLog);
    second.Connetti(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(waitUntil([&] { return !secondLog.errors.empty(); }));
    EXPECT_EQ(secondLog.errors[0].number, 10061);

    client.Disconnetti();
    ASSERT_TRUE(waitUntil([&] { return serverLog.count("ConnessioneChiusa") == 1; }));
    EXPECT_EQ(server.panel().lblStato->text(), QStringLiteral("Attesa"));
    EXPECT_EQ(server.ClientRemoto(), QString());
    second.Connetti();
    ASSERT_TRUE(waitUntil([&] { return server.ClientRemoto() == QStringLiteral("SECONDO"); }));

    server.setAccettareConnessioni(false);  // clearing the box closes and stops listening
    EXPECT_EQ(serverLog.count("ConnessioneChiusa"), 2);
    EXPECT_EQ(server.panel().lblStato->text(), QStringLiteral("Non Attiva"));
    ASSERT_TRUE(waitUntil([&] { return secondLog.count("ConnessioneChiusa") == 1; }));
    EXPECT_EQ(clientLog.count("ConnessioneChiusa"), 1);
}

TEST_F(MirtTcpLoopback, ConnettiWhileConnectedReconnectsWithoutConnessioneChiusa) {
    QTcpServer peer;
    ASSERT_TRUE(peer.listen(QHostAddress::LocalHost, 0));
    client.setServerRemoto(QStringLiteral("127.0.0.1"));
    client.setPortaRemota(0);
    client.Connetti(QString(), peer.serverPort());
    ASSERT_TRUE(waitUntil([&] { return clientLog.count("Connesso") == 1; }));
    client.Connetti();
    ASSERT_TRUE(waitUntil([&] { return clientLog.count("Connesso") == 2; }));
    EXPECT_EQ(clientLog.count("ConnessioneChiusa"), 0);
    EXPECT_EQ(client.PortaRemota(), static_cast<int>(peer.serverPort()));
    QTcpSocket* first = peer.nextPendingConnection();
    ASSERT_TRUE(waitUntil([&] { return first->state() == QAbstractSocket::UnconnectedState; }));
}

TEST_F(MirtTcpLoopback, ThePeerClosingIsOneConnessioneChiusaAndNoErrore) {
    connectClient();
    server.Disconnetti();
    EXPECT_EQ(serverLog.count("ConnessioneChiusa"), 1);
    EXPECT_EQ(server.panel().lblStato->text(), QStringLiteral("Attesa"));  // listens again
    ASSERT_TRUE(waitUntil([&] { return clientLog.count("ConnessioneChiusa") == 1; }));
    client.Disconnetti();
    QCoreApplication::processEvents();
    EXPECT_EQ(clientLog.count("ConnessioneChiusa"), 1);
    EXPECT_TRUE(clientLog.errors.empty());
    EXPECT_EQ(client.panel().lblStato->text(), QStringLiteral("Non Attiva"));
    EXPECT_EQ(client.panel().cmdConnettiDisconnetti->text(), QStringLiteral("Connetti"));

    EXPECT_FALSE(client.InviaTesto(QStringLiteral("perso")));
    client.cmdConnettiDisconnetti_Click();  // the operator connects again
    ASSERT_TRUE(waitUntil([&] { return clientLog.count("Connesso") == 2; }));
    client.InviaTesto(QStringLiteral("tenuto"));
    ASSERT_TRUE(waitUntil([&] { return !serverLog.texts.isEmpty(); }));
    EXPECT_EQ(serverLog.texts, QStringList{"tenuto"});
}

TEST_F(MirtTcpLoopback, SocketErrorsReachTheHostWithTheWinsockNumbers) {
    client.Connetti(QStringLiteral("127.0.0.1"), testing::freePort());
    ASSERT_TRUE(waitUntil([&] { return !clientLog.errors.empty(); }));
    EXPECT_EQ(clientLog.errors[0].number, 10061);
    EXPECT_EQ(clientLog.errors[0].description, QStringLiteral("Connection is forcefully rejected"));
    EXPECT_EQ(clientLog.errors[0].scode, static_cast<int>(0x800A274Du));
    EXPECT_FALSE(clientLog.errors[0].cancelDisplay);
    EXPECT_EQ(client.panel().lblStato->text(), QStringLiteral("Non Attiva"));

    client.setServerRemoto(QString());  // the operator presses "Connetti" with an empty box
    client.cmdConnettiDisconnetti_Click();
    ASSERT_TRUE(waitUntil([&] { return clientLog.errors.size() == 2; }));
    EXPECT_EQ(clientLog.errors[1].number, 11001);

    QTcpServer occupant;
    ASSERT_TRUE(occupant.listen(QHostAddress::Any, 0));
    MirtTCP other;
    HostLog otherLog;
    record(other, otherLog);
    other.setPortaLocale(occupant.serverPort());
    other.setAccettareConnessioni(true);
    ASSERT_EQ(otherLog.errors.size(), 1u);
    EXPECT_EQ(otherLog.errors[0].number, 10048);
    EXPECT_EQ(otherLog.errors[0].description, QStringLiteral("Address in use"));
    EXPECT_EQ(otherLog.errors[0].scode, -1);
    EXPECT_EQ(other.panel().lblStato->text(), QStringLiteral("Attesa"));
}

TEST_F(MirtTcpLoopback, ATextTooLongToFrameIsRefusedAndLogged) {
    connectClient();
    EXPECT_FALSE(client.InviaTesto(QString(1000000, QLatin1Char('a'))));
    EXPECT_EQ(client.panel().lstLog->currentItem()->text(),
              QStringLiteral("Testo troppo lungo (1000000 caratteri): non inviato"));
    EXPECT_TRUE(client.InviaTesto(QString(999999, QLatin1Char('b'))));
    ASSERT_TRUE(waitUntil([&] { return serverLog.texts.size() == 1; }));
    EXPECT_EQ(serverLog.texts[0], QString(999999, QLatin1Char('b')));
}

TEST_F(MirtTcpLoopback, FramingNoticesAreLoggedAndShownWithoutBlocking) {
    QTcpSocket raw;
    connectRaw(raw, 1);
    raw.write("garbage-garbage");
    ASSERT_TRUE(waitUntil([&] { return server.panel().lstLog->count() == 1; }));
    EXPECT_EQ(server.panel().lstLog->item(0)->text(), QStringLiteral("Manca %% 15 <garbage-garbage> "));
    auto* box = server.findChild<QMessageBox*>(QStringLiteral("msgAvvisoTrama"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    raw.write("%%000002ok");
    ASSERT_TRUE(waitUntil([&] { return serverLog.texts.size() == 1; }));
    EXPECT_EQ(serverLog.texts, QStringList{"ok"});
}

TEST_F(MirtTcpLoopback, InviaSendsTheBoxOrTheTimeOfDayAndReportsTheSend) {
    connectClient();
    int progress = 0, complete = 0;
    QObject::connect(&client, &MirtTCP::SendProgress, [&](int sent, int) { progress += sent; });
    QObject::connect(&client, &MirtTCP::SendComplete, [&] { ++complete; });
    fakes.clock.setNow(QDateTime(QDate(2024, 1, 20), QTime(14, 5, 9)));
    client.panel().cmdInviaTesto->click();
    client.panel().txtTesto->setText(QStringLiteral("ciao"));
    client.panel().cmdInviaTesto->click();
    ASSERT_TRUE(waitUntil([&] { return serverLog.texts.size() == 2 && complete > 0; }));
    EXPECT_EQ(serverLog.texts, (QStringList{"14:05:09", "ciao"}));
    EXPECT_EQ(server.panel().lblRicevuto->text(), QStringLiteral("<ciao>"));
    EXPECT_EQ(progress, 16 + 12);
}

}  // namespace
}  // namespace razudar::link
