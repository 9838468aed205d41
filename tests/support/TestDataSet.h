#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/ItemType.h"
#include "support/ScratchDirectory.h"

namespace tessark::test {

// A tiny but complete game data set: nine items, two creature outfits, a sprite for each and
// one sprite without data, names, materials and creatures. Tests that need one file broken or
// missing write the set and then replace or remove that file.
//
// Client data (ids 100..110; clientItemCount 108):
//   100 grass, 101 dirt (ground); 102 wall (vertical, on top); 103 bag (container, pickupable);
//   104 coins (stackable, pickupable); 105 torch (hangeable); 106 portal; 107 locker;
//   108 fountain (two animation phases, the second on sprite 12 which has no data);
//   109, 110 outfits of look types 1 and 2.
// Server types: ids 100..108 on the client ids alike, and id 150 drawn as the portal (above
//   clientItemCount, so materials.xml never lists it). Items version 3.12.
// Materials: Grounds (2), Walls (1), Takeable (2), Decoration (3), Other (1), then Monsters (1).
// Creatures: "Rat" (type "Monster") gets key 11, "Guard" (type "npc") key 12.
struct TestDataSet {
    static constexpr int kClientItemCount = 108;
    static constexpr int kSpritesInFile = 12;
    static constexpr int kMajorVersion = 3;
    static constexpr int kMinorVersion = 12;

    static std::vector<ItemType> ServerTypes();

    // The client data file alone; false when writing failed. The first recordCount records
    // only, when given: a file cut at a record boundary.
    static bool WriteClientData(const std::string& path, size_t recordCount = SIZE_MAX);

    // All six files into the directory under their own names.
    static bool WriteAll(const std::string& directory);
};

}  // namespace tessark::test
