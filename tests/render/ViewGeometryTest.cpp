#include <gtest/gtest.h>

#include <tuple>

#include "platform/Surface.h"
#include "render/ViewGeometry.h"

namespace tessark {
namespace {

TEST(ViewGeometryTest, ZoomClassesAndTileSizes)
{
    struct Case {
        float zoom;
        int zoomClass;
        int units;
        int pixels;
    };
    for (const Case& c : {Case{0.25f, 0, 8, 2}, Case{0.5f, 1, 16, 8}, Case{0.75f, 2, 24, 18}, Case{1.0f, 3, 32, 32},
                          Case{0.2f, 0, 6, 1}, Case{2.0f, 3, 64, 128}}) {
        ViewGeometry geometry;
        geometry.SetZoom(c.zoom);
        EXPECT_EQ(geometry.ZoomClass(), c.zoomClass) << c.zoom;
        EXPECT_EQ(geometry.TileUnits(), c.units) << c.zoom;
        EXPECT_EQ(geometry.TilePixels(), c.pixels) << c.zoom;
        if (c.zoom == 0.2f) {
            continue;  // 1.2 pixels a tile: rectangles round unevenly there
        }
        // A tile rectangle mapped to the window has exactly the tile's pixel size.
        Rect client = geometry.DrawingToClient(*geometry.TileRect(3, 4, 7), {0, 0});
        EXPECT_EQ(client, (Rect{3 * c.pixels, 4 * c.pixels, 4 * c.pixels, 5 * c.pixels})) << c.zoom;
    }
    EXPECT_EQ(ViewGeometry::ZoomClassOf(0.74f), 1);
}

TEST(ViewGeometryTest, FloorsAndTheirOffsets)
{
    ViewGeometry geometry;
    EXPECT_EQ(std::tuple(geometry.FirstFloor(), geometry.LastFloor()), std::tuple(7, 7));
    // The current floor, then the reference floor and the first and last floors drawn.
    const int floors[][4] = {{14, 14, 15, 14}, {10, 10, 12, 10}, {5, 7, 7, 5}};
    for (const auto& [floor, reference, first, last] : floors) {
        geometry.SetFloor(floor);
        EXPECT_EQ(std::tuple(geometry.ReferenceFloor(), geometry.FirstFloor(), geometry.LastFloor()),
                  std::tuple(reference, first, last)) << floor;
    }
    EXPECT_EQ(geometry.FloorShift(6), 1);
    EXPECT_EQ(geometry.FloorShift(5), 2);
    // Column 0 of floor 6 would lie left of the map.
    EXPECT_FALSE(geometry.TileRect(0, 5, 6).has_value());
    EXPECT_EQ(*geometry.TileRect(1, 5, 6), (Rect{0, 128, 32, 160}));
    EXPECT_EQ(*geometry.ItemRect(4, 4, 5, 2, 2), (Rect{32, 32, 96, 96}));

    geometry.SetFloor(10);
    EXPECT_EQ(geometry.FloorShift(12), -2);  // two tiles down and right
    EXPECT_EQ(*geometry.TileRect(0, 0, 12), (Rect{64, 64, 96, 96}));
}

TEST(ViewGeometryTest, PointToTileAddsTheFloorShiftAboveGround)
{
    ViewGeometry geometry;
    EXPECT_EQ(geometry.PointToTile({65, 31}), (Point{2, 0}));
    geometry.SetFloor(5);
    EXPECT_EQ(geometry.PointToTile({65, 31}), (Point{4, 2}));
    geometry.SetFloor(9);
    geometry.SetZoom(0.75f);
    EXPECT_EQ(geometry.PointToTile({47, 48}), (Point{1, 2}));
    // A window pixel at zoom 0.75 with a scroll: (p + scroll) / zoom.
    EXPECT_EQ(geometry.ClientToDrawing(Point{30, 0}, {6, 0}), (Point{48, 0}));
}

TEST(ViewGeometryTest, VisibleSpanReachesBeyondTheWindowWithinTheMap)
{
    ViewGeometry geometry;
    const Rect client{0, 0, 1024, 768};
    EXPECT_EQ(geometry.VisibleTileSpan(geometry.ClientToDrawing(client, {0, 0}), 500, 500), (TileSpan{0, 0, 32, 24}));
    EXPECT_EQ(geometry.VisibleTileSpan(geometry.ClientToDrawing(client, {3200, 640}), 500, 500),
              (TileSpan{98, 18, 132, 44}));
    EXPECT_EQ(geometry.VisibleTileSpan(geometry.ClientToDrawing(client, {3200, 640}), 120, 30),
              (TileSpan{98, 18, 120, 30}));
    geometry.SetZoom(0.25f);
    EXPECT_EQ(geometry.ClientToDrawing(Rect{0, 0, 1920, 1080}, {0, 0}), (Rect{0, 0, 7680, 4320}));
    EXPECT_EQ(geometry.VisibleTileSpan(geometry.ClientToDrawing(Rect{0, 0, 1920, 1080}, {0, 0}), 2000, 2000),
              (TileSpan{0, 0, 960, 540}));
}

TEST(ViewGeometryTest, CenterOnAndScrollLimits)
{
    ViewGeometry geometry;
    // 320 x 320 window at the top-left: span 0..10, so the tile goes 5 tiles in.
    EXPECT_EQ(geometry.CenterOn(50, 60, 7, 320, 320, {0, 0}, 100, 100), (Point{45 * 32, 55 * 32}));
    EXPECT_EQ(geometry.CenterOn(3, 2, 7, 320, 320, {0, 0}, 100, 100), (Point{0, 0}));
    // Outside the map: nothing changes, not even the floor.
    EXPECT_FALSE(geometry.CenterOn(101, 5, 4, 320, 320, {0, 0}, 100, 100).has_value());
    EXPECT_EQ(geometry.CurrentFloor(), 7);
    EXPECT_TRUE(geometry.CenterOn(100, 5, 4, 320, 320, {0, 0}, 100, 100).has_value());
    EXPECT_EQ(geometry.CurrentFloor(), 4);

    geometry.SetZoom(0.5f);
    // At 0.5 a tile is 16 units; the scroll is in window pixels: 16 x left x 0.5.
    EXPECT_EQ(geometry.CenterOn(50, 50, 7, 320, 320, {0, 0}, 100, 100), (Point{(50 - 20) * 8, (50 - 20) * 8}));
    // The range ends where the map does: 100 tiles of 8 window pixels.
    EXPECT_EQ(geometry.ScrollRange(100), 800);
    EXPECT_EQ(geometry.ClampScroll({2000, -5}, 320, 320, 100, 100), (Point{480, 0}));
    EXPECT_EQ(geometry.ClampScroll({50, 50}, 2000, 320, 100, 100), (Point{0, 50}));
}

TEST(ViewGeometryTest, CenteredTileLeadsBackToWhereCenterOnWent)
{
    for (const float zoom : {1.0f, 0.75f, 0.5f, 0.25f}) {
        for (const int floor : {7, 4, 10}) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << ", floor " << floor);
            ViewGeometry geometry;
            geometry.SetZoom(zoom);
            // From the map's corner the span is cut at the edge: a second call measures from the
            // span around the tile.
            const std::optional<Point> near = geometry.CenterOn(700, 650, floor, 1000, 700, {0, 0}, 2000, 2000);
            ASSERT_TRUE(near.has_value());
            const std::optional<Point> scroll = geometry.CenterOn(700, 650, floor, 1000, 700, *near, 2000, 2000);
            ASSERT_TRUE(scroll.has_value());
            const Position center = geometry.CenteredTile(1000, 700, *scroll, 2000, 2000);
            EXPECT_EQ(center, (Position{700, 650, floor}));
            // Centring on it again keeps the view where it is.
            EXPECT_EQ(geometry.CenterOn(center.x, center.y, center.z, 1000, 700, *scroll, 2000, 2000), scroll);
        }
    }
}

}  // namespace
}  // namespace tessark
