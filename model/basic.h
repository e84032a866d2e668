#pragma once
// The numeric and text rules the race system's data and texts were made with: 16-bit Integer and
// 32-bit Long ranges, banker's rounding, floor Int, lenient Val and strict IsNumeric, spaces-only
// trimming, 1-based character positions, digit pictures and ordinal comparison. Use these
// instead of ad hoc conversions so every module reads and writes values the same way.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

#include <concepts>
#include <limits>
#include <optional>
#include <stdexcept>
#include <type_traits>

namespace razudar::basic {

constexpr qint64 kIntegerMin = -32768;
constexpr qint64 kIntegerMax = 32767;
constexpr qint64 kLongMin = -2147483647LL - 1;
constexpr qint64 kLongMax = 2147483647LL;

// Raised where a value cannot be converted at all (a truth value that is neither True, False
// nor a number); callers decide how to report it.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// Raised by the require* narrowings: a value does not fit the 16- or 32-bit range.
class OverflowError : public std::overflow_error {
public:
    explicit OverflowError(const char* what) : std::overflow_error(what) {}
};

// ---- ranges and checked narrowing --------------------------------------------------------
bool fitsInteger(qint64 value);
bool fitsLong(qint64 value);
template <std::integral T>
bool fitsInteger(T value) {
    if constexpr (std::is_unsigned_v<T>) return value <= T(kIntegerMax);
    else return fitsInteger(qint64(value));
}
template <std::integral T>
bool fitsLong(T value) {
    if constexpr (std::is_unsigned_v<T>) return value <= T(kLongMax);
    else return fitsLong(qint64(value));
}
// The value as it is, without rounding, lies in the range (NaN never does).
bool fitsInteger(double value);
bool fitsLong(double value);
std::optional<qint16> toInteger(qint64 value);  // nullopt when out of range, never wrapped
std::optional<qint32> toLong(qint64 value);
// Narrowing that saturates at the range's end and sets *ok to false instead of wrapping.
qint16 narrowToInteger(qint64 value, bool* ok = nullptr);
qint32 narrowToLong(qint64 value, bool* ok = nullptr);
// Narrowing that throws OverflowError (run-time error 6, "Overflow") instead of wrapping.
qint16 requireInteger(qint64 value);
qint32 requireLong(qint64 value);

// ---- numeric conversions ------------------------------------------------------------------
// Round half to even ("banker's rounding"): 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
double roundHalfEven(double value);
// CInt / CLng: rounded half to even; out of range (or NaN) saturates and sets *ok to false.
qint16 CInt(double value, bool* ok = nullptr);
qint32 CLng(double value, bool* ok = nullptr);
double Int(double value);  // floor: Int(-2.5) = -3
double Fix(double value);  // towards zero: Fix(-2.5) = -2

// Val: skips leading blanks (space, tab, line feed, carriage return), reads an optional sign, digits, one "." and an exponent
// (E or D, optional sign, digits) and stops at the first character that cannot continue the
// number. Nothing readable gives 0; a number too large for a double gives +/-infinity.
double Val(const QString& text);
// Strict, locale-independent numeric grammar: optional spaces, optional sign, digits with at
// most one "." (at least one digit), optional exponent E[+|-]digits, optional spaces.
bool IsNumeric(const QString& text);
// The number of a text accepted by IsNumeric; nullopt otherwise.
std::optional<double> parseNumeric(const QString& text);
// Truth value of a text: "True"/"False" (any case, spaces trimmed) or a number (0 is false).
// Anything else sets *ok to false and gives false.
bool CBool(const QString& text, bool* ok = nullptr);

// Number as a text: integers without a point, others with up to 15
// significant digits and "." as the decimal point ("2.5", "-0.125", "1E+20").
QString numberText(double value);
// Text of a value: texts as they are, numbers as numberText, booleans "True"/"False",
// null/invalid as the empty text, anything else as QVariant::toString.
QString CStr(const QVariant& value);
// A value's number: numbers as they are, booleans True = -1, texts by IsNumeric (else nullopt).
std::optional<double> numberOf(const QVariant& value);
// True for null/invalid values and for an empty text ("a value never set").
bool isEmptyValue(const QVariant& value);

// ---- texts --------------------------------------------------------------------------------
QString Trim(const QString& text);   // removes spaces (U+0020) only
QString LTrim(const QString& text);
QString RTrim(const QString& text);
QString Left(const QString& text, qsizetype count);   // count < 0 gives ""
QString Right(const QString& text, qsizetype count);
// 1-based start; length < 0 means "to the end". A start past the end gives "".
QString Mid(const QString& text, qsizetype start1, qsizetype length = -1);
// 1-based position of `find` in `text` from position start1 (below 1 counts as 1), 0 when
// absent. An empty text gives 0; an empty `find` gives start1 when start1 lies in the text.
qsizetype InStr(const QString& text, const QString& find, qsizetype start1 = 1);
QString Space(qsizetype count);
QString UCase(const QString& text);  // per character, length kept (no "ß" -> "SS")
QString LCase(const QString& text);
QStringList Split(const QString& text, const QString& separator);  // "" gives no pieces
QString Replace(const QString& text, const QString& find, const QString& replacement);
// Ordinal comparison by UTF-16 code unit: -1, 0 or 1.
int StrCompBinary(const QString& a, const QString& b);

// Digit pictures: "0" is one digit (leading zeros added, more digits when the number needs
// them, the extra ones before the first placeholder), "\x" is the literal x, an unescaped
// "." starts the decimal placeholders, every other character (also "#" and ",") is a literal.
// The number is rounded half away from zero to the picture's decimals; a negative number gets
// a leading "-". An empty picture writes the number as numberText does.
// Examples: Format(12345678, "00:00'00\.000") = "01:23'45.678", Format(7, "00-") = "07-",
// Format(1234567890, "00:00'00\.000") = "123:45'67.890".
QString Format(double value, const QString& picture);
QString Format(qint64 value, const QString& picture);
template <std::integral T>
QString Format(T value, const QString& picture) {
    if constexpr (std::is_unsigned_v<T>)
        if (value > T(std::numeric_limits<qint64>::max())) return Format(double(value), picture);
    return Format(qint64(value), picture);
}

}  // namespace razudar::basic
