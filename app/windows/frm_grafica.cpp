#include "app/windows/frm_grafica.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include "app/assembly/control_loader.h"
#include "app/controls/grafica_proxy.h"
#include "app/faults/database_faults.h"
#include "app/pages/on_air.h"
#include "app/pages/page_dispatcher.h"
#include "app/assembly/program_graphics.h"
#include "app/program_state.h"
#include "app/assembly/program_units.h"
#include "app/windows/console_panel.h"
#include "app/windows/frm_anteprima_grafica.h"
#include "app/windows/frm_modalita.h"
#include "app/windows/notice_label.h"
#include "app/windows/program_menus.h"
#include "platform/services/widget_services.h"

namespace razudar {

namespace {
constexpr int kLinkPanelWidthPx = 180;
}  // namespace

frmGrafica::frmGrafica(ProgramState& state, const Services& services, const controls::ControlLoader& loader,
                       CurrentFolder& currentFolder, QWidget* parent)
    : QMainWindow(parent), state_(state), services_(services), loader_(loader), currentFolder_(currentFolder) {
    setObjectName(QStringLiteral("frmGrafica"));
    setWindowIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
}

frmGrafica::~frmGrafica() = default;

bool frmGrafica::load() {
    QString error;
    QWidget* link = loader_.create(controls::kBrandix, this, &error);
    QWidget* list = link ? loader_.create(controls::kStovak, this, &error) : nullptr;
    if (!link || !list) {
        services_.prompter->show(error + QStringLiteral("\r\rIl programma verrà terminato."), PromptButtons::Ok,
                                 PromptIcon::Critical);
        return false;
    }
    // The widgets first, then the units reporting to them, then each widget its ports.
    menus_ = new ProgramMenus(state_, services_, menuBar(), this);
    buildWidgets(link, list);
    buildStatusBar();
    units_ = std::make_unique<ProgramUnits>(
        state_, services_, [this](const QString& text) { showNotice(text, NoticeSource::Database); },
        ProgramControls{link, list}, ProgramHosts{*panel_, *menus_, *panel_, *menus_});
    units_->faults().setNoticeWithdrawal([this] { withdrawNotice(NoticeSource::Database); });
    // A refused race state stays told when the database answers again: the race it refused is
    // still not the one shown. The next race state applied ends it.
    units_->dispatcher().setNotice([this](const QString& text) { showNotice(text, NoticeSource::RaceState); });
    units_->dispatcher().setNoticeWithdrawal([this] { withdrawNotice(NoticeSource::RaceState); });
    panel_->attach(units_->consolePorts());
    menus_->attach(units_->menuPorts());
    connect(menus_->mnuEsci(), &QAction::triggered, this, &QWidget::close);
    connect(menus_->mnuGraficaVGA(), &QAction::triggered, this, &frmGrafica::mnuGraficaVGA_Click);
    connect(panel_, &ConsolePanel::statusMessage, this, &frmGrafica::showStatusMessage);
    panel_->applyConsole();
    resize(1180, 720);

    return AvvioProgramma(state_, services_, currentFolder_, *this);
}

void frmGrafica::buildWidgets(QWidget* linkControl, QWidget* listControl) {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    linkControl->setParent(central);
    linkControl->setObjectName(QStringLiteral("MirtTcpGet"));
    // Wider than the control's design width so that received texts and notices read in a few
    // lines; as tall as the column, the log taking what is left.
    linkControl->setFixedWidth(kLinkPanelWidthPx);
    linkControl->setMinimumHeight(linkControl->sizeHint().height());
    panel_ = new ConsolePanel(state_, listControl, central);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(linkControl, 1);
    auto* layout = new QHBoxLayout(central);
    layout->addLayout(leftColumn);
    layout->addWidget(panel_, 1);
}

void frmGrafica::buildStatusBar() {
    statusDatabase_ = new QLabel(this);
    statusDatabase_->setObjectName(QStringLiteral("Database"));
    statusComputer_ = new QLabel(this);
    statusComputer_->setObjectName(QStringLiteral("Computer"));
    statusNomePagina_ = new QLabel(this);
    statusNomePagina_->setObjectName(QStringLiteral("NomePagina"));
    statusBar()->addWidget(statusDatabase_, 1);
    statusBar()->addWidget(statusComputer_, 1);
    statusBar()->addWidget(statusNomePagina_, 2);
    // The notice takes the room left by the panels and wraps there: it is shown whole.
    statusAvvisi_ = new NoticeLabel(this);
    statusAvvisi_->setObjectName(QStringLiteral("Avvisi"));
    statusBar()->addPermanentWidget(statusAvvisi_, 3);
}

void frmGrafica::showStatusMessage(const QString& text, int timeoutMs) {
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text, timeoutMs);
}

