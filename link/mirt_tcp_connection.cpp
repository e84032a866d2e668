// The link control's connection behaviour: connecting, accepting, closing, sending, receiving
// and the socket's events.
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "link/computer_name.h"
#include "link/frame.h"
#include "link/mirt_tcp.h"
#include "link/mirt_tcp_receiver.h"
#include "link/socket_link.h"
#include "link/windows1252.h"

namespace razudar::link {

namespace {

// The socket's name as the host sees it in the source of its errors.
const QString kSocketSource = QStringLiteral("Winsock1");
// Scode of a socket error: the error number under the facility of control errors.
int scodeOf(int number) { return static_cast<int>(0x800A0000u | static_cast<quint32>(number)); }
// The received-text label is a single line a few words wide: longer captions are cut for
// display (the whole caption stays in receivedCaption()).
constexpr qsizetype kShownCaptionChars = 1000;

}  // namespace

bool MirtTCP::isConnesso() const { return socket_->state() == SocketLink::Connected; }

// Close routine: the peer closed, Disconnetti, a send while not connected, the box cleared.
void MirtTCP::closeRoutine() {
    closePending_ = false;
    const SocketLink::State state = socket_->state();
    const bool wasOpen = state == SocketLink::Connected || state == SocketLink::Closing;
    panel_.showState(PanelState::NonAttiva);
    socket_->close();
    if (chiamante_) {
        panel_.cmdConnettiDisconnetti->setText(QStringLiteral("Connetti"));
    } else {
        panel_.lblServerRemoto->setText(QString());
        if (panel_.chkAccettaConnessioni->isChecked()) acceptBoxClicked();  // listen again
    }
    if (wasOpen) emit ConnessioneChiusa();
}

void MirtTCP::Disconnetti() { closeRoutine(); }

void MirtTCP::Connetti(const QString& sServerRemoto, int nPortaRemota) {
    if (!chiamante_) return;
    if (!sServerRemoto.isEmpty())
        setServerRemoto(sServerRemoto);
    else if (panel_.txtServerRemoto->text() != serverRemoto_)
        setServerRemoto(panel_.txtServerRemoto->text());
    if (nPortaRemota != 0)
        setPortaRemota(nPortaRemota);
    else if (portaRemota_ == 0)
        setPortaRemota(kDefaultPort);
    // An open connection is dropped here without ConnessioneChiusa and without any change on
    // the panel; the outcome of the new attempt comes as the socket's connected or error event.
    closePending_ = false;
    socket_->close();
    socket_->connectToHost(panel_.txtServerRemoto->text(), portaRemota_);
}

void MirtTCP::cmdConnettiDisconnetti_Click() {
    if (!chiamante_) return;
    if (socket_->state() == SocketLink::Connected)
        Disconnetti();
    else
        Connetti();
}

void MirtTCP::acceptBoxClicked() {
    if (chiamante_) return;
    const bool ticked = panel_.chkAccettaConnessioni->isChecked();
    if (ticked) {
        panel_.showState(PanelState::Attesa);
        socket_->setLocalPort(portaLocale_);
        SocketFailure failure;
        if (!socket_->listen(&failure)) {
            raiseErrore(failure, -1, true);
            return;  // the panel stays "Attesa", AccettareConnessioni as it was
        }
    } else {
        closeRoutine();
    }
    setAccettareConnessioni(ticked);
}

bool MirtTCP::InviaTesto(const QString& sTesto, bool Sincrono) {
    if (socket_->state() != SocketLink::Connected) {
        // After a hang-up the close routine waits until the texts sent before it are out.
        if (!closePending_) closeRoutine();
        return false;
    }
    const std::optional<QByteArray> frame = buildFrame(sTesto);
    if (!frame) {
        Logga(QStringLiteral("Testo troppo lungo (%1 caratteri): non inviato").arg(sTesto.size()));
        return false;
    }
    socket_->sendData(*frame);
    if (Sincrono) waiter_->processEvents();
    return true;
}

void MirtTCP::raiseErrore(const SocketFailure& failure, int scode, bool cancelDisplay) {
    QString description = failure.description;
    bool cancel = cancelDisplay;
    emit Errore(failure.number, description, scode, kSocketSource, QString(), 0, cancel);
}

// ---- socket events -------------------------------------------------------------------------------

void MirtTCP::onConnected() {
    parser_.clear();  // a new connection is a new stream
    if (chiamante_) {
        panel_.showState(PanelState::Attiva);
        panel_.cmdConnettiDisconnetti->setText(QStringLiteral("Disconnetti"));
        InviaTesto(QStringLiteral("nome") + NomeComputer(*computerName_), false);
    }
    emit Connesso();
}

void MirtTCP::onConnectionRequest(int requestId) {
    if (chiamante_) return;
    socket_->close();  // stops listening: one peer at a time
    socket_->accept(requestId);
    parser_.clear();
    panel_.showState(PanelState::Attiva);
    panel_.lblServerRemoto->setText(socket_->remoteHostIp());
    emit Connesso();
}

void MirtTCP::onDataArrival() {
    // Whatever came while a handler ran (one that sends synchronously lets socket events run)
    // is read here after each pass.
    for (QByteArray data = socket_->readNext(); !data.isEmpty(); data = socket_->readNext())
        parser_.feedArrival(data, *receiver_);
    // A nested arrival only buffered its data: the loop further out delivers it and tells.
    if (parser_.busy()) return;
    if (deliveredSinceLastEnd_) {
        deliveredSinceLastEnd_ = false;
        emit TextsDelivered();
    }
    if (closePending_) closeRoutine();
}

// The texts the peer sent before it hung up are delivered first, then the connection is closed:
// here when no text is being handled, else by the delivering loop further out once it is done.
void MirtTCP::onClosedByPeer() {
    closePending_ = true;
    if (!parser_.busy()) onDataArrival();
}

void MirtTCP::onSocketError(int number, const QString& description) {
    raiseErrore(SocketFailure{number, description}, scodeOf(number), false);
}

// ---- what the receiver hands out ----------------------------------------------------------------

void MirtTCP::showPeerName(const QString& name) { panel_.lblServerRemoto->setText(name); }

QString MirtTCP::receivedCaption() const {
    return lastReceived_.isNull() ? QString() : QLatin1Char('<') + lastReceived_ + QLatin1Char('>');
}

void MirtTCP::deliverText(const ReceivedBytes& bytes) {
    decodeWindows1252(bytes.pieces(), lastReceived_);
    const QString& text = lastReceived_;  // changed only here, never while the host handles it
    const QStringView shown = QStringView(text).left(kShownCaptionChars);
    QString caption;
    caption.reserve(shown.size() + 2);
    caption.append(QLatin1Char('<')).append(shown).append(QLatin1Char('>'));
    panel_.lblRicevuto->setText(caption);
    deliveredSinceLastEnd_ = true;
    emit DatiArrivati(text);
}

void MirtTCP::showFramingNotice(const QString& notice) {
    // Shown without blocking: a modal box here would run a nested event loop inside the parse
    // loop. One box per control shows the latest notice; the log keeps the last ones. A notice
    // is short whatever the data it is about (the receiver puts only an excerpt in it).
    Logga(notice);
    if (!noticeBox_) {
        noticeBox_ = new QMessageBox(this);
        noticeBox_->setObjectName(QStringLiteral("msgAvvisoTrama"));
        noticeBox_->setWindowModality(Qt::NonModal);
        noticeBox_->setModal(false);
        noticeBox_->setStandardButtons(QMessageBox::Ok);
        noticeBox_->setTextFormat(Qt::PlainText);
        noticeBox_->setWindowTitle(QGuiApplication::applicationDisplayName());
    }
    noticeBox_->setText(notice);
    noticeBox_->show();
    noticeBox_->raise();
}

}  // namespace razudar::link
