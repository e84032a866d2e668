#pragma once
#include <QByteArray>
#include <QStringView>

#include <optional>

namespace razudar::link {

// One text on the link (TramaTesto): "%%", the text's length in bytes as six zero-padded
// decimal digits, then the text in Windows-1252. No terminator and no escaping: only the count
// delimits the text, which may itself hold "%%".
inline constexpr qsizetype kFrameHeaderBytes = 8;
inline constexpr qsizetype kMaxFrameTextBytes = 999999;

// The whole frame of `text`, ready for one send; nothing when the encoded text is longer than
// six digits can count (the count would be cut and the peer would lose the stream).
std::optional<QByteArray> buildFrame(QStringView text);

}  // namespace razudar::link
