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
    // Outside the surface reads are 0 and writes are dropped.
    surface.SetPixel(3, 0, 0x00FFFFFF);
    surface.SetPixel(-1, 1, 0x00FFFFFF);
    EXPECT_EQ(surface.Pixel(3, 0), 0u);
    EXPECT_EQ(surface.BytesPerLine(), 12);
    EXPECT_EQ(std::vector<uint8_t>(surface.Bytes(), surface.Bytes() + 24),
              (std::vector<uint8_t>{0, 0, 0, 0, 0x33, 0x22, 0x11, 0, 0, 0, 0, 0,
                                    0xCC, 0xBB, 0xAA, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
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
