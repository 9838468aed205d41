#include "model/HouseList.h"

#include "model/Tile.h"

namespace tessark {

HouseList::HouseList() = default;

HouseList::~HouseList() { ClearHouses(); }

House* HouseList::GetHouse(uint32_t id, bool create)
{
    auto it = houses_.find(id);
    if (it != houses_.end()) {
        return it->second.get();
    }
    if (!create) {
        return nullptr;
    }
    return houses_.emplace(id, std::make_unique<House>(id, this)).first->second.get();
}

House* HouseList::FindHouse(uint32_t id) const
{
    auto it = houses_.find(id);
    return it != houses_.end() ? it->second.get() : nullptr;
}

bool HouseList::RemoveHouse(const House* house)
{
    for (auto it = houses_.begin(); it != houses_.end(); ++it) {
        if (it->second.get() == house) {
            // Out of the list before it is destroyed, so nothing finds it half-gone.
            std::unique_ptr<House> removed = std::move(it->second);
            houses_.erase(it);
            return true;
        }
    }
    return false;
}

void HouseList::ClearHouses()
{
    Map houses;
    houses.swap(houses_);
    houses.clear();
}

void HouseList::ForgetTile(const CTile* tile)
{
    if (!tile || tile->GetHouseId() == 0) {
        return;
    }
    if (House* house = FindHouse(tile->GetHouseId())) {
        house->ForgetTile(tile);
    }
}

}  // namespace tessark
