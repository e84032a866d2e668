// Tag parsing and letter-case rules, the small number and length services, dates typed with
// two-digit years and the compiled query conditions.
#include <gtest/gtest.h>

#include "table_fixture.h"
#include "tables/date_text.h"
#include "tables/field_tag.h"
#include "tables/query_terms.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;

struct TagCase {
    const char16_t* tag;
    const char16_t* rest;       // mode 1
    const char16_t* flag;       // mode 2 flag text
    bool has;
};

TEST(FieldTag, FlagRunRestAndFlagTests) {
    const TagCase cases[] = {
        {u"#@Rossi", u"Rossi", u"#", true},
        {u"#@Rossi", u"Rossi", u"@", true},
        {u"#@Rossi", u"Rossi", u"[#@]", true},
        {u"#@Rossi", u"Rossi", u"ù", false},
        {u"ù#", u"", u"ù", true},
        {u"ù#", u"", u"#", true},
        {u"like Rossi", u"like Rossi", u"#", false},
        {u">= 10", u">= 10", u"[#@]", false},
        {u"°5", u"5", u"°", true},
        {u"x#", u"x#", u"#", true},  // mode 2 looks at the whole Tag
        {u"§é", u"", u"[é§]", true},
        {u"", u"", u"#", false},
        {u"#", u"", u"", false},
    };
    for (const TagCase& c : cases) {
        const QString tag = QString::fromUtf16(c.tag);
        SCOPED_TRACE(tag.toStdString());
        EXPECT_EQ(tagRest(tag), QString::fromUtf16(c.rest));
        EXPECT_EQ(tagHasFlag(tag, QString::fromUtf16(c.flag)), c.has);
    }
}

TEST(FieldTag, CaseRuleSectionIsTakenOut) {
    struct Case { const char16_t* tag; const char16_t* rest; const char16_t* rule; };
    const Case cases[] = {
        {u"&U;Rossi", u"Rossi", u"U"},
        {u"&URossi", u"&URossi", u""},           // no ";" after "&": unchanged
        {u"#&C;like R", u"#like R", u"C"},
        {u"&U;like ", u"like ", u"U"},
        {u"a;b&L;c", u"a;bc", u"L"},
        {u"plain", u"plain", u""},
    };
    for (const Case& c : cases) {
        const CaseRuleSplit split = extractCaseRule(QString::fromUtf16(c.tag));
        EXPECT_EQ(split.tag, QString::fromUtf16(c.rest));
        EXPECT_EQ(split.rule, QString::fromUtf16(c.rule));
    }
    EXPECT_EQ(applyCaseRule(QStringLiteral("mario ROSSI"), QStringLiteral("C")), QStringLiteral("Mario Rossi"));
    EXPECT_EQ(applyCaseRule(QStringLiteral("ita"), QStringLiteral("U")), QStringLiteral("ITA"));
    EXPECT_EQ(applyCaseRule(QStringLiteral("ITA"), QStringLiteral("L")), QStringLiteral("ita"));
    EXPECT_EQ(applyCaseRule(QStringLiteral("Ita"), QString()), QStringLiteral("Ita"));
}

TEST(FieldTag, RegisteredFieldKeepsRuleAndCondition) {
    WindowRaceDatabase race;
    clsTabella tb(race.state, race.fakes.services());
    LineEditField field(QStringLiteral("co_Cognome"), QStringLiteral("ù&U;like "));
    tb.meb_Campo(0, &field);
    EXPECT_EQ(field.tag(), QStringLiteral("ùlike "));
    EXPECT_EQ(tb.RegolaMaiuscole(0), QStringLiteral("U"));
    EXPECT_EQ(tb.ta_FlagCampo(0, 1, QString()), QStringLiteral("like "));
    EXPECT_EQ(tb.ta_FlagCampo(0, 2, QStringLiteral("ù")), QStringLiteral("True"));
    EXPECT_EQ(tb.ta_FlagCampo(0, 3, QStringLiteral("ù")), QString());
    EXPECT_TRUE(field.font().bold());
    EXPECT_THROW(tb.meb_Campo(201, &field), std::out_of_range);
    EXPECT_THROW(tb.cmd_Tasto(16, nullptr), std::out_of_range);
}

