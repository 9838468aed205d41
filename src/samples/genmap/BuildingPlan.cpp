#include "samples/genmap/BuildingPlan.h"

namespace tessark::genmap {

Position BuildingPlan::Door() const
{
    switch (doorSide) {
    case Side::North: return {doorAt, outline.y0, 7};
    case Side::South: return {doorAt, outline.y1, 7};
    case Side::East: return {outline.x1, doorAt, 7};
    case Side::West: return {outline.x0, doorAt, 7};
    }
    return {};
}

Position BuildingPlan::Entry() const
{
    Position p = Door();
    switch (doorSide) {
    case Side::North: --p.y; break;
    case Side::South: ++p.y; break;
    case Side::East: ++p.x; break;
    case Side::West: --p.x; break;
    }
    return p;
}

Position BuildingPlan::Inside() const
{
    Position p = Door();
    switch (doorSide) {
    case Side::North: ++p.y; break;
    case Side::South: --p.y; break;
    case Side::East: --p.x; break;
    case Side::West: ++p.x; break;
    }
    return p;
}

Position BuildingPlan::Ladder() const
{
    const Rect in = Interior();
    const Position door = Door();
    // The corner on the far side from the door, on the half away from it.
    const int32_t x = (doorSide == Side::West || (doorSide != Side::East && door.x < (in.x0 + in.x1) / 2)) ? in.x1 : in.x0;
    const int32_t y = (doorSide == Side::North || (doorSide != Side::South && door.y < (in.y0 + in.y1) / 2)) ? in.y1 : in.y0;
    return {x, y, 7};
}

}  // namespace tessark::genmap
