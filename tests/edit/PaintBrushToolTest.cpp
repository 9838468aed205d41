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

TEST_F(PaintBrushToolTest, NineByNineGroundClickPlacesEightyOneGroundsInOneBatch)
{
    Brush(kGround, 4);
    Hover({100, 100, 7});
    recorder.hints.clear();
    recorder.redrawAtOnce.clear();
    const ToolOutcome outcome = controller->LeftPress({});

    for (int32_t y = 96; y <= 104; ++y) {
        for (int32_t x = 96; x <= 104; ++x) {
            ASSERT_EQ(Keys({x, y, 7}), std::vector<int32_t>{kGround}) << x << "," << y;
        }
    }
    EXPECT_EQ(document.Tiles().Size(), 81u);
    EXPECT_FALSE(document.GetTile(95, 100, 7));
    EXPECT_TRUE(document.IsModified());
    // Every change was announced while the views were told to wait, and the batch ends it.
    ASSERT_EQ(recorder.hints.size(), 81u);
    for (int32_t redraw : recorder.redrawAtOnce) {
        EXPECT_EQ(redraw, 0);
    }
    EXPECT_EQ(document.redrawAtOnce, 1);
    EXPECT_EQ(outcome.changed.Drawn(), (TileArea{96, 96, 104, 104, 7}));
    EXPECT_EQ(outcome.changed.Minimap(), (TileArea{96, 96, 104, 104, 7}));

    // Painting the square again replaces each ground (81 ground hints, still one tile each).
    controller->LeftRelease({});
    controller->LeftPress({});
    EXPECT_EQ(document.Tiles().Size(), 81u);
    EXPECT_EQ(Keys({100, 100, 7}), std::vector<int32_t>{kGround});
}

TEST_F(PaintBrushToolTest, PaintingBeyondTheMapBorderPlacesNothingThere)
{
    Brush(kGround, 2);
    Click({20, 21, 7});
    // Columns 18 and 19 and row 19 lie outside the border of 20.
    EXPECT_EQ(document.Tiles().Size(), 3u * 4u);
    EXPECT_FALSE(document.GetTile(19, 21, 7));
    EXPECT_TRUE(document.GetTile(20, 19 + 1, 7));

    ToolWorld fresh;
    fresh.controller->Commands().ChooseBrushType(kGround);
    fresh.Click({5, 5, 7});
    EXPECT_EQ(fresh.document.Tiles().Size(), 0u);
    EXPECT_FALSE(fresh.document.IsModified());
}

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
}

TEST_F(PaintBrushToolTest, LargeTypesReachUpLeftInTheChangedAreaAndThePreview)
{
    Brush(kBigItem, 0);
    Hover({70, 70, 7});
    EXPECT_EQ(controller->CursorFrameArea({70, 70, 7}), (TileArea{69, 68, 70, 70, 7}));
    const ToolOutcome outcome = controller->LeftPress({});
    EXPECT_EQ(outcome.changed.Drawn(), (TileArea{69, 68, 70, 70, 7}));
    Tool(ToolKind::Eraser);
    EXPECT_EQ(controller->CursorFrameArea({70, 70, 7}), (TileArea{70, 70, 70, 70, 7}));
}

}  // namespace
}  // namespace tessark
