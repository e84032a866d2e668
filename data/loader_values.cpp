#include "data/loader_values.h"

#include <algorithm>

#include "model/bas_utilita.h"
#include "model/basic.h"

namespace razudar::stored {

namespace {

QString shownValue(const QVariant& value) {
    const QString t = text(value);
    return t.isEmpty() ? QStringLiteral("(vuoto)") : t;
}

[[noreturn]] void notANumber(const QString& field, const QVariant& value) {
    throw StoredValueError(QStringLiteral("Valore non numerico nel campo %1: %2")
                               .arg(field, shownValue(value)));
}

[[noreturn]] void outOfRange(const QString& field, const QVariant& value) {
    throw StoredValueError(outOfRangeMessage(field, value));
}

// The number of a value that must be numeric; Null gives 0.
double requiredNumber(const QVariant& value, const QString& field) {
    if (value.isNull() || !value.isValid())
        return 0;
    const auto n = basic::numberOf(value);
    if (!n)
        notANumber(field, value);
    return *n;
}

qint16 toInteger(double number, const QVariant& value, const QString& field) {
    bool ok = true;
    const qint16 result = basic::CInt(number, &ok);
    if (!ok)
        outOfRange(field, value);
    return result;
}

qint32 toLong(double number, const QVariant& value, const QString& field) {
    bool ok = true;
    const qint32 result = basic::CLng(number, &ok);
    if (!ok)
        outOfRange(field, value);
    return result;
}

}  // namespace

QString outOfRangeMessage(const QString& field, const QVariant& value) {
    return QStringLiteral("Valore fuori intervallo nel campo %1: %2").arg(field, shownValue(value));
}

qint32 inRange(qint32 value, qint32 minimum, qint32 maximum, const QString& field) {
    if (value < minimum || value > maximum)
        throw StoredValueError(outOfRangeMessage(field, value) +
                               QStringLiteral(" (ammessi da %1 a %2)").arg(minimum).arg(maximum));
    return value;
}

QString text(const QVariant& value) {
    if (value.metaType().id() == QMetaType::QDateTime)
        return DataTesto(value);
    return basic::CStr(value);
}

double numberRead(const QVariant& value) {
    // A stored whole number reads as itself, a negative one as 0 ("0-5" reads "0"), exactly as
    // through its text; other values take the text route.
    if (value.typeId() == QMetaType::LongLong)
        return double(std::max(value.toLongLong(), qint64(0)));
    return basic::Val(QStringLiteral("0") + text(value));
}

qint16 numberReadInteger(const QVariant& value, const QString& field) {
    return toInteger(numberRead(value), value, field);
}

qint32 numberReadLong(const QVariant& value, const QString& field) {
    return toLong(numberRead(value), value, field);
}

qint16 integerFromWhole(qint64 value, const QString& field) {
    if (const auto n = basic::toInteger(value))
        return *n;
    outOfRange(field, QVariant(value));
}

qint32 longFromWhole(qint64 value, const QString& field) {
    if (const auto n = basic::toLong(value))
        return *n;
    outOfRange(field, QVariant(value));
}

qint16 integer(const QVariant& value, const QString& field) {
    if (value.typeId() == QMetaType::LongLong)  // the usual stored whole number
        return integerFromWhole(value.toLongLong(), field);
    return toInteger(requiredNumber(value, field), value, field);
}

qint32 longValue(const QVariant& value, const QString& field) {
    if (value.typeId() == QMetaType::LongLong)
        return longFromWhole(value.toLongLong(), field);
    return toLong(requiredNumber(value, field), value, field);
}

bool boolean(const QVariant& value, const QString& field) {
    if (value.isNull() || !value.isValid())
        return false;
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    if (const auto n = basic::numberOf(value))
        return *n != 0;
    bool ok = true;
    const bool result = basic::CBool(text(value), &ok);
    if (!ok)
        throw StoredValueError(QStringLiteral("Valore non logico nel campo %1: %2")
                                   .arg(field, shownValue(value)));
    return result;
}

}  // namespace razudar::stored
