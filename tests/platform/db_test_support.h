#pragma once
// Fresh race databases for the database layer's tests, in a temporary folder of their own.
#include <QTemporaryDir>

#include "assets/database_builder.h"
#include "platform/db/database.h"

namespace razudar::db::testing {

struct FreshDatabase {
    QTemporaryDir dir;
    QString path;
    explicit FreshDatabase(assets::DatabaseContent content = assets::DatabaseContent::SchemaOnly)
        : path(assets::createRaceDatabase(dir.path(), content)) {}
    Database open(int busyTimeoutMs = 0) const {
        OpenOptions options;
        options.busyTimeoutMs = busyTimeoutMs;
        return Database::open(path, options);
    }
};

// The engine number of the error `f` throws, or 0 when it throws none.
template <typename F>
int errorNumberOf(F&& f) {
    try {
        f();
    } catch (const DbError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace razudar::db::testing
