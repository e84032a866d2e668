#include "platform/db/text_folding.h"

#include <QByteArray>
#include <QChar>

#include <sqlite3.h>

#include <optional>
#include <vector>

namespace razudar::db {

namespace {

// Reads UTF-8 one character at a time, each case-folded, without copying the text: LIKE and the
// collation run once per row. A byte that starts no valid character reads as U+FFFD.
class FoldedReader {
public:
    FoldedReader(const void* data, int size)
        : at_(static_cast<const unsigned char*>(data)), end_(at_ + (data ? size : 0)) {}
    bool atEnd() const { return at_ >= end_; }
    const unsigned char* position() const { return at_; }
    void seek(const unsigned char* position) { at_ = position; }

    char32_t next() {
        const unsigned char lead = *at_++;
        if (lead < 0x80) return lead >= 'A' && lead <= 'Z' ? char32_t(lead - 'A' + 'a') : char32_t(lead);
        int more = 0;
        char32_t code = 0;
        char32_t least = 0;
        if ((lead & 0xE0) == 0xC0) {
            more = 1, code = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            more = 2, code = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            more = 3, code = lead & 0x07, least = 0x10000;
        } else {
            return U'\uFFFD';
        }
        const unsigned char* p = at_;
        for (int i = 0; i < more; ++i, ++p) {
            if (p >= end_ || (*p & 0xC0) != 0x80) return U'\uFFFD';
            code = (code << 6) | (*p & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return U'\uFFFD';
        at_ = p;
        return QChar::toCaseFolded(code);
    }

private:
    const unsigned char* at_;
    const unsigned char* end_;
};

int compareFoldedUtf8(const void* a, int sizeA, const void* b, int sizeB) {
    FoldedReader x(a, sizeA);
    FoldedReader y(b, sizeB);
    while (!x.atEnd() && !y.atEnd()) {
        const char32_t cx = x.next();
        const char32_t cy = y.next();
        if (cx != cy) return cx < cy ? -1 : 1;
    }
    if (x.atEnd() && y.atEnd()) return 0;
    return x.atEnd() ? -1 : 1;
}

// One element of a LIKE pattern: a run of any characters, any one character, or a character.
struct PatternItem {
    enum class Kind { AnyRun, AnyOne, Char };
    Kind kind = Kind::Char;
    char32_t code = 0;
};

// The pattern's elements; nullopt when it ends in its escape character (which then matches
// nothing, as in SQLite's own LIKE).
using Pattern = std::optional<std::vector<PatternItem>>;

Pattern parsePattern(const void* data, int size, char32_t escape) {
    std::vector<PatternItem> items;
    FoldedReader r(data, size);
    while (!r.atEnd()) {
        const char32_t c = r.next();
        if (escape != 0 && c == escape) {
            if (r.atEnd()) return std::nullopt;
            items.push_back({PatternItem::Kind::Char, r.next()});
        } else if (c == U'%') {
            items.push_back({PatternItem::Kind::AnyRun, 0});
        } else if (c == U'_') {
            items.push_back({PatternItem::Kind::AnyOne, 0});
        } else {
            items.push_back({PatternItem::Kind::Char, c});
        }
    }
    return items;
}

// Wildcard matching that goes back only to the last "%" seen: time text x pattern at worst.
bool matches(const void* data, int size, const std::vector<PatternItem>& pattern) {
    constexpr size_t kNone = static_cast<size_t>(-1);
    FoldedReader text(data, size);
    size_t p = 0;
    size_t lastRun = kNone;
    const unsigned char* runFrom = nullptr;
    while (!text.atEnd()) {
        if (p < pattern.size() && pattern[p].kind == PatternItem::Kind::AnyRun) {
            lastRun = p++;
            runFrom = text.position();
            continue;
        }
        const char32_t c = text.next();
        if (p < pattern.size() && (pattern[p].kind == PatternItem::Kind::AnyOne || pattern[p].code == c)) {
            ++p;
        } else if (lastRun != kNone) {
            // The run takes one more character and the rest of the pattern is tried again.
            p = lastRun + 1;
            text.seek(runFrom);
            text.next();
            runFrom = text.position();
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p].kind == PatternItem::Kind::AnyRun) ++p;
    return p == pattern.size();
}

int collate(void*, int sizeA, const void* a, int sizeB, const void* b) { return compareFoldedUtf8(a, sizeA, b, sizeB); }

// The compiled pattern kept with the statement while its pattern argument stays the same.
struct CachedPattern {
    QByteArray text;
    char32_t escape = 0;
    Pattern pattern;
};

void freeCachedPattern(void* cached) { delete static_cast<CachedPattern*>(cached); }

// like(pattern, text[, escape]): what "text LIKE pattern [ESCAPE escape]" calls.
void like(sqlite3_context* context, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return;  // Null, as SQLite's own LIKE
    const char* patternText = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int patternSize = sqlite3_value_bytes(argv[0]);
    const int limit = sqlite3_limit(sqlite3_context_db_handle(context), SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1);
    if (patternSize > limit) {
        sqlite3_result_error(context, "LIKE or GLOB pattern too complex", -1);
        return;
    }
    char32_t escape = 0;
    if (argc == 3) {
        const unsigned char* given = sqlite3_value_text(argv[2]);
        FoldedReader r(given, sqlite3_value_bytes(argv[2]));
        escape = r.atEnd() ? 0 : r.next();
        if (escape == 0 || !r.atEnd()) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
    }
    const void* text = sqlite3_value_text(argv[1]);
    const int textSize = sqlite3_value_bytes(argv[1]);
    const auto* cached = static_cast<const CachedPattern*>(sqlite3_get_auxdata(context, 0));
    const QByteArrayView current(patternText, patternSize);
    if (cached && cached->escape == escape && cached->text == current) {
        sqlite3_result_int(context, cached->pattern && matches(text, textSize, *cached->pattern) ? 1 : 0);
        return;
    }
    Pattern pattern = parsePattern(patternText, patternSize, escape);
    sqlite3_result_int(context, pattern && matches(text, textSize, *pattern) ? 1 : 0);
    // Kept for the next rows while the pattern stays the same (SQLite may drop it at any time).
    sqlite3_set_auxdata(context, 0, new CachedPattern{current.toByteArray(), escape, std::move(pattern)},
                        freeCachedPattern);
}

}  // namespace

int registerTextFolding(sqlite3* handle) {
    int rc = sqlite3_create_collation_v2(handle, "CASEFOLD", SQLITE_UTF8, nullptr, collate, nullptr);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    if (rc == SQLITE_OK) rc = sqlite3_create_function_v2(handle, "like", 2, flags, nullptr, like, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_create_function_v2(handle, "like", 3, flags, nullptr, like, nullptr, nullptr, nullptr);
    return rc;
}

int compareFolded(const QString& a, const QString& b) {
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    return compareFoldedUtf8(x.constData(), int(x.size()), y.constData(), int(y.size()));
}

bool likeFolded(const QString& text, const QString& pattern, char32_t escape) {
    const QByteArray t = text.toUtf8();
    const QByteArray p = pattern.toUtf8();
    const Pattern items = parsePattern(p.constData(), int(p.size()), escape == 0 ? 0 : QChar::toCaseFolded(escape));
    return items && matches(t.constData(), int(t.size()), *items);
}

}  // namespace razudar::db
