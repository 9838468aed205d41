#pragma once

#include <cstdint>
#include <span>

#include "samples/gendata/SeededRandom.h"
#include "samples/genmap/TownPlanner.h"

namespace tessark::genmap {

class SpawnPlacer;
class ThingPlacer;
class WorldPalette;

// Builds a planned town on the map: the buildings and their rooms, the town with its temple,
// the houses with their tiles, doors and entries, the fountain, lamps and signs of the square
// and the streets, the guards, and the teleport circle to the next town.
class TownBuilder {
public:
    TownBuilder(ThingPlacer& placer, const WorldPalette& palette, SpawnPlacer& spawns)
        : placer_(placer), palette_(palette), spawns_(spawns)
    {
    }

    // towns: every town of the world, for the signposts and the teleport; next: the town the
    // teleport circle leads to (the town itself when there is no other).
    void Build(const TownPlan& plan, std::span<const TownPlan> towns, const TownPlan& next,
               gendata::SeededRandom& random);

private:
    void RegisterTown(const TownPlan& plan);
    void RegisterHouses(const TownPlan& plan);
    void ProtectionZone(const BuildingPlan& building);
    void DecorateSquare(const TownPlan& plan, const TownPlan& next, gendata::SeededRandom& random);
    void LayGraveyard(const TownPlan& plan, gendata::SeededRandom& random);
    void DecorateStreets(const TownPlan& plan, std::span<const TownPlan> towns, gendata::SeededRandom& random);

    ThingPlacer& placer_;
    const WorldPalette& palette_;
    SpawnPlacer& spawns_;
};

}  // namespace tessark::genmap
