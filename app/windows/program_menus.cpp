#include "app/windows/program_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/faults/database_faults.h"
#include "app/program_state.h"
#include "app/startup/startup.h"
#include "app/windows/frm_about.h"
#include "app/windows/program_starter.h"
#include "data/database_access.h"
#include "platform/services/widget_services.h"
#include "tables/widgets/frm_selezione_sessione.h"

namespace razudar {

namespace {

QAction* item(QMenu* menu, const QString& caption, const char* name, bool checkable = false) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(checkable);
    return a;
}

template <size_t N>
void radioGroup(QMenu* menu, std::array<QAction*, N>& items, const std::array<const char*, N>& captions,
                const char* name) {
    auto* group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (size_t i = 0; i < N; ++i) {
        items[i] = item(menu, QString::fromUtf8(captions[i]), name, true);
        items[i]->setData(int(i));
        group->addAction(items[i]);
    }
}

}  // namespace

ProgramMenus::ProgramMenus(ProgramState& state, const Services& services, QMenuBar* bar, QWidget* owner)
    : QObject(owner), state_(state), services_(services), owner_(owner) {
    build(bar);
}

void ProgramMenus::build(QMenuBar* bar) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuEsci_ = item(file, QStringLiteral("&Esci"), "mnuEsci");

    QMenu* strumenti = bar->addMenu(QStringLiteral("&Strumenti"));
    strumenti->setObjectName(QStringLiteral("mnuStrumenti"));
    mnuRielabora_ = item(strumenti, QStringLiteral("&Rielabora Tempo Reale"), "mnuRielabora");
    mnuSelezioneManche_ = item(strumenti, QStringLiteral("&Selezione Manche"), "mnuSelezioneManche");
    QMenu* opzioni = strumenti->addMenu(QStringLiteral("&Opzioni"));
    opzioni->setObjectName(QStringLiteral("mnuOpzioni"));
    QMenu* nazionalita = opzioni->addMenu(QStringLiteral("&Nazionalita"));
    nazionalita->setObjectName(QStringLiteral("mnuNazionalita"));
    radioGroup<4>(nazionalita, mnuOpzioneNazionalita_,
                  {"Usa &Testo", "Usa &Immagine", "&Ometti", "Usa Testo ed Immagine"}, "mnuOpzioneNazionalita");
    QMenu* nominativi = opzioni->addMenu(QStringLiteral("N&ominativi"));
    nominativi->setObjectName(QStringLiteral("mnuNominativi"));
    radioGroup<3>(nominativi, mnuOpzioneNominativi_, {"Tutto &Maiuscolo", "Mai&uscolo e Minuscolo", "&Invariato"},
                  "mnuOpzioneNominativi");
    QMenu* risultato = opzioni->addMenu(QStringLiteral("&Risultato"));
    risultato->setObjectName(QStringLiteral("mnuRisultato"));
    radioGroup<2>(risultato, mnuOpzioneRisultato_, {"&Tempo", "&Distacco"}, "mnuOpzioneRisultato");
    mnuClassificaTempoCorrere_ =
        item(opzioni, QStringLiteral("&Classifica su Tempo a Correre"), "mnuClassificaTempoCorrere", true);
    mnuGraficaVGA_ = item(opzioni, QStringLiteral("&Razudar su VGA"), "mnuGraficaVGA", true);
    mnuMostraTV_ = item(opzioni, QStringLiteral("&Mostra TV"), "mnuMostraTV", true);

    mnuAbout_ = bar->addAction(QStringLiteral("&?"));
    mnuAbout_->setObjectName(QStringLiteral("mnuAbout"));
}

