#include <gtest/gtest.h>

#include "edit/EditCommandIds.h"
#include "edit/EditTestWorld.h"
#include "edit/SelectionTool.h"
#include "render/ViewGeometry.h"

namespace tessark {
namespace {

using namespace edit_test;

class ClipboardTest : public ::testing::Test, public ToolWorld {
protected:
    EditCommands& Commands() { return controller->Commands(); }
    Selection& Selected() { return controller->Context().GetSelection(); }
    std::vector<Position> SelectedList() const
    {
        const auto positions = controller->Context().GetSelection().Positions();
        return {positions.begin(), positions.end()};
    }
    // Grounds with an item each; the items carry unique ids 7001, 7002, ...
    void Build(const std::vector<Position>& positions)
    {
        uint32_t id = 7001;
        for (const Position& position : positions) {
            Put(kGround, position);
            CItem* item = Put(kPlain, position);
            item->SetUniqueId(id);
            document.UniqueIds().Register(id++);
        }
    }
    void SelectTiles(const std::vector<Position>& positions)
    {
        Tool(ToolKind::Selection);
        Hover(positions.front());
        controller->LeftPress({});
        for (const Position& position : positions) {
            Hover(position);
            controller->LeftPress({.ctrl = true});
        }
    }
    ToolOutcome PasteTiles(const std::vector<uint8_t>& bytes, Position at)
    {
        Hover(at);
        Commands().SetClipboardOffers({.tile = true});
        return Commands().Paste({.tile = bytes});
    }
    std::vector<uint32_t> IdsAt(Position at) const
    {
        std::vector<uint32_t> ids;
        if (const CTile* tile = document.GetTile(at)) {
            for (size_t i = 0; i < tile->GetThingCount(); ++i) {
                ids.push_back(tile->GetThing(i)->GetUniqueId());
            }
        }
        return ids;
    }
};

TEST_F(ClipboardTest, SelectionToolPressRulesAndRectangles)
{
    Build({{100, 100, 7}, {101, 100, 7}, {100, 100, 6}, {100, 100, 5}, {100, 100, 4}});
    Tool(ToolKind::Selection);
    // Ctrl toggles the cursor tile; no tile or outside the map: nothing.
    for (const auto& [tile, modifiers, expected] : std::vector<std::tuple<Position, Modifiers, size_t>>{
             {{100, 100, 7}, {.ctrl = true}, 1},
             {{101, 100, 7}, {.ctrl = true}, 2},
             {{102, 100, 7}, {.ctrl = true}, 2},
             {{100, 100, 7}, {.ctrl = true}, 1},
             {{100, 100, 7}, {.ctrl = true, .shift = true}, 1},
             {{100, 100, 7}, {.shift = true}, 1},
             {{100, 100, 7}, {}, 0},
         }) {
        Hover(tile);
        controller->LeftPress(modifiers);
        controller->LeftRelease(modifiers);
        EXPECT_EQ(Selected().Size(), expected) << tile.x << " " << modifiers.ctrl << modifiers.shift;
    }
    EXPECT_TRUE(controller->MouseMove({101, 100, 7}, true, {}).startRubberBand);

    // Floor 5: a rectangle over one tile on screen takes that x, y on floors 7, 6 and 5 with
    // multiple floors, only on 5 without; the floor shift puts (100,100,5) at screen tile 98.
    ViewGeometry geometry;
    geometry.SetFloor(5);
    const Rect overOneTile{98 * 32 + 4, 98 * 32 + 4, 98 * 32 + 20, 98 * 32 + 20};
    ToolOutcome outcome;
    SelectionTool::SelectRect(controller->Context(), {geometry, {0, 0}, true}, overOneTile, false, outcome);
    EXPECT_EQ(SelectedList(), (std::vector<Position>{{100, 100, 7}, {100, 100, 6}, {100, 100, 5}}));
    EXPECT_FALSE(outcome.changed.Empty());
    SelectionTool::SelectRect(controller->Context(), {geometry, {0, 0}, false}, overOneTile, false, outcome);
    EXPECT_EQ(SelectedList(), (std::vector<Position>{{100, 100, 5}}));
    // Shift keeps what was selected; a scrolled view maps the window rectangle back.
    geometry.SetFloor(7);
    SelectionTool::SelectRect(controller->Context(), {geometry, {100 * 32, 100 * 32}, false},
                              Rect{33, 1, 40, 30}, true, outcome);
    EXPECT_EQ(SelectedList(), (std::vector<Position>{{100, 100, 5}, {101, 100, 7}}));
}

TEST_F(ClipboardTest, MovesKeepUniqueIdsCopiesGetNoneDeletesFreeThem)
{
    Build({{100, 100, 7}, {101, 100, 7}});
    House* house = document.Houses().GetHouse(5, true);
    house->AddTile(document.GetTile(100, 100, 7));
    SelectTiles({{100, 100, 7}, {101, 100, 7}});
    const ToolOutcome cut = Commands().Run(command::kCut);
    ASSERT_TRUE(cut.clipboard);
    EXPECT_EQ(document.GetTile(100, 100, 7), nullptr);
    EXPECT_TRUE(Selected().Empty());
    EXPECT_EQ(document.UniqueIds().Count(), 0u);

    // The first paste puts the cut items back with their ids; a second one is a copy.
    PasteTiles(cut.clipboard->bytes, {200, 200, 7});
    EXPECT_EQ(IdsAt({200, 200, 7}), (std::vector<uint32_t>{0, 7001}));
    EXPECT_EQ(IdsAt({201, 200, 7}), (std::vector<uint32_t>{0, 7002}));
    // The moved house tile stays in its house; the copy is no house tile.
    EXPECT_TRUE(house->HasTile(document.GetTile(200, 200, 7)));
    ASSERT_EQ(house->GetTiles().size(), 1u);
    PasteTiles(cut.clipboard->bytes, {300, 200, 7});
    EXPECT_EQ(IdsAt({300, 200, 7}), (std::vector<uint32_t>{0, 0}));
    EXPECT_FALSE(document.GetTile(300, 200, 7)->HasFlags(CTile::kHouseFlag));
    EXPECT_EQ(house->GetTiles().size(), 1u);
    EXPECT_TRUE(document.UniqueIds().IsUsed(7001) && document.UniqueIds().IsUsed(7002));

    // Delete with the selection tool frees the ids of the selected tiles.
    SelectTiles({{200, 200, 7}});
    Commands().Run(command::kDelete);
    EXPECT_FALSE(document.UniqueIds().IsUsed(7001));
    EXPECT_TRUE(document.UniqueIds().IsUsed(7002));

    // The select tool: Cut then Paste of one item keeps its id, Delete frees it.
    Tool(ToolKind::Select);
    Click({201, 200, 7});
    const ToolOutcome thingCut = Commands().Run(command::kCut);
    ASSERT_TRUE(thingCut.clipboard && thingCut.clipboard->format == ClipFormat::Thing);
    EXPECT_FALSE(document.UniqueIds().IsUsed(7002));
    Hover({300, 200, 7});
    Commands().SetClipboardOffers({.thing = true});
    Commands().Paste({.thing = thingCut.clipboard->bytes});
    EXPECT_EQ(IdsAt({300, 200, 7}), (std::vector<uint32_t>{0, 0, 7002}));
    Click({300, 200, 7});
    Commands().Run(command::kDelete);
    EXPECT_EQ(IdsAt({300, 200, 7}), (std::vector<uint32_t>{0, 0}));
    EXPECT_EQ(document.UniqueIds().Count(), 0u);
}

TEST_F(ClipboardTest, DragMovesWithinTheMapKeepIdsAndCopiesDoNot)
{
    Build({{100, 100, 7}, {101, 100, 7}});
    SelectTiles({{100, 100, 7}, {101, 100, 7}});
    Tool(ToolKind::Move);
    Hover({101, 100, 7});
    EXPECT_TRUE(controller->LeftPress({}).startDrag);
    Hover({102, 100, 7});
    EXPECT_FALSE(controller->LeftPress({}).startDrag);

    TileDrag& drag = controller->Drag();
    const std::vector<uint8_t> bytes = drag.Start({-40, -8});
    // A copy (Ctrl) within the map: the originals stay, the copies get no ids.
    ASSERT_TRUE(drag.Enter(bytes));
    Hover({150, 150, 7});
    EXPECT_EQ(drag.Over(true), DropEffect::Copy);
    EXPECT_EQ(drag.Feedback({500, 500}, 32), (Rect{428, 476, 492, 508}));
    drag.Drop(DropEffect::Copy);
    drag.Finish(DropEffect::Copy);
    EXPECT_EQ(IdsAt({100, 100, 7}), (std::vector<uint32_t>{0, 7001}));
    EXPECT_EQ(IdsAt({150, 150, 7}), (std::vector<uint32_t>{0, 0}));
    EXPECT_EQ(SelectedList(), (std::vector<Position>{{150, 150, 7}, {151, 150, 7}}));
    // Offsets as another program may send them cannot overflow the feedback.
    ASSERT_TRUE(drag.Enter(drag.Start({INT32_MAX, INT32_MIN})));
    const Rect far = drag.Feedback({500, 500}, 32);
    EXPECT_TRUE(far.left > 0 && far.right <= (1 << 24) + 32 && far.bottom < 0) << far.left << " " << far.bottom;
    drag.Leave();
    drag.Finish(DropEffect::None);

    // A move: the source tiles go, the moved items keep their ids. Outside the map: refused.
    SelectTiles({{100, 100, 7}, {101, 100, 7}});
    Tool(ToolKind::Move);
    ASSERT_TRUE(drag.Enter(drag.Start({0, 0})));
    Hover({5, 5, 7});
    EXPECT_EQ(drag.Over(false), DropEffect::None);
    Hover({120, 100, 7});
    EXPECT_EQ(drag.Over(false), DropEffect::Move);
    drag.Drop(DropEffect::Move);
    drag.Finish(DropEffect::Move);
    EXPECT_EQ(document.GetTile(100, 100, 7), nullptr);
    EXPECT_EQ(IdsAt({120, 100, 7}), (std::vector<uint32_t>{0, 7001}));
    EXPECT_EQ(IdsAt({121, 100, 7}), (std::vector<uint32_t>{0, 7002}));
    EXPECT_EQ(document.UniqueIds().Count(), 2u);

    // Moved into another editor: the source removes its tiles when the drag ends.
    const std::vector<uint8_t> away = drag.Start({0, 0});
    drag.Finish(DropEffect::Move);
    EXPECT_EQ(document.GetTile(120, 100, 7), nullptr);
    EXPECT_EQ(document.UniqueIds().Count(), 0u);
    // A drag whose bytes are short is refused.
    EXPECT_FALSE(drag.Enter(std::span(away).first(away.size() - 1)));
}

}  // namespace
}  // namespace tessark
