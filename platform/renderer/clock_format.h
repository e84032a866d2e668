#pragma once
#include <QString>
#include <QtGlobal>

#include <optional>

namespace razudar::renderer {

// The running-clock format notation: groups "hh", "mm", "ss" separated by ":", then optionally
// ":d" (tenths), ":dc" (hundredths) or ":dcm" (thousandths), optionally preceded by "nz ".
// Examples: "nz hh:mm:ss", "hh:mm:ss:dc", "nz mm:ss:d".
// - The groups shown run from the largest in the format down to the smallest; the largest one
//   takes everything above it (65 minutes with "mm:ss" show as "65:00").
// - The fraction is shown after a "." and is truncated, never rounded.
// - "nz" (no zeros) drops the leading groups that are zero and the leading zero of the first
//   group shown; the seconds (or the smallest group) always show: 0 -> "0.00", 5320 -> "5.32",
//   83450 -> "1:23.45".
// - A negative time shows "-"; with `showPlusSign` a positive one shows "+". A time whose
//   shown digits are all zero shows no "-".
struct ClockFormat {
    bool noLeadingZeros = false;
    bool hours = false;
    bool minutes = false;
    bool seconds = false;
    int fractionDigits = 0;  // 0 .. 3
};

// Parses a format; empty optional for a text that is not a format. The empty text is not a
// format (callers choose their default).
std::optional<ClockFormat> parseClockFormat(const QString& format);
// The text of `ms` in `format`.
QString formatClockTime(qint64 ms, const ClockFormat& format, bool showPlusSign);
// The format used when a clock has neither a run nor a stop format.
QString defaultClockFormat();

}  // namespace razudar::renderer
