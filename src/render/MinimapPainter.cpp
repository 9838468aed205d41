#include "render/MinimapPainter.h"

#include "model/MinimapPalette.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "platform/Surface.h"

namespace tessark {

uint32_t MinimapPixel(const CTessarkDoc& document, int64_t x, int64_t y, int floor)
{
    // The tile store keeps only the low 16 bits of a coordinate; beyond them no tile stands.
    if (x < 0 || y < 0 || x > 0xFFFF || y > 0xFFFF) {
        return 0;
    }
    const CTile* tile = document.GetTile(static_cast<int32_t>(x), static_cast<int32_t>(y), floor);
    return tile != nullptr ? SwapRedBlue(tile->GetMinimapColor(document.Database())) : 0;
}

void PaintMinimap(Surface& surface, const CTessarkDoc& document, int64_t originX, int64_t originY, int floor,
                  const Rect& area)
{
    const Rect clipped = area.Intersect(surface.Bounds());
    for (int py = clipped.top; py < clipped.bottom; ++py) {
        uint32_t* row = surface.Row(py);
        for (int px = clipped.left; px < clipped.right; ++px) {
            row[px] = MinimapPixel(document, originX + px, originY + py, floor);
        }
    }
}

}  // namespace tessark
