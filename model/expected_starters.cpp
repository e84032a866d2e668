#include "model/expected_starters.h"

namespace razudar {

void ExpectedStarters::append(qint16 number)
{
    // Removals wait only while nothing is appended: an appended number must not take one.
    applyRemovals();
    numbers_.append(number);
    if (counted_)
        ++remaining_[number];
}

void ExpectedStarters::removeFirst(qint16 number)
{
    if (!counted_) {
        for (const qint16 n : numbers_)
            ++remaining_[n];
        counted_ = true;
    }
    const auto found = remaining_.find(number);
    if (found == remaining_.end() || *found == 0)
        return;
    --*found;
    ++pending_[number];
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
        const auto waiting = pending_.find(n);
        if (waiting != pending_.end() && *waiting > 0) {
            --*waiting;
            continue;
        }
        numbers_[kept++] = n;
    }
    numbers_.resize(kept);
    pending_.clear();
    pendingTotal_ = 0;
}

}  // namespace razudar
