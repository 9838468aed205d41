#include "edit/TopmostThing.h"

#include "model/TessarkDoc.h"

namespace tessark {

ThingAt FindTopmostThing(const CTessarkDoc& document, const Position& position,
                         const ThingVisibility& visibility)
{
    const CTile* tile = document.GetTile(position);
    if (!tile) {
        return {};
    }
    const CSpawnList& spawns = document.Spawns();
    for (size_t s = 0; s < spawns.Size(); ++s) {
        CSpawn* spawn = spawns.GetSpawn(s);
        if (spawn->GetCenterZ() != position.z) {
            continue;
        }
        if (visibility.showCreatures) {
            for (size_t c = 0; c < spawn->GetCreatureCount(); ++c) {
                CCreature* creature = spawn->GetCreature(c);
                if (spawn->GetCenterX() + creature->GetOffsetX() == position.x &&
                    spawn->GetCenterY() + creature->GetOffsetY() == position.y) {
                    return {creature, position};
                }
            }
        }
        if (visibility.showSpawns && spawn->GetCenterX() == position.x &&
            spawn->GetCenterY() == position.y) {
            return {spawn, position};
        }
    }
    const size_t count = tile->GetThingCount();
    if (count == 0) {
        return {};
    }
    return {tile->GetThing(count - 1), position};
}

std::optional<Position> LocateThing(const CTessarkDoc& document, const ThingAt& at)
{
    // The thing may have been destroyed since it was picked: find it by address first and only
    // then look at it.
    if (!at.thing) {
        return std::nullopt;
    }
    if (const CTile* tile = document.GetTile(at.position)) {
        for (size_t i = 0; i < tile->GetThingCount(); ++i) {
            if (tile->GetThing(i) == at.thing) {
                return at.position;
            }
        }
    }
    const CSpawnList& spawns = document.Spawns();
    for (size_t s = 0; s < spawns.Size(); ++s) {
        const CSpawn* spawn = spawns.GetSpawn(s);
        if (spawn == at.thing) {
            return spawn->GetCenter();
        }
        for (size_t c = 0; c < spawn->GetCreatureCount(); ++c) {
            const CCreature* creature = spawn->GetCreature(c);
            if (creature == at.thing) {
                return Position{spawn->GetCenterX() + creature->GetOffsetX(),
                                spawn->GetCenterY() + creature->GetOffsetY(),
                                spawn->GetCenterZ()};
            }
        }
    }
    return std::nullopt;
}

int32_t DrawnTypeKey(const CThing& thing)
{
    if (thing.Kind() == ThingKind::Spawn) {
        return CSpawnList::kMarkerTypeKey;
    }
    return static_cast<const CItem&>(thing).GetTypeKey();
}

}  // namespace tessark
