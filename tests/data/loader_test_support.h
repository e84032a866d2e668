#pragma once
// Race databases for the tests of the one-value queries and the race loader: a fresh file from
// the schema (or with the demo data) in a temporary folder, opened on slot 1 as the program
// opens it, with helpers to add rows.
#include <QTemporaryDir>
#include <QVariantList>

#include "assets/database_builder.h"
#include "data/database_access.h"
#include "data/database_state.h"

namespace razudar::testing {

struct LoaderDatabase {
    QTemporaryDir dir;
    DatabaseState state;

    explicit LoaderDatabase(assets::DatabaseContent content = assets::DatabaseContent::SchemaOnly) {
        state.IndiceDatabase = 1;
        state.busyTimeoutMs = 0;
        state.PercorsiDatabase[1] = assets::createRaceDatabase(dir.path(), content);
        ApriDatabase(state);
    }
    const db::Database& db() const { return state.current(); }
    void exec(const QString& sql, const QVariantList& params = {}) const { db().execute(sql, params); }

    // The lookups a race needs: languages, disciplines, specialities and turn types.
    void addLookups() const {
        exec(QStringLiteral("INSERT INTO Lingue (li_Lingua, li_SiglaPartito, li_SiglaNonArrivato,"
                            " li_SiglaNonPartito, li_SiglaEscluso, li_SiglaFTM, li_Partenti)"
                            " VALUES ('ITA', 'PAR', 'NA', 'NP', 'SQ', 'FTM', 'Partenti'),"
                            " ('ENG', 'ONC', 'DNF', 'DNS', 'DSQ', 'OTL', 'Start List')"));
        exec(QStringLiteral("INSERT INTO Discipline (ds_Id, ds_Disciplina) VALUES (1, 'SA'), (2, 'SF'),"
                            " (3, 'SB'), (5, 'BT'), (15, 'KL')"));
        exec(QStringLiteral("INSERT INTO Specialita (sp_Id, sp_Specialita) VALUES (3, 'GS'), (5, 'BM'),"
                            " (6, 'PGS'), (7, 'SP'), (9, 'SC')"));
        exec(QStringLiteral("INSERT INTO TipiTurni (tt_Id, tt_TipoTurno, tt_Descrizione) VALUES"
                            " (1, 'PR', 'Prova'), (2, 'GA', 'Gara'), (10, 'QR', 'Qualifica Rosso'),"
                            " (11, 'QB', 'Qualifica Blu'), (12, 'FI', 'Finali')"));
    }

    // A race row with the given discipline and speciality codes (other fields at their
    // defaults).
    void addRace(int race, const QString& discipline = QStringLiteral("SA"),
                 const QString& speciality = QStringLiteral("GS"), bool parallel = false) const {
        exec(QStringLiteral("INSERT INTO Gare (ga_Gara, ga_Anno, ga_CodiceEquipe, ga_Descrizione,"
                            " ga_TipoFederazione, ga_Disciplina, ga_Specialita, ga_Lingua, ga_Parallelo)"
                            " VALUES (?, 2024, 0, 'Gara di prova', 1, ?, ?, 'ITA', ?)"),
             {race, discipline, speciality, parallel ? -1 : 0});
    }
    void addSession(int race, const QString& turn, int run, int state = 1,
                    const QVariant& round = QVariant(), const QVariant& heat = QVariant()) const {
        exec(QStringLiteral("INSERT INTO Sessioni (se_Gara, se_TipoTurno, se_Manche, se_Descrizione,"
                            " se_StatoSessione, se_TabelloneRound, se_TabelloneSfida)"
                            " VALUES (?, ?, ?, ?, ?, ?, ?)"),
             {race, turn, run, QStringLiteral("Manche %1").arg(run), state, round, heat});
    }
    void addCompetitor(int race, int id, int bib, const QString& surname = QStringLiteral("Rossi"),
                       const QVariant& printedBib = QVariant()) const {
        exec(QStringLiteral("INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Pettorale,"
                            " co_PettoraleStampa, co_Cognome, co_Nome, co_Nazionalita)"
                            " VALUES (?, ?, ?, ?, ?, 'Luca', 'ita')"),
             {race, id, bib, printedBib, surname});
    }
    void addCategoryOf(int race, int id, const QString& category) const {
        exec(QStringLiteral("INSERT INTO ConcorrentiCategorie (cc_Gara, cc_Concorrente, cc_Categoria)"
                            " VALUES (?, ?, ?)"),
             {race, id, category});
    }
    void addStart(int race, const QString& turn, int run, int position, const QVariant& id,
                  int plannedStart = 0) const {
        exec(QStringLiteral("INSERT INTO OrdinePartenza (op_Gara, op_TipoTurno, op_Manche,"
                            " op_OrdinePartenza, op_OrarioPartenzaTeorico, op_Concorrente)"
                            " VALUES (?, ?, ?, ?, ?, ?)"),
             {race, turn, run, position, plannedStart, id});
    }
    void addResult(int race, const QString& turn, int run, int id, int time, int state,
                   int start = 0, int finish = 0) const {
        exec(QStringLiteral("INSERT INTO SessioniConcorrenti (sc_Gara, sc_TipoTurno, sc_Manche,"
                            " sc_Concorrente, sc_OrarioPartenza, sc_OrarioArrivo, sc_Tempo,"
                            " sc_StatoConcorrente) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
             {race, turn, run, id, start, finish, time, state});
    }
    void addIntermediate(int race, const QString& turn, int run, int id, int point, int time) const {
        exec(QStringLiteral("INSERT INTO SessioniConcorrentiIntermedi (si_Gara, si_TipoTurno,"
                            " si_Manche, si_Concorrente, si_Intermedio, si_Orario)"
                            " VALUES (?, ?, ?, ?, ?, ?)"),
             {race, turn, run, id, point, time});
    }
};

}  // namespace razudar::testing
