#pragma once

// What the fuzz targets share: item databases with a type of every kind the map files and
// stacks treat specially, scratch files, and a summary of a document to compare two reads by.

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
#include "support/TestItems.h"

namespace tessark::fuzz {

// The shared test item database (support/TestItems.h), with a client id for the ground.
inline void FillFuzzDatabase(ItemDatabase& database)
{
    database.itemsMajorVersion = 3;
    database.itemsMinorVersion = 12;
    test::FillTestItems(database);
    database.MapClientToServer(400, test::kGrass);
}

// Keys 0..31: eight groups of four variants (plain, stackable, on top order 2 and 3; the last
// hangeable when plain), widths 1 and 2: every way a stack can be built.
inline ItemDatabase& VariantDatabase()
{
    static ItemDatabase* database = [] {
        auto* made = new ItemDatabase();
        const ItemGroup groups[] = {ItemGroup::Ground, ItemGroup::None,     ItemGroup::Rune,
                                    ItemGroup::Splash, ItemGroup::Teleport, ItemGroup::Depot,
                                    ItemGroup::Creature, ItemGroup::Door};
        int32_t key = 0;
        for (ItemGroup group : groups) {
            for (int variant = 0; variant < 4; ++variant, ++key) {
                ItemType type;
                type.group = group;
                type.stackable = variant == 1;
                type.alwaysOnTop = variant >= 2;
                type.topOrder = static_cast<uint8_t>(variant);
                type.hangeable = variant == 3 && group == ItemGroup::None;
                type.horizontal = variant == 2;
                type.width = static_cast<uint8_t>(1 + variant % 2);
                type.minimapColor = static_cast<uint16_t>(key * 9);
                made->SetServerType(key, type);
            }
        }
        return made;
    }();
    return *database;
}

// A scratch folder for this process, removed at exit. Saves sync their files, so the folder
// lives in memory where the system has such a place: a disk sync per input would bound a
// target to a few dozen inputs a second.
inline const std::string& ScratchFolder()
{
    static const std::string folder = [] {
        char inMemory[] = "/dev/shm/tessark_fuzz_maps_XXXXXX";
        char onDisk[] = "/tmp/tessark_fuzz_maps_XXXXXX";
        const char* name = mkdtemp(inMemory);
        if (!name && !(name = mkdtemp(onDisk))) {
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

// The input as a file of the scratch folder; returns its path.
inline std::string InputFile(const char* name, const uint8_t* data, size_t size)
{
    std::string path = ScratchFolder() + "/" + name;
    WriteInput(path, data, size);
    return path;
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
