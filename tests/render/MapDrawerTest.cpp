#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "model/Creature.h"
#include "model/Item.h"
#include "model/Spawn.h"
#include "model/SpawnList.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "platform/MessageSink.h"
#include "render/MapDrawer.h"
#include "render/RenderTestData.h"
#include "support/MapTestWorld.h"

namespace tessark {
namespace {

using namespace rendertest;

constexpr uint32_t kNavy = 0x000080;
constexpr uint32_t kCyan = 0x00FFFF;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kGreen = 0x008000;
constexpr uint32_t kMaroon = 0x800000;

class PositionSet final : public MapSelection {
public:
    bool IsEmpty() const override { return positions.empty(); }
    bool Contains(const Position& p) const override { return positions.count({p.x, p.y, p.z}) != 0; }
    std::set<std::tuple<int, int, int>> positions;
};

// A small world of hand-made types: grounds are solid colours, items are opaque only in a band
// of columns so that the things of one tile can be told apart.
class MapDrawerTest : public ::testing::Test {
protected:
    MapDrawerTest()
    {
        document.width = 40;
        document.height = 40;
        view.clientWidth = 320;
        view.clientHeight = 256;
        view.showCursorFrame = false;
    }

    // A ground type whose sprite is one colour.
    int32_t Ground(uint32_t color)
    {
        const auto id = static_cast<uint16_t>(nextSprite++);
        AddSprite(database, SolidSprite(id, color));
        database.SetServerType(nextKey, MakeType({ItemGroup::Ground}, {id}));
        return nextKey++;
    }

    // An item opaque in columns [first, first + width) of its sprite.
    int32_t Band(uint32_t color, int first, int width, ItemType type = {})
    {
        const auto id = static_cast<uint16_t>(nextSprite++);
        AddSprite(database, MakeSprite(id, [=](int x, int) { return x >= first && x < first + width ? color : kMagenta; }));
        const ItemType sprites = MakeType({}, {id, id, id, id});
        type.spriteCount = sprites.spriteCount;
        type.spriteIds = sprites.spriteIds;
        database.SetServerType(nextKey, type);
        return nextKey++;
    }

    void Place(int x, int y, int z, int32_t key) { test::Place(document, key, x, y, z); }

    Surface Draw()
    {
        Surface surface(view.clientWidth, view.clientHeight);
        drawer.Paint(surface, view, surface.Bounds());
        return surface;
    }

