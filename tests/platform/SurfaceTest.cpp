#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/KeyedImage.h"
#include "platform/Surface.h"

namespace tessark {
namespace {

constexpr uint32_t kKey = 0x00FF00FF;

// A source image from rows written top row first.
struct Pixels {
    int width;
    int height;
    std::vector<uint32_t> values;
    ImageView View() const { return {values.data(), width, height, width}; }
};

TEST(SurfaceTest, MemoryIsBlueGreenRedZeroTopRowFirst)
{
    Surface surface(3, 2);
    surface.SetPixel(1, 0, 0x00112233);
    surface.SetPixel(0, 1, 0x00AABBCC);
    const uint8_t* bytes = surface.Bytes();
    EXPECT_EQ(surface.BytesPerLine(), 12);
    EXPECT_EQ(bytes[4], 0x33);
    EXPECT_EQ(bytes[5], 0x22);
    EXPECT_EQ(bytes[6], 0x11);
    EXPECT_EQ(bytes[7], 0x00);
    EXPECT_EQ(bytes[12], 0xCC);
    EXPECT_EQ(bytes[14], 0xAA);
    // Outside the surface reads are 0 and writes are dropped.
    surface.SetPixel(3, 0, 0x00FFFFFF);
    surface.SetPixel(-1, 1, 0x00FFFFFF);
    EXPECT_EQ(surface.Pixel(3, 0), 0u);
    EXPECT_EQ(surface.Pixel(2, 0), 0u);
    EXPECT_EQ(surface.Pixel(2, 1), 0u);
}

TEST(SurfaceTest, TransparentCopyKeepsOrientationSkipsKeyAndClips)
{
    Pixels source{2, 2, {0x000001, kKey,          // top row
                         0x000003, 0x000004}};    // bottom row
    Surface surface(4, 4, 0x00777777);
    surface.TransparentCopy({1, 1, 3, 3}, source.View(), kKey);
    EXPECT_EQ(surface.Pixel(1, 1), 0x000001u);
    EXPECT_EQ(surface.Pixel(2, 1), 0x777777u);
    EXPECT_EQ(surface.Pixel(1, 2), 0x000003u);
    EXPECT_EQ(surface.Pixel(2, 2), 0x000004u);
    EXPECT_EQ(surface.Pixel(0, 0), 0x777777u);

    // Half outside the surface on the top-left, and under a clip on the right.
    Surface clipped(4, 4, 0);
    clipped.TransparentCopy({-1, -1, 1, 1}, source.View(), kKey);
    EXPECT_EQ(clipped.Pixel(0, 0), 0x000004u);
    EXPECT_EQ(clipped.Pixel(1, 0), 0u);
    clipped.SetClip({0, 0, 3, 4});
    clipped.TransparentCopy({2, 2, 4, 4}, source.View(), kKey);
    EXPECT_EQ(clipped.Pixel(2, 3), 0x000003u);
    EXPECT_EQ(clipped.Pixel(3, 3), 0u);
}

TEST(SurfaceTest, ScaledCopiesSampleFromTheBottomLeft)
{
    // 4 x 4 source, value = 0x10 * column + row counted from the bottom.
    Pixels source{4, 4, {}};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            source.values.push_back(static_cast<uint32_t>(0x10 * x + (3 - y)));
        }
    }
    Surface small(2, 2);
    small.StretchCopy(small.Bounds(), source.View());
    // Destination column i takes column 2i, destination row j from the bottom takes row 2j.
    EXPECT_EQ(small.Pixel(0, 1), 0x00u);
    EXPECT_EQ(small.Pixel(1, 1), 0x20u);
    EXPECT_EQ(small.Pixel(0, 0), 0x02u);
    EXPECT_EQ(small.Pixel(1, 0), 0x22u);

    // 4 -> 3: columns 0, 1, 2 and rows 0, 1, 2 from the bottom.
    Surface three(3, 3);
    three.StretchCopy(three.Bounds(), source.View());
    EXPECT_EQ(three.Pixel(0, 2), 0x00u);
    EXPECT_EQ(three.Pixel(2, 2), 0x20u);
    EXPECT_EQ(three.Pixel(2, 0), 0x22u);

    // Enlarging repeats pixels, and a clipped scaled copy samples as the unclipped one would.
    Pixels two{2, 2, {1, 2, 3, kKey}};
    Surface big(4, 4, 9);
    big.SetClip({1, 1, 4, 4});
    big.TransparentCopy(big.Bounds(), two.View(), kKey);
    EXPECT_EQ(big.Pixel(0, 0), 9u);
    EXPECT_EQ(big.Pixel(1, 1), 1u);
    EXPECT_EQ(big.Pixel(2, 1), 2u);
    EXPECT_EQ(big.Pixel(1, 3), 3u);
    EXPECT_EQ(big.Pixel(3, 3), 9u);
    EXPECT_EQ(big.Pixel(2, 2), 9u);
}

