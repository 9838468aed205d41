#include <gtest/gtest.h>

#include "edit/BrushSize.h"
#include "edit/EditTestWorld.h"

namespace tessark {
namespace {

using namespace edit_test;

class PaintBrushToolTest : public ::testing::Test, public ToolWorld {
protected:
    void Brush(int32_t key, int radius)
    {
        controller->Commands().ChooseBrushType(key);
        controller->Commands().Run(BrushSize::BrushCommand(radius));
    }
};

TEST_F(PaintBrushToolTest, ClashingTopAndHangingItemsAreReplacedOthersStack)
{
    const Position at{50, 50, 7};
    Put(kGround, at);
    Put(kWall, at);
    Put(kBorder, at);

    Brush(kOtherWall, 0);  // same top order 2: replaces the wall
    Click(at);
    Brush(kOtherBorder, 0);  // top order 1 with another key: added beside
    Click(at);
    Brush(kBorder, 0);  // the same border again: replaces it
    Click(at);
    Brush(kPlain, 0);
    Click(at);
    Click(at);
    EXPECT_EQ(Keys(at), (std::vector<int32_t>{kGround, kOtherBorder, kBorder, kOtherWall,
                                              kPlain, kPlain}));

    // The same wall-hanging on a wall replaces the one hanging there.
    const Position wall{51, 50, 7};
    Put(kGround, wall);
    Put(kWall, wall);
    Put(kHanging, wall);
    Brush(kHanging, 0);
    Click(wall);
    EXPECT_EQ(Keys(wall), (std::vector<int32_t>{kGround, kWall, kHanging}));
    EXPECT_EQ(document.GetTile(wall)->GetHangingItems().size(), 1u);
}

TEST_F(PaintBrushToolTest, DraggingPaintsOnEveryNewTileOnly)
{
    Brush(kPlain, 0);
    Hover({60, 60, 7});
    controller->LeftPress({});
    EXPECT_EQ(ThingCount({60, 60, 7}), 1u);
    // The same tile again does not count as a move.
    EXPECT_TRUE(controller->MouseMove({60, 60, 7}, true, {}).changed.Empty());
    EXPECT_EQ(ThingCount({60, 60, 7}), 1u);
    const ToolOutcome outcome = controller->MouseMove({61, 60, 7}, true, {});
    EXPECT_EQ(outcome.previousCursor, (Position{60, 60, 7}));
    EXPECT_EQ(ThingCount({61, 60, 7}), 1u);
    controller->LeftRelease({});
    controller->MouseMove({62, 60, 7}, false, {});
    EXPECT_EQ(ThingCount({62, 60, 7}), 0u);

    // A quick second click arrives as a double click and paints as a press does.
    controller->LeftDoubleClick({});
    controller->LeftRelease({});
    EXPECT_EQ(ThingCount({62, 60, 7}), 1u);
    // Beyond the map's border of 20 tiles nothing is placed.
    Click({19, 60, 7});
    EXPECT_EQ(ThingCount({19, 60, 7}), 0u);
}

}  // namespace
}  // namespace tessark
