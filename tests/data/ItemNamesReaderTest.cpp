#include <gtest/gtest.h>

#include <tuple>

#include "data/ItemDatabase.h"
#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"

namespace tessark {
namespace {

using test::ScratchDirectory;
using test::WriteTextFile;

// Server types 0..8 (ids 100..108) and a client type that only the client data has (key 9).
void FillDatabase(ItemDatabase& items)
{
    for (int32_t key = 0; key < 9; ++key) {
        ItemType type;
        type.serverId = key + 100;
        items.SetServerType(key, type);
        items.SetClientType(key, type);
    }
    items.SetClientType(9, ItemType{});
}

TEST(ItemNamesReaderTest, NamesTypesAndSetsTheThreeKindsCaseSensitivelyLaterElementsWin)
{
    ScratchDirectory dir;
    ItemDatabase items;
    FillDatabase(items);
    ASSERT_TRUE(WriteTextFile(dir.File("items.xml"),
        "<?xml version=\"1.0\"?>\r\n<items>\r\n"
        "<item id=\"100\" name=\"rat\" type=\"monster\"/>\r\n"
        "<item id=\"101\" name=\"portal\" type=\"teleport\"/>\r\n"
        "<item id=\"102\" name=\"locker\" type=\"depot\"/>\r\n"
        "<item id=\"103\" name=\"Rat\" type=\"Monster\"/>\r\n"
        "<item id=\"104\" name=\"chest\" type=\"container\"><item id=\"108\" name=\"nested\"/></item>\r\n"
        "<item id=\"109\" name=\"client only\" type=\"depot\"/>\r\n"
        "<item id=\"555\" name=\"nobody\"/>\r\n"
        "<item name=\"no id\"/>\r\n"
        "<item id=\"105\" name=\"\" type=\"depot\"/>\r\n"  // an empty name skips the element
        "<item id=\"106\" name=\"first\" type=\"teleport\"/>\r\n"
        "<item id=\"106\" name=\"second\" type=\"container\"/>\r\n"
        "<item id=\"107\" name=\"wall\"/>\r\n"
        "<item id=\"107\" type=\"monster\"/>\r\n"
        "<other id=\"108\" name=\"not an item\"/>\r\n"
        "</items>\r\n"));

    EXPECT_TRUE(items.LoadItemNames(dir.File("items.xml")));

    const std::tuple<int32_t, const char*, ItemGroup> named[] = {
        {0, "rat", ItemGroup::Creature}, {1, "portal", ItemGroup::Teleport}, {2, "locker", ItemGroup::Depot},
        {3, "Rat", ItemGroup::None},     {4, "chest", ItemGroup::None},   {5, "", ItemGroup::None},
        {6, "second", ItemGroup::Teleport}, {7, "wall", ItemGroup::None},   {8, "", ItemGroup::None}};
    for (const auto& [key, name, group] : named) {
        EXPECT_EQ(std::tuple(items.GetServerType(key).name, items.GetServerType(key).group), std::tuple(name, group));
    }
    // The server type is the one named; its client type keeps its own record.
    EXPECT_EQ(items.GetClientType(0)->name, "");
    EXPECT_EQ(items.GetClientType(9)->name, "client only");
    EXPECT_EQ(items.GetClientType(9)->group, ItemGroup::Depot);
    EXPECT_EQ(items.ServerTypes().size(), 9u);
    EXPECT_EQ(items.ClientTypeCount(), 10u);
}

}  // namespace
}  // namespace tessark
