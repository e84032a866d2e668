#pragma once
// A keyed collection that keeps its keys in the order they were first added: replacing the value
// under an existing key keeps the key's place. Lookups never insert. Entries are never removed.
#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

namespace razudar {

template <typename Key, typename Value>
class InsertionOrderedMap {
public:
    // Adds the value under the key at the end, or replaces the value of an existing key in place.
    void put(const Key& key, Value value)
    {
        const auto found = index_.find(key);
        if (found != index_.end()) {
            entries_[found->second].second = std::move(value);
            return;
        }
        index_.emplace(key, entries_.size());
        entries_.emplace_back(key, std::move(value));
    }
    bool contains(const Key& key) const { return index_.find(key) != index_.end(); }
    // The stored value, or nullptr when the key is absent.
    const Value* find(const Key& key) const
    {
        const auto found = index_.find(key);
        return found == index_.end() ? nullptr : &entries_[found->second].second;
    }
    Value* find(const Key& key)
    {
        const auto found = index_.find(key);
        return found == index_.end() ? nullptr : &entries_[found->second].second;
    }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    // Entries in insertion order.
    const std::vector<std::pair<Key, Value>>& entries() const { return entries_; }

private:
    std::vector<std::pair<Key, Value>> entries_;
    std::unordered_map<Key, std::size_t> index_;
};

}  // namespace razudar
