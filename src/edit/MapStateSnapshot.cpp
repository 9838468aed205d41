#include "edit/MapStateSnapshot.h"

#include <algorithm>
#include <memory>

#include "model/Creature.h"
#include "model/Spawn.h"
#include "model/TessarkDoc.h"

namespace tessark {
namespace {

template <class Part>
void KeepIfDifferent(std::optional<Part>& before, std::optional<Part>& after)
{
    if (before == after) {
        before.reset();
        after.reset();
    }
}

}  // namespace

MapStateSnapshot MapStateSnapshot::Capture(const CTessarkDoc& document)
{
    MapStateSnapshot snapshot;
    snapshot.settings = Settings{document.width,          document.height,
                                 document.temple,         document.GetDescription(),
                                 document.GetSpawnFile(), document.GetHouseFile(),
                                 document.groundTemplate, document.templateLoaded};
    auto& towns = snapshot.towns.emplace();
    for (const auto& [id, town] : document.Towns().Towns()) {
        towns.push_back({id, town->name, {town->templeX, town->templeY, town->templeZ}});
    }
    auto& houses = snapshot.houses.emplace();
    for (const auto& [id, house] : document.Houses().Houses()) {
        const auto doors = house->GetDoors();
        houses.push_back({id, house->name, {house->entryX, house->entryY, house->entryZ},
                          house->rent, house->townId, {doors.begin(), doors.end()}});
    }
    auto& spawns = snapshot.spawns.emplace();
    for (size_t i = 0; i < document.Spawns().Size(); ++i) {
        const CSpawn& spawn = *document.Spawns().GetSpawn(i);
        SpawnRecord& record = spawns.emplace_back();
        record.center = spawn.GetCenter();
        record.radius = spawn.GetRadius();
        for (size_t c = 0; c < spawn.GetCreatureCount(); ++c) {
            const CCreature& creature = *spawn.GetCreature(c);
            record.creatures.push_back({creature.GetTypeKey(), creature.GetCount(),
                                        creature.GetOffsetX(), creature.GetOffsetY(),
                                        creature.GetSpawnTime(), creature.GetDirection()});
        }
    }
    snapshot.uniqueIds = document.UniqueIds();
    return snapshot;
}

void MapStateSnapshot::KeepDifferences(MapStateSnapshot& before, MapStateSnapshot& after)
{
    KeepIfDifferent(before.settings, after.settings);
    KeepIfDifferent(before.towns, after.towns);
    KeepIfDifferent(before.houses, after.houses);
    KeepIfDifferent(before.spawns, after.spawns);
    KeepIfDifferent(before.uniqueIds, after.uniqueIds);
}

bool MapStateSnapshot::ChangesMap(const MapStateSnapshot& before, const MapStateSnapshot& after)
{
    if (before.towns || before.houses || before.spawns || before.uniqueIds) {
        return true;
    }
    if (!before.settings || !after.settings) {
        return false;
    }
    Settings withoutTemplate = *before.settings;
    withoutTemplate.groundTemplate = after.settings->groundTemplate;
    withoutTemplate.templateLoaded = after.settings->templateLoaded;
    return !(withoutTemplate == *after.settings);
}

void MapStateSnapshot::Restore(CTessarkDoc& document) const
{
    if (settings) {
        document.width = settings->width;
        document.height = settings->height;
        document.temple = settings->temple;
        document.SetDescription(settings->description);
        document.SetSpawnFile(settings->spawnFile);
        document.SetHouseFile(settings->houseFile);
        document.groundTemplate = settings->groundTemplate;
        document.templateLoaded = settings->templateLoaded;
    }
    if (towns) {
        document.Towns().ClearTowns();
        for (const TownRecord& record : *towns) {
            Town* town = document.Towns().GetTown(record.id, true);
            town->name = record.name;
            town->templeX = record.temple.x;
            town->templeY = record.temple.y;
            town->templeZ = record.temple.z;
        }
    }
    if (houses) {
        // Houses are changed in place: their tile lists stay and follow the tiles put back.
        HouseList& list = document.Houses();
        std::vector<const House*> gone;
        for (const auto& [id, house] : list.Houses()) {
            const bool kept = std::any_of(houses->begin(), houses->end(),
                                          [id = id](const HouseRecord& r) { return r.id == id; });
            if (!kept) {
                gone.push_back(house.get());
            }
        }
        for (const House* house : gone) {
            list.RemoveHouse(house);
        }
        for (const HouseRecord& record : *houses) {
            House* house = list.GetHouse(record.id, true);
            house->name = record.name;
            house->entryX = record.entry.x;
            house->entryY = record.entry.y;
            house->entryZ = record.entry.z;
            house->rent = record.rent;
            house->townId = record.townId;
            while (!house->GetDoors().empty()) {
                house->RemoveDoor(house->GetDoors().front());
            }
            for (uint32_t door : record.doors) {
                house->AddDoor(door);
            }
        }
    }
    if (spawns) {
        document.Spawns().Clear();
        for (const SpawnRecord& record : *spawns) {
            auto spawn = std::make_unique<CSpawn>(record.center, record.radius);
            for (const CreatureRecord& c : record.creatures) {
                auto creature = std::make_unique<CCreature>(c.typeKey);
                creature->SetCount(c.count);
                creature->SetOffset(c.offsetX, c.offsetY);
                creature->SetSpawnTime(c.spawnTime);
                creature->SetDirection(c.direction);
                spawn->AppendCreature(std::move(creature));
            }
            document.Spawns().AddSpawn(std::move(spawn));
        }
    }
}

void MapStateSnapshot::RestoreUniqueIds(CTessarkDoc& document) const
{
    if (uniqueIds) {
        document.UniqueIds() = *uniqueIds;
    }
}

size_t MapStateSnapshot::MemoryBytes() const
{
    size_t bytes = sizeof(MapStateSnapshot);
    if (settings) {
        bytes += settings->description.size() + settings->groundTemplate.size() * 64;
    }
    if (towns) {
        bytes += towns->size() * (sizeof(TownRecord) + 16);
    }
    if (houses) {
        for (const HouseRecord& house : *houses) {
            bytes += sizeof(HouseRecord) + house.name.size() + house.doors.size() * 4;
        }
    }
    if (spawns) {
        for (const SpawnRecord& spawn : *spawns) {
            bytes += sizeof(SpawnRecord) + spawn.creatures.size() * sizeof(CreatureRecord);
        }
    }
    if (uniqueIds) {
        bytes += uniqueIds->Count() * 32;
    }
    return bytes;
}

}  // namespace tessark
