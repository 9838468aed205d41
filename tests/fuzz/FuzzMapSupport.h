#pragma once

// What the map file fuzz targets share: an item database with a type of every kind the map
// files treat specially, scratch files, and a summary of a document to compare two reads by.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "data/ItemDatabase.h"
#include "model/DepotItem.h"
#include "model/TeleportItem.h"
#include "model/TessarkDoc.h"

namespace tessark::fuzz {

inline ItemType FuzzType(ItemGroup group, int32_t key)
{
    ItemType type;
    type.group = group;
    type.serverId = type.clientId = key + kTypeKeyOffset;
    return type;
}

// Ids 101, 102 grounds; 110 plain; 111 stackable; 112 fluid; 113 splash; 114 rune; 115 door;
// 120, 121 walls (top order 2); 122 border (order 1); 130 wall-hanging; 140 teleport;
// 141 depot; 150 creature "Rat".
inline void FillFuzzDatabase(ItemDatabase& database)
{
    database.itemsMajorVersion = 3;
    database.itemsMinorVersion = 12;
    database.SetServerType(1, FuzzType(ItemGroup::Ground, 1));
    database.SetServerType(2, FuzzType(ItemGroup::Ground, 2));
    database.SetServerType(10, FuzzType(ItemGroup::None, 10));
    ItemType stackable = FuzzType(ItemGroup::None, 11);
    stackable.stackable = true;
    database.SetServerType(11, stackable);
    database.SetServerType(12, FuzzType(ItemGroup::FluidContainer, 12));
    database.SetServerType(13, FuzzType(ItemGroup::Splash, 13));
    database.SetServerType(14, FuzzType(ItemGroup::Rune, 14));
    database.SetServerType(15, FuzzType(ItemGroup::Door, 15));
    for (int32_t key : {20, 21, 22}) {
        ItemType wall = FuzzType(ItemGroup::None, key);
        wall.alwaysOnTop = true;
        wall.topOrder = key == 22 ? 1 : 2;
        wall.horizontal = key == 20;
        wall.vertical = key == 21;
        database.SetServerType(key, wall);
    }
    ItemType hanging = FuzzType(ItemGroup::None, 30);
    hanging.hangeable = true;
    database.SetServerType(30, hanging);
    database.SetServerType(40, FuzzType(ItemGroup::Teleport, 40));
    database.SetServerType(41, FuzzType(ItemGroup::Depot, 41));
    ItemType rat = FuzzType(ItemGroup::Creature, 50);
    rat.name = "Rat";
    database.SetServerType(50, rat);
    database.MapClientToServer(400, 1);
}

// A scratch folder for this process, removed at exit.
inline const std::string& ScratchFolder()
{
    static const std::string folder = [] {
        char name[] = "/tmp/tessark_fuzz_maps_XXXXXX";
        if (!mkdtemp(name)) {
            std::abort();
        }
        static std::string keep = name;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(keep, ignored);
        });
        return std::string(name);
    }();
    return folder;
}

inline void WriteInput(const std::string& path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
        std::abort();
    }
}

// Everything a read puts into the document, as text.
inline std::string Summary(const CTessarkDoc& document)
{
    std::string out = std::to_string(document.errorKind) + "," + std::to_string(document.errorCode) +
                      "," + std::to_string(document.width) + "," + std::to_string(document.height) +
                      "," + document.GetDescription() + "," + document.GetSpawnFile() + "," +
                      document.GetHouseFile() + ";";
    for (const auto& [id, town] : document.Towns().Towns()) {
        out += "t" + std::to_string(id) + town->name + std::to_string(town->templeX) + "," +
               std::to_string(town->templeY) + "," + std::to_string(town->templeZ) + ";";
    }
    for (const auto& [id, house] : document.Houses().Houses()) {
        out += "h" + std::to_string(id) + ":" + std::to_string(house->GetTiles().size()) + ":";
        for (uint32_t door : house->GetDoors()) {
            out += std::to_string(door) + ",";
        }
    }
    for (int floor = 0; floor < kFloorCount; ++floor) {
        document.Tiles().ForEachTile(floor, [&](uint32_t key, const CTile& tile) {
            out += "\n" + std::to_string(floor) + ":" + std::to_string(key) + ":" +
                   std::to_string(tile.GetFlags()) + ":" + std::to_string(tile.GetHouseId());
            for (size_t i = 0; i < tile.GetThingCount(); ++i) {
                const CItem& item = *tile.GetThing(i);
                out += " " + std::to_string(item.GetTypeKey()) + "x" + std::to_string(item.GetCount()) +
                       "a" + std::to_string(item.GetActionId()) + "u" +
                       std::to_string(item.GetUniqueId()) + "t" + std::string(item.GetText()) + "d" +
                       std::string(item.GetSpecialDescription());
                if (item.Kind() == ThingKind::Teleport) {
                    const auto& teleport = static_cast<const CTeleportItem&>(item);
                    out += "@" + std::to_string(teleport.GetDestX()) + "," +
                           std::to_string(teleport.GetDestY()) + "," +
                           std::to_string(teleport.GetDestZ());
                } else if (item.Kind() == ThingKind::Depot) {
                    out += "#" + std::to_string(static_cast<const CDepotItem&>(item).GetDepotId());
                }
            }
        });
    }
    return out;
}

}  // namespace tessark::fuzz
