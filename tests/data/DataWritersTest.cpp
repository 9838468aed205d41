#include <gtest/gtest.h>

#include "data/ClientDataReader.h"
#include "data/ClientDataWriter.h"
#include "data/ItemDatabase.h"
#include "data/SpriteFileReader.h"
#include "data/SpriteFileWriter.h"
#include "support/ByteBuilder.h"
#include "support/ScratchDirectory.h"

namespace tessark {
namespace {

using test::ByteBuilder;

constexpr uint32_t kMagenta = 0x00FF00FF;

ClientDataRecord Record(std::vector<uint16_t> spriteIds)
{
    ClientDataRecord record;
    record.spriteIds = std::move(spriteIds);
    return record;
}

// The fields a client data record stores, for comparing what was written with what was read.
auto ClientFields(const ItemType& t)
{
    return std::tuple(t.group, t.speed, t.alwaysOnTop, t.topOrder, t.stackable, t.useable,
                      t.blocking, t.moveable, t.blockProjectile, t.blockPath, t.pickupable,
                      t.hangeable, t.horizontal, t.vertical, t.hasHeight, t.minimapColor, t.width,
                      t.height, t.cropSize, t.layers, t.patternX, t.patternY, t.animationPhases);
}

TEST(DataWritersTest, ClientDataRoundTripKeepsEveryField)
{
    std::vector<ClientDataRecord> records(10, Record({20}));
    records[0] = Record({1, 2, 3, 4, 5, 6, 7, 8});
    ItemType& ground = records[0].type;
    std::tie(ground.group, ground.speed, ground.width, ground.height, ground.cropSize, ground.minimapColor) =
        std::tuple(ItemGroup::Ground, 0xBEEF, 2, 2, 64, 0x0102);
    records[0].patternZ = 2;
    for (uint8_t order = 1; order <= 3; ++order) {
        ItemType& top = records[order].type;
        std::tie(top.alwaysOnTop, top.topOrder, top.blocking, top.moveable) = std::tuple(true, order, order == 1, order != 2);
    }
    const ItemGroup groups[] = {ItemGroup::Container, ItemGroup::Writeable, ItemGroup::FluidContainer, ItemGroup::Splash};
    for (int i = 0; i < 4; ++i) {
        records[4 + i].type.group = groups[i];
        records[4 + i].type.hasHeight = groups[i] == ItemGroup::Writeable;
    }
    records[8] = Record({30, 31, 32, 33, 34, 35});
    ItemType& flags = records[8].type;
    flags.stackable = flags.useable = flags.blockProjectile = flags.blockPath = flags.pickupable = true;
    flags.hangeable = flags.horizontal = flags.vertical = flags.hasHeight = true;
    std::tie(flags.layers, flags.patternX, flags.patternY, flags.animationPhases) = std::tuple(1, 3, 1, 2);
    records[8].extraOptions = {0x15, 1, 2, 3, 4, 0x06, 0x1D, 0xFF, 0xFF};
    records[9] = Record({});  // layers 0: no sprites
    records[9].type.layers = 0;

    test::ScratchDirectory dir;
    ASSERT_TRUE(WriteClientDataFile(dir.File("morva.dat"), 7, 5, records));
    ItemDatabase database;
    ASSERT_EQ(database.LoadClientData(dir.File("morva.dat")), 0);
    EXPECT_EQ(database.clientItemCount, 5);
    ASSERT_EQ(database.ClientTypeCount(), records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(i);
        const ItemType& read = *database.GetClientType(static_cast<int32_t>(i));
        EXPECT_EQ(read.serverId, static_cast<int32_t>(100 + i));
        EXPECT_EQ(read.clientId, static_cast<int32_t>(100 + i));
        EXPECT_TRUE(ClientFields(read) == ClientFields(records[i].type)) << "record " << i;
        ASSERT_EQ(read.spriteCount, records[i].spriteIds.size());
        for (size_t k = 0; k < records[i].spriteIds.size(); ++k) {
            EXPECT_EQ(read.spriteIds[k], records[i].spriteIds[k]);
            EXPECT_EQ(database.Sprites().count(records[i].spriteIds[k]), 1u);
        }
    }
}

TEST(DataWritersTest, ClientDataWriterRefusesRecordsItCannotWriteFaithfully)
{
    test::ScratchDirectory dir;
    const std::string path = dir.File("morva.dat");
    std::vector<ClientDataRecord> good = {Record({5})};
    ASSERT_TRUE(WriteClientDataFile(path, 1, 1, good));
    const std::vector<uint8_t> before = test::ReadFileBytes(path);

    std::vector<ClientDataRecord> mismatch = {Record({5}), Record({1, 2})};
    EXPECT_FALSE(WriteClientDataFile(path, 2, 2, mismatch));
    ClientDataRecord tooMany = Record(std::vector<uint16_t>(256, 1));
    tooMany.type.width = 16;
    tooMany.type.height = 16;
    EXPECT_FALSE(WriteClientDataFile(path, 2, 1, {&tooMany, 1}));
    ClientDataRecord tooManyCells = Record({});
    tooManyCells.type.width = 16;
    tooManyCells.type.height = 16;
    tooManyCells.patternZ = 0;
    EXPECT_FALSE(WriteClientDataFile(path, 2, 1, {&tooManyCells, 1}));
    EXPECT_EQ(test::ReadFileBytes(path), before);
    EXPECT_FALSE(WriteClientDataFile(dir.File("no/such/folder/morva.dat"), 1, 1, good));
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

TEST(DataWritersTest, SpriteWriterRefusesWrongSizesAndKeepsTheOldFile)
{
    test::ScratchDirectory dir;
    const std::string path = dir.File("morva.spr");
    std::vector<std::vector<uint32_t>> good(1, std::vector<uint32_t>(1024, 5));
    ASSERT_TRUE(WriteSpriteFile(path, 1, good));
    const std::vector<uint8_t> before = test::ReadFileBytes(path);

    std::vector<std::vector<uint32_t>> bad = {std::vector<uint32_t>(1024, 5),
                                              std::vector<uint32_t>(1000, 5)};
    EXPECT_FALSE(WriteSpriteFile(path, 2, bad));
    EXPECT_EQ(test::ReadFileBytes(path), before);

    // No sprites: only the header, which reads as an empty table.
    ASSERT_TRUE(WriteSpriteFile(path, 3, {}));
    EXPECT_EQ(test::ReadFileBytes(path).size(), 6u);
}

}  // namespace
}  // namespace tessark
