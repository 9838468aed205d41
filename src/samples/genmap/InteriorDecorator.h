#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "samples/gendata/SeededRandom.h"
#include "samples/genmap/BuildingPlan.h"

namespace tessark {
class CItem;
}

namespace tessark::genmap {

class RoomFurnisher;
class SpawnPlacer;
class ThingPlacer;
class WorldPalette;

// Furnishes the rooms of a town's buildings by what they are for: pews and an altar in the
// temple, lockers in the depot, a counter with goods in the shop, tables with mugs in the
// tavern, beds and tables in the houses; hangings on the inner faces of the walls; the
// townsfolk who work there.
class InteriorDecorator {
public:
    struct Town {
        uint32_t id = 0;
        std::string name;
    };

    InteriorDecorator(ThingPlacer& placer, const WorldPalette& palette, SpawnPlacer& spawns)
        : placer_(placer), palette_(palette), spawns_(spawns)
    {
    }

    void Furnish(const BuildingPlan& plan, const Town& town, gendata::SeededRandom& random);

private:
    void Temple(const BuildingPlan& plan, RoomFurnisher& room, const Town& town, gendata::SeededRandom& random);
    void Depot(const BuildingPlan& plan, RoomFurnisher& room, const Town& town, gendata::SeededRandom& random);
    void Shop(const BuildingPlan& plan, RoomFurnisher& room, gendata::SeededRandom& random);
    void Tavern(const BuildingPlan& plan, RoomFurnisher& room, gendata::SeededRandom& random);
    void House(const BuildingPlan& plan, RoomFurnisher& room, const Town& town, gendata::SeededRandom& random);
    void UpperRoom(RoomFurnisher& room, const Town& town, gendata::SeededRandom& random);
    // A table with chairs on its free sides; false when there is no room for it.
    bool DiningTable(RoomFurnisher& room, int32_t x, int32_t y, int32_t tableKey);
    // Hangings on the walls that face into the room (the north and west walls), every few
    // squares, skipping windows, doors and corners.
    void HangOnWalls(const BuildingPlan& plan, int32_t z, gendata::SeededRandom& random, int every);
    // Places a hanging on a square of plain wall (not a window, door or corner); null elsewhere.
    CItem* HangOn(const BuildingPlan& plan, const Position& at, int32_t key);
    // A readable sign outside, beside the way in.
    void SignBeside(const BuildingPlan& plan, std::string_view text);
    // A lantern beside the door when the wall's face shows outside.
    void LanternByDoor(const BuildingPlan& plan);

    ThingPlacer& placer_;
    const WorldPalette& palette_;
    SpawnPlacer& spawns_;
};

}  // namespace tessark::genmap
