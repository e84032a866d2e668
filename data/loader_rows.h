#pragma once
// Reading the rows of one loader query in one pass (db::RowReader: nothing is copied): fields
// are found by name once, then read by position on every row and converted with the
// stored-value rules (data/loader_values.h), which name the field in their messages.
//
// A field read with text(), integer(), longValue() or boolean() must hold a value: a Null there
// stops the load with "Valore mancante nel campo <field> (<row key>)", the key being what the
// step set with keyedBy(). Fields that may be Null are read with textOrEmpty() (Null gives "")
// or numberReadInteger() ("0" followed by the text: Null gives 0), or tested with isNull().
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <utility>
#include <vector>

#include "data/loader_values.h"
#include "platform/db/db_error.h"
#include "platform/db/row_reader.h"

namespace razudar {

class LoaderRows {
public:
    explicit LoaderRows(db::RowReader reader) : rs_(std::move(reader)) {}

    bool atEnd() const { return rs_.atEnd(); }
    void next() { rs_.next(); }

    // Position of a field of the query; a field the query does not give raises db::DbError 3265.
    int column(const QString& name) const {
        const int position = rs_.fieldIndex(name);
        if (position < 0)
            throw db::DbError(db::errors::kItemNotFound,
                              QStringLiteral("Campo %1 non presente nella query").arg(name));
        return position;
    }

    // One part of the key that names a row in messages: a fixed value ("gara 1"), or a column
    // of the row ("concorrente 13"), between apostrophes when `quoted`.
    struct KeyPart {
        QString label;
        QString fixed;
        int column = -1;
        bool quoted = false;
    };
    void keyedBy(std::vector<KeyPart> parts) { key_ = std::move(parts); }
    // "gara 1, turno 'G', manche 2, concorrente 13" for the current row.
    QString rowKey() const;

    QVariant value(int column) const { return rs_.value(column); }
    bool isNull(int column) const { return rs_.isNull(column); }

    // Texts are read without a QVariant.
    QString text(int column) const {
        if (auto t = rs_.text(column))
            return std::move(*t);
        requireValue(column);
        return stored::text(rs_.value(column));
    }
    QString textOrEmpty(int column) const { return rs_.isNull(column) ? QString() : text(column); }
    // Whole numbers, the usual stored value, are read without a QVariant.
    qint16 integer(int column) const {
        if (const auto n = rs_.wholeNumber(column))
            return stored::integerFromWhole(*n, name(column));
        requireValue(column);
        return stored::integer(rs_.value(column), name(column));
    }
    qint32 longValue(int column) const {
        if (const auto n = rs_.wholeNumber(column))
            return stored::longFromWhole(*n, name(column));
        requireValue(column);
        return stored::longValue(rs_.value(column), name(column));
    }
    bool boolean(int column) const {
        requireValue(column);
        return stored::boolean(rs_.value(column), name(column));
    }
    // The 16-bit number read from "0" followed by the value's text (a Null reads as 0).
    qint16 numberReadInteger(int column) const {
        return stored::numberReadInteger(rs_.value(column), name(column));
    }
    const QString& name(int column) const { return rs_.fields().at(std::size_t(column)).name; }

private:
    // Raises StoredValueError "Valore mancante nel campo ..." when the value is Null.
    void requireValue(int column) const;

    db::RowReader rs_;
    std::vector<KeyPart> key_;
};

}  // namespace razudar
