#include "link/mirt_tcp.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "link/mirt_tcp_receiver.h"
#include "link/socket_link.h"
#include "model/basic.h"
#include "platform/services/system_services.h"

namespace razudar::link {

namespace {

// Stored keys and the values a key that is absent stands for.
const QString kServerRemotoKey = QStringLiteral("ServerRemoto");
const QString kTitoloKey = QStringLiteral("Titolo");
const QString kNomeProcessoKey = QStringLiteral("NomeProcesso");
const QString kChiamanteKey = QStringLiteral("Chiamante");
const QString kPortaLocaleKey = QStringLiteral("PortaLocale");
const QString kPortaRemotaKey = QStringLiteral("PortaRemota");
const QString kAccettareConnessioniKey = QStringLiteral("AccettareConnessioni");
const QString kDefaultTitolo = QStringLiteral("Connessione a ");

QString storedText(const QVariantMap& stored, const QString& key, const QString& absent) {
    const auto it = stored.constFind(key);
    return it == stored.constEnd() ? absent : basic::CStr(*it);
}

// Stored values may come back as texts (a settings file): "True", "False" or a number.
bool storedBool(const QVariantMap& stored, const QString& key, bool absent) {
    const auto it = stored.constFind(key);
    if (it == stored.constEnd()) return absent;
    if (it->typeId() == QMetaType::Bool) return it->toBool();
    bool ok = false;
    const bool value = basic::CBool(basic::CStr(*it), &ok);
    return ok ? value : absent;
}

int storedInt(const QVariantMap& stored, const QString& key, int absent) {
    const auto it = stored.constFind(key);
    if (it == stored.constEnd()) return absent;
    const std::optional<double> number = basic::numberOf(*it);
    if (!number) return absent;
    bool ok = false;
    const qint32 value = basic::CLng(*number, &ok);
    return ok ? value : absent;
}

}  // namespace

MirtTCP::MirtTCP(QWidget* parent)
    : QWidget(parent),
      panel_(this),
      socket_(new SocketLink(this)),
      receiver_(std::make_unique<Receiver>(*this)),
      ownWaiter_(std::make_unique<SystemWaiter>()),
      ownClock_(std::make_unique<SystemClock>()),
      ownComputerName_(std::make_unique<HostComputerName>()),
      waiter_(ownWaiter_.get()),
      clock_(ownClock_.get()),
      computerName_(ownComputerName_.get()),
      titolo_(kDefaultTitolo),
      portaLocale_(kDefaultPort),
      portaRemota_(kDefaultPort) {
    setObjectName(QStringLiteral("MirtTCP"));
    resize(sizeHint());
    panel_.showRole(chiamante_);

    connect(panel_.cmdConnettiDisconnetti, &QPushButton::clicked, this,
            &MirtTCP::cmdConnettiDisconnetti_Click);
    connect(panel_.chkAccettaConnessioni, &QCheckBox::clicked, this, &MirtTCP::acceptBoxClicked);
    connect(panel_.cmdInviaTesto, &QPushButton::clicked, this, &MirtTCP::sendButtonClicked);
    panel_.lstLog->viewport()->installEventFilter(this);

    connect(socket_, &SocketLink::connected, this, &MirtTCP::onConnected);
    connect(socket_, &SocketLink::connectionRequest, this, &MirtTCP::onConnectionRequest);
    connect(socket_, &SocketLink::dataArrival, this, &MirtTCP::onDataArrival);
    connect(socket_, &SocketLink::closedByPeer, this, &MirtTCP::onClosedByPeer);
    connect(socket_, &SocketLink::error, this, &MirtTCP::onSocketError);
    connect(socket_, &SocketLink::sendComplete, this, &MirtTCP::SendComplete);
    connect(socket_, &SocketLink::sendProgress, this, [this](qint64 sent, qint64 remaining) {
        emit SendProgress(static_cast<int>(qMin<qint64>(sent, INT_MAX)),
                          static_cast<int>(qMin<qint64>(remaining, INT_MAX)));
    });
}

MirtTCP::~MirtTCP() {
    socket_->disconnect(this);
    socket_->close();
}

void MirtTCP::setServices(const Services& services) {
    if (services.waiter) waiter_ = services.waiter;
    if (services.clock) clock_ = services.clock;
    if (services.computerName) computerName_ = services.computerName;
}

QSize MirtTCP::sizeHint() const { return QSize(1860 / 15, 5490 / 15); }

void MirtTCP::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    panel_.fitTo(size());
}

