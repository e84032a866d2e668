#pragma once
// A record set: the rows of one query, read whole when it is opened (the statement is finalised
// at once, so an open record set holds no lock on the file). It keeps a cursor, finds rows by
// criteria, and edits, adds and deletes rows of its one base table through parameterised
// statements. Copies of a Recordset object share the cursor (they are the same record set);
// clone() gives a second cursor over the same rows.
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

#include "platform/db/criteria.h"
#include "platform/db/field_info.h"

namespace razudar::db {

namespace detail {
struct Connection;
struct RecordsetRows;
struct RecordsetCursor;
}  // namespace detail

enum class EditMode { None, Editing, Adding };

class Recordset {
public:
    Recordset();  // a closed record set: every call but isOpen() raises 3420

    bool isOpen() const;
    void close();

    // ---- navigation: positions run over the rows not deleted -------------------------------
    bool eof() const;
    bool bof() const;
    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    int recordCount() const;
    // Position of the current row counted from 0, or -1 at BOF/EOF or on a deleted row.
    int absolutePosition() const;
    // Moves to that position; a position outside 0..recordCount()-1 raises 3001-style 3021.
    void setAbsolutePosition(int position);

    // ---- fields ------------------------------------------------------------------------------
    int fieldCount() const;
    const std::vector<FieldInfo>& fields() const;
    // Position of a field by name ignoring case, or -1.
    int fieldIndex(const QString& name) const;
    // The current row's value (the edit buffer's while editing or adding). Null is a null
    // QVariant. Numbers are qint64 or double, texts QString, yes/no columns bool, date columns
    // QDateTime. An unknown field raises 3265; no current row raises 3021; a deleted row 3167.
    QVariant value(const QString& name) const;
    QVariant value(int position) const;
    bool isNull(const QString& name) const { return value(name).isNull(); }

    // ---- search (NoMatch keeps the cursor where it was) ---------------------------------------
    bool findFirst(const Criteria& criteria);
    bool findLast(const Criteria& criteria);
    bool findNext(const Criteria& criteria);
    bool noMatch() const;

    Recordset clone() const;

    // ---- editing of the one base table -------------------------------------------------------
    // The table every column comes from; empty when the record set cannot be updated (columns
    // of several tables, or computed columns only).
    QString baseTable() const;
    EditMode editMode() const;
    void edit();                                       // 3021 without a current row
    void addNew();                                     // the buffer starts with the defaults
    void setValue(const QString& name, const QVariant& value);  // 3020 outside edit/addNew
    void update();          // writes the buffer; 3022 / lock errors as mapped; buffer dropped
    void cancelUpdate();    // drops the buffer; 3020 when nothing is pending
    void deleteRecord();    // deletes the current row of the base table; the row stays deleted

private:
    friend class Database;
    Recordset(std::shared_ptr<detail::RecordsetRows> rows,
              std::shared_ptr<detail::RecordsetCursor> cursor);
    detail::RecordsetCursor& cursor() const;
    detail::RecordsetRows& rows() const;
    std::shared_ptr<detail::RecordsetRows> rows_;
    std::shared_ptr<detail::RecordsetCursor> cursor_;
};

}  // namespace razudar::db
