#include <gtest/gtest.h>

#include <algorithm>

#include "edit/BrushSize.h"
#include "edit/EditCommandIds.h"
#include "edit/EditTestWorld.h"

namespace tessark {
namespace {

using namespace edit_test;

class EditCommandsTest : public ::testing::Test, public ToolWorld {
protected:
    EditCommands& Commands() { return controller->Commands(); }
    ToolContext& Context() { return controller->Context(); }
    std::vector<int> MenuIds(const ContextMenuModel& menu)
    {
        std::vector<int> ids(menu.items.size());
        std::ranges::transform(menu.items, ids.begin(), &ContextMenuItem::commandId);
        return ids;
    }
    const ContextMenuItem* MenuItem(const ContextMenuModel& menu, int commandId)
    {
        const auto found = std::ranges::find(menu.items, commandId, &ContextMenuItem::commandId);
        return found == menu.items.end() ? nullptr : &*found;
    }
};

TEST_F(EditCommandsTest, HouseSelectionExitAndTheirTexts)
{
    Put(kGround, {100, 100, 7});
    Put(kGround, {101, 100, 7});
    House* house = document.Houses().GetHouse(3, true);
    house->AddTile(document.GetTile(100, 100, 7));
    EXPECT_FALSE(Commands().IsEnabled(command::kSetHouseExit));
    EXPECT_FALSE(Commands().IsEnabled(command::kDeselectHouse));

    Tool(ToolKind::Select);
    Click({100, 100, 7});
    EXPECT_EQ(Commands().Text(command::kSelectHouse), "Select house");
    EXPECT_EQ(Commands().Text(BrushSize::EraserCommand(1)), "3x3");
    EXPECT_FALSE(Commands().JumpToItem(99).showTypeInPalette);  // below the first server id
    ToolOutcome outcome = Commands().Run(command::kSelectHouse);
    EXPECT_EQ(Context().SelectedHouse(), house);
    EXPECT_EQ(Context().CurrentTool(), ToolKind::House);
    EXPECT_FALSE(Context().SelectedThing());
    EXPECT_TRUE(outcome.houseStatusChanged && outcome.houseTintsChanged);
    EXPECT_EQ(Commands().Text(command::kSelectHouse), "De-select house");

    Hover({101, 100, 7});
    document.SetModifiedFlag(false);
    Commands().Run(command::kSetHouseExit);
    EXPECT_EQ(std::tie(house->entryX, house->entryY, house->entryZ), std::make_tuple(101, 100, 7));
    EXPECT_TRUE(document.IsModified());

    // Selecting the selected house again deselects it.
    Hover({100, 100, 7});
    Commands().Run(command::kSelectHouse);
    EXPECT_EQ(Context().SelectedHouse(), nullptr);
    Commands().Run(command::kSelectHouse);
    EXPECT_TRUE(Commands().Run(command::kDeselectHouse).houseStatusChanged);
    EXPECT_EQ(Context().SelectedHouse(), nullptr);
    EXPECT_EQ(Commands().HouseStatusText(), "No house selected.");
    Tool(ToolKind::Eraser);
    EXPECT_EQ(Commands().HouseStatusText(), "");
}

TEST_F(EditCommandsTest, DeletedOrClearedHousesAreForgotten)
{
    House* house = document.Houses().GetHouse(3, true);
    ToolOutcome outcome;
    Context().SetSelectedHouse(house, outcome);
    EXPECT_FALSE(Commands().HouseListChanged(HouseChange::Deleted, 4).houseStatusChanged);
    EXPECT_TRUE(Commands().HouseListChanged(HouseChange::Changed, 3).houseTintsChanged);
    document.Houses().RemoveHouse(house);
    EXPECT_EQ(Context().SelectedHouse(), nullptr);
    EXPECT_TRUE(Commands().HouseListChanged(HouseChange::Deleted, 3).houseStatusChanged);
    EXPECT_EQ(Context().SelectedHouseId(), std::nullopt);

    // A new map forgets the house, the chosen thing and the selection.
    Context().SetSelectedHouse(document.Houses().GetHouse(5, true), outcome);
    Put(kGround, {100, 100, 7});
    Context().GetSelection().Add(document, {100, 100, 7});
    Tool(ToolKind::Select);
    Click({100, 100, 7});
    document.DeleteContents();
    EXPECT_EQ(Context().SelectedHouseId(), std::nullopt);
    EXPECT_FALSE(Context().SelectedThing());
    EXPECT_TRUE(Context().GetSelection().Empty());
}

TEST_F(EditCommandsTest, ContextMenuOffersWhatAppliesAtTheCursor)
{
    ToolOutcome outcome;
    EXPECT_FALSE(controller->ContextMenu({-1, 5, 7}, outcome));
    EXPECT_FALSE(controller->ContextMenu({5, 1000, 7}, outcome));

    Put(kGround, {100, 100, 7});
    Put(kGround, {101, 100, 7});
    Put(kGround, {102, 100, 7});
    House* house = document.Houses().GetHouse(3, true);
    house->AddTile(document.GetTile(100, 100, 7));
    Context().GetSelection().Add(document, {101, 100, 7});
    // The drawing asks whether the selection may touch a block: touching its edge counts.
    EXPECT_TRUE(Context().GetSelection().MayTouch(7, 101, 0, 200, 100));
    EXPECT_FALSE(Context().GetSelection().MayTouch(7, 102, 0, 200, 100));
    Commands().ChooseBrushType(kGround);

    // An empty spot: 132.
    std::optional<ContextMenuModel> menu = controller->ContextMenu({5, 5, 7}, outcome);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->menuId, kContextMenuNoThing);
    EXPECT_EQ(menu->items, (std::vector<ContextMenuItem>{{command::kPaste, "Paste\tCtrl+V", false},
                                                         {command::kFillGround, "Fill ground", true}}));
    EXPECT_EQ(Context().CurrentTool(), ToolKind::Select);
    EXPECT_TRUE(Context().GetSelection().Empty());
    EXPECT_EQ(Context().CursorTile(), (Position{5, 5, 7}));

