#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "data/ItemDatabase.h"
#include "data/SpriteFileReader.h"
#include "support/ByteBuilder.h"

namespace tessark {
namespace {

using test::ByteBuilder;

constexpr uint32_t kMagenta = 0x00FF00FF;

// Storage index (bottom row first) of the pixel the runs number as row, column from the top.
size_t StorageIndex(size_t row, size_t column)
{
    return (31 - row) * 32 + column;
}

// A sprite file whose entry k is sprite k + 1: no value means offset 0, otherwise a data block
// with the colour key, the size and the bytes.
ByteBuilder SpriteFile(const std::vector<std::optional<std::vector<uint8_t>>>& sprites)
{
    ByteBuilder bytes;
    bytes.U32(0x53505231).U16(static_cast<uint16_t>(sprites.size()));
    const size_t table = bytes.Size();
    for (size_t k = 0; k < sprites.size(); ++k) {
        bytes.U32(0);
    }
    for (size_t k = 0; k < sprites.size(); ++k) {
        if (sprites[k]) {
            bytes.PatchU32(table + 4 * k, static_cast<uint32_t>(bytes.Size()));
            bytes.U8s({255, 0, 255}).U16(static_cast<uint16_t>(sprites[k]->size())).Append(*sprites[k]);
        }
    }
    return bytes;
}

void Register(ItemDatabase& database, std::initializer_list<uint32_t> ids)
{
    for (uint32_t id : ids) {
        database.Sprites()[id].id = id;
    }
}

TEST(SpriteFileReaderTest, DecodeStopsAtTheLastPixelAndAtTheEndOfTheData)
{
    // A coloured run starting at pixel 1022 writes two pixels and no more.
    ByteBuilder past;
    past.U16(1022).U16(5);
    for (uint8_t i = 0; i < 5; ++i) {
        past.U8s({0x10, 0x20, static_cast<uint8_t>(i)});
    }
    past.U16(0).U16(1).U8s({9, 9, 9});
    std::vector<uint32_t> pixels = DecodeSpritePixels(past.Bytes());
    EXPECT_EQ(pixels[StorageIndex(31, 30)], 0x00102000u);
    EXPECT_EQ(pixels[StorageIndex(31, 31)], 0x00102001u);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kMagenta), 1022);

    // Huge transparent counts overshoot without writing.
    ByteBuilder overshoot;
    overshoot.U16(0xFFFF).U16(3).U8s({1, 1, 1, 2, 2, 2, 3, 3, 3});
    pixels = DecodeSpritePixels(overshoot.Bytes());
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kMagenta), 1024);

    // A coloured run cut off by the data: only whole colours are written.
    ByteBuilder cut;
    cut.U16(0).U16(3).U8s({1, 2, 3, 4, 5, 6, 7, 8});
    pixels = DecodeSpritePixels(cut.Bytes());
    EXPECT_EQ(pixels[StorageIndex(0, 0)], 0x00010203u);
    EXPECT_EQ(pixels[StorageIndex(0, 1)], 0x00040506u);
    EXPECT_EQ(pixels[StorageIndex(0, 2)], kMagenta);
}

TEST(SpriteFileReaderTest, EntriesOfOneDataShareItsDecodedCopyAndDataDoesNotReplaceTheDotSprites)
{
    ByteBuilder one;
    one.U16(0).U16(1).U8s({1, 2, 3});
    ByteBuilder two;
    two.U16(0).U16(1).U8s({4, 5, 6});
    std::vector<std::optional<std::vector<uint8_t>>> entries(0xF001);
    entries[0] = one.Bytes();
    entries[1] = two.Bytes();
    entries[0xEFFE] = one.Bytes();  // sprite 0xEFFF
    entries[0xEFFF] = one.Bytes();  // sprite 0xF000
    ByteBuilder file = SpriteFile(entries);
    // Sprites 3 and 4 point at the data of sprite 1.
    const uint32_t dataOfOne = 6 + 4 * 0xF001;
    file.PatchU32(6 + 4 * 2, dataOfOne).PatchU32(6 + 4 * 3, dataOfOne);
    ItemDatabase database;
    Register(database, {1, 2, 3, 4, 0xEFFF});
    SpriteFileReader(database).ReadBytes(file.Bytes());
    const SpriteTable& sprites = database.Sprites();
    ASSERT_TRUE(sprites.at(3).HasPixels());
    EXPECT_EQ(sprites.at(4).pixels[StorageIndex(0, 0)], 0x00010203u);
    EXPECT_TRUE(sprites.at(3).pixels.SharesWith(sprites.at(1).pixels));
    EXPECT_TRUE(sprites.at(4).pixels.SharesWith(sprites.at(1).pixels));
    EXPECT_FALSE(sprites.at(2).pixels.SharesWith(sprites.at(1).pixels));
    ASSERT_TRUE(sprites.at(0xEFFF).HasPixels());
    EXPECT_EQ(sprites.at(0xEFFF).pixels[StorageIndex(0, 0)], 0x00010203u);
    EXPECT_EQ(sprites.at(0xF000).pixels[0], 0x00FF0000u);
}

