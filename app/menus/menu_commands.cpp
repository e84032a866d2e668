#include "app/menus/menu_commands.h"

#include "app/console/console_refresh.h"
#include "app/controls/link_control.h"
#include "app/link/link_messages.h"
#include "app/program_state.h"
#include "app/startup/startup.h"
#include "data/active_session.h"
#include "data/database_access.h"
#include "data/database_fault_text.h"
#include "data/krono_da_database.h"
#include "platform/db/db_error.h"
#include "platform/services/services.h"

namespace razudar {

namespace {

qint16 valoreOpzione(const ProgramState& state, GruppoOpzioni gruppo) {
    switch (gruppo) {
    case GruppoOpzioni::Nazionalita: return state.OpzioneNazionalita;
    case GruppoOpzioni::Nominativi: return state.OpzioneNominativi;
    case GruppoOpzioni::Risultato: return state.OpzioneRisultato;
    }
    return 0;
}

void impostaOpzione(ProgramState& state, GruppoOpzioni gruppo, qint16 value) {
    switch (gruppo) {
    case GruppoOpzioni::Nazionalita: state.OpzioneNazionalita = value; break;
    case GruppoOpzioni::Nominativi: state.OpzioneNominativi = value; break;
    case GruppoOpzioni::Risultato: state.OpzioneRisultato = value; break;
    }
}


}  // namespace

int numeroVociGruppo(GruppoOpzioni gruppo) {
    switch (gruppo) {
    case GruppoOpzioni::Nazionalita: return 4;
    case GruppoOpzioni::Nominativi: return 3;
    case GruppoOpzioni::Risultato: return 2;
    }
    return 0;
}

MenuCommands::MenuCommands(ProgramState& state, const Services& services, ConsoleUpdates& console,
                           controls::LinkControl& link, MenuHost& host)
    : state_(state), services_(services), console_(console), link_(link), host_(host) {}

void MenuCommands::tell(const QString& azione, const db::DbError& e) {
    if (reportFault_) {
        reportFault_(azione, e);
        return;
    }
    services_.prompter->show(testoErroreDatabase(azione, e), PromptButtons::Ok, PromptIcon::Critical);
}

void MenuCommands::DeselezionaOpzioni(GruppoOpzioni gruppo, int indice) {
    if (indice == -1) return;
    for (int i = 0; i < numeroVociGruppo(gruppo); ++i) {
        if (i != indice) host_.setOptionChecked(gruppo, i, false);
    }
}

void MenuCommands::mnuOpzione_Click(GruppoOpzioni gruppo, int Index) {
    if (Index < 0 || Index >= numeroVociGruppo(gruppo)) return;
    host_.setOptionChecked(gruppo, Index, true);
    DeselezionaOpzioni(gruppo, Index);
    try {
        storeDisplayOption(state_.startup.database.current(), gruppo, Index);
        try {
            CaricaOpzioniGrafica(state_);
        } catch (const db::DbError& e) {
            // Stored but not read back: the globals follow what was stored.
            impostaOpzione(state_, gruppo, qint16(Index));
            tell(QStringLiteral("rileggere le opzioni di visualizzazione"), e);
        }
    } catch (const db::DbError& e) {
        // The option stays as stored: its item is checked again and the operator told why.
        tell(QStringLiteral("registrare l'opzione di visualizzazione"), e);
    }
    const int stored = valoreOpzione(state_, gruppo);
    if (stored != Index && stored >= 0 && stored < numeroVociGruppo(gruppo)) {
        host_.setOptionChecked(gruppo, stored, true);
        DeselezionaOpzioni(gruppo, stored);
    }
}

bool MenuCommands::rielaboraDaDatabase() {
    const SessionKey& s = state_.startup.session;
    KronoDaDatabaseResult result = KronoDaDatabase(state_.startup.database, state_.monitor, *services_.clock,
                                                   s.SessioneGara, s.SessioneTipoTurno, s.SessioneManche);
    if (!result) {
        // The race state on air stays as it was.
        const QString text = QStringLiteral("Impossibile ricostruire la gara dal database: ") + result.error;
        state_.log.line(text);
        services_.prompter->show(text, PromptButtons::Ok, PromptIcon::Critical);
        return false;
    }
    state_.race.Krono = std::move(result.krono);
    if (sessionSet_) sessionSet_();
    console_.AggiornaClassificheInterfaccia();
    return true;
}

void MenuCommands::mnuClassificaTempoCorrere_Click(bool checked) { state_.ClassificaSuTempoCorrere = checked; }

void MenuCommands::mnuRielabora_Click() {
    const BusyGuard busy(services_.busy);
    if (link_.Connesso()) {
        // The race state is replaced when the answer arrives.
        link_.InviaTesto(ComponiMessaggio(QString::fromUtf16(kRichiestaClasse)), true);
        return;
    }
    rielaboraDaDatabase();
}

bool MenuCommands::mnuSelezioneManche_Click() {
    if (!host_.scegliSessione()) return false;
    CaricaSessioneAttiva(state_.startup.session, *services_.settings);
    // The link goes first: the chosen session is then built from the database, not asked of a
    // timekeeping application that would answer with its own session.
    if (link_.Connesso()) link_.Disconnetti();
    bool built = false;
    {
        const BusyGuard busy(services_.busy);
        built = rielaboraDaDatabase();
    }
    console_.AbilitaPulsantiPagina(true);
    return built;
}

}  // namespace razudar
