#pragma once

#include <cstdint>

#include "model/Position.h"
#include "platform/Rect.h"
#include "render/ViewGeometry.h"

namespace tessark {

class CThing;

// The positions the user has selected, as the map view keeps them.
class MapSelection {
public:
    virtual ~MapSelection() = default;
    virtual bool IsEmpty() const = 0;
    virtual bool Contains(const Position& position) const = 0;
    // Whether a position of floor z within the tiles (inclusive) may be selected; false only
    // when none is.
    virtual bool MayTouch(int z, int left, int top, int right, int bottom) const
    {
        (void)z, (void)left, (void)top, (void)right, (void)bottom;
        return !IsEmpty();
    }
};

// The tools that change what is drawn over the map.
enum class CursorTool { Other, PaintBrush, Eraser };

// Everything of the map view that drawing reads: zoom and floors, scroll position, display
// switches, animation counter and the tool state (cursor, brush radii, selection).
struct MapViewState {
    ViewGeometry geometry;
    // Window pixels.
    Point scroll;
    int clientWidth = 0;
    int clientHeight = 0;

    bool showAnimations = true;
    bool showShades = true;
    bool showSpawns = true;
    bool showCreatures = true;
    bool showCursorFrame = true;
    uint16_t animationCounter = 0;

    CursorTool tool = CursorTool::Other;
    int brushRadius = 0;
    int eraserRadius = 0;
    Position cursor{0, 0, ViewGeometry::kGroundFloor};
    // The select tool's chosen thing and its tile, the house tool's house (0: none), the
    // selected positions.
    const CThing* selectedThing = nullptr;
    Position selectedThingPosition{0, 0, ViewGeometry::kGroundFloor};
    uint32_t selectedHouseId = 0;
    const MapSelection* selection = nullptr;
};

}  // namespace tessark
