#include "model/ranked_slot.h"

namespace razudar {

void RankedSlot::assign(std::vector<qint16> order, const std::vector<int>& registryIndex,
                        std::size_t registrySize)
{
    order_ = std::move(order);
    positionByRegistryIndex_.assign(registrySize, 0);
    for (std::size_t i = order_.size(); i-- > 0;) {  // backwards: the first entry wins
        const int index = registryIndex[i];
        if (index >= 0 && static_cast<std::size_t>(index) < registrySize)
            positionByRegistryIndex_[static_cast<std::size_t>(index)] = static_cast<int>(i) + 1;
    }
    categories_.clear();
}

int RankedSlot::at(int position) const
{
    if (position < 1 || position > count())
        return -1;
    return order_[static_cast<std::size_t>(position - 1)];
}

int RankedSlot::positionOfRegistryIndex(int registryIndex) const
{
    if (registryIndex < 0 || static_cast<std::size_t>(registryIndex) >= positionByRegistryIndex_.size())
        return 0;
    return positionByRegistryIndex_[static_cast<std::size_t>(registryIndex)];
}

const RankedSlot::CategoryPositions& RankedSlot::category(const QString& code, quint64 revision,
                                                          const Membership& isMember) const
{
    auto [entry, inserted] = categories_.try_emplace(code);
    CategoryPositions& positions = entry->second;
    if (inserted || positions.revision != revision) {
        positions.revision = revision;
        positions.members.clear();
        positions.membersUpTo.assign(order_.size(), 0);
        for (std::size_t i = 0; i < order_.size(); ++i) {
            if (isMember(order_[i]))
                positions.members.push_back(order_[i]);
            positions.membersUpTo[i] = static_cast<int>(positions.members.size());
        }
    }
    return positions;
}

}  // namespace razudar
