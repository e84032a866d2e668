#pragma once
// One classification slot: competitor numbers in rank order, with the position indexes that
// make position and gap queries cheap. The indexes are rebuilt with the slot; the index of a
// category is built at its first query and rebuilt when category membership has changed.
#include <QHashFunctions>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <unordered_map>
#include <vector>

namespace razudar {

class RankedSlot {
public:
    using Membership = std::function<bool(qint16 competitor)>;

    // Replaces the ranking and drops every index built on the old one. `registryIndex` gives,
    // for each entry of `order`, the competitor's place in the registry (0..registrySize-1).
    void assign(std::vector<qint16> order, const std::vector<int>& registryIndex, std::size_t registrySize);
    int count() const { return static_cast<int>(order_.size()); }
    // Competitor at a position from 1; -1 outside 1..count.
    int at(int position) const;
    // Position from 1 of the competitor at a registry place; 0 when it is not in the slot.
    int positionOfRegistryIndex(int registryIndex) const;
    const std::vector<qint16>& order() const { return order_; }

    // Members of a category in rank order, and for each position of the slot the number of
    // members ranked at or above it. `revision` identifies the membership state: a different
    // value rebuilds the index with `isMember`.
    struct CategoryPositions {
        quint64 revision = 0;
        std::vector<qint16> members;
        std::vector<int> membersUpTo;
    };
    const CategoryPositions& category(const QString& code, quint64 revision,
                                      const Membership& isMember) const;

private:
    std::vector<qint16> order_;
    std::vector<int> positionByRegistryIndex_;
    struct CodeHash {
        std::size_t operator()(const QString& code) const { return qHash(code); }
    };
    mutable std::unordered_map<QString, CategoryPositions, CodeHash> categories_;
};

}  // namespace razudar
