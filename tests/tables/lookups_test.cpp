// Lookups on the Concorrenti window: the race field's lookup over Gare, the competitor field's
// lookup over Concorrenti narrowed by the race; codes shown as descriptions, descriptions typed
// to find their code (start, anywhere with "*", end with "c"), apostrophes bound.

#include "table_fixture.h"
#include "tables/lookups.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;
using C = ConcorrentiWindow;

class LookupsTest : public TableWindowTest {
protected:
    void start(const QString& competitorTag) {
        race.db().execute(QStringLiteral("UPDATE Gare SET ga_Descrizione = 'Gara ' || ga_Gara"));
        raceData.tag = QStringLiteral("ga_Gare");
        competitorData.tag = QStringLiteral("co_Concorrenti");
        raceCombo.bindTo(raceData, QStringLiteral("ga_Descrizione"), QStringLiteral("ga_Gara"));
        competitorCombo.bindTo(competitorData, QStringLiteral("co_Cognome"), QStringLiteral("co_Concorrente"));
        w().field(C::kConcorrente)->setTag(competitorTag);
        ASSERT_TRUE(w().start([&](clsTabella& t) {
            t.setLookupHandler(&lookups);
            t.dbc_Decodifica(C::kGara, &raceCombo);
            t.dat_DecodificaRecordset(C::kGara, &raceData);
            t.dbc_Decodifica(C::kConcorrente, &competitorCombo);
            t.dat_DecodificaRecordset(C::kConcorrente, &competitorData);
        }));
    }
    Lookups lookups;
    RecordSource raceData;
    RecordSource competitorData;
    ComboField raceCombo{QString()};
    ComboField competitorCombo{QString()};
};

TEST_F(LookupsTest, CodesShowDescriptionsAndTheRaceNarrowsTheCompetitors) {
    start(QStringLiteral("|"));
    EXPECT_EQ(raceData.recordCount(), 2);
    EXPECT_EQ(competitorData.recordCount(), 12);  // the first record's race
    w().field(C::kGara)->setText(QStringLiteral("2"));
    EXPECT_EQ(raceCombo.text(), QStringLiteral("Gara 2"));
    EXPECT_EQ(competitorData.recordCount(), 3);
    EXPECT_EQ(competitorCombo.count(), 3);
    w().field(C::kConcorrente)->setText(QStringLiteral("2"));
    EXPECT_EQ(competitorCombo.text(), QStringLiteral("Altro2"));
    EXPECT_EQ(competitorCombo.boundValue(), QStringLiteral("2"));
    // A code that is not there, then a piece of a description (case-blind) found by its code.
    w().field(C::kConcorrente)->setText(QStringLiteral("9"));
    EXPECT_EQ(competitorCombo.boundValue(), QString());
    w().field(C::kConcorrente)->setTag(QStringLiteral("*"));
    w().field(C::kConcorrente)->setText(QStringLiteral("tro3"));
    EXPECT_EQ(competitorCombo.boundValue(), QStringLiteral("3"));
    // The race of the other lookup is followed: race 1 has twelve competitors.
    w().field(C::kGara)->setText(QStringLiteral("1"));
    EXPECT_EQ(competitorData.recordCount(), 12);
}

TEST_F(LookupsTest, DescriptionSearchesFollowTheFieldFlags) {
    struct Case {
        const char16_t* tag;
        const char16_t* typed;
        const char16_t* code;
    };
    const Case cases[] = {
        {u"|", u"d'am", u"3"},    // apostrophe in the typed text
        {u"|", u"ama", u""},      // only the start without "*"
        {u"*", u"AMI", u"3"},     // anywhere with "*"
        {u"|", u"ccI", u""},      // no start "ccI" and no "c" flag
        {u"c", u"cci", u"9"},     // "c": Ricci ends with it
        {u"", u"Rossi", u""},     // no lookup flag: no description search
        {u"|", u"Ro?si", u"1"},   // the operator's wildcard
    };
    start(QStringLiteral("|"));
    w().field(C::kGara)->setText(QStringLiteral("1"));
    for (const Case& c : cases) {
        w().field(C::kConcorrente)->setTag(QString::fromUtf16(c.tag));
        w().field(C::kConcorrente)->setText(QString());
        w().field(C::kConcorrente)->setText(QString::fromUtf16(c.typed));
        EXPECT_EQ(competitorCombo.boundValue(), QString::fromUtf16(c.code)) << QString::fromUtf16(c.typed).toStdString();
    }
}

TEST_F(LookupsTest, UnchangedSourceIsRefreshedUnlessTheFieldSaysNot) {
    start(QStringLiteral("|"));
    w().field(C::kGara)->setText(QStringLiteral("2"));
    race.db().execute(QStringLiteral("INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Cognome) VALUES (2, 4, 'Quarto')"));
    tb().ta_FiltraDecodifiche(C::kConcorrente, C::kConcorrente);
    EXPECT_EQ(competitorData.recordCount(), 4);
    w().field(C::kConcorrente)->setTag(QStringLiteral("ì"));
    race.db().execute(QStringLiteral("INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Cognome) VALUES (2, 5, 'Quinto')"));
    tb().ta_FiltraDecodifiche(C::kConcorrente, C::kConcorrente);
    EXPECT_EQ(competitorData.recordCount(), 4);
}

}  // namespace
}  // namespace razudar::testing
