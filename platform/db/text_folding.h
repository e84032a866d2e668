#pragma once
// Texts compared without regard to case for every letter, on a SQLite connection. SQLite's own
// NOCASE and LIKE fold only the letters A-Z, while the record sets' finds fold every letter
// (Qt's case folding): "ünal" = "Ünal" in memory but not in SQL. Every connection of the
// layer therefore gets
//  - the collation CASEFOLD: two texts are equal when their case-folded letters are;
//  - LIKE (with and without ESCAPE) matching the case-folded pattern on the case-folded text,
//    "%" any run of characters and "_" any one character.
// Case only: accents still count ("unal" does not match "Ünal").
#include <QString>

struct sqlite3;

namespace razudar::db {

// The collation's name, for "... COLLATE CASEFOLD" in a query.
inline const QString kCaseFoldCollation = QStringLiteral("CASEFOLD");

// Registers the collation and LIKE on an open connection; the SQLite result code.
int registerTextFolding(sqlite3* handle);

// -1, 0 or 1: the two texts compared letter by letter after case folding.
int compareFolded(const QString& a, const QString& b);
// `text` LIKE `pattern` as the registered LIKE decides it; `escape` is 0 for none.
bool likeFolded(const QString& text, const QString& pattern, char32_t escape = 0);

}  // namespace razudar::db
