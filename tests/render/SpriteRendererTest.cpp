#include <gtest/gtest.h>

#include <random>

#include "model/Creature.h"
#include "model/Item.h"
#include "render/OutfitColors.h"
#include "render/SpriteRenderer.h"
#include "render/RenderTestData.h"

namespace tessark {
namespace {

using namespace rendertest;

constexpr uint32_t kBackground = 0x00203040;

class SpriteRendererTest : public ::testing::Test {
protected:
    // The sprite drawn for one 1 x 1 type at (32, 32), read back as its colour (0 for none).
    uint32_t DrawnColor(int32_t key, int32_t count, bool animated = false)
    {
        Surface surface(32, 32, kBackground);
        renderer.DrawItem(surface, key, count, 32, 32, 3, 0, true, animated);
        uint32_t p = surface.Pixel(5, 5);
        return p == kBackground ? 0 : p;
    }

    ItemDatabase database;
    SpriteRenderer renderer{database};
};

TEST_F(SpriteRendererTest, DrawsUprightWithMagentaTransparent)
{
    // Top row red, bottom row blue, the bottom-left pixel green, the rest transparent.
    AddSprite(database, MakeSprite(7, [](int x, int y) -> uint32_t {
        if (y == 31 && x == 0) return 0x00FF00;
        if (y == 0) return 0xFF0000;
        if (y == 31) return 0x0000FF;
        return kMagenta;
    }));
    database.SetServerType(1, MakeType({}, {7}));
    Surface surface(40, 40, kBackground);
    EXPECT_TRUE(renderer.DrawItem(surface, 1, 0, 36, 38, 3, 0, true, false));
    // The bottom-right corner lies at (36, 38): the sprite covers (4..35, 6..37).
    ExpectPixels(surface, {{4, 6, 0xFF0000}, {35, 6, 0xFF0000}, {4, 37, 0x00FF00}, {5, 37, 0x0000FF},
                           {10, 20, kBackground}, {3, 6, kBackground}, {4, 38, kBackground}});

    // A type without a server type, a sprite absent from the table, and one without pixels
    // draw nothing.
    Sprite empty;
    empty.id = 8;
    AddSprite(database, empty);
    database.SetServerType(2, MakeType({}, {9}));
    database.SetServerType(3, MakeType({}, {8}));
    Surface clean(32, 32, kBackground);
    for (const int32_t key : {99, 2, 3}) {
        renderer.DrawItem(clean, key, 0, 32, 32, 3, 0, true, false);
    }
    EXPECT_EQ(CountPixels(clean, kBackground), 32u * 32u);
}

TEST_F(SpriteRendererTest, TintPaintsACheckerboardAnchoredAtTheBottomLeft)
{
    // Opaque grey, with the key and the untintable value on tinted squares near the bottom-left.
    AddSprite(database, MakeSprite(1, [](int x, int y) -> uint32_t {
        if (x == 2 && y == 31) return kMagenta;
        if (x == 1 && y == 30) return 0xFF11FF;
        return 0x808080;
    }));
    database.SetServerType(1, MakeType({}, {1}));
    Surface surface(32, 32, kBackground);
    renderer.DrawItem(surface, 1, 0, 32, 32, 3, 0x00800000, true, false);
    const uint32_t navy = 0x000080;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int fromBottom = 31 - y;
            uint32_t expected = (x + fromBottom) % 2 == 0 ? navy : 0x808080;
            if (x == 2 && y == 31) expected = kBackground;
            if (x == 1 && y == 30) expected = 0xFF11FF;
            ASSERT_EQ(surface.Pixel(x, y), expected) << x << "," << y;
        }
    }
}

