#include <gtest/gtest.h>

#include <QStringList>

#include <random>

#include "data/object_text.h"
#include "data/object_text_values.h"

namespace razudar::object_text {
namespace {

QStringList texts(const std::vector<QStringView>& views) {
    QStringList out;
    for (QStringView v : views) out.append(v.toString());
    return out;
}

TEST(ObjectTextMarkers, PayloadMustBeginAndEndWithTheObjectMarkers) {
    EXPECT_TRUE(hasObjectMarkers(u"_BF_OG-IN_x_BF_OG-FN_"));
    EXPECT_TRUE(hasObjectMarkers(u"_BF_OG-IN__BF_OG-FN_"));
    EXPECT_FALSE(hasObjectMarkers(u" _BF_OG-IN_x_BF_OG-FN_"));
    EXPECT_FALSE(hasObjectMarkers(u"_BF_OG-IN_x_BF_OG-FN_ "));
    EXPECT_FALSE(hasObjectMarkers(u"_bf_og-in_x_BF_OG-FN_"));
    EXPECT_FALSE(hasObjectMarkers(u""));
}

TEST(ObjectTextMarkers, OverlappingMarkersDoNotFrameAnObject) {
    // The last character of the begin marker cannot also be the first of the end marker.
    EXPECT_FALSE(hasObjectMarkers(u"_BF_OG-IN_BF_OG-FN_"));
}

TEST(ObjectTextMarkers, BodyIsTheTextBetweenTheMarkers) {
    EXPECT_EQ(objectBody(u"_BF_OG-IN_abc_BF_OG-FN_").toString(), QStringLiteral("abc"));
    EXPECT_TRUE(objectBody(u"_BF_OG-IN__BF_OG-FN_").isEmpty());
}

TEST(ObjectTextSplit, EmptyTextGivesNoPiecesAndEmptyPiecesAreKept) {
    EXPECT_TRUE(split(u"", u"_CL_IT-SP_").empty());
    EXPECT_EQ(texts(split(u"a_CL_IT-SP__CL_IT-SP_b_CL_IT-SP_", u"_CL_IT-SP_")),
              (QStringList{"a", "", "b", ""}));
    EXPECT_EQ(texts(split(u"abc", u"_CL_IT-SP_")), QStringList{"abc"});
}

TEST(ObjectTextSplit, MarkerSearchAgreesWithAPlainSearchOnMarkerFragments) {
    // Texts made of the markers' own characters, where a skipping search could skip a match.
    const QString alphabet = QStringLiteral("_BFATOGSPCLIN-à0");
    const QList<QStringView> markers = {kSectionSeparator, kValueSeparator, kItemSeparator,
                                        kItemListEnd, kObjectEnd, u"ab", u"à_"};
    std::mt19937 random(20240310);
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int length = int(random() % 48);
        for (int i = 0; i < length; ++i) {
            if (random() % 6 == 0) text += markers[random() % markers.size()].toString();
            else text += alphabet[qsizetype(random() % alphabet.size())];
        }
        for (QStringView marker : markers) {
            for (qsizetype from = 0; from <= text.size(); from += 3)
                ASSERT_EQ(findMarker(text, marker, from), QStringView(text).indexOf(marker, from))
                    << text.toStdString() << " / " << marker.toString().toStdString();
        }
    }
}

TEST(ObjectTextSections, FirstSectionEndsAtTheFirstSectionSeparator) {
    EXPECT_EQ(firstSection(u"one_BF_AT_OG_SP_two").toString(), QStringLiteral("one"));
    EXPECT_EQ(firstSection(u"only").toString(), QStringLiteral("only"));
}

TEST(ObjectTextSections, AttributeMarkersAreRemovedByLength) {
    std::vector<QStringView> values;
    ASSERT_TRUE(attributeValues(u"_BF_AT-IN_a_BF_AT-SP_ b _BF_AT-FN_", values));
    EXPECT_EQ(texts(values), (QStringList{"a", " b "}));

    values.clear();
    ASSERT_TRUE(attributeValues(u"0123456789x_BF_AT-SP_y9876543210", values));
    EXPECT_EQ(texts(values), (QStringList{"x", "y"}));

    values.clear();
    EXPECT_FALSE(attributeValues(u"_BF_AT-IN__BF_AT-FN", values));
    ASSERT_TRUE(attributeValues(u"_BF_AT-IN__BF_AT-FN_", values));
    EXPECT_TRUE(values.empty());
}

TEST(ObjectTextCollections, ItemListEndsAtTheItemListEndMarker) {
    CollectionValues items;
    items.read(u"a_CL_IT-SP_b_BF_OG-SP_ignored_CL_IT-SP_c");
    ASSERT_EQ(items.itemCount(), 2u);
    EXPECT_EQ(items.item(1)[0].toString(), QStringLiteral("b"));
    items.read(u"a_CL_IT-SP_b");
    EXPECT_EQ(items.itemCount(), 2u);

    items.read(u"1_BF_AT-SP_x_CL_IT-SP__CL_IT-SP_2_BF_OG-SP_3_BF_AT-SP_y");
    ASSERT_EQ(items.itemCount(), 3u);
    EXPECT_EQ(items.item(0).size(), 2u);
    EXPECT_EQ(items.item(0)[1].toString(), QStringLiteral("x"));
    EXPECT_EQ(items.item(1).size(), 0u);
    EXPECT_EQ(items.item(2)[0].toString(), QStringLiteral("2"));

    items.read(u"_BF_OG-SP_1_BF_AT-SP_2");
    EXPECT_EQ(items.itemCount(), 0u);
}

TEST(ObjectTextCollections, OverlappingMarkersCutAsNestedSplitsDo) {
    // The list end and the item separators are found before the value separators, so a value
    // separator that shares its last "_" with one of them is not one.
    CollectionValues items;
    items.read(u"_BF_AT-SP_BF_OG-SP_x");
    ASSERT_EQ(items.itemCount(), 1u);
    ASSERT_EQ(items.item(0).size(), 1u);
    EXPECT_EQ(items.item(0)[0].toString(), QStringLiteral("_BF_AT-SP"));
    items.read(u"1_BF_AT-SP_CL_IT-SP_2");
    ASSERT_EQ(items.itemCount(), 2u);
    EXPECT_EQ(items.item(0)[0].toString(), QStringLiteral("1_BF_AT-SP"));
    EXPECT_EQ(items.item(1)[0].toString(), QStringLiteral("2"));
}

TEST(ObjectTextSplit, MarkersAreFoundLeftmostWithoutOverlap) {
    EXPECT_EQ(findMarker(u"xx_BF_AT_OG_SP_y", u"_BF_AT_OG_SP_"), 2);
    EXPECT_EQ(findMarker(u"_BF_AT-SP__BF_AT_OG_SP_", u"_BF_AT_OG_SP_"), 10);
    EXPECT_EQ(findMarker(u"Città_BF_AT-SP_", u"_BF_AT-SP_", 1), 5);
    EXPECT_EQ(findMarker(u"_BF_AT-SP_", u"_BF_AT-SP_", 1), -1);
    EXPECT_EQ(findMarker(u"_BF_AT-SP", u"_BF_AT-SP_"), -1);
    EXPECT_EQ(texts(split(u"a_BF_AT-SP__BF_AT-SP_b", u"_BF_AT-SP_")), (QStringList{"a", "", "b"}));
    // Any marker text is found, also one that is not ASCII.
    EXPECT_EQ(findMarker(u"Bormio, Città di Bormio", u"Città"), 8);
    EXPECT_EQ(findMarker(u"aab", u"ab"), 1);
}

TEST(ObjectTextValues, IntegersRoundDownAndFallBackToZero) {
    EXPECT_EQ(integerValue(u" 42 "), 42);
    EXPECT_EQ(integerValue(u"-0007"), -7);
    EXPECT_EQ(integerValue(u"2.7"), 2);
    EXPECT_EQ(integerValue(u"-2.5"), -3);
    EXPECT_EQ(integerValue(u"+5"), 5);
    EXPECT_EQ(integerValue(u"1E2"), 100);
    EXPECT_EQ(integerValue(u"32767"), 32767);
    EXPECT_EQ(integerValue(u"-32768"), -32768);
    EXPECT_EQ(integerValue(u"32768"), 0);
    EXPECT_EQ(integerValue(u"40000"), 0);
    EXPECT_EQ(integerValue(u""), 0);
    EXPECT_EQ(integerValue(u"   "), 0);
    EXPECT_EQ(integerValue(u"12a"), 0);
    EXPECT_EQ(integerValue(u"-"), 0);
    EXPECT_EQ(integerValue(u"0000000000000000000000012"), 12);
}

TEST(ObjectTextValues, LongsRoundHalfToEvenAndRefuseTheLowestValue) {
    EXPECT_EQ(longValue(u"2.5"), 2);
    EXPECT_EQ(longValue(u"3.5"), 4);
    EXPECT_EQ(longValue(u"2.7"), 3);
    EXPECT_EQ(longValue(u" 123456789 "), 123456789);
    EXPECT_EQ(longValue(u"2147483647"), 2147483647);
    EXPECT_EQ(longValue(u"-2147483647"), -2147483647);
    EXPECT_EQ(longValue(u"-2147483648"), 0);
    EXPECT_EQ(longValue(u"2147483648"), 0);
    EXPECT_EQ(longValue(u"99999999999999999999"), 0);
    EXPECT_EQ(longValue(u"abc"), 0);
}

TEST(ObjectTextValues, TruthValuesAreTrueFalseOrNumbers) {
    EXPECT_EQ(truthValue(u"True"), true);
    EXPECT_EQ(truthValue(u" false "), false);
    EXPECT_EQ(truthValue(u"-1"), true);
    EXPECT_EQ(truthValue(u"0"), false);
    EXPECT_EQ(truthValue(u"Si"), std::nullopt);
    EXPECT_EQ(truthValue(u""), std::nullopt);
}

TEST(ObjectTextValues, TextsLoseSpacesAtBothEndsOnly) {
    EXPECT_EQ(textValue(u"  Città di Bormio  "), QStringLiteral("Città di Bormio"));
    EXPECT_EQ(textValue(u"\tx\t"), QStringLiteral("\tx\t"));
}

}  // namespace
}  // namespace razudar::object_text
