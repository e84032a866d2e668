// The running-clock formats of page files on arbitrary text and times: a format is refused or
// read; a format read shows any time as a short text, with "-" only for a negative time.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/renderer/clock_format.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first 8 bytes are the time, the 9th the sign option, the rest the format.
    qint64 ms = 0;
    bool plus = false;
    if (size >= 9) {
        std::memcpy(&ms, data, sizeof ms);
        plus = (data[8] & 1) != 0;
        data += 9;
        size -= 9;
    }
    const QString format = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto parsed = razudar::renderer::parseClockFormat(format);
    if (!parsed) return 0;
    require(parsed->fractionDigits >= 0 && parsed->fractionDigits <= 3);
    const qint64 opposite = ms == std::numeric_limits<qint64>::min() ? 0 : -ms;
    for (const qint64 t : {ms, opposite, qint64(0), qint64(83450)}) {
        const QString shown = razudar::renderer::formatClockTime(t, *parsed, plus);
        require(!shown.isEmpty() && shown.size() <= 32);
        if (t >= 0) require(!shown.startsWith(u'-'));
        if (t == 0) require(!shown.contains(u'-'));
    }
    return 0;
}
