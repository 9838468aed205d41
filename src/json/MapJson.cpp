#include "json/MapJson.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "data/ItemDatabase.h"
#include "json/JsonWriter.h"
#include "model/DepotItem.h"
#include "model/TeleportItem.h"
#include "model/TessarkDoc.h"

namespace tessark {

namespace {

void WritePosition(JsonWriter& json, int64_t x, int64_t y, int64_t z)
{
    json.BeginArray().Int(x).Int(y).Int(z).EndArray();
}

struct PlacedTile {
    int32_t x;
    int32_t y;
    int32_t z;
    const CTile* tile;
};

// Every tile ordered by z, then y, then x (the store keeps them by block).
std::vector<PlacedTile> TilesInRowOrder(const CTessarkDoc& document)
{
    std::vector<PlacedTile> tiles;
    tiles.reserve(document.Tiles().Size());
    for (int floor = 0; floor < kFloorCount; ++floor) {
        const size_t first = tiles.size();
        document.Tiles().ForEachTile(floor, [&](uint32_t key, const CTile& tile) {
            int32_t x = 0;
            int32_t y = 0;
            SplitTileKey(key, x, y);
            tiles.push_back({x, y, floor, &tile});
        });
        std::sort(tiles.begin() + static_cast<std::ptrdiff_t>(first), tiles.end(),
                  [](const PlacedTile& a, const PlacedTile& b) {
                      return a.y != b.y ? a.y < b.y : a.x < b.x;
                  });
    }
    return tiles;
}

}  // namespace

void WriteThingJson(JsonWriter& json, const CItem& item)
{
    json.BeginObject();
    json.Key("id").Int(item.GetTypeKey() + kTypeKeyOffset);
    json.Key("count").Int(item.GetCount());
    json.Key("actionId").UInt(item.GetActionId());
    json.Key("uniqueId").UInt(item.GetUniqueId());
    if (!item.GetText().empty()) {
        json.Key("text").String(item.GetText());
    }
    if (!item.GetSpecialDescription().empty()) {
        json.Key("desc").String(item.GetSpecialDescription());
    }
    if (item.Kind() == ThingKind::Teleport) {
        const auto& teleport = static_cast<const CTeleportItem&>(item);
        json.Key("dest");
        WritePosition(json, teleport.GetDestX(), teleport.GetDestY(), teleport.GetDestZ());
    }
    if (item.Kind() == ThingKind::Depot) {
        json.Key("depot").UInt(static_cast<const CDepotItem&>(item).GetDepotId());
    }
    json.EndObject();
}

std::string MapInfoJson(const CTessarkDoc& document)
{
    uint64_t grounds = 0;
    uint64_t items = 0;
    uint64_t houseTiles = 0;
    uint64_t pzTiles = 0;
    for (int floor = 0; floor < kFloorCount; ++floor) {
        document.Tiles().ForEachTile(floor, [&](uint32_t, const CTile& tile) {
            const bool hasGround = tile.GetGround() != nullptr;
            grounds += hasGround ? 1 : 0;
            items += tile.GetThingCount() - (hasGround ? 1 : 0);
            houseTiles += tile.HasFlags(CTile::kHouseFlag) ? 1 : 0;
            pzTiles += tile.HasFlags(CTile::kProtectionZoneFlag) ? 1 : 0;
        });
    }
    uint64_t creatures = 0;
    for (size_t i = 0; i < document.Spawns().Size(); ++i) {
        creatures += document.Spawns().GetSpawn(i)->GetCreatureCount();
    }

    JsonWriter json;
    json.BeginObject();
    json.Key("width").Int(document.width);
    json.Key("height").Int(document.height);
    json.Key("description").String(document.GetDescription());
    json.Key("spawnFile").String(document.GetSpawnFile());
    json.Key("houseFile").String(document.GetHouseFile());
    json.Key("temple");
    WritePosition(json, document.temple.x, document.temple.y, document.temple.z);
    json.Key("tiles").UInt(document.Tiles().Size());
    json.Key("grounds").UInt(grounds);
    json.Key("items").UInt(items);
    json.Key("houseTiles").UInt(houseTiles);
    json.Key("pzTiles").UInt(pzTiles);
    json.Key("towns").UInt(document.Towns().Size());
    json.Key("houses").UInt(document.Houses().Size());
    json.Key("spawns").UInt(document.Spawns().Size());
    json.Key("creatures").UInt(creatures);
    json.Key("uniqueIds").UInt(document.UniqueIds().Count());
    json.EndObject();
    return json.Text();
}

void DumpMapJson(const CTessarkDoc& document, const std::function<void(std::string_view)>& line)
{
    {
        JsonWriter json;
        json.BeginObject();
        json.Key("kind").String("map");
        json.Key("width").Int(document.width);
        json.Key("height").Int(document.height);
        json.Key("description").String(document.GetDescription());
        json.Key("temple");
        WritePosition(json, document.temple.x, document.temple.y, document.temple.z);
        json.Key("spawnFile").String(document.GetSpawnFile());
        json.Key("houseFile").String(document.GetHouseFile());
        json.EndObject();
        line(json.Text());
    }
    for (const auto& [id, town] : document.Towns().Towns()) {
        JsonWriter json;
        json.BeginObject();
        json.Key("kind").String("town");
        json.Key("id").UInt(id);
        json.Key("name").String(town->name);
        json.Key("temple");
        WritePosition(json, town->templeX, town->templeY, town->templeZ);
        json.EndObject();
        line(json.Text());
    }
    for (const auto& [id, house] : document.Houses().Houses()) {
        JsonWriter json;
        json.BeginObject();
        json.Key("kind").String("house");
        json.Key("id").UInt(id);
        json.Key("name").String(house->name);
        json.Key("entry");
        WritePosition(json, house->entryX, house->entryY, house->entryZ);
        json.Key("rent").Int(house->rent);
        json.Key("townId").Int(house->townId);
        json.Key("tiles").UInt(house->GetTiles().size());
        json.Key("doors").BeginArray();
        for (uint32_t door : house->GetDoors()) {
            json.UInt(door);
        }
        json.EndArray();
        json.EndObject();
        line(json.Text());
    }
    const ItemDatabase& database = document.Database();
    for (size_t i = 0; i < document.Spawns().Size(); ++i) {
        const CSpawn& spawn = *document.Spawns().GetSpawn(i);
        JsonWriter json;
        json.BeginObject();
        json.Key("kind").String("spawn");
        json.Key("center");
        WritePosition(json, spawn.GetCenterX(), spawn.GetCenterY(), spawn.GetCenterZ());
        json.Key("radius").Int(spawn.GetRadius());
        json.Key("creatures").BeginArray();
        for (size_t c = 0; c < spawn.GetCreatureCount(); ++c) {
            const CCreature& creature = *spawn.GetCreature(c);
            json.BeginObject();
            json.Key("id").Int(creature.GetTypeKey() + kTypeKeyOffset);
            json.Key("name").String(creature.GetServerType(database).name);
            json.Key("dx").Int(creature.GetOffsetX());
            json.Key("dy").Int(creature.GetOffsetY());
            json.Key("spawnTime").UInt(creature.GetSpawnTime());
            json.Key("direction").UInt(creature.GetDirection());
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
        line(json.Text());
    }
    for (const PlacedTile& placed : TilesInRowOrder(document)) {
        const CTile& tile = *placed.tile;
        JsonWriter json;
        json.BeginObject();
        json.Key("kind").String("tile");
        json.Key("x").Int(placed.x);
        json.Key("y").Int(placed.y);
        json.Key("z").Int(placed.z);
        json.Key("flags").UInt(tile.GetFlags());
        json.Key("house").UInt(tile.GetHouseId());
        json.Key("ground");
        const CItem* ground = tile.GetGround();
        if (ground) {
            WriteThingJson(json, *ground);
        } else {
            json.Null();
        }
        json.Key("items").BeginArray();
        for (size_t i = ground ? 1 : 0; i < tile.GetThingCount(); ++i) {
            WriteThingJson(json, *tile.GetThing(i));
        }
        json.EndArray();
        json.EndObject();
        line(json.Text());
    }
}

}  // namespace tessark
