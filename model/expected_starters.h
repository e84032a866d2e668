#pragma once
// The expected starters of a race state: competitor numbers in start order. A number may stand
// more than once, and removing a number takes out its first occurrence (absent: nothing).
// Removals are counted per number and applied in one pass when the list is next read or
// appended to, so removing every starter of a long list costs time in proportion to its length
// rather than its square; the list read back is the one that removing each number in turn gives.
#include <QHash>
#include <QList>
#include <QtGlobal>

namespace razudar {

class ExpectedStarters {
public:
    void append(qint16 number);
    void removeFirst(qint16 number);
    qsizetype size() const { return numbers_.size() - pendingTotal_; }
    // The starter at a position from 0 (0 <= index < size()).
    qint16 at(qsizetype index) const;

private:
    struct Count {
        qsizetype remaining = 0;  // occurrences not removed
        qsizetype pending = 0;    // removals not yet taken out of numbers_
    };
    // Takes out, for each number, as many of its first occurrences as removals wait for it.
    void applyRemovals() const;

    mutable QList<qint16> numbers_;  // pending removals not yet taken out
    // Per number; counted at the first removal, then kept up to date.
    mutable QHash<qint16, Count> counts_;
    mutable qsizetype pendingTotal_ = 0;
    bool counted_ = false;
};

}  // namespace razudar
