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

}  // namespace
}  // namespace tessark
