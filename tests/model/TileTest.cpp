#include <gtest/gtest.h>

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

TEST_F(TileTest, GroundReplacesGroundWhateverReplaceSays)
{
    Add(kGround);
    // The first ground is destroyed (the sanitizer build catches a leak or a double free).
    CItem* second = Add(kOtherGround, false);
    EXPECT_EQ(tile.GetGround(), second);
    EXPECT_EQ(tile.GetThingCount(), 1u);
}

TEST_F(TileTest, AlwaysOnTopItemsSortByTopOrderKeepingPlacementOrder)
{
    CItem* firstTwo = Add(kTopTwo);
    CItem* secondTwo = Add(kHorizontalWall);
    CItem* one = Add(kBorder);
    ASSERT_EQ(tile.GetTopItems().size(), 3u);
    EXPECT_EQ(tile.GetTopItems()[0], one);
    EXPECT_EQ(tile.GetTopItems()[1], firstTwo);
    EXPECT_EQ(tile.GetTopItems()[2], secondTwo);
    Add(kTopZero);
    Add(kTopThree);
    Add(kOtherBorder);
    EXPECT_EQ(Keys(tile.GetTopItems()),
              (std::vector<int32_t>{kTopZero, kBorder, kOtherBorder, kTopTwo, kHorizontalWall,
                                    kTopThree}));
}

TEST_F(TileTest, ReplaceTakesOnlyTheFirstTopItemOfTheSameOrder)
{
    Add(kBorder);
    Add(kTopTwo);
    Add(kVerticalWall);
    Add(kTopThree);
    CItem* added = Add(kHorizontalWall, true);
    EXPECT_EQ(Keys(tile.GetTopItems()),
              (std::vector<int32_t>{kBorder, kVerticalWall, kHorizontalWall, kTopThree}));
    EXPECT_EQ(tile.GetTopItems()[2], added);

    // With nothing of that order, replace only inserts.
    CTile other;
    other.AddThing(database, Make(database, kBorder), false);
    other.AddThing(database, Make(database, kTopThree), true);
    EXPECT_EQ(Keys(other.GetTopItems()), (std::vector<int32_t>{kBorder, kTopThree}));
}

TEST_F(TileTest, HangingItemsTakeTheirFacingFromTheWalls)
{
    CItem* loose = Add(kHanging);
    EXPECT_EQ(loose->GetCount(), 0);
    EXPECT_EQ(Keys(tile.GetOrdinaryItems()), std::vector<int32_t>{kHanging});
    EXPECT_TRUE(tile.GetHangingItems().empty());

    // A top item that is no wall does not hold a hanging.
    Add(kBorder);
    EXPECT_EQ(Add(kHanging)->GetCount(), 0);
    EXPECT_EQ(tile.GetOrdinaryItems().size(), 2u);

    CTile horizontal;
    horizontal.AddThing(database, Make(database, kHorizontalWall), false);
    auto onHorizontal = Make(database, kHanging);
    CItem* raw = onHorizontal.get();
    horizontal.AddThing(database, std::move(onHorizontal), false);
    EXPECT_EQ(raw->GetCount(), 1);
    EXPECT_EQ(horizontal.GetHangingItems().size(), 1u);
    EXPECT_TRUE(horizontal.GetOrdinaryItems().empty());

    CTile vertical;
    vertical.AddThing(database, Make(database, kVerticalWall), false);
    vertical.AddThing(database, Make(database, kHanging), false);
    vertical.AddThing(database, Make(database, kOtherHanging), false);
    EXPECT_EQ(Keys(vertical.GetHangingItems()), (std::vector<int32_t>{kHanging, kOtherHanging}));
    EXPECT_EQ(vertical.GetHangingItems()[0]->GetCount(), 2);
    // Replace clears every hanging first.
    vertical.AddThing(database, Make(database, kOtherHanging), true);
    EXPECT_EQ(Keys(vertical.GetHangingItems()), std::vector<int32_t>{kOtherHanging});
}

TEST_F(TileTest, ReplaceClearsOrdinaryItems)
{
    Add(kGround);
    Add(kBorder);
    Add(kPlain);
    Add(kStackable);
    Add(kRune, true);
    EXPECT_EQ(Keys(tile.GetOrdinaryItems()), std::vector<int32_t>{kRune});
    EXPECT_NE(tile.GetGround(), nullptr);
    EXPECT_EQ(tile.GetTopItems().size(), 1u);
}

