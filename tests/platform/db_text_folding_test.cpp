// Texts compared without regard to case for every letter on a real SQLite file: the CASEFOLD
// collation and LIKE of every connection against the record set's own find, which must agree.
#include <gtest/gtest.h>

#include "db_test_support.h"
#include "platform/db/criteria.h"
#include "platform/db/text_folding.h"

namespace razudar::db {
namespace {

using testing::FreshDatabase;

// One stored text (a society's description) and a typed text.
struct FoldCase {
    const char16_t* stored;
    const char16_t* typed;
    bool equal;  // the same text, letter case aside
};

const FoldCase kFoldCases[] = {
    {u"Ünal", u"ünal", true},         {u"Ölund", u"ÖLUND", true},      {u"Ölund", u"ölund", true},
    {u"Štefanič", u"ŠTEFANIČ", true}, {u"Lefèvre", u"LEFÈVRE", true},  {u"Ærø", u"æRØ", true},
    {u"Σοφία", u"ΣΟΦΊΑ", true},       {u"Жуков", u"жуков", true},      {u"Rossi", u"rOSSI", true},
    {u"Ünal", u"unal", false},        {u"Lefèvre", u"Lefevre", false}, {u"Ölund", u"Olund", false},
    {u"Weißenbach", u"WEISSENBACH", false},  // one letter against two: not a case of one letter
    {u"Ünal", u"Ünal ", false},
};

TEST(TextFolding, EqualityAndLikeFoldEveryLetterAsTheFindDoes) {
    FreshDatabase fresh;
    Database db = fresh.open();
    int code = 0;
    for (const FoldCase& c : kFoldCases) {
        db.execute(QStringLiteral("INSERT INTO Societa (ss_Societa, ss_Descrizione) VALUES (?, ?)"),
                   {QStringLiteral("S%1").arg(++code), QString::fromUtf16(c.stored)});
    }
    Recordset all = db.openRecordset(QStringLiteral("SELECT * FROM Societa ORDER BY ss_Societa"));
    code = 0;
    for (const FoldCase& c : kFoldCases) {
        const QString key = QStringLiteral("S%1").arg(++code);
        const QString typed = QString::fromUtf16(c.typed);
        SCOPED_TRACE((QString::fromUtf16(c.stored) + QStringLiteral(" / ") + typed).toStdString());
        const auto count = [&](const QString& condition, const QVariant& value) {
            return db.openRecordset(QStringLiteral("SELECT * FROM Societa WHERE ss_Societa = ? AND ") + condition,
                                    {key, value})
                .recordCount();
        };
        EXPECT_EQ(count(QStringLiteral("ss_Descrizione = ? COLLATE CASEFOLD"), typed), c.equal ? 1 : 0);
        EXPECT_EQ(count(QStringLiteral("ss_Descrizione LIKE ?"), typed), c.equal ? 1 : 0);
        EXPECT_EQ(count(QStringLiteral("ss_Descrizione LIKE ? ESCAPE '\\'"), typed), c.equal ? 1 : 0);
        EXPECT_EQ(compareFolded(QString::fromUtf16(c.stored), typed) == 0, c.equal);
        // The record set's find says the same.
        all.findFirst(Criteria::equal(QStringLiteral("ss_Societa"), key) &&
                      Criteria::equal(QStringLiteral("ss_Descrizione"), typed));
        EXPECT_EQ(!all.noMatch(), c.equal);
    }
}

struct LikeCase {
    const char16_t* text;
    const char16_t* pattern;
    const char16_t* escape;  // null: no ESCAPE
    int matches;             // 1, 0, or -1 for Null
};

TEST(TextFolding, LikeKeepsItsWildcardsEscapesAndNulls) {
    FreshDatabase fresh;
    Database db = fresh.open();
    const LikeCase cases[] = {
        {u"Ölund", u"öl%", nullptr, 1},        {u"Ölund", u"%UND", nullptr, 1},
        {u"Ölund", u"_lund", nullptr, 1},      {u"Ölund", u"__lund", nullptr, 0},
        {u"a𝐀b", u"a_b", nullptr, 1},         // a character beyond 16 bits is one character
        {u"Müller", u"M%l%r", nullptr, 1},     {u"Müller", u"M%x%r", nullptr, 0},
        {u"100%", u"100\\%", u"\\", 1},        {u"1000", u"100\\%", u"\\", 0},
        {u"a_b", u"A\\_B", u"\\", 1},          {u"axb", u"A\\_B", u"\\", 0},
        {u"Ab", u"ab\\", u"\\", 0},            // a pattern ending in its escape matches nothing
        {u"ü%", u"Ü!%", u"!", 1},              {u"", u"%", nullptr, 1},
        {u"", u"_", nullptr, 0},               {u"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", u"%a%a%a%a%a%a%a%c", nullptr, 0},
    };
    for (const LikeCase& c : cases) {
        SCOPED_TRACE((QString::fromUtf16(c.text) + QStringLiteral(" LIKE ") + QString::fromUtf16(c.pattern)).toStdString());
        const QString sql = c.escape ? QStringLiteral("SELECT ? LIKE ? ESCAPE ?") : QStringLiteral("SELECT ? LIKE ?");
        QVariantList values{QString::fromUtf16(c.text), QString::fromUtf16(c.pattern)};
        if (c.escape) values << QString::fromUtf16(c.escape);
        RowReader r = db.openReader(sql, values);
        EXPECT_EQ(r.value(0).toInt(), c.matches);
        const char32_t escape = c.escape ? QString::fromUtf16(c.escape).toStdU32String()[0] : 0;
        EXPECT_EQ(likeFolded(QString::fromUtf16(c.text), QString::fromUtf16(c.pattern), escape), c.matches == 1);
    }
    EXPECT_TRUE(db.openReader(QStringLiteral("SELECT NULL LIKE 'a'")).value(0).isNull());
    EXPECT_TRUE(db.openReader(QStringLiteral("SELECT 'a' LIKE NULL")).value(0).isNull());
    EXPECT_TRUE(db.openReader(QStringLiteral("SELECT 'a' LIKE 'a' ESCAPE NULL")).value(0).isNull());
    // A pattern that changes from row to row is read anew for each row.
    EXPECT_EQ(db.openReader(QStringLiteral("SELECT count(*) FROM (VALUES ('ab', 'a%'), ('ab', 'b%'), ('Äb', 'ä_'), "
                                           "('äb', 'Ä%')) WHERE column1 LIKE column2"))
                  .value(0)
                  .toInt(),
              3);
    // A byte that starts no character is one character of its own.
    EXPECT_EQ(db.openReader(QStringLiteral("SELECT CAST(x'C3' AS TEXT) LIKE '_'")).value(0).toInt(), 1);
    EXPECT_EQ(db.openReader(QStringLiteral("SELECT CAST(x'41C3' AS TEXT) = 'a' || CAST(x'C3' AS TEXT) COLLATE CASEFOLD"))
                  .value(0)
                  .toInt(),
              1);
    // A number is read as its text, as SQLite's own LIKE does.
    EXPECT_EQ(db.openReader(QStringLiteral("SELECT 123 LIKE '1%'")).value(0).toInt(), 1);
    try {
        db.openReader(QStringLiteral("SELECT 'a' LIKE 'a' ESCAPE 'xy'"));
        ADD_FAILURE() << "an escape of two characters was taken";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("ESCAPE expression must be a single character")))
            << e.description().toStdString();
    }
}

}  // namespace
}  // namespace razudar::db
