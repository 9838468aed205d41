#pragma once

#include "model/Position.h"
#include "platform/Rect.h"
#include "view/ViewSettings.h"

namespace tessark {

class CTessarkDoc;
class SpriteRenderer;
class Surface;
class ViewGeometry;

// What the view tells the map drawing besides the geometry.
struct ViewPaintState {
    DisplaySwitches switches;
    bool showCursorFrame = true;
    Position cursorTile;
};

// Draws the map into the surface (which carries the view's mapping and clip) for the drawing-unit
// rectangle that needs it.
void PaintMap(Surface& surface, const CTessarkDoc& document, SpriteRenderer& renderer,
              const ViewGeometry& geometry, const ViewPaintState& state, const Rect& drawingArea);

}  // namespace tessark
