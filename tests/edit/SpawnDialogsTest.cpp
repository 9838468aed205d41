#include <gtest/gtest.h>

#include "edit/MonsterPropertiesEditor.h"
#include "edit/SpawnPropertiesEditor.h"
#include "edit/EditTestWorld.h"
#include "model/Spawn.h"

namespace tessark::edit_test {
namespace {

// A spawn as a file may hold it: creatures at offsets (0, 0), (4, 0) and (7, 0), the last
// outside the radius; the last creature's spawn time as stored.
struct SpawnWorld : ToolWorld {
    SpawnWorld(int32_t radius, uint32_t spawnTime)
    {
        spawn = document.Spawns().CreateSpawn({50, 50, 7}, radius);
        for (int32_t dx : {0, 4, 7}) {
            auto creature = std::make_unique<CCreature>(kRat);
            creature->SetOffset(dx, 0);
            creature->SetSpawnTime(spawnTime);
            spawn->AppendCreature(std::move(creature));
        }
    }
    CSpawn* spawn = nullptr;
};

std::string Between(int64_t low, int64_t high)
{
    return "Enter an integer between " + std::to_string(low) + " and " + std::to_string(high) + ".";
}

TEST(SpawnDialogsTest, RadiusDropsCreaturesOnlyWhenChangedAndRefusesValuesOutsideItsRange)
{
    struct Case {
        int32_t stored;
        std::optional<int64_t> entered;
        std::string problem;
        int32_t radius;
        size_t creatures;
    };
    const Case cases[] = {
        {5, 0, Between(1, 100), 5, 3},   {5, 101, Between(1, 100), 5, 3},
        {5, std::nullopt, "Enter an integer.", 5, 3},
        {5, 5, "", 5, 3},  // unchanged: the creature the file put outside stays
        {5, 3, "", 3, 1},  {5, 100, "", 100, 3}, {5, 1, "", 1, 1},
        {0, 0, "", 0, 3},  // a stored radius outside the range is kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entered.value_or(-1));
        SpawnWorld world(c.stored, 60);
        SpawnPropertiesEditor editor(world.document, *world.spawn);
        EXPECT_EQ(editor.Radius().Stored(), c.stored);
        EXPECT_EQ(editor.Submit(c.entered).value_or(""), c.problem);
        EXPECT_EQ(world.spawn->GetRadius(), c.radius);
        EXPECT_EQ(world.spawn->GetCreatureCount(), c.creatures);
        EXPECT_EQ(world.document.IsModified(), c.problem.empty());
    }
}

TEST(SpawnDialogsTest, SpawnTimeRangeAndAStoredZeroKeptUnlessEdited)
{
    struct Case {
        uint32_t stored;
        std::optional<int64_t> entered;
        std::string problem;
        uint32_t spawnTime;
    };
    const Case cases[] = {
        {0, 0, "", 0},  {0, 19, Between(20, 86400), 0}, {0, 20, "", 20},
        {60, 86400, "", 86400}, {60, 86401, Between(20, 86400), 60}, {60, 19, Between(20, 86400), 60},
        {60, std::nullopt, "Enter an integer.", 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entered.value_or(-1));
        SpawnWorld world(5, c.stored);
        CCreature& creature = *world.spawn->GetCreature(2);
        MonsterPropertiesEditor editor(world.document, creature);
        EXPECT_EQ(editor.SpawnTime().Stored(), c.stored);
        EXPECT_EQ(editor.Submit(c.entered).value_or(""), c.problem);
        EXPECT_EQ(creature.GetSpawnTime(), c.spawnTime);
        EXPECT_EQ(world.document.IsModified(), c.problem.empty());
    }
}

}  // namespace
}  // namespace tessark::edit_test
