#include <gtest/gtest.h>

#include <tuple>

#include "model/HouseList.h"
#include "model/Tile.h"
#include "model/TownList.h"

namespace tessark {
namespace {

auto Marks(const CTile& tile)
{
    return std::tuple(tile.GetFlags(), tile.GetHouseId());
}

// A tile carries the marks of the one house that holds it; leaving, or the house going, takes
// them off. Tiles and houses the list does not hold are left alone.
TEST(HouseTest, TilesCarryTheMarksOfTheOneHouseThatHoldsThem)
{
    HouseList houses;
    House* first = houses.GetHouse(1, true);
    House* second = houses.GetHouse(3, true);
    CTile tile;
    tile.SetFlags(0x10);
    first->AddTile(&tile);
    first->AddTile(&tile);  // twice into the same house: listed once
    EXPECT_EQ(Marks(tile), std::tuple(0x13u, 1u));
    EXPECT_EQ(first->GetTiles().size(), 1u);
    second->AddTile(&tile);
    EXPECT_TRUE(first->GetTiles().empty());
    EXPECT_TRUE(houses.RemoveHouse(first));  // must not touch the tile that moved on
    EXPECT_EQ(Marks(tile), std::tuple(0x13u, 3u));

    CTile stranger;
    stranger.SetFlags(0x3);
    stranger.SetHouseId(9);
    second->RemoveTile(&stranger);
    EXPECT_EQ(Marks(stranger), std::tuple(0x3u, 9u));
    EXPECT_EQ(second->GetTiles().size(), 1u);
    second->RemoveTile(&tile);
    EXPECT_EQ(Marks(tile), std::tuple(0x10u, 0u));
    EXPECT_TRUE(second->GetTiles().empty());
    second->AddDoor(4);
    second->AddDoor(4);
    EXPECT_EQ(second->GetDoors().size(), 2u);

    CTile kept;
    CTile dropped;
    second->AddTile(&kept);
    houses.GetHouse(5, true)->AddTile(&dropped);
    House* fifth = houses.GetHouse(5, false);
    EXPECT_TRUE(houses.RemoveHouse(fifth));
    EXPECT_FALSE(houses.RemoveHouse(fifth));
    EXPECT_EQ(Marks(dropped), std::tuple(0u, 0u));
    EXPECT_EQ(kept.GetHouseId(), 3u);
    houses.ForgetTile(&kept);
    EXPECT_TRUE(second->GetTiles().empty());
    second->AddTile(&kept);
    houses.ClearHouses();
    EXPECT_EQ(kept.GetFlags(), 0u);
    EXPECT_TRUE(houses.Empty());
}

TEST(TownTest, GetTownAndRemoveTown)
{
    TownList towns;
    EXPECT_EQ(towns.GetTown(12, false), nullptr);
    Town* town = towns.GetTown(12, true);
    ASSERT_NE(town, nullptr);
    EXPECT_EQ(std::tuple(town->name, town->templeZ), std::tuple("Town12", 0));
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
