#include "app/startup/startup.h"

#include "app/controls/grafica_proxy.h"
#include "app/controls/tcp_proxy.h"
#include "app/program_state.h"
#include "app/resources/graphics_resources.h"
#include "data/active_session.h"
#include "data/base_folder.h"
#include "data/configuration.h"
#include "data/database_access.h"
#include "data/program_end.h"
#include "model/bas_utilita.h"
#include "model/basic.h"
#include "platform/db/db_error.h"

namespace razudar {

namespace {

const QString kPanelDatabase = QStringLiteral("Database");
const QString kPanelComputer = QStringLiteral("Computer");

// A race number kept outside the 16-bit range cannot be a race: the operator is told, and the
// start-up goes on without it.
void checkStoredRace(const QVariant& value, const QString& where, Prompter& prompter) {
    if (value.isNull()) return;
    const std::optional<double> number = basic::numberOf(value);
    if (number && !basic::fitsInteger(basic::roundHalfEven(*number))) {
        prompter.show(QStringLiteral("La gara attiva memorizzata in ") + where + QStringLiteral(" (") +
                          value.toString().trimmed() + QStringLiteral(") non è valida e viene ignorata."),
                      PromptButtons::Ok, PromptIcon::Exclamation);
    }
}

void prepareFolders(ProgramState& state, const QString& base, Prompter& prompter) {
    state.CartellaExport = base + QStringLiteral("Export/");
    state.CartellaTempOut = base + QStringLiteral("TempOut/");
    CreaCartella(state.CartellaTempOut, prompter);
    CancellaFile(state.CartellaTempOut + QStringLiteral("*"));
    CreaCartella(state.CartellaExport, prompter);
}

}  // namespace

QString TitoloApplicazione() { return QStringLiteral("Razudar (Zez)"); }
QString TitoloProgramma() { return TitoloApplicazione() + QLatin1Char(' ') + TestoVersioneProgramma(); }
QString TitoloSenzaGara() { return TitoloProgramma() + QStringLiteral(" - Nessuna Manifestazione Attiva"); }

bool AvvioProgramma(ProgramState& state, const Services& services, CurrentFolder& currentFolder,
                    StartupWindow& window) {
    Prompter& prompter = *services.prompter;
    try {
        state.bChiudiSenzaConferma = 0;
        state.IndicePulsanteConcorrente = -1;
        window.setCaption(TitoloProgramma());

        beginStartup(state.startup, *services.settings);
        fillDatabasePath(state.startup, currentFolder, prompter, false);
        if (!window.showModeDialog()) return false;

        ConnectionSettings& connection = state.startup.connection;
        fillDatabasePath(state.startup, currentFolder, prompter, true);
        if (connection.ModalitaConnessione == kModalitaClient) {
            window.setStatusPanel(kPanelDatabase, QStringLiteral("Database su ") + connection.NomeComputerServer);
        }
        window.setStatusPanel(kPanelComputer, connection.NomeComputerLocale);

        const FolderContext context{connection, currentFolder, prompter};
        prepareFolders(state, CartellaBase(connection.ModalitaConnessione, context), prompter);

        checkStoredRace(services.settings->value(QStringLiteral("Razudar (Zez)"), QStringLiteral("Suggeritore"),
                                                 QStringLiteral("GaraAttiva")),
                        QStringLiteral("Suggeritore"), prompter);
        startRaceDatabase(state.startup.database, connection, state.startup.session, services);
        if (const std::optional<QVariant> gara = configurationActiveRace(state.startup.database.current())) {
            checkStoredRace(*gara, QStringLiteral("Configurazione"), prompter);
        }

        state.CategoriaSelezionata = clsConcorrente::kAllCategories;
        if (!CambioGara(state, state.startup.session.SessioneGara)) window.setCaption(TitoloSenzaGara());

        QString error;
        controls::GraficaProxy* gra = window.loadPreviewWindow(&error);
        if (!gra) {
            prompter.show(error, PromptButtons::Ok, PromptIcon::Critical);
            return false;
        }
        if (!gra->Inizializza()) {
            prompter.show(QStringLiteral("Inizializzazione della scheda grafica non riuscita.\r\rIl programma verrà "
                                         "terminato."),
                          PromptButtons::Ok, PromptIcon::Critical);
            return false;
        }
        if (!CaricaRisorseGrafiche(state, *gra, prompter, CartellaBase(kModalitaServer, context))) {
            prompter.show(QStringLiteral("ERRORE di Caricamento degli SMB"));
            return false;
        }
        CaricaOpzioniGrafica(state);
        return true;
    } catch (const ProgramEndRequested& e) {
        state.log.line(QStringLiteral("Avvio interrotto: ") + e.reason());
        return false;
    } catch (const db::DbError& e) {
        prompter.show(databaseErrorText(e) +
                          QStringLiteral("\r\rIl programma verrà terminato."),
                      PromptButtons::Ok, PromptIcon::Critical);
        return false;
    }
}

bool CambioGara(ProgramState& state, qint16 gara) {
    db::Recordset rs = state.startup.database.current().openRecordset(
        QStringLiteral("SELECT * FROM Gare WHERE ga_Gara = ?"), {gara});
    if (!rs.eof() && gara >= 1) {
        state.startup.session.SessioneGara = ValoreIntero(rs.value(QStringLiteral("ga_Gara")), -1);
        return true;
    }
    state.startup.session.SessioneGara = -1;
    return false;
}

void CaricaOpzioniGrafica(ProgramState& state) {
    const std::optional<DisplayOptions> options = configurationDisplayOptions(state.startup.database.current());
    if (!options) return;
    state.OpzioneNazionalita = options->nazionalita;
    state.OpzioneNominativi = options->nominativi;
    state.OpzioneRisultato = options->risultato;
}

FirstPaintSettings LeggiImpostazioniPrimoDisegno(const ProgramState& state) {
    return configurationFirstPaint(state.startup.database.current());
}

bool RichiestaChiusura(ProgramState& state, Prompter& prompter, controls::TcpProxy& link,
                       const std::function<void()>& unloadPreview) {
    if (state.bChiudiSenzaConferma != 0) return true;
    if (prompter.show(QStringLiteral("Uscire dal Programma?"), PromptButtons::YesNo, PromptIcon::Question) !=
        PromptAnswer::Yes) {
        return false;
    }
    if (link.Connesso()) link.Disconnetti();
    link.setServerRemoto(QString());
    if (unloadPreview) unloadPreview();
    return true;
}

}  // namespace razudar
