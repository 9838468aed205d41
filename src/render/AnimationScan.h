#pragma once

#include <vector>

#include "platform/Rect.h"
#include "render/ViewGeometry.h"

namespace tessark {

class CTessarkDoc;

// What the animation tick repaints: for each tile of the current floor inside the span (shifted
// by the floor's offset, as the floor is drawn), the item rectangle (drawing units) of its first
// animated thing. A tile's ground, ordinary, top and hanging items are examined in that order,
// then the creatures standing on it when creatures are shown; at most 10 things per tile.
std::vector<Rect> AnimatedThingRects(const CTessarkDoc& document, const ViewGeometry& geometry,
                                     const TileSpan& span, bool showCreatures);

}  // namespace tessark
