#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace razudar::link {

// The link carries one byte per character in the Windows-1252 code page (the timekeeping
// application's code page), so accented names and the euro sign survive the trip.

// Every byte decodes to one character; the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the control characters of the same value.
QString decodeWindows1252(QByteArrayView bytes);

// Appends the encoding of `text` to `out`, one byte per character. A character the code page
// cannot hold becomes "?" (a surrogate pair is one character and gives one "?").
void appendWindows1252(QByteArray& out, QStringView text);

inline QByteArray encodeWindows1252(QStringView text) {
    QByteArray out;
    appendWindows1252(out, text);
    return out;
}

}  // namespace razudar::link
