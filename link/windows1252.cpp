#include "link/windows1252.h"

#include <array>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace razudar::link {

namespace {

// Characters of the bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The bytes where the code page differs from Latin-1.
bool isHighControlByte(unsigned char b) { return (b & 0xE0u) == 0x80u; }

char byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

char16_t charFor(unsigned char b) {
    return isHighControlByte(b) ? kHighControls[b - 0x80u] : char16_t(b);
}

#ifdef __SSE2__
// Sixteen bytes to sixteen characters at once when none of them lies in 0x80..0x9F (where the
// code page equals Latin-1). False, with nothing written, otherwise.
bool widenSixteen(const unsigned char* src, char16_t* dst) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
    const __m128i c1 = _mm_cmpeq_epi8(_mm_and_si128(v, _mm_set1_epi8(static_cast<char>(0xE0))),
                                      _mm_set1_epi8(static_cast<char>(0x80)));
    if (_mm_movemask_epi8(c1) != 0) return false;
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_unpacklo_epi8(v, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 8), _mm_unpackhi_epi8(v, zero));
    return true;
}

// Sixteen characters to sixteen bytes at once when all of them are Latin-1 outside
// 0x80..0x9F. False, with nothing written, otherwise.
bool narrowSixteen(const char16_t* src, char* dst) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 8));
    const __m128i zero = _mm_setzero_si128();
    const __m128i high = _mm_packus_epi16(_mm_srli_epi16(a, 8), _mm_srli_epi16(b, 8));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(high, zero)) != 0xFFFF) return false;
    const __m128i low = _mm_packus_epi16(a, b);
    const __m128i c1 = _mm_cmpeq_epi8(_mm_and_si128(low, _mm_set1_epi8(static_cast<char>(0xE0))),
                                      _mm_set1_epi8(static_cast<char>(0x80)));
    if (_mm_movemask_epi8(c1) != 0) return false;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), low);
    return true;
}
#endif

}  // namespace

QString decodeWindows1252(QByteArrayView bytes) {
    const qsizetype size = bytes.size();
    QString text(size, Qt::Uninitialized);
    const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
    char16_t* dst = reinterpret_cast<char16_t*>(text.data());
    qsizetype i = 0;
#ifdef __SSE2__
    while (i + 16 <= size) {
        if (widenSixteen(src + i, dst + i)) {
            i += 16;
            continue;
        }
        for (const qsizetype end = i + 16; i < end; ++i) dst[i] = charFor(src[i]);
    }
#endif
    for (; i < size; ++i) dst[i] = charFor(src[i]);
    return text;
}

void appendWindows1252(QByteArray& out, QStringView text) {
    const qsizetype start = out.size();
    const qsizetype size = text.size();
    out.resize(start + size);
    char* dst = out.data() + start;
    const char16_t* src = text.utf16();
    qsizetype n = 0;
    qsizetype i = 0;
    while (i < size) {
#ifdef __SSE2__
        if (i + 16 <= size && narrowSixteen(src + i, dst + n)) {
            i += 16;
            n += 16;
            continue;
        }
#endif
        const char16_t c = src[i];
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(src[i + 1])) {
            dst[n++] = '?';  // one character outside the code page
            i += 2;
        } else {
            dst[n++] = byteFor(c);
            ++i;
        }
    }
    out.resize(start + n);
}

}  // namespace razudar::link
