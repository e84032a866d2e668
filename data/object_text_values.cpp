#include "data/object_text_values.h"

#include "model/basic.h"
#include "model/bas_utilita.h"

namespace razudar::object_text {

namespace {

// The number of a value made only of optional spaces, an optional "-" and up to 18 decimal
// digits; nullopt for anything else (left to the general conversion).
std::optional<qint64> plainDecimal(QStringView value) {
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && value[begin] == u' ') ++begin;
    while (end > begin && value[end - 1] == u' ') --end;
    const bool negative = begin < end && value[begin] == u'-';
    if (negative) ++begin;
    const qsizetype digits = end - begin;
    if (digits < 1 || digits > 18) return std::nullopt;
    qint64 number = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = value[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        number = number * 10 + (c - u'0');
    }
    return negative ? -number : number;
}

}  // namespace

QString textValue(QStringView value) { return basic::Trim(value.toString()); }

qint16 integerValue(QStringView value) {
    if (const std::optional<qint64> number = plainDecimal(value))
        return basic::fitsInteger(*number) ? static_cast<qint16>(*number) : qint16(0);
    return ValoreIntero(value.toString(), 0);
}

qint32 longValue(QStringView value) {
    if (const std::optional<qint64> number = plainDecimal(value)) {
        return basic::fitsLong(*number) && *number != basic::kLongMin ? static_cast<qint32>(*number)
                                                                        : qint32(0);
    }
    return ValoreLungo(value.toString(), 0);
}

std::optional<bool> truthValue(QStringView value) {
    bool ok = false;
    const bool truth = basic::CBool(basic::Trim(value.toString()), &ok);
    if (!ok) return std::nullopt;
    return truth;
}

}  // namespace razudar::object_text
