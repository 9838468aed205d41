#include <gtest/gtest.h>

#include <string>

#include "cli/SheetCommand.h"
#include "data/DataLoader.h"
#include "data/GameData.h"
#include "platform/MessageSink.h"
#include "platform/Surface.h"
#include "render/SpriteRenderer.h"
#include "support/CliRun.h"
#include "support/PngFile.h"
#include "support/TestDataSet.h"

namespace tessark {
namespace {

using test::ScratchDirectory;
using test::TestDataSet;

TEST(SheetCommandTest, CellsShowEachTypeAsThePaletteDoesWithItsIdAndTheCommandWritesThem)
{
    ScratchDirectory directory;
    ASSERT_TRUE(TestDataSet::WriteAll(directory.Path().string()));
    GameData data;
    SilentMessageSink messages;
    ASSERT_TRUE(LoadDataFiles(directory.Path().string(), data, messages));
    ASSERT_EQ(data.materials.GetMaterial(0).GetName(), "Grounds");
    SpriteRenderer renderer(data.items);

    // Grounds: grass (sprite 1) and dirt (sprite 2) in one row of four cells.
    const Surface sheet = cli::DrawContactSheet(data, renderer, 0, 0, 4);
    ASSERT_EQ(sheet.Width(), 4 * 65 + 1);
    ASSERT_EQ(sheet.Height(), 22 + 79 + 1);
    // A 1 x 1 type stands in the bottom-right quarter of its 64-pixel square, as in the palette.
    EXPECT_EQ(sheet.Pixel(1 + 48, 23 + 48), 0x102030u);
    EXPECT_EQ(sheet.Pixel(1 + 16, 23 + 16), 0xFFFFFFu);
    EXPECT_EQ(sheet.Pixel(66 + 48, 23 + 48), 0x204060u);
    EXPECT_EQ(sheet.Pixel(131 + 48, 23 + 48), 0xD0D0D0u);  // no third type: an empty cell
    EXPECT_EQ(sheet.Pixel(0, 0), 0x404040u);               // the material's header
    // The id under the first cell, "100": black pixels in the label strip.
    int ink = 0;
    for (int y = 23 + 64; y < 23 + 78; ++y) {
        for (int x = 1; x < 65; ++x) {
            ink += sheet.Pixel(x, y) == 0 ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(renderer.Zoom(), 1.0);

    // Every material: one header and at least one row each.
    const Surface all = cli::DrawContactSheet(data, renderer, 0, data.materials.GetMaterialCount() - 1, 4);
    EXPECT_GE(all.Height(), data.materials.GetMaterialCount() * (22 + 79));

    // The command writes one material's sheet and refuses a material the data does not have.
    const std::string withData = "--data '" + directory.Path().string() + "' ";
    const std::string out = directory.File("walls.png");
    ASSERT_EQ(test::RunTool(directory, withData + "sheet -o '" + out + "' --material Walls").status, 0);
    EXPECT_EQ(test::ReadPng(out).height, 22 + 79 + 1);
    EXPECT_NE(test::RunTool(directory, withData + "sheet -o '" + out + "' --material Nowhere").status, 0);
    EXPECT_NE(test::RunTool(directory, withData + "sheet").status, 0);
}

}  // namespace
}  // namespace tessark