    // A thing outside houses, no house selected: no house lines.
    menu = controller->ContextMenu({101, 100, 7}, outcome);
    EXPECT_EQ(menu->menuId, kContextMenuThing);
    EXPECT_EQ(MenuIds(*menu), (std::vector<int>{command::kCut, command::kCopy, command::kPaste,
                                                command::kDelete, command::kSelect,
                                                command::kProperties}));
    EXPECT_TRUE(MenuItem(*menu, command::kSelect)->enabled);
    EXPECT_TRUE(MenuItem(*menu, command::kProperties)->enabled);
    EXPECT_EQ(MenuItem(*menu, command::kCut)->text, "Cu&t\tCtrl+X");

    // A house tile: "Select house".
    menu = controller->ContextMenu({100, 100, 7}, outcome);
    EXPECT_EQ(MenuIds(*menu), (std::vector<int>{command::kCut, command::kCopy, command::kPaste,
                                                command::kDelete, command::kSelectHouse,
                                                command::kSelect, command::kProperties}));
    EXPECT_EQ(MenuItem(*menu, command::kSelectHouse)->text, "Select house");

    // With the house selected: "De-select house" on its tile, "Set house exit" elsewhere.
    Context().SetSelectedHouse(house, outcome);
    menu = controller->ContextMenu({100, 100, 7}, outcome);
    EXPECT_EQ(MenuItem(*menu, command::kSelectHouse)->text, "De-select house");
    EXPECT_FALSE(MenuItem(*menu, command::kSetHouseExit));
    menu = controller->ContextMenu({102, 100, 7}, outcome);
    EXPECT_FALSE(MenuItem(*menu, command::kSelectHouse));
    ASSERT_TRUE(MenuItem(*menu, command::kSetHouseExit));
    EXPECT_TRUE(MenuItem(*menu, command::kSetHouseExit)->enabled);
}

}  // namespace
}  // namespace tessark
