#include "link/socket_link.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

namespace razudar::link {

namespace {
// How long a closed connection may take to hand its last bytes to the peer.
constexpr int kLingerMs = 30000;
}  // namespace

// Marks that a signal of the current socket is being handled.
class SocketLink::CallbackScope {
public:
    explicit CallbackScope(SocketLink& link) : link_(link) { ++link_.callbackDepth_; }
    ~CallbackScope() {
        if (--link_.callbackDepth_ > 0) return;
        for (QTcpSocket* socket : std::exchange(link_.retired_, {})) socket->deleteLater();
    }
    CallbackScope(const CallbackScope&) = delete;
    CallbackScope& operator=(const CallbackScope&) = delete;

private:
    SocketLink& link_;
};

SocketLink::SocketLink(QObject* parent) : QObject(parent) {}

SocketLink::~SocketLink() {
    close();
    for (QTcpSocket* request : std::as_const(requests_)) delete request;
}

SocketLink::State SocketLink::state() const {
    if (socket_) {
        if (peerClosed_) return Closing;
        switch (socket_->state()) {
        case QAbstractSocket::HostLookupState: return ResolvingHost;
        case QAbstractSocket::ConnectingState: return Connecting;
        case QAbstractSocket::ConnectedState: return Connected;
        default: break;
        }
    }
    if (failed_) return Error;
    if (server_ && server_->isListening()) return Listening;
    return Closed;
}

QString SocketLink::remoteHostIp() const {
    if (!socket_) return QString();
    const QHostAddress address = socket_->peerAddress();
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4).toString() : address.toString();
}

void SocketLink::connectToHost(const QString& host, int port) {
    detachAndClose();
    if (!isValidPort(port)) {
        failed_ = true;
        const SocketFailure failure = failureFor(winsock::kInvalidPropertyValue);
        emit error(failure.number, failure.description);
        return;
    }
    auto* socket = new QTcpSocket(this);
    attach(socket);
    socket->connectToHost(host, static_cast<quint16>(port));
}

bool SocketLink::listen(SocketFailure* failure) {
    detachAndClose();
    if (!isValidPort(localPort_)) {
        if (failure) *failure = failureFor(winsock::kInvalidPropertyValue);
        return false;
    }
    if (!server_) {
        server_ = new QTcpServer(this);
        connect(server_, &QTcpServer::newConnection, this, &SocketLink::onNewConnection);
    }
    server_->close();  // listening again starts afresh
    if (!server_->listen(QHostAddress::Any, static_cast<quint16>(localPort_))) {
        if (failure) *failure = failureFor(server_->serverError(), server_->errorString());
        return false;
    }
    return true;
}

void SocketLink::accept(int requestId) {
    QTcpSocket* socket = requests_.take(requestId);
    if (!socket) return;
    detachAndClose();
    attach(socket);
    keptQueue_.keep(socket->socketDescriptor());
    // Bytes that came with the request are announced like any later arrival.
    takeArrived();
}

bool SocketLink::sendData(const QByteArray& bytes) {
    if (state() != Connected) return false;
    return socket_->write(bytes) == bytes.size();
}

QByteArray SocketLink::readNext() {
    takeArrived();
    if (arrived_.empty()) return QByteArray();
    QByteArray block = std::move(arrived_.front());
    arrived_.pop_front();
    return block;
}

void SocketLink::takeArrived() {
    // Asked for at its exact size: when that is one block read from the network (the usual
    // case), the socket hands the block over as it is instead of copying it.
    if (socket_ && socket_->bytesAvailable() > 0) keepArrived(socket_->read(socket_->bytesAvailable()));
}

