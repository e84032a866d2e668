// Build-time tool: make_database <database file> <sql file>... creates the database file from
// the SQL files (the demo base folder's Zez.mdb).
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

#include "assets/database_builder.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: make_database <database file> <sql file>...\n");
        return 2;
    }
    const QString error = razudar::assets::buildDatabaseFromSql(args[1], args.mid(2));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "make_database: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
