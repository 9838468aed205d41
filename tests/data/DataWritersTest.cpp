#include <gtest/gtest.h>

#include "data/ClientDataWriter.h"
#include "data/ItemDatabase.h"
#include "data/SpriteFileReader.h"
#include "data/SpriteFileWriter.h"
#include "platform/LittleEndian.h"
#include "support/ScratchDirectory.h"

namespace tessark {
namespace {

constexpr uint32_t kMagenta = 0x00FF00FF;

ClientDataRecord Record(std::vector<uint16_t> spriteIds)
{
    ClientDataRecord record;
    record.spriteIds = std::move(spriteIds);
    return record;
}

TEST(DataWritersTest, WritersRefuseWhatTheyCannotWriteFaithfullyAndKeepTheOldFile)
{
    test::ScratchDirectory dir;
    const std::string path = dir.File("morva.dat");
    std::vector<ClientDataRecord> good = {Record({5})};
    ASSERT_TRUE(WriteClientDataFile(path, 1, 1, good));
    const std::vector<uint8_t> before = test::ReadFileBytes(path);

    std::vector<ClientDataRecord> mismatch = {Record({5}), Record({1, 2})};
    EXPECT_FALSE(WriteClientDataFile(path, 2, 2, mismatch));
    // Neither 256 ids nor 256 cells without ids fit a record.
    for (const auto& [ids, patternZ] : {std::pair<size_t, uint8_t>{256, 1}, {0, 0}}) {
        ClientDataRecord big = Record(std::vector<uint16_t>(ids, 1));
        big.type.width = big.type.height = 16;
        big.patternZ = patternZ;
        EXPECT_FALSE(WriteClientDataFile(path, 2, 1, {&big, 1}));
    }
    EXPECT_EQ(test::ReadFileBytes(path), before);
    EXPECT_FALSE(WriteClientDataFile(dir.File("no/such/folder/morva.dat"), 1, 1, good));

    // The sprite writer takes only whole sprites.
    const std::string sprites = dir.File("morva.spr");
    std::vector<std::vector<uint32_t>> pictures(1, std::vector<uint32_t>(1024, 5));
    ASSERT_TRUE(WriteSpriteFile(sprites, 1, pictures));
    const std::vector<uint8_t> spritesBefore = test::ReadFileBytes(sprites);
    pictures.emplace_back(1000, 5);
    EXPECT_FALSE(WriteSpriteFile(sprites, 2, pictures));
    EXPECT_EQ(test::ReadFileBytes(sprites), spritesBefore);

    // No sprites: only the header, which reads as an empty table.
    ASSERT_TRUE(WriteSpriteFile(sprites, 3, {}));
    EXPECT_EQ(test::ReadFileBytes(sprites).size(), 6u);
}

// The writer takes rows top first; the reader stores them bottom first.
std::vector<uint32_t> BottomUp(const std::vector<uint32_t>& topDown)
{
    std::vector<uint32_t> out(topDown.size());
    for (size_t row = 0; row < 32; ++row) {
        for (size_t column = 0; column < 32; ++column) {
            out[(31 - row) * 32 + column] = topDown[row * 32 + column];
        }
    }
    return out;
}

TEST(DataWritersTest, SpriteRoundTripKeepsEveryPixel)
{
    std::vector<std::vector<uint32_t>> sprites(6);
    sprites[1].assign(1024, kMagenta);  // sprite 2: transparent with a pattern
    for (size_t i = 0; i < 1024; ++i) {
        if (i % 7 == 0 || (i / 32) % 5 == 1) {
            sprites[1][i] = static_cast<uint32_t>(i * 2654435761u) & 0x00FFFFFF;
        }
    }
    sprites[1][1023] = 0x00010203;
    sprites[2].assign(1024, kMagenta);  // sprite 3: all transparent
    for (size_t i = 0; i < 1024; ++i) {  // sprite 4: no transparent pixel at all
        sprites[3].push_back(0x00FF0000 | static_cast<uint32_t>(i));
    }
    // sprite 5 stays empty; sprite 6 has one pixel in the first row.
    sprites[5].assign(1024, kMagenta);
    sprites[5][31] = 0x00ABCDEF;

    test::ScratchDirectory dir;
    ASSERT_TRUE(WriteSpriteFile(dir.File("morva.spr"), 0x1234, sprites));
    const std::vector<uint8_t> bytes = test::ReadFileBytes(dir.File("morva.spr"));
    ASSERT_GE(bytes.size(), 30u);
    EXPECT_EQ(LoadU32(bytes.data()), 0x1234u);
    EXPECT_EQ(LoadU16(bytes.data() + 4), 6);
    EXPECT_EQ(LoadU32(bytes.data() + 6), 30u);  // the first offset ends the table
    EXPECT_EQ(LoadU32(bytes.data() + 6 + 4 * 4), 0u);

    ItemDatabase database;
    for (uint32_t id = 1; id <= 6; ++id) {
        database.Sprites()[id].id = id;
    }
    ASSERT_TRUE(SpriteFileReader(database).Read(dir.File("morva.spr")));
    const SpriteTable& read = database.Sprites();
    EXPECT_FALSE(read.at(1).HasPixels());  // an empty first sprite is a size-0 block
    EXPECT_EQ(read.at(1).rawSize, 0);
    for (uint32_t id : {2u, 3u, 4u, 6u}) {
        ASSERT_TRUE(read.at(id).HasPixels()) << id;
        EXPECT_EQ(read.at(id).pixels, BottomUp(sprites[id - 1])) << id;
        EXPECT_EQ(read.at(id).rawSize, EncodeSpritePixels(sprites[id - 1]).size()) << id;
    }
    EXPECT_FALSE(read.at(5).HasPixels());
}

}  // namespace
}  // namespace tessark
