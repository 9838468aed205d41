#pragma once

#include <cstdint>

#include "platform/Rect.h"

namespace tessark {

class CTessarkDoc;
class Surface;

// The minimap's pixel for a map position: the tile's minimap colour (0x00RRGGBB), black where
// no tile stands or the position lies outside the map's coordinate range.
uint32_t MinimapPixel(const CTessarkDoc& document, int64_t x, int64_t y, int floor);

// Paints the pixels of the area (surface pixels, clipped to the surface) one per tile, the
// surface's pixel (px, py) showing the map position (originX + px, originY + py, floor).
void PaintMinimap(Surface& surface, const CTessarkDoc& document, int64_t originX, int64_t originY, int floor,
                  const Rect& area);

}  // namespace tessark