TEST(SmallServices, NumberWithPointOrComma) {
    EXPECT_FLOAT_EQ(clsTabella::C_Sng(QStringLiteral("  2.25 ")), 2.25f);
    EXPECT_FLOAT_EQ(clsTabella::C_Sng(QStringLiteral("2,5")), 2.5f);
    EXPECT_FLOAT_EQ(clsTabella::C_Sng(QString()), 0.0f);
    EXPECT_FLOAT_EQ(clsTabella::C_Sng(QStringLiteral("abc")), 0.0f);
    EXPECT_FLOAT_EQ(clsTabella::C_Sng(QStringLiteral("-3")), -3.0f);
}

TEST(SmallServices, TwoDigitYearsUseTheCenturyWindow) {
    struct Case { const char* text; int year; int month; int day; int hour; int minute; };
    const Case cases[] = {
        {"05/03/26 14.30", 2026, 3, 5, 14, 30}, {"01/01/49", 2049, 1, 1, 0, 0},
        {"01/01/50", 1950, 1, 1, 0, 0},         {"31/12/99 23.59", 1999, 12, 31, 23, 59},
        {"7-2-2001", 2001, 2, 7, 0, 0},         {"2026-03-05T10:11:12", 2026, 3, 5, 10, 11},
    };
    for (const Case& c : cases) {
        const auto date = parseDateText(QString::fromLatin1(c.text));
        ASSERT_TRUE(date) << c.text;
        EXPECT_EQ(date->date(), QDate(c.year, c.month, c.day)) << c.text;
        EXPECT_EQ(date->time(), QTime(c.hour, c.minute, date->time().second())) << c.text;
    }
    for (const char* bad : {"", "31/02/26", "  /  /     .  ", "12", "1/1", "25/13/20"}) {
        EXPECT_FALSE(parseDateText(QString::fromLatin1(bad))) << bad;
    }
}

TEST(QueryTerms, TypedValuesAreBoundNeverPasted) {
    QueryConditions c;
    c.fixedConditions << QStringLiteral(" where co_Gara = 1");
    c.terms.push_back({QStringLiteral("co_Cognome"), TermOp::StartsWith, QStringLiteral("D'A_%")});
    c.terms.push_back({QStringLiteral("co_Nome"), TermOp::Equal, QStringLiteral("x' OR 1=1 --")});
    const CompiledSql sql = compileWhere(c);
    EXPECT_EQ(sql.text, QStringLiteral(R"( WHERE (co_Gara = 1) AND "co_Cognome" LIKE ? ESCAPE '\' AND "co_Nome" = ? COLLATE CASEFOLD)"));
    ASSERT_EQ(sql.params.size(), 2);
    EXPECT_EQ(sql.params[0].toString(), QStringLiteral(R"(D'A\_\%%)"));
    EXPECT_EQ(sql.params[1].toString(), QStringLiteral("x' OR 1=1 --"));
    // The operator's wildcards: "*" and "?" become LIKE's, LIKE's own characters stand for
    // themselves; a template whose marks do not match its values is left out.
    EXPECT_EQ(likePattern(QStringLiteral(R"(a*b?c%d_e\)")), QStringLiteral(R"(a%b_c\%d\_e\\)"));
    QueryConditions t;
    t.boundConditions.push_back({QStringLiteral("? >= a AND b <= ?"), {1}});
    EXPECT_EQ(compileWhere(t).text, QString());
    EXPECT_EQ(compileOrderBy({{QStringLiteral("co_Cognome"), true}, {QStringLiteral("co_Gara"), false}}),
              QStringLiteral(R"( ORDER BY "co_Cognome" DESC, "co_Gara")"));
    EXPECT_TRUE(compileWhere({}).text.isEmpty());
}

}  // namespace
}  // namespace razudar::testing
