#pragma once
// Another program on the same race database file: its own SQLite connection, to change the
// database or hold it (BEGIN EXCLUSIVE) while the program works.
#include <QString>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace razudar::apptest {

class OtherProgram {
public:
    explicit OtherProgram(const QString& path) {
        EXPECT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    }
    ~OtherProgram() { sqlite3_close(db_); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    void exec(const QString& sql) {
        char* message = nullptr;
        EXPECT_EQ(sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message), SQLITE_OK)
            << sql.toStdString() << ": " << (message ? message : "");
        sqlite3_free(message);
    }

private:
    sqlite3* db_ = nullptr;
};

}  // namespace razudar::apptest
