#include "model/UsedUniqueIds.h"

namespace tessark {

void UsedUniqueIds::Register(uint32_t id)
{
    if (id != 0) {
        ++holders_[id];
    }
}

void UsedUniqueIds::Unregister(uint32_t id)
{
    auto it = holders_.find(id);
    if (it != holders_.end() && --it->second == 0) {
        holders_.erase(it);
    }
}

void UsedUniqueIds::Clear()
{
    std::unordered_map<uint32_t, uint32_t>().swap(holders_);
}

}  // namespace tessark
