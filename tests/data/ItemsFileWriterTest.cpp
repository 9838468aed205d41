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

// A default type (ids 100: nothing written but the node) and one with every number set.
std::vector<ItemType> SampleTypes()
{
    std::vector<ItemType> types(2);
    ItemType& sword = types[1];
    std::tie(sword.group, sword.serverId, sword.clientId, sword.name, sword.weight) =
        std::tuple(ItemGroup::Weapon, 2000, 2001, "sword", 35.5);
    std::tie(sword.attack, sword.defence, sword.armor, sword.capacity, sword.magicLevel, sword.decayTo,
             sword.decayTime) = std::tuple(255, 14, 12, 8, 3, 2051, 65535);
    return types;
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
