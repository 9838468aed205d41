#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/PngWriter.h"
#include "cli/SpriteSheet.h"
#include "samples/gendata/DataKitWriter.h"
#include "support/CliRun.h"
#include "support/PngFile.h"

namespace tessark {
namespace {

using cli::PixelImage;
using test::ReadPng;

constexpr uint32_t kClearKey = 0x00FF00FF;

int CountColor(const PixelImage& image, int x0, int y0, int w, int h, uint32_t color)
{
    int count = 0;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            count += image.Get(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

TEST(SpriteSheetTest, GridShowsPixelsOverACheckerboardAndNumbersEachSprite)
{
    std::vector<cli::SheetSprite> sprites(3);
    for (size_t i = 0; i < sprites.size(); ++i) {
        sprites[i].id = static_cast<uint32_t>(i == 2 ? 1088 : i + 1);
        sprites[i].pixels.assign(32 * 32, kClearKey);
    }
    sprites[0].pixels[0] = 0x00123456;           // top-left pixel of the first sprite
    sprites[1].pixels[31 * 32 + 31] = 0x00ABCDEF;  // bottom-right pixel of the second
    const PixelImage sheet = cli::DrawSpriteSheet(sprites, 2);
    ASSERT_EQ(sheet.width, 4 * 2 + 2 * 38);
    ASSERT_EQ(sheet.height, 4 * 2 + 2 * 44);
    // Sprites sit 3 pixels into their 38-pixel cells, one pixel below the cell's top.
    EXPECT_EQ(sheet.Get(4 + 3, 4 + 1), 0x00123456u);
    EXPECT_EQ(sheet.Get(4 + 38 + 3 + 31, 4 + 1 + 31), 0x00ABCDEFu);
    // Transparent pixels show the checkerboard, never the key colour.
    EXPECT_EQ(CountColor(sheet, 0, 0, sheet.width, sheet.height, kClearKey), 0);
    EXPECT_NE(sheet.Get(4 + 3 + 1, 4 + 1), sheet.Get(4 + 3 + 5, 4 + 1));
    // Each label is the sprite's id in the digit font: "1088" has more lit pixels than "1".
    const int labelTop = 4 + 1 + 32 + 3;
    const int one = CountColor(sheet, 4, labelTop, 38, 5, 0x00F0F0E8);
    const int many = CountColor(sheet, 4, 4 + 44 + labelTop - 4, 38, 5, 0x00F0F0E8);
    EXPECT_EQ(one, 8);  // the glyph of 1 has eight lit pixels
    EXPECT_GT(many, 3 * one);
}

TEST(SpriteSheetTest, PngRoundTripsAndAFailedWriteKeepsTheOldFile)
{
    test::ScratchDirectory dir;
    PixelImage image(3, 2, 0x00000000);
    image.Set(0, 0, 0x00FF8000);
    image.Set(2, 1, 0x000080FF);
    const std::string path = dir.File("out.png");
    ASSERT_TRUE(cli::WritePng(path, image));
    const PixelImage back = ReadPng(path);
    ASSERT_EQ(back.width, 3);
    ASSERT_EQ(back.height, 2);
    EXPECT_EQ(back.pixels, image.pixels);

    EXPECT_FALSE(cli::WritePng(path, PixelImage()));
    EXPECT_EQ(ReadPng(path).pixels, image.pixels);
    EXPECT_FALSE(cli::WritePng(dir.File("missing/out.png"), image));
}

TEST(SpriteSheetTest, CommandDrawsTheLoadedSprites)
{
    test::ScratchDirectory dir;
    ASSERT_TRUE(gendata::WriteDataKit(dir.Path().string(), 1).ok);
    const std::string data = "--data '" + dir.Path().string() + "' ";
    const std::string sheet = dir.File("sheet.png");
    ASSERT_EQ(test::RunTool(dir, data + "sprite-sheet -o '" + sheet + "' --columns 10 --first 1 --last 20").status, 0);
    const PixelImage image = ReadPng(sheet);
    EXPECT_EQ(image.width, 4 * 2 + 10 * 38);
    EXPECT_EQ(image.height, 4 * 2 + 2 * 44);
    EXPECT_EQ(test::RunTool(dir, data + "sprite-sheet").status, 2);
    EXPECT_EQ(test::RunTool(dir, data + "sprite-sheet -o x.png --columns 0").status, 2);
    EXPECT_EQ(test::RunTool(dir, "--data '" + dir.File("nothing") + "' sprite-sheet -o '" + sheet + "'").status, 3);
}

}  // namespace
}  // namespace tessark
