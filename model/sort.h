#pragma once
// In-place ordinal sort of a text array (ranking keys of the classifications).
#include <QStringList>

#include <optional>

namespace razudar {

// Sorts `array` in place from index 0 to `lastIndex` (default: the last element; a value past
// the end counts as the last element, one below 0 sorts nothing). Texts are compared by UTF-16
// code unit, no locale and no case folding; `descending` puts the largest text first. Not
// stable: callers make every key unique. Non-recursive quicksort with a fixed 33-entry stack.
void OrdinaVettore(QStringList& array, std::optional<qsizetype> lastIndex = std::nullopt,
                   bool descending = false);

}  // namespace razudar
