// The main window's menu bar wired to the menu commands, and what the commands need of the
// window: the option check marks, the link and the session window.
#include <QAction>

#include "app/controls/tcp_proxy.h"
#include "app/faults/database_faults.h"
#include "app/program_state.h"
#include "app/startup/startup.h"
#include "app/windows/frm_about.h"
#include "app/windows/program_starter.h"
#include "data/database_access.h"
#include "platform/services/widget_services.h"
#include "app/windows/frm_grafica.h"
#include "tables/widgets/frm_selezione_sessione.h"

namespace razudar {

void frmGrafica::wireMenus() {
    menus_ = std::make_unique<MenuCommands>(state_, services_, *console_, *tcp_, *this);
    // Each command is one operator action: a database failure inside it is told in one box.
    const auto command = [this](QAction* item, std::function<void()> run) {
        connect(item, &QAction::triggered, this, [this, run = std::move(run)] {
            const DatabaseFaults::Action action(*faults_, FaultChannel::MessageBox);
            run();
        });
    };
    const auto group = [this, command](auto& items, GruppoOpzioni gruppo) {
        for (int i = 0; i < int(items.size()); ++i) {
            command(items[size_t(i)], [this, gruppo, i] { menus_->mnuOpzione_Click(gruppo, i); });
        }
    };
    group(mnuOpzioneNazionalita_, GruppoOpzioni::Nazionalita);
    group(mnuOpzioneNominativi_, GruppoOpzioni::Nominativi);
    group(mnuOpzioneRisultato_, GruppoOpzioni::Risultato);
    command(mnuRielabora_, [this] { menus_->mnuRielabora_Click(); });
    command(mnuSelezioneManche_, [this] { menus_->mnuSelezioneManche_Click(); });
    command(mnuAbout_, [this] {
        DetachedProgramStarter starter;
        const frmAbout::Services about{services_.prompter, services_.settings, &starter};
        // The box shows without the database version when the database cannot answer.
        QString versione = QStringLiteral("non disponibile");
        faults_->guard(QStringLiteral("leggere la versione del database"),
                       [&] { versione = VersioneDatabase(state_.startup.database); });
        frmAbout box(TitoloProgramma(), versione, about, this);
        runModal(services_.dialogs, box);
    });
}

tables::FrmSelezioneSessione& frmGrafica::selezioneSessione() {
    if (!sessionWindow_) {
        sessionWindow_ =
            new tables::FrmSelezioneSessione(state_.startup.database, services_, state_.startup.session, this);
    }
    return *sessionWindow_;
}

void frmGrafica::setOptionChecked(GruppoOpzioni gruppo, int index, bool checked) {
    QAction* action = nullptr;
    switch (gruppo) {
    case GruppoOpzioni::Nazionalita: action = mnuOpzioneNazionalita_.at(size_t(index)); break;
    case GruppoOpzioni::Nominativi: action = mnuOpzioneNominativi_.at(size_t(index)); break;
    case GruppoOpzioni::Risultato: action = mnuOpzioneRisultato_.at(size_t(index)); break;
    }
    if (action) action->setChecked(checked);
}

bool frmGrafica::scegliSessione() {
    tables::FrmSelezioneSessione& window = selezioneSessione();
    bool chosen = false;
    const bool opened = faults_->guard(QStringLiteral("aprire la selezione delle sessioni"),
                                       [&] { chosen = window.mostraModale(); });
    // A window that could not read its sessions is built again at the next opening.
    if (!opened || window.letturaNonRiuscita()) {
        sessionWindow_ = nullptr;
        window.deleteLater();
    }
    return chosen;
}

}  // namespace razudar
