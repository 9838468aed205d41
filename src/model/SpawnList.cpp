#include "model/SpawnList.h"

#include <algorithm>

#include "data/ItemDatabase.h"
#include "model/ThingFactory.h"

namespace tessark {

CSpawnList::CSpawnList(const ItemDatabase& database) : database_(database) {}

CSpawnList::~CSpawnList() = default;

const CItem* CSpawnList::GetMarker()
{
    if (!marker_) {
        marker_ = CreateThing(database_, kMarkerTypeKey, 0);
    }
    return marker_.get();
}

CSpawn* CSpawnList::CreateSpawn(const Position& center, int32_t radius)
{
    return AddSpawn(std::make_unique<CSpawn>(center, radius));
}

CSpawn* CSpawnList::AddSpawn(std::unique_ptr<CSpawn> spawn)
{
    if (!spawn) {
        return nullptr;
    }
    spawns_.push_back(std::move(spawn));
    return spawns_.back().get();
}

std::unique_ptr<CSpawn> CSpawnList::RemoveSpawn(const CThing* spawn)
{
    auto it = std::find_if(spawns_.begin(), spawns_.end(),
                           [spawn](const auto& held) { return held.get() == spawn; });
    if (it == spawns_.end()) {
        return nullptr;
    }
    std::unique_ptr<CSpawn> removed = std::move(*it);
    spawns_.erase(it);
    return removed;
}

CSpawn* CSpawnList::FindSpawnAt(const Position& position) const
{
    for (const auto& spawn : spawns_) {
        if (spawn->Contains(position)) {
            return spawn.get();
        }
    }
    return nullptr;
}

}  // namespace tessark
