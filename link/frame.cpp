#include "link/frame.h"

#include "link/windows1252.h"

namespace razudar::link {

std::optional<QByteArray> buildFrame(QStringView text) {
    // Every character gives at most one byte and a surrogate pair one byte for two, so a text
    // of more than twice the maximum cannot fit whatever it holds.
    if (text.size() > 2 * kMaxFrameTextBytes) return std::nullopt;
    QByteArray frame;
    frame.reserve(kFrameHeaderBytes + text.size());
    frame.append("%%000000", kFrameHeaderBytes);
    appendWindows1252(frame, text);
    qsizetype count = frame.size() - kFrameHeaderBytes;
    if (count > kMaxFrameTextBytes) return std::nullopt;
    for (qsizetype i = kFrameHeaderBytes - 1; i >= 2; --i) {
        frame[i] = static_cast<char>('0' + count % 10);
        count /= 10;
    }
    return frame;
}

}  // namespace razudar::link
