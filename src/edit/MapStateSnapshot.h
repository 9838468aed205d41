#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/Position.h"
#include "model/UsedUniqueIds.h"

namespace tessark {

class CTessarkDoc;

// What a map holds besides its tiles, as plain values: settings, ground template, towns,
// houses (without their tiles, which the tiles name), spawns with their creatures and the used
// unique ids. A part may be absent; Restore then leaves it alone.
struct MapStateSnapshot {
    struct Settings {
        int32_t width = 0;
        int32_t height = 0;
        Position temple;
        std::string description;
        std::string spawnFile;
        std::string houseFile;
        std::map<int32_t, std::vector<int32_t>> groundTemplate;
        int32_t templateLoaded = 0;
        bool operator==(const Settings&) const = default;
    };
    struct TownRecord {
        uint32_t id = 0;
        std::string name;
        Position temple;
        bool operator==(const TownRecord&) const = default;
    };
    struct HouseRecord {
        uint32_t id = 0;
        std::string name;
        Position entry;
        int32_t rent = 0;
        int32_t townId = 0;
        std::vector<uint32_t> doors;
        bool operator==(const HouseRecord&) const = default;
    };
    struct CreatureRecord {
        int32_t typeKey = 0;
        int32_t count = 0;
        int32_t offsetX = 0;
        int32_t offsetY = 0;
        uint32_t spawnTime = 0;
        uint32_t direction = 0;
        bool operator==(const CreatureRecord&) const = default;
    };
    struct SpawnRecord {
        Position center;
        int32_t radius = 0;
        std::vector<CreatureRecord> creatures;
        bool operator==(const SpawnRecord&) const = default;
    };

    std::optional<Settings> settings;
    std::optional<std::vector<TownRecord>> towns;
    std::optional<std::vector<HouseRecord>> houses;
    std::optional<std::vector<SpawnRecord>> spawns;
    std::optional<UsedUniqueIds> uniqueIds;

    // Every part of the document.
    static MapStateSnapshot Capture(const CTessarkDoc& document);
    // Keeps in before and after only the parts in which they differ.
    static void KeepDifferences(MapStateSnapshot& before, MapStateSnapshot& after);

    bool Empty() const { return !settings && !towns && !houses && !spawns && !uniqueIds; }
    // For a pair from KeepDifferences: false when they differ in the ground template alone,
    // which the map files do not hold.
    static bool ChangesMap(const MapStateSnapshot& before, const MapStateSnapshot& after);
    // Puts back the parts held, except the unique ids (RestoreUniqueIds, after the tiles).
    void Restore(CTessarkDoc& document) const;
    void RestoreUniqueIds(CTessarkDoc& document) const;
    // Roughly what the held parts cost in memory.
    size_t MemoryBytes() const;
};

}  // namespace tessark
