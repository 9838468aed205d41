#pragma once

#include <optional>

#include "model/Position.h"

#include "platform/Rect.h"

namespace tessark {

class Surface;

// The first and last screen column and row that a window shows (inclusive).
struct TileSpan {
    int firstColumn = 0;
    int firstRow = 0;
    int lastColumn = 0;
    int lastRow = 0;
    bool operator==(const TileSpan&) const = default;
};

// Where the map view puts things: zoom and zoom class, the floors drawn and their offsets, tile
// and item rectangles in drawing units, the mapping from drawing units to window pixels, and
// the scroll position that centres a tile. No drawing, no window: the view and the command-line
// renderer share it.
//
// Drawing units: a tile is 32 x zoom units (truncated) wide, and units are mapped to window
// pixels by the zoom once more, so a tile is 2, 8, 18 or 32 pixels wide at zoom 0.25, 0.5,
// 0.75 and 1.0. A window pixel p lies at unit (p + scroll) / zoom.
class ViewGeometry {
public:
    static constexpr int kGroundFloor = 7;
    static constexpr int kFloorCount = 16;

    void SetZoom(float zoom) { zoom_ = zoom; }
    float Zoom() const { return zoom_; }
    // 3 at 1.0 and above, 2 from 0.75, 1 from 0.5, else 0.
    int ZoomClass() const;
    static int ZoomClassOf(float zoom);
    // A tile in drawing units as rectangles use it (truncated) and as spans use it (rounded up).
    int TileUnits() const;
    int TileUnitsCeil() const;
    // The mapping's scale: 100 x zoom, rounded.
    int ScalePercent() const;
    // A tile's width in window pixels.
    int TilePixels() const;

    // Above ground every floor from 7 up to z is drawn, underground z and up to two below it.
    void SetFloor(int z);
    int CurrentFloor() const { return currentFloor_; }
    int ReferenceFloor() const { return referenceFloor_; }
    int FirstFloor() const { return firstFloor_; }
    int LastFloor() const { return lastFloor_; }
    int FloorStep() const { return -1; }
    // Tiles of floor z are drawn this many tiles up and to the left.
    int FloorShift(int z) const { return referenceFloor_ - z; }

    // Drawing-unit rectangles; none when the shifted column or row is negative.
    std::optional<Rect> TileRect(int x, int y, int z) const;
    // A type of widthCells x heightCells standing on the tile: it grows up and left.
    std::optional<Rect> ItemRect(int x, int y, int z, int widthCells, int heightCells) const;
    // The map column and row under a drawing point on the current floor.
    Point PointToTile(Point drawing) const;
    // Reaches two tiles beyond the window up and left and one down and right, within the map.
    TileSpan VisibleTileSpan(const Rect& clientDrawing, int mapWidth, int mapHeight) const;

    // Window pixels and drawing units at a scroll position (window pixels).
    Rect ClientToDrawing(const Rect& client, Point scroll) const;
    Point ClientToDrawing(Point client, Point scroll) const;
    Rect DrawingToClient(const Rect& drawing, Point scroll) const;
    // Gives a surface of the client's size this view's mapping.
    void ApplyMapping(Surface& surface, Point scroll) const;

    // The scroll range of a map: its size x 32 x zoom x zoom window pixels, as far as the map
    // reaches at that zoom.
    int ScrollRange(int mapTiles) const;
    // A scroll position kept inside the range, as the scroll bars keep it.
    Point ClampScroll(Point scroll, int clientWidth, int clientHeight, int mapWidth, int mapHeight) const;
    // CenterOn: switches to the floor (0..15) and returns the scroll position that puts the tile
    // in the middle of the window, measured from the window's current span; none (nothing
    // changes) when the tile lies beyond the map's width or height.
    std::optional<Point> CenterOn(int x, int y, int z, int clientWidth, int clientHeight, Point scroll,
                                  int mapWidth, int mapHeight);
    // The way back: the tile (on the current floor) that CenterOn put in the middle for this
    // scroll position, so that centring on it again keeps the view where it is.
    Position CenteredTile(int clientWidth, int clientHeight, Point scroll, int mapWidth, int mapHeight) const;

private:
    float zoom_ = 1.0f;
    int currentFloor_ = kGroundFloor;
    int referenceFloor_ = kGroundFloor;
    int firstFloor_ = kGroundFloor;
    int lastFloor_ = kGroundFloor;
};

}  // namespace tessark