// ---- properties ----------------------------------------------------------------------------

QString MirtTCP::ClientRemoto() const { return panel_.lblServerRemoto->text(); }

void MirtTCP::setServerRemoto(const QString& value) {
    serverRemoto_ = basic::UCase(value);
    markChanged();
    panel_.txtServerRemoto->setText(serverRemoto_);
}

void MirtTCP::setTitolo(const QString& value) {
    titolo_ = value;
    markChanged();
    panel_.fraTitolo->setTitle(titolo_);
}

void MirtTCP::setNomeProcesso(const QString& value) {
    nomeProcesso_ = value;
    markChanged();
}

void MirtTCP::setChiamante(bool value) {
    chiamante_ = value;
    markChanged();
    setPortaLocale(value ? 0 : kDefaultPort);
    setPortaRemota(value ? kDefaultPort : 0);
    panel_.showRole(chiamante_);
}

void MirtTCP::setPortaLocale(int value) {
    portaLocale_ = (!chiamante_ && value == 0) ? kDefaultPort : value;
    markChanged();
}

void MirtTCP::setPortaRemota(int value) {
    portaRemota_ = value;
    markChanged();
}

void MirtTCP::setAccettareConnessioni(bool value) {
    if (chiamante_ || designMode_) value = false;
    accettareConnessioni_ = value;
    markChanged();
    // Changing the box runs its click behaviour, as the operator's click does.
    if (panel_.chkAccettaConnessioni->isChecked() != value) {
        panel_.chkAccettaConnessioni->setChecked(value);
        acceptBoxClicked();
    }
}

// ---- stored properties -----------------------------------------------------------------------

void MirtTCP::loadProperties(const QVariantMap& stored) {
    setServerRemoto(storedText(stored, kServerRemotoKey, QString()));
    setTitolo(storedText(stored, kTitoloKey, kDefaultTitolo));
    nomeProcesso_ = storedText(stored, kNomeProcessoKey, QString());
    setChiamante(storedBool(stored, kChiamanteKey, false));
    // Read as stored, replacing the ports the role set; the box is not ticked by loading.
    portaLocale_ = storedInt(stored, kPortaLocaleKey, kDefaultPort);
    portaRemota_ = storedInt(stored, kPortaRemotaKey, kDefaultPort);
    accettareConnessioni_ = storedBool(stored, kAccettareConnessioniKey, false);
    propertiesChanged_ = false;
}

QVariantMap MirtTCP::saveProperties() {
    QVariantMap stored;
    stored.insert(kServerRemotoKey, serverRemoto_);
    stored.insert(kTitoloKey, titolo_);
    stored.insert(kNomeProcessoKey, nomeProcesso_);
    stored.insert(kChiamanteKey, chiamante_);
    stored.insert(kPortaLocaleKey, portaLocale_);
    stored.insert(kPortaRemotaKey, portaRemota_);
    stored.insert(kAccettareConnessioniKey, accettareConnessioni_);
    propertiesChanged_ = false;
    return stored;
}

// ---- panel -------------------------------------------------------------------------------------

void MirtTCP::Logga(const QString& sTesto) {
    // The log is for reading: a line shows its beginning, and the oldest lines make room, so
    // neither a long text nor a flood of notices slows the panel down.
    QListWidget* log = panel_.lstLog;
    log->addItem(sTesto.size() <= kLogLineChars ? sTesto : sTesto.left(kLogLineChars) + QChar(0x2026));
    if (log->count() > kLogLines) delete log->takeItem(0);
    log->setCurrentRow(log->count() - 1);
}

bool MirtTCP::eventFilter(QObject* watched, QEvent* event) {
    // A double click on the log clears it.
    if (watched == panel_.lstLog->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        panel_.lstLog->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MirtTCP::sendButtonClicked() {
    QString text = panel_.txtTesto->text();
    if (text.isEmpty()) text = clock_->now().toString(QStringLiteral("hh:mm:ss"));
    InviaTesto(text, false);
}

}  // namespace razudar::link
