#include <gtest/gtest.h>

#include <set>

#include "edit/BrushSize.h"
#include "edit/ChangedArea.h"
#include "edit/EditCommandIds.h"
#include "edit/EditTestWorld.h"
#include "edit/ToolKind.h"

namespace tessark {
namespace {

using namespace edit_test;

TEST(ToolCatalogTest, SizeCommandsSetTheirRadiusAndCheckIt)
{
    ToolWorld world;
    EditCommands& commands = world.controller->Commands();
    EXPECT_TRUE(commands.IsChecked(BrushSize::BrushCommand(0)));
    EXPECT_TRUE(commands.Run(BrushSize::BrushCommand(3)).repaintView);
    commands.Run(BrushSize::EraserCommand(2));
    EXPECT_EQ(world.controller->Context().BrushRadius(), 3);
    EXPECT_EQ(world.controller->Context().EraserRadius(), 2);
    EXPECT_TRUE(commands.IsChecked(BrushSize::BrushCommand(3)));
    EXPECT_FALSE(commands.IsChecked(BrushSize::BrushCommand(0)));
    EXPECT_TRUE(commands.IsChecked(BrushSize::EraserCommand(2)));
    EXPECT_EQ(commands.Text(BrushSize::EraserCommand(1)), "3x3");

    // The cursor frame follows the active tool's radius.
    EXPECT_EQ(world.controller->CursorFrameRadius(), 3);
    world.Tool(ToolKind::Eraser);
    EXPECT_EQ(world.controller->CursorFrameRadius(), 2);
    world.Tool(ToolKind::Select);
    EXPECT_EQ(world.controller->CursorFrameRadius(), 0);
}

TEST(ToolCatalogTest, ChoosingAToolClearsSelectionAndChosenThingAsItSays)
{
    ToolWorld world;
    ToolContext& context = world.controller->Context();
    world.Put(kGround, {100, 100, 7});
    world.Put(kPlain, {100, 100, 7});
    auto select = [&] {
        context.GetSelection().Add(world.document, {100, 100, 7});
        world.Tool(ToolKind::Select);
        world.Click({100, 100, 7});
        context.GetSelection().Add(world.document, {100, 100, 7});
    };

    select();
    ToolOutcome outcome = world.Tool(ToolKind::House);
    EXPECT_TRUE(outcome.toolChanged && outcome.houseStatusChanged && outcome.repaintView);
    EXPECT_EQ(context.CurrentTool(), ToolKind::House);
    EXPECT_FALSE(context.GetSelection().Empty());
    EXPECT_FALSE(context.SelectedThing());

    select();
    world.Tool(ToolKind::Eraser);
    EXPECT_TRUE(context.GetSelection().Empty());
    EXPECT_TRUE(context.SelectedThing());

    // The move tool needs a selection; the selection tool keeps it.
    EditCommands& commands = world.controller->Commands();
    EXPECT_TRUE(commands.IsEnabled(command::kSelectionTool));
    EXPECT_FALSE(commands.IsEnabled(command::kMoveTool));
    world.Tool(ToolKind::Selection);
    EXPECT_EQ(context.CurrentTool(), ToolKind::Selection);
    EXPECT_TRUE(commands.IsChecked(command::kSelectionTool));
}

TEST(ToolCatalogTest, ChangedAreaReachesUpLeftForLargeItemsAndGivesUpAcrossFloors)
{
    ChangedArea area;
    EXPECT_TRUE(area.Empty());
    area.Add({10, 10, 7}, 2, 3, true);
    area.Add({12, 11, 7}, 1, 1, false);
    EXPECT_EQ(area.Drawn(), (TileArea{9, 8, 12, 11, 7}));
    EXPECT_EQ(area.Minimap(), (TileArea{10, 10, 10, 10, 7}));
    area.Add({12, 11, 6}, 1, 1, true);
    EXPECT_TRUE(area.Everything());
}

}  // namespace
}  // namespace tessark
