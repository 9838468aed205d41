#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "data/ItemDatabase.h"
#include "edit/VerifyCheck.h"
#include "model/Creature.h"
#include "model/DepotItem.h"
#include "model/House.h"
#include "model/HouseList.h"
#include "model/Spawn.h"
#include "model/SpawnList.h"
#include "model/TeleportItem.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "model/TileKey.h"
#include "model/Town.h"
#include "model/TownList.h"
#include "support/GeneratedWorld.h"

namespace tessark {
namespace {

using test::GeneratedWorld;

// Checks of the world the tool generated: what the demo world is meant to show, and that the
// editor opens it cleanly.
class GenMapWorldTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(world().Generation().status, 0) << world().Generation().err; }

    static GeneratedWorld& world() { return GeneratedWorld::Get(); }
    static CTessarkDoc& doc() { return world().Document(); }
    static const ItemDatabase& db() { return world().Data().items; }

    static void ForEachTile(const std::function<void(const Position&, const CTile&)>& visit)
    {
        for (int z = 0; z < kFloorCount; ++z) {
            doc().Tiles().ForEachTile(z, [&](uint32_t key, const CTile& tile) {
                int32_t x = 0;
                int32_t y = 0;
                SplitTileKey(key, x, y);
                visit({x, y, z}, tile);
            });
        }
    }
    static const std::string& NameOf(const CItem& item) { return item.GetServerType(db()).name; }
    static bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }
    static bool IsWalkable(const Position& at)
    {
        const CTile* tile = doc().GetTile(at);
        if (!tile || !tile->GetGround()) {
            return false;
        }
        for (size_t i = 0; i < tile->GetThingCount(); ++i) {
            if (tile->GetThing(i)->GetServerType(db()).blocking) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(GenMapWorldTest, OpensWithoutAnyMessageAndNamesItsSideFilesAfterTheMap)
{
    EXPECT_EQ(world().Generation().err, "");
    EXPECT_TRUE(world().OpenMessages().messages.empty()) << world().OpenMessages().messages.front().text;
    EXPECT_EQ(doc().errorKind, 0);
    EXPECT_EQ(doc().width, GeneratedWorld::kSize);
    EXPECT_EQ(doc().height, GeneratedWorld::kSize);
    EXPECT_EQ(doc().GetSpawnFile(), "world-spawn.xml");
    EXPECT_EQ(doc().GetHouseFile(), "world-house.xml");
    EXPECT_FALSE(test::ReadWholeFile(world().Scratch().File("world-house.xml")).empty());
    EXPECT_FALSE(test::ReadWholeFile(world().Scratch().File("world-spawn.xml")).empty());
}

TEST_F(GenMapWorldTest, EveryTileLiesInsideTheBorderAndEveryThingHasItsType)
{
    size_t tiles = 0;
    ForEachTile([&](const Position& p, const CTile& tile) {
        ++tiles;
        EXPECT_TRUE(p.x >= doc().borderX && p.y >= doc().borderY && p.x < doc().width - doc().borderX &&
                    p.y < doc().height - doc().borderY)
            << p.x << "," << p.y << "," << p.z;
        ASSERT_NE(tile.GetGround(), nullptr) << p.x << "," << p.y << "," << p.z;
        EXPECT_TRUE(tile.GetGround()->IsGround(db()));
        for (size_t i = 0; i < tile.GetThingCount(); ++i) {
            const CItem& item = *tile.GetThing(i);
            const ItemType* type = db().GetType(item.GetTypeKey());
            ASSERT_NE(type, nullptr) << item.GetTypeKey();
            EXPECT_FALSE(type->name.empty()) << item.GetTypeKey();
            EXPECT_NE(type->group, ItemGroup::Creature);
        }
        // No two walls, doors or arches of one kind share a square.
        EXPECT_TRUE(TilePassesCheck(tile, db())) << p.x << "," << p.y << "," << p.z;
    });
    EXPECT_GT(tiles, size_t{100000});
    const auto list = VerifyMap(doc());
    ASSERT_EQ(list.size(), 2u);
}

TEST_F(GenMapWorldTest, TownsHaveTheirTemplesInsideWalkableProtectedHalls)
{
    const auto& towns = doc().Towns().Towns();
    ASSERT_GE(towns.size(), 2u);
    std::set<std::string> names;
    for (const auto& [id, town] : towns) {
        EXPECT_TRUE(names.insert(town->name).second) << town->name;
        EXPECT_NE(town->name, "Town" + std::to_string(id));
        const Position temple{town->templeX, town->templeY, town->templeZ};
        EXPECT_EQ(temple.z, 7);
        ASSERT_TRUE(IsWalkable(temple)) << town->name;
        EXPECT_TRUE(doc().GetTile(temple)->IsProtectionZone());
        // The hall has an altar within a few squares.
        bool altar = false;
        for (int32_t dy = -4; dy <= 4; ++dy) {
            for (int32_t dx = -4; dx <= 4; ++dx) {
                if (const CTile* tile = doc().GetTile(temple.x + dx, temple.y + dy, 7)) {
                    for (size_t i = 1; i < tile->GetThingCount(); ++i) {
                        altar = altar || NameOf(*tile->GetThing(i)) == "altar";
                    }
                }
            }
        }
        EXPECT_TRUE(altar) << town->name;
    }
}

TEST_F(GenMapWorldTest, HousesHoldTheirTilesAndTheirDoorsAndBelongToATown)
{
    const auto& houses = doc().Houses().Houses();
    ASSERT_GE(houses.size(), 10u);
    bool twoStoreys = false;
    for (const auto& [id, house] : houses) {
        SCOPED_TRACE(house->name);
        ASSERT_FALSE(house->GetTiles().empty());
        EXPECT_NE(doc().Towns().GetTown(static_cast<uint32_t>(house->townId), false), nullptr);
        EXPECT_GT(house->rent, 0);
        std::set<int32_t> floors;
        for (const CTile* tile : house->GetTiles()) {
            EXPECT_TRUE(tile->HasFlags(CTile::kHouseFlag | CTile::kProtectionZoneFlag));
            EXPECT_EQ(tile->GetHouseId(), id);
        }
        ForEachTile([&](const Position& p, const CTile& tile) {
            if (tile.GetHouseId() == id) {
                floors.insert(p.z);
            }
        });
        twoStoreys = twoStoreys || floors.size() > 1;
        // The entry is a walkable square outside, next to a door of the house that carries the
        // house's door id.
        const Position entry{house->entryX, house->entryY, house->entryZ};
        EXPECT_TRUE(IsWalkable(entry));
        EXPECT_NE(doc().FindHouseAt(entry), house.get());
        ASSERT_EQ(house->GetDoors().size(), 1u);
        bool door = false;
        for (const auto& [dx, dy] : {std::pair{0, -1}, std::pair{1, 0}, std::pair{0, 1}, std::pair{-1, 0}}) {
            const CTile* tile = doc().GetTile(entry.x + dx, entry.y + dy, entry.z);
            if (!tile || tile->GetHouseId() != id) {
                continue;
            }
            for (const CItem* item : tile->GetTopItems()) {
                door = door || (item->IsDoor(db()) && static_cast<uint32_t>(item->GetCount()) == house->GetDoors()[0]);
            }
        }
        EXPECT_TRUE(door);
    }
    EXPECT_TRUE(twoStoreys);
}

TEST_F(GenMapWorldTest, SpawnsHoldCreaturesOfSeveralKindsOnWalkableSquaresOfTheirOwnArea)
{
    const CSpawnList& spawns = doc().Spawns();
    ASSERT_GE(spawns.Size(), 20u);
    std::set<int32_t> kinds;
    std::set<int32_t> floors;
    for (size_t i = 0; i < spawns.Size(); ++i) {
        const CSpawn& spawn = *spawns.GetSpawn(i);
        EXPECT_GT(spawn.GetCreatureCount(), 0u);
        for (size_t k = 0; k < spawn.GetCreatureCount(); ++k) {
            const CCreature& creature = *spawn.GetCreature(k);
            EXPECT_EQ(db().GetServerType(creature.GetTypeKey()).group, ItemGroup::Creature);
            const Position at{spawn.GetCenterX() + creature.GetOffsetX(), spawn.GetCenterY() + creature.GetOffsetY(),
                              spawn.GetCenterZ()};
            EXPECT_TRUE(IsWalkable(at)) << at.x << "," << at.y << "," << at.z;
            // Editing finds the creature's own spawn at its square.
            EXPECT_EQ(spawns.FindSpawnAt(at), &spawn);
            kinds.insert(creature.GetTypeKey());
            floors.insert(spawn.GetCenterZ());
        }
    }
    EXPECT_GE(kinds.size(), 8u);
    EXPECT_TRUE(floors.contains(7) && floors.contains(8)) << "creatures above and below ground";
}

TEST_F(GenMapWorldTest, HoldsTeleportsDepotsTextsStacksFluidsAndHangings)
{
    int teleports = 0, depots = 0, texts = 0, stacks = 0, fluids = 0, splashes = 0, hangings = 0;
    std::set<std::string> readableKinds;
    ForEachTile([&](const Position& p, const CTile& tile) {
        for (size_t i = 1; i < tile.GetThingCount(); ++i) {
            const CItem& item = *tile.GetThing(i);
            const ItemType& type = item.GetServerType(db());
            if (item.Kind() == ThingKind::Teleport) {
                ++teleports;
                const auto& teleport = static_cast<const CTeleportItem&>(item);
                const Position to{static_cast<int32_t>(teleport.GetDestX()), static_cast<int32_t>(teleport.GetDestY()),
                                  static_cast<int32_t>(teleport.GetDestZ())};
                EXPECT_TRUE(doc().IsInsideMap(to));
                EXPECT_TRUE(IsWalkable(to)) << "from " << p.x << "," << p.y << "," << p.z;
            }
            if (item.Kind() == ThingKind::Depot) {
                ++depots;
                EXPECT_NE(doc().Towns().GetTown(static_cast<const CDepotItem&>(item).GetDepotId(), false), nullptr);
            }
            if (type.readable && !item.GetText().empty()) {
                ++texts;
                readableKinds.insert(type.name);
            }
            stacks += type.stackable && item.GetCount() > 1;
            fluids += type.group == ItemGroup::FluidContainer && item.GetCount() > 0;
            splashes += type.group == ItemGroup::Splash;
        }
        for (const CItem* item : tile.GetHangingItems()) {
            ++hangings;
            // Facing: 1 on a horizontal wall, 2 on a vertical one.
            EXPECT_TRUE(item->GetCount() == 1 || item->GetCount() == 2);
        }
    });
    EXPECT_GE(teleports, 3);
    EXPECT_GE(depots, 4);
    EXPECT_GE(texts, 20);
    EXPECT_GE(readableKinds.size(), 4u);
    EXPECT_GE(stacks, 10);
    EXPECT_GE(fluids, 10);
    EXPECT_GE(splashes, 1);
    EXPECT_GE(hangings, 20);
}

TEST_F(GenMapWorldTest, UpperFloorsAndCavesLieAboveAndBelowTheGround)
{
    std::map<int32_t, int> tilesOnFloor;
    std::vector<Position> stairs;
    ForEachTile([&](const Position& p, const CTile& tile) {
        ++tilesOnFloor[p.z];
        for (const CItem* item : tile.GetTopItems()) {
            if (NameOf(*item) == "stairs down") {
                stairs.push_back(p);
            }
        }
    });
    EXPECT_GT(tilesOnFloor[5], 0);  // roofs over two storeys
    EXPECT_GT(tilesOnFloor[6], 0);  // upper storeys and roofs
    EXPECT_GT(tilesOnFloor[8], 1000);
    EXPECT_GT(tilesOnFloor[9], 0);
    // Every stair leads to cave floor with a ladder back up.
    ASSERT_GE(stairs.size(), 2u);
    for (const Position& top : stairs) {
        const CTile* below = doc().GetTile(top.x, top.y, top.z + 1);
        ASSERT_NE(below, nullptr);
        EXPECT_EQ(NameOf(*below->GetGround()), "cave floor");
        bool ladder = false;
        for (const CItem* item : below->GetTopItems()) {
            ladder = ladder || NameOf(*item) == "ladder";
        }
        EXPECT_TRUE(ladder);
    }
}

TEST_F(GenMapWorldTest, BordersLieWhereTheirGroundMeetsALowerOne)
{
    int onWater = 0, onSand = 0;
    ForEachTile([&](const Position& p, const CTile& tile) {
        for (const CItem* item : tile.GetTopItems()) {
            const std::string& name = NameOf(*item);
            const size_t cut = name.find(" border ");
            if (cut == std::string::npos) {
                continue;
            }
            const std::string set = name.substr(0, cut);
            const std::string own = NameOf(*tile.GetGround());
            onWater += own == "water" && set == "sand";
            onSand += own == "sand" && set == "grass";
            EXPECT_NE(own, set == "cave" ? "cave floor" : set) << p.x << "," << p.y << "," << p.z;
            // A neighbour has the border's ground (or, for sand, land that lies above it).
            bool source = false;
            for (int32_t dy = -1; dy <= 1; ++dy) {
                for (int32_t dx = -1; dx <= 1; ++dx) {
                    const CTile* next = doc().GetTile(p.x + dx, p.y + dy, p.z);
                    if (!next || (dx == 0 && dy == 0)) {
                        continue;
                    }
                    const std::string ground = NameOf(*next->GetGround());
                    source = source || StartsWith(ground, set) || ground.find("grass") != std::string::npos ||
                             (set == "sand" && ground == "dirt");
                }
            }
            EXPECT_TRUE(source) << name << " at " << p.x << "," << p.y << "," << p.z;
        }
    });
    EXPECT_GT(onWater, 100);
    EXPECT_GT(onSand, 100);
}

}  // namespace
}  // namespace tessark
