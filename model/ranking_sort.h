#pragma once
// Orders the competitors of one classification slot by their ranking keys. The fields of every
// competitor come as columns; the result is the competitor numbers in rank order, the same order
// as sorting RankingKey values (see ranking_key.h).
#include <QtGlobal>

#include <span>
#include <vector>

namespace razudar {

// One entry per competitor in each column.
struct SlotRankingColumns {
    int type = 0;                          // classification type: which fields take part
    std::span<const qint32> state;         // types 0 and 1
    std::span<const qint32> value;         // types 0 to 3
    std::span<const qint32> tie;           // every type
    std::span<const qint16> competitor;    // every type; unique numbers
};

std::vector<qint16> rankedOrder(const SlotRankingColumns& columns);

}  // namespace razudar
