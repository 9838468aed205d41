#include <gtest/gtest.h>

#include <tuple>
#include <type_traits>
#include <vector>

#include "data/GameData.h"
#include "data/MaterialList.h"
#include "platform/MessageSink.h"
#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"

namespace tessark {
namespace {

using test::ScratchDirectory;
using test::WriteTextFile;
using Message = RecordingMessageSink::Message;

static_assert(!std::is_copy_constructible_v<GameData> && std::is_aggregate_v<GameData>);

std::vector<int32_t> Keys(const CBaseMaterial& material)
{
    std::vector<int32_t> keys;
    for (int i = 0; i < material.GetCount(); ++i) {
        keys.push_back(material.GetItem(i));
    }
    return keys;
}

// Keys 0 ground, 1 ground, 2 takeable container, 3 hangeable, 4 plain, 5 takeable,
// 8 ground with id 108 (above clientItemCount 105), and client types up to key 7.
void FillDatabase(ItemDatabase& items)
{
    items.clientItemCount = 105;
    const std::tuple<int32_t, ItemGroup, bool, bool> types[] = {  // key, group, pickupable, hangeable
        {0, ItemGroup::Ground, false, false}, {1, ItemGroup::Ground, false, false},
        {2, ItemGroup::Container, true, false}, {3, ItemGroup::None, false, true}, {4, ItemGroup::None, false, false},
        {5, ItemGroup::None, true, false}, {8, ItemGroup::Ground, false, false}};
    for (const auto& [key, group, pickupable, hangeable] : types) {
        ItemType type;
        std::tie(type.serverId, type.group, type.pickupable, type.hangeable) =
            std::tuple(key + 100, group, pickupable, hangeable);
        items.SetServerType(key, type);
    }
    for (int32_t key = 0; key <= 7; ++key) {
        ItemType client;
        client.clientId = key + 100;
        client.spriteIds.Set(0, static_cast<uint16_t>(key + 1));
        items.SetClientType(key, client);
    }
}

TEST(MaterialListTest, FlagPassThenRangesInFileOrder)
{
    ScratchDirectory dir;
    GameData data;
    FillDatabase(data.items);
    RecordingMessageSink messages;
    ASSERT_TRUE(WriteTextFile(dir.File("materials.xml"),
        "<?xml version=\"1.0\"?>\r\n<materials>\r\n"
        "<material name=\"Grounds\" ground=\"1\"><item fromid=\"101\" toid=\"101\"/></material>\r\n"
        "<material name=\"Ranges\">\r\n"
        "  <item fromid=\"104\"/>\r\n"          // single key 4
        "  <item fromid=\"104\" toid=\"102\"/>\r\n"  // reversed: nothing
        "  <item fromid=\"99\"/>\r\n"           // below the first id: nothing
        "  <item fromid=\"103\" toid=\"2000000000\"/>\r\n"  // stops at clientItemCount
        "  <item toid=\"103\"/>\r\n"            // from -100: nothing
        "</material>\r\n"
        "<palette name=\"not a material\" ground=\"1\"/>\r\n"
        "<material name=\"Flags off\" takeable=\"2\" container=\"yes\" hangable=\"\"/>\r\n"
        "<material name=\"Mixed\" takeable=\"1\" container=\"1\" hangable=\"1\"/>\r\n"
        "<material name=\"Rest\" nogroup=\"1\"><item fromid=\"101\" toid=\"105\"/></material>\r\n"
        "</materials>\r\n"));

    ASSERT_TRUE(data.materials.LoadMaterials(dir.File("materials.xml"), data.items, messages));
    EXPECT_TRUE(messages.messages.empty());

    const CMaterialList& list = data.materials;
    ASSERT_EQ(list.GetMaterialCount(), 5);
    EXPECT_EQ(list.GetMaterial(0).GetName(), "Grounds");
    // Key 8 is a ground too, but its id lies above the client's items.
    EXPECT_EQ(Keys(list.GetMaterial(0)), (std::vector<int32_t>{0, 1, 1}));
    EXPECT_EQ(Keys(list.GetMaterial(1)), (std::vector<int32_t>{4, 3, 4, 5}));
    EXPECT_EQ(list.GetMaterial(2).GetName(), "Flags off");
    EXPECT_EQ(list.GetMaterial(2).GetCount(), 0);
    // A takeable container is added once.
    EXPECT_EQ(Keys(list.GetMaterial(3)), (std::vector<int32_t>{2, 3, 5}));
    // Nothing is left for nogroup, so only the range fills it, with keys already listed.
    EXPECT_EQ(Keys(list.GetMaterial(4)), (std::vector<int32_t>{1, 2, 3, 4, 5}));

    EXPECT_EQ(list.FindMaterialOfItem(1), 0);
    EXPECT_EQ(list.FindMaterialOfItem(5), 1);
    EXPECT_EQ(list.FindMaterialOfItem(2), 3);
    EXPECT_EQ(list.FindMaterialOfItem(8), -1);
    EXPECT_EQ(list.FindMaterialOfItem(-1), -1);
}

TEST(MaterialListTest, CreaturesBecomeServerTypesAfterTheItems)
{
    ScratchDirectory dir;
    GameData data;
    FillDatabase(data.items);
    // Outfits follow the 105 items of the client data: look type 1 is client key 6.
    RecordingMessageSink messages;
    ASSERT_TRUE(WriteTextFile(dir.File("creatures.xml"),
        "<?xml version=\"1.0\"?>\r\n<creatures>\r\n"
        "<creature looktype=\"1\" name=\"Rat\" type=\"Monster\" head=\"200\" body=\"132\" "
        "legs=\"261\" feet=\"-1\"/>\r\n"
        "<creature looktype=\"2\" name=\"Guard\" type=\"npc\"/>\r\n"
        "<creature looktype=\"-5\" name=\"Nothing\" type=\"monster\"/>\r\n"
        "<creature looktype=\"9\" name=\"No outfit\" type=\"monster\"/>\r\n"
        "<creature looktype=\"1\" name=\"Bat\" type=\"MONSTER\"/>\r\n"
        "<creature looktype=\"2\" name=\"Cat\"/>\r\n"
        "</creatures>\r\n"));

    ASSERT_TRUE(data.materials.LoadCreatures(dir.File("creatures.xml"), data.items, messages));
    EXPECT_EQ(messages.messages,
              (std::vector<Message>{{"creatures.xml: 2 creatures have no outfit in morva.dat and "
                                     "were left out.",
                                     MessageIcon::Warning}}));

    // Seven server types make the first creature's key 8; an item holds it, so it takes 9.
    const ItemType& rat = data.items.GetServerType(9);
    EXPECT_EQ(std::make_tuple(rat.name, rat.group, rat.spriteIds[0], rat.outfitHead, rat.outfitBody, rat.outfitLegs, rat.outfitFeet),
              std::make_tuple("Rat", ItemGroup::Creature, 7, 0, 132, 5, 0));
    EXPECT_EQ(data.items.GetServerType(8).serverId, 108);
    EXPECT_EQ(data.items.GetServerType(10).name, "Guard");
    EXPECT_EQ(data.items.GetServerType(10).spriteIds[0], 8);
    EXPECT_EQ(data.items.GetServerType(11).name, "Bat");
    EXPECT_EQ(data.items.GetServerType(12).name, "Cat");
    EXPECT_EQ(data.items.ServerTypes().size(), 11u);
    EXPECT_EQ(data.items.GetClientType(6)->group, ItemGroup::Creature);

    ASSERT_EQ(data.materials.GetMaterialCount(), 1);
    EXPECT_EQ(data.materials.GetMaterial(0).GetName(), "Monsters");
    EXPECT_EQ(Keys(data.materials.GetMaterial(0)), (std::vector<int32_t>{9, 11}));
    EXPECT_EQ(data.materials.FindMaterialOfItem(11), 0);
    EXPECT_EQ(data.materials.FindMaterialOfItem(10), -1);
}

}  // namespace
}  // namespace tessark
