#include <gtest/gtest.h>

#include <tuple>

#include "model/ModelTestWorld.h"
#include "model/SpawnList.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"

namespace tessark {
namespace {

using namespace model_test;

class SpawnTest : public ::testing::Test {
protected:
    void SetUp() override { FillTestDatabase(database); }

    std::unique_ptr<CCreature> MakeRat()
    {
        return std::unique_ptr<CCreature>(static_cast<CCreature*>(Make(database, kRat).release()));
    }

    ItemDatabase database;
};

TEST_F(SpawnTest, AreaIsACircleOnOneFloor)
{
    // Centre, radius, a position and whether the area holds it; far-apart coordinates do not overflow.
    const std::tuple<Position, int, Position, bool> cases[] = {
        {{100, 100, 7}, 5, {103, 104, 7}, true},  {{100, 100, 7}, 5, {100, 95, 7}, true},
        {{100, 100, 7}, 5, {104, 104, 7}, false}, {{100, 100, 7}, 5, {100, 100, 6}, false},
        {{10, 10, 7}, 0, {10, 10, 7}, true},      {{10, 10, 7}, 0, {11, 10, 7}, false},
        {{10, 10, 7}, -1, {10, 10, 7}, false},    {{INT32_MIN, INT32_MIN, 7}, 5, {INT32_MAX, INT32_MAX, 7}, false}};
    for (const auto& [center, radius, at, inside] : cases) {
        EXPECT_EQ(CSpawn(center, radius).Contains(at), inside) << radius << " " << at.x << "," << at.y << "," << at.z;
    }
}

TEST_F(SpawnTest, AddCreatureKeepsOffsetsDistinct)
{
    CSpawn spawn({100, 100, 7}, 5);
    auto first = MakeRat();
    CCreature* raw = first.get();
    EXPECT_TRUE(spawn.AddCreature(first, {102, 99, 7}));
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(std::tuple(raw->GetOffsetX(), raw->GetOffsetY()), std::tuple(2, -1));
    auto second = MakeRat();
    EXPECT_FALSE(spawn.AddCreature(second, {102, 99, 7}));
    EXPECT_NE(second, nullptr);  // not taken
    EXPECT_EQ(spawn.GetCreatureCount(), 1u);
    EXPECT_TRUE(spawn.HasCreature(raw));
    auto removed = spawn.RemoveCreature(raw);
    EXPECT_EQ(removed.get(), raw);
    EXPECT_EQ(spawn.RemoveCreature(raw), nullptr);
}

TEST_F(SpawnTest, ListFindsTheFirstSpawnAndMakesTheMarker)
{
    CSpawnList spawns(database);
    EXPECT_EQ(spawns.FindSpawnAt({100, 100, 7}), nullptr);
    CSpawn* first = spawns.CreateSpawn({100, 100, 7}, 5);
    CSpawn* second = spawns.CreateSpawn({103, 100, 7}, 5);
    EXPECT_EQ(spawns.FindSpawnAt({102, 100, 7}), first);
    EXPECT_EQ(spawns.FindSpawnAt({107, 100, 7}), second);
    auto removed = spawns.RemoveSpawn(first);
    EXPECT_EQ(removed.get(), first);
    EXPECT_EQ(spawns.RemoveSpawn(first), nullptr);
    EXPECT_EQ(spawns.FindSpawnAt({102, 100, 7}), second);

    const CItem* marker = spawns.GetMarker();
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->GetTypeKey(), kMarker);
    spawns.Clear();
    EXPECT_TRUE(spawns.Empty());
    EXPECT_EQ(spawns.GetMarker(), marker);
}

TEST_F(SpawnTest, ArchiveHoldsTheAreaOnly)
{
    CSpawn spawn({-5, 300, 7}, 4);
    auto rat = MakeRat();
    spawn.AddCreature(rat, {-5, 300, 7});
    ArchiveWriter writer;
    spawn.Store(writer);
    EXPECT_EQ(writer.Bytes().size(), 16u);
    CSpawn back;
    ArchiveReader reader(writer.Bytes());
    ASSERT_TRUE(back.Load(reader));
    EXPECT_EQ(std::tuple(back.GetCenter(), back.GetRadius(), back.GetCreatureCount()),
              std::tuple(Position{-5, 300, 7}, 4, size_t{0}));
}

}  // namespace
}  // namespace tessark
