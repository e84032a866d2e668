#include "app/windows/frm_modalita.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace razudar {

namespace {

QToolButton* toolbarButton(const QString& caption, QStyle::StandardPixmap icon, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setObjectName(caption);
    b->setCheckable(true);
    b->setAutoExclusive(false);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setMinimumSize(90, 64);
    return b;
}

}  // namespace

frmModalita::frmModalita(ModalitaLogic& logic, const QIcon& icon, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("frmModalita"));
    setWindowTitle(QStringLiteral("Modalità"));
    setWindowIcon(icon);
    setModal(true);

    server_ = toolbarButton(QStringLiteral("Server"), QStyle::SP_DriveHDIcon, this);
    client_ = toolbarButton(QStringLiteral("Client"), QStyle::SP_DriveNetIcon, this);
    lblNomeServer_ = new QLabel(QStringLiteral("Computer Server"), this);
    txtNomeServer_ = new QLineEdit(this);
    txtNomeServer_->setObjectName(QStringLiteral("txtNomeServer"));
    cmdConnetti_ = new QPushButton(QStringLiteral("&Connetti"), this);
    cmdConnetti_->setObjectName(QStringLiteral("cmdConnetti"));
    cmdConnetti_->setDefault(true);
    cmdEsci_ = new QPushButton(QStringLiteral("&Esci"), this);
    cmdEsci_->setObjectName(QStringLiteral("cmdEsci"));

    auto* toolbar = new QHBoxLayout;
    toolbar->addWidget(server_);
    toolbar->addWidget(client_);
    toolbar->addStretch();
    auto* name = new QHBoxLayout;
    name->addWidget(lblNomeServer_);
    name->addWidget(txtNomeServer_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdConnetti_);
    buttons->addWidget(cmdEsci_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolbar);
    layout->addLayout(name);
    layout->addLayout(buttons);
    setMinimumWidth(340);

    connect(server_, &QToolButton::clicked, this, [this] { click(ModalitaLogic::Server); });
    connect(client_, &QToolButton::clicked, this, [this] { click(ModalitaLogic::Client); });
    connect(cmdConnetti_, &QPushButton::clicked, this, &frmModalita::confirm);
    connect(cmdEsci_, &QPushButton::clicked, this, &QDialog::reject);

    logic_.load();
    txtNomeServer_->setText(logic_.storedServerName());
    reflect();
}

void frmModalita::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (painted_) return;
    painted_ = true;
    logic_.firstPaint();
    reflect();
}

void frmModalita::click(ModalitaLogic::Button button) {
    logic_.click(button);
    reflect();
}

void frmModalita::reflect() {
    server_->setChecked(logic_.pressed() == ModalitaLogic::Server);
    client_->setChecked(logic_.pressed() == ModalitaLogic::Client);
    lblNomeServer_->setEnabled(logic_.serverNameEnabled());
    txtNomeServer_->setEnabled(logic_.serverNameEnabled());
}

void frmModalita::confirm() {
    if (logic_.confirm(txtNomeServer_->text())) accept();
}

}  // namespace razudar
