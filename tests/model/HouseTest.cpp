#include <gtest/gtest.h>

#include "model/HouseList.h"
#include "model/Tile.h"
#include "model/TownList.h"

namespace tessark {
namespace {

TEST(HouseTest, TilesGainAndLoseTheirHouseMarks)
{
    HouseList houses;
    House* house = houses.GetHouse(3, true);
    CTile tile;
    tile.SetFlags(0x10);
    house->AddTile(&tile);
    EXPECT_EQ(tile.GetFlags(), 0x13u);
    EXPECT_EQ(tile.GetHouseId(), 3u);
    EXPECT_EQ(house->GetTiles().size(), 1u);

    // A tile the house does not hold is left alone.
    CTile stranger;
    stranger.SetFlags(0x3);
    stranger.SetHouseId(9);
    house->RemoveTile(&stranger);
    EXPECT_EQ(stranger.GetFlags(), 0x3u);
    EXPECT_EQ(stranger.GetHouseId(), 9u);
    EXPECT_EQ(house->GetTiles().size(), 1u);

    house->RemoveTile(&tile);
    EXPECT_EQ(tile.GetFlags(), 0x10u);
    EXPECT_EQ(tile.GetHouseId(), 0u);
    EXPECT_TRUE(house->GetTiles().empty());

    house->AddDoor(4);
    house->AddDoor(4);
    EXPECT_EQ(house->GetDoors().size(), 2u);
}

TEST(HouseTest, DestroyingAHouseReleasesItsTiles)
{
    HouseList houses;
    CTile a;
    CTile b;
    houses.GetHouse(1, true)->AddTile(&a);
    House* second = houses.GetHouse(2, true);
    second->AddTile(&b);
    EXPECT_TRUE(houses.RemoveHouse(second));
    EXPECT_FALSE(houses.RemoveHouse(second));
    EXPECT_EQ(b.GetFlags(), 0u);
    EXPECT_EQ(b.GetHouseId(), 0u);
    EXPECT_EQ(a.GetHouseId(), 1u);
    houses.ClearHouses();
    EXPECT_EQ(a.GetFlags(), 0u);
    EXPECT_TRUE(houses.Empty());
}

TEST(HouseTest, ATileBelongsToOneHouseAtATime)
{
    HouseList houses;
    House* first = houses.GetHouse(1, true);
    House* second = houses.GetHouse(2, true);
    CTile tile;
    first->AddTile(&tile);
    first->AddTile(&tile);  // twice into the same house: listed once
    EXPECT_EQ(first->GetTiles().size(), 1u);
    second->AddTile(&tile);
    EXPECT_TRUE(first->GetTiles().empty());
    EXPECT_EQ(second->GetTiles().size(), 1u);
    EXPECT_EQ(tile.GetHouseId(), 2u);
    // Removing the first house must not touch the tile that moved on.
    houses.RemoveHouse(first);
    EXPECT_EQ(tile.GetHouseId(), 2u);
    EXPECT_TRUE(tile.HasFlags(CTile::kHouseFlag));

    houses.ForgetTile(&tile);
    EXPECT_TRUE(second->GetTiles().empty());
}

TEST(TownTest, GetTownAndRemoveTown)
{
    TownList towns;
    EXPECT_EQ(towns.GetTown(12, false), nullptr);
    Town* town = towns.GetTown(12, true);
    ASSERT_NE(town, nullptr);
    EXPECT_EQ(town->name, "Town12");
    EXPECT_EQ(town->templeZ, 0);
    towns.GetTown(3, true);
    EXPECT_EQ(towns.Towns().begin()->first, 3u);
    EXPECT_TRUE(towns.RemoveTown(town));
    EXPECT_FALSE(towns.RemoveTown(town));
    EXPECT_EQ(towns.Size(), 1u);
    towns.ClearTowns();
    EXPECT_TRUE(towns.Empty());
}

}  // namespace
}  // namespace tessark
