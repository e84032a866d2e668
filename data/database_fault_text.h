#pragma once
// The operator's text for a step that the database could not carry out.
#include <QString>

#include <functional>

namespace razudar {

namespace db {
class DbError;
}

// What happened, in Italian, for the common causes: the file is held by another program, is
// read-only, its disk is full, it was deleted, moved or replaced, it is not a database, a table,
// view or column is missing. Any other failure of the engine is told by its kind (a rule of the
// table, a statement refused...): the engine's own English text goes to the log only
// (testoMotoreDatabase). An error of this program's own database layer keeps its Italian text.
QString descrizioneErroreDatabase(const db::DbError& e);

// "Impossibile <azione>: errore del database <number> - <descrizione>." followed by what to do
// about it (wait for a lock, check the disk, the file or its permissions).
QString testoErroreDatabase(const QString& azione, const db::DbError& e);

// How a unit hands a failed step to whoever tells the operator (the program's fault reporting:
// once per action, in the log): the step ("leggere le sessioni") and the error.
using DatabaseFaultReporter = std::function<void(const QString& azione, const db::DbError& e)>;

// The engine's own account of the error, for the log beside the operator's text:
// "(SQLite <extended code>: <engine text>)", or "(<text>)" for an error of this program's layer.
QString testoMotoreDatabase(const db::DbError& e);

}  // namespace razudar
