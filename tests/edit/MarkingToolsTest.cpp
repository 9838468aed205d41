#include <gtest/gtest.h>

#include "edit/EditTestWorld.h"

namespace tessark {
namespace {

using namespace edit_test;

class MarkingToolsTest : public ::testing::Test, public ToolWorld {};

TEST_F(MarkingToolsTest, HouseAndSpawnToolsRefuseTilesTheyMayNotMark)
{
    Put(kGround, {100, 100, 7});
    Put(kGround, {101, 100, 7});
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
    const RecordingMessageSink::Message otherHouse = {"This tile belongs to another house.", MessageIcon::Warning};
    EXPECT_EQ(messages.messages, std::vector{otherHouse});
    EXPECT_EQ(document.GetTile(101, 100, 7)->GetHouseId(), 9u);
    EXPECT_TRUE(mine->GetTiles().empty());
    Click({102, 100, 7});
    EXPECT_EQ(document.GetTile(102, 100, 7)->GetFlags(), 0u);
    Tool(ToolKind::Spawn);  // nor a spawn without ground
    Click({102, 100, 7});
    EXPECT_TRUE(document.Spawns().Empty());
    EXPECT_FALSE(document.IsModified());
}

}  // namespace
}  // namespace tessark
