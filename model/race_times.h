#pragma once
// Race times. Every time of day and every duration is one signed 32-bit packed decimal
// hhmmssttt (hours x 10,000,000 + minutes x 100,000 + seconds x 1,000 + thousandths); arithmetic
// is done in milliseconds. Resolutions: 1 whole seconds, 2 tenths, 3 hundredths, 4 thousandths.
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <concepts>
#include <limits>
#include <type_traits>

namespace razudar {

class Clock;

using OrarioCompatto = qint32;

// Milliseconds shown as a missing time (99 hours): TempoInStringa writes blanks for it.
constexpr qint32 kMissingTimeMs = 356400000;
// Packed 24:00'00.000: a missing time inside sort keys and gaps.
constexpr qint32 kMissingTimePacked = 240000000;
// What a gap by position answers when either time is missing: kMissingTimePacked read as
// milliseconds and packed again (66:40'00.000).
constexpr qint32 kNoGapPacked = 664000000;

// Milliseconds of a packed time. A value of ten or more digits is read from its first nine.
qint32 TempoInMillesimi(qint64 packed);
// A fractional value is first rounded to a whole number, halves away from zero.
qint32 TempoInMillesimi(double packed);
template <std::integral T>
qint32 TempoInMillesimi(T packed) {
    if constexpr (std::is_unsigned_v<T>)
        if (packed > T(std::numeric_limits<qint64>::max())) return TempoInMillesimi(double(packed));
    return TempoInMillesimi(qint64(packed));
}
// The same for a number or its decimal text; null, empty or non-numeric text counts as 0.
qint32 TempoInMillesimi(const QVariant& value);

// Packed form of a millisecond count; with dropThousandths the result is hhmmss, rounded half
// to even. Counts of 215 hours or more saturate at +/-2,145,959,999 (214:59'59.999).
qint32 MillesimiInTempo(qint64 milliseconds, bool dropThousandths = false);

// Text of a packed time: "00:00'00\.000" picture, last `width` characters, leading zeros
// blanked, cut to `decimals` (0..2; other values keep three), optionally trimmed and signed.
QString FormattaTempo(qint64 value, int width, bool trim, bool sign, int decimals = 3,
                      bool blankIfZero = false);

// Text of a time in milliseconds (or already packed): blanks (or "" when trimmed) for the
// missing time kMissingTimeMs, and for 0 when zeroIsNoTime.
QString TempoInStringa(qint32 time, int width, bool zeroIsNoTime, bool trim, bool sign,
                       int decimals = 3, bool alreadyPacked = false);

// cut: the trimmed text of `value` without its last w characters (w = 4 at resolution 1, else
// 4 - resolution) as a QString; otherwise Val(value) x 10^resolution as a double.
// Resolutions outside 1..4 cut nothing.
QVariant ConvertiRisoluzione(bool cut, const QVariant& value, int resolution);

// A time (milliseconds or packed) truncated, never rounded, to the resolution: the magnitude is
// truncated and the sign kept. Every leading digit is kept too: a value of ten digits (100 hours
// packed, over 277 hours in milliseconds) is not cut down to its last nine, which would turn it into
// an unrelated short time. Resolutions outside 1..4 leave the value unchanged.
qint32 TroncaRisoluzione(qint32 value, int resolution);

// Seconds since midnight read from `clock`, plus 86,400 when the reading is below `reference`
// (the reading was taken after midnight, the reference before it).
double OraTimer(double reference, const Clock& clock);

}  // namespace razudar
