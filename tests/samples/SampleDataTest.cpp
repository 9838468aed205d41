#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <string>

#include "data/DataLoader.h"
#include "data/GameData.h"
#include "platform/MessageSink.h"
#include "samples/gendata/DataKitWriter.h"
#include "samples/gendata/ItemCatalog.h"
#include "support/ScratchDirectory.h"

namespace tessark {
namespace {

using gendata::ItemCatalog;

const char* const kKitFiles[] = {"morva.dat", "morva.spr", "items.qzb", "items.xml", "materials.xml", "creatures.xml"};

// One kit for the suite, loaded as the editor loads its data at start-up.
struct Kit {
    Kit() : written(gendata::WriteDataKit(dir.Path().string(), 1))
    {
        loaded = LoadDataFiles(dir.Path().string(), data, messages);
    }
    test::ScratchDirectory dir;
    gendata::DataKitResult written;
    GameData data;
    RecordingMessageSink messages;
    bool loaded = false;
};

Kit& TheKit()
{
    static Kit kit;
    return kit;
}

TEST(SampleDataTest, LoadsWithoutAMessageAndHoldsTheWholeCatalogue)
{
    Kit& kit = TheKit();
    ASSERT_TRUE(kit.written.ok) << kit.written.error;
    EXPECT_TRUE(kit.loaded);
    for (const auto& message : kit.messages.messages) {
        ADD_FAILURE() << "start-up said: " << message.text;
    }
    EXPECT_EQ(kit.data.materials.LastDebugOutput(), "");
    ItemDatabase& db = kit.data.items;
    const ItemCatalog catalog = ItemCatalog::Build();
    EXPECT_EQ(catalog.Check(), "");
    EXPECT_EQ(db.clientItemCount, catalog.HighestItemId());
    EXPECT_EQ(db.itemsMajorVersion, gendata::kItemsMajorVersion);
    EXPECT_EQ(db.itemsMinorVersion, gendata::kItemsMinorVersion);
    EXPECT_EQ(db.ServerTypes().size(), catalog.Items().size() + catalog.Creatures().size());

    // Every type arrives with the catalogue's properties and has a place in the palette.
    std::set<ItemGroup> groups;
    for (const auto& item : catalog.Items()) {
        SCOPED_TRACE(item.type.name);
        const int32_t key = item.type.serverId - kTypeKeyOffset;
        const ItemType* loaded = db.FindServerType(key);
        ASSERT_NE(loaded, nullptr);
        const ItemType* client = db.GetClientType(key);
        ASSERT_NE(client, nullptr);
        EXPECT_EQ(loaded->name, item.type.name);
        EXPECT_EQ(loaded->group, item.type.group);
        EXPECT_EQ(db.ClientToServer(static_cast<uint32_t>(item.type.clientId - kTypeKeyOffset)), key);
        EXPECT_EQ(std::tie(loaded->stackable, loaded->pickupable, loaded->moveable, loaded->topOrder, loaded->speed,
                           loaded->weight, loaded->decayTo, loaded->attack, loaded->armor, loaded->capacity),
                  std::tie(item.type.stackable, item.type.pickupable, item.type.moveable, item.type.topOrder,
                           item.type.speed, item.type.weight, item.type.decayTo, item.type.attack, item.type.armor,
                           item.type.capacity));
        EXPECT_EQ(std::tie(client->blocking, client->hangeable, client->horizontal, client->vertical,
                           client->minimapColor, client->patternX, client->patternY, client->width, client->height),
                  std::tie(item.type.blocking, item.type.hangeable, item.type.horizontal, item.type.vertical,
                           item.type.minimapColor, item.type.patternX, item.type.patternY, item.type.width,
                           item.type.height));
        EXPECT_GE(kit.data.materials.FindMaterialOfItem(key), 0);
        groups.insert(loaded->group);
    }
    for (const auto& [key, type] : db.ServerTypes()) {
        groups.insert(type.group);
    }
    for (int group = 0; group <= static_cast<int>(ItemGroup::Creature); ++group) {
        EXPECT_TRUE(groups.contains(static_cast<ItemGroup>(group))) << "no type of group " << group;
    }
}

TEST(SampleDataTest, EveryOptionIsWrittenAndEverySpriteDecodes)
{
    Kit& kit = TheKit();
    // Each option byte the client data knows, as the field it sets in a client type.
    using Flag = bool (*)(const ItemType&);
    const std::pair<const char*, Flag> options[] = {
        {"0x00 ground", [](const ItemType& t) { return t.group == ItemGroup::Ground; }},
        {"0x01 top order 1", [](const ItemType& t) { return t.alwaysOnTop && t.topOrder == 1; }},
        {"0x02 top order 2", [](const ItemType& t) { return t.alwaysOnTop && t.topOrder == 2; }},
        {"0x03 top order 3", [](const ItemType& t) { return t.alwaysOnTop && t.topOrder == 3; }},
        {"0x04 container", [](const ItemType& t) { return t.group == ItemGroup::Container; }},
        {"0x05 stackable", [](const ItemType& t) { return t.stackable; }},
        {"0x07 useable", [](const ItemType& t) { return t.useable; }},
        {"0x08 writeable", [](const ItemType& t) { return t.group == ItemGroup::Writeable; }},
        {"0x0A fluid", [](const ItemType& t) { return t.group == ItemGroup::FluidContainer; }},
        {"0x0B splash", [](const ItemType& t) { return t.group == ItemGroup::Splash; }},
        {"0x0C blocking", [](const ItemType& t) { return t.blocking; }},
        {"0x0D not moveable", [](const ItemType& t) { return !t.moveable; }},
        {"0x0E blocks projectiles", [](const ItemType& t) { return t.blockProjectile; }},
        {"0x0F blocks paths", [](const ItemType& t) { return t.blockPath; }},
        {"0x10 pickupable", [](const ItemType& t) { return t.pickupable; }},
        {"0x11 hangeable", [](const ItemType& t) { return t.hangeable; }},
        {"0x12 horizontal", [](const ItemType& t) { return t.horizontal; }},
        {"0x13 vertical", [](const ItemType& t) { return t.vertical; }},
        {"0x19 height", [](const ItemType& t) { return t.hasHeight; }},
        {"0x1C minimap colour", [](const ItemType& t) { return t.minimapColor != 0; }},
    };
    const ItemDatabase& db = kit.data.items;
    const std::vector<int32_t> clientKeys = db.ClientKeys();
    for (const auto& [option, flag] : options) {
        EXPECT_TRUE(std::any_of(clientKeys.begin(), clientKeys.end(),
                                [&](int32_t key) { return flag(*db.GetClientType(key)); }))
            << "option " << option << " is never written";
    }
    // Items, and the outfits after them, each sprite with something drawn.
    const auto drawn = [&](const ItemType& type, int32_t key) {
        ASSERT_GE(type.spriteCount, 1u) << key;
        for (uint32_t i = 0; i < type.spriteCount; ++i) {
            const auto it = db.Sprites().find(type.spriteIds[i]);
            ASSERT_NE(it, db.Sprites().end()) << key << " sprite " << i;
            EXPECT_TRUE(std::any_of(it->second.pixels.begin(), it->second.pixels.end(),
                                    [](uint32_t p) { return p != 0x00FF00FF; }))
                << key << " sprite " << i << " is blank";
        }
    };
    for (const auto& [key, type] : db.ServerTypes()) {
        drawn(type, key);
    }
    for (const int32_t key : clientKeys) {
        if (key > db.clientItemCount - kTypeKeyOffset) {
            drawn(*db.GetClientType(key), key);
        }
    }
}

TEST(SampleDataTest, SameSeedSameBytesOtherSeedOnlyOtherPictures)
{
    test::ScratchDirectory again;
    test::ScratchDirectory other;
    ASSERT_TRUE(gendata::WriteDataKit(again.Path().string(), 1).ok);
    ASSERT_TRUE(gendata::WriteDataKit(other.Path().string(), 2).ok);
    const auto bytes = [](const std::string& path) { return test::ReadFileBytes(path); };
    for (const char* name : kKitFiles) {
        EXPECT_EQ(bytes(TheKit().dir.File(name)), bytes(again.File(name))) << name;
        if (std::string(name) != "morva.spr") {
            EXPECT_EQ(bytes(TheKit().dir.File(name)), bytes(other.File(name))) << name;
        }
    }
    EXPECT_NE(bytes(TheKit().dir.File("morva.spr")), bytes(other.File("morva.spr")));

    std::ofstream(again.File("not-a-directory")) << "x";
    const auto blocked = gendata::WriteDataKit(again.File("not-a-directory"), 1);
    EXPECT_FALSE(blocked.ok);
    EXPECT_NE(blocked.error, "");
}

}  // namespace
}  // namespace tessark
