#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <deque>

#include "link/kept_receive_queue.h"
#include "link/winsock_errors.h"

class QTcpServer;
class QTcpSocket;

namespace razudar::link {

// The link control's one TCP socket over Qt's event loop: a client connection, or a server
// that listens and takes one connection request on this same socket. States and events are
// numbered as the link's host expects them (closed 0 ... error 9).
class SocketLink : public QObject {
    Q_OBJECT
public:
    enum State {
        Closed = 0,
        Listening = 2,
        ResolvingHost = 4,
        Connecting = 6,
        Connected = 7,
        Closing = 8,  // the peer has closed the connection; close() has not run yet
        Error = 9,    // the last connection attempt failed
    };

    explicit SocketLink(QObject* parent = nullptr);
    ~SocketLink() override;  // closes, with no event

    State state() const;
    void setLocalPort(int port) { localPort_ = port; }
    int localPort() const { return localPort_; }
    // The peer's address ("127.0.0.1"), "" without a connection.
    QString remoteHostIp() const;

    // Starts connecting; the outcome arrives as connected() or error(). A port outside
    // 1..65535 is reported by error() before this returns.
    void connectToHost(const QString& host, int port);
    // Listens on the local port for connection requests. False, with the reason, when it
    // cannot (port out of range, address in use, no permission).
    bool listen(SocketFailure* failure);
    // Takes the request announced by connectionRequest() as this socket's connection. A
    // request not accepted before the signal's handlers return is refused.
    void accept(int requestId);
    // Hands bytes to the connection; false when not connected.
    bool sendData(const QByteArray& bytes);
    // The oldest block of bytes received and not read yet, empty when there is none. Also after
    // the connection has closed: what the peer sent before it hung up is kept until read (a new
    // connection drops it).
    QByteArray readNext();
    // Ends whatever the socket is doing. Data already handed over is still delivered to the
    // peer; nothing more is reported for the old connection.
    void close();

signals:
    void connected();
    void connectionRequest(int requestId);
    // Bytes arrived; announced from the event loop, never from within the socket's own signal.
    void dataArrival();
    // The peer has ended the connection. What it sent before is still to be read with readNext().
    void closedByPeer();
    void error(int number, const QString& description);
    void sendProgress(qint64 bytesSent, qint64 bytesRemaining);
    void sendComplete();

private:
    class CallbackScope;

    void attach(QTcpSocket* socket);
    void detachAndClose();
    void retire(QTcpSocket* socket);
    // Moves what the socket holds to arrived_.
    void takeArrived();
    // Queues a block in arrived_ and, when none was waiting, announces it.
    void keepArrived(QByteArray block);
    void onNewConnection();
    void onConnected();
    void onReadyRead();
    void onSocketError();
    void onDisconnected();
    void onBytesWritten(qint64 bytes);

    QTcpServer* server_ = nullptr;
    QTcpSocket* socket_ = nullptr;
    QHash<int, QTcpSocket*> requests_;
    // A socket closed while one of its own signals is still being handled further up the
    // stack (a handler that lets events run) is deleted only once that handling is over.
    QList<QTcpSocket*> retired_;
    // Blocks taken from the socket as soon as it has them (a socket dropped on a failed send
    // loses what it holds) and not read yet, oldest first.
    std::deque<QByteArray> arrived_;
    bool announcePending_ = false;
    KeptReceiveQueue keptQueue_;
    int callbackDepth_ = 0;
    int nextRequestId_ = 1;
    int localPort_ = 0;
    bool peerClosed_ = false;
    bool failed_ = false;
};

}  // namespace razudar::link
