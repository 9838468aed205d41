#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "samples/gendata/SeededRandom.h"
#include "samples/genmap/BuildingPlan.h"
#include "samples/genmap/TerrainGenerator.h"

namespace tessark::genmap {

// The layout of one town: a paved square in the middle with the temple and the depot on its
// north side and a shop and a tavern on its south side, four cobbled streets leaving it towards
// the four sides, and houses along both sides of each street with their doors to the street.
struct TownPlan {
    uint32_t id = 0;
    std::string name;
    TownSite site;
    Rect square;
    // Where each street (north, east, south, west) ends, on its middle line.
    std::array<Position, 4> streetEnds{};
    std::vector<BuildingPlan> buildings;  // temple, depot, shop, tavern, then the houses
    std::vector<int> houseStreets;        // for each house: the street it stands on (0..3)
    Position temple;
    Rect graveyard;  // behind the temple; empty (x1 < x0) when there was no room
    Position teleport;  // the teleport circle to the next town
    Position arrival;   // where travellers from other towns arrive
};

// Plans a town on the grid: lays its paving and the floors of its buildings into the terrain
// and marks what it takes. House ids are handed out from nextHouseId.
class TownPlanner {
public:
    static TownPlan Plan(TerrainGrid& grid, const TownSite& site, uint32_t id, std::string name,
                         uint32_t& nextHouseId, gendata::SeededRandom& random);

private:
    static void AddBuilding(TerrainGrid& grid, TownPlan& plan, BuildingPlan building);
    static void LineStreet(TerrainGrid& grid, TownPlan& plan, int side, uint32_t& nextHouseId,
                           gendata::SeededRandom& random);
};

}  // namespace tessark::genmap
