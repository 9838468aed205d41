#include "edit/MoveMemory.h"

#include <algorithm>

#include "model/Item.h"
#include "model/Tile.h"
#include "model/UsedUniqueIds.h"

namespace tessark {

MoveMemory::Ids MoveMemory::IdsOf(const CTile& tile)
{
    Ids ids;
    for (size_t i = 0; i < tile.GetThingCount(); ++i) {
        const CItem* item = tile.GetThing(i);
        if (item->GetUniqueId() != 0) {
            ids.emplace_back(item->GetTypeKey(), item->GetUniqueId());
        }
    }
    return ids;
}

void MoveMemory::RememberTiles(std::span<const uint8_t> bytes, const CTessarkDoc& document,
                               std::span<const Position> positions)
{
    Forget();
    if (positions.empty()) {
        return;
    }
    const Position anchor = *std::min_element(positions.begin(), positions.end(), PositionZyxLess());
    for (const Position& position : positions) {
        const CTile* tile = document.GetTile(position);
        if (!tile) {
            continue;
        }
        Taken taken{IdsOf(*tile), tile->HasFlags(CTile::kHouseFlag) ? tile->GetHouseId() : 0};
        if (!taken.ids.empty() || taken.houseId != 0) {
            ids_[{position.x - anchor.x, position.y - anchor.y, position.z - anchor.z}] = std::move(taken);
        }
    }
    if (!ids_.empty()) {
        bytes_.assign(bytes.begin(), bytes.end());
    }
}

void MoveMemory::RememberThing(std::span<const uint8_t> bytes, const CItem& item)
{
    Forget();
    if (item.GetUniqueId() != 0) {
        ids_[{}].ids = {{item.GetTypeKey(), item.GetUniqueId()}};
        bytes_.assign(bytes.begin(), bytes.end());
    }
}

void MoveMemory::Forget()
{
    bytes_.clear();
    ids_.clear();
}

bool MoveMemory::Holds(std::span<const uint8_t> bytes) const
{
    return !ids_.empty() && std::ranges::equal(bytes, bytes_);
}

void MoveMemory::GiveIds(const Ids& ids, CTile& tile, const UsedUniqueIds& used)
{
    // By type rather than by index: placing the items again may order them differently.
    std::vector<bool> taken(tile.GetThingCount(), false);
    for (const auto& [typeKey, uniqueId] : ids) {
        if (used.IsUsed(uniqueId)) {
            continue;
        }
        for (size_t i = 0; i < tile.GetThingCount(); ++i) {
            CItem* item = tile.GetThing(i);
            if (!taken[i] && item->GetTypeKey() == typeKey && item->GetUniqueId() == 0) {
                item->SetUniqueId(uniqueId);
                taken[i] = true;
                break;
            }
        }
    }
}

bool MoveMemory::RestoreTiles(std::span<const uint8_t> bytes, const CTessarkDoc::CopyBuffer& tiles,
                              const UsedUniqueIds& used)
{
    if (!Holds(bytes)) {
        return false;
    }
    for (const auto& [offset, taken] : ids_) {
        const auto found = tiles.find(offset);
        if (found != tiles.end() && found->second) {
            GiveIds(taken.ids, *found->second, used);
            found->second->SetHouseId(taken.houseId);
        }
    }
    Forget();
    return true;
}

bool MoveMemory::RestoreThing(std::span<const uint8_t> bytes, CItem& item, const UsedUniqueIds& used)
{
    if (!Holds(bytes)) {
        return false;
    }
    const auto& [typeKey, uniqueId] = ids_.begin()->second.ids.front();
    if (item.GetTypeKey() == typeKey && !used.IsUsed(uniqueId)) {
        item.SetUniqueId(uniqueId);
    }
    Forget();
    return true;
}

}  // namespace tessark
