#pragma once
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <QWidget>

#include <memory>

#include "link/link_panel.h"
#include "link/receive_parser.h"
#include "link/winsock_errors.h"
#include "platform/services/services.h"

class QMessageBox;

namespace razudar {
class SystemClock;
class SystemWaiter;
class HostComputerName;
}  // namespace razudar

namespace razudar::link {

class SocketLink;

// The TCP link control: carries framed texts over one TCP connection as a client (Chiamante
// True) or as a server that serves one peer at a time, and tells its host of connections,
// arrived texts, closings and socket errors through its events. Every member a host uses is a
// Qt property, an invokable method or a signal, so it is reached by name.
class MirtTCP : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString ClientRemoto READ ClientRemoto)
    Q_PROPERTY(QString ServerRemoto READ ServerRemoto WRITE setServerRemoto)
    Q_PROPERTY(QString Titolo READ Titolo WRITE setTitolo)
    Q_PROPERTY(QString NomeProcesso READ NomeProcesso WRITE setNomeProcesso)
    Q_PROPERTY(bool Chiamante READ Chiamante WRITE setChiamante)
    Q_PROPERTY(int PortaLocale READ PortaLocale WRITE setPortaLocale)
    Q_PROPERTY(int PortaRemota READ PortaRemota WRITE setPortaRemota)
    Q_PROPERTY(bool AccettareConnessioni READ AccettareConnessioni WRITE setAccettareConnessioni)
    // The property shares its name with the event; its reader has another C++ name.
    Q_PROPERTY(bool Connesso READ isConnesso)

public:
    explicit MirtTCP(QWidget* parent = nullptr);
    ~MirtTCP() override;  // the socket is closed with no event

    // The outside world (computer name, the one pass of pending events of a synchronous send,
    // the time of day of an empty "Invia"). Members left null keep the real implementations.
    void setServices(const Services& services);
    // A host that edits its window rather than runs it: the control never accepts connections.
    void setDesignMode(bool designMode) { designMode_ = designMode; }

    QString ClientRemoto() const;
    QString ServerRemoto() const { return serverRemoto_; }
    void setServerRemoto(const QString& value);
    QString Titolo() const { return titolo_; }
    void setTitolo(const QString& value);
    QString NomeProcesso() const { return nomeProcesso_; }
    void setNomeProcesso(const QString& value);
    bool Chiamante() const { return chiamante_; }
    void setChiamante(bool value);
    int PortaLocale() const { return portaLocale_; }
    void setPortaLocale(int value);
    int PortaRemota() const { return portaRemota_; }
    void setPortaRemota(int value);
    bool AccettareConnessioni() const { return accettareConnessioni_; }
    void setAccettareConnessioni(bool value);
    bool isConnesso() const;

    Q_INVOKABLE void cmdConnettiDisconnetti_Click();
    // Sends one text; false when nothing was sent (not connected, or too long to frame).
    Q_INVOKABLE bool InviaTesto(const QString& sTesto, bool Sincrono = false);
    Q_INVOKABLE void Disconnetti();
    Q_INVOKABLE void Connetti(const QString& sServerRemoto = QString(), int nPortaRemota = 0);
    // Adds a line to the log and selects it. The log keeps the last kLogLines lines, each cut
    // to kLogLineChars characters (and "…").
    Q_INVOKABLE void Logga(const QString& sTesto);
    static constexpr int kLogLines = 200;
    static constexpr qsizetype kLogLineChars = 500;

    // The seven properties kept in the host's stored window data, under their own names.
    // Loading applies them in the order they are listed in the header and never starts listening.
    Q_INVOKABLE void loadProperties(const QVariantMap& stored);
    // Saving also clears the changed mark.
    Q_INVOKABLE QVariantMap saveProperties();
    // A property was set since the last load or save.
    bool propertiesChanged() const { return propertiesChanged_; }

    // The caption of the received-text label: "<" & text & ">" of the last delivered text.
    QString receivedCaption() const;
    const LinkPanel& panel() const { return panel_; }
    // Bytes received and not yet delivered.
    qsizetype receiveBufferedBytes() const { return parser_.bufferedBytes(); }
    QSize sizeHint() const override;

signals:
    void ConnessioneChiusa();
    void Connesso();
    void DatiArrivati(const QString& Testo);
    void Errore(int Number, QString& Description, int Scode, const QString& Source,
                const QString& HelpFile, int HelpContext, bool& CancelDisplay);
    void SendComplete();
    void SendProgress(int bytesSent, int bytesRemaining);
    // Raised once the texts that had arrived together (every text complete when the socket was
    // read) have all been delivered through DatiArrivati: a host can do once for all of them
    // what each one asks for. Not raised while a DatiArrivati handler runs.
    void TextsDelivered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class Receiver;

    // The port both roles use when none is given.
    static constexpr int kDefaultPort = 1001;

    void markChanged() { propertiesChanged_ = true; }
    void closeRoutine();
    void acceptBoxClicked();
    void sendButtonClicked();
    void raiseErrore(const SocketFailure& failure, int scode, bool cancelDisplay);

    void onConnected();
    void onConnectionRequest(int requestId);
    void onDataArrival();
    void onClosedByPeer();
    void onSocketError(int number, const QString& description);

    void showPeerName(const QString& name);
    void deliverText(const ReceivedBytes& bytes);
    void showFramingNotice(const QString& notice);

    LinkPanel panel_;
    SocketLink* socket_;
    ReceiveParser parser_;
    std::unique_ptr<Receiver> receiver_;
    QPointer<QMessageBox> noticeBox_;

    std::unique_ptr<SystemWaiter> ownWaiter_;
    std::unique_ptr<SystemClock> ownClock_;
    std::unique_ptr<HostComputerName> ownComputerName_;
    Waiter* waiter_;
    Clock* clock_;
    ComputerName* computerName_;

    QString serverRemoto_;
    QString titolo_;
    QString nomeProcesso_;
    bool chiamante_ = false;
    int portaLocale_ = 0;
    int portaRemota_ = 0;
    bool accettareConnessioni_ = false;
    bool designMode_ = false;
    bool propertiesChanged_ = false;
    // The last delivered text; the next one is decoded over its storage when the host did not
    // keep it.
    QString lastReceived_;
    // A text was delivered since TextsDelivered was last raised.
    bool deliveredSinceLastEnd_ = false;
    // The peer has hung up: the close routine runs once the texts it sent before are out.
    bool closePending_ = false;
};

}  // namespace razudar::link