void frmGrafica::showNotice(const QString& text, NoticeSource source) {
    if (!statusAvvisi_) return;
    statusAvvisi_->showNotice(services_.clock->now().toString(QStringLiteral("hh:mm:ss ")) + text, source);
}

void frmGrafica::withdrawNotice(NoticeSource source) {
    if (statusAvvisi_) statusAvvisi_->withdrawNotice(source);
}

// ---- StartupWindow ----

void frmGrafica::setCaption(const QString& caption) { setWindowTitle(caption); }

void frmGrafica::setStatusPanel(const QString& key, const QString& text) {
    if (key == QLatin1String("Database")) statusDatabase_->setText(text);
    if (key == QLatin1String("Computer")) statusComputer_->setText(text);
    if (key == QLatin1String("NomePagina")) statusNomePagina_->setText(text);
}

bool frmGrafica::showModeDialog() {
    ModalitaLogic logic(state_.startup.connection, *services_.settings, *services_.computerName, *services_.prompter);
    frmModalita dialog(logic, windowIcon(), this);
    return runModal(services_.dialogs, dialog);
}

controls::GraficaProxy* frmGrafica::loadPreviewWindow(QString* error) {
    QWidget* control = loader_.create(controls::kQuelvo, nullptr, error);
    if (!control) return nullptr;
    preview_ = new frmAnteprimaGrafica(control, services_, [this](const QString& text) { state_.log.line(text); }, this);
    preview_->load(this);
    ProgramGraphics& graphics = units_->attachGraphics(preview_->MirtGRA1(), *this, *panel_, this);
    connect(preview_, &frmAnteprimaGrafica::confermaGrafica, this, [this] { menus_->mnuGraficaVGA()->setChecked(false); });
    connect(preview_, &frmAnteprimaGrafica::notificaGrafica, this, [&graphics](const QString& oggetto, int evento) {
        graphics.pages().onAir().GestisciNotificaGrafica(oggetto, evento);
    });
    connect(preview_, &frmAnteprimaGrafica::closedByOperator, this, [this] {
        menus_->mnuGraficaVGA()->setChecked(false);
        AttivaAnteprimaVGA(false, preview_->MirtGRA1(), *preview_);
    });
    return &preview_->MirtGRA1();
}

void frmGrafica::mnuGraficaVGA_Click() {
    if (!preview_) return;
    AttivaAnteprimaVGA(menus_->mnuGraficaVGA()->isChecked(), preview_->MirtGRA1(), *preview_);
}

// ---- OnAirHost ----

bool frmGrafica::vgaPreviewChecked() const { return menus_ && menus_->mnuGraficaVGA()->isChecked(); }

void frmGrafica::graficaLocaleInOnda(const QString& nomePagina) {
    QMetaObject::invokeMethod(this, "basGrafica_GraficaLocaleInOnda", Q_ARG(QString, nomePagina));
}

// ---- first paint and shutdown ----

void frmGrafica::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (painted_) return;
    painted_ = true;
    // A window whose controls could not be created never shows its console.
    if (!units_) return;
    panel_->primoDisegno();
    menus_->primoDisegno(units_->primoDisegno());
}

void frmGrafica::closeEvent(QCloseEvent* event) {
    if (!units_) {
        event->accept();
        return;
    }
    const bool end = RichiestaChiusura(state_, *services_.prompter, units_->MirtTcpGet(), [this] {
        if (preview_) preview_->unload();
    });
    if (end) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace razudar
