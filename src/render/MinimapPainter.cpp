#include "render/MinimapPainter.h"

#include "model/MinimapPalette.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"

namespace tessark {

void MinimapPainter::Recenter(const TileSpan& viewSpan, int viewFloor, int clientWidth, int clientHeight)
{
    originX = (viewSpan.firstColumn + viewSpan.lastColumn) / 2 - clientWidth / 2;
    originY = (viewSpan.firstRow + viewSpan.lastRow) / 2 - clientHeight / 2;
    floor = viewFloor;
}

Rect MinimapPainter::ViewOutline(const TileSpan& viewSpan) const
{
    return {viewSpan.firstColumn - originX, viewSpan.firstRow - originY, viewSpan.lastColumn + 1 - originX,
            viewSpan.lastRow + 1 - originY};
}

uint32_t MinimapPainter::TilePixel(const CTessarkDoc& document, int64_t x, int64_t y, int floor)
{
    // The tile store keeps the low 16 bits of a coordinate: beyond them lies no tile.
    if (x < 0 || y < 0 || x > 0xFFFF || y > 0xFFFF) {
        return 0;
    }
    const CTile* tile = document.GetTile(static_cast<int32_t>(x), static_cast<int32_t>(y), floor);
    // The tile answers a colour reference; the surface takes pixel values.
    return tile ? SwapRedBlue(tile->GetMinimapColor(document.Database())) : 0;
}

void MinimapPainter::Paint(Surface& surface, const CTessarkDoc& document) const
{
    const Rect& clip = surface.Clip();
    for (int x = clip.left; x < clip.right; ++x) {
        for (int y = clip.top; y < clip.bottom; ++y) {
            surface.Row(y)[x] = TilePixel(document, int64_t{originX} + x, int64_t{originY} + y, floor);
        }
    }
}

std::optional<Position> MinimapPainter::TileAt(Point pixel) const
{
    const int x = originX + pixel.x;
    const int y = originY + pixel.y;
    if (x < 0 || y < 0) {
        return std::nullopt;
    }
    return Position{x, y, floor};
}

}  // namespace tessark
