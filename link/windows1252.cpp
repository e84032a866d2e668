#include "link/windows1252.h"

#include <array>
#include <bit>

#if defined(__SSE2__)
#include <immintrin.h>
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define RAZUDAR_LINK_AVX2 1
#endif
#endif

namespace razudar::link {

namespace {

// Characters of the bytes 0x80..0x9F; the undefined ones keep their own value. Every other
// byte is the Latin-1 character of the same value.
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

// The vector loops below turn whole blocks of this many bytes or characters at a time; what is
// left over goes one by one. Read as signed, the bytes 0x80..0x9F are exactly those below
// 0xA0 (-96), so one compare finds them.
constexpr qsizetype kBlock = 32;

#if defined(__SSE2__)
__m128i highControlsOf(__m128i bytes) {
    return _mm_cmpgt_epi8(_mm_set1_epi8(static_cast<char>(0xA0)), bytes);
}

// Widens every whole block as Latin-1; true when some byte of them lies in 0x80..0x9F.
bool widenBlocksSse2(const unsigned char* src, char16_t* dst, qsizetype blocks) {
    const __m128i zero = _mm_setzero_si128();
    __m128i seen = zero;
    for (qsizetype i = 0; i < blocks * kBlock; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        seen = _mm_or_si128(seen, highControlsOf(v));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 8), _mm_unpackhi_epi8(v, zero));
    }
    return _mm_movemask_epi8(seen) != 0;
}

// Narrows whole blocks while every character of a block is Latin-1 outside 0x80..0x9F; returns
// the characters done (the next block, if any, needs the table).
qsizetype narrowBlocksSse2(const char16_t* src, char* dst, qsizetype size) {
    const __m128i highByte = _mm_set1_epi16(static_cast<short>(0xFF00));
    qsizetype i = 0;
    for (; i + kBlock <= size; i += kBlock) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 8));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 16));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 24));
        const __m128i wide = _mm_and_si128(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d)), highByte);
        const __m128i low1 = _mm_packus_epi16(a, b);
        const __m128i low2 = _mm_packus_epi16(c, d);
        const __m128i bad =
            _mm_or_si128(wide, _mm_or_si128(highControlsOf(low1), highControlsOf(low2)));
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(bad, _mm_setzero_si128())) != 0xFFFF) break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), low1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 16), low2);
    }
    return i;
}
#endif

#if defined(RAZUDAR_LINK_AVX2)
// The same two loops, twice as wide, for processors that have AVX2 (checked at run time).
__attribute__((target("avx2"))) bool widenBlocksAvx2(const unsigned char* src, char16_t* dst,
                                                     qsizetype blocks) {
    const __m256i limit = _mm256_set1_epi8(static_cast<char>(0xA0));
    __m256i seen = _mm256_setzero_si256();
    for (qsizetype i = 0; i < blocks * kBlock; i += kBlock) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        seen = _mm256_or_si256(seen, _mm256_cmpgt_epi8(limit, v));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i),
                            _mm256_cvtepu8_epi16(_mm256_castsi256_si128(v)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i + 16),
                            _mm256_cvtepu8_epi16(_mm256_extracti128_si256(v, 1)));
    }
    return !_mm256_testz_si256(seen, seen);
}

__attribute__((target("avx2"))) qsizetype narrowBlocksAvx2(const char16_t* src, char* dst,
                                                           qsizetype size) {
    const __m256i highByte = _mm256_set1_epi16(static_cast<short>(0xFF00));
    const __m256i limit = _mm256_set1_epi8(static_cast<char>(0xA0));
    qsizetype i = 0;
    for (; i + kBlock <= size; i += kBlock) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i + 16));
        // The pack works per 128-bit lane: put the four quarters back in order.
        const __m256i low = _mm256_permute4x64_epi64(_mm256_packus_epi16(a, b), 0xD8);
        const __m256i bad = _mm256_or_si256(_mm256_and_si256(_mm256_or_si256(a, b), highByte),
                                            _mm256_cmpgt_epi8(limit, low));
        if (!_mm256_testz_si256(bad, bad)) break;
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), low);
    }
    return i;
}

#endif

// Widens the whole blocks of `size` bytes as Latin-1; returns the bytes done, and whether one
// of them lies in 0x80..0x9F.
qsizetype widenBlocks([[maybe_unused]] const unsigned char* src, [[maybe_unused]] char16_t* dst,
                      qsizetype size, bool* special, CodecLoops loops) {
    const qsizetype blocks = size / kBlock;
    switch (loops) {
#if defined(RAZUDAR_LINK_AVX2)
    case CodecLoops::Avx2: *special = widenBlocksAvx2(src, dst, blocks); return blocks * kBlock;
#endif
#if defined(__SSE2__)
    case CodecLoops::Sse2: *special = widenBlocksSse2(src, dst, blocks); return blocks * kBlock;
#endif
    default: *special = false; return 0;
    }
}

