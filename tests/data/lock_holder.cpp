// Test helper run as a second process: takes the write lock of a database file and holds it
// until a line arrives on its input (or the input closes).
//   lock_holder <database file>
// Prints "locked" once the lock is held and "released" after letting it go.
#include <sqlite3.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lock_holder <database file>\n");
        return 2;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "lock_holder: %s\n", sqlite3_errmsg(db));
        return 1;
    }
    char* error = nullptr;
    if (sqlite3_exec(db, "BEGIN IMMEDIATE; UPDATE Configurazione SET cf_GraficaServer = 'ALTRO';",
                     nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "lock_holder: %s\n", error ? error : "error");
        sqlite3_free(error);
        sqlite3_close(db);
        return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    char line[64];
    (void)std::fgets(line, sizeof line, stdin);
    sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    std::printf("released\n");
    std::fflush(stdout);
    return 0;
}
