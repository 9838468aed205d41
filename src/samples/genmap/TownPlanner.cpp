#include "samples/genmap/TownPlanner.h"

#include <algorithm>

namespace tessark::genmap {

namespace {

// Sides 0..3 are north, east, south, west: the way out of town and the way across.
constexpr int32_t kOutX[4] = {0, 1, 0, -1};
constexpr int32_t kOutY[4] = {-1, 0, 1, 0};
constexpr int32_t kAcrossX[4] = {1, 0, -1, 0};
constexpr int32_t kAcrossY[4] = {0, 1, 0, -1};

constexpr int32_t kSquareHalfWidth = 12;
constexpr int32_t kSquareHalfHeight = 7;

// Distance from the town's centre to the first street square beyond the town square.
int32_t StreetStart(int side)
{
    return (side == 0 || side == 2) ? kSquareHalfHeight + 1 : kSquareHalfWidth + 1;
}

int32_t StreetLength(const TownSite& site) { return site.radius - 4; }

Side SideFacing(int32_t dx, int32_t dy)
{
    if (dy < 0) {
        return Side::North;
    }
    if (dy > 0) {
        return Side::South;
    }
    return dx > 0 ? Side::East : Side::West;
}

}  // namespace

void TownPlanner::AddBuilding(TerrainGrid& grid, TownPlan& plan, BuildingPlan building)
{
    const Rect& r = building.outline;
    for (int32_t y = r.y0; y <= r.y1; ++y) {
        for (int32_t x = r.x0; x <= r.x1; ++x) {
            grid.Set(x, y, building.floor);
            grid.Mark(x, y, kCellBuilt | kCellReserved);
        }
    }
    plan.buildings.push_back(building);
}

TownPlan TownPlanner::Plan(TerrainGrid& grid, const TownSite& site, uint32_t id, std::string name,
                           uint32_t& nextHouseId, gendata::SeededRandom& random)
{
    TownPlan plan;
    plan.id = id;
    plan.name = std::move(name);
    plan.site = site;
    const int32_t cx = site.x;
    const int32_t cy = site.y;

    plan.square = {cx - kSquareHalfWidth, cy - kSquareHalfHeight, cx + kSquareHalfWidth - 1, cy + kSquareHalfHeight - 1};
    for (int32_t y = plan.square.y0; y <= plan.square.y1; ++y) {
        for (int32_t x = plan.square.x0; x <= plan.square.x1; ++x) {
            grid.Set(x, y, Terrain::StoneTiles);
            grid.Mark(x, y, kCellBuilt);
        }
    }
    const int32_t length = StreetLength(site);
    for (int side = 0; side < 4; ++side) {
        for (int32_t t = StreetStart(side); t <= length; ++t) {
            for (int32_t s = -1; s <= 1; ++s) {
                const int32_t x = cx + kOutX[side] * t + kAcrossX[side] * s;
                const int32_t y = cy + kOutY[side] * t + kAcrossY[side] * s;
                grid.Set(x, y, Terrain::Cobblestone);
                grid.Mark(x, y, kCellBuilt);
            }
        }
        plan.streetEnds[static_cast<size_t>(side)] = {cx + kOutX[side] * length, cy + kOutY[side] * length, 7};
    }

    // The temple: an open hall of marble with a carpet from the arch to the altar.
    BuildingPlan temple;
    temple.kind = BuildingKind::Temple;
    temple.outline = {cx - 17, cy - 18, cx - 3, cy - kSquareHalfHeight - 1};
    temple.style = WallStyle::Marble;
    temple.floor = Terrain::MarbleFloor;
    temple.doorSide = Side::South;
    temple.doorAt = cx - 10;
    AddBuilding(grid, plan, temple);
    for (int32_t y = temple.outline.y0 + 1; y <= temple.outline.y1; ++y) {
        grid.Set(temple.doorAt, y, Terrain::RedCarpet);
    }
    plan.temple = {temple.doorAt, temple.outline.y0 + 4, 7};

    BuildingPlan depot;
    depot.kind = BuildingKind::Depot;
    depot.outline = {cx + 3, cy - 15, cx + 13, cy - kSquareHalfHeight - 1};
    depot.style = WallStyle::Stone;
    depot.floor = Terrain::StoneFloor;
    depot.doorSide = Side::South;
    depot.doorAt = cx + 8;
    AddBuilding(grid, plan, depot);

    BuildingPlan shop;
    shop.kind = BuildingKind::Shop;
    shop.outline = {cx - 11, cy + kSquareHalfHeight, cx - 3, cy + kSquareHalfHeight + 6};
    shop.style = WallStyle::Brick;
    shop.floor = Terrain::WoodenFloor;
    shop.doorSide = Side::North;
    shop.doorAt = cx - 7;
    shop.storeys = 2;
    AddBuilding(grid, plan, shop);

    BuildingPlan tavern;
    tavern.kind = BuildingKind::Tavern;
    tavern.outline = {cx + 3, cy + kSquareHalfHeight, cx + 12, cy + kSquareHalfHeight + 7};
    tavern.style = WallStyle::Wooden;
    tavern.floor = Terrain::DarkWoodenFloor;
    tavern.doorSide = Side::North;
    tavern.doorAt = cx + 7;
    AddBuilding(grid, plan, tavern);

    // The graveyard lies west of the temple, before the houses take the land.
    plan.graveyard = {cx - 28, cy - 20, cx - 21, cy - 12};
    const Rect yard = plan.graveyard.Grown(1);
    if (grid.IsFreeLand(yard.x0, yard.y0, yard.x1, yard.y1, kCellBuilt | kCellReserved)) {
        for (int32_t y = plan.graveyard.y0; y <= plan.graveyard.y1; ++y) {
            for (int32_t x = plan.graveyard.x0; x <= plan.graveyard.x1; ++x) {
                grid.Mark(x, y, kCellBuilt | kCellReserved);
            }
        }
    } else {
        plan.graveyard = {0, 0, -1, -1};
    }
    for (int side = 0; side < 4; ++side) {
        LineStreet(grid, plan, side, nextHouseId, random);
    }
    plan.teleport = {cx + kSquareHalfWidth - 3, cy + kSquareHalfHeight - 2, 7};
    plan.arrival = {plan.teleport.x - 1, plan.teleport.y, 7};
    return plan;
}

void TownPlanner::LineStreet(TerrainGrid& grid, TownPlan& plan, int side, uint32_t& nextHouseId,
                             gendata::SeededRandom& random)
{
    const int32_t cx = plan.site.x;
    const int32_t cy = plan.site.y;
    const int32_t length = StreetLength(plan.site);
    for (int32_t across : {-1, 1}) {
        int32_t t = StreetStart(side) + 1;
        while (t <= length) {
            const int32_t run = random.Range(6, 9);    // along the street
            const int32_t depth = random.Range(6, 8);  // away from it
            if (t + run - 1 > length) {
                break;
            }
            // The corners of the lot: the near face stands one square back from the street.
            const int32_t nearS = across * 3;
            const int32_t farS = across * (3 + depth - 1);
            const int32_t ax = cx + kOutX[side] * t + kAcrossX[side] * nearS;
            const int32_t ay = cy + kOutY[side] * t + kAcrossY[side] * nearS;
            const int32_t bx = cx + kOutX[side] * (t + run - 1) + kAcrossX[side] * farS;
            const int32_t by = cy + kOutY[side] * (t + run - 1) + kAcrossY[side] * farS;
            const Rect outline{std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
            const Rect yard = outline.Grown(1);
            if (!grid.IsFreeLand(yard.x0, yard.y0, yard.x1, yard.y1, kCellBuilt | kCellReserved)) {
                ++t;
                continue;
            }
            BuildingPlan house;
            house.kind = BuildingKind::House;
            house.outline = outline;
            const uint32_t style = random.Below(20);
            house.style = style < 10 ? WallStyle::Wooden : style < 17 ? WallStyle::Brick : WallStyle::Stone;
            house.floor = random.Chance(60) ? Terrain::WoodenFloor : Terrain::DarkWoodenFloor;
            // The door faces the street, in the middle of the house's front.
            house.doorSide = SideFacing(-kAcrossX[side] * across, -kAcrossY[side] * across);
            const int32_t middle = t + run / 2;
            house.doorAt = (house.doorSide == Side::North || house.doorSide == Side::South)
                               ? cx + kOutX[side] * middle
                               : cy + kOutY[side] * middle;
            house.storeys = random.Chance(35) ? 2 : 1;
            house.houseId = nextHouseId++;
            house.doorId = static_cast<uint32_t>(plan.houseStreets.size() + 1);
            AddBuilding(grid, plan, house);
            plan.houseStreets.push_back(side);
            t += run + random.Range(1, 3);
        }
    }
}

}  // namespace tessark::genmap
