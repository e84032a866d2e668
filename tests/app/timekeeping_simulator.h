#pragma once
// A timekeeping application of our own for the tests and for watching the program live: a TCP
// server speaking the link frame ("%%", six digits, Windows-1252 text), the command envelope and
// the object text. It answers the session-key and race-state requests from its race and sends
// live messages on demand.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <memory>

namespace razudar {
class clsKrono;
}

namespace razudar::sim {

class TimekeepingSimulator : public QObject {
    Q_OBJECT
public:
    explicit TimekeepingSimulator(QObject* parent = nullptr);
    ~TimekeepingSimulator() override;

    // Listens on loopback (port 0: a free port); returns the port or 0.
    quint16 listen(quint16 port = 0, bool anyAddress = false);

    // The race it serves on "RICHIESTACLASSE".
    void setRace(std::shared_ptr<clsKrono> race) { race_ = std::move(race); }
    std::shared_ptr<clsKrono> race() const { return race_; }
    // The session key it answers ("RICHIESTACHIAVESESSIONE"): time of day, race, turn type, run.
    void setSessionKey(QString time, QString race, QString turnType, QString run);
    // Answer the two requests by itself (default true).
    void setAutoReply(bool on) { autoReply_ = on; }

    bool connected() const;
    // The connected program's socket (null before a connection).
    QTcpSocket* peer() const { return peer_; }
    // Sends one message text in a frame; sends raw bytes as they are.
    void sendText(const QString& text);
    void sendRaw(const QByteArray& bytes);
    void sendMessage(const QString& command, const QString& payload = QString());
    void sendFields(const QString& command, const QStringList& fields);
    void closePeer();

    // Texts received, handshake included, in order.
    const QStringList& received() const { return received_; }
    // Processes events until `done` holds or `limitMs` passes (a guard, not a timing).
    static bool waitUntil(const std::function<bool()>& done, int limitMs = 5000);

signals:
    void textReceived(const QString& text);
    void peerConnected();

private:
    void onNewConnection();
    void onReadyRead();
    void handle(const QString& text);

    QTcpServer server_;
    QPointer<QTcpSocket> peer_;
    QByteArray buffer_;
    QStringList received_;
    std::shared_ptr<clsKrono> race_;
    QStringList sessionKey_;
    bool autoReply_ = true;
};

}  // namespace razudar::sim
