#include <gtest/gtest.h>

#include "data/ClientDataReader.h"
#include "data/ItemDatabase.h"
#include "support/ByteBuilder.h"
#include "support/ScratchDirectory.h"

namespace tessark {
namespace {

using test::ByteBuilder;

ByteBuilder Header(uint16_t itemCount)
{
    ByteBuilder bytes;
    bytes.U32(0x4D4F5256).U16(itemCount).U16(0).U16(0).U16(0);
    return bytes;
}

// A 1 x 1 record with one sprite and the given option bytes (0xFF is added).
ByteBuilder& SimpleRecord(ByteBuilder& bytes, std::initializer_list<uint8_t> options, uint16_t sprite)
{
    return bytes.U8s(options).U8(0xFF).U8s({1, 1, 1, 1, 1, 1, 1}).U16(sprite);
}

int ReadBytes(ItemDatabase& database, const ByteBuilder& bytes)
{
    return ClientDataReader(database).ReadBytes(bytes.Bytes());
}

TEST(ClientDataReaderTest, GroundRecordFromFileAndIdsPastTheItemCount)
{
    ByteBuilder bytes = Header(1);
    SimpleRecord(bytes, {0x00, 0x64, 0x00}, 0x1234);
    SimpleRecord(bytes, {}, 0x0042);  // beyond the item count, still read
    test::ScratchDirectory dir;
    ASSERT_TRUE(test::WriteFileBytes(dir.File("morva.dat"), bytes.Bytes()));

    ItemDatabase database;
    ASSERT_EQ(database.LoadClientData(dir.File("morva.dat")), 0);
    EXPECT_EQ(database.clientItemCount, 1);
    ASSERT_EQ(database.ClientTypeCount(), 2u);

    const ItemType* ground = database.GetClientType(0);
    ASSERT_NE(ground, nullptr);
    EXPECT_EQ(ground->group, ItemGroup::Ground);
    EXPECT_EQ(ground->speed, 100);
    EXPECT_EQ(ground->serverId, 100);
    EXPECT_EQ(ground->clientId, 100);
    EXPECT_EQ(ground->spriteCount, 1u);
    EXPECT_EQ(ground->spriteIds[0], 0x1234);
    EXPECT_EQ(ground->spriteIds[1], 0);
    EXPECT_TRUE(ground->moveable);

    const ItemType* second = database.GetClientType(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->clientId, 101);
    EXPECT_EQ(second->group, ItemGroup::None);
    EXPECT_EQ(second->spriteIds[0], 0x42);

    ASSERT_EQ(database.Sprites().size(), 2u);
    const Sprite& sprite = database.Sprites().at(0x1234);
    EXPECT_EQ(sprite.id, 0x1234u);
    EXPECT_FALSE(sprite.HasPixels());
}

TEST(ClientDataReaderTest, MissingFileAndShortFiles)
{
    test::ScratchDirectory dir;
    ItemDatabase database;
    EXPECT_EQ(database.LoadClientData(dir.File("absent.dat")), 2);
    // A directory opens but cannot be read as a file.
    EXPECT_EQ(database.LoadClientData(dir.Path().string()), 2);

    // Header only: no records, still loaded.
    EXPECT_EQ(ReadBytes(database, Header(7)), 0);
    EXPECT_EQ(database.clientItemCount, 7);
    EXPECT_TRUE(database.ClientTypeCount() == 0);

    ByteBuilder cut;
    cut.U32(1).U16(2).U16(0);
    EXPECT_EQ(ReadBytes(database, cut), 8);
    EXPECT_EQ(ReadBytes(database, ByteBuilder()), 8);
}

TEST(ClientDataReaderTest, CropSizeOnlyWhenWiderOrTallerThanOneSquare)
{
    ByteBuilder bytes = Header(3);
    bytes.U8(0xFF).U8s({2, 1, 64, 1, 1, 1, 1, 1}).U16(10).U16(11);  // 2 x 1 with cropSize 64
    bytes.U8(0xFF).U8s({1, 2, 48, 1, 1, 1, 1, 1}).U16(12).U16(13);  // 1 x 2 with cropSize 48
    SimpleRecord(bytes, {0x05}, 14);                                // 1 x 1, no cropSize

    ItemDatabase database;
    ASSERT_EQ(ReadBytes(database, bytes), 0);
    ASSERT_EQ(database.ClientTypeCount(), 3u);
    // Width, height, cropSize, sprite count, first and last sprite id of each.
    const auto size = [&database](int32_t key) {
        const ItemType& t = *database.GetClientType(key);
        return std::vector<int>{t.width, t.height, t.cropSize, static_cast<int>(t.spriteCount), t.spriteIds[0],
                                t.spriteIds[t.spriteCount - 1]};
    };
    EXPECT_EQ(size(0), (std::vector<int>{2, 1, 64, 2, 10, 11}));
    EXPECT_EQ(size(1), (std::vector<int>{1, 2, 48, 2, 12, 13}));
    EXPECT_EQ(size(2), (std::vector<int>{1, 1, 0, 1, 14, 14}));
    EXPECT_TRUE(database.GetClientType(2)->stackable);
}

TEST(ClientDataReaderTest, EveryOptionAndItsPayload)
{
    ByteBuilder bytes = Header(0);
    SimpleRecord(bytes,
                 {0x02, 0x04, 0x05, 0x06, 0x07, 0x09, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12,
                  0x13, 0x14, 0x15, 9, 9, 9, 9, 0x17, 0x18, 9, 9, 9, 9, 0x19, 9, 9, 0x1A, 0x1B,
                  0x1C, 0x34, 0x12, 0x1D, 9, 9, 0x1E},
                 500);
    SimpleRecord(bytes, {0x01, 0x08, 0xFF, 0xFF}, 501);  // the payload may hold 0xFF
    SimpleRecord(bytes, {0x03, 0x0A}, 502);
    SimpleRecord(bytes, {0x0B}, 503);

    ItemDatabase database;
    ASSERT_EQ(ReadBytes(database, bytes), 0);
    ASSERT_EQ(database.ClientTypeCount(), 4u);

    const ItemType& all = *database.GetClientType(0);
    const auto flags = [](const ItemType& t) {
        return std::vector<bool>{t.alwaysOnTop, t.stackable,  t.useable,    t.blocking, t.moveable,
                                 t.blockProjectile, t.blockPath, t.pickupable, t.hangeable, t.horizontal,
                                 t.vertical,    t.hasHeight,  t.readable};
    };
    EXPECT_EQ(flags(all), (std::vector<bool>{true, true, true, true, false, true, true, true, true, true, true,
                                             true, false}));
    EXPECT_EQ(all.topOrder, 2);
    EXPECT_EQ(all.group, ItemGroup::Container);
    EXPECT_EQ(all.minimapColor, 0x1234);
    EXPECT_EQ(all.speed, 0);
    EXPECT_EQ(all.spriteIds[0], 500);

    const ItemType& writeable = *database.GetClientType(1);
    EXPECT_EQ(writeable.group, ItemGroup::Writeable);
    EXPECT_EQ(writeable.topOrder, 1);
    EXPECT_TRUE(writeable.moveable);
    EXPECT_FALSE(writeable.hasHeight);
    EXPECT_EQ(writeable.spriteIds[0], 501);

    const ItemType& fluid = *database.GetClientType(2);
    EXPECT_EQ(fluid.group, ItemGroup::FluidContainer);
    EXPECT_EQ(fluid.topOrder, 3);
    EXPECT_EQ(database.GetClientType(3)->group, ItemGroup::Splash);
    EXPECT_FALSE(database.GetClientType(3)->alwaysOnTop);
}

TEST(ClientDataReaderTest, SpriteRegistrationReplacesEarlierRecords)
{
    ByteBuilder bytes = Header(2);
    SimpleRecord(bytes, {}, 77);
    SimpleRecord(bytes, {}, 77);
    bytes.U8(0xFF).U8s({1, 1, 1, 1, 1, 2, 1}).U16(78).U16(77);  // patternZ 2: two ids

    ItemDatabase database;
    Sprite decoded;
    decoded.id = 77;
    decoded.rawSize = 9;
    decoded.pixels.assign(Sprite::kPixelCount, 1);
    database.Sprites()[77] = decoded;

    ASSERT_EQ(ReadBytes(database, bytes), 0);
    ASSERT_EQ(database.Sprites().size(), 2u);
    const Sprite& sprite = database.Sprites().at(77);
    EXPECT_EQ(sprite.id, 77u);
    EXPECT_EQ(sprite.rawSize, 0);
    EXPECT_FALSE(sprite.HasPixels());

    const ItemType& layered = *database.GetClientType(2);
    EXPECT_EQ(layered.spriteCount, 2u);
    EXPECT_EQ(layered.spriteIds[0], 78);
    EXPECT_EQ(layered.spriteIds[1], 77);
    EXPECT_EQ(layered.patternX, 1);
    EXPECT_EQ(layered.patternY, 1);
    EXPECT_EQ(layered.animationPhases, 1);
}

TEST(ClientDataReaderTest, SpriteCountLimits)
{
    {
        // 255 ids fill the record exactly; 0 ids are allowed.
        ByteBuilder bytes = Header(2);
        bytes.U8(0xFF).U8s({1, 1, 1, 1, 1, 1, 255});
        for (uint16_t i = 0; i < 255; ++i) {
            bytes.U16(static_cast<uint16_t>(1000 + i));
        }
        bytes.U8(0xFF).U8s({1, 1, 0, 1, 1, 1, 1});
        ItemDatabase database;
        ASSERT_EQ(ReadBytes(database, bytes), 0);
        EXPECT_EQ(database.GetClientType(0)->spriteCount, 255u);
        EXPECT_EQ(database.GetClientType(0)->animationPhases, 255);
        EXPECT_EQ(database.GetClientType(0)->spriteIds[254], 1254);
        EXPECT_EQ(database.GetClientType(1)->spriteCount, 0u);
        EXPECT_EQ(database.Sprites().size(), 255u);
    }
    {
        // 16 x 16 = 256 ids do not fit a record.
        ByteBuilder bytes = Header(1);
        bytes.U8(0xFF).U8s({16, 16, 32, 1, 1, 1, 1, 1});
        for (int i = 0; i < 256; ++i) {
            bytes.U16(1);
        }
        ItemDatabase database;
        EXPECT_EQ(ReadBytes(database, bytes), 8);
        EXPECT_TRUE(database.ClientTypeCount() == 0);
        EXPECT_TRUE(database.Sprites().empty());
    }
    {
        // Nor do 256 cells, even with no ids (pattern z 0); 255 do.
        ByteBuilder bytes = Header(2);
        bytes.U8(0xFF).U8s({255, 1, 32, 1, 1, 1, 0, 1});
        bytes.U8(0xFF).U8s({16, 16, 32, 1, 1, 1, 0, 1});
        ItemDatabase database;
        EXPECT_EQ(ReadBytes(database, bytes), 8);
        EXPECT_EQ(database.ClientTypeCount(), 1u);
    }
}

TEST(ClientDataReaderTest, RecordIdsStopAt65535)
{
    // Records with ids 100 to 65535 load; one more can never be named by any other file.
    ByteBuilder bytes = Header(100);
    for (int id = 100; id <= 0xFFFF; ++id) {
        SimpleRecord(bytes, {}, 1);
    }
    ItemDatabase database;
    ASSERT_EQ(ReadBytes(database, bytes), 0);
    EXPECT_EQ(database.ClientKeys().back(), 0xFFFF - 100);

    SimpleRecord(bytes, {}, 1);
    ItemDatabase tooMany;
    EXPECT_EQ(ReadBytes(tooMany, bytes), 8);
}

TEST(ClientDataReaderTest, FileEndingInsideARecordIsAFormatError)
{
    ByteBuilder bytes = Header(2);
    SimpleRecord(bytes, {0x0C}, 5);
    const size_t firstEnd = bytes.Size();
    // Options with payloads, a cropSize and several ids, so every cut lands somewhere different.
    bytes.U8s({0x00, 0x10, 0x00, 0x15, 1, 2, 3, 4, 0x1C, 7, 0, 0xFF, 2, 2, 32, 1, 1, 1, 1, 1});
    for (uint16_t id = 20; id < 24; ++id) {
        bytes.U16(id);
    }
    const std::vector<uint8_t>& full = bytes.Bytes();
    for (size_t length = firstEnd + 1; length < full.size(); ++length) {
        std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        ItemDatabase database;
        EXPECT_EQ(ClientDataReader(database).ReadBytes(cut), 8) << length;
        EXPECT_EQ(database.ClientTypeCount(), 1u) << length;
        EXPECT_EQ(database.Sprites().size(), 1u) << length;
    }
    ItemDatabase database;
    ASSERT_EQ(ClientDataReader(database).ReadBytes(full), 0);
    EXPECT_EQ(database.GetClientType(1)->spriteIds[3], 23);
    EXPECT_EQ(database.GetClientType(1)->minimapColor, 7);
}

}  // namespace
}  // namespace tessark
