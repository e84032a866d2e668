// The operator's Italian text for each common cause of a database failure, from SQLite's result
// codes as the database layer raises them; any other failure of the engine is told by its kind,
// never in the engine's English. The log's account keeps the engine's code and text.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "data/database_access.h"
#include "data/database_fault_text.h"
#include "platform/db/db_error.h"

namespace razudar {
namespace {

struct Case {
    int sqliteCode;
    const char* engineText;
    const char* told;  // after "Impossibile leggere: "
};

TEST(DatabaseFaultText, EachCommonCauseIsToldInItalianWithItsNumber) {
    const Case cases[] = {
        {SQLITE_BUSY, "database is locked",
         "errore del database 3260 - database occupato da un altro programma. Il database è bloccato da un altro "
         "programma: riprovare fra qualche istante."},
        {SQLITE_LOCKED, "database table is locked",
         "errore del database 3186 - database occupato da un altro programma. Il database è bloccato da un altro "
         "programma: riprovare fra qualche istante."},
        {SQLITE_READONLY, "attempt to write a readonly database",
         "errore del database 8 - il file del database è di sola lettura. Controllare i permessi del file e della sua "
         "cartella."},
        {SQLITE_READONLY_DBMOVED, "attempt to write a readonly database",
         "errore del database 1032 - il file del database è stato cancellato, spostato o sostituito. Rimettere il "
         "file al suo posto e riavviare il programma."},
        {SQLITE_FULL, "database or disk is full",
         "errore del database 3043 - il disco del database è pieno. Liberare spazio sul disco del database."},
        {SQLITE_IOERR_WRITE, "disk I/O error",
         "errore del database 3043 - errore di lettura o scrittura sul disco o sulla rete. Controllare il disco o la "
         "rete su cui si trova il database."},
        {SQLITE_CANTOPEN, "unable to open database file",
         "errore del database 3043 - errore di lettura o scrittura sul disco o sulla rete. Controllare il disco o la "
         "rete su cui si trova il database."},
        {SQLITE_NOTADB, "file is not a database",
         "errore del database 26 - il file del database non è un database valido o è danneggiato. Controllare il file "
         "del database o ripristinarne una copia."},
        {SQLITE_CORRUPT, "database disk image is malformed",
         "errore del database 11 - il file del database non è un database valido o è danneggiato. Controllare il file "
         "del database o ripristinarne una copia."},
        {SQLITE_ERROR, "no such table: main.QSessioni",
         "errore del database 1 - nel database manca la tabella QSessioni. Il database non è della versione attesa "
         "dal programma."},
        {SQLITE_ERROR, "no such column: se_Gara",
         "errore del database 1 - nel database manca la colonna se_Gara. Il database non è della versione attesa "
         "dal programma."},
        // Any other failure of the engine is told by its kind, never in the engine's English.
        {SQLITE_ERROR, "near \"SELEC\": syntax error", "errore del database 1 - istruzione non accettata dal database."},
        {SQLITE_CONSTRAINT_UNIQUE, "UNIQUE constraint failed: Gare.ga_Gara, Gare.ga_Anno",
         "errore del database 3022 - il valore è già presente in una chiave o in un indice univoco (Gare.ga_Gara, "
         "Gare.ga_Anno)."},
        {SQLITE_CONSTRAINT_PRIMARYKEY, "UNIQUE constraint failed: index 'pk'",
         "errore del database 3022 - il valore è già presente in una chiave o in un indice univoco."},
        {SQLITE_CONSTRAINT_NOTNULL, "NOT NULL constraint failed: Gare.ga_Gara",
         "errore del database 1299 - manca un valore obbligatorio (Gare.ga_Gara)."},
        {SQLITE_CONSTRAINT_CHECK, "CHECK constraint failed: eta",
         "errore del database 275 - un valore non rispetta le regole della tabella."},
        {SQLITE_MISUSE, "bad parameter or other API misuse",
         "errore del database 21 - istruzione non valida per il database."},
        {SQLITE_RANGE, "column index out of range", "errore del database 25 - istruzione non valida per il database."},
        {SQLITE_MISMATCH, "datatype mismatch", "errore del database 20 - un valore non è del tipo atteso dal database."},
        {SQLITE_TOOBIG, "string or blob too big", "errore del database 18 - un valore è troppo grande per il database."},
        {SQLITE_NOMEM, "out of memory", "errore del database 7 - memoria insufficiente."},
        {SQLITE_INTERRUPT, "interrupted", "errore del database 9 - operazione interrotta."},
        {SQLITE_AUTH, "authorization denied", "errore del database 23 - accesso al database negato."},
        {SQLITE_SCHEMA, "database schema has changed",
         "errore del database 17 - la struttura del database è cambiata durante l'operazione."},
        {SQLITE_PROTOCOL, "locking protocol", "errore del database 15 - errore interno del database."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.engineText);
        const db::DbError e = db::DbError::fromSqlite(c.sqliteCode, QString::fromUtf8(c.engineText));
        EXPECT_EQ(testoErroreDatabase(QStringLiteral("leggere"), e),
                  QStringLiteral("Impossibile leggere: ") + QString::fromUtf8(c.told));
        EXPECT_EQ(testoMotoreDatabase(e),
                  QStringLiteral("(SQLite %1: %2)").arg(c.sqliteCode).arg(QString::fromUtf8(c.engineText)));
    }
}

TEST(DatabaseFaultText, ErrorsOfTheProgramsOwnLayerKeepTheirText) {
    const db::DbError notOpen(db::errors::kNotOpen, QStringLiteral("Il database non è aperto."));
    EXPECT_EQ(testoErroreDatabase(QStringLiteral("leggere"), notOpen),
              QStringLiteral("Impossibile leggere: errore del database 3420 - Il database non è aperto."));
    EXPECT_EQ(testoMotoreDatabase(notOpen), QStringLiteral("(Il database non è aperto.)"));
    // The engine's numbered message ("Errore <n> <text>") takes the Italian cause too.
    EXPECT_EQ(databaseErrorText(db::DbError::fromSqlite(SQLITE_BUSY, QStringLiteral("database is locked"))),
              QStringLiteral("Errore 3260 database occupato da un altro programma"));
    EXPECT_EQ(databaseErrorText(notOpen), QStringLiteral("Errore 3420 Il database non è aperto."));
}

}  // namespace
}  // namespace razudar
