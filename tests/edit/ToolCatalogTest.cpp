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

}  // namespace
}  // namespace tessark
