#pragma once
// The operator's text for a step that the database could not carry out.
#include <QString>

namespace razudar {

namespace db {
class DbError;
}

// "Impossibile <azione>: errore del database <number> - <text>." followed by what to do about
// a lock or a disk fault.
QString testoErroreDatabase(const QString& azione, const db::DbError& e);

}  // namespace razudar
