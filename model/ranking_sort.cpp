#include "model/ranking_sort.h"

#include "model/ranking_key.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace razudar {

namespace {

// Below this size a comparison sort is as quick as the radix passes.
constexpr std::size_t kRadixThreshold = 256;
// From this size on, 11-bit digits (fewer passes) beat 8-bit ones.
constexpr std::size_t kWideDigitThreshold = 8192;

// A column's values relative to its minimum, and the bits they need.
struct PackedField {
    qint64 minimum = 0;
    int bits = 0;
    // The largest value is written as `topCode` (next above the second largest), so that one
    // far-off value (the no-time 240,000,000) does not widen the field.
    qint64 top = 0;
    std::uint64_t topCode = 0;

    std::uint64_t code(qint32 v) const
    {
        return v == top ? topCode : static_cast<std::uint64_t>(qint64(v) - minimum);
    }
};

PackedField measure(std::span<const qint32> column)
{
    if (column.empty())
        return {};
    qint32 lo = column.front();
    qint32 hi = column.front();
    for (const qint32 v : column) {  // branch-free, so the compiler can vectorise it
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    const auto range = static_cast<std::uint64_t>(qint64(hi) - lo);
    return {lo, static_cast<int>(std::bit_width(range)), hi, range};
}

// As measure(), with the largest value moved down next to the second largest.
PackedField measureWithTopMovedDown(std::span<const qint32> column)
{
    PackedField field = measure(column);
    qint64 second = field.minimum - 1;
    for (const qint32 v : column) {
        if (v != field.top)
            second = std::max<qint64>(second, v);
    }
    field.topCode = static_cast<std::uint64_t>(second + 1 - field.minimum);
    field.bits = static_cast<int>(std::bit_width(field.topCode));
    return field;
}

bool usesState(int type) { return type == 0 || type == 1; }
bool usesValue(int type) { return type >= 0 && type <= 3; }

// Least-significant-digit radix sort of 64-bit keys over their low `bits` bits, DigitBits at a
// time. Wider digits mean fewer passes over large slots, narrower ones smaller count tables.
template <int DigitBits>
void radixSort(std::vector<std::uint64_t>& keys, int bits)
{
    constexpr std::size_t kBuckets = std::size_t(1) << DigitBits;
    const int passes = (bits + DigitBits - 1) / DigitBits;
    std::vector<std::uint32_t> counts(static_cast<std::size_t>(passes) * kBuckets, 0);
    for (const std::uint64_t key : keys) {
        for (int p = 0; p < passes; ++p)
            ++counts[static_cast<std::size_t>(p) * kBuckets + ((key >> (p * DigitBits)) & (kBuckets - 1))];
    }
    std::vector<std::uint64_t> buffer(keys.size());
    for (int p = 0; p < passes; ++p) {
        std::uint32_t* count = counts.data() + static_cast<std::size_t>(p) * kBuckets;
        // A digit that every key shares does not change the order.
        if (std::find(count, count + kBuckets, keys.size()) != count + kBuckets)
            continue;
        std::uint32_t offset = 0;
        for (std::size_t b = 0; b < kBuckets; ++b) {
            const std::uint32_t n = count[b];
            count[b] = offset;
            offset += n;
        }
        for (const std::uint64_t key : keys)
            buffer[count[(key >> (p * DigitBits)) & (kBuckets - 1)]++] = key;
        keys.swap(buffer);
    }
}

std::vector<qint16> rankedOrderWide(const SlotRankingColumns& columns)
{
    const std::size_t n = columns.competitor.size();
    std::vector<RankingKey> keys(n);
    for (std::size_t i = 0; i < n; ++i) {
        RankingFields f;
        f.type = columns.type;
        f.state = usesState(columns.type) ? columns.state[i] : 0;
        f.value = usesValue(columns.type) ? columns.value[i] : 0;
        f.tie = columns.tie[i];
        f.competitor = columns.competitor[i];
        keys[i] = makeRankingKey(f);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<qint16> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = keys[i].competitor();
    return order;
}

}  // namespace

std::vector<qint16> rankedOrder(const SlotRankingColumns& columns)
{
    const std::size_t n = columns.competitor.size();
    const bool withState = usesState(columns.type);
    const bool withValue = usesValue(columns.type);
    const PackedField state = withState ? measure(columns.state) : PackedField{};
    const PackedField value = withValue ? measureWithTopMovedDown(columns.value) : PackedField{};
    const PackedField tie = measure(columns.tie);
    PackedField number;
    if (n > 0) {
        qint16 lo = columns.competitor.front();
        qint16 hi = columns.competitor.front();
        for (const qint16 v : columns.competitor) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        number = {lo, static_cast<int>(std::bit_width(static_cast<std::uint64_t>(qint64(hi) - lo)))};
    }
    const int bits = state.bits + value.bits + tie.bits + number.bits;
    if (bits > 64)
        return rankedOrderWide(columns);

    // The fields side by side in one integer, most significant first: same order as the key.
    std::vector<std::uint64_t> keys(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t key = 0;
        if (withState)
            key = state.code(columns.state[i]);
        if (withValue)
            key = (key << value.bits) | value.code(columns.value[i]);
        key = (key << tie.bits) | tie.code(columns.tie[i]);
        key = (key << number.bits) | static_cast<std::uint64_t>(qint64(columns.competitor[i]) - number.minimum);
        keys[i] = key;
    }
    if (n < kRadixThreshold)
        std::sort(keys.begin(), keys.end());
    else if (n < kWideDigitThreshold)
        radixSort<8>(keys, bits);
    else
        radixSort<11>(keys, bits);

    const std::uint64_t numberMask = number.bits == 0 ? 0 : (~std::uint64_t(0) >> (64 - number.bits));
    std::vector<qint16> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = static_cast<qint16>(qint64(keys[i] & numberMask) + number.minimum);
    return order;
}

}  // namespace razudar
