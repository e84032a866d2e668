#include "graphics/property_values.h"

#include "model/basic.h"

namespace razudar::gra {

namespace {
bool isUnset(const QVariant& value) { return !value.isValid() || value.isNull(); }
}  // namespace

std::optional<qint32> longValue(const QVariant& value) {
    if (isUnset(value)) return 0;
    const std::optional<double> number = basic::numberOf(value);
    if (!number) return std::nullopt;
    bool ok = true;
    const qint32 result = basic::CLng(*number, &ok);
    if (!ok) return std::nullopt;
    return result;
}

std::optional<bool> boolValue(const QVariant& value) {
    if (isUnset(value)) return false;
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        bool ok = true;
        const bool result = basic::CBool(value.toString(), &ok);
        if (!ok) return std::nullopt;
        return result;
    }
    const std::optional<double> number = basic::numberOf(value);
    if (!number) return std::nullopt;
    return *number != 0.0;
}

QString textValue(const QVariant& value) { return basic::CStr(value); }

bool sameValue(const QVariant& stored, const QVariant& given) {
    const std::optional<double> a = basic::numberOf(stored);
    const std::optional<double> b = basic::numberOf(given);
    if (a && b) return *a == *b;
    return basic::CStr(stored) == basic::CStr(given);
}

}  // namespace razudar::gra
