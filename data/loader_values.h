#pragma once
// How the race database's stored values become the race model's numbers, flags and texts, for
// the one-value queries and the race loader. Here a Null read as a number or a truth value is 0
// or false, which is what the one-value queries give; the race loader reads its fields through
// LoaderRows (data/loader_rows.h), where a Null in a field that must hold a value stops the load.
// A value that cannot become the member's type (a number outside the 16- or 32-bit range, a text
// that is not a number) raises StoredValueError naming the field, so a load stops with a clear
// message instead of storing a wrapped or invented value.
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <stdexcept>

namespace razudar {

class StoredValueError : public std::runtime_error {
public:
    explicit StoredValueError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

namespace stored {

// Text of a value: Null gives "", numbers as basic::numberText writes them, flags "True"/"False",
// dates as "dd/MM/yyyy".
QString text(const QVariant& value);

// The number read from "0" followed by the value's text: the leading numeric part, 0 when
// there is none or the value is Null (so a negative value reads as 0).
double numberRead(const QVariant& value);
// numberRead rounded half to even to a 16- or 32-bit number; out of range raises.
qint16 numberReadInteger(const QVariant& value, const QString& field);
qint32 numberReadLong(const QVariant& value, const QString& field);

// The value taken directly as a 16- or 32-bit number (rounded half to even), or as a truth
// value (a number is true when not 0; texts "True"/"False" or a number). Null gives 0 or
// false; a value out of range or not a number raises.
qint16 integer(const QVariant& value, const QString& field);
qint32 longValue(const QVariant& value, const QString& field);
// The same for a stored whole number.
qint16 integerFromWhole(qint64 value, const QString& field);
qint32 longFromWhole(qint64 value, const QString& field);
bool boolean(const QVariant& value, const QString& field);

// "Valore fuori intervallo nel campo <field>: <value>": the message of a value that does not
// fit where it must go.
QString outOfRangeMessage(const QString& field, const QVariant& value);
// The value of `field` when it lies in minimum..maximum; otherwise raises StoredValueError
// ("... (ammessi da <minimum> a <maximum>)").
qint32 inRange(qint32 value, qint32 minimum, qint32 maximum, const QString& field);

}  // namespace stored
}  // namespace razudar
