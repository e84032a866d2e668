#pragma once
// The globals of the main window and its units, in one object owned by the program (tests build
// fresh ones). The database, connection and session globals are the data library's start-up
// globals; the race state is replaced whole by the link dispatcher and the rebuild.
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

#include "data/monitor_settings.h"
#include "data/startup_database.h"
#include "app/program_log.h"
#include "model/race_state.h"

namespace razudar {

// The graphics folders and the rows per screen of the three list pages, fixed at start-up.
struct GraphicsResources {
    QString CartellaGrafica;
    QString CartellaLoghi;
    QString CartellaNazionalita;
    QString CartellaMiniature;
    QString CartellaSpecialita;
    QString CartellaSponsor;
    qint16 RigheClassifica = 0;
    qint16 RigheClassificaBassa = 0;
    qint16 RighePartenti = 0;
};

// The page recorded on air on a graphics layer (the page-on-air layer fills it in). An empty
// name means nothing is on air.
struct OnAirRecord {
    QString NomePagina;
    QString NomeTemplate;
    qint32 AreaOccupazione = 0;
    // The competitor a running-clock page was started for (slid in), -1 for none; a page
    // recorded anew starts without one.
    qint16 competitorStarted = -1;

    // The record holds page `nomePagina` (case and surrounding spaces ignored).
    bool mostra(const QString& nomePagina) const {
        return !NomePagina.isEmpty() && NomePagina.trimmed().compare(nomePagina.trimmed(), Qt::CaseInsensitive) == 0;
    }
};

struct ProgramState {
    StartupGlobals startup;  // mode, computer names, database slots, active session
    MonitorState monitor;    // ImpostazioniMonitor
    RaceState race;          // Krono

    QString CartellaExport;
    QString CartellaTempOut;
    GraphicsResources resources;
    OnAirRecord PaginaInOnda;         // layer 0: the page on air
    OnAirRecord PaginaInOndaLivello1;  // layer 1: never written by this program

    // The list on air: its screen number and the page code that put it on air.
    qint16 PaginaElencoCorrente = 1;
    qint16 UltimoCodiceElenco = 0;

    // Operator selection: the operator changes it through the console unit; who else writes
    // which field is listed over ConsoleRefresh (app/console/console_refresh.h).
    QString CategoriaSelezionata = clsConcorrente::kAllCategories;
    qint16 ConcorrenteSelezionato = -1;
    qint16 SfidaSelezionata = 0;
    QString SplitMostrato;
    qint16 IndicePulsanteConcorrente = -1;
    bool ClassificaTCVisibile = false;
    bool NominativoTCVisibile = false;
    bool DistaccoParalleloVisibile = false;
    bool ClassificaSuTempoCorrere = false;

    // Correction added to the running clock's start value, milliseconds.
    qint32 OffsetTempoCorrere = 0;

    // Display options of the configuration.
    qint16 OpzioneNazionalita = 0;
    qint16 OpzioneNominativi = 0;
    qint16 OpzioneRisultato = 0;

    // When non-zero a close request ends the program at once, without asking.
    qint32 bChiudiSenzaConferma = 0;

    ProgramLog log;

    clsKrono& krono() { return *race.Krono; }
    const clsKrono& krono() const { return *race.Krono; }
};

}  // namespace razudar
