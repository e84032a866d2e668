#include "model/sort.h"

#include <array>

namespace razudar {

namespace {

// The larger part of every partition is pushed and the smaller one sorted next, so the stack
// depth stays below log2(length) + 1: 32 usable entries cover any array that fits in memory.
constexpr int kStackEntries = 33;

inline int compareOrdinal(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseSensitive);
}

}  // namespace

void OrdinaVettore(QStringList& array, std::optional<qsizetype> lastIndex, bool descending) {
    if (array.isEmpty()) return;
    const qsizetype last = qMin(lastIndex.value_or(array.size() - 1), array.size() - 1);
    if (last <= 0) return;

    // The sign turns every comparison around for the descending order.
    const int direction = descending ? -1 : 1;
    auto before = [direction](const QString& a, const QString& b) {  // a < b in sort order
        return direction * compareOrdinal(a, b) < 0;
    };

    std::array<qsizetype, kStackEntries> lowerStack{};
    std::array<qsizetype, kStackEntries> upperStack{};
    int pointer = 1;
    lowerStack[1] = 0;
    upperStack[1] = last;
    qsizetype lower = 0;
    qsizetype upper = last;

    for (;;) {
        if (upper > lower) {
            const QString pivot = array[upper];
            qsizetype i = lower - 1;
            qsizetype j = upper;
            do {
                do { ++i; } while (before(array[i], pivot));
                do { --j; } while (j > lower && before(pivot, array[j]));
                array.swapItemsAt(i, j);
            } while (j > i);
            // Undo the last swap and put the pivot in its place.
            QString temp = array[j];
            array[j] = array[i];
            array[i] = array[upper];
            array[upper] = temp;

            ++pointer;
            if (pointer >= kStackEntries) return;  // cannot happen: see kStackEntries
            if (i - lower <= upper - i) {
                lowerStack[pointer] = i + 1;
                upperStack[pointer] = upper;
                upper = i - 1;
            } else {
                lowerStack[pointer] = lower;
                upperStack[pointer] = i - 1;
                lower = i + 1;
            }
        } else {
            lower = lowerStack[pointer];
            upper = upperStack[pointer];
            --pointer;
            if (pointer == 0) return;
        }
    }
}

}  // namespace razudar
