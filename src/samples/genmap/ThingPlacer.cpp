#include "samples/genmap/ThingPlacer.h"

#include <memory>

#include "data/ItemDatabase.h"
#include "model/Creature.h"
#include "model/TeleportItem.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "model/Tile.h"

namespace tessark::genmap {

ThingPlacer::ThingPlacer(CTessarkDoc& document, const Rect& world)
    : document_(document), database_(document.Database()), world_(world)
{
}

CItem* ThingPlacer::Place(int32_t key, const Position& at, int32_t count)
{
    if (!InWorld(at)) {
        return nullptr;
    }
    std::unique_ptr<CItem> item = CreateThing(database_, key, count);
    if (!item || item->Kind() == ThingKind::Creature) {
        return nullptr;
    }
    CItem* placed = item.get();
    document_.AddThing(std::move(item), at.x, at.y, at.z, false);
    return placed;
}

CItem* ThingPlacer::PlaceText(int32_t key, const Position& at, std::string_view text)
{
    CItem* item = Place(key, at);
    if (item) {
        item->SetText(text);
    }
    return item;
}

CItem* ThingPlacer::PlaceTeleport(int32_t key, const Position& at, const Position& destination)
{
    CItem* item = Place(key, at);
    if (item && item->Kind() == ThingKind::Teleport) {
        static_cast<CTeleportItem*>(item)->SetDestination(static_cast<uint32_t>(destination.x),
                                                          static_cast<uint32_t>(destination.y),
                                                          static_cast<uint32_t>(destination.z));
    }
    return item;
}

bool ThingPlacer::PlaceCreature(int32_t key, const Position& at, uint32_t direction, uint32_t spawnTime)
{
    if (!InWorld(at)) {
        return false;
    }
    std::unique_ptr<CItem> thing = CreateThing(database_, key, 1);
    CSpawn* spawn = document_.Spawns().FindSpawnAt(at);
    if (!thing || thing->Kind() != ThingKind::Creature || !spawn) {
        return false;
    }
    auto* creature = static_cast<CCreature*>(thing.get());
    creature->SetDirection(direction);
    creature->SetSpawnTime(spawnTime);
    const size_t before = spawn->GetCreatureCount();
    document_.AddThing(std::move(thing), at.x, at.y, at.z, false);
    return spawn->GetCreatureCount() > before;
}

CTile* ThingPlacer::TileAt(const Position& at) const { return document_.GetTile(at); }

bool ThingPlacer::IsWalkable(const Position& at) const
{
    const CTile* tile = TileAt(at);
    if (!tile || !tile->GetGround() || tile->GetGround()->GetServerType(database_).blocking) {
        return false;
    }
    for (size_t i = 1; i < tile->GetThingCount(); ++i) {
        if (tile->GetThing(i)->GetServerType(database_).blocking) {
            return false;
        }
    }
    return true;
}

bool ThingPlacer::HoldsNothing(const Position& at) const
{
    const CTile* tile = TileAt(at);
    if (!tile || !tile->GetGround() || !tile->GetHangingItems().empty() || !tile->GetOrdinaryItems().empty()) {
        return false;
    }
    // Borders (top order 1) lie flat on the ground; anything higher stands on it.
    for (const CItem* item : tile->GetTopItems()) {
        if (item->GetTopOrder(database_) > 1) {
            return false;
        }
    }
    return true;
}

}  // namespace tessark::genmap
