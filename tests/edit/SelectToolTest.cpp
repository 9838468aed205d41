#include <gtest/gtest.h>

#include "edit/EditTestWorld.h"
#include "platform/LittleEndian.h"

namespace tessark {
namespace {

using namespace edit_test;

class SelectToolTest : public ::testing::Test, public ToolWorld {
protected:
    SelectToolTest() { Tool(ToolKind::Select); }

    ThingAt Selected() const { return controller->Context().SelectedThing(); }
};

TEST_F(SelectToolTest, DraggingAnItemMovesItKeepingItsUniqueId)
{
    const Position from{100, 100, 7};
    const Position to{103, 100, 7};
    Put(kGround, from);
    Put(kGround, to);
    CItem* item = Put(kPlain, from);
    item->SetUniqueId(7001);
    item->SetActionId(55);
    document.UniqueIds().Register(7001);
    document.SetModifiedFlag(false);

    const ToolOutcome outcome = Stroke({from, to});
    EXPECT_EQ(Keys(from), std::vector<int32_t>{kGround});
    ASSERT_EQ(Keys(to), (std::vector<int32_t>{kGround, kPlain}));
    const CItem* moved = document.GetTile(to)->GetThing(1);
    EXPECT_EQ(moved->GetUniqueId(), 7001u);
    EXPECT_EQ(moved->GetActionId(), 55u);
    EXPECT_TRUE(document.UniqueIds().IsUsed(7001));
    EXPECT_EQ(document.UniqueIds().Count(), 1u);
    EXPECT_TRUE(document.IsModified());
    EXPECT_FALSE(Selected());
    EXPECT_EQ(outcome.capture, MouseCapture::Release);
    // The clipboard gets the thing too: its type key, then its archive form.
    ASSERT_TRUE(outcome.clipboard && outcome.clipboard->format == ClipFormat::Thing);
    ASSERT_GE(outcome.clipboard->bytes.size(), 4u);
    EXPECT_EQ(LoadU32(outcome.clipboard->bytes.data()), static_cast<uint32_t>(kPlain));
}

TEST_F(SelectToolTest, GroundsClashesAndPlacesOutsideTheMapAreNotMovedTo)
{
    const Position from{25, 25, 7};
    Put(kGround, from);
    Stroke({from, {26, 25, 7}});  // a ground stays
    EXPECT_EQ(Keys(from), std::vector<int32_t>{kGround});
    EXPECT_FALSE(document.GetTile(26, 25, 7));

    Put(kBorder, from);
    Stroke({from, {10, 25, 7}});  // outside the map
    EXPECT_EQ(Keys(from), (std::vector<int32_t>{kGround, kBorder}));

    const Position clash{27, 25, 7};
    Put(kGround, clash);
    Put(kBorder, clash);
    Stroke({from, clash});  // the same border stands there already
    EXPECT_EQ(Keys(from), (std::vector<int32_t>{kGround, kBorder}));
    EXPECT_EQ(Keys(clash), (std::vector<int32_t>{kGround, kBorder}));

    // Releasing without a capture (nothing was picked) moves nothing.
    Hover({40, 40, 7});
    controller->LeftPress({});
    controller->MouseMove(from, true, {});
    EXPECT_EQ(controller->LeftRelease({}).capture, MouseCapture::Unchanged);
}

TEST_F(SelectToolTest, SpawnsMoveWithTheirCreaturesCreaturesOnlyWithinASpawn)
{
    const Position center{100, 100, 7};
    Put(kGround, center);
    CSpawn* spawn = document.Spawns().CreateSpawn(center, 3);
    Put(kRat, {101, 100, 7});
    controller->Context().Visibility().showCreatures = false;
    document.SetModifiedFlag(false);

    ToolOutcome outcome = Stroke({center, {110, 105, 7}});
    EXPECT_EQ(spawn->GetCenter(), (Position{110, 105, 7}));
    EXPECT_EQ(spawn->GetCreature(0)->GetOffsetX(), 1);
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(outcome.repaintView);
    EXPECT_EQ(Selected().position, (Position{110, 105, 7}));
    Put(kGround, {110, 105, 7});
    Stroke({{110, 105, 7}, {5, 105, 7}});  // off the map: stays
    EXPECT_EQ(spawn->GetCenter(), (Position{110, 105, 7}));

    // A creature dragged out of every spawn stays where it is; inside its spawn it moves.
    controller->Context().Visibility().showCreatures = true;
    Put(kGround, {111, 105, 7});
    Stroke({{111, 105, 7}, {120, 105, 7}});
    ASSERT_EQ(spawn->GetCreatureCount(), 1u);
    EXPECT_EQ(spawn->GetCreature(0)->GetOffsetX(), 1);
    Stroke({{111, 105, 7}, {112, 106, 7}});
    ASSERT_EQ(spawn->GetCreatureCount(), 1u);
    EXPECT_EQ(spawn->GetCreature(0)->GetOffsetX(), 2);
    EXPECT_EQ(spawn->GetCreature(0)->GetOffsetY(), 1);
}

TEST_F(SelectToolTest, CtrlDoubleClickTurnsACreatureAPlainOneAsksForProperties)
{
    const Position at{100, 100, 7};
    Put(kGround, at);
    document.Spawns().CreateSpawn(at, 1);
    Put(kRat, at);
    Click(at);
    auto* creature = static_cast<CCreature*>(Selected().thing);
    ASSERT_EQ(creature->Kind(), ThingKind::Creature);
    document.SetModifiedFlag(false);
    for (uint32_t expected : {3u, 0u, 1u, 2u}) {
        const ToolOutcome outcome = controller->LeftDoubleClick({.ctrl = true});
        EXPECT_EQ(creature->GetDirection(), expected);
        EXPECT_FALSE(outcome.openProperties);
    }
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(controller->LeftDoubleClick({}).openProperties);

    Click({300, 300, 7});  // nothing there
    EXPECT_FALSE(controller->LeftDoubleClick({}).openProperties);
}

}  // namespace
}  // namespace tessark