TEST_F(TileTest, ThingOrderIsGroundTopHangingOrdinary)
{
    Add(kPlain);
    CItem* wall = Add(kHorizontalWall);
    CItem* hanging = Add(kHanging);
    Add(kStackable);
    CItem* border = Add(kBorder);
    CItem* ground = Add(kGround);
    Add(kRune);
    ASSERT_EQ(tile.GetThingCount(), 7u);
    EXPECT_EQ(tile.GetThing(0), ground);
    EXPECT_EQ(tile.GetThing(1), border);
    EXPECT_EQ(tile.GetThing(2), wall);
    EXPECT_EQ(tile.GetThing(3), hanging);
    EXPECT_EQ(tile.GetThing(4)->GetTypeKey(), kPlain);
    EXPECT_EQ(tile.GetThing(6)->GetTypeKey(), kRune);
    EXPECT_EQ(tile.GetThing(7), nullptr);
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

    EXPECT_EQ(tile.RemoveThing(second).get(), second);
    EXPECT_EQ(tile.GetOrdinaryItems()[0], first);
    EXPECT_EQ(tile.GetOrdinaryItems()[1], third);
    EXPECT_EQ(tile.RemoveThing(hanging).get(), hanging);
    EXPECT_TRUE(tile.GetHangingItems().empty());
    EXPECT_EQ(tile.RemoveThing(border).get(), border);
    EXPECT_EQ(tile.GetTopItems()[0], wall);
    EXPECT_EQ(tile.GetThingCount(), 3u);

    // Not on this tile, twice removed, or null.
    CItem stranger(database, kPlain, 0);
    EXPECT_EQ(tile.RemoveThing(&stranger), nullptr);
    EXPECT_EQ(tile.RemoveThing(second), nullptr);
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

TEST_F(TileTest, MinimapColourFromTopItemsThenGround)
{
    EXPECT_EQ(tile.GetMinimapColor(database), 0u);
    Add(kGround);  // palette entry 1 is the pixel 0x000033, red lowest as a colour reference
    EXPECT_EQ(tile.GetMinimapColor(database), 0x00330000u);
    // Items outside the top list never colour the minimap.
    Add(kPlain);
    Add(kBorder);  // no colour of its own
    EXPECT_EQ(tile.GetMinimapColor(database), 0x00330000u);
    Add(kTopThree);  // index 300 lies outside the palette: black, but it still decides
    EXPECT_EQ(tile.GetMinimapColor(database), 0u);
    Add(kHorizontalWall);  // 86 = 2 * 36 + 2 * 6 + 2; comes before the order-3 item
    EXPECT_EQ(tile.GetMinimapColor(database), 0x00666666u);

    CTile colourless;
    colourless.AddThing(database, Make(database, kOtherGround), false);
    EXPECT_EQ(colourless.GetMinimapColor(database), 0u);

}

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
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_EQ(back.GetFlags(), 0x23u);
    EXPECT_EQ(back.GetHouseId(), 0u);
    ASSERT_EQ(back.GetThingCount(), 5u);
    const std::vector<int32_t> order = {kGround, kBorder, kTopTwo, kStackable, kPlain};
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(back.GetThing(i)->GetTypeKey(), order[i]);
    }
    EXPECT_EQ(back.GetThing(3)->GetCount(), 12);
    EXPECT_EQ(back.GetThing(4)->GetText(), "note");

    // Loading adds to what the tile holds.
    ArchiveReader again(writer.Bytes());
    ASSERT_TRUE(back.Load(database, again));
    EXPECT_EQ(back.GetThingCount(), 9u);  // the second ground replaced the first
}

TEST_F(TileTest, ArchiveWithAnUnknownKeyFails)
{
    ArchiveWriter writer;
    writer.WriteU32(0);
    writer.WriteU32(2);
    StoreThing(CItem(database, kPlain, 0), writer);
    writer.WriteU32(999);  // no such type
    CItem(database, kPlain, 0).Store(writer);

    CTile back;
    ArchiveReader reader(writer.Bytes());
    EXPECT_FALSE(back.Load(database, reader));
    EXPECT_EQ(reader.Error(), ArchiveError::BadClass);
    EXPECT_EQ(back.GetThingCount(), 1u);

    // A negative count loads nothing.
    ArchiveWriter negative;
    negative.WriteU32(1);
    negative.WriteI32(-4);
    CTile empty;
    ArchiveReader negativeReader(negative.Bytes());
    EXPECT_TRUE(empty.Load(database, negativeReader));
    EXPECT_EQ(empty.GetThingCount(), 0u);
}

}  // namespace
}  // namespace tessark
