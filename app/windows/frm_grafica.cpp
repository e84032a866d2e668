#include "app/windows/frm_grafica.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>

#include "app/controls/control_loader.h"
#include "app/controls/grafica_proxy.h"
#include "app/controls/stovak_proxy.h"
#include "app/controls/tcp_proxy.h"
#include "app/pages/on_air.h"
#include "app/editors/free_text_editors.h"
#include "app/faults/database_faults.h"
#include "app/faults/turn_type_codes.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "app/windows/frm_anteprima_grafica.h"
#include "app/windows/frm_modalita.h"
#include "app/windows/label_caption.h"
#include "data/one_value_queries.h"
#include "model/bas_utilita.h"
#include "platform/services/widget_services.h"

namespace razudar {

frmGrafica::frmGrafica(ProgramState& state, const Services& services, const controls::ControlLoader& loader,
                       CurrentFolder& currentFolder, QWidget* parent)
    : QMainWindow(parent), state_(state), services_(services), loader_(loader), currentFolder_(currentFolder),
      pageRouter_(std::make_unique<RoutedPageDispatcher>()) {
    setObjectName(QStringLiteral("frmGrafica"));
    setWindowIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
    faults_ = std::make_unique<DatabaseFaults>(*services_.prompter, state_.log, [this](const QString& text) {
        if (!statusAvvisi_) return;
        statusAvvisi_->setText(services_.clock->now().toString(QStringLiteral("hh:mm:ss ")) + text);
        statusAvvisi_->setToolTip(text);
    });
    turnTypes_ = std::make_unique<TurnTypeCodes>(state_.startup.database, *faults_);
    reloader_ = std::make_unique<DatabaseMonitorSettingsReloader>(state_.monitor, state_.startup.database);
    reloader_->setFailureHandler([this](const db::DbError& e) {
        faults_->report(QStringLiteral("rileggere le impostazioni del monitor (restano le precedenti)"), e);
    });
    console_ = std::make_unique<ConsoleRefresh>(state_, *this, [this](qint32 id) { return turnTypes_->code(id); });
}

frmGrafica::~frmGrafica() = default;

void frmGrafica::setPageDispatcher(PageDispatcher& pages) { pageRouter_->setTarget(&pages); }

PageDispatcher& frmGrafica::pageDispatcher() { return pageRouter_->target() ? *pageRouter_->target() : *pageRouter_; }

void frmGrafica::problem(const QString& text) { state_.log.line(text); }

bool frmGrafica::load() {
    QString error;
    QWidget* link = loader_.create(controls::kBrandix, this, &error);
    QWidget* list = link ? loader_.create(controls::kStovak, this, &error) : nullptr;
    if (!link || !list) {
        services_.prompter->show(error + QStringLiteral("\r\rIl programma verrà terminato."), PromptButtons::Ok,
                                 PromptIcon::Critical);
        return false;
    }
    const auto sink = [this](const QString& text) { problem(text); };
    tcp_ = std::make_unique<controls::TcpProxy>(link, sink);
    tcp_->applyDesignSettings();
    dispatcher_ = std::make_unique<LinkDispatcher>(state_, services_, *tcp_, *pageRouter_, *console_, *this, *reloader_);
    stovak_ = std::make_unique<controls::StovakProxy>(list, sink);
    connect(tcp_.get(), &controls::TcpProxy::ConnessoEvent, this, [this] { dispatcher_->onConnesso(); });
    connect(tcp_.get(), &controls::TcpProxy::ConnessioneChiusa, this, [this] { dispatcher_->onConnessioneChiusa(); });
    connect(tcp_.get(), &controls::TcpProxy::DatiArrivati, this, [this](const QString& text) {
        const DatabaseFaults::Action action(*faults_, FaultChannel::StatusBar);
        dispatcher_->onDatiArrivati(text);
    });
    connect(tcp_.get(), &controls::TcpProxy::Errore, this,
            [this](int number, const QString& description) { dispatcher_->onErrore(number, description); });

    buildMenus();
    buildWidgets(link, list);
    // The notice takes the room left by the panels and is cut there; its tooltip holds it whole.
    statusAvvisi_ = new QLabel(this);
    statusAvvisi_->setObjectName(QStringLiteral("Avvisi"));
    statusAvvisi_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addPermanentWidget(statusAvvisi_, 3);
    wireMenus();
    connect(mnuEsci_, &QAction::triggered, this, &QWidget::close);
    connect(mnuGraficaVGA_, &QAction::triggered, this, &frmGrafica::mnuGraficaVGA_Click);
    connect(mnuClassificaTempoCorrere_, &QAction::toggled, this,
            [this](bool on) { state_.ClassificaSuTempoCorrere = on; });
    connect(sstClassifiche_, &QTabBar::currentChanged, this, [this](int tab) {
        if (applying_) return;
        console_->setCurrentTab(tab);
        sstClassifiche_Click();
    });
    connect(txtSelezione_, &QLineEdit::textChanged, this, &frmGrafica::txtSelezione_Change);
    txtSelezione_->installEventFilter(this);
    connect(tdbCategorie_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!applying_) tdbCategorie_RowColChange(row);
    });
    connect(lstClassificaCategorie_, &QListWidget::itemClicked, this,
            [this] { lstClassificaCategorie_Click(lstClassificaCategorie_->currentRow()); });
    applyConsole();
    resize(1180, 720);

    return AvvioProgramma(state_, services_, currentFolder_, *this);
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
    preview_ = new frmAnteprimaGrafica(control, services_, [this](const QString& text) { problem(text); }, this);
    preview_->load(this);
    connect(preview_, &frmAnteprimaGrafica::confermaGrafica, this, [this] { mnuGraficaVGA_->setChecked(false); });
    pageContext_ = std::make_unique<PageContext>(state_, preview_->MirtGRA1(), services_, *this);
    // A database that cannot answer is reported and gives the empty text: the page shows without it.
    pageContext_->codiceTipoTurno = [this](qint32 id) { return turnTypes_->code(id); };
    pageContext_->testoLingua = [this](const QString& campo) {
        QString text;
        faults_->guard(QStringLiteral("leggere il testo %1 della gara").arg(campo), [&] {
            text = TestoLingua(state_.startup.database.current(), state_.startup.session.SessioneGara, campo);
        });
        return text;
    };
    pageContext_->classificaTempiSommati = [this](const QString& categoria) {
        QList<qint16> ranking;
        faults_->guard(QStringLiteral("leggere la classifica a tempi sommati"), [&] {
            ranking = ClassificaTempiSommatiTurni(state_.startup.database.current(),
                                                  state_.startup.session.SessioneGara, categoria);
        });
        return ranking;
    };
    pageContext_->aggiornaClassificheInterfaccia = [this] { console_->AggiornaClassificheInterfaccia(); };
    // The control's messages explain a page that does not load (its file, what was wrong).
    connect(control, SIGNAL(RicevutoMessaggio(QString)), this, SLOT(graficaMessaggio(QString)));
    programPages_ = std::make_unique<MandaInOndaDispatcher>(*pageContext_);
    freeTextEditors_ = std::make_unique<FreeTextEditorWindows>(state_.startup.database, *services_.prompter, this,
                                                               services_.dialogs);
    programPages_->setFreeTextEditors(freeTextEditors_.get());
    pageRouter_->setTarget(programPages_.get());
    connect(preview_, &frmAnteprimaGrafica::notificaGrafica, this,
            [this](const QString& oggetto, int evento) { programPages_->onAir().GestisciNotificaGrafica(oggetto, evento); });
    for (int i = 0; i < 2; ++i) {
        connect(cmdSponsor_[size_t(i)], &QPushButton::clicked, this, [this, i] { programPages_->onAir().AlternaSponsor(i); });
    }
    connect(preview_, &frmAnteprimaGrafica::closedByOperator, this, [this] {
        mnuGraficaVGA_->setChecked(false);
        AttivaAnteprimaVGA(false, preview_->MirtGRA1(), *preview_);
    });
    return &preview_->MirtGRA1();
}

