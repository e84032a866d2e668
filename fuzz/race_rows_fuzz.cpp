// The race loader on race databases whose rows hold anything a file edited outside the program
// can hold: the demo database, with the input's edits applied (a value of any kind written into
// any field of any row, rows removed or repeated; the schema's checks off), then loaded for one
// of its sessions. The load either gives a race state or stops with a message, and never
// crashes; a race state read is ranked and usable.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <sqlite3.h>

#include "assets/database_builder.h"
#include "data/database_access.h"
#include "data/database_state.h"
#include "data/krono_da_database.h"
#include "data/monitor_settings.h"
#include "model/krono.h"
#include "platform/fakes/fake_services.h"

namespace {

using namespace razudar;

void require(bool condition) {
    if (!condition) std::abort();
}

struct Table {
    QByteArray name;
    std::vector<QByteArray> columns;
};

// The demo database made once; every input starts from a copy of its bytes.
struct Demo {
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/fuzz_race_rows_XXXXXX")};
    QByteArray pristine;
    QString working;
    std::vector<Table> tables;

    Demo() {
        const QString path = assets::createRaceDatabase(dir.path(), assets::DatabaseContent::Demo);
        QFile f(path);
        require(f.open(QIODevice::ReadOnly));
        pristine = f.readAll();
        working = dir.filePath(QStringLiteral("work.mdb"));
        sqlite3* db = nullptr;
        require(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) tables.push_back({reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), {}});
        sqlite3_finalize(st);
        for (Table& t : tables) {
            sqlite3_prepare_v2(db, ("PRAGMA table_info(\"" + t.name + "\")").constData(), -1, &st, nullptr);
            while (sqlite3_step(st) == SQLITE_ROW) t.columns.push_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
            sqlite3_finalize(st);
        }
        sqlite3_close(db);
    }
};

// Reads the input a byte, a number or a few bytes at a time; past its end everything is 0.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool atEnd() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    qint64 number() {
        qint64 v = 0;
        for (int i = 0; i < 8; ++i) v = (v << 8) | byte();
        return v;
    }
    QByteArray bytes(std::size_t n) {
        n = std::min(n, size_ - std::min(at_, size_));
        QByteArray out(reinterpret_cast<const char*>(data_ + at_), qsizetype(n));
        at_ += n;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void exec(sqlite3* db, const QByteArray& sql) { sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr); }

// One edit of the input: table, row, then what to do with the row.
void applyEdit(sqlite3* db, const Demo& demo, Input& in) {
    const Table& t = demo.tables[in.byte() % demo.tables.size()];
    const int row = in.byte() % 32;
    const QByteArray where = " WHERE rowid = (SELECT rowid FROM \"" + t.name + "\" LIMIT 1 OFFSET " +
                             QByteArray::number(row) + ")";
    const int what = in.byte();
    if (what == 255) {
        exec(db, "DELETE FROM \"" + t.name + "\"" + where);
        return;
    }
    if (what == 254) {
        exec(db, "INSERT INTO \"" + t.name + "\" SELECT * FROM \"" + t.name + "\"" + where);
        return;
    }
    const QByteArray& column = t.columns[what % t.columns.size()];
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, ("UPDATE OR IGNORE \"" + t.name + "\" SET \"" + column + "\" = ?" + where).constData(), -1,
                           &st, nullptr) != SQLITE_OK)
        return;
    switch (in.byte() % 6) {
    case 0: sqlite3_bind_null(st, 1); break;
    case 1: sqlite3_bind_int64(st, 1, in.number()); break;
    case 2: sqlite3_bind_int64(st, 1, qint64(qint8(in.byte()))); break;
    case 3: {
        const qint64 bits = in.number();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        sqlite3_bind_double(st, 1, d);
        break;
    }
    case 4: {
        const QByteArray text = in.bytes(in.byte() % 40);
        sqlite3_bind_text(st, 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray blob = in.bytes(in.byte() % 16);
        sqlite3_bind_blob(st, 1, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
        break;
    }
    }
    sqlite3_step(st);
    sqlite3_finalize(st);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Demo demo;
    {
        QFile f(demo.working);
        require(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(f.write(demo.pristine) == demo.pristine.size());
    }
    Input in(data, size);
    // The session to load: one of the demo's, or any numbers the input gives.
    const int choice = in.byte();
    qint16 race = 1, run = qint16(1 + choice % 3);
    QString turn = (choice & 0x80) ? QStringLiteral("PR") : QStringLiteral("GA");
    if ((choice & 0x40) != 0) {
        race = qint16(in.byte() % 4);
        run = qint16(qint8(in.byte()));
    }
    {
        sqlite3* db = nullptr;
        require(sqlite3_open_v2(demo.working.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK);
        exec(db, "PRAGMA ignore_check_constraints = ON; PRAGMA foreign_keys = OFF; BEGIN");
        for (int edits = 0; !in.atEnd() && edits < 64; ++edits) applyEdit(db, demo, in);
        exec(db, "COMMIT");
        sqlite3_close(db);
    }
    DatabaseState state;
    state.IndiceDatabase = 1;
    state.busyTimeoutMs = 0;
    state.PercorsiDatabase[1] = demo.working;
    ApriDatabase(state);
    MonitorState monitor;
    FakeClock clock;
    const KronoDaDatabaseResult result = KronoDaDatabase(state, monitor, clock, race, turn, run);
    if (result.krono) {
        require(result.error.isEmpty());
        result.krono->ElaboraClassifiche();
    } else {
        require(!result.error.isEmpty());
    }
    return 0;
}