TEST(SpriteFileReaderTest, HostileOffsetsAndSizesKeepNoPixels)
{
    ByteBuilder good;
    good.U16(0).U16(1).U8s({3, 3, 3});
    ByteBuilder file = SpriteFile({good.Bytes(), good.Bytes(), good.Bytes(), good.Bytes(),
                                   good.Bytes()});
    const size_t fileSize = file.Size();
    file.PatchU32(6 + 4 * 1, 0xFFFFFFF0);                          // far past the end
    file.PatchU32(6 + 4 * 2, static_cast<uint32_t>(fileSize - 3));  // header cut off
    // Sprite 4's header is the last five bytes of the file; its size field reads colour bytes
    // (0x0303), far past the end.
    file.PatchU32(6 + 4 * 3, static_cast<uint32_t>(fileSize - 5));
    ItemDatabase database;
    Register(database, {1, 2, 3, 4, 5});
    for (uint32_t id : {2u, 3u, 4u}) {
        database.Sprites()[id].pixels.assign(Sprite::kPixelCount, 1);  // stale pixels go
    }
    SpriteFileReader(database).ReadBytes(file.Bytes());
    for (uint32_t id : {1u, 2u, 3u, 4u, 5u}) {
        EXPECT_EQ(database.Sprites().at(id).HasPixels(), id == 1 || id == 5) << id;
    }
    EXPECT_EQ(database.Sprites().at(4).rawSize, 0x0303);

    // A data size past the end of the file.
    ByteBuilder longData;
    longData.U32(0).U16(1).U32(10).U8s({255, 0, 255}).U16(500).U16(0).U16(1).U8s({1, 2, 3});
    ItemDatabase cut;
    Register(cut, {1});
    SpriteFileReader(cut).ReadBytes(longData.Bytes());
    EXPECT_FALSE(cut.Sprites().at(1).HasPixels());
    EXPECT_EQ(cut.Sprites().at(1).rawSize, 500);

    // Table ends beyond the file, unaligned or inside the header: the walk stays in the file
    // and reads exactly the entries that start before the table end.
    for (uint32_t tableEnd : {0xFFFFFFFFu, 4000u, 13u, 11u, 10u, 7u, 3u}) {
        ByteBuilder odd;
        odd.U32(0).U16(3).U32(tableEnd).U32(18).U32(18).U8s({255, 0, 255}).U16(7);
        odd.U16(0).U16(1).U8s({1, 2, 3});
        ItemDatabase database2;
        Register(database2, {1, 2, 3});
        SpriteFileReader(database2).ReadBytes(odd.Bytes());
        const bool tableReachesEntry2 = tableEnd > 10;
        const bool tableReachesEntry3 = tableEnd > 14;
        if (tableEnd > odd.Size()) {
            EXPECT_FALSE(database2.Sprites().at(1).HasPixels()) << tableEnd;
        }
        EXPECT_EQ(database2.Sprites().at(2).HasPixels(), tableReachesEntry2) << tableEnd;
        EXPECT_EQ(database2.Sprites().at(3).HasPixels(), tableReachesEntry3) << tableEnd;
    }
    ByteBuilder tiny;
    tiny.U32(0).U16(0).U16(0);
    ItemDatabase database3;
    SpriteFileReader(database3).ReadBytes(tiny.Bytes());
    EXPECT_EQ(database3.Sprites().size(), 2u);
}

}  // namespace
}  // namespace tessark