void frmGrafica::graficaMessaggio(const QString& text) {
    if (pageContext_) pageContext_->ultimoMessaggioGrafica = text;
}

// ---- first paint and shutdown ----

void frmGrafica::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!painted_) {
        painted_ = true;
        firstPaint();
    }
}

void frmGrafica::firstPaint() {
    state_.OffsetTempoCorrere = 0;
    state_.race.Krono = std::make_shared<clsKrono>(*reloader_);
    dispatcher_->stopRunTimeDelay();
    fraClassifica_->setPalette(QApplication::palette());
    for (CompetitorButtonView& b : console_->view().buttons) {
        b = CompetitorButtonView{};
        b.visible = true;
        b.sideVisible = true;
    }
    FirstPaintSettings settings;
    faults_->guard(QStringLiteral("leggere le opzioni della configurazione"),
                   [&] { settings = LeggiImpostazioniPrimoDisegno(state_); });
    if (settings.hasRow) {
        const auto check = [](auto& items, int index) {
            if (index >= 0 && index < int(items.size())) items[size_t(index)]->setChecked(true);
        };
        check(mnuOpzioneNazionalita_, settings.nazionalita);
        check(mnuOpzioneNominativi_, settings.nominativi);
        check(mnuOpzioneRisultato_, settings.risultato);
        tcp_->setServerRemoto(settings.serverRemoto);
    }
    console_->AbilitaPulsantiPagina(false);
    mnuRielabora_->setEnabled(false);
}