void ProgramMenus::attach(const MenuPorts& ports) {
    ports_.emplace(ports);
    // Each command is one operator action: a database failure inside it is told in one box.
    const auto command = [this](QAction* item, std::function<void()> run) {
        connect(item, &QAction::triggered, this, [this, run = std::move(run)] {
            const DatabaseFaults::Action action(ports_->faults, FaultChannel::MessageBox);
            run();
        });
    };
    const auto group = [this, command](auto& items, GruppoOpzioni gruppo) {
        for (int i = 0; i < int(items.size()); ++i) {
            command(items[size_t(i)], [this, gruppo, i] { ports_->commands.mnuOpzione_Click(gruppo, i); });
        }
    };
    group(mnuOpzioneNazionalita_, GruppoOpzioni::Nazionalita);
    group(mnuOpzioneNominativi_, GruppoOpzioni::Nominativi);
    group(mnuOpzioneRisultato_, GruppoOpzioni::Risultato);
    command(mnuRielabora_, [this] { ports_->commands.mnuRielabora_Click(); });
    command(mnuSelezioneManche_, [this] { ports_->commands.mnuSelezioneManche_Click(); });
    command(mnuAbout_, [this] { showAbout(); });
    connect(mnuClassificaTempoCorrere_, &QAction::toggled, this,
            [this](bool on) { ports_->commands.mnuClassificaTempoCorrere_Click(on); });
}

void ProgramMenus::showAbout() {
    const Services& services = services_;
    DetachedProgramStarter starter;
    const frmAbout::Services about{services.prompter, services.settings, &starter};
    // The box shows without the database version when the database cannot answer.
    const QString versione = ports_->faults.readOr(QStringLiteral("leggere la versione del database"),
                                                    QStringLiteral("non disponibile"),
                                                    [&] { return VersioneDatabase(state_.startup.database); });
    // The version has its own label: the caption and the title carry the application title only.
    frmAbout box(TitoloApplicazione(), versione, about, owner_);
    runModal(services.dialogs, box);
}

void ProgramMenus::primoDisegno(const FirstPaintSettings& settings) {
    if (settings.hasRow) {
        const auto check = [](auto& items, int index) {
            if (index >= 0 && index < int(items.size())) items[size_t(index)]->setChecked(true);
        };
        check(mnuOpzioneNazionalita_, settings.nazionalita);
        check(mnuOpzioneNominativi_, settings.nominativi);
        check(mnuOpzioneRisultato_, settings.risultato);
    }
    mnuRielabora_->setEnabled(false);
}

tables::FrmSelezioneSessione& ProgramMenus::selezioneSessione() {
    if (!sessionWindow_) {
        sessionWindow_ = new tables::FrmSelezioneSessione(state_.startup.database, services_,
                                                          state_.startup.session, owner_);
        // Its failed reads are told as the command's: once, and in the log.
        sessionWindow_->setFaultReporter(
            [this](const QString& azione, const db::DbError& e) { ports_->faults.report(azione, e); });
    }
    return *sessionWindow_;
}

void ProgramMenus::setOptionChecked(GruppoOpzioni gruppo, int index, bool checked) {
    QAction* action = nullptr;
    switch (gruppo) {
    case GruppoOpzioni::Nazionalita: action = mnuOpzioneNazionalita_.at(size_t(index)); break;
    case GruppoOpzioni::Nominativi: action = mnuOpzioneNominativi_.at(size_t(index)); break;
    case GruppoOpzioni::Risultato: action = mnuOpzioneRisultato_.at(size_t(index)); break;
    }
    if (action) action->setChecked(checked);
}

bool ProgramMenus::scegliSessione() {
    tables::FrmSelezioneSessione& window = selezioneSessione();
    bool chosen = false;
    const bool opened = ports_->faults.guard(QStringLiteral("aprire la selezione delle sessioni"),
                                              [&] { chosen = window.mostraModale(); });
    // A window that could not read its sessions is built again at the next opening.
    if (!opened || window.letturaNonRiuscita()) {
        sessionWindow_ = nullptr;
        window.deleteLater();
    }
    return chosen;
}

void ProgramMenus::setRielaboraEnabled(bool enabled) { mnuRielabora_->setEnabled(enabled); }

}  // namespace razudar