TEST(SurfaceTest, PatternFillIsAnchoredAtTheSurfaceOrigin)
{
    const Pattern8 checker{0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    Surface surface(10, 3, 0x00808080);
    surface.PatternFill({1, 0, 10, 3}, checker, 0x00000000, 0x00FFFFFF, PatternOp::And);
    EXPECT_EQ(surface.Pixel(0, 0), 0x808080u);  // outside the area
    EXPECT_EQ(surface.Pixel(1, 0), 0x808080u);  // a 1 bit keeps
    EXPECT_EQ(surface.Pixel(2, 0), 0u);         // a 0 bit clears
    EXPECT_EQ(surface.Pixel(1, 1), 0u);
    EXPECT_EQ(surface.Pixel(9, 1), 0u);
    EXPECT_EQ(surface.Pixel(8, 0), 0u);
    surface.PatternFill(surface.Bounds(), checker, 0x00123456, 0x00000000, PatternOp::Or);
    EXPECT_EQ(surface.Pixel(2, 0), 0x123456u);
    EXPECT_EQ(surface.Pixel(1, 0), 0x808080u);
    EXPECT_EQ(surface.Pixel(0, 0), 0x92B4D6u);  // 0x808080 | 0x123456
}

TEST(SurfaceTest, FramesAndInvertedFrames)
{
    Surface surface(6, 5, 0x00101010);
    surface.InvertFrame({1, 1, 5, 4});
    EXPECT_EQ(surface.Pixel(1, 1), 0xEFEFEFu);  // corners inverted once, not twice
    EXPECT_EQ(surface.Pixel(4, 3), 0xEFEFEFu);
    EXPECT_EQ(surface.Pixel(2, 2), 0x101010u);
    EXPECT_EQ(surface.Pixel(5, 1), 0x101010u);
    EXPECT_EQ(surface.Pixel(4, 4), 0x101010u);
    // A one-pixel-high frame inverts its single row once.
    surface.InvertFrame({0, 0, 3, 1});
    EXPECT_EQ(surface.Pixel(1, 0), 0xEFEFEFu);

    surface.Frame({0, 0, 6, 5}, 0x00FF0000);
    EXPECT_EQ(surface.Pixel(5, 4), 0xFF0000u);
    EXPECT_EQ(surface.Pixel(0, 2), 0xFF0000u);
    EXPECT_EQ(surface.Pixel(1, 2), 0xEFEFEFu);
}

TEST(SurfaceTest, MappingScalesThenShiftsAndRoundsHalvesAway)
{
    Surface surface(10, 10);
    surface.SetMapping(75, {-3, 2});
    EXPECT_EQ(surface.ToDevice(Point{24, 48}), (Point{15, 38}));
    EXPECT_EQ(surface.ToDevice(Point{2, -2}), (Point{-1, 0}));  // 1.5 -> 2, -1.5 -> -2
    EXPECT_EQ(surface.ToLogical(Point{15, 38}), (Point{24, 48}));
    EXPECT_EQ(surface.ToDevice(Rect{0, 0, 24, 24}), (Rect{-3, 2, 15, 20}));
    surface.SetMapping(25, {0, 0});
    EXPECT_EQ(surface.ToLogical(Rect{0, 0, 1920, 1080}), (Rect{0, 0, 7680, 4320}));
}

TEST(SurfaceTest, KeyedImagesCopyExactlyAsTheKeyedCopy)
{
    std::mt19937 random(11);
    Pixels source{9, 7, {}};
    for (int i = 0; i < 9 * 7; ++i) {
        source.values.push_back(random() % 3 == 0 ? kKey : random() & 0xFFFFFF);
    }
    struct Case {
        Rect area;
        Rect clip;
    };
    for (const Case& c : {Case{{2, 3, 11, 10}, {0, 0, 20, 16}}, Case{{-4, -2, 5, 5}, {0, 0, 20, 16}},
                          Case{{14, 12, 23, 19}, {1, 1, 18, 15}}, Case{{3, 3, 9, 7}, {4, 0, 20, 6}},
                          Case{{0, 0, 18, 14}, {2, 2, 17, 13}}}) {
        Surface expected(20, 16, 0x00345678);
        Surface actual(20, 16, 0x00345678);
        expected.SetClip(c.clip);
        actual.SetClip(c.clip);
        expected.TransparentCopy(c.area, source.View(), kKey);
        KeyedImage keyed;
        keyed.BuildScaled(source.View(), c.area.Width(), c.area.Height(), kKey);
        CopyKeyed(actual, {c.area.left, c.area.top}, keyed);
        for (int i = 0; i < 20 * 16; ++i) {
            ASSERT_EQ(actual.Pixels()[i], expected.Pixels()[i]) << "area " << c.area.left << " pixel " << i;
        }
    }
    KeyedImage allKey;
    Pixels blank{2, 2, {kKey, kKey, kKey, kKey}};
    allKey.Build(blank.View(), kKey);
    EXPECT_FALSE(allKey.HasOpaquePixels());
}

}  // namespace
}  // namespace tessark
