#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "model/ModelTestWorld.h"
#include "model/Tile.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"

namespace tessark {
namespace {

using namespace model_test;

class TileTest : public ::testing::Test {
protected:
    void SetUp() override { FillTestDatabase(database); }

    CItem* Add(int32_t key, bool replace = false)
    {
        auto item = Make(database, key);
        CItem* raw = item.get();
        tile.AddThing(database, std::move(item), replace);
        return raw;
    }
    // Type keys of a list, in order.
    static std::vector<int32_t> Keys(std::span<CItem* const> items)
    {
        std::vector<int32_t> keys;
        for (const CItem* item : items) {
            keys.push_back(item->GetTypeKey());
        }
        return keys;
    }

    ItemDatabase database;
    CTile tile;
};

// Things placed in turn (a negative key is placed with replace), then the tile's lists. Whatever
// the case, the things run ground, top items, hanging items, ordinary items.
TEST_F(TileTest, PlacementRulesPerKindOfThing)
{
    using KeyList = std::vector<int32_t>;
    struct Case {
        const char* what;
        KeyList placed;
        int32_t ground;
        KeyList top, hanging, ordinary;
        KeyList facings;  // the counts of the hangeable items, in thing order
    };
    const Case cases[] = {
        {"a ground replaces the ground", {kGround, kOtherGround}, kOtherGround, {}, {}, {}, {}},
        {"top items sort by order, keeping placement order",
         {kTopTwo, kHorizontalWall, kBorder, kTopZero, kTopThree, kOtherBorder}, 0,
         {kTopZero, kBorder, kOtherBorder, kTopTwo, kHorizontalWall, kTopThree}, {}, {}, {}},
        {"replace takes only the first top item of the order",
         {kBorder, kTopTwo, kVerticalWall, kTopThree, -kHorizontalWall}, 0,
         {kBorder, kVerticalWall, kHorizontalWall, kTopThree}, {}, {}, {}},
        {"replace with nothing of the order inserts", {kBorder, -kTopThree}, 0, {kBorder, kTopThree}, {}, {}, {}},
        {"no wall, or a top item that is none, holds no hanging", {kHanging, kBorder, kHanging}, 0,
         {kBorder}, {}, {kHanging, kHanging}, {0, 0}},
        {"a horizontal wall faces 1", {kHorizontalWall, kHanging}, 0, {kHorizontalWall}, {kHanging}, {}, {1}},
        {"a vertical wall faces 2", {kVerticalWall, kHanging, kOtherHanging}, 0, {kVerticalWall},
         {kHanging, kOtherHanging}, {}, {2, 2}},
        {"replace clears every hanging", {kVerticalWall, kHanging, kOtherHanging, -kOtherHanging}, 0,
         {kVerticalWall}, {kOtherHanging}, {}, {2}},
        {"replace clears the ordinary items", {kGround, kBorder, kPlain, kStackable, -kRune}, kGround,
         {kBorder}, {}, {kRune}, {}},
        {"placement order does not decide the lists",
         {kPlain, kHorizontalWall, kHanging, kStackable, kBorder, kGround, kRune}, kGround,
         {kBorder, kHorizontalWall}, {kHanging}, {kPlain, kStackable, kRune}, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CTile placed;
        for (int32_t key : c.placed) {
            placed.AddThing(database, Make(database, std::abs(key)), key < 0);
        }
        EXPECT_EQ(placed.GetGround() ? placed.GetGround()->GetTypeKey() : 0, c.ground);
        EXPECT_EQ(Keys(placed.GetTopItems()), c.top);
        EXPECT_EQ(Keys(placed.GetHangingItems()), c.hanging);
        EXPECT_EQ(Keys(placed.GetOrdinaryItems()), c.ordinary);
        std::vector<int32_t> all;
        std::vector<int32_t> facings;
        for (size_t i = 0; i < placed.GetThingCount(); ++i) {
            all.push_back(placed.GetThing(i)->GetTypeKey());
            if (placed.GetThing(i)->GetServerType(database).hangeable) {
                facings.push_back(placed.GetThing(i)->GetCount());
            }
        }
        std::vector<int32_t> expected = c.ground ? std::vector<int32_t>{c.ground} : std::vector<int32_t>{};
        for (const KeyList* list : {&c.top, &c.hanging, &c.ordinary}) {
            expected.insert(expected.end(), list->begin(), list->end());
        }
        EXPECT_EQ(all, expected);
        EXPECT_EQ(placed.GetThing(placed.GetThingCount()), nullptr);
        EXPECT_EQ(facings, c.facings);
    }
}

TEST_F(TileTest, RemoveThingHandsTheItemBackAndKeepsTheOrder)
{
    CItem* ground = Add(kGround);
    CItem* border = Add(kBorder);
    CItem* wall = Add(kVerticalWall);
    CItem* hanging = Add(kHanging);
    CItem* first = Add(kPlain);
    CItem* second = Add(kStackable);
    CItem* third = Add(kRune);

    std::unique_ptr<CItem> removedGround = tile.RemoveThing(ground);
    EXPECT_EQ(removedGround.get(), ground);
    EXPECT_EQ(removedGround->GetTypeKey(), kGround);  // not destroyed
    EXPECT_EQ(tile.GetGround(), nullptr);

    // The first ordinary item sits right after the hanging ones.
    EXPECT_EQ(tile.RemoveThing(first).get(), first);
    EXPECT_EQ(tile.GetHangingItems().size(), 1u);
    EXPECT_EQ(tile.GetOrdinaryItems()[0], second);
    EXPECT_EQ(tile.GetOrdinaryItems()[1], third);
    EXPECT_EQ(tile.RemoveThing(hanging).get(), hanging);
    EXPECT_TRUE(tile.GetHangingItems().empty());
    EXPECT_EQ(tile.RemoveThing(border).get(), border);
    EXPECT_EQ(tile.GetTopItems()[0], wall);
    EXPECT_EQ(tile.GetThingCount(), 3u);

    // Not on this tile, twice removed, or null.
    CItem stranger(database, kPlain, 0);
    EXPECT_EQ(tile.RemoveThing(&stranger), nullptr);
    EXPECT_EQ(tile.RemoveThing(first), nullptr);
    EXPECT_EQ(tile.RemoveThing(nullptr), nullptr);
    EXPECT_EQ(tile.GetThingCount(), 3u);
}

TEST_F(TileTest, GroundHeldInTheTileIsCopiedOutReplacedAndCloned)
{
    EXPECT_TRUE(MakesPlainGround(database, kGround));
    for (const int32_t key : {int32_t{kPlain}, int32_t{kTeleport}, int32_t{kDepot}, int32_t{999}}) {
        EXPECT_FALSE(MakesPlainGround(database, key)) << key;
    }

    CItem& ground = tile.EmplaceGround(database, kGround, 0);
    EXPECT_EQ(tile.GetGround(), &ground);
    ground.SetActionId(7);
    ground.SetText("moss");
    Add(kPlain);

    // A clone keeps the ground and outlives the original.
    std::unique_ptr<CTile> clone;
    {
        auto original = tile.Clone();
        clone = original->Clone();
    }
    ASSERT_NE(clone->GetGround(), nullptr);
    EXPECT_EQ(clone->GetGround()->GetActionId(), 7u);
    EXPECT_EQ(clone->GetGround()->GetText(), "moss");
    EXPECT_EQ(clone->GetThingCount(), 2u);

    // Removing hands back an owned copy; the sanitizer build catches a bad free.
    std::unique_ptr<CItem> removed = clone->RemoveThing(clone->GetGround());
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(removed->GetTypeKey(), kGround);
    EXPECT_EQ(removed->GetText(), "moss");
    EXPECT_EQ(clone->GetGround(), nullptr);
    EXPECT_EQ(clone->GetThingCount(), 1u);

    // A ground added later replaces the held one, and a held one replaces an added one.
    CItem* added = Add(kOtherGround);
    EXPECT_EQ(tile.GetGround(), added);
    tile.EmplaceGround(database, kGround, 0);
    EXPECT_EQ(tile.GetGround()->GetTypeKey(), kGround);
    EXPECT_EQ(tile.GetGround()->GetActionId(), 0u);
}

// The clipboard's form of a tile: flags, then the things in their order; the house stays behind.
// Loading adds to what the tile holds and stops at a thing of no known type.
TEST_F(TileTest, ArchiveKeepsFlagsAndOrderButNotTheHouse)
{
    Add(kGround);
    Add(kTopTwo);
    Add(kBorder);
    Add(kStackable)->SetCount(12);
    Add(kPlain)->SetText("note");
    tile.SetFlags(0x23);
    tile.SetHouseId(77);
    ArchiveWriter writer;
    tile.Store(writer);
    EXPECT_EQ(writer.Bytes()[0], 0x23);
    EXPECT_EQ(writer.Bytes()[4], 5);

    CTile back;
    ArchiveReader reader(writer.Bytes());
    ASSERT_TRUE(back.Load(database, reader));
    EXPECT_EQ(std::tuple(reader.Remaining(), back.GetFlags(), back.GetHouseId()), std::tuple(size_t{0}, 0x23u, 0u));
    std::vector<int32_t> keys;
    for (size_t i = 0; i < back.GetThingCount(); ++i) {
        keys.push_back(back.GetThing(i)->GetTypeKey());
    }
    EXPECT_EQ(keys, (std::vector<int32_t>{kGround, kBorder, kTopTwo, kStackable, kPlain}));
    EXPECT_EQ(back.GetThing(3)->GetCount(), 12);
    EXPECT_EQ(back.GetThing(4)->GetText(), "note");
    ArchiveReader again(writer.Bytes());
    ASSERT_TRUE(back.Load(database, again));
    EXPECT_EQ(back.GetThingCount(), 9u);  // the second ground replaced the first

    ArchiveWriter unknown;
    unknown.WriteU32(0);
    unknown.WriteU32(2);
    StoreThing(CItem(database, kPlain, 0), unknown);
    unknown.WriteU32(999);
    CItem(database, kPlain, 0).Store(unknown);
    CTile partial;
    ArchiveReader unknownReader(unknown.Bytes());
    EXPECT_FALSE(partial.Load(database, unknownReader));
    EXPECT_EQ(unknownReader.Error(), ArchiveError::BadClass);
    EXPECT_EQ(partial.GetThingCount(), 1u);

    ArchiveWriter negative;  // a negative count loads nothing
    negative.WriteU32(1);
    negative.WriteI32(-4);
    CTile empty;
    ArchiveReader negativeReader(negative.Bytes());
    EXPECT_TRUE(empty.Load(database, negativeReader));
    EXPECT_EQ(empty.GetThingCount(), 0u);
}

}  // namespace
}  // namespace tessark
