#include "app/windows/frm_anteprima_grafica.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "app/controls/grafica_proxy.h"
#include "app/windows/window_placement.h"
#include "app/widgets/window_helpers.h"
#include "app/startup/mode_dialog_logic.h"

namespace razudar {

namespace {
// The control's place on the window: the 720 x 576 frame and its plane tabs (11055 x 9015 twips).
constexpr int kControlWidthTwips = 11055;
constexpr int kControlHeightTwips = 9015;
}  // namespace

frmAnteprimaGrafica::frmAnteprimaGrafica(QWidget* control, const Services& services,
                                         std::function<void(const QString&)> problems, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), control_(control) {
    setObjectName(QStringLiteral("frmAnteprimaGrafica"));
    setWindowTitle(QStringLiteral("Razudar - Anteprima Grafica"));
    menu_ = new QMenuBar(this);
    QMenu* strumenti = menu_->addMenu(QStringLiteral("&Strumenti"));
    strumenti->setObjectName(QStringLiteral("mnuStrumenti"));
    QAction* salva = strumenti->addAction(QStringLiteral("&Salva con nome..."));
    salva->setObjectName(QStringLiteral("mnuSalvaConNome"));
    connect(salva, &QAction::triggered, this, &frmAnteprimaGrafica::mnuSalvaConNome_Click);

    control_->setParent(this);
    control_->setObjectName(QStringLiteral("MirtGRA1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu_);
    layout->addWidget(control_);
    gra_ = std::make_unique<controls::GraficaProxy>(control_, std::move(problems));
    connect(gra_.get(), &controls::GraficaProxy::Conferma, this, &frmAnteprimaGrafica::confermaGrafica);
    connect(gra_.get(), &controls::GraficaProxy::NotificaEvento, this, &frmAnteprimaGrafica::notificaGrafica);
}

frmAnteprimaGrafica::~frmAnteprimaGrafica() = default;

void frmAnteprimaGrafica::load(const QWidget* owner) {
    const QSize controlSize(std::max(kControlWidthTwips / kTwipsPerPixel, control_->sizeHint().width()),
                            std::max(kControlHeightTwips / kTwipsPerPixel, control_->sizeHint().height()));
    control_->setMinimumSize(controlSize);
    resize(controlSize.width(), controlSize.height() + menu_->sizeHint().height());
    CentraForm(*this, owner);
    const QString app = QString::fromUtf16(kApplicazioneZez);
    const QString section = QString::fromUtf16(kSezioneAnteprima);
    const QString top = services_.settings->value(app, section, QStringLiteral("Top"));
    const QString left = services_.settings->value(app, section, QStringLiteral("Left"));
    QPoint stored = pos();
    bool ok = false;
    const double topTwips = top.toDouble(&ok);
    if (ok) stored.setY(int(topTwips / kTwipsPerPixel));
    const double leftTwips = left.toDouble(&ok);
    if (ok) stored.setX(int(leftTwips / kTwipsPerPixel));
    // A position that puts the window's title bar on no screen would hide it for good.
    if (isVisibleOnSomeScreen(QRect(stored, frameGeometry().size()))) move(stored);
}

void frmAnteprimaGrafica::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    gra_->Chiude();
    const QString app = QString::fromUtf16(kApplicazioneZez);
    const QString section = QString::fromUtf16(kSezioneAnteprima);
    services_.settings->save(app, section, QStringLiteral("Top"), QString::number(pos().y() * kTwipsPerPixel));
    services_.settings->save(app, section, QStringLiteral("Left"), QString::number(pos().x() * kTwipsPerPixel));
    hide();
}

void frmAnteprimaGrafica::mnuSalvaConNome_Click() {
    const QString current = QDir::currentPath();
    QString file = services_.fileDialog->saveFileName(QStringLiteral("Salva con nome"), current,
                                                      QStringLiteral("Immagini (*.tga)"));
    QDir::setCurrent(current);
    if (file.isEmpty()) return;  // cancelled
    // A name typed without a suffix is a picture of the one kind offered.
    if (QFileInfo(file).suffix().isEmpty()) {
        if (!file.endsWith(QLatin1Char('.'))) file += QLatin1Char('.');
        file += QStringLiteral("tga");
    }
    // The control tells why a save failed only through its message event.
    QStringList reasons;
    const QMetaObject::Connection listening =
        connect(gra_.get(), &controls::GraficaProxy::RicevutoMessaggio, this,
                [&reasons](const QString& message) {
                    // The control names its member first: the operator needs only the reason.
                    const QString member = QStringLiteral("SalvaSchermo: ");
                    reasons << (message.startsWith(member) ? message.mid(member.size()) : message);
                });
    gra_->SalvaSchermo(file);
    disconnect(listening);
    if (reasons.isEmpty() && QFileInfo::exists(file)) return;
    if (reasons.isEmpty()) reasons << QStringLiteral("il file non è stato scritto");
    services_.prompter->show(QStringLiteral("Immagine non salvata in %1: %2")
                                 .arg(QDir::toNativeSeparators(file), reasons.join(QStringLiteral("; "))),
                             PromptButtons::Ok, PromptIcon::Critical);
}

void frmAnteprimaGrafica::setControlVisible(bool visible) { control_->setVisible(visible); }
void frmAnteprimaGrafica::showPreview() {
    show();
    raise();
}
void frmAnteprimaGrafica::hidePreview() { hide(); }

void frmAnteprimaGrafica::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    // The close box only hides the window: the graphics control keeps running.
    event->ignore();
    emit closedByOperator();
}

}  // namespace razudar
