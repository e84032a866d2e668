#include "data/database_fault_text.h"

#include <QRegularExpression>

#include <sqlite3.h>

#include "platform/db/db_error.h"

namespace razudar {

namespace {

enum class Causa {
    Bloccato,
    SolaLettura,
    Spostato,
    DiscoPieno,
    DiscoRete,
    NonDatabase,
    TabellaMancante,
    ColonnaMancante,
    Motore,     // any other failure of the engine: told by its kind, its English text only logged
    Programma,  // raised by this program's own layer, in Italian: its text is told as it is
};

Causa causa(const db::DbError& e) {
    const int code = e.sqliteCode();
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Causa::Bloccato;
    case SQLITE_READONLY: return code == SQLITE_READONLY_DBMOVED ? Causa::Spostato : Causa::SolaLettura;
    case SQLITE_FULL: return Causa::DiscoPieno;
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN: return Causa::DiscoRete;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return Causa::NonDatabase;
    default: break;
    }
    if ((code & 0xFF) == SQLITE_ERROR && e.description().startsWith(QLatin1String("no such table"))) {
        return Causa::TabellaMancante;
    }
    if ((code & 0xFF) == SQLITE_ERROR && e.description().startsWith(QLatin1String("no such column"))) {
        return Causa::ColonnaMancante;
    }
    // Errors raised with an engine number alone (a lock, a disk fault) read as their cause.
    if (code == 0 && db::isLockError(e.number())) return Causa::Bloccato;
    if (code == 0 && e.number() == db::errors::kDiskOrNetwork) return Causa::DiscoRete;
    return code == 0 ? Causa::Programma : Causa::Motore;
}

// The name after "no such table: " or "no such column: " (the schema prefix "main." dropped).
QString nomeMancante(const QString& engineText) {
    static const QRegularExpression kNome(QStringLiteral("no such (?:table|column):\\s*(?:main\\.)?(\\S+)"));
    const QRegularExpressionMatch m = kNome.match(engineText);
    return m.hasMatch() ? m.captured(1) : QString();
}

// The fields after "constraint failed: " ("Gare.ga_Gara, Gare.ga_Anno"): names, not English.
QString campiVincolo(const QString& engineText) {
    static const QRegularExpression kCampi(QStringLiteral("constraint failed:\\s*([\\w.]+(?:,\\s*[\\w.]+)*)\\s*$"));
    const QRegularExpressionMatch m = kCampi.match(engineText);
    return m.hasMatch() ? QStringLiteral(" (%1)").arg(m.captured(1)) : QString();
}

// The kind of an engine failure that has no cause of its own above, in Italian.
QString descrizioneMotore(const db::DbError& e) {
    const int code = e.sqliteCode();
    switch (code) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return QStringLiteral("il valore è già presente in una chiave o in un indice univoco") +
               campiVincolo(e.description());
    case SQLITE_CONSTRAINT_NOTNULL:
        return QStringLiteral("manca un valore obbligatorio") + campiVincolo(e.description());
    default: break;
    }
    switch (code & 0xFF) {
    case SQLITE_CONSTRAINT: return QStringLiteral("un valore non rispetta le regole della tabella");
    case SQLITE_ERROR: return QStringLiteral("istruzione non accettata dal database");
    case SQLITE_MISUSE:
    case SQLITE_RANGE: return QStringLiteral("istruzione non valida per il database");
    case SQLITE_MISMATCH: return QStringLiteral("un valore non è del tipo atteso dal database");
    case SQLITE_TOOBIG: return QStringLiteral("un valore è troppo grande per il database");
    case SQLITE_NOMEM: return QStringLiteral("memoria insufficiente");
    case SQLITE_INTERRUPT: return QStringLiteral("operazione interrotta");
    case SQLITE_PERM:
    case SQLITE_AUTH: return QStringLiteral("accesso al database negato");
    case SQLITE_SCHEMA: return QStringLiteral("la struttura del database è cambiata durante l'operazione");
    default: break;
    }
    return QStringLiteral("errore interno del database");
}

QString senzaPuntoFinale(QString text) {
    text = text.trimmed();
    while (text.endsWith(u'.')) text.chop(1);
    return text;
}

}  // namespace

QString descrizioneErroreDatabase(const db::DbError& e) {
    switch (causa(e)) {
    case Causa::Bloccato: return QStringLiteral("database occupato da un altro programma");
    case Causa::SolaLettura: return QStringLiteral("il file del database è di sola lettura");
    case Causa::Spostato: return QStringLiteral("il file del database è stato cancellato, spostato o sostituito");
    case Causa::DiscoPieno: return QStringLiteral("il disco del database è pieno");
    case Causa::DiscoRete: return QStringLiteral("errore di lettura o scrittura sul disco o sulla rete");
    case Causa::NonDatabase: return QStringLiteral("il file del database non è un database valido o è danneggiato");
    case Causa::TabellaMancante: {
        const QString nome = nomeMancante(e.description());
        return nome.isEmpty() ? QStringLiteral("nel database manca una tabella")
                              : QStringLiteral("nel database manca la tabella %1").arg(nome);
    }
    case Causa::ColonnaMancante: {
        const QString nome = nomeMancante(e.description());
        return nome.isEmpty() ? QStringLiteral("nel database manca una colonna")
                              : QStringLiteral("nel database manca la colonna %1").arg(nome);
    }
    case Causa::Motore: return descrizioneMotore(e);
    case Causa::Programma: break;
    }
    return e.description();
}

QString testoErroreDatabase(const QString& azione, const db::DbError& e) {
    QString text = QStringLiteral("Impossibile %1: errore del database %2 - %3.")
                       .arg(azione)
                       .arg(e.number())
                       .arg(senzaPuntoFinale(descrizioneErroreDatabase(e)));
    switch (causa(e)) {
    case Causa::Bloccato:
        text += QStringLiteral(" Il database è bloccato da un altro programma: riprovare fra qualche istante.");
        break;
    case Causa::SolaLettura:
        text += QStringLiteral(" Controllare i permessi del file e della sua cartella.");
        break;
    case Causa::Spostato:
        text += QStringLiteral(" Rimettere il file al suo posto e riavviare il programma.");
        break;
    case Causa::DiscoPieno:
        text += QStringLiteral(" Liberare spazio sul disco del database.");
        break;
    case Causa::DiscoRete:
        text += QStringLiteral(" Controllare il disco o la rete su cui si trova il database.");
        break;
    case Causa::NonDatabase:
        text += QStringLiteral(" Controllare il file del database o ripristinarne una copia.");
        break;
    case Causa::TabellaMancante:
    case Causa::ColonnaMancante:
        text += QStringLiteral(" Il database non è della versione attesa dal programma.");
        break;
    case Causa::Motore:
    case Causa::Programma: break;
    }
    return text;
}

QString testoMotoreDatabase(const db::DbError& e) {
    if (e.sqliteCode() == 0) return QStringLiteral("(%1)").arg(e.description());
    return QStringLiteral("(SQLite %1: %2)").arg(e.sqliteCode()).arg(e.description());
}

}  // namespace razudar
