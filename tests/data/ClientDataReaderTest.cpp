#include <gtest/gtest.h>

#include <tuple>

#include "data/ClientDataReader.h"
#include "data/ItemDatabase.h"
#include "support/ByteBuilder.h"
#include "support/ScratchDirectory.h"

namespace tessark {
namespace {

using test::ByteBuilder;

ByteBuilder Header(uint16_t itemCount)
{
    return ByteBuilder().U32(0x4D4F5256).U16(itemCount).U16(0).U16(0).U16(0);
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

TEST(ClientDataReaderTest, SpriteRegistrationReplacesEarlierRecords)
{
    ByteBuilder bytes = Header(2);
    SimpleRecord(bytes, {}, 77);
    SimpleRecord(bytes, {}, 77);
    bytes.U8(0xFF).U8s({1, 1, 1, 1, 1, 2, 1}).U16(78).U16(77);  // patternZ 2: two ids

    ItemDatabase database;
    Sprite& decoded = database.Sprites()[77];
    decoded.id = 77;
    decoded.rawSize = 9;
    decoded.pixels.assign(Sprite::kPixelCount, 1);

    ASSERT_EQ(ReadBytes(database, bytes), 0);
    ASSERT_EQ(database.Sprites().size(), 2u);
    const Sprite& sprite = database.Sprites().at(77);
    EXPECT_EQ(std::tuple(sprite.id, sprite.rawSize, sprite.HasPixels()), std::tuple(77u, 0, false));
    const ItemType& t = *database.GetClientType(2);
    EXPECT_EQ(std::tuple(t.spriteCount, t.spriteIds[0], t.spriteIds[1], t.patternX, t.patternY, t.animationPhases),
              std::tuple(2u, 78, 77, 1, 1, 1));
}

// 255 ids fill a record and 0 are allowed, 16 x 16 = 256 ids or cells do not fit; record ids end at 65535,
// as no other file could name one more.
TEST(ClientDataReaderTest, SpriteCountAndRecordIdLimits)
{
    ByteBuilder full = Header(2);
    full.U8(0xFF).U8s({1, 1, 1, 1, 1, 1, 255});
    for (uint16_t i = 0; i < 255; ++i) {
        full.U16(static_cast<uint16_t>(1000 + i));
    }
    full.U8(0xFF).U8s({1, 1, 0, 1, 1, 1, 1});
    ItemDatabase database;
    ASSERT_EQ(ReadBytes(database, full), 0);
    const ItemType& t = *database.GetClientType(0);
    EXPECT_EQ(std::tuple(t.spriteCount, t.animationPhases, t.spriteIds[254]), std::tuple(255u, 255, 1254));
    EXPECT_EQ(database.GetClientType(1)->spriteCount, 0u);
    EXPECT_EQ(database.Sprites().size(), 255u);

    ByteBuilder tooMany = Header(1);
    tooMany.U8(0xFF).U8s({16, 16, 32, 1, 1, 1, 1, 1}).Append(std::vector<uint8_t>(512, 1));
    ItemDatabase refused;
    EXPECT_EQ(ReadBytes(refused, tooMany), 8);
    EXPECT_TRUE(refused.ClientTypeCount() == 0 && refused.Sprites().empty());
    // Nor do 256 cells, even with no ids (pattern z 0); 255 do.
    ByteBuilder cells = Header(2);
    cells.U8(0xFF).U8s({255, 1, 32, 1, 1, 1, 0, 1}).U8(0xFF).U8s({16, 16, 32, 1, 1, 1, 0, 1});
    ItemDatabase oneRecord;
    EXPECT_EQ(ReadBytes(oneRecord, cells), 8);
    EXPECT_EQ(oneRecord.ClientTypeCount(), 1u);

    ByteBuilder records = Header(100);
    for (int id = 100; id <= 0xFFFF; ++id) {
        SimpleRecord(records, {}, 1);
    }
    ItemDatabase last;
    ASSERT_EQ(ReadBytes(last, records), 0);
    EXPECT_EQ(last.ClientKeys().back(), 0xFFFF - 100);
    SimpleRecord(records, {}, 1);
    ItemDatabase oneMore;
    EXPECT_EQ(ReadBytes(oneMore, records), 8);
}

TEST(ClientDataReaderTest, MissingFilesFailAndFilesEndingInsideTheHeaderOrARecordAreFormatErrors)
{
    test::ScratchDirectory dir;
    ItemDatabase database;
    EXPECT_EQ(database.LoadClientData(dir.File("absent.dat")), 2);
    // A directory opens but cannot be read as a file.
    EXPECT_EQ(database.LoadClientData(dir.Path().string()), 2);
    EXPECT_EQ(ReadBytes(database, Header(7)), 0);
    EXPECT_EQ(database.clientItemCount, 7);

    ByteBuilder bytes = Header(2);
    const size_t headerEnd = bytes.Size();
    SimpleRecord(bytes, {0x0C}, 5);
    const size_t firstEnd = bytes.Size();
    // Options with payloads, a cropSize and several ids, so every cut lands somewhere different.
    bytes.U8s({0x00, 0x10, 0x00, 0x15, 1, 2, 3, 4, 0x1C, 7, 0, 0xFF, 2, 2, 32, 1, 1, 1, 1, 1});
    for (uint16_t id = 20; id < 24; ++id) {
        bytes.U16(id);
    }
    const std::vector<uint8_t>& full = bytes.Bytes();
    // Only the header alone and whole records load; a cut record leaves the ones before it.
    for (size_t length = 0; length < full.size(); ++length) {
        std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        ItemDatabase partial;
        const size_t records = length >= firstEnd ? 1 : 0;
        EXPECT_EQ(ClientDataReader(partial).ReadBytes(cut), length == headerEnd || length == firstEnd ? 0 : 8)
            << length;
        EXPECT_EQ(partial.ClientTypeCount(), records) << length;
        EXPECT_EQ(partial.Sprites().size(), records) << length;
    }
    ASSERT_EQ(ClientDataReader(database).ReadBytes(full), 0);
    EXPECT_EQ(database.GetClientType(1)->spriteIds[3], 23);
    EXPECT_EQ(database.GetClientType(1)->minimapColor, 7);
}

}  // namespace
}  // namespace tessark
