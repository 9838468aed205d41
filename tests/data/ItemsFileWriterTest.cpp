#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "data/ItemDatabase.h"
#include "data/ItemsFileWriter.h"
#include "support/NodeFileBuilder.h"

namespace tessark {
namespace {

using test::NodeFileTestDir;
using test::ReadFileBytes;

// Every field the items file holds.
auto StoredFields(const ItemType& t)
{
    return std::tie(t.serverId, t.clientId, t.blocking, t.blockProjectile, t.blockPath, t.hasHeight, t.alwaysOnTop,
                    t.topOrder, t.readable, t.stackable, t.moveable, t.pickupable, t.useable, t.vertical, t.horizontal,
                    t.hangeable, t.speed, t.capacity, t.attack, t.defence, t.armor, t.magicLevel, t.weight, t.decayTo,
                    t.decayTime, t.name, t.minimapColor);
}

void ExpectSameType(const ItemType& read, const ItemType& written)
{
    EXPECT_EQ(StoredFields(read), StoredFields(written)) << written.name;
}

std::vector<ItemType> SampleTypes()
{
    std::vector<ItemType> types(6);
    ItemType& plate = types[0];
    plate.group = ItemGroup::Armor;
    plate.serverId = 0x1FF;  // a 0xFF byte in the id
    plate.clientId = 0x2FE;
    plate.name = "plate \xFE\xFD armor";
    plate.armor = 12;
    plate.weight = 120.25;
    plate.pickupable = true;
    plate.readable = true;
    plate.minimapColor = 0xFD;

    ItemType& sword = types[1];
    sword.group = ItemGroup::Weapon;
    sword.serverId = 2000;
    sword.clientId = 2001;
    sword.name = "sword";
    sword.attack = 255;
    sword.defence = 14;
    sword.weight = 35.5;

    ItemType& torch = types[2];
    torch.serverId = 2050;
    torch.clientId = 2050;
    torch.decayTo = 2051;
    torch.decayTime = 65535;
    torch.magicLevel = 3;
    torch.speed = 0;
    torch.capacity = 8;

    ItemType& wall = types[3];
    wall.group = ItemGroup::Door;
    wall.serverId = 1200;
    wall.clientId = 1201;
    wall.blocking = wall.blockProjectile = wall.blockPath = wall.hasHeight = true;
    wall.alwaysOnTop = true;
    wall.topOrder = 2;
    wall.vertical = true;
    wall.horizontal = true;
    wall.hangeable = true;
    wall.moveable = false;
    wall.useable = wall.stackable = true;
    wall.speed = 130;

    // Only the defaults: ids 100 are not written at all.
    types[4].name = "";

    ItemType& creature = types[5];
    creature.group = ItemGroup::Creature;
    creature.serverId = 19999;
    creature.clientId = 300;
    creature.name = std::string(127, 'c');
    return types;
}

TEST(ItemsFileWriterTest, RoundTripThroughTheReader)
{
    NodeFileTestDir dir;
    const std::string path = dir.File("items.qzb");
    const std::vector<ItemType> types = SampleTypes();
    ASSERT_TRUE(WriteItemsFile(path, 0xFE01, 0x77, types));

    ItemDatabase database;
    for (const ItemType& type : types) {
        // The reader takes drawing from the client type: give it the same values.
        ItemType client = type;
        client.spriteIds.Set(3, static_cast<uint16_t>(type.clientId));
        database.SetClientType(type.clientId - kTypeKeyOffset, client);
    }
    ASSERT_EQ(database.LoadItems(path), 0);
    EXPECT_EQ(database.itemsMajorVersion, 0xFE01u);
    EXPECT_EQ(database.itemsMinorVersion, 0x77u);
    ASSERT_EQ(database.ServerTypes().size(), types.size());
    for (const ItemType& type : types) {
        const ItemType& read = database.GetServerType(type.serverId - kTypeKeyOffset);
        ExpectSameType(read, type);
        EXPECT_EQ(read.spriteIds[3], type.clientId);
        EXPECT_EQ(database.ClientToServer(type.clientId - kTypeKeyOffset),
                  type.serverId - kTypeKeyOffset);
    }
    EXPECT_EQ(database.GetServerType(1100).group, ItemGroup::Door);
    EXPECT_EQ(database.GetServerType(19899).group, ItemGroup::None)
        << "a creature type is stored as group 0";
}

TEST(ItemsFileWriterTest, UnstorableValuesFailAndKeepThePreviousFile)
{
    NodeFileTestDir dir;
    const std::string path = dir.File("items.qzb");
    ASSERT_TRUE(WriteItemsFile(path, 1, 1, SampleTypes()));
    const std::vector<uint8_t> previous = ReadFileBytes(path);

    const std::function<void(ItemType&)> breakers[] = {
        [](ItemType& t) { t.serverId = 70000; },
        [](ItemType& t) { t.clientId = -1; },
        [](ItemType& t) { t.name = std::string(128, 'n'); },
        [](ItemType& t) { t.attack = 256; },
        [](ItemType& t) { t.defence = -1; },
        [](ItemType& t) { t.armor = 65536; },
        [](ItemType& t) { t.capacity = 65536; },
        [](ItemType& t) { t.magicLevel = -5; },
        [](ItemType& t) { t.decayTime = 100000; },
    };
    for (const auto& breakType : breakers) {
        std::vector<ItemType> types = SampleTypes();
        breakType(types[1]);
        EXPECT_FALSE(WriteItemsFile(path, 2, 2, types));
        EXPECT_EQ(ReadFileBytes(path), previous);
    }
    EXPECT_FALSE(WriteItemsFile(dir.File("no-folder/items.qzb"), 2, 2, SampleTypes()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace tessark
