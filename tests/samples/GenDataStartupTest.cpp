#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "data/DataLoader.h"
#include "data/GameData.h"
#include "model/Creature.h"
#include "model/DepotItem.h"
#include "model/TeleportItem.h"
#include "model/ThingFactory.h"
#include "model/Tile.h"
#include "platform/MessageSink.h"
#include "samples/gendata/DataKitWriter.h"
#include "samples/gendata/ItemCatalog.h"
#include "support/ScratchDirectory.h"

namespace tessark {
namespace {

using gendata::ItemCatalog;

// The editor's own start-up over a freshly written kit.
class GenDataStartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gendata::WriteDataKit(dir_.Path().string(), 4).ok);
        loaded_ = LoadDataFiles(dir_.Path().string(), *data_, messages_);
    }

    int32_t Key(const std::string& name) const
    {
        for (const auto& [key, type] : data_->items.ServerTypes()) {
            if (type.name == name) {
                return key;
            }
        }
        ADD_FAILURE() << "no type named " << name;
        return -1;
    }

    std::unique_ptr<CItem> Make(const std::string& name, int32_t count = 1) const
    {
        return CreateThing(data_->items, Key(name), count);
    }

    const CBaseMaterial* Material(const std::string& name) const
    {
        for (int i = 0; i < data_->materials.GetMaterialCount(); ++i) {
            if (data_->materials.GetMaterial(i).GetName() == name) {
                return &data_->materials.GetMaterial(i);
            }
        }
        return nullptr;
    }

    test::ScratchDirectory dir_;
    std::unique_ptr<GameData> data_ = std::make_unique<GameData>();
    RecordingMessageSink messages_;
    bool loaded_ = false;
};

TEST_F(GenDataStartupTest, StartsWithoutAnyMessage)
{
    EXPECT_TRUE(loaded_);
    for (const auto& message : messages_.messages) {
        ADD_FAILURE() << "start-up said: " << message.text;
    }
    EXPECT_TRUE(data_->materials.LastDebugOutput().empty());
}

TEST_F(GenDataStartupTest, EveryGroupIsRepresentedAndEveryItemNamed)
{
    const ItemCatalog catalog = ItemCatalog::Build();
    std::set<ItemGroup> groups;
    for (const auto& [key, type] : data_->items.ServerTypes()) {
        groups.insert(type.group);
        EXPECT_FALSE(type.name.empty()) << "server key " << key << " has no name";
    }
    for (int group = 0; group <= 15; ++group) {
        EXPECT_TRUE(groups.contains(static_cast<ItemGroup>(group))) << "no type of group " << group;
    }
    // Teleports and depots get their kind from items.xml only.
    for (const auto& item : catalog.Items()) {
        const ItemType& loaded = data_->items.GetServerType(item.type.serverId - 100);
        EXPECT_EQ(loaded.group, item.type.group) << item.type.name;
    }
    EXPECT_EQ(data_->items.GetServerType(gendata::kSpawnMarkerId - kTypeKeyOffset).name, "spawn marker");
}

TEST_F(GenDataStartupTest, CreaturesWearTheirOutfitsAfterTheItems)
{
    const ItemCatalog catalog = ItemCatalog::Build();
    const int itemTypes = static_cast<int>(catalog.Items().size());
    std::map<std::string, const ItemType*> creatures;
    for (const auto& [key, type] : data_->items.ServerTypes()) {
        if (type.group == ItemGroup::Creature) {
            EXPECT_GT(key, itemTypes) << type.name;
            creatures[type.name] = &type;
        }
    }
    ASSERT_EQ(creatures.size(), catalog.Creatures().size());
    EXPECT_GE(catalog.Outfits().size(), 8u);
    int monsters = 0;
    for (const auto& creature : catalog.Creatures()) {
        ASSERT_TRUE(creatures.contains(creature.name)) << creature.name;
        const ItemType& type = *creatures[creature.name];
        EXPECT_EQ(type.patternX, 4) << creature.name;
        EXPECT_EQ(type.clientId, data_->items.clientItemCount + creature.lookType) << creature.name;
        EXPECT_EQ(type.outfitHead, creature.head) << creature.name;
        EXPECT_EQ(type.outfitFeet, creature.feet) << creature.name;
        // Some outfit area must be coloured, or the template colours would show.
        EXPECT_TRUE(type.outfitHead || type.outfitBody || type.outfitLegs || type.outfitFeet) << creature.name;
        monsters += creature.monster ? 1 : 0;
    }
    EXPECT_GT(monsters, 0);
    EXPECT_LT(monsters, static_cast<int>(catalog.Creatures().size()));
    const CBaseMaterial* monsterMaterial = Material("Monsters");
    ASSERT_NE(monsterMaterial, nullptr);
    EXPECT_EQ(monsterMaterial->GetCount(), monsters);

    // Every outfit shows all four outfit areas in every facing.
    for (int look = 1; look <= static_cast<int>(catalog.Outfits().size()); ++look) {
        const ItemType* outfit = data_->items.GetClientType(data_->items.clientItemCount + look - 100);
        ASSERT_NE(outfit, nullptr);
        const uint32_t perFacing = uint32_t{outfit->width} * outfit->height;
        for (uint32_t facing = 0; facing < 4; ++facing) {
            std::set<uint32_t> areas;
            for (uint32_t cell = 0; cell < perFacing; ++cell) {
                const auto& sprite = data_->items.Sprites().at(outfit->spriteIds[facing * perFacing + cell]);
                for (uint32_t p : sprite.pixels) {
                    if (p == 0xFFFF00 || p == 0xFF0000 || p == 0x00FF00 || p == 0x0000FF) {
                        areas.insert(p);
                    }
                }
            }
            EXPECT_EQ(areas.size(), 4u) << "outfit " << look << " facing " << facing;
        }
    }
}

