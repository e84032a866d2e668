#pragma once
#include <QString>
#include <QVariant>

#include <optional>

namespace razudar::gra {

// Conversions of the values the host passes to property members:
// numbers rounded half to even into the 32-bit range, truth values from booleans, numbers or
// "True"/"False". An empty value converts to 0 or False; a text that is not a number (or a
// number out of range) does not convert.
std::optional<qint32> longValue(const QVariant& value);
std::optional<bool> boolValue(const QVariant& value);
QString textValue(const QVariant& value);
// Whether a stored value equals the value the host passed (numbers by value, else by text).
bool sameValue(const QVariant& stored, const QVariant& given);

}  // namespace razudar::gra
