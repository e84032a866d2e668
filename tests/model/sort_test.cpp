#include "model/sort.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>

using namespace razudar;

namespace {

QStringList list(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* s : items) out << QString::fromUtf8(s);
    return out;
}

QStringList sortedCopy(QStringList a, bool descending) {
    std::sort(a.begin(), a.end(), [descending](const QString& x, const QString& y) {
        return descending ? QString::compare(x, y) > 0 : QString::compare(x, y) < 0;
    });
    return a;
}

}  // namespace

TEST(OrdinaVettore, SortsOrdinallyWithoutCaseFolding) {
    QStringList a = list({"b", "B", "a", "A", "é", "z", "10", "9", "-1", " "});
    OrdinaVettore(a);
    EXPECT_EQ(a, list({" ", "-1", "10", "9", "A", "B", "a", "b", "z", "é"}));
}

TEST(OrdinaVettore, DescendingPutsLargestFirst) {
    QStringList a = list({"00-000123456-0012-045", "00-000099999-0001-001", "30-000000000-0003-007",
                          "00-000123456-0011-046"});
    OrdinaVettore(a, std::nullopt, true);
    EXPECT_EQ(a, list({"30-000000000-0003-007", "00-000123456-0012-045", "00-000123456-0011-046",
                       "00-000099999-0001-001"}));
}

TEST(OrdinaVettore, RespectsTheLastIndex) {
    QStringList a = list({"d", "c", "b", "a", "0"});
    OrdinaVettore(a, 2);
    EXPECT_EQ(a, list({"b", "c", "d", "a", "0"}));
    OrdinaVettore(a, 99);  // past the end: the whole array
    EXPECT_EQ(a, list({"0", "a", "b", "c", "d"}));
}

TEST(OrdinaVettore, TrivialRangesLeaveTheArray) {
    QStringList empty;
    OrdinaVettore(empty);
    EXPECT_TRUE(empty.isEmpty());
    QStringList one = list({"x"});
    OrdinaVettore(one);
    EXPECT_EQ(one, list({"x"}));
    QStringList a = list({"c", "b", "a"});
    OrdinaVettore(a, 0);
    EXPECT_EQ(a, list({"c", "b", "a"}));
    OrdinaVettore(a, -1);
    EXPECT_EQ(a, list({"c", "b", "a"}));
    OrdinaVettore(a, -5, true);
    EXPECT_EQ(a, list({"c", "b", "a"}));
}

TEST(OrdinaVettore, AlreadySortedInputsInEitherDirection) {
    QStringList ascending;
    for (int i = 0; i < 500; ++i) ascending << QString::asprintf("%05d", i);
    QStringList reversed = ascending;
    std::reverse(reversed.begin(), reversed.end());

    QStringList a = ascending;
    OrdinaVettore(a);
    EXPECT_EQ(a, ascending);
    a = reversed;
    OrdinaVettore(a);
    EXPECT_EQ(a, ascending);
    a = ascending;
    OrdinaVettore(a, std::nullopt, true);
    EXPECT_EQ(a, reversed);
    a = reversed;
    OrdinaVettore(a, std::nullopt, true);
    EXPECT_EQ(a, reversed);
}

TEST(OrdinaVettore, DuplicatesAndRandomInputsMatchAReferenceSort) {
    QRandomGenerator random(20240305);
    for (int round = 0; round < 200; ++round) {
        const int size = int(random.bounded(1, 80));
        QStringList a;
        for (int i = 0; i < size; ++i)
            a << QString::number(random.bounded(0, round % 2 ? 5 : 1000));  // many ties on odd rounds
        for (bool descending : {false, true}) {
            QStringList b = a;
            OrdinaVettore(b, std::nullopt, descending);
            ASSERT_EQ(b, sortedCopy(a, descending)) << "round " << round;
        }
    }
    QStringList same(1000, QStringLiteral("k"));
    OrdinaVettore(same);
    EXPECT_EQ(same, QStringList(1000, QStringLiteral("k")));
}

TEST(OrdinaVettore, LargeArrayStaysWithinTheFixedStack) {
    QRandomGenerator random(7);
    QStringList a;
    for (int i = 0; i < 100000; ++i) a << QString::number(random.generate(), 16);
    QStringList b = a;
    OrdinaVettore(b);
    EXPECT_EQ(b, sortedCopy(a, false));
}
