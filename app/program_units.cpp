#include "app/program_units.h"

#include <QObject>

#include "app/console/console_refresh.h"
#include "app/controls/grafica_proxy.h"
#include "app/controls/stovak_proxy.h"
#include "app/controls/tcp_proxy.h"
#include "app/editors/free_text_editors.h"
#include "app/faults/database_faults.h"
#include "app/faults/turn_type_codes.h"
#include "app/link/link_dispatcher.h"
#include "app/menus/menu_commands.h"
#include "app/pages/on_air.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "data/monitor_loader.h"
#include "data/one_value_queries.h"

namespace razudar {

ProgramUnits::ProgramUnits(ProgramState& state, const Services& services,
                           std::function<void(const QString&)> statusNotice)
    : state_(state), services_(services), pageRouter_(std::make_unique<RoutedPageDispatcher>()) {
    db::LockWaits& lockWaits = *state_.startup.database.lockWaits;
    // The busy handler waits through the waiter service, so the waits are the program's own.
    if (Waiter* waiter = services_.waiter) lockWaits.setSleeper([waiter](int ms) { waiter->sleepMs(ms); });
    faults_ = std::make_unique<DatabaseFaults>(*services_.prompter, state_.log, std::move(statusNotice), &lockWaits);
    turnTypes_ = std::make_unique<TurnTypeCodes>(state_.startup.database, *faults_);
    reloader_ = std::make_unique<DatabaseMonitorSettingsReloader>(state_.monitor, state_.startup.database);
    reloader_->setFailureHandler([this](const db::DbError& e) {
        faults_->report(QStringLiteral("rileggere le impostazioni del monitor (restano le precedenti)"), e);
    });
}

ProgramUnits::~ProgramUnits() = default;

void ProgramUnits::attachControls(QObject* linkControl, QObject* listControl) {
    const auto sink = [this](const QString& text) { state_.log.line(text); };
    tcp_ = std::make_unique<controls::TcpProxy>(linkControl, sink);
    tcp_->applyDesignSettings();
    stovak_ = std::make_unique<controls::StovakProxy>(listControl, sink);
}

void ProgramUnits::assemble(const ProgramHosts& hosts) {
    console_ = std::make_unique<ConsoleRefresh>(state_, hosts.console, [this](qint32 id) { return turnTypes_->code(id); });
    dispatcher_ = std::make_unique<LinkDispatcher>(state_, services_, *tcp_, *pageRouter_, *console_, hosts.dispatcher,
                                                   hosts.parallelGap, *reloader_);
    menus_ = std::make_unique<MenuCommands>(state_, services_, *console_, *tcp_, hosts.menus);
    const auto report = [this](const QString& azione, const db::DbError& e) { faults_->report(azione, e); };
    menus_->setFaultReporter(report);
    dispatcher_->setFaultReporter(report);
    LinkDispatcher* dispatcher = dispatcher_.get();
    // Every event of the link and every tick of the run-time delay is one action of the status-bar
    // channel: one wait on a locked database, a failure told once, no box.
    const auto asAction = [this](const std::function<void()>& run) {
        const DatabaseFaults::Action action(*faults_, FaultChannel::StatusBar);
        run();
    };
    dispatcher->setTickAction(asAction);
    QObject::connect(tcp_.get(), &controls::TcpProxy::ConnessoEvent, dispatcher,
                     [asAction, dispatcher] { asAction([dispatcher] { dispatcher->onConnesso(); }); });
    QObject::connect(tcp_.get(), &controls::TcpProxy::ConnessioneChiusa, dispatcher,
                     [dispatcher] { dispatcher->onConnessioneChiusa(); });
    QObject::connect(tcp_.get(), &controls::TcpProxy::DatiArrivati, dispatcher, [asAction, dispatcher](const QString& text) {
        asAction([&] { dispatcher->onDatiArrivati(text); });
    });
    QObject::connect(tcp_.get(), &controls::TcpProxy::Errore, dispatcher,
                     [dispatcher](int number, const QString& description) { dispatcher->onErrore(number, description); });
}

void ProgramUnits::attachGraphics(controls::GraficaProxy& grafica, OnAirHost& host, SponsorLights& sponsors,
                                  QWidget* editorOwner) {
    pageContext_ = std::make_unique<PageContext>(state_, grafica, services_, host, sponsors);
    // A database that cannot answer is reported and gives the empty answer: the page shows without it.
    pageContext_->codiceTipoTurno = [this](qint32 id) { return turnTypes_->code(id); };
    pageContext_->testoLingua = [this](const QString& campo) {
        return faults_->readOr(QStringLiteral("leggere il testo %1 della gara").arg(campo), QString(), [&] {
            return TestoLingua(state_.startup.database.current(), state_.startup.session.SessioneGara, campo);
        });
    };
    pageContext_->classificaTempiSommati = [this](const QString& categoria) {
        return faults_->readOr(QStringLiteral("leggere la classifica a tempi sommati"), QList<qint16>(), [&] {
            return ClassificaTempiSommatiTurni(state_.startup.database.current(), state_.startup.session.SessioneGara,
                                               categoria);
        });
    };
    pageContext_->aggiornaClassificheInterfaccia = [this] { console_->AggiornaClassificheInterfaccia(); };
    pageContext_->airChanged = [this] { faults_->airChanged(); };
    PageContext* context = pageContext_.get();
    QObject::connect(&grafica, &controls::GraficaProxy::RicevutoMessaggio, &grafica,
                     [context](const QString& text) { context->ultimoMessaggioGrafica = text; });
    programPages_ = std::make_unique<MandaInOndaDispatcher>(*pageContext_);
    freeTextEditors_ = std::make_unique<FreeTextEditorWindows>(state_.startup.database, *services_.prompter, editorOwner,
                                                               services_.dialogs);
    programPages_->setFreeTextEditors(freeTextEditors_.get());
    pageRouter_->setTarget(programPages_.get());
}

FirstPaintSettings ProgramUnits::primoDisegno() {
    state_.OffsetTempoCorrere = 0;
    state_.race.Krono = std::make_shared<clsKrono>(*reloader_);
    dispatcher_->stopRunTimeDelay();
    for (CompetitorButtonView& b : console_->view().buttons) {
        b = CompetitorButtonView{};
        b.visible = true;
        b.sideVisible = true;
    }
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
