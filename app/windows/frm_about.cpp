#include "app/windows/frm_about.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/window_helpers.h"
#include "app/windows/program_starter.h"
#include "model/bas_utilita.h"
#include "model/basic.h"
#include "platform/services/prompter.h"
#include "platform/services/settings_store.h"

namespace razudar {

namespace {

const QString kNonDisponibili = QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili.");

const QString kAvviso = QStringLiteral(
    "Avviso: questo programma è tutelato dalle leggi sul diritto d'autore e dai trattati "
    "internazionali. La riproduzione o la distribuzione non autorizzata di questo programma, "
    "o di parte di esso, è perseguibile civilmente e penalmente nella misura massima consentita "
    "dalla legge.");

// The picture of the box: a stylised run gate on the program's blue.
QPixmap aboutPicture() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(22, 60, 120));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 48), QPointF(32, 16));
    p.drawLine(QPointF(32, 16), QPointF(50, 48));
    p.setPen(QPen(QColor(230, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 36), QPointF(42, 36));
    return pixmap;
}

QFrame* line(QWidget* parent, const QString& name) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

}  // namespace

bool GetKeyValue(const SettingsStore& settings, const QString& section, const QString& key, QString& KeyVal) {
    QString value = settings.value(QStringLiteral("Zez"), section, key);
    if (value.endsWith(QChar(u'\0'))) value.chop(1);
    KeyVal = value;
    return !value.isEmpty();
}

frmAbout::frmAbout(const QString& titolo, const QString& versioneDatabase, const Services& services,
                   QWidget* mainWindow)
    : QDialog(mainWindow), services_(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Informazioni su ") + titolo);
    setModal(true);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(aboutPicture());
    image->setAlignment(Qt::AlignTop);

    lblTitle_ = new QLabel(basic::UCase(titolo), this);
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);
    lblVersione_ = new QLabel(QStringLiteral("Versione: ") + TestoVersioneProgramma(), this);
    lblVersione_->setObjectName(QStringLiteral("lblVersione"));
    lblVersioneDatabase_ = new QLabel(QStringLiteral("Versione Database: ") + versioneDatabase, this);
    lblVersioneDatabase_->setObjectName(QStringLiteral("lblVersioneDatabase"));
    lblDisclaimer_ = new QLabel(kAvviso, this);
    lblDisclaimer_->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer_->setWordWrap(true);
    QFont small = lblDisclaimer_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    lblDisclaimer_->setFont(small);

    cmdOK_ = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdSysInfo_ = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle_);
    texts->addWidget(lblVersione_);
    texts->addWidget(lblVersioneDatabase_);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(image);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdSysInfo_);
    buttons->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer_, 1);
    bottom->addSpacing(12);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line(this, QStringLiteral("Line1_0")));
    layout->addLayout(bottom);
    layout->addWidget(line(this, QStringLiteral("Line1_1")));
    setFixedWidth(520);
    adjustSize();
    CentraForm(*this, mainWindow);
}

void frmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Again once the frame is known, so the framed window is the one centred.
    CentraForm(*this, parentWidget());
}

void frmAbout::StartSysInfo() {
    QString command;
    const bool configured = services_.settings &&
                            GetKeyValue(*services_.settings, QStringLiteral("Razudar"),
                                        QString::fromLatin1(kChiaveInformazioniSistema), command);
    // The command is started as it is written, without looking for the file first.
    if (configured && services_.starter && services_.starter->start(command)) return;
    if (services_.prompter) services_.prompter->show(kNonDisponibili, PromptButtons::Ok);
}

}  // namespace razudar
