// The slot sort gives the order of the ranking keys, through every path it takes.
#include "model/ranking_key.h"
#include "model/ranking_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace razudar {
namespace {

struct Columns {
    int type = 0;
    std::vector<qint32> state, value, tie;
    std::vector<qint16> competitor;

    SlotRankingColumns view() const { return {type, state, value, tie, competitor}; }
};

// Random columns; `spread` bounds the field values, so keys fit 64 bits or do not.
Columns randomColumns(std::mt19937& random, int type, std::size_t n, qint64 spread)
{
    Columns c;
    c.type = type;
    std::vector<int> numbers(65536);
    std::iota(numbers.begin(), numbers.end(), -32768);
    std::shuffle(numbers.begin(), numbers.end(), random);
    std::uniform_int_distribution<qint64> field(-spread, spread), few(0, 3);
    for (std::size_t i = 0; i < n; ++i) {
        const bool crowded = i % 3 == 0;  // equal leading fields, so the tie-breaks decide
        c.state.push_back(static_cast<qint32>(crowded ? few(random) * 10 : field(random)));
        c.value.push_back(static_cast<qint32>(crowded ? few(random) : field(random)));
        c.tie.push_back(static_cast<qint32>(crowded ? few(random) : field(random) % 40000));
        c.competitor.push_back(static_cast<qint16>(numbers[i]));
    }
    return c;
}

std::vector<qint16> orderByKeys(const Columns& c)
{
    std::vector<RankingKey> keys;
    for (std::size_t i = 0; i < c.competitor.size(); ++i)
        keys.push_back(makeRankingKey({c.type, c.state[i], c.value[i], c.tie[i], c.competitor[i]}));
    std::sort(keys.begin(), keys.end());
    std::vector<qint16> order;
    for (const RankingKey& key : keys)
        order.push_back(key.competitor());
    return order;
}

TEST(SlotSort, MatchesKeyOrderForEverySizeTypeAndRange)
{
    std::mt19937 random(42);
    for (std::size_t n : {std::size_t(0), std::size_t(1), std::size_t(17), std::size_t(300),
                          std::size_t(5000), std::size_t(12000)}) {
        for (int type : {0, 1, 2, 3, 8}) {
            // Narrow fields pack into 64 bits (radix or comparison sort); full 32-bit fields do not.
            for (qint64 spread : {qint64(200), qint64(300000), qint64(2147483647)}) {
                const Columns c = randomColumns(random, type, n, spread);
                ASSERT_EQ(rankedOrder(c.view()), orderByKeys(c))
                    << "n " << n << " type " << type << " spread " << spread;
            }
        }
    }
}

TEST(SlotSort, ExtremeValuesKeepTheirOrder)
{
    Columns c;
    c.type = 0;
    c.state = {INT32_MAX, INT32_MIN, 0, 0};
    c.value = {0, 0, INT32_MAX, INT32_MIN};
    c.tie = {0, 0, 0, 0};
    c.competitor = {1, 2, 3, 4};
    EXPECT_EQ(rankedOrder(c.view()), (std::vector<qint16>{2, 4, 3, 1}));
}

TEST(SlotSort, FarOffNoTimeValueStillRanksLast)
{
    Columns c;
    c.type = 1;
    const std::size_t n = 600;  // the radix path
    for (std::size_t i = 0; i < n; ++i) {
        c.state.push_back(0);
        c.value.push_back(i % 3 == 0 ? 240000000 : static_cast<qint32>(60000 + (i * 7919) % 5000));
        c.tie.push_back(static_cast<qint32>(i % 5));
        c.competitor.push_back(static_cast<qint16>(1000 + i));
    }
    const std::vector<qint16> order = rankedOrder(c.view());
    EXPECT_EQ(order, orderByKeys(c));
    EXPECT_EQ(order.back(), 1000 + 594);  // no time, the highest tie-break, then the highest number
}

}  // namespace
}  // namespace razudar
