#pragma once

#include <cstdint>
#include <string>

#include "model/Position.h"
#include "samples/genmap/TerrainGrid.h"

namespace tessark::genmap {

// A rectangle of squares, both corners inclusive.
struct Rect {
    int32_t x0 = 0;
    int32_t y0 = 0;
    int32_t x1 = 0;
    int32_t y1 = 0;

    int32_t Width() const { return x1 - x0 + 1; }
    int32_t Height() const { return y1 - y0 + 1; }
    bool Contains(int32_t x, int32_t y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
    Rect Grown(int32_t by) const { return {x0 - by, y0 - by, x1 + by, y1 + by}; }
};

enum class Side { North, East, South, West };

enum class BuildingKind { Temple, Depot, Shop, Tavern, House };

enum class WallStyle { Brick, Stone, Wooden, Marble };

// One building of a town: its walls stand on the edge of the outline, the door in one side.
struct BuildingPlan {
    BuildingKind kind = BuildingKind::House;
    Rect outline;
    WallStyle style = WallStyle::Wooden;
    Terrain floor = Terrain::WoodenFloor;
    Side doorSide = Side::South;
    int32_t doorAt = 0;  // x of a door in the north or south wall, y of one in the east or west
    int storeys = 1;
    uint32_t houseId = 0;  // 0: not a house for rent
    uint32_t doorId = 0;   // the door's id within its town (houses only)

    Rect Interior() const { return outline.Grown(-1); }
    Position Door() const;
    // The square in front of the door, outside.
    Position Entry() const;
    // The square behind the door, inside.
    Position Inside() const;
    // Where a ladder joins the storeys: the inside corner farthest from the door.
    Position Ladder() const;
};

}  // namespace tessark::genmap
