#pragma once

#include <cstdint>
#include <optional>

#include "model/Position.h"
#include "platform/Surface.h"
#include "render/ViewGeometry.h"

namespace tessark {

class CTessarkDoc;

// The minimap: one pixel per tile of one floor, each tile in its minimap colour, black where no
// tile stands or the map ends. Knows which map tile lies under which pixel; the window around it
// belongs to the editor.
class MinimapPainter {
public:
    // The map column and row at the top-left pixel, and the floor shown.
    int originX = 0;
    int originY = 0;
    int floor = ViewGeometry::kGroundFloor;

    // Centres on the middle of the map view's visible span and adopts the view's floor.
    void Recenter(const TileSpan& viewSpan, int viewFloor, int clientWidth, int clientHeight);
    // Paints every pixel of the surface inside its clip.
    void Paint(Surface& surface, const CTessarkDoc& document) const;
    // The pixel value of the tile at (x, y) of the floor; black for none. The map view's minimap
    // and the command-line tool's picture both colour their pixels with this.
    static uint32_t TilePixel(const CTessarkDoc& document, int64_t x, int64_t y, int floor);
    // The pixels of the view's visible tiles, to outline them.
    Rect ViewOutline(const TileSpan& viewSpan) const;
    // The tile a click at a pixel names; none left of or above the map.
    std::optional<Position> TileAt(Point pixel) const;
};

}  // namespace tessark
