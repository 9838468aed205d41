#include <gtest/gtest.h>

#include "data/ItemDatabase.h"

namespace tessark {
namespace {

ItemType MakeType(int32_t serverId, std::string name)
{
    ItemType type;
    type.serverId = serverId;
    type.name = std::move(name);
    return type;
}

TEST(ItemDatabaseTest, LookupsFallBackWithoutFailing)
{
    ItemDatabase database;
    database.SetClientType(5, MakeType(105, "client only"));
    database.SetServerType(7, MakeType(107, "server"));
    database.SetClientType(7, MakeType(107, "client of server"));

    // GetType prefers the server type and falls back to the client type.
    ASSERT_NE(database.GetType(7), nullptr);
    EXPECT_EQ(database.GetType(7)->name, "server");
    ASSERT_NE(database.GetType(5), nullptr);
    EXPECT_EQ(database.GetType(5)->name, "client only");
    EXPECT_EQ(database.GetType(6), nullptr);

    // GetServerType never fails, also for keys outside the fast index.
    EXPECT_EQ(database.GetServerType(5).serverId, 100);
    EXPECT_TRUE(database.GetServerType(5).spriteIds[0] == 0);
    EXPECT_EQ(database.GetServerType(-100).name, "");
    EXPECT_EQ(database.GetServerType(1 << 20).name, "");
    database.SetServerType(-3, MakeType(97, "negative"));
    EXPECT_EQ(database.GetServerType(-3).name, "negative");
}

ItemType Drawn(int32_t key, std::initializer_list<uint16_t> ids)
{
    ItemType type;
    type.serverId = type.clientId = key + kTypeKeyOffset;
    type.group = ItemGroup::Splash;
    type.blocking = type.hangeable = type.vertical = true;
    type.moveable = false;
    type.topOrder = 2;
    type.speed = 170;
    type.minimapColor = 0x1234;
    type.width = type.height = 2;
    type.cropSize = 64;
    type.animationPhases = static_cast<uint8_t>(ids.size());
    type.spriteCount = static_cast<uint32_t>(ids.size());
    type.spriteIds.Assign(std::vector<uint16_t>(ids));
    return type;
}

// Client types live as compact records: whatever is set must come back whole, and changes made
// through a handed-out type must stay.
TEST(ItemDatabaseTest, ClientTypesComeBackWholeAndKeepChanges)
{
    ItemDatabase database;
    ItemType named = Drawn(4, {7});
    named.name = "named";
    ItemType manySprites = Drawn(6, {1, 2});
    manySprites.spriteCount = 300;
    const std::vector<std::pair<int32_t, ItemType>> types = {
        {3, Drawn(3, {9, 8, 7})}, {4, named}, {5, Drawn(5, {})}, {6, manySprites},
        {70000, Drawn(70000, {4})}, {-5, Drawn(-5, {5})}};
    for (const auto& [key, type] : types) {
        database.SetClientType(key, type);
    }
    // Replacing a record with more ids must not spill into its neighbour's.
    database.SetClientType(3, Drawn(3, {1, 2, 3, 4, 5}));
    ItemType three = Drawn(3, {1, 2, 3, 4, 5});
    EXPECT_EQ(*database.GetClientType(3), three);
    for (const auto& [key, type] : types) {
        if (key != 3) {
            ASSERT_NE(database.GetClientType(key), nullptr) << key;
            EXPECT_EQ(*database.GetClientType(key), type) << key;
            EXPECT_EQ(database.GetType(key), database.GetClientType(key)) << key;
        }
    }
    EXPECT_EQ(database.ClientTypeCount(), types.size());
    EXPECT_EQ(database.ClientKeys(), (std::vector<int32_t>{-5, 3, 4, 5, 6, 70000}));
    EXPECT_FALSE(database.HasClientType(7));

    database.GetClientType(5)->group = ItemGroup::Creature;
    database.GetClientType(5)->minimapColor = 9;
    EXPECT_EQ(database.GetType(5)->group, ItemGroup::Creature);
    ItemType server;
    ASSERT_TRUE(database.CopyClientDrawing(5, server));
    EXPECT_EQ(server.minimapColor, 9);
    ASSERT_TRUE(database.CopyClientDrawing(3, server));
    EXPECT_EQ(server.spriteIds, three.spriteIds);

    // A record read again replaces the type handed out, at the same address.
    const ItemType* handedOut = database.GetClientType(5);
    database.SetClientRecord(5, ClientRecord::From(Drawn(5, {})), std::vector<uint16_t>{42});
    EXPECT_EQ(database.GetClientType(5), handedOut);
    EXPECT_EQ(handedOut->spriteIds[0], 42);
    EXPECT_EQ(handedOut->group, ItemGroup::Splash);
    EXPECT_EQ(database.ClientTypeCount(), types.size());
}

}  // namespace
}  // namespace tessark