// Puts the code page's own characters where the bytes 0x80..0x9F were widened as Latin-1.
void patchHighControls(const unsigned char* src, char16_t* dst, qsizetype size) {
    qsizetype i = 0;
#if defined(__SSE2__)
    for (; i + 16 <= size; i += 16) {
        auto found = static_cast<unsigned>(_mm_movemask_epi8(
            highControlsOf(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i)))));
        for (; found != 0; found &= found - 1) {
            const qsizetype at = i + std::countr_zero(found);
            dst[at] = kHighControls[src[at] - 0x80u];
        }
    }
#endif
    for (; i < size; ++i) dst[i] = charFor(src[i]);
}

qsizetype narrowBlocks([[maybe_unused]] const char16_t* src, [[maybe_unused]] char* dst,
                       [[maybe_unused]] qsizetype size, CodecLoops loops) {
    switch (loops) {
#if defined(RAZUDAR_LINK_AVX2)
    case CodecLoops::Avx2: return narrowBlocksAvx2(src, dst, size);
#endif
#if defined(__SSE2__)
    case CodecLoops::Sse2: return narrowBlocksSse2(src, dst, size);
#endif
    default: return 0;
    }
}

CodecLoops fastestLoops() {
#if defined(RAZUDAR_LINK_AVX2)
    if (__builtin_cpu_supports("avx2")) return CodecLoops::Avx2;
#endif
#if defined(__SSE2__)
    return CodecLoops::Sse2;
#else
    return CodecLoops::Plain;
#endif
}

// Storage kept for the next text even when it is much larger than this one needs.
constexpr qsizetype kKeptCapacityChars = 4096;

void decodeBytes(QByteArrayView bytes, char16_t* dst, CodecLoops loops) {
    const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    // Most texts hold no byte in 0x80..0x9F: widen everything as Latin-1 in one pass and go
    // back only to the blocks that do.
    bool special = false;
    const qsizetype widened = widenBlocks(src, dst, size, &special, loops);
    if (special) patchHighControls(src, dst, widened);
    for (qsizetype i = widened; i < size; ++i) dst[i] = charFor(src[i]);
}

void decodeWith(std::span<const QByteArrayView> pieces, QString& into, CodecLoops loops) {
    qsizetype size = 0;
    for (const QByteArrayView piece : pieces) size += piece.size();
    const qsizetype capacity = into.capacity();
    if (into.isDetached() && capacity >= size && capacity <= 2 * size + kKeptCapacityChars)
        into.resize(size);  // no one else holds it: write over it in place
    else
        into = QString(size, Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(into.data());
    for (const QByteArrayView piece : pieces) {
        decodeBytes(piece, dst, loops);
        dst += piece.size();
    }
}

void appendWith(QByteArray& out, QStringView text, CodecLoops loops) {
    const qsizetype start = out.size();
    const qsizetype size = text.size();
    out.resize(start + size);
    char* dst = out.data() + start;
    const char16_t* src = text.utf16();
    qsizetype n = 0;
    qsizetype i = 0;
    while (i < size) {
        // Plain Latin-1 blocks go whole (the output may lag behind the input: a surrogate
        // pair gives one byte for two characters).
        const qsizetype done = narrowBlocks(src + i, dst + n, size - i, loops);
        i += done;
        n += done;
        // The block that stopped the fast loop, or what is left, goes through the table.
        for (const qsizetype end = qMin(size, i + kBlock); i < end;) {
            const char16_t c = src[i];
            if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(src[i + 1])) {
                dst[n++] = '?';  // one character outside the code page
                i += 2;
            } else {
                dst[n++] = byteFor(c);
                ++i;
            }
        }
    }
    out.resize(start + n);
}

}  // namespace

bool codecLoopsAvailable(CodecLoops loops) {
    switch (loops) {
    case CodecLoops::Plain: return true;
    case CodecLoops::Sse2: return fastestLoops() != CodecLoops::Plain;
    case CodecLoops::Avx2: return fastestLoops() == CodecLoops::Avx2;
    }
    return false;
}

void decodeWindows1252(std::span<const QByteArrayView> pieces, QString& into) {
    decodeWith(pieces, into, fastestLoops());
}

void decodeWindows1252(std::span<const QByteArrayView> pieces, QString& into, CodecLoops loops) {
    decodeWith(pieces, into, codecLoopsAvailable(loops) ? loops : fastestLoops());
}

void decodeWindows1252(QByteArrayView bytes, QString& into) {
    decodeWindows1252(std::span<const QByteArrayView>(&bytes, 1), into);
}

QString decodeWindows1252(std::span<const QByteArrayView> pieces) {
    QString text;
    decodeWindows1252(pieces, text);
    return text;
}

QString decodeWindows1252(QByteArrayView bytes) {
    return decodeWindows1252(std::span<const QByteArrayView>(&bytes, 1));
}

void appendWindows1252(QByteArray& out, QStringView text) {
    appendWith(out, text, fastestLoops());
}

void appendWindows1252(QByteArray& out, QStringView text, CodecLoops loops) {
    appendWith(out, text, codecLoopsAvailable(loops) ? loops : fastestLoops());
}

}  // namespace razudar::link
