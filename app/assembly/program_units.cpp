#include "app/assembly/program_units.h"

#include <QObject>

#include "app/console/console_refresh.h"
#include "app/controls/grafica_proxy.h"
#include "app/controls/stovak_proxy.h"
#include "app/controls/tcp_proxy.h"
#include "app/faults/database_faults.h"
#include "app/faults/session_values.h"
#include "app/link/batch_settling.h"
#include "app/link/link_batch.h"
#include "app/link/link_dispatcher.h"
#include "app/menus/menu_commands.h"
#include "app/pages/on_air.h"
#include "app/pages/page_dispatcher.h"
#include "app/assembly/program_graphics.h"
#include "app/program_state.h"
#include "data/monitor_loader.h"

namespace razudar {

ProgramUnits::ProgramUnits(ProgramState& state, const Services& services,
                           std::function<void(const QString&)> statusNotice, const ProgramControls& controls,
                           const ProgramHosts& hosts)
    : state_(state), services_(services), pageRouter_(std::make_unique<RoutedPageDispatcher>()) {
    // Every box and wait of the units, and every synchronous send of the dispatcher and the menus,
    // lets the event loop run: it first settles the batch of an arrival being applied.
    const SettleBatch settle = [this] {
        if (batch_) batch_->settle();
    };
    if (services_.prompter) {
        prompter_ = std::make_unique<SettlingPrompter>(*services_.prompter, settle);
        services_.prompter = prompter_.get();
    }
    if (services_.waiter) {
        waiter_ = std::make_unique<SettlingWaiter>(*services_.waiter, settle);
        services_.waiter = waiter_.get();
    }
    db::LockWaits& lockWaits = *state_.startup.database.lockWaits;
    // The busy handler waits through the waiter service, so the waits are the program's own.
    if (Waiter* waiter = services_.waiter) lockWaits.setSleeper([waiter](int ms) { waiter->sleepMs(ms); });
    faults_ = std::make_unique<DatabaseFaults>(*services_.prompter, state_.log, std::move(statusNotice), &lockWaits);
    sessionValues_ = std::make_unique<SessionValues>(state_.startup.database, state_.startup.session, *faults_);
    reloader_ = std::make_unique<DatabaseMonitorSettingsReloader>(state_.monitor, state_.startup.database);
    reloader_->setFailureHandler([this](const db::DbError& e) {
        faults_->report(QStringLiteral("rileggere le impostazioni del monitor (restano le precedenti)"), e);
    });

    const auto sink = [this](const QString& text) { state_.log.line(text); };
    tcp_ = std::make_unique<controls::TcpProxy>(controls.link, sink);
    tcp_->applyDesignSettings();
    link_ = std::make_unique<SettlingLink>(*tcp_, settle);
    stovak_ = std::make_unique<controls::StovakProxy>(controls.list, sink);

    console_ = std::make_unique<ConsoleRefresh>(state_, hosts.console,
                                                [this](qint32 id) { return sessionValues_->turnTypeCode(id); });
    // The link's texts reach the console and the pages through the batch of their arrival.
    batch_ = std::make_unique<LinkBatch>(*console_, *pageRouter_);
    dispatcher_ = std::make_unique<LinkDispatcher>(state_, services_, *link_, *batch_, *batch_, hosts.dispatcher,
                                                   hosts.parallelGap, *reloader_);
    menus_ = std::make_unique<MenuCommands>(state_, services_, *console_, *link_, hosts.menus);
    const auto report = [this](const QString& azione, const db::DbError& e) { faults_->report(azione, e); };
    menus_->setFaultReporter(report);
    dispatcher_->setFaultReporter(report);
    // A race state received, a session chosen or the race rebuilt sets the session: what it
    // fixes is read then, never by a live message.
    const auto sessionSet = [this] { sessionValues_->reload(); };
    menus_->setSessionSetHook(sessionSet);
    dispatcher_->setSessionSetHook(sessionSet);
    connectLink();
}

ProgramUnits::~ProgramUnits() = default;

void ProgramUnits::connectLink() {
    LinkDispatcher* dispatcher = dispatcher_.get();
    // Every event of the link and every tick of the run-time delay is one action of the status-bar
    // channel: one wait on a locked database, a failure told once, no box. It is the live path:
    // what the session fixes comes from memory.
    const auto asAction = [this](const std::function<void()>& run) {
        const DatabaseFaults::Action action(*faults_, FaultChannel::StatusBar);
        const SessionValues::LivePath live(*sessionValues_);
        run();
    };
    dispatcher->setTickAction(asAction);
    QObject::connect(tcp_.get(), &controls::TcpProxy::ConnessoEvent, dispatcher,
                     [asAction, dispatcher] { asAction([dispatcher] { dispatcher->onConnesso(); }); });
    QObject::connect(tcp_.get(), &controls::TcpProxy::ConnessioneChiusa, dispatcher,
                     [dispatcher] { dispatcher->onConnessioneChiusa(); });
    // The texts that arrived together are applied first; the console is refreshed once after the
    // last of them, when the control tells (a control that does not tell refreshes after each).
    LinkBatch* batch = batch_.get();
    const bool batches = tcp_->tellsTextsDelivered();
    QObject::connect(tcp_.get(), &controls::TcpProxy::DatiArrivati, dispatcher,
                     [asAction, dispatcher, batch, batches](const QString& text) {
                         if (batches) batch->begin();
                         asAction([&] { dispatcher->onDatiArrivati(text); });
                     });
    QObject::connect(tcp_.get(), &controls::TcpProxy::TextsDelivered, dispatcher,
                     [asAction, batch] { asAction([batch] { batch->end(); }); });
    QObject::connect(tcp_.get(), &controls::TcpProxy::Errore, dispatcher,
                     [dispatcher](int number, const QString& description) { dispatcher->onErrore(number, description); });
}

// The operator's page requests go through the batch too: a click that runs while an arrival is
// being applied puts its page on air with the standings brought up to date.
ConsolePorts ProgramUnits::consolePorts() { return ConsolePorts{*console_, *faults_, *batch_, *stovak_, *this}; }

MenuPorts ProgramUnits::menuPorts() { return MenuPorts{*menus_, *faults_}; }

ProgramGraphics& ProgramUnits::attachGraphics(controls::GraficaProxy& grafica, OnAirHost& host, SponsorLights& sponsors,
                                              QWidget* editorOwner) {
    graphics_ = std::make_unique<ProgramGraphics>(state_, services_, *faults_, *sessionValues_, *console_, grafica,
                                                  host, sponsors, editorOwner);
    pageRouter_->setTarget(&graphics_->pages());
    return *graphics_;
}

void ProgramUnits::AlternaSponsor(int slot) {
    if (graphics_) graphics_->pages().onAir().AlternaSponsor(slot);
}

FirstPaintSettings ProgramUnits::primoDisegno() {
    state_.OffsetTempoCorrere = 0;
    state_.race.Krono = std::make_shared<clsKrono>(*reloader_);
    dispatcher_->stopRunTimeDelay();
    console_->showEmptyButtons();
    const FirstPaintSettings settings = faults_->readOr(QStringLiteral("leggere le opzioni della configurazione"),
                                                        FirstPaintSettings{}, [&] { return LeggiImpostazioniPrimoDisegno(state_); });
    if (settings.hasRow) tcp_->setServerRemoto(settings.serverRemoto);
    console_->AbilitaPulsantiPagina(false);
    return settings;
}

PageDispatcher& ProgramUnits::pageRouter() { return *pageRouter_; }

void ProgramUnits::setPageDispatcher(PageDispatcher& pages) { pageRouter_->setTarget(&pages); }

PageDispatcher& ProgramUnits::pageDispatcher() {
    return pageRouter_->target() ? *pageRouter_->target() : *pageRouter_;
}

}  // namespace razudar