    ItemDatabase database;
    RecordingMessageSink messages;
    CTessarkDoc document{database, messages};
    SpriteRenderer renderer{database};
    MapDrawer drawer{document, renderer};
    MapViewState view;
    int nextSprite = 1;
    int32_t nextKey = 10;
};

TEST_F(MapDrawerTest, FloorsAreShiftedAndTheLowerOnesShadedOnce)
{
    const int32_t a = Ground(0x100000);
    const int32_t b = Ground(0x200000);
    const int32_t c = Ground(0x300000);
    const int32_t d = Ground(0x400000);
    Place(2, 2, 7, a);
    Place(5, 2, 6, b);  // one tile up and left: screen column 4, row 1
    Place(8, 4, 5, c);  // two tiles: screen column 6, row 2
    Place(0, 3, 6, d);  // column 0 on floor 6 would lie left of the map

    ExpectPixels(Draw(), {{64, 64, 0x100000}, {65, 64, 0x100000}, {128, 32, 0}});  // floor 6 not drawn from 7

    // The lower floors are shaded (every other pixel black), the current floor is not.
    view.geometry.SetFloor(5);
    const Surface upper = Draw();
    ExpectPixels(upper, {{64, 64, 0}, {65, 64, 0x100000}, {128, 32, 0}, {129, 32, 0x200000}, {192, 64, 0x300000},
                         {193, 64, 0x300000}});
    EXPECT_EQ(CountPixels(upper, 0x400000), 0u);

    // Underground: floors 12, 11, 10, the deeper ones down and right.
    Place(1, 1, 12, a);
    Place(1, 1, 11, b);
    Place(1, 1, 10, c);
    Place(1, 1, 13, d);  // three floors down: not drawn
    view.geometry.SetFloor(10);
    ExpectPixels(Draw(), {{96, 96, 0}, {97, 96, 0x100000}, {65, 64, 0x200000}, {32, 32, 0x300000}, {129, 128, 0}});

    view.showShades = false;
    EXPECT_EQ(Draw().Pixel(96, 96), 0x100000u);
}

TEST_F(MapDrawerTest, ItemListsAreDrawnTopOrdinaryHangingUpToTheZoomLimit)
{
    const int32_t ground = Ground(0x111111);
    ItemType wall;
    wall.alwaysOnTop = true;
    wall.topOrder = 2;
    wall.horizontal = true;
    ItemType hanging;
    hanging.hangeable = true;
    hanging.patternX = 2;
    // Wall over columns 0..2, ordinary item over 0..1, hanging item over 0: drawn in the order
    // top, ordinary, hanging, each column shows a different one.
    Place(1, 1, 7, ground);
    Place(1, 1, 7, Band(0x00AA00, 0, 2, hanging));  // no wall yet: an ordinary item
    Place(1, 1, 7, Band(0xAA0000, 0, 3, wall));
    Place(1, 1, 7, Band(0x0000AA, 0, 1, hanging));  // on the wall: a hanging item
    ExpectPixels(Draw(), {{32, 40, 0x0000AA}, {33, 40, 0x00AA00}, {34, 40, 0xAA0000}, {35, 40, 0x111111}});

    // Ground and twelve items: ten things at zoom 1.0, one at 0.25, four at 0.5, five at 0.75.
    Place(4, 1, 7, ground);
    for (int k = 0; k < 12; ++k) {
        Place(4, 1, 7, Band(0x010101u * static_cast<uint32_t>(k + 1), 2 * k, 2));
    }
    const Surface surface = Draw();
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(surface.Pixel(128 + 2 * k, 40), k < 9 ? 0x010101u * static_cast<uint32_t>(k + 1) : 0x111111u) << k;
    }
    view.geometry.SetZoom(0.25f);
    ExpectPixels(Draw(), {{8, 2, 0x111111}, {9, 2, 0x111111}});
    view.geometry.SetZoom(0.5f);
    // 8 pixels a tile: pixel i shows sprite column 4 i, so items 0, 2, 4 show at pixels 0, 1, 2.
    ExpectPixels(Draw(), {{32, 10, 0x010101}, {33, 10, 0x030303}, {34, 10, 0x111111}});
    view.geometry.SetZoom(0.75f);
    // Pixel 4 shows sprite column 6 (item 3, the fifth thing), pixel 5 column 8 (item 4).
    ExpectPixels(Draw(), {{72 + 4, 20, 0x040404}, {72 + 5, 20, 0x111111}});
}

TEST_F(MapDrawerTest, GroundTintsByHouseZoneSpawnAndSelection)
{
    const int32_t ground = Ground(0x808080);
    for (int x = 1; x <= 7; ++x) {
        Place(x, 1, 7, ground);
    }
    document.GetTile(1, 1, 7)->SetFlags(CTile::kHouseFlag | CTile::kProtectionZoneFlag);
    document.GetTile(1, 1, 7)->SetHouseId(5);
    document.GetTile(2, 1, 7)->SetFlags(CTile::kHouseFlag | CTile::kProtectionZoneFlag);
    document.GetTile(2, 1, 7)->SetHouseId(6);
    document.GetTile(3, 1, 7)->SetProtectionZone(true);
    document.GetTile(7, 1, 7)->SetProtectionZone(true);
    document.Spawns().CreateSpawn({5, 3, 7}, 2);  // holds (5, 1), not (4, 1)
    document.Spawns().CreateSpawn({7, 2, 7}, 1);  // holds (7, 1), a protection zone
    PositionSet selection;
    selection.positions.insert({6, 1, 7});
    view.selection = &selection;
    view.selectedHouseId = 5;

    // The tint shows on the bottom-left pixel of tiles 1..7's ground, as a checkerboard, not a fill.
    ExpectPixels(Draw(), {{32, 63, kCyan}, {64, 63, kBlue}, {96, 63, kGreen}, {128, 63, 0x808080}, {160, 63, kMaroon},
                          {192, 63, kNavy}, {224, 63, kGreen}, {33, 63, 0x808080}});

    view.selectedHouseId = 0;
    view.showSpawns = false;
    ExpectPixels(Draw(), {{32, 63, kBlue}, {160, 63, 0x808080}});

    // Below zoom class 2 only the selection tints.
    view.geometry.SetZoom(0.5f);
    ExpectPixels(Draw(), {{8, 15, 0x808080}, {6 * 8, 15, kNavy}});
}

TEST_F(MapDrawerTest, CreaturesAndSpawnMarkersAtFullZoomOnly)
{
    const int32_t ground = Ground(0x202020);
    for (int x = 1; x <= 5; ++x) {
        Place(x, 3, 7, ground);
    }
    // A creature type facing by pattern column.
    const int32_t creatureKey = nextKey++;
    for (uint16_t i = 0; i < 4; ++i) {
        AddSprite(database, SolidSprite(static_cast<uint16_t>(100 + i), 0x0A0000u + i));
    }
    database.SetServerType(creatureKey, MakeType({ItemGroup::Creature, 1, 1, 1, 4, 1, 1}, {100, 101, 102, 103}));
    AddSprite(database, SolidSprite(200, 0x00BEEF));
    database.SetServerType(CSpawnList::kMarkerTypeKey, MakeType({}, {200}));

    CSpawn* spawn = document.Spawns().CreateSpawn({3, 3, 7}, 2);
    auto creature = std::make_unique<CCreature>(creatureKey);
    creature->SetDirection(1);
    CCreature* placed = creature.get();
    ASSERT_TRUE(spawn->AddCreature(creature, {4, 3, 7}));

    ExpectPixels(Draw(), {{4 * 32 + 5, 3 * 32 + 5, 0x0A0001}, {3 * 32 + 5, 3 * 32 + 5, 0x00BEEF}});

    view.selectedThing = placed;
    EXPECT_EQ(Draw().Pixel(4 * 32, 3 * 32 + 31), kNavy);
    view.selectedThing = spawn;
    ExpectPixels(Draw(), {{3 * 32, 3 * 32 + 31, kNavy}, {4 * 32, 3 * 32 + 31, 0x0A0001}});
    view.selectedThing = nullptr;

    view.showSpawns = false;
    ExpectPixels(Draw(), {{4 * 32 + 5, 3 * 32 + 5, 0x0A0001}, {3 * 32 + 5, 3 * 32 + 5, 0x202020}});
    view.showCreatures = false;
    EXPECT_EQ(Draw().Pixel(4 * 32 + 5, 3 * 32 + 5), 0x202020u);

    view.showSpawns = view.showCreatures = true;
    view.geometry.SetZoom(0.75f);
    const Surface small = Draw();
    EXPECT_EQ(CountPixels(small, 0x0A0001), 0u);
    EXPECT_EQ(CountPixels(small, 0x00BEEF), 0u);
}

TEST_F(MapDrawerTest, BrushPreviewAndInvertedCursorFrame)
{
    const int32_t brush = Ground(0x0F0F0F);
    document.currentItemKey = brush;
    view.tool = CursorTool::PaintBrush;
    view.brushRadius = 1;
    view.cursor = {5, 4, 7};
    view.showCursorFrame = true;
    // Tiles 4..6 x 3..5 show the brush; the frame inverts the outline of their union.
    ExpectPixels(Draw(), {{4 * 32, 3 * 32, 0xF0F0F0}, {7 * 32 - 1, 6 * 32 - 1, 0xF0F0F0},
                          {4 * 32 + 1, 3 * 32 + 1, 0x0F0F0F}, {7 * 32, 3 * 32, 0}, {3 * 32 + 31, 4 * 32, 0}});

    // The eraser's frame inverts black; it shows no preview.
    view.tool = CursorTool::Eraser;
    view.eraserRadius = 2;
    ExpectPixels(Draw(), {{3 * 32, 2 * 32, 0xFFFFFF}, {5 * 32, 4 * 32, 0}});
    view.tool = CursorTool::Other;
    ExpectPixels(Draw(), {{5 * 32, 4 * 32, 0xFFFFFF}, {4 * 32, 3 * 32, 0}});
}

TEST_F(MapDrawerTest, APaintBoxDrawsWhatTheWholeFrameShowsThere)
{
    const int32_t ground = Ground(0x405060);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            Place(x, y, 7, ground);
        }
    }
    // A 2 x 2 tree whose cells reach up and left into the neighbours.
    for (uint16_t id = 50; id < 54; ++id) {
        AddSprite(database, MakeSprite(id, [id](int x, int y) { return (x + y) % 3 ? 0x001000u * id : kMagenta; }));
    }
    const int32_t tree = nextKey++;
    database.SetServerType(tree, MakeType({ItemGroup::None, 2, 2, 1, 1, 1, 1}, {50, 51, 52, 53}));
    for (int i = 1; i < 9; ++i) {
        Place(i, i, 7, tree);
    }
    const Rect box{37, 21, 151, 97};
    for (float zoom : {1.0f, 0.75f, 0.5f, 0.25f}) {
        view.geometry.SetZoom(zoom);
        const Surface whole = Draw();
        Surface part(view.clientWidth, view.clientHeight, 0x00ABCDEF);
        drawer.Paint(part, view, box);
        for (int y = 0; y < part.Height(); ++y) {
            for (int x = 0; x < part.Width(); ++x) {
                const uint32_t expected = box.Contains({x, y}) ? whole.Pixel(x, y) : 0x00ABCDEFu;
                ASSERT_EQ(part.Pixel(x, y), expected) << zoom << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(MapDrawerTest, AnimationTickFindsTheFirstAnimatedThingPerTile)
{
    const int32_t ground = Ground(0x303030);
    ItemType animated;
    animated.animationPhases = 3;
    const int32_t flame = Band(0xFF8000, 0, 4, animated);
    Place(1, 1, 7, ground);
    Place(1, 1, 7, flame);
    Place(2, 1, 7, ground);
    for (int k = 0; k < 10; ++k) {
        Place(2, 1, 7, Band(0x010101, 0, 1));
    }
    Place(2, 1, 7, flame);  // the eleventh thing: not looked at
    Place(3, 2, 6, flame);  // floor 6, shown one tile up-left at floor 6
    EXPECT_EQ(drawer.AnimatedRects(view), (std::vector<Rect>{{32, 32, 64, 64}}));
    view.geometry.SetFloor(6);
    EXPECT_EQ(drawer.AnimatedRects(view), (std::vector<Rect>{{64, 32, 96, 64}}));
    EXPECT_EQ(AnimationCounterFromMilliseconds(500), 43200);
    EXPECT_EQ(AnimationCounterFromMilliseconds(999), static_cast<uint16_t>(86313));
}

}  // namespace
}  // namespace tessark
