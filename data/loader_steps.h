#pragma once
// The steps of the race loader (KronoDaDatabase), each reading its queries into the new race
// state. Every step runs on the database it is given and never writes to it; an engine error
// (db::DbError) or a stored value that cannot go where it must (StoredValueError: an id outside
// the 16-bit range, a point slot outside 0..11, a run outside 0..50) stops the load.
#include <QString>
#include <QtGlobal>

#include <memory>

#include "platform/db/database.h"

namespace razudar {

class clsKrono;
class clsRisultati;

class RaceLoader {
public:
    RaceLoader(const db::Database& database, clsKrono& krono, qint16 Gara, const QString& TipoTurno,
               qint16 Manche)
        : db_(database), k_(krono), gara_(Gara), tipoTurno_(TipoTurno), manche_(Manche) {}

    void loadSessionHeader();        // turn, run, heat, round, descriptions, session state
    void loadRaceRecord();           // the Gare row into cGara
    void loadDetectionPoints();      // QPuntiRilevamento into the 12 point slots
    void loadCategories();           // Categorie, then the monitor's category
    void loadCompetitors();          // QConcorrenti with their categories
    void loadStartList();            // QOrdinePartenza, then the heat pairs of a parallel turn
    void loadResults();              // open states, then the stored results
    void loadPenalties();            // shooting penalties (biathlon only)
    void loadIntermediateTimes();     // non-zero intermediate times
    void loadStateAbbreviations();   // the race language's state abbreviations

private:
    // The result object of a registered competitor's run, or of a detached competitor (whose
    // values are lost) for an unregistered id. A run outside 0..50 raises, naming runField.
    // Consecutive rows of one competitor's run reuse the object found last.
    clsRisultati& resultOf(qint16 competitor, qint16 run, const QString& runField);

    const db::Database& db_;
    clsKrono& k_;
    const qint16 gara_;
    const QString tipoTurno_;
    const qint16 manche_;
    qint16 lastCompetitor_ = 0;
    qint16 lastRun_ = -1;
    std::shared_ptr<clsRisultati> lastResult_;
};

}  // namespace razudar
