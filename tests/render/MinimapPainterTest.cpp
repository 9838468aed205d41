#include <gtest/gtest.h>

#include <memory>

#include "data/ItemDatabase.h"
#include "model/Item.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "platform/MessageSink.h"
#include "render/MinimapPainter.h"
#include "support/MapTestWorld.h"

namespace tessark {
namespace {

class MinimapPainterTest : public ::testing::Test {
protected:
    int32_t Type(uint16_t minimapColor, bool ground, bool onTop = false)
    {
        ItemType type;
        type.group = ground ? ItemGroup::Ground : ItemGroup::None;
        type.minimapColor = minimapColor;
        type.alwaysOnTop = onTop;
        type.topOrder = onTop ? 1 : 0;
        database.SetServerType(nextKey, type);
        return nextKey++;
    }

    void Place(int x, int y, int z, int32_t key) { test::Place(document, key, x, y, z); }

    ItemDatabase database;
    RecordingMessageSink messages;
    CTessarkDoc document{database, messages};
    int32_t nextKey = 10;
};

TEST_F(MinimapPainterTest, TilesShowTheirTopItemOrGroundColour)
{
    const int32_t grass = Type(1 * 36 + 4 * 6 + 0, true);  // red 0x33, green 0xCC, blue 0
    const int32_t dark = Type(0, true);
    const int32_t wall = Type(215, false, true);
    const int32_t plainTop = Type(0, false, true);
    const int32_t ordinary = Type(30, false);
    const int32_t beyond = Type(300, true);
    const int32_t beyondTop = Type(300, false, true);
    Place(0, 0, 7, grass);
    Place(1, 0, 7, grass);
    Place(1, 0, 7, plainTop);
    Place(1, 0, 7, wall);  // the first top item with a colour wins over the ground
    Place(2, 0, 7, dark);
    Place(2, 0, 7, ordinary);  // ordinary items never colour the minimap
    Place(3, 0, 7, beyond);
    Place(4, 0, 7, grass);
    Place(4, 0, 7, beyondTop);  // outside the palette, yet it decides
    Place(5, 0, 7, plainTop);   // no ground, no colour
    Place(0, 1, 6, grass);  // another floor

    MinimapPainter painter;
    painter.originX = -1;
    painter.originY = 0;
    Surface surface(8, 3, 0x00123456);
    painter.Paint(surface, document);
    // Left of the map, grass, the wall, dark ground under an ordinary item, colours beyond the
    // palette on a ground and on a top item over grass, a colourless top item alone, no tile.
    const uint32_t row[] = {0, 0x33CC00, 0xFFFFFF, 0, 0, 0, 0, 0};
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(surface.Pixel(x, 0), row[x]) << x;
    }
    EXPECT_EQ(surface.Pixel(1, 1), 0u);  // no tile on floor 7 there

    painter.floor = 6;
    surface.Fill(surface.Bounds(), 0x00123456);
    surface.SetClip({1, 1, 2, 2});
    painter.Paint(surface, document);
    EXPECT_EQ(surface.Pixel(1, 1), 0x33CC00u);
    EXPECT_EQ(surface.Pixel(2, 1), 0x123456u);  // outside the clip: untouched

    // Beyond coordinate 65535 the store would answer with the tiles of column 0.
    painter.floor = 7;
    painter.originX = 0xFFFF;
    surface.ResetClip();
    painter.Paint(surface, document);
    EXPECT_EQ(surface.Pixel(1, 0), 0u);
    EXPECT_EQ(MinimapPainter::TilePixel(document, 0x10000, 0, painter.floor), 0u);
    EXPECT_EQ(MinimapPainter::TilePixel(document, 0, 0, painter.floor), 0x33CC00u);
}

TEST_F(MinimapPainterTest, RecentersOnTheViewAndMapsClicksToTiles)
{
    MinimapPainter painter;
    painter.Recenter({10, 20, 50, 60}, 5, 100, 80);
    EXPECT_EQ(painter.originX, -20);
    EXPECT_EQ(painter.originY, 0);
    EXPECT_EQ(painter.floor, 5);
    EXPECT_FALSE(painter.TileAt({19, 5}).has_value());
    ASSERT_TRUE(painter.TileAt({20, 5}).has_value());
    EXPECT_EQ(*painter.TileAt({25, 5}), (Position{5, 5, 5}));
    EXPECT_EQ(painter.ViewOutline({10, 20, 50, 60}), (Rect{30, 20, 71, 61}));  // the last row and column inside
}

}  // namespace
}  // namespace tessark
