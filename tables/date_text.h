#pragma once
// Dates typed into table fields: reading a text as a date and the date-time field form.
#include <QDateTime>
#include <QString>

#include <optional>

namespace razudar::tables {

// Two-digit years read without a current year take a fixed century window: 00-49 are
// 2000-2049, 50-99 are 1950-1999 (so "05/03/26" is 5 March 2026 and "01/01/75" 1 January 1975).
inline constexpr int kTwoDigitYearPivot = 50;

// Two-digit years typed by the operator take a window anchored to the current year: a year up
// to kYearsAhead after it falls in its century, any other in the century before (in 2026,
// "46" is 2046 and "47" is 1947), so dates of birth and race dates both read as meant.
inline constexpr int kYearsAhead = 20;
int fullYearFromTwoDigits(int twoDigitYear, int currentYear);

// The date of a typed text, or nullopt when the text is no date. Accepted forms: day/month/year
// (separators "/", "-" or "."; a two- or four-digit year), optionally followed by a blank and a
// time "hh.nn", "hh:nn" or "hh:nn:ss"; and ISO "yyyy-MM-dd" with an optional "Thh:mm:ss".
// With `currentYear` a two-digit year takes the window anchored to it, otherwise the fixed one.
std::optional<QDateTime> parseDateText(const QString& text, std::optional<int> currentYear = std::nullopt);

// "dd/mm/yy hh.nn", the text of a date-time field.
QString dateTimeFieldText(const QDateTime& value);

// The mask of date-time fields and the position of each of its five two-character parts.
inline constexpr char16_t kDateTimeMask[] = u"##/##/## ##.##";
inline constexpr char16_t kDateMask[] = u"##-##-####";

}  // namespace razudar::tables
