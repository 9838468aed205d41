#include <gtest/gtest.h>

#include "edit/EditTestWorld.h"

namespace tessark {
namespace {

using namespace edit_test;

class SelectToolTest : public ::testing::Test, public ToolWorld {
protected:
    SelectToolTest() { Tool(ToolKind::Select); }

    ThingAt Selected() const { return controller->Context().SelectedThing(); }
};

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
