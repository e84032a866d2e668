// The expected starters keep the results of removing each number's first occurrence in turn,
// whatever the order of appends, removals and reads.
#include "model/expected_starters.h"

#include <QList>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace razudar {
namespace {

// Compared as vectors: Qt's own comparison of two empty lists trips the sanitizer.
using Numbers = std::vector<qint16>;

Numbers contents(const ExpectedStarters& starters)
{
    Numbers out;
    for (qsizetype i = 0; i < starters.size(); ++i)
        out.push_back(starters.at(i));
    return out;
}

TEST(ExpectedStarters, RemovalsBeforeAReadTakeFirstOccurrencesInOrder)
{
    ExpectedStarters s;
    for (const qint16 n : {7, 3, 7, 5, 7, 3})
        s.append(n);
    s.removeFirst(7);
    s.removeFirst(3);
    s.removeFirst(7);
    s.removeFirst(9);  // absent: nothing
    EXPECT_EQ(s.size(), 3);
    EXPECT_EQ(contents(s), (Numbers{5, 7, 3}));
}

TEST(ExpectedStarters, RemovingMoreThanPresentRemovesOnlyWhatIsThere)
{
    ExpectedStarters s;
    s.append(4);
    s.append(-2);
    s.removeFirst(4);
    s.removeFirst(4);
    s.removeFirst(0);
    EXPECT_EQ(contents(s), (Numbers{-2}));
}

TEST(ExpectedStarters, NumberAppendedAfterAFailedRemovalStays)
{
    ExpectedStarters s;
    s.append(1);
    s.removeFirst(2);  // not there yet: the 2 appended next must not be taken
    s.append(2);
    s.removeFirst(1);
    EXPECT_EQ(contents(s), (Numbers{2}));
    s.removeFirst(2);
    s.append(2);  // appended after its removal: the new one stays
    EXPECT_EQ(contents(s), (Numbers{2}));
}

TEST(ExpectedStarters, RandomSequencesMatchRemovingEachNumberInTurn)
{
    std::mt19937 random(20240613);
    for (int round = 0; round < 200; ++round) {
        ExpectedStarters s;
        QList<qint16> reference;
        std::uniform_int_distribution<int> number(-3, 12);
        std::uniform_int_distribution<int> action(0, 9);
        for (int step = 0; step < 120; ++step) {
            const int a = action(random);
            const auto n = static_cast<qint16>(number(random));
            if (a < 4) {
                s.append(n);
                reference.append(n);
            } else if (a < 8) {
                s.removeFirst(n);
                reference.removeOne(n);
            } else if (a == 8) {
                ASSERT_EQ(contents(s), Numbers(reference.begin(), reference.end()))
                    << "round " << round << " step " << step;
            } else {
                ASSERT_EQ(s.size(), reference.size()) << "round " << round << " step " << step;
            }
        }
        ASSERT_EQ(contents(s), Numbers(reference.begin(), reference.end())) << "round " << round;
    }
}

}  // namespace
}  // namespace razudar
