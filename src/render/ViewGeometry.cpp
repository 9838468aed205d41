#include "render/ViewGeometry.h"

#include <algorithm>
#include <cmath>

#include "platform/Surface.h"

namespace tessark {

int ViewGeometry::ZoomClassOf(float zoom)
{
    if (zoom >= 1.0f) {
        return 3;
    }
    if (zoom >= 0.75f) {
        return 2;
    }
    if (zoom >= 0.5f) {
        return 1;
    }
    return 0;
}

int ViewGeometry::ZoomClass() const
{
    return ZoomClassOf(zoom_);
}

int ViewGeometry::TileUnits() const
{
    return static_cast<int>(32.0f * zoom_);
}

int ViewGeometry::TileUnitsCeil() const
{
    return static_cast<int>(std::ceil(32.0f * zoom_));
}

int ViewGeometry::ScalePercent() const
{
    return static_cast<int>(std::lround(100.0f * zoom_));
}

int ViewGeometry::TilePixels() const
{
    return TileUnits() * ScalePercent() / 100;
}

void ViewGeometry::SetFloor(int z)
{
    currentFloor_ = z;
    if (z <= kGroundFloor) {
        referenceFloor_ = kGroundFloor;
        firstFloor_ = kGroundFloor;
    } else {
        referenceFloor_ = z;
        firstFloor_ = std::min(z + 2, kFloorCount - 1);
    }
    lastFloor_ = z;
}

std::optional<Rect> ViewGeometry::TileRect(int x, int y, int z) const
{
    const int shift = FloorShift(z);
    const int column = x - shift;
    const int row = y - shift;
    if (column < 0 || row < 0) {
        return std::nullopt;
    }
    const int tile = TileUnits();
    return Rect{tile * column, tile * row, tile * (column + 1), tile * (row + 1)};
}

std::optional<Rect> ViewGeometry::ItemRect(int x, int y, int z, int widthCells, int heightCells) const
{
    std::optional<Rect> rect = TileRect(x, y, z);
    if (rect) {
        rect->left = rect->right - TileUnits() * widthCells;
        rect->top = rect->bottom - TileUnits() * heightCells;
    }
    return rect;
}

Point ViewGeometry::PointToTile(Point drawing) const
{
    const int snap = std::max(TileUnitsCeil(), 1);
    const int tile = std::max(TileUnits(), 1);
    const int x = drawing.x - drawing.x % snap;
    const int y = drawing.y - drawing.y % snap;
    Point result{x / tile, y / tile};
    if (currentFloor_ < 8) {
        result.x += kGroundFloor - currentFloor_;
        result.y += kGroundFloor - currentFloor_;
    }
    return result;
}

TileSpan ViewGeometry::VisibleTileSpan(const Rect& clientDrawing, int mapWidth, int mapHeight) const
{
    const int tile = std::max(TileUnitsCeil(), 1);
    return {std::max(0, (clientDrawing.left - tile) / tile - 1), std::max(0, (clientDrawing.top - tile) / tile - 1),
            std::min(mapWidth, (clientDrawing.right - 1) / tile + 1),
            std::min(mapHeight, (clientDrawing.bottom - 1) / tile + 1)};
}

Point ViewGeometry::ClientToDrawing(Point client, Point scroll) const
{
    Surface mapping;
    ApplyMapping(mapping, scroll);
    return mapping.ToLogical(client);
}

Rect ViewGeometry::ClientToDrawing(const Rect& client, Point scroll) const
{
    Surface mapping;
    ApplyMapping(mapping, scroll);
    return mapping.ToLogical(client);
}

Rect ViewGeometry::DrawingToClient(const Rect& drawing, Point scroll) const
{
    Surface mapping;
    ApplyMapping(mapping, scroll);
    return mapping.ToDevice(drawing);
}

void ViewGeometry::ApplyMapping(Surface& surface, Point scroll) const
{
    surface.SetMapping(ScalePercent(), {-scroll.x, -scroll.y});
}

int ViewGeometry::ScrollRange(int mapTiles) const
{
    // A tile is 32 x zoom drawing units and the mapping scales those by zoom again.
    return static_cast<int>(std::lround(static_cast<double>(mapTiles) * 32.0 * zoom_ * zoom_));
}

Point ViewGeometry::ClampScroll(Point scroll, int clientWidth, int clientHeight, int mapWidth, int mapHeight) const
{
    const int maxX = std::max(0, ScrollRange(mapWidth) - clientWidth);
    const int maxY = std::max(0, ScrollRange(mapHeight) - clientHeight);
    return {std::clamp(scroll.x, 0, maxX), std::clamp(scroll.y, 0, maxY)};
}

std::optional<Point> ViewGeometry::CenterOn(int x, int y, int z, int clientWidth, int clientHeight, Point scroll,
                                            int mapWidth, int mapHeight)
{
    if (x > mapWidth || y > mapHeight) {
        return std::nullopt;
    }
    if (z >= 0 && z < kFloorCount && z != currentFloor_) {
        SetFloor(z);
    }
    const TileSpan span =
        VisibleTileSpan(ClientToDrawing(Rect{0, 0, clientWidth, clientHeight}, scroll), mapWidth, mapHeight);
    const int left = std::max(0, x - (span.lastColumn - span.firstColumn) / 2);
    const int top = std::max(0, y - (span.lastRow - span.firstRow) / 2);
    const double tile = TileUnitsCeil();
    return Point{static_cast<int>(tile * left * zoom_), static_cast<int>(tile * top * zoom_)};
}

Position ViewGeometry::CenteredTile(int clientWidth, int clientHeight, Point scroll, int mapWidth,
                                   int mapHeight) const
{
    const TileSpan span =
        VisibleTileSpan(ClientToDrawing(Rect{0, 0, clientWidth, clientHeight}, scroll), mapWidth, mapHeight);
    // CenterOn scrolls to whole tiles of TileUnitsCeil x zoom pixels.
    const double tile = std::max(1.0, TileUnitsCeil() * static_cast<double>(zoom_));
    const int left = static_cast<int>(std::floor((scroll.x + 0.01) / tile));
    const int top = static_cast<int>(std::floor((scroll.y + 0.01) / tile));
    return {left + (span.lastColumn - span.firstColumn) / 2, top + (span.lastRow - span.firstRow) / 2,
            currentFloor_};
}

}  // namespace tessark