void SocketLink::keepArrived(QByteArray block) {
    if (block.isEmpty()) return;
    arrived_.push_back(std::move(block));
    if (arrived_.size() > 1 || announcePending_) return;
    // Announced from the event loop, not from within the socket's own signal: while that signal
    // is being handled the socket announces nothing it reads, and a host's handler may let
    // events run for long (a synchronous send) while the peer sends and hangs up.
    announcePending_ = true;
    QMetaObject::invokeMethod(this, [this] {
        announcePending_ = false;
        if (arrived_.empty()) return;  // read meanwhile
        CallbackScope scope(*this);
        emit dataArrival();
    }, Qt::QueuedConnection);
}

void SocketLink::close() {
    detachAndClose();
    if (server_) server_->close();
}

void SocketLink::attach(QTcpSocket* socket) {
    socket->setParent(this);
    socket_ = socket;
    peerClosed_ = false;
    failed_ = false;
    arrived_.clear();  // a new connection is a new stream
    connect(socket, &QTcpSocket::connected, this, &SocketLink::onConnected);
    connect(socket, &QTcpSocket::readyRead, this, &SocketLink::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &SocketLink::onDisconnected);
    connect(socket, &QTcpSocket::errorOccurred, this, &SocketLink::onSocketError);
    connect(socket, &QTcpSocket::bytesWritten, this, &SocketLink::onBytesWritten);
}

void SocketLink::detachAndClose() {
    keptQueue_.release();  // closing the socket ends the connection
    peerClosed_ = false;
    failed_ = false;
    QTcpSocket* socket = socket_;
    if (!socket) return;
    socket_ = nullptr;
    socket->disconnect(this);
    if (socket->state() == QAbstractSocket::ConnectedState) {
        // Let the bytes already written reach the peer, then end the connection.
        socket->disconnectFromHost();
        if (socket->state() != QAbstractSocket::UnconnectedState) {
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] { retire(socket); });
            QTimer::singleShot(kLingerMs, this, [this, lingering = QPointer<QTcpSocket>(socket)] {
                if (!lingering) return;
                lingering->disconnect(this);
                lingering->abort();
                retire(lingering);
            });
            return;
        }
    } else {
        socket->abort();
    }
    retire(socket);
}

void SocketLink::retire(QTcpSocket* socket) {
    if (callbackDepth_ > 0)
        retired_.append(socket);
    else
        socket->deleteLater();
}

void SocketLink::onConnected() {
    CallbackScope scope(*this);
    if (socket_) keptQueue_.keep(socket_->socketDescriptor());
    emit connected();
}

void SocketLink::onReadyRead() { takeArrived(); }

void SocketLink::onNewConnection() {
    while (server_ && server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        socket->setParent(this);
        const int id = nextRequestId_++;
        requests_.insert(id, socket);
        emit connectionRequest(id);
        if (QTcpSocket* refused = requests_.take(id)) {
            refused->abort();
            refused->deleteLater();
        }
    }
}

void SocketLink::onSocketError() {
    CallbackScope scope(*this);
    auto* socket = qobject_cast<QTcpSocket*>(sender());
    if (!socket || socket != socket_) return;
    // The peer ending the connection is reported as a closing, not as an error.
    if (socket->error() == QAbstractSocket::RemoteHostClosedError) return;
    if (socket->state() != QAbstractSocket::ConnectedState) failed_ = true;
    const SocketFailure failure = failureFor(socket->error(), socket->errorString());
    emit error(failure.number, failure.description);
}

void SocketLink::onDisconnected() {
    CallbackScope scope(*this);
    QTcpSocket* socket = socket_;
    if (!socket || sender() != socket) return;
    // What came before the end stays to be read after the closing is announced: what the
    // socket read and, when it was dropped on a failed send, what it had not read yet.
    takeArrived();
    keepArrived(keptQueue_.takeRest());
    if (failed_) return;
    peerClosed_ = true;
    emit closedByPeer();
}

void SocketLink::onBytesWritten(qint64 bytes) {
    CallbackScope scope(*this);
    if (!socket_) return;
    const qint64 remaining = socket_->bytesToWrite();
    emit sendProgress(bytes, remaining);
    if (remaining == 0 && socket_) emit sendComplete();
}

}  // namespace razudar::link
