#pragma once
// The table window's bound data control: the window's query (base text, structured conditions,
// sort keys) over the race database, with a current-row cursor, finds and the caption that
// shows the record counter. Rows are read in pages of kPageRows through the forward-only
// reader when they are first asked for, and only a few pages are kept: opening, re-sorting or
// scrolling never reads every row of a large table.
#include <QString>
#include <QVariant>

#include <functional>
#include <map>
#include <vector>

#include "platform/db/criteria.h"
#include "platform/db/database.h"
#include "tables/query_terms.h"

namespace razudar::tables {

class RecordSource {
public:
    static constexpr int kPageRows = 200;
    static constexpr std::size_t kKeptPages = 16;

    void setDatabase(const db::Database& database) { database_ = database; }
    const db::Database& database() const { return database_; }

    // The query: "SELECT ... FROM ..." without WHERE or ORDER BY (the program's own text).
    void setBaseQuery(const QString& sql) { baseQuery_ = sql; }
    const QString& baseQuery() const { return baseQuery_; }
    void setConditions(QueryConditions conditions) { conditions_ = std::move(conditions); }
    const QueryConditions& conditions() const { return conditions_; }
    void setOrder(std::vector<SortKey> keys) { order_ = std::move(keys); }
    const std::vector<SortKey>& order() const { return order_; }
    // The whole query with its bound values, as the record set runs it.
    CompiledSql selectSql() const;

    // Runs the query again: the row count is taken, the kept pages are dropped and the cursor
    // goes to the first row (none when the result is empty). With `locate`, the cursor goes to
    // the first row matching it instead, found in the same pass (true); without a match it stays
    // on the first row and noMatch() is true. Engine errors reach the caller.
    bool refresh(const db::Criteria* locate = nullptr);
    bool isOpen() const { return open_; }
    // Drops the rows read: not open, no row (a window that could not read shows nothing).
    void close();

    // ---- cursor, as a record set's ----------------------------------------------------------
    int recordCount() const { return rowCount_; }
    bool eof() const { return position_ >= rowCount_; }
    bool bof() const { return position_ < 0; }
    // Position of the current row from 0, or -1 without one.
    int absolutePosition() const { return (position_ < 0 || eof()) ? -1 : position_; }
    void setAbsolutePosition(int position);  // outside the rows raises 3021
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    // True when the last find matched nothing; a move clears it.
    bool noMatch() const { return noMatch_; }

    const std::vector<db::FieldInfo>& fields() const { return fields_; }
    int fieldIndex(const QString& name) const;
    // The field's type code, or -1 when the query has no such field.
    int fieldType(const QString& name) const;
    // The current row's value; no current row raises 3021, an unknown field 3265.
    QVariant value(const QString& name) const;
    // A value of any row by position and field number (for the grid).
    QVariant valueAt(int row, int field) const;

    // Finds the first row (from `from`) matching the criteria and makes it current; without a
    // match the cursor stays and noMatch() is true.
    bool findFirst(const db::Criteria& criteria, int from = 0);

    // ---- the control itself -----------------------------------------------------------------
    QString caption;
    bool enabled = true;
    // A lookup's data control: characters 1-2 the column prefix of its table, from the 4th on
    // the table's name.
    QString tag;
    // Called after every move of the cursor and after every refresh.
    std::function<void()> onReposition;
    std::function<void()> onRefreshed;

    // Rows whose values were read since the last refresh (pages are read whole).
    qint64 rowsRead() const { return rowsRead_; }

private:
    void moved();
    void readFirstPageAndCount(const CompiledSql& sql);
    const std::vector<QVariant>& page(int pageNumber) const;

    db::Database database_;
    QString baseQuery_;
    QueryConditions conditions_;
    std::vector<SortKey> order_;
    bool open_ = false;
    int rowCount_ = 0;
    int position_ = -1;
    bool noMatch_ = false;
    std::vector<db::FieldInfo> fields_;
    mutable std::map<int, std::vector<QVariant>> pages_;
    mutable std::vector<int> pageUse_;  // page numbers, most recent last
    mutable qint64 rowsRead_ = 0;
};

}  // namespace razudar::tables
