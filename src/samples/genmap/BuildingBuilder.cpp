#include "samples/genmap/BuildingBuilder.h"

#include <cstdlib>

#include "model/Item.h"
#include "samples/genmap/ThingPlacer.h"
#include "samples/genmap/WorldPalette.h"

namespace tessark::genmap {

namespace {

// Windows sit on every third square of a side, away from the corners and the door.
bool IsWindowSquare(const BuildingPlan& plan, int32_t x, int32_t y, bool groundFloor)
{
    const Rect& r = plan.outline;
    const bool horizontal = y == r.y0 || y == r.y1;
    const int32_t along = horizontal ? x - r.x0 : y - r.y0;
    const int32_t length = horizontal ? r.Width() : r.Height();
    if (length < 5 || along < 2 || along > length - 3 || along % 3 != 2) {
        return false;
    }
    const Position door = plan.Door();
    if (groundFloor && std::abs(door.x - x) + std::abs(door.y - y) <= 1) {
        return false;
    }
    return true;
}

}  // namespace

const WallSet& WallsOf(const WorldPalette& palette, WallStyle style)
{
    switch (style) {
    case WallStyle::Brick: return palette.brick;
    case WallStyle::Stone: return palette.stone;
    case WallStyle::Marble: return palette.marble;
    case WallStyle::Wooden: break;
    }
    return palette.wooden;
}

int32_t BuildingBuilder::FloorKey(const BuildingPlan& plan) const
{
    switch (plan.floor) {
    case Terrain::StoneFloor: return palette_.ground.stoneFloor;
    case Terrain::MarbleFloor: return palette_.ground.marbleFloor;
    case Terrain::DarkWoodenFloor: return palette_.ground.darkWoodenFloor;
    default: return palette_.ground.woodenFloor;
    }
}

void BuildingBuilder::Walls(const BuildingPlan& plan, const WallSet& walls, int32_t z)
{
    const Rect& r = plan.outline;
    const bool groundFloor = z == 7;
    const Position door = plan.Door();
    for (int32_t y = r.y0; y <= r.y1; ++y) {
        for (int32_t x = r.x0; x <= r.x1; ++x) {
            const bool north = y == r.y0;
            const bool south = y == r.y1;
            const bool west = x == r.x0;
            const bool east = x == r.x1;
            if (!north && !south && !west && !east) {
                continue;
            }
            const bool horizontal = north || south;
            int32_t key;
            if (north && west) {
                key = walls.cornerNorthWest;
            } else if (north && east) {
                key = walls.cornerNorthEast;
            } else if (south && west) {
                key = walls.cornerSouthWest;
            } else if (south && east) {
                key = walls.cornerSouthEast;
            } else if (groundFloor && x == door.x && y == door.y) {
                if (plan.kind == BuildingKind::Temple) {
                    // The temple stands open: an arch spans the gap in its wall.
                    placer_.Place(horizontal ? palette_.archwayHorizontal : palette_.archwayVertical, {x, y, z});
                    continue;
                }
                CItem* doorItem = placer_.Place(horizontal ? walls.doorHorizontal : walls.doorVertical, {x, y, z});
                if (doorItem && plan.doorId != 0) {
                    // A door's count is its door id.
                    doorItem->SetCount(static_cast<int32_t>(plan.doorId));
                }
                continue;
            } else if (IsWindowSquare(plan, x, y, groundFloor)) {
                key = horizontal ? walls.windowHorizontal : walls.windowVertical;
            } else {
                key = horizontal ? walls.horizontal : walls.vertical;
            }
            placer_.Place(key, {x, y, z});
        }
    }
}

void BuildingBuilder::UpperFloor(const BuildingPlan& plan, int32_t z)
{
    const Position ladder = plan.Ladder();
    const int32_t key = FloorKey(plan);
    for (int32_t y = plan.outline.y0; y <= plan.outline.y1; ++y) {
        for (int32_t x = plan.outline.x0; x <= plan.outline.x1; ++x) {
            // The ladder comes up through an opening.
            if (x != ladder.x || y != ladder.y) {
                placer_.Place(key, {x, y, z});
            }
        }
    }
}

void BuildingBuilder::Roof(const BuildingPlan& plan, int32_t z)
{
    for (int32_t y = plan.outline.y0; y <= plan.outline.y1; ++y) {
        for (int32_t x = plan.outline.x0; x <= plan.outline.x1; ++x) {
            placer_.Place(palette_.ground.roofTiles, {x, y, z});
        }
    }
}

void BuildingBuilder::Build(const BuildingPlan& plan)
{
    const WallSet& walls = WallsOf(palette_, plan.style);
    Walls(plan, walls, 7);
    for (int storey = 1; storey < plan.storeys; ++storey) {
        const int32_t z = StoreyFloor(storey);
        UpperFloor(plan, z);
        Walls(plan, walls, z);
    }
    if (plan.storeys > 1) {
        const Position ladder = plan.Ladder();
        placer_.Place(palette_.ladder, ladder);
    }
    Roof(plan, StoreyFloor(plan.storeys));
}

}  // namespace tessark::genmap
