#include "model/expected_starters.h"

namespace razudar {

void ExpectedStarters::append(qint16 number)
{
    // Removals wait only while nothing is appended: an appended number must not take one.
    applyRemovals();
    numbers_.append(number);
    if (counted_)
        ++counts_[number].remaining;
}

void ExpectedStarters::removeFirst(qint16 number)
{
    if (!counted_) {
        counts_.reserve(numbers_.size());
        for (const qint16 n : numbers_)
            ++counts_[n].remaining;
        counted_ = true;
    }
    const auto found = counts_.find(number);
    if (found == counts_.end() || found->remaining == 0)
        return;
    --found->remaining;
    ++found->pending;
    ++pendingTotal_;
}

qint16 ExpectedStarters::at(qsizetype index) const
{
    applyRemovals();
    return numbers_.at(index);
}

void ExpectedStarters::applyRemovals() const
{
    if (pendingTotal_ == 0)
        return;
    // Walking in start order, the first occurrences of a number are the ones its removals take.
    qsizetype kept = 0;
    for (qsizetype i = 0; i < numbers_.size(); ++i) {
        const qint16 n = numbers_.at(i);
        if (pendingTotal_ > 0) {
            const auto waiting = counts_.find(n);
            if (waiting != counts_.end() && waiting->pending > 0) {
                --waiting->pending;
                --pendingTotal_;
                continue;
            }
        }
        numbers_[kept++] = n;
    }
    numbers_.resize(kept);
}

}  // namespace razudar
