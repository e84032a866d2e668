#include "platform/db/text_folding.h"

#include <QChar>

#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

namespace razudar::db {

namespace {

// The text's characters (code points), each case-folded. Plain ASCII, the common case, is
// folded without decoding through QString.
std::u32string folded(const char* data, int size) {
    std::u32string out;
    out.reserve(static_cast<size_t>(size));
    bool ascii = true;
    for (int i = 0; i < size && ascii; ++i) ascii = static_cast<unsigned char>(data[i]) < 0x80;
    if (ascii) {
        for (int i = 0; i < size; ++i) {
            const char c = data[i];
            out.push_back(static_cast<char32_t>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
        }
        return out;
    }
    const QString text = QString::fromUtf8(data, size);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        if (QChar::isHighSurrogate(code) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        out.push_back(QChar::toCaseFolded(code));
    }
    return out;
}

std::u32string folded(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return folded(utf8.constData(), static_cast<int>(utf8.size()));
}

int compareSequences(const std::u32string& a, const std::u32string& b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// One element of a LIKE pattern: a run of any characters, any one character, or a character.
struct PatternItem {
    enum class Kind { AnyRun, AnyOne, Char };
    Kind kind = Kind::Char;
    char32_t code = 0;
};

// Nullopt when the pattern ends in its escape character (which then matches nothing).
std::optional<std::vector<PatternItem>> parsePattern(const std::u32string& pattern, char32_t escape) {
    std::vector<PatternItem> items;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char32_t c = pattern[i];
        if (escape != 0 && c == escape) {
            if (++i == pattern.size()) return std::nullopt;
            items.push_back({PatternItem::Kind::Char, pattern[i]});
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
bool matches(const std::u32string& text, const std::vector<PatternItem>& pattern) {
    constexpr size_t kNone = static_cast<size_t>(-1);
    size_t t = 0;
    size_t p = 0;
    size_t lastRun = kNone;
    size_t runFrom = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p].kind == PatternItem::Kind::AnyRun) {
            lastRun = p++;
            runFrom = t;
        } else if (p < pattern.size() && (pattern[p].kind == PatternItem::Kind::AnyOne || pattern[p].code == text[t])) {
            ++t;
            ++p;
        } else if (lastRun != kNone) {
            p = lastRun + 1;
            t = ++runFrom;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p].kind == PatternItem::Kind::AnyRun) ++p;
    return p == pattern.size();
}

bool likeSequences(const std::u32string& text, const std::u32string& pattern, char32_t escape) {
    const auto items = parsePattern(pattern, escape);
    return items && matches(text, *items);
}

int collate(void*, int sizeA, const void* a, int sizeB, const void* b) {
    return compareSequences(folded(static_cast<const char*>(a), sizeA), folded(static_cast<const char*>(b), sizeB));
}

std::u32string argument(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return folded(text, sqlite3_value_bytes(value));
}

// like(pattern, text[, escape]): what "text LIKE pattern [ESCAPE escape]" calls.
void like(sqlite3_context* context, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return;  // Null, as SQLite's own LIKE
    const int limit = sqlite3_limit(sqlite3_context_db_handle(context), SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1);
    if (sqlite3_value_bytes(argv[0]) > limit) {
        sqlite3_result_error(context, "LIKE or GLOB pattern too complex", -1);
        return;
    }
    char32_t escape = 0;
    if (argc == 3) {
        // Folded like the pattern it stands in.
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[2]));
        const std::u32string e = QString::fromUtf8(text, sqlite3_value_bytes(argv[2])).toStdU32String();
        if (e.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = QChar::toCaseFolded(e[0]);
    }
    sqlite3_result_int(context, likeSequences(argument(argv[1]), argument(argv[0]), escape) ? 1 : 0);
}

}  // namespace

int registerTextFolding(sqlite3* handle) {
    int rc = sqlite3_create_collation_v2(handle, "CASEFOLD", SQLITE_UTF8, nullptr, collate, nullptr);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    if (rc == SQLITE_OK) rc = sqlite3_create_function_v2(handle, "like", 2, flags, nullptr, like, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_create_function_v2(handle, "like", 3, flags, nullptr, like, nullptr, nullptr, nullptr);
    return rc;
}

int compareFolded(const QString& a, const QString& b) { return compareSequences(folded(a), folded(b)); }

bool likeFolded(const QString& text, const QString& pattern, char32_t escape) {
    return likeSequences(folded(text), folded(pattern), escape == 0 ? 0 : QChar::toCaseFolded(escape));
}

}  // namespace razudar::db
