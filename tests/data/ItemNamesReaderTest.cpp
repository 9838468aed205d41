#include <gtest/gtest.h>

#include <tuple>

#include "data/ItemDatabase.h"
#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"

namespace tessark {
namespace {

using test::ScratchDirectory;
using test::WriteTextFile;

// Server types 0..4 (ids 100..104) and a client type that only the client data has (key 9).
void FillDatabase(ItemDatabase& items)
{
    for (int32_t key = 0; key < 5; ++key) {
        ItemType type;
        type.serverId = key + 100;
        items.SetServerType(key, type);
        items.SetClientType(key, type);
    }
    items.SetClientType(9, ItemType{});
}

std::string ItemsXml(const std::string& elements)
{
    return "<?xml version=\"1.0\"?>\r\n<items>\r\n" + elements + "</items>\r\n";
}

TEST(ItemNamesReaderTest, NamesTypesAndSetsTheThreeKindsCaseSensitively)
{
    ScratchDirectory dir;
    ItemDatabase items;
    FillDatabase(items);
    ASSERT_TRUE(WriteTextFile(dir.File("items.xml"), ItemsXml(
        "<item id=\"100\" name=\"rat\" type=\"monster\"/>\r\n"
        "<item id=\"101\" name=\"portal\" type=\"teleport\"/>\r\n"
        "<item id=\"102\" name=\"locker\" type=\"depot\"/>\r\n"
        "<item id=\"103\" name=\"Rat\" type=\"Monster\"/>\r\n"
        "<item id=\"104\" name=\"chest\" type=\"container\"/>\r\n"
        "<item id=\"109\" name=\"client only\" type=\"depot\"/>\r\n"
        "<item id=\"555\" name=\"nobody\"/>\r\n"
        "<item name=\"no id\"/>\r\n")));

    EXPECT_TRUE(items.LoadItemNames(dir.File("items.xml")));

    const std::tuple<int32_t, const char*, ItemGroup> named[] = {
        {0, "rat", ItemGroup::Creature}, {1, "portal", ItemGroup::Teleport}, {2, "locker", ItemGroup::Depot},
        {3, "Rat", ItemGroup::None},     {4, "chest", ItemGroup::None}};
    for (const auto& [key, name, group] : named) {
        EXPECT_EQ(std::tuple(items.GetServerType(key).name, items.GetServerType(key).group), std::tuple(name, group));
    }
    // The server type is the one named; its client type keeps its own record.
    EXPECT_EQ(items.GetClientType(0)->name, "");
    EXPECT_EQ(items.GetClientType(9)->name, "client only");
    EXPECT_EQ(items.GetClientType(9)->group, ItemGroup::Depot);
    EXPECT_EQ(items.ServerTypes().size(), 5u);
    EXPECT_EQ(items.ClientTypeCount(), 6u);
}

TEST(ItemNamesReaderTest, EmptyNameSkipsTheElementAndLaterElementsOverwrite)
{
    ScratchDirectory dir;
    ItemDatabase items;
    FillDatabase(items);
    ASSERT_TRUE(WriteTextFile(dir.File("items.xml"), ItemsXml(
        "<item id=\"100\" name=\"\" type=\"depot\"/>\r\n"
        "<item id=\"101\" name=\"first\" type=\"teleport\"/>\r\n"
        "<item id=\"101\" name=\"second\" type=\"container\"/>\r\n"
        "<item id=\"102\" name=\"wall\"/>\r\n"
        "<item id=\"102\" type=\"monster\"/>\r\n"
        "<other id=\"103\" name=\"not an item\"/>\r\n"
        "<item id=\"104\" name=\"box\"><item id=\"103\" name=\"nested\"/></item>\r\n")));

    EXPECT_TRUE(items.LoadItemNames(dir.File("items.xml")));

    const std::tuple<int32_t, const char*, ItemGroup> named[] = {
        {0, "", ItemGroup::None}, {1, "second", ItemGroup::Teleport}, {2, "wall", ItemGroup::None},
        {3, "", ItemGroup::None}, {4, "box", ItemGroup::None}};
    for (const auto& [key, name, group] : named) {
        EXPECT_EQ(std::tuple(items.GetServerType(key).name, items.GetServerType(key).group), std::tuple(name, group));
    }
}

}  // namespace
}  // namespace tessark