void frmGrafica::closeEvent(QCloseEvent* event) {
    const bool end = RichiestaChiusura(state_, *services_.prompter, *tcp_, [this] {
        if (preview_) preview_->unload();
    });
    if (end) {
        event->accept();
    } else {
        event->ignore();
    }
}

// ---- console ----

void frmGrafica::setRielaboraEnabled(bool enabled) { mnuRielabora_->setEnabled(enabled); }

void frmGrafica::AggiornaDistaccoParallelo(bool mostra) {
    state_.DistaccoParalleloVisibile = chkDistaccoParallelo_->isChecked();
    if (mostra) pageRouter_->MandaInOnda(kCodiceDistaccoParallelo);
}

void frmGrafica::consoleChanged() { applyConsole(); }

void frmGrafica::applyConsole() {
    // Showing the console is no operator action: no handler runs while the widgets follow it.
    applying_ = true;
    const ConsoleState& v = console_->view();
    if (!v.caption.isEmpty()) setWindowTitle(v.caption);
    {
        const QSignalBlocker block(sstClassifiche_);
        for (int i = 0; i < kClassificationTabs; ++i) sstClassifiche_->setTabEnabled(i, v.tabEnabled[size_t(i)]);
        sstClassifiche_->setCurrentIndex(v.currentTab);
    }
    if (lstClassificaCategorie_->count() != v.categoryLines.size() ||
        [&] {
            for (int i = 0; i < v.categoryLines.size(); ++i)
                if (lstClassificaCategorie_->item(i)->text() != v.categoryLines[i]) return true;
            return false;
        }()) {
        const QSignalBlocker block(lstClassificaCategorie_);
        lstClassificaCategorie_->clear();
        lstClassificaCategorie_->addItems(v.categoryLines);
    }
    showCategoryGrid(v);
    for (int i = 0; i < kCompetitorButtons; ++i) {
        const CompetitorButtonView& b = v.buttons[size_t(i)];
        QPushButton* button = cmdConcorrente_[size_t(i)];
        QPushButton* side = cmdConcorrenteP_[size_t(i)];
        button->setText(b.caption);
        button->setProperty("tag", b.tag);
        button->setToolTip(b.toolTip);
        QFont f = button->font();
        f.setPointSize(b.fontSize);
        f.setBold(true);
        button->setFont(f);
        button->setStyleSheet(b.highlighted ? QStringLiteral("background-color: #FFFF00;") : QString());
        button->setEnabled(b.enabled);
        button->setVisible(b.visible);
        side->setText(b.sideCaption);
        side->setEnabled(b.sideEnabled);
        side->setVisible(b.sideVisible);
    }
    fraTempoCorrere_->setVisible(v.tempoCorrereVisible);
    fraParallelo_->setVisible(v.paralleloVisible);
    chkDistaccoParallelo_->setEnabled(v.distaccoParalleloEnabled);
    for (QPushButton* s : cmdSponsor_) s->setEnabled(v.sponsorEnabled);
    for (auto it = v.pageEnabled.constBegin(); it != v.pageEnabled.constEnd(); ++it) {
        if (QAbstractButton* b = cmdPagina_->button(it.key())) b->setEnabled(it.value());
    }
    for (auto it = v.pageCaption.constBegin(); it != v.pageCaption.constEnd(); ++it) {
        if (QAbstractButton* b = cmdPagina_->button(it.key())) b->setText(it.value());
    }
    applying_ = false;
}

void frmGrafica::mnuGraficaVGA_Click() {
    if (!preview_) return;
    AttivaAnteprimaVGA(mnuGraficaVGA_->isChecked(), preview_->MirtGRA1(), *preview_);
}

// ---- OnAirHost ----

bool frmGrafica::vgaPreviewChecked() const { return mnuGraficaVGA_ && mnuGraficaVGA_->isChecked(); }

bool frmGrafica::sponsorLit(int slot) const { return cmdSponsor_[size_t(slot)]->property("lit").toBool(); }

void frmGrafica::setSponsorLit(int slot, bool lit) {
    QPushButton* b = cmdSponsor_[size_t(slot)];
    b->setProperty("lit", lit);
    // Lit: pure red; unlit: the button face.
    b->setStyleSheet(lit ? QStringLiteral("background-color: #FF0000;") : QString());
    b->repaint();
}

void frmGrafica::graficaLocaleInOnda(const QString& nomePagina) {
    QMetaObject::invokeMethod(this, "basGrafica_GraficaLocaleInOnda", Q_ARG(QString, nomePagina));
}

}  // namespace razudar
