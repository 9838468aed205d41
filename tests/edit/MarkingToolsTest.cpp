#include <gtest/gtest.h>

#include "edit/EditCommandIds.h"
#include "edit/EditTestWorld.h"
#include "edit/HouseTool.h"
#include "edit/SpawnTool.h"

namespace tessark {
namespace {

using namespace edit_test;

class MarkingToolsTest : public ::testing::Test, public ToolWorld {
protected:
    void Ground(int32_t left, int32_t right, int32_t y)
    {
        for (int32_t x = left; x <= right; ++x) {
            Put(kGround, {x, y, 7});
        }
        document.SetModifiedFlag(false);
    }
};

TEST_F(MarkingToolsTest, HouseToolTogglesTilesOfTheSelectedHouseWhileDragging)
{
    Ground(100, 104, 100);
    House* house = document.Houses().GetHouse(4, true);
    house->name = "Mill";
    ToolOutcome ignored;
    controller->Context().SetSelectedHouse(house, ignored);
    Tool(ToolKind::House);
    EXPECT_EQ(controller->Commands().HouseStatusText(), "Selected house: Mill.");

    Stroke({{100, 100, 7}, {101, 100, 7}, {102, 100, 7}, {103, 100, 7}});
    for (int32_t x = 100; x <= 103; ++x) {
        const CTile* tile = document.GetTile(x, 100, 7);
        EXPECT_EQ(tile->GetFlags(), CTile::kProtectionZoneFlag | CTile::kHouseFlag);
        EXPECT_EQ(tile->GetHouseId(), 4u);
    }
    EXPECT_EQ(house->GetTiles().size(), 4u);
    EXPECT_TRUE(document.IsModified());

    // Back over the last two: they leave the house again, protection zone and all.
    Stroke({{103, 100, 7}, {102, 100, 7}});
    EXPECT_EQ(house->GetTiles().size(), 2u);
    EXPECT_EQ(document.GetTile(103, 100, 7)->GetFlags(), 0u);
    EXPECT_EQ(document.GetTile(102, 100, 7)->GetHouseId(), 0u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MarkingToolsTest, HouseToolRefusesAnotherHousesTilesAndTilesWithoutGround)
{
    Ground(100, 101, 100);
    Put(kPlain, {102, 100, 7});
    House* other = document.Houses().GetHouse(9, true);
    other->AddTile(document.GetTile(101, 100, 7));
    House* mine = document.Houses().GetHouse(4, true);
    Tool(ToolKind::House);
    EXPECT_EQ(controller->Commands().HouseStatusText(), "No house selected.");

    // Without a selected house a press asks for one, offering the clicked tile's house.
    ToolOutcome outcome = Click({101, 100, 7});
    EXPECT_EQ(outcome.openHousesDialog, 9u);
    EXPECT_EQ(Click({100, 100, 7}).openHousesDialog, 0u);
    Hover({100, 100, 7});
    controller->LeftPress({});
    EXPECT_FALSE(controller->MouseMove({101, 100, 7}, true, {}).openHousesDialog);
    controller->LeftRelease({});

    controller->Context().SetSelectedHouse(mine, outcome);
    document.SetModifiedFlag(false);
    Click({101, 100, 7});
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "This tile belongs to another house.");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(document.GetTile(101, 100, 7)->GetHouseId(), 9u);
    EXPECT_TRUE(mine->GetTiles().empty());
    Click({102, 100, 7});
    EXPECT_EQ(document.GetTile(102, 100, 7)->GetFlags(), 0u);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(MarkingToolsTest, SpawnToolAddsASpawnOnGroundInsideTheMap)
{
    Ground(100, 100, 100);
    Put(kGround, {19, 100, 7});
    Put(kPlain, {101, 100, 7});
    document.SetModifiedFlag(false);
    Tool(ToolKind::Spawn);

    Click({19, 100, 7});
    Click({101, 100, 7});
    Click({102, 100, 7});
    EXPECT_TRUE(document.Spawns().Empty());
    EXPECT_FALSE(document.IsModified());

    const ToolOutcome outcome = Click({100, 100, 7});
    ASSERT_EQ(document.Spawns().Size(), 1u);
    const CSpawn* spawn = document.Spawns().GetSpawn(0);
    EXPECT_EQ(spawn->GetCenter(), (Position{100, 100, 7}));
    EXPECT_EQ(spawn->GetRadius(), SpawnTool::kNewSpawnRadius);
    EXPECT_EQ(controller->Context().SelectedThing().thing, spawn);
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(outcome.repaintView);
}

}  // namespace
}  // namespace tessark
