#include <gtest/gtest.h>

#include <map>
#include <set>

#include "data/ItemDatabase.h"
#include "edit/VerifyCheck.h"
#include "model/HouseList.h"
#include "model/SpawnList.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "model/TileKey.h"
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
    std::set<ItemGroup> groups;
    for (int z = 0; z < kFloorCount; ++z) {
        doc().Tiles().ForEachTile(z, [&](uint32_t key, const CTile& tile) {
            int32_t x = 0;
            int32_t y = 0;
            SplitTileKey(key, x, y);
            ++tilesOnFloor[z];
            ASSERT_TRUE(x >= doc().borderX && y >= doc().borderY && x < doc().width - doc().borderX &&
                        y < doc().height - doc().borderY)
                << x << "," << y << "," << z;
            ASSERT_NE(tile.GetGround(), nullptr) << x << "," << y << "," << z;
            for (size_t i = 0; i < tile.GetThingCount(); ++i) {
                ASSERT_NE(db().GetType(tile.GetThing(i)->GetTypeKey()), nullptr);
                groups.insert(tile.GetThing(i)->GetServerType(db()).group);
            }
        });
    }
    EXPECT_GT(tilesOnFloor[7], size_t{100000});
    // Roofs over two storeys, upper storeys, caves and a deeper cave level.
    for (int32_t z : {5, 6, 8, 9}) {
        EXPECT_GT(tilesOnFloor[z], 0u) << z;
    }
    // The two deliberate examples for the verify window.
    EXPECT_EQ(VerifyMap(doc()).size(), 2u);
    // Every kind of thing, town, house and spawn the editor shows.
    for (ItemGroup group : {ItemGroup::Ground, ItemGroup::Container, ItemGroup::Teleport, ItemGroup::Depot,
                            ItemGroup::FluidContainer, ItemGroup::Door}) {
        EXPECT_TRUE(groups.contains(group)) << static_cast<int>(group);
    }
    EXPECT_GE(doc().Towns().Size(), 2u);
    EXPECT_GE(doc().Houses().Size(), 10u);
    EXPECT_GE(doc().Spawns().Size(), 20u);
}

}  // namespace
}  // namespace tessark
