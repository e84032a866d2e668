#include "model/race_times.h"

#include <cmath>

#include "model/basic.h"
#include "platform/services/clock.h"

namespace razudar {

namespace {

constexpr qint64 kMsPerHour = 3600000;
constexpr qint64 kMsPerMinute = 60000;
constexpr qint64 kSecondsPerDay = 86400;
// 214:59'59.999, the largest packed time that fits 32 bits.
constexpr qint64 kLargestPacked = 2145959999;

// Milliseconds of the nine-digit packed magnitude hhmmssttt; no field is validated.
qint32 packedNineDigitsToMs(qint64 nineDigits) {
    const qint64 hours = nineDigits / 10000000;
    const qint64 minutes = (nineDigits / 100000) % 100;
    const qint64 thousandths = nineDigits % 100000;  // seconds x 1,000 + thousandths
    return qint32(hours * kMsPerHour + minutes * kMsPerMinute + thousandths);
}

// A magnitude of ten or more digits is read from its first nine digits.
qint64 firstNineDigits(quint64 magnitude) {
    while (magnitude >= 1000000000ULL) magnitude /= 10;
    return qint64(magnitude);
}

}  // namespace

qint32 TempoInMillesimi(qint64 packed) {
    if (packed == 0) return 0;
    const bool negative = packed < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(packed) : quint64(packed);
    const qint32 ms = packedNineDigitsToMs(firstNineDigits(magnitude));
    return negative ? -ms : ms;
}

qint32 TempoInMillesimi(const QVariant& value) {
    const auto number = basic::numberOf(value);
    return number ? TempoInMillesimi(*number) : 0;
}

qint32 TempoInMillesimi(double packed) {
    if (!std::isfinite(packed) || packed == 0.0) return 0;
    // The number is written as a whole number first, rounding halves away from zero.
    const double magnitude = std::floor(std::fabs(packed) + 0.5);
    const bool negative = packed < 0;
    qint64 nineDigits = 0;
    if (magnitude < 1e18) {
        nineDigits = firstNineDigits(quint64(magnitude));
    } else {
        nineDigits = QString::number(magnitude, 'f', 0).left(9).toLongLong();
    }
    const qint32 ms = packedNineDigitsToMs(nineDigits);
    return negative ? -ms : ms;
}

qint32 MillesimiInTempo(qint64 milliseconds, bool dropThousandths) {
    if (milliseconds == 0) return 0;
    // Beyond 214:59'59.999 the result saturates; clamping first keeps the arithmetic in range.
    const qint64 a = milliseconds < 0 ? (milliseconds < -kLargestPacked ? kLargestPacked : -milliseconds)
                                      : qMin(milliseconds, kLargestPacked);
    const qint64 hours = a / kMsPerHour;
    const qint64 rest = a - hours * kMsPerHour;
    const qint64 minutes = rest / kMsPerMinute;
    qint64 packed = hours * 10000000 + minutes * 100000 + (rest - minutes * kMsPerMinute);
    if (packed > kLargestPacked) packed = kLargestPacked;
    if (dropThousandths) {
        qint64 whole = packed / 1000;
        const qint64 remainder = packed % 1000;
        if (remainder > 500 || (remainder == 500 && whole % 2 != 0)) ++whole;
        packed = whole;
    }
    return qint32(milliseconds < 0 ? -packed : packed);
}

QString FormattaTempo(qint64 value, int width, bool trim, bool sign, int decimals, bool blankIfZero) {
    QString text;
    if (blankIfZero && value == 0) {
        text = basic::Space(width);
    } else {
        text = basic::Right(basic::Format(value, QStringLiteral("00:00'00\\.000")), width);
        // Leading zeros and separators become blanks; seconds, point and thousandths stay.
        for (qsizetype i = 0; i < text.size() - 5; ++i) {
            const QChar c = text[i];
            if (c != QLatin1Char('0') && c != QLatin1Char(':') && c != QLatin1Char('\'')) break;
            text[i] = QLatin1Char(' ');
        }
        if (decimals == 0)
            text = basic::Left(text, text.size() - 4);
        else if (decimals == 1 || decimals == 2)
            text = basic::Left(text, text.size() - (3 - decimals));
    }
    if (trim) text = basic::Trim(text);
    if (sign) {
        if (value > 0) text.prepend(QLatin1Char('+'));
        else if (value < 0) text.prepend(QLatin1Char('-'));
    }
    return text;
}

QString TempoInStringa(qint32 time, int width, bool zeroIsNoTime, bool trim, bool sign, int decimals,
                       bool alreadyPacked) {
    if (time == kMissingTimeMs || (time == 0 && zeroIsNoTime))
        return trim ? QString() : basic::Space(width);
    const qint32 packed = alreadyPacked ? time : MillesimiInTempo(time);
    return FormattaTempo(packed, width, trim, sign, decimals, false);
}

QVariant ConvertiRisoluzione(bool cut, const QVariant& value, int resolution) {
    const QString text = basic::Trim(basic::CStr(value));
    if (!cut) return QVariant(basic::Val(text) * std::pow(10.0, resolution));
    if (resolution < 1 || resolution > 4) return QVariant(text);
    const int dropped = resolution == 1 ? 4 : 4 - resolution;
    if (text.size() > dropped) return QVariant(basic::Left(text, text.size() - dropped));
    return QVariant(text);
}

qint32 TroncaRisoluzione(qint32 value, int resolution) {
    if (resolution < 1 || resolution >= 4) return value;
    qint64 magnitude = value < 0 ? -qint64(value) : qint64(value);
    qint64 unit = 1;
    for (int i = 0; i < 4 - resolution; ++i) unit *= 10;
    magnitude -= magnitude % unit;
    return qint32(value < 0 ? -magnitude : magnitude);
}

double OraTimer(double reference, const Clock& clock) {
    double seconds = clock.secondsSinceMidnight();
    if (reference > seconds) seconds += double(kSecondsPerDay);
    return seconds;
}

}  // namespace razudar
