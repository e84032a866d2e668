#include "data/clock_decoders.h"

#include <cmath>
#include <optional>
#include <vector>

#include "data/object_text.h"
#include "data/object_text_values.h"
#include "data/pc_clock.h"
#include "model/basic.h"
#include "model/bas_utilita.h"

namespace razudar {

namespace {

using namespace object_text;

// The values of section 0, or false when the payload is no object text or its first section is
// shorter than its markers.
bool firstSectionValues(const QString& payload, std::vector<QStringView>& values) {
    if (!hasObjectMarkers(payload)) return false;
    return attributeValues(firstSection(objectBody(payload)), values);
}

// A value read as a whole 32-bit number (rounded half to even); nullopt when it is not a number
// or does not fit.
std::optional<qint32> wholeNumber(const QString& text) {
    const std::optional<double> number = basic::parseNumeric(text);
    if (!number) return std::nullopt;
    bool ok = false;
    const qint32 whole = basic::CLng(*number, &ok);
    if (!ok) return std::nullopt;
    return whole;
}

// A packed time within 0 .. 23:59'59.999 (the clock setting checks its digits).
bool isTimeOfDayValue(const std::optional<qint32>& time) {
    return time && *time >= 0 && *time <= kLastTimeOfDay;
}

}  // namespace

QString OrarioDaTesto(const QString& payload, const Clock& clock, SystemClockSetter& setter) {
    std::vector<QStringView> values;
    if (!firstSectionValues(payload, values) || values.empty()) return QString();
    const std::optional<double> number = basic::parseNumeric(values[0].toString());
    if (!number || !std::isfinite(*number)) return QString();
    // A value that is no time of day is refused as such, not cut to its last nine digits.
    bool fits = false;
    const qint32 whole = basic::CLng(*number, &fits);
    if (!fits || !isTimeOfDayValue(whole)) return kClockNotSetText;
    const std::optional<qint32> time = wholeNumber(FormattaConZeri(whole, 9, false));
    if (!time) return QString();
    QString message;
    ImpostaOrarioComputer(*time, message, clock, setter);
    return message;
}

SessionKeyReply ChiaveSessioneDaTesto(const QString& payload, qint16& race, QString& turnType, qint16& run,
                                      const Clock& clock, SystemClockSetter& setter) {
    constexpr std::size_t kValuesRead = 4;
    std::vector<QStringView> values;
    if (!firstSectionValues(payload, values) || values.size() < kValuesRead) return SessionKeyReply::Ignored;
    const std::optional<qint32> time = wholeNumber(basic::Trim(values[0].toString()));
    // The clock is set before the key is written; a time that is no time of day is refused on its
    // own, and the key it came with is still the session.
    const bool timeUsable = isTimeOfDayValue(time);
    if (timeUsable) {
        QString unused;
        ImpostaOrarioComputer(*time, unused, clock, setter);
    }
    race = integerValue(values[1]);
    turnType = textValue(values[2]);
    run = integerValue(values[3]);
    return timeUsable ? SessionKeyReply::Read : SessionKeyReply::TimeUnusable;
}

}  // namespace razudar
