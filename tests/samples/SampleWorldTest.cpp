#include <gtest/gtest.h>

#include <filesystem>
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

// Invariants of the generated demo world: it opens and saves cleanly, keeps inside its border,
// and holds every kind of thing the editor shows.
class SampleWorldTest : public ::testing::Test {
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

TEST_F(SampleWorldTest, OpensWithoutAMessageAndSavesToTheSameBytes)
{
    EXPECT_EQ(world().Generation().err, "");
    EXPECT_TRUE(world().OpenMessages().messages.empty()) << world().OpenMessages().messages.front().text;
    EXPECT_EQ(doc().errorKind, 0);
    EXPECT_EQ(doc().width, GeneratedWorld::kSize);
    EXPECT_EQ(doc().GetSpawnFile(), "world-spawn.xml");
    EXPECT_EQ(doc().GetHouseFile(), "world-house.xml");

    test::ScratchDirectory again;
    ASSERT_EQ(doc().OnSaveDocument(again.File("world.qzbm")), SaveResult::Saved);
    for (const char* name : {"world.qzbm", "world-house.xml", "world-spawn.xml"}) {
        const std::string bytes = test::ReadWholeFile(world().Scratch().File(name));
        EXPECT_GT(bytes.size(), 100u) << name;
        EXPECT_TRUE(bytes == test::ReadWholeFile(again.File(name))) << name;
    }
}

TEST_F(SampleWorldTest, EveryTileLiesInsideTheBorderOnAGroundAndPassesTheCheck)
{
    std::map<int32_t, size_t> tilesOnFloor;
    ForEachTile([&](const Position& p, const CTile& tile) {
        ++tilesOnFloor[p.z];
        ASSERT_TRUE(p.x >= doc().borderX && p.y >= doc().borderY && p.x < doc().width - doc().borderX &&
                    p.y < doc().height - doc().borderY)
            << p.x << "," << p.y << "," << p.z;
        ASSERT_NE(tile.GetGround(), nullptr) << p.x << "," << p.y << "," << p.z;
        for (size_t i = 0; i < tile.GetThingCount(); ++i) {
            ASSERT_NE(db().GetType(tile.GetThing(i)->GetTypeKey()), nullptr);
        }
    });
    EXPECT_GT(tilesOnFloor[7], size_t{100000});
    // Roofs over two storeys, upper storeys, caves and a deeper cave level.
    for (int32_t z : {5, 6, 8, 9}) {
        EXPECT_GT(tilesOnFloor[z], 0u) << z;
    }
    // The two deliberate examples for the verify window.
    EXPECT_EQ(VerifyMap(doc()).size(), 2u);
}

TEST_F(SampleWorldTest, TownsHousesAndSpawnsAreWhereTheEditorFindsThem)
{
    const auto& towns = doc().Towns().Towns();
    ASSERT_GE(towns.size(), 2u);
    std::set<std::string> names;
    for (const auto& [id, town] : towns) {
        EXPECT_TRUE(names.insert(town->name).second) << town->name;
        const Position temple{town->templeX, town->templeY, town->templeZ};
        ASSERT_TRUE(IsWalkable(temple)) << town->name;
        EXPECT_TRUE(doc().GetTile(temple)->IsProtectionZone());
    }
    const auto& houses = doc().Houses().Houses();
    ASSERT_GE(houses.size(), 10u);
    for (const auto& [id, house] : houses) {
        SCOPED_TRACE(house->name);
        ASSERT_FALSE(house->GetTiles().empty());
        EXPECT_NE(doc().Towns().GetTown(static_cast<uint32_t>(house->townId), false), nullptr);
        for (const CTile* tile : house->GetTiles()) {
            EXPECT_TRUE(tile->HasFlags(CTile::kHouseFlag | CTile::kProtectionZoneFlag));
            EXPECT_EQ(tile->GetHouseId(), id);
        }
        const Position entry{house->entryX, house->entryY, house->entryZ};
        EXPECT_TRUE(IsWalkable(entry));
        EXPECT_NE(doc().FindHouseAt(entry), house.get());
        EXPECT_EQ(house->GetDoors().size(), 1u);
    }
    const CSpawnList& spawns = doc().Spawns();
    ASSERT_GE(spawns.Size(), 20u);
    std::set<int32_t> kinds;
    std::set<int32_t> floors;
    for (size_t i = 0; i < spawns.Size(); ++i) {
        const CSpawn& spawn = *spawns.GetSpawn(i);
        EXPECT_GT(spawn.GetCreatureCount(), 0u);
        for (size_t k = 0; k < spawn.GetCreatureCount(); ++k) {
            const CCreature& creature = *spawn.GetCreature(k);
            const Position at{spawn.GetCenterX() + creature.GetOffsetX(), spawn.GetCenterY() + creature.GetOffsetY(),
                              spawn.GetCenterZ()};
            EXPECT_TRUE(IsWalkable(at)) << at.x << "," << at.y << "," << at.z;
            EXPECT_EQ(spawns.FindSpawnAt(at), &spawn);
            kinds.insert(creature.GetTypeKey());
            floors.insert(spawn.GetCenterZ());
        }
    }
    EXPECT_GE(kinds.size(), 8u);
    EXPECT_TRUE(floors.contains(7) && floors.contains(8)) << "creatures above and below ground";
}

TEST_F(SampleWorldTest, HoldsEveryKindOfThingTheEditorShows)
{
    int teleports = 0, depots = 0, texts = 0, stacks = 0, fluids = 0, hangings = 0, borders = 0, stairs = 0;
    ForEachTile([&](const Position& p, const CTile& tile) {
        for (size_t i = 1; i < tile.GetThingCount(); ++i) {
            const CItem& item = *tile.GetThing(i);
            const ItemType& type = item.GetServerType(db());
            if (item.Kind() == ThingKind::Teleport) {
                ++teleports;
                const auto& teleport = static_cast<const CTeleportItem&>(item);
                EXPECT_TRUE(IsWalkable({static_cast<int32_t>(teleport.GetDestX()),
                                        static_cast<int32_t>(teleport.GetDestY()),
                                        static_cast<int32_t>(teleport.GetDestZ())}));
            }
            if (item.Kind() == ThingKind::Depot) {
                ++depots;
                EXPECT_NE(doc().Towns().GetTown(static_cast<const CDepotItem&>(item).GetDepotId(), false), nullptr);
            }
            texts += type.readable && !item.GetText().empty();
            stacks += type.stackable && item.GetCount() > 1;
            fluids += type.group == ItemGroup::FluidContainer && item.GetCount() > 0;
            borders += NameOf(item).find(" border ") != std::string::npos;
            if (NameOf(item) == "stairs down") {
                ++stairs;
                const CTile* below = doc().GetTile(p.x, p.y, p.z + 1);
                ASSERT_NE(below, nullptr);
                EXPECT_EQ(NameOf(*below->GetGround()), "cave floor");
            }
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
    EXPECT_GE(stacks, 10);
    EXPECT_GE(fluids, 10);
    EXPECT_GE(hangings, 20);
    EXPECT_GE(borders, 200);
    EXPECT_GE(stairs, 2);
}

}  // namespace
}  // namespace tessark