// The sprite a count, subtype, direction or animation phase picks, per group.
TEST_F(SpriteRendererTest, PatternsFollowCountSubtypeDirectionAndAnimation)
{
    AddNumberedSprites(database, 20);
    ItemType coins = MakeType({ItemGroup::None, 1, 1, 1, 4, 2, 1}, {1, 2, 3, 4, 5, 6, 7, 8});
    coins.stackable = true;
    database.SetServerType(1, coins);
    ItemType small = MakeType({ItemGroup::None, 1, 1, 1, 2, 2, 3}, {1, 2, 3, 4, 5, 6, 7, 8});
    small.stackable = true;
    database.SetServerType(2, small);
    database.SetServerType(3, MakeType({ItemGroup::Splash, 1, 1, 1, 1, 1, 1}, {1, 2, 3, 4, 5, 6, 7, 8}));
    database.SetServerType(4, MakeType({ItemGroup::FluidContainer, 1, 1, 1, 4, 2, 2},
                                       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    database.SetServerType(5, MakeType({ItemGroup::None, 1, 1, 2, 3, 1, 2}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    database.SetServerType(6, MakeType({ItemGroup::Creature, 1, 1, 1, 4, 1, 1}, {1, 2, 3, 4}));
    const struct {
        int32_t key;
        int32_t count;
        bool animated;
        int counter;
        uint32_t sprite;
    } cases[] = {
        // Stack counts never pass the last pattern; four patterns only: 100 uses the last, and
        // stackables ignore the animation.
        {1, -5, false, 0, 1}, {1, 0, false, 0, 1}, {1, 1, false, 0, 1}, {1, 2, false, 0, 2}, {1, 3, false, 0, 3},
        {1, 4, false, 0, 4}, {1, 5, false, 0, 5}, {1, 9, false, 0, 5}, {1, 10, false, 0, 6}, {1, 24, false, 0, 6},
        {1, 25, false, 0, 7}, {1, 49, false, 0, 7}, {1, 50, false, 0, 8}, {1, 100, false, 0, 8},
        {1, 101, false, 0, 1}, {2, 100, true, 2, 4}, {2, 2, true, 2, 2},
        // Subtypes wrap at 8; a negative remainder falls outside the sprite list.
        {3, 3, false, 0, 4}, {3, 11, false, 0, 4}, {3, -3, false, 0, 0},
        {4, 2, false, 5, 3}, {4, 2, true, 5, 11},  // (5 mod 2) x 4 x 2 = 8 further
        // Other groups: (count mod patternX + A) x cells, two layers, the second covering the first.
        {5, 4, false, 0, 4}, {5, 4, true, 1, 10},  // (1 + 3) x 2 = 8, layer 1 -> 9, sprite 10
        {6, 3, false, 0, 4}, {6, 2, false, 0, 3},  // creatures face by direction
    };
    for (const auto& c : cases) {
        renderer.SetAnimationCounter(c.counter);
        EXPECT_EQ(DrawnColor(c.key, c.count, c.animated), c.sprite) << "type " << c.key << " count " << c.count;
    }
}

TEST_F(SpriteRendererTest, GroundPatternFollowsThePosition)
{
    AddNumberedSprites(database, 32);
    std::initializer_list<uint16_t> ids = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                                           17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
    database.SetServerType(1, MakeType({ItemGroup::Ground, 1, 1, 1, 4, 4, 2}, ids));
    Surface surface(128, 128, kBackground);
    // At (64, 96): px = 2, py = 3, so index 3 * 4 + 2 = 14, sprite 15.
    renderer.DrawItem(surface, 1, 0, 64, 96, 3, 0, true, false);
    EXPECT_EQ(surface.Pixel(40, 70), 15u);
    // At (160, 32) on a larger surface: px = 5 mod 4 = 1, py = 1 -> index 5.
    Surface wide(160, 32, kBackground);
    renderer.DrawItem(wide, 1, 0, 160, 32, 3, 0, true, false);
    EXPECT_EQ(wide.Pixel(150, 10), 6u);
    // The animation phase moves a whole pattern grid: counter 3 with 2 phases adds 16.
    renderer.SetAnimationCounter(3);
    renderer.DrawItem(surface, 1, 0, 64, 96, 3, 0, true, true);
    EXPECT_EQ(surface.Pixel(40, 70), 31u);
}

TEST_F(SpriteRendererTest, CreaturesWearTheirOutfit)
{
    // Yellow, red, green and blue quarters from the top.
    AddSprite(database, MakeSprite(10, [](int, int y) -> uint32_t {
        const uint32_t colors[] = {0xFFFF00, 0xFF0000, 0x00FF00, 0x0000FF};
        return colors[y / 8];
    }));
    ItemType creature = MakeType({ItemGroup::Creature, 1, 1, 1, 1, 1, 1}, {10});
    creature.outfitHead = 94;  // pure red: the body replacement then repaints the head too
    creature.outfitBody = 40;
    creature.outfitLegs = 0;
    creature.outfitFeet = 200;  // outside the table: entry 0
    database.SetServerType(2, creature);
    Surface surface(32, 32, kBackground);
    renderer.DrawItem(surface, 2, 2, 32, 32, 3, 0, true, false);
    ExpectPixels(surface, {{0, 0, 0xBFAF8F}, {0, 8, 0xBFAF8F}, {0, 16, 0xFFFFFF}, {0, 24, 0xFFFFFF}});

    // Without outfit indexes, and for other groups, the colours stay.
    creature.outfitHead = creature.outfitBody = creature.outfitFeet = 0;
    database.SetServerType(3, creature);
    ItemType item = creature;
    item.group = ItemGroup::None;
    item.outfitBody = 5;
    database.SetServerType(4, item);
    for (int32_t key : {3, 4}) {
        renderer.DrawItem(surface, key, 2, 32, 32, 3, 0, true, false);
        ExpectPixels(surface, {{0, 0, 0xFFFF00}, {0, 31, 0x0000FF}});
    }
    // The cached image itself was never recoloured.
    EXPECT_EQ(renderer.GetImage(&database.Sprites()[10], 3, 0, true).Pixel(0, 8), 0xFF0000u);
}

TEST_F(SpriteRendererTest, MultiCellItemsGrowUpLeftAndClipAtTheOrigin)
{
    AddNumberedSprites(database, 8);
    // 2 x 2 cells, two layers: layer 1 (sprites 5..8) is transparent except in its right half.
    for (uint32_t id = 5; id <= 8; ++id) {
        AddSprite(database, MakeSprite(id, [id](int x, int) { return x >= 16 ? id : kMagenta; }));
    }
    database.SetServerType(1, MakeType({ItemGroup::None, 2, 2, 2, 1, 1, 1}, {1, 2, 3, 4, 5, 6, 7, 8}));
    Surface surface(64, 64, kBackground);
    renderer.DrawItem(surface, 1, 0, 64, 64, 3, 0, true, false);
    // Cell (cx, cy) lies at (32 - 32 cx, 32 - 32 cy); index cy * 2 + cx.
    ExpectPixels(surface, {{32, 32, 1}, {0, 32, 2}, {32, 0, 3}, {0, 0, 4}, {63, 63, 5}, {20, 10, 8}});

    // At (32, 32) only the bottom-right cell fits; the others are dropped whole.
    Surface corner(64, 64, kBackground);
    corner.SetMapping(100, {16, 16});
    renderer.DrawItem(corner, 1, 0, 32, 32, 3, 0, true, false);
    ExpectPixels(corner, {{16, 16, 1}, {40, 40, 5}, {15, 20, kBackground}, {20, 15, kBackground}});
}

TEST_F(SpriteRendererTest, ZoomScalesTheImageAndTheCopy)
{
    // A dot every eighth pixel from the bottom-left, on a green field.
    AddSprite(database, MakeSprite(1, [](int x, int y) -> uint32_t {
        return x % 8 == 0 && (31 - y) % 8 == 0 ? 0xFF0000 : 0x00FF00;
    }));
    database.SetServerType(1, MakeType({}, {1}));
    renderer.SetZoom(0.5);
    Surface surface(16, 16, kBackground);
    surface.SetMapping(50, {0, 0});
    // A tile is 16 drawing units, drawn as 8 pixels.
    renderer.DrawItem(surface, 1, 0, 32, 32, 1, 0, true, false);
    EXPECT_EQ(renderer.GetImage(&database.Sprites()[1], 1, 0, true).Width(), 16);
    // The bottom-left dot at (8, 15) survives both scalings.
    ExpectPixels(surface, {{8, 15, 0xFF0000}, {9, 15, 0x00FF00}, {10, 15, 0xFF0000}, {8, 14, 0x00FF00},
                           {8, 13, 0xFF0000}, {7, 15, kBackground}, {8, 7, kBackground}});

    // The palette always draws 32 x 32 and leaves the zoom as it was.
    Surface palette(64, 64, kBackground);
    renderer.DrawPaletteItem(palette, 1, 64, 64);
    EXPECT_EQ(renderer.Zoom(), 0.5);
    ExpectPixels(palette, {{32, 63, 0xFF0000}, {31, 63, kBackground}, {63, 32, 0x00FF00}});
}

TEST_F(SpriteRendererTest, CacheKeepsOneVariantPerZoomClassAndTint)
{
    AddNumberedSprites(database, 2);
    database.SetServerType(1, MakeType({}, {1}));
    Surface surface(32, 32);
    renderer.DrawItem(surface, 1, 0, 32, 32, 3, 0, true, false);
    renderer.DrawItem(surface, 1, 0, 32, 32, 3, 0, true, false);
    EXPECT_EQ(renderer.Cache().VariantCount(), 1u);
    renderer.DrawItem(surface, 1, 0, 32, 32, 3, 0x00800000, true, false);
    renderer.DrawItem(surface, 1, 0, 32, 32, 2, 0x00800000, true, false);
    EXPECT_EQ(renderer.Cache().VariantCount(), 3u);
    EXPECT_NE(renderer.Cache().Find(1, 3, 0x00800000), nullptr);
    renderer.ClearImageCache();
    EXPECT_EQ(renderer.Cache().VariantCount(), 0u);
    EXPECT_EQ(renderer.Cache().Find(1, 3, 0), nullptr);

    // GetImage fills the cache too and answers from it; none gives an all-key image.
    Surface tinted = renderer.GetImage(&database.Sprites()[2], 0, 0x000000FF, false);
    ExpectPixels(tinted, {{0, 31, 0xFF0000}, {1, 31, 2}});
    EXPECT_EQ(renderer.Cache().VariantCount(), 1u);
    Surface none = renderer.GetImage(nullptr, 0, 0, false);
    EXPECT_EQ(none.Pixel(3, 3), kMagenta);
    EXPECT_EQ(renderer.Cache().VariantCount(), 1u);
}

TEST_F(SpriteRendererTest, MaskedCopyDrawsTheSamePixelsAsTheKeyedCopy)
{
    std::mt19937 random(7);
    for (uint32_t id = 1; id <= 4; ++id) {
        AddSprite(database, MakeSprite(id, [&random](int, int) -> uint32_t {
            return random() % 3 == 0 ? kMagenta : random() & 0xFFFFFF;
        }));
    }
    database.SetServerType(1, MakeType({ItemGroup::None, 2, 2, 1, 1, 1, 1}, {1, 2, 3, 4}));
    for (double zoom : {1.0, 0.75, 0.25}) {
        Surface fast(50, 40, kBackground);
        Surface slow(50, 40, kBackground);
        for (Surface* s : {&fast, &slow}) {
            s->SetMapping(static_cast<int>(zoom * 100), {-3, -5});
            s->SetClip({2, 2, 45, 38});
        }
        renderer.SetZoom(zoom);
        renderer.ClearImageCache();
        const int tile = static_cast<int>(32 * zoom);
        renderer.fastTransparentCopy = true;
        renderer.DrawItem(fast, 1, 0, 3 * tile, 2 * tile, 3, 0x00800000, true, false);
        renderer.fastTransparentCopy = false;
        renderer.DrawItem(slow, 1, 0, 3 * tile, 2 * tile, 3, 0x00800000, true, false);
        for (int i = 0; i < 50 * 40; ++i) {
            ASSERT_EQ(fast.Pixels()[i], slow.Pixels()[i]) << "zoom " << zoom << " pixel " << i;
        }
    }
}

TEST(ImageHelpersTest, ReplaceColorCopiesAndFillDitheredShades)
{
    Surface image(2, 1);
    image.SetPixel(0, 0, 0xFF0000);
    image.SetPixel(1, 0, 0x0000FF);
    // From red (reference 0x0000FF) to the reference 0x00332211, pixel 0x112233.
    ExpectPixels(ReplaceColor(image, 0x000000FF, 0x00332211), {{0, 0, 0x112233}, {1, 0, 0x0000FF}});
    EXPECT_EQ(image.Pixel(0, 0), 0xFF0000u);

    Surface surface(20, 10, 0x00646464);
    surface.SetMapping(50, {-2, 0});
    FillDithered(surface, {4, 0, 40, 20}, 0);  // pixels 0..18 of every row: (19, 1) lies outside
    ExpectPixels(surface, {{0, 0, 0}, {1, 0, 0x646464}, {1, 1, 0}, {19, 1, 0x646464}});
    FillDithered(surface, {4, 0, 40, 20}, 0x000080);
    ExpectPixels(surface, {{2, 0, 0x800000}, {3, 0, 0x646464}});
}

}  // namespace
}  // namespace tessark
