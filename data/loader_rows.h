#pragma once
// Reading the rows of one loader query in one pass (db::RowReader: nothing is copied): fields
// are found by name once, then read by position on every row and converted with the
// stored-value rules (data/loader_values.h), which name the field in their messages.
#include <QString>
#include <QVariant>
#include <QtGlobal>

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

    QVariant value(int column) const { return rs_.value(column); }
    bool isNull(int column) const { return rs_.isNull(column); }
    // Texts, and Null (""), are read without a QVariant.
    QString text(int column) const {
        if (auto t = rs_.text(column))
            return std::move(*t);
        if (rs_.isNull(column))
            return QString();
        return stored::text(rs_.value(column));
    }
    // Whole numbers, the usual stored value, are read without a QVariant.
    qint16 integer(int column) const {
        if (const auto n = rs_.wholeNumber(column))
            return stored::integerFromWhole(*n, name(column));
        return stored::integer(rs_.value(column), name(column));
    }
    qint32 longValue(int column) const {
        if (const auto n = rs_.wholeNumber(column))
            return stored::longFromWhole(*n, name(column));
        return stored::longValue(rs_.value(column), name(column));
    }
    bool boolean(int column) const { return stored::boolean(rs_.value(column), name(column)); }
    // The 16-bit number read from "0" followed by the value's text.
    qint16 numberReadInteger(int column) const {
        return stored::numberReadInteger(rs_.value(column), name(column));
    }
    const QString& name(int column) const { return rs_.fields().at(std::size_t(column)).name; }

private:
    db::RowReader rs_;
};

}  // namespace razudar
