#include "model/House.h"

#include <algorithm>

#include "model/HouseList.h"
#include "model/Tile.h"

namespace tessark {

namespace {
constexpr uint32_t kHouseMarks = CTile::kProtectionZoneFlag | CTile::kHouseFlag;
}  // namespace

House::House(uint32_t id, HouseList* owner) : id_(id), owner_(owner) {}

House::~House()
{
    for (CTile* tile : tiles_) {
        tile->SetFlags(tile->GetFlags() & ~kHouseMarks);
        tile->SetHouseId(0);
    }
}

void House::RemoveDoor(uint32_t doorId)
{
    const auto found = std::find(doors_.begin(), doors_.end(), doorId);
    if (found != doors_.end()) {
        doors_.erase(found);
    }
}

bool House::HasDoor(uint32_t doorId) const
{
    return std::find(doors_.begin(), doors_.end(), doorId) != doors_.end();
}

void House::AddTile(CTile* tile)
{
    if (!tile) {
        return;
    }
    const uint32_t previousId = tile->GetHouseId();
    if (previousId != 0 && previousId != id_ && owner_) {
        // Otherwise the old house would keep a pointer to a tile that is no longer its own and
        // that may be destroyed without it knowing.
        if (House* previous = owner_->GetHouse(previousId, false)) {
            previous->ForgetTile(tile);
        }
    }
    tile->AddFlags(kHouseMarks);
    tile->SetHouseId(id_);
    if (previousId != id_ || !HasTile(tile)) {
        tiles_.push_back(tile);
    }
}

void House::RemoveTile(CTile* tile)
{
    auto it = std::find(tiles_.begin(), tiles_.end(), tile);
    if (it == tiles_.end()) {
        return;
    }
    tile->SetFlags(tile->GetFlags() & ~kHouseMarks);
    tile->SetHouseId(0);
    tiles_.erase(it);
}

void House::ForgetTile(const CTile* tile)
{
    std::erase(tiles_, tile);
}

bool House::HasTile(const CTile* tile) const
{
    return std::find(tiles_.begin(), tiles_.end(), tile) != tiles_.end();
}

}  // namespace tessark
