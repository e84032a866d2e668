#pragma once
// Conversions of the values of object text, as the decoders read them. They give the results of
// the shared validated conversions (ValoreIntero, ValoreLungo with default 0, ValoreBooleano) but
// read the common plain decimal values straight from the payload, so a large race state decodes
// without a temporary text per value.
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace razudar::object_text {

// The value with spaces removed at both ends.
QString textValue(QStringView value);
// The value as a 16-bit integer rounded down; 0 when empty, not numeric or out of range.
qint16 integerValue(QStringView value);
// The value as a 32-bit integer rounded half to even; 0 when empty, not numeric or out of
// range (-2147483648 included).
qint32 longValue(QStringView value);
// The value, spaces removed, read as a truth value ("True", "False" or a number); nullopt when
// it reads as neither.
std::optional<bool> truthValue(QStringView value);

}  // namespace razudar::object_text