TEST_F(GenDataStartupTest, MaterialsGroupTheItemsForTheMapMaker)
{
    const ItemCatalog catalog = ItemCatalog::Build();
    std::map<gendata::Section, int> perSection;
    int grounds = 0;
    int hangeables = 0;
    for (const auto& item : catalog.Items()) {
        ++perSection[item.section];
        grounds += item.type.group == ItemGroup::Ground ? 1 : 0;
        hangeables += item.type.hangeable ? 1 : 0;
    }
    const struct {
        const char* name;
        int count;
    } expected[] = {
        {"Grounds", grounds},
        {"Borders", perSection[gendata::Section::Borders]},
        {"Walls", perSection[gendata::Section::Walls]},
        {"Doors", perSection[gendata::Section::Doors]},
        {"Wall hangings", hangeables},
        {"Nature", perSection[gendata::Section::Nature]},
        {"Decoration", perSection[gendata::Section::Decoration]},
    };
    for (const auto& e : expected) {
        const CBaseMaterial* material = Material(e.name);
        ASSERT_NE(material, nullptr) << e.name;
        EXPECT_EQ(material->GetCount(), e.count) << e.name;
        EXPECT_GT(e.count, 0) << e.name;
    }
    // Every item type is somewhere in the palette, the rest in "Other".
    ASSERT_NE(Material("Other"), nullptr);
    EXPECT_GT(Material("Other")->GetCount(), 0);
    for (const auto& item : catalog.Items()) {
        EXPECT_GE(data_->materials.FindMaterialOfItem(item.type.serverId - 100), 0) << item.type.name;
    }
    // Containers and takeable things come from the flags.
    const CBaseMaterial* containers = Material("Containers");
    ASSERT_NE(containers, nullptr);
    for (int i = 0; i < containers->GetCount(); ++i) {
        EXPECT_EQ(data_->items.GetServerType(containers->GetItem(i)).group, ItemGroup::Container);
    }
    const CBaseMaterial* items = Material("Items");
    ASSERT_NE(items, nullptr);
    for (int i = 0; i < items->GetCount(); ++i) {
        EXPECT_TRUE(data_->items.GetServerType(items->GetItem(i)).pickupable);
    }
}

TEST_F(GenDataStartupTest, KitItemsBehaveOnTilesAsMapMakersExpect)
{
    // A torch hung on each kind of wall takes the matching facing.
    const struct {
        const char* wall;
        int facing;
    } walls[] = {{"brick wall horizontal", 1}, {"stone wall vertical", 2}, {nullptr, 0}};
    for (const auto& w : walls) {
        CTile tile;
        tile.AddThing(data_->items, Make("grass"), false);
        if (w.wall != nullptr) {
            tile.AddThing(data_->items, Make(w.wall), false);
        }
        tile.AddThing(data_->items, Make("wall torch"), false);
        const auto hung = w.wall != nullptr ? tile.GetHangingItems() : tile.GetOrdinaryItems();
        ASSERT_EQ(hung.size(), 1u);
        EXPECT_EQ(hung[0]->GetCount(), w.facing);
    }
    // A door painted over a wall replaces it; a border stays under both.
    CTile tile;
    tile.AddThing(data_->items, Make("cobblestone"), false);
    tile.AddThing(data_->items, Make("grass border north"), false);
    tile.AddThing(data_->items, Make("brick wall horizontal"), false);
    tile.AddThing(data_->items, Make("brick door horizontal"), true);
    ASSERT_EQ(tile.GetTopItems().size(), 2u);
    EXPECT_EQ(tile.GetTopItems()[0]->GetTypeKey(), Key("grass border north"));
    EXPECT_EQ(tile.GetTopItems()[1]->GetTypeKey(), Key("brick door horizontal"));
    EXPECT_NE(tile.GetMinimapColor(data_->items), 0u);

    // Special kinds become their own things; stacks and fluids keep their counts.
    EXPECT_NE(dynamic_cast<CTeleportItem*>(Make("magic portal").get()), nullptr);
    EXPECT_NE(dynamic_cast<CDepotItem*>(Make("depot chest").get()), nullptr);
    EXPECT_EQ(Make("gold coin", 57)->GetCount(), 57);
    EXPECT_EQ(Make("vial", 7)->GetCount(), 7);
    EXPECT_EQ(Make("fire rune", 3)->GetCount(), 3);
    EXPECT_EQ(Make("long sword", 3)->GetCount(), 1);
    EXPECT_NE(dynamic_cast<CCreature*>(Make("Dragon").get()), nullptr);
    EXPECT_NE(CreateThing(data_->items, gendata::kSpawnMarkerId - kTypeKeyOffset, 0), nullptr);
}

}  // namespace
}  // namespace tessark
