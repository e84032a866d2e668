// Fuzz target of the condition compiler: random typed filter values (and filter-bar texts) on
// fields of every storage type, under each kind of Tag a window may carry. The compiled query
// must be one SELECT statement whose "?" marks take exactly the values bound, that prepares and
// runs without error; a value the builder cannot use must come back as a refusal.
#include <fuzzer/FuzzedDataProvider.h>

#include <QDateTime>
#include <QString>

#include <sqlite3.h>

#include <cstdlib>
#include <string>

#include "platform/db/field_info.h"
#include "platform/db/text_folding.h"
#include "tables/filter_conditions.h"
#include "tables/query_terms.h"

namespace {

using namespace razudar::tables;
namespace ft = razudar::db::field_type;

void check(bool condition) {
    if (!condition) std::abort();
}

struct Column {
    const char* name;
    int type;
};
constexpr Column kColumns[] = {{"f_Testo", ft::kText},   {"f_Memo", ft::kMemo},     {"f_Intero", ft::kInteger},
                               {"f_Lungo", ft::kLong},   {"f_Doppio", ft::kDouble}, {"f_Singolo", ft::kSingle},
                               {"f_Valuta", ft::kCurrency}, {"f_Data", ft::kDate},  {"f_Flag", ft::kBoolean}};
// The Tags a window's designer writes: flags, operators and a range template.
const char16_t* const kTags[] = {u"",  u"°",  u"#",  u"@", u"=",    u"<>", u"<", u"<=", u">", u">=",
                                 u"LIKE", u"like", u"<", u">= f_Lungo AND f_Intero <=", u"*f_Intero > 0", u"IN"};

sqlite3* database() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        razudar::db::registerTextFolding(d);  // the collation the compiled terms name
        sqlite3_exec(d,
                     "CREATE TABLE T (f_Testo TEXT COLLATE NOCASE, f_Memo TEXT, f_Intero SMALLINT, f_Lungo INTEGER, "
                     "f_Doppio DOUBLE, f_Singolo REAL, f_Valuta CURRENCY, f_Data DATETIME, f_Flag BOOLEAN);"
                     "INSERT INTO T VALUES ('O''Brien', 'x', 1, 2, 3.5, 4, 5, '2026-01-01 10:00:00', -1);",
                     nullptr, nullptr, nullptr);
        return d;
    }();
    return db;
}

void bind(sqlite3_stmt* stmt, int i, const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Bool: sqlite3_bind_int64(stmt, i, v.toBool() ? -1 : 0); break;
    case QMetaType::Double: sqlite3_bind_double(stmt, i, v.toDouble()); break;
    case QMetaType::Int:
    case QMetaType::LongLong: sqlite3_bind_int64(stmt, i, v.toLongLong()); break;
    case QMetaType::QDateTime: {
        const std::string s = v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
        sqlite3_bind_text(stmt, i, s.c_str(), -1, SQLITE_TRANSIENT);
        break;
    }
    default: {
        const std::string s = v.toString().toStdString();
        sqlite3_bind_text(stmt, i, s.c_str(), -1, SQLITE_TRANSIENT);
    }
    }
}

QString text(FuzzedDataProvider& in) {
    const std::string raw = in.ConsumeRandomLengthString(40);
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    QueryConditions conditions;
    const int fields = in.ConsumeIntegralInRange(0, 4);
    for (int f = 0; f < fields; ++f) {
        const Column& column = kColumns[in.ConsumeIntegralInRange<size_t>(0, std::size(kColumns) - 1)];
        FilterFieldInput field;
        field.type = column.type;
        field.column = QString::fromLatin1(column.name);
        field.tag = QString::fromUtf16(kTags[in.ConsumeIntegralInRange<size_t>(0, std::size(kTags) - 1)]);
        field.value = text(in);
        field.reference = QStringLiteral("{T.") + field.column + u'}';
        const FilterFieldCondition c = filterFieldCondition(field);
        if (!c.refusal.isEmpty()) {
            check(!c.term && !c.bound && c.fixed.isEmpty());
            continue;
        }
        appendCondition(conditions, c);
    }
    if (in.ConsumeBool()) {
        const Column& column = kColumns[in.ConsumeIntegralInRange<size_t>(0, std::size(kColumns) - 1)];
        const FilterFieldCondition c = filterBarCondition(column.type, QString::fromLatin1(column.name),
                                                          QStringLiteral("{T.x}"), text(in));
        if (c.term) conditions.terms.push_back(*c.term);
    }
    const CompiledSql where = compileWhere(conditions);
    const std::string sql = ("SELECT * FROM T" + where.text + compileOrderBy({{QStringLiteral("f_Testo"), true}})).toStdString();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    check(sqlite3_prepare_v2(database(), sql.c_str(), -1, &stmt, &tail) == SQLITE_OK);
    check(tail != nullptr && *tail == '\0');  // one statement, nothing after it
    check(sqlite3_stmt_readonly(stmt) != 0);
    check(sqlite3_bind_parameter_count(stmt) == where.params.size());
    for (int i = 0; i < where.params.size(); ++i) bind(stmt, i + 1, where.params[i]);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    check(rc == SQLITE_DONE);
    sqlite3_finalize(stmt);
    return 0;
}
