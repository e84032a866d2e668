#pragma once
// The competitors of a race state keyed by competitor number (16-bit), in the order their
// numbers were first added; replacing the competitor under a number keeps its place. The index
// is a table addressed by the number itself, so a lookup is one array read. Lookups never add.
#include "model/competitor.h"

#include <QtGlobal>

#include <memory>
#include <utility>
#include <vector>

namespace razudar {

class CompetitorRegistry {
public:
    using Entry = std::pair<qint16, std::shared_ptr<clsConcorrente>>;

    CompetitorRegistry() : indexByNumber_(kNumbers, -1) {}

    // Adds the competitor under the number at the end, or replaces it in place.
    void put(qint16 number, std::shared_ptr<clsConcorrente> competitor)
    {
        int& index = indexByNumber_[slotOf(number)];
        if (index >= 0) {
            entries_[static_cast<std::size_t>(index)].second = std::move(competitor);
            return;
        }
        index = static_cast<int>(entries_.size());
        entries_.emplace_back(number, std::move(competitor));
    }
    // Registry position from 0 of the number, or -1.
    int indexOf(qint16 number) const { return indexByNumber_[slotOf(number)]; }
    bool contains(qint16 number) const { return indexOf(number) >= 0; }
    // The stored competitor or nullptr.
    const std::shared_ptr<clsConcorrente>* find(qint16 number) const
    {
        const int index = indexOf(number);
        return index < 0 ? nullptr : &entries_[static_cast<std::size_t>(index)].second;
    }
    std::size_t size() const { return entries_.size(); }
    const std::vector<Entry>& entries() const { return entries_; }

private:
    static constexpr std::size_t kNumbers = 65536;
    static std::size_t slotOf(qint16 number) { return static_cast<quint16>(number); }

    std::vector<Entry> entries_;
    std::vector<int> indexByNumber_;
};

}  // namespace razudar
