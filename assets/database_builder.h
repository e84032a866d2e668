#pragma once
// Builds a race database file from SQL text: the build's demo base folder and the tests' fresh
// databases both come from assets/schema.sql (and assets/demo.sql), never from a binary file.
#include <QString>
#include <QStringList>

namespace razudar::assets {

// Creates `databasePath` anew (an existing file is replaced) and runs the SQL files in order in
// one transaction. Returns "" on success, else the error text (the file is then removed).
QString buildDatabaseFromSql(const QString& databasePath, const QStringList& sqlFiles);

// The schema and demo SQL of this source tree.
QString schemaSqlPath();
QString demoSqlPath();

enum class DatabaseContent { SchemaOnly, Demo };

// Creates "<folder>/Zez.mdb" from the schema (and the demo data) and returns its path; throws
// std::runtime_error when the SQL fails.
QString createRaceDatabase(const QString& folder, DatabaseContent content = DatabaseContent::SchemaOnly);

}  // namespace razudar::assets
