#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "model/Item.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "platform/MessageSink.h"
#include "samples/genmap/BorderPlacer.h"
#include "samples/genmap/BuildingBuilder.h"
#include "samples/genmap/RoomFurnisher.h"
#include "samples/genmap/ThingPlacer.h"
#include "samples/genmap/ValueNoise.h"
#include "samples/genmap/WorldPalette.h"
#include "support/GeneratedWorld.h"

namespace tessark::genmap {
namespace {

// The generator's parts on a fresh document with the sample data kit loaded.
class GenMapPiecesTest : public ::testing::Test {
protected:
    GenMapPiecesTest()
        : database(test::GeneratedWorld::Get().Data().items),
          document(test::GeneratedWorld::Get().Data().items, messages),
          placer(document, {20, 20, 200, 200})
    {
    }
    void SetUp() override { ASSERT_EQ(palette.Resolve(database), ""); }

    // The names of the things on a square after its ground, in the tile's order.
    std::vector<std::string> NamesAt(int32_t x, int32_t y, int32_t z = 7) const
    {
        std::vector<std::string> names;
        if (const CTile* tile = document.GetTile(x, y, z)) {
            for (size_t i = tile->GetGround() ? 1 : 0; i < tile->GetThingCount(); ++i) {
                names.push_back(tile->GetThing(i)->GetServerType(database).name);
            }
        }
        return names;
    }
    std::string GroundAt(int32_t x, int32_t y, int32_t z) const
    {
        const CTile* tile = document.GetTile(x, y, z);
        return tile && tile->GetGround() ? tile->GetGround()->GetServerType(database).name : "";
    }
    void Floor(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
    {
        for (int32_t y = y0; y <= y1; ++y) {
            for (int32_t x = x0; x <= x1; ++x) {
                placer.Place(palette.ground.woodenFloor, {x, y, 7});
            }
        }
    }

    const ItemDatabase& database;
    RecordingMessageSink messages;
    CTessarkDoc document;
    ThingPlacer placer;
    WorldPalette palette;
};

TEST_F(GenMapPiecesTest, BordersPickBendsEdgesAndCornersAndLayerLowerSetsFirst)
{
    const BorderClass water{0, nullptr};
    const BorderClass sand{3, &palette.sandBorder};
    const BorderClass grass{6, &palette.grassBorder};
    // Neighbours: north, north-east, east, south-east, south, south-west, west, north-west.
    const auto place = [&](int32_t x, BorderPlacer::Neighbours around) {
        placer.Place(palette.ground.water, {x, 50, 7});
        BorderPlacer::Place(placer, {x, 50, 7}, water, around);
        return NamesAt(x, 50);
    };
    const BorderClass w = water;
    EXPECT_EQ(place(30, {grass, w, w, w, w, w, grass, w}),
              (std::vector<std::string>{"grass border north-west bend"}));
    EXPECT_EQ(place(31, {w, grass, w, w, w, w, w, w}), (std::vector<std::string>{"grass border north-east corner"}));
    EXPECT_EQ(place(32, {grass, w, w, w, grass, w, w, w}),
              (std::vector<std::string>{"grass border north", "grass border south"}));
    EXPECT_EQ(place(33, {grass, grass, grass, grass, grass, grass, grass, grass}),
              (std::vector<std::string>{"grass border north-west bend", "grass border north-east bend",
                                        "grass border south-east bend", "grass border south-west bend"}));
    // A corner is only drawn where neither edge next to it is.
    EXPECT_EQ(place(34, {grass, w, w, grass, w, w, w, grass}),
              (std::vector<std::string>{"grass border north", "grass border south-east corner"}));
    // Sand lies under the grass: the grass to the north counts as land for the sand layer too.
    EXPECT_EQ(place(35, {grass, w, w, w, w, w, sand, w}),
              (std::vector<std::string>{"sand border north-west bend", "grass border north"}));
    // Nothing laps onto a ground of the same or a higher rank.
    placer.Place(palette.ground.grass, {36, 50, 7});
    BorderPlacer::Place(placer, {36, 50, 7}, grass, {sand, sand, grass, grass, water, water, sand, sand});
    EXPECT_TRUE(NamesAt(36, 50).empty());
}

TEST_F(GenMapPiecesTest, NoiseIsSmoothInRangeAndTiedToItsSeed)
{
    const ValueNoise noise(99, 512, 64, 4);
    const ValueNoise same(99, 512, 64, 4);
    const ValueNoise other(100, 512, 64, 4);
    int differences = 0;
    int32_t lowest = 65535;
    int32_t highest = 0;
    for (int32_t y = 0; y < 512; y += 7) {
        for (int32_t x = 0; x < 511; ++x) {
            const int32_t value = noise.At(x, y);
            ASSERT_EQ(value, same.At(x, y));
            differences += value != other.At(x, y);
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
            // Neighbouring squares differ by little: the lattice is interpolated, not stepped.
            EXPECT_LT(std::abs(noise.At(x + 1, y) - value), 6000) << x << "," << y;
        }
    }
    EXPECT_GE(lowest, 0);
    EXPECT_LE(highest, 65535);
    EXPECT_GT(highest - lowest, 20000);
    EXPECT_GT(differences, 1000);
}

TEST_F(GenMapPiecesTest, DoorsEntriesAndLaddersFollowTheDoorSide)
{
    BuildingPlan plan;
    plan.outline = {100, 100, 107, 106};
    plan.doorAt = 102;
    plan.doorSide = Side::South;
    EXPECT_EQ(plan.Door(), (Position{102, 106, 7}));
    EXPECT_EQ(plan.Entry(), (Position{102, 107, 7}));
    EXPECT_EQ(plan.Inside(), (Position{102, 105, 7}));
    EXPECT_EQ(plan.Ladder(), (Position{106, 101, 7}));  // the far corner, away from the door
    plan.doorSide = Side::West;
    plan.doorAt = 105;
    EXPECT_EQ(plan.Door(), (Position{100, 105, 7}));
    EXPECT_EQ(plan.Entry(), (Position{99, 105, 7}));
    EXPECT_EQ(plan.Inside(), (Position{101, 105, 7}));
    EXPECT_EQ(plan.Ladder(), (Position{106, 101, 7}));
    plan.doorSide = Side::North;
    plan.doorAt = 106;
    EXPECT_EQ(plan.Entry(), (Position{106, 99, 7}));
    EXPECT_EQ(plan.Ladder(), (Position{101, 105, 7}));
}

TEST_F(GenMapPiecesTest, BuildingsGetCornersWindowsADoorWithItsIdUpperFloorsAndARoof)
{
    BuildingPlan plan;
    plan.outline = {60, 60, 68, 66};
    plan.style = WallStyle::Brick;
    plan.doorSide = Side::South;
    plan.doorAt = 64;
    plan.doorId = 7;
    plan.storeys = 2;
    Floor(60, 60, 68, 66);
    BuildingBuilder(placer, palette).Build(plan);

    EXPECT_EQ(NamesAt(60, 60), (std::vector<std::string>{"brick wall corner north-west"}));
    EXPECT_EQ(NamesAt(68, 66), (std::vector<std::string>{"brick wall corner south-east"}));
    EXPECT_EQ(NamesAt(61, 60), (std::vector<std::string>{"brick wall horizontal"}));
    EXPECT_EQ(NamesAt(60, 61), (std::vector<std::string>{"brick wall vertical"}));
    EXPECT_EQ(NamesAt(62, 60), (std::vector<std::string>{"brick wall window horizontal"}));
    const CTile* door = document.GetTile(64, 66, 7);
    ASSERT_NE(door, nullptr);
    ASSERT_EQ(door->GetTopItems().size(), 1u);
    EXPECT_EQ(door->GetTopItems()[0]->GetServerType(database).name, "brick door horizontal");
    EXPECT_EQ(door->GetTopItems()[0]->GetCount(), 7);
    // No window right beside the door.
    EXPECT_EQ(NamesAt(65, 66), (std::vector<std::string>{"brick wall horizontal"}));
    // Upper storey: floor with an opening over the ladder, walls again, then the roof.
    const Position ladder = plan.Ladder();
    EXPECT_EQ(NamesAt(ladder.x, ladder.y, 7), (std::vector<std::string>{"ladder"}));
    EXPECT_EQ(document.GetTile(ladder.x, ladder.y, 6), nullptr);
    EXPECT_EQ(GroundAt(63, 63, 6), "wooden floor");
    EXPECT_EQ(NamesAt(60, 60, 6), (std::vector<std::string>{"brick wall corner north-west"}));
    EXPECT_EQ(GroundAt(64, 66, 5), "roof tiles");
    EXPECT_EQ(document.GetTile(64, 66, 4), nullptr);

    // A hanging on the north wall faces south (1), on the west wall east (2).
    placer.Place(palette.wallTorch, {61, 60, 7});
    placer.Place(palette.wallTorch, {60, 61, 7});
    EXPECT_EQ(document.GetTile(61, 60, 7)->GetHangingItems()[0]->GetCount(), 1);
    EXPECT_EQ(document.GetTile(60, 61, 7)->GetHangingItems()[0]->GetCount(), 2);
}

TEST_F(GenMapPiecesTest, FurnitureTakesTheSquaresItCoversAndKeepsTheWayClear)
{
    Floor(80, 80, 86, 86);
    RoomFurnisher room(placer, {81, 81, 85, 85}, 7);
    room.KeepClear(83, 85);
    EXPECT_EQ(room.Put(palette.bed, 83, 85, 1, 2), nullptr);  // would cover the kept square
    ASSERT_NE(room.Put(palette.bed, 82, 83, 1, 2), nullptr);
    EXPECT_FALSE(room.IsFree(82, 82));
    EXPECT_EQ(room.Put(palette.wardrobe, 82, 82), nullptr);
    EXPECT_EQ(room.Put(palette.wardrobe, 86, 82), nullptr);  // outside the room
    EXPECT_EQ(room.PutOn(palette.goldCoin, 84, 84, 20), nullptr);  // no table yet
    ASSERT_NE(room.PutTable(palette.longTable, 85, 84, 2), nullptr);
    // Only onto the square the table stands on: it is drawn over the one west of it.
    EXPECT_EQ(room.PutOn(palette.goldCoin, 84, 84, 20), nullptr);
    const CItem* coins = room.PutOn(palette.goldCoin, 85, 84, 20);
    ASSERT_NE(coins, nullptr);
    EXPECT_EQ(coins->GetCount(), 20);
    EXPECT_EQ(NamesAt(85, 84), (std::vector<std::string>{"long table", "gold coin"}));
    EXPECT_TRUE(NamesAt(84, 84).empty());
    // The placer keeps to the world it was given.
    EXPECT_EQ(placer.Place(palette.ground.grass, {19, 50, 7}), nullptr);
    EXPECT_EQ(document.GetTile(19, 50, 7), nullptr);
}

}  // namespace
}  // namespace tessark::genmap
