#include <gtest/gtest.h>

#include "edit/BrushSize.h"
#include "edit/EditTestWorld.h"

namespace tessark {
namespace {

using namespace edit_test;

class EraserToolTest : public ::testing::Test, public ToolWorld {
protected:
    EraserToolTest() { Tool(ToolKind::Eraser); }

    void FillTile(Position at)
    {
        Put(kGround, at);
        Put(kBorder, at);
        Put(kWall, at);
        Put(kPlain, at);
        Put(kPlain, at);
    }
};

TEST_F(EraserToolTest, LargerEraserClearsTilesAndShiftKeepsGroundsAndBorders)
{
    for (int32_t y = 99; y <= 101; ++y) {
        for (int32_t x = 99; x <= 101; ++x) {
            FillTile({x, y, 7});
        }
    }
    FillTile({102, 100, 7});
    controller->Commands().Run(BrushSize::EraserCommand(1));

    // With Shift each tile of the 3x3 square loses its topmost removable thing only.
    for (int i = 0; i < 4; ++i) {
        Click({100, 100, 7}, {.shift = true});
    }
    for (int32_t y = 99; y <= 101; ++y) {
        for (int32_t x = 99; x <= 101; ++x) {
            EXPECT_EQ(Keys({x, y, 7}), (std::vector<int32_t>{kGround, kBorder})) << x << "," << y;
        }
    }
    EXPECT_EQ(ThingCount({102, 100, 7}), 5u);

    // Without Shift the 3x3 eraser clears everything, ground included.
    Click({100, 100, 7});
    EXPECT_EQ(document.Tiles().Size(), 1u);
    EXPECT_EQ(ThingCount({102, 100, 7}), 5u);
}

TEST_F(EraserToolTest, CreaturesAndSpawnsGoFirstAndTheChosenThingIsForgotten)
{
    const Position center{200, 200, 7};
    Put(kGround, center);
    Put(kPlain, center);
    CSpawn* spawn = document.Spawns().CreateSpawn(center, 3);
    Put(kRat, center);
    ASSERT_EQ(spawn->GetCreatureCount(), 1u);

    Tool(ToolKind::Select);
    Click(center);
    ASSERT_EQ(controller->Context().SelectedThing().thing, spawn->GetCreature(0));
    Tool(ToolKind::Eraser);
    Click(center);  // the creature
    EXPECT_EQ(spawn->GetCreatureCount(), 0u);
    EXPECT_FALSE(controller->Context().SelectedThing());
    Click(center);  // the spawn
    EXPECT_TRUE(document.Spawns().Empty());
    EXPECT_EQ(Keys(center), (std::vector<int32_t>{kGround, kPlain}));

    // With creatures hidden they are not picked: the spawn (and its creature) go at once.
    document.Spawns().CreateSpawn(center, 3);
    Put(kRat, center);
    controller->Context().Visibility().showCreatures = false;
    const ToolOutcome outcome = Click(center);
    EXPECT_TRUE(document.Spawns().Empty());
    EXPECT_TRUE(outcome.changed.Everything());
}

}  // namespace
}  // namespace tessark
