#include "timekeeping_simulator.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include "app/link/link_messages.h"
#include "data/object_text_encoder.h"
#include "link/frame.h"
#include "link/windows1252.h"
#include "model/krono.h"

namespace razudar::sim {

TimekeepingSimulator::TimekeepingSimulator(QObject* parent) : QObject(parent) {
    sessionKey_ = {QStringLiteral("103000000"), QStringLiteral("1"), QStringLiteral("GS"), QStringLiteral("1")};
    connect(&server_, &QTcpServer::newConnection, this, &TimekeepingSimulator::onNewConnection);
}

TimekeepingSimulator::~TimekeepingSimulator() = default;

quint16 TimekeepingSimulator::listen(quint16 port, bool anyAddress) {
    if (!server_.listen(anyAddress ? QHostAddress::Any : QHostAddress::LocalHost, port)) return 0;
    return server_.serverPort();
}

void TimekeepingSimulator::setSessionKey(QString time, QString race, QString turnType, QString run) {
    sessionKey_ = {std::move(time), std::move(race), std::move(turnType), std::move(run)};
}

bool TimekeepingSimulator::connected() const { return peer_ && peer_->state() == QAbstractSocket::ConnectedState; }

void TimekeepingSimulator::onNewConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (peer_) peer_->deleteLater();
        peer_ = socket;
        buffer_.clear();
        connect(socket, &QTcpSocket::readyRead, this, &TimekeepingSimulator::onReadyRead);
        emit peerConnected();
    }
}

void TimekeepingSimulator::onReadyRead() {
    if (!peer_) return;
    buffer_ += peer_->readAll();
    for (;;) {
        if (buffer_.size() < link::kFrameHeaderBytes || !buffer_.startsWith("%%")) return;
        const int length = buffer_.mid(2, 6).toInt();
        if (buffer_.size() < link::kFrameHeaderBytes + length) return;
        const QString text = link::decodeWindows1252(QByteArrayView(buffer_).sliced(link::kFrameHeaderBytes, length));
        buffer_.remove(0, link::kFrameHeaderBytes + length);
        received_ << text;
        emit textReceived(text);
        handle(text);
    }
}

void TimekeepingSimulator::handle(const QString& text) {
    if (!autoReply_) return;
    if (text == ComponiMessaggio(QString::fromUtf16(kRichiestaChiaveSessione))) {
        sendMessage(QString::fromUtf16(kRichiestaChiaveSessione),
                    encoder::sessionKeyText(sessionKey_[0], sessionKey_[1], sessionKey_[2], sessionKey_[3]));
    } else if (text == ComponiMessaggio(QString::fromUtf16(kRichiestaClasse)) && race_) {
        sendMessage(QString::fromUtf16(kAggiornaClasse), encoder::raceStateText(*race_));
    }
}

void TimekeepingSimulator::sendRaw(const QByteArray& bytes) {
    if (!connected()) return;
    peer_->write(bytes);
    peer_->flush();
}

void TimekeepingSimulator::sendText(const QString& text) {
    if (const auto frame = link::buildFrame(text)) sendRaw(*frame);
}

void TimekeepingSimulator::sendMessage(const QString& command, const QString& payload) {
    sendText(ComponiMessaggio(command, payload));
}

void TimekeepingSimulator::sendFields(const QString& command, const QStringList& fields) {
    sendMessage(command, fields.join(QString::fromUtf16(kSeparatoreCampi)));
}

void TimekeepingSimulator::closePeer() {
    if (peer_) peer_->disconnectFromHost();
}

bool TimekeepingSimulator::waitUntil(const std::function<bool()>& done, int limitMs) {
    QDeadlineTimer deadline(limitMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

}  // namespace razudar::sim
