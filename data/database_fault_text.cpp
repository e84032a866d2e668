#include "data/database_fault_text.h"

#include "platform/db/db_error.h"

namespace razudar {

QString testoErroreDatabase(const QString& azione, const db::DbError& e) {
    QString text = QStringLiteral("Impossibile %1: errore del database %2 - %3.")
                       .arg(azione)
                       .arg(e.number())
                       .arg(e.description());
    if (db::isLockError(e.number())) {
        text += QStringLiteral(" Il database è bloccato da un altro programma: riprovare fra qualche istante.");
    } else if (e.number() == db::errors::kDiskOrNetwork) {
        text += QStringLiteral(" Controllare il disco o la rete su cui si trova il database.");
    }
    return text;
}

}  // namespace razudar
