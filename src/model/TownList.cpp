#include "model/TownList.h"

namespace tessark {

Town* TownList::GetTown(uint32_t id, bool create)
{
    auto it = towns_.find(id);
    if (it != towns_.end()) {
        return it->second.get();
    }
    if (!create) {
        return nullptr;
    }
    return towns_.emplace(id, std::make_unique<Town>(id)).first->second.get();
}

bool TownList::RemoveTown(const Town* town)
{
    for (auto it = towns_.begin(); it != towns_.end(); ++it) {
        if (it->second.get() == town) {
            towns_.erase(it);
            return true;
        }
    }
    return false;
}

}  // namespace tessark
