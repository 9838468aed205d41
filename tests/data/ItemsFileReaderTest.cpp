#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "data/ItemDatabase.h"
#include "support/NodeFileBuilder.h"

namespace tessark {
namespace {

using test::NodeFileBuilder;
using test::NodeFileTestDir;

std::vector<uint8_t> Le16(uint16_t value)
{
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
}

void Attribute(NodeFileBuilder& file, uint8_t id, const std::vector<uint8_t>& value)
{
    file.U8(id).U16(static_cast<uint16_t>(value.size())).Props(value);
}

void VersionAttribute(NodeFileBuilder& file, uint32_t major, uint32_t minor)
{
    file.U8(0x01).U16(140).U32(major).U32(minor);
    file.Props(std::vector<uint8_t>(132, 0));
}

// A file with root flags and a version attribute; items are added by the caller.
NodeFileBuilder ItemsFile(uint32_t major = 3, uint32_t minor = 7)
{
    NodeFileBuilder file;
    file.Start(0);
    file.U32(0);
    VersionAttribute(file, major, minor);
    return file;
}

// Starts an item node with flags, server id and client id; the caller adds more and ends it.
NodeFileBuilder& Item(NodeFileBuilder& file, uint16_t serverId, uint16_t clientId,
                      uint8_t group = 0, uint32_t flags = 0)
{
    file.Start(group);
    file.U32(flags);
    Attribute(file, 0x10, Le16(serverId));
    Attribute(file, 0x11, Le16(clientId));
    return file;
}

ItemType ClientType(int32_t key)
{
    ItemType type;
    type.serverId = key + 100;
    type.clientId = key + 100;
    type.vertical = true;
    type.minimapColor = 77;
    type.width = 2;
    type.height = 2;
    type.cropSize = 64;
    type.spriteCount = 8;
    type.layers = 2;
    type.animationPhases = 2;
    type.spriteIds.Set(0, static_cast<uint16_t>(1000 + key));
    type.spriteIds.Set(254, 9);
    return type;
}

class ItemsFileReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int32_t key : {0, 1, 2, 3, 50}) {
            database.SetClientType(key, ClientType(key));
        }
    }
    int Load(NodeFileBuilder& file)
    {
        return database.LoadItems(dir.Write("items.qzb", file.Bytes()));
    }

    NodeFileTestDir dir;
    ItemDatabase database;
};

TEST_F(ItemsFileReaderTest, LoadsAttributesAndTakesDrawingFromTheClient)
{
    NodeFileBuilder file = ItemsFile(3, 7);
    Item(file, 2100, 101, 5, 0x0001 | 0x0004 | 0x0040 | 0x2000 | 0x4000 | 0x20000 | 0x80000);
    Attribute(file, 0x12, {'H', 'e', 'l', 'm', 0, 'x'});
    Attribute(file, 0x13, {'d', 'e', 's', 'c'});
    Attribute(file, 0x14, Le16(150));
    Attribute(file, 0x15, Le16(1));
    Attribute(file, 0x16, Le16(0xFEFF));
    Attribute(file, 0x18, {9, 9, 9, 30, 12});
    std::vector<uint8_t> armor = Le16(0x1FE);
    armor.resize(8, 0xFF);
    const uint8_t weight[] = {0, 0, 0, 0, 0, 0, 0x29, 0x40};  // 12.5
    armor.insert(armor.end(), std::begin(weight), std::end(weight));
    armor.resize(24, 0xFD);
    Attribute(file, 0x1A, armor);
    Attribute(file, 0x1B, Le16(40));
    Attribute(file, 0x1F, {0x34, 0x12, 0x2C, 0x01});
    Attribute(file, 0x21, Le16(5));
    Attribute(file, 0x2B, {2});
    const std::pair<uint8_t, size_t> unused[] = {{0x1C, 1}, {0x1D, 2}, {0x1E, 2}, {0x20, 16},
                                                 {0x22, 2}, {0x23, 2}, {0x24, 4}, {0x29, 2},
                                                 {0x2A, 4}, {0x2C, 4}};
    for (auto [id, length] : unused) {
        Attribute(file, id, std::vector<uint8_t>(length, 0xFE));
    }
    file.End();
    // The alternative attribute ids of a second item.
    Item(file, 2101, 102);
    Attribute(file, 0x19, {0, 0, 44});
    Attribute(file, 0x25, {10, 0, 20, 0});
    std::vector<uint8_t> armor2 = Le16(7);
    armor2.insert(armor2.end(), std::begin(weight), std::end(weight));
    armor2.resize(12, 0);
    Attribute(file, 0x28, armor2);
    file.End();
    Item(file, 2102, 103);
    Attribute(file, 0x26, {0, 0, 0, 1, 2});
    Attribute(file, 0x17, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F});
    file.End();
    Item(file, 2103, 103);
    Attribute(file, 0x27, {0, 0, 3});
    file.End();
    // Server ids end at 19999; names take up to 127 bytes; flag bit 20 makes an item readable.
    Item(file, 19999, 150).End();
    Item(file, 20000, 150).End();
    Item(file, 600, 100, 13, 0x00100000);
    Attribute(file, 0x12, std::vector<uint8_t>(127, 'n'));
    file.End();
    Item(file, 601, 100, 0, 0xFFFFFFFFu & ~0x00104000u).End();
    file.End();

    ASSERT_EQ(Load(file), 0);
    EXPECT_EQ(database.itemsMajorVersion, 3u);
    EXPECT_EQ(database.itemsMinorVersion, 7u);
    ASSERT_EQ(database.ServerTypes().size(), 7u);

    const ItemType& helm = database.GetServerType(2000);
    EXPECT_EQ(helm.group, ItemGroup::Armor);
    EXPECT_EQ(helm.serverId, 2100);
    EXPECT_EQ(helm.clientId, 101);
    EXPECT_EQ(helm.name, "Helm");
    EXPECT_TRUE(helm.blocking && helm.blockPath && helm.moveable && helm.alwaysOnTop && helm.readable);
    EXPECT_FALSE(helm.blockProjectile || helm.hasHeight || helm.useable || helm.pickupable ||
                 helm.stackable || helm.hangeable);
    EXPECT_EQ(std::tie(helm.speed, helm.capacity, helm.attack, helm.defence, helm.armor, helm.weight, helm.magicLevel,
                       helm.decayTo, helm.decayTime, helm.topOrder),
              std::make_tuple(150, 0xFEFFu, 30, 12, 0x1FE, 12.5, 40, 0x1234, 300, 2));
    // Drawing comes from client type 1: the file's minimap colour and wall flags give way.
    EXPECT_EQ(std::make_tuple(helm.minimapColor, helm.vertical, helm.horizontal, helm.width, helm.cropSize, helm.spriteCount,
                       helm.layers, helm.animationPhases, helm.spriteIds[0], helm.spriteIds[254]),
              std::make_tuple(77, true, false, 2, 64, 8u, 2, 2, 1001, 9));

    // Flags override the defaults (not moveable); wall flags come from the client type.
    const ItemType& second = database.GetServerType(2001);
    EXPECT_EQ(std::tie(second.attack, second.decayTo, second.decayTime, second.armor, second.weight, second.moveable,
                       second.vertical),
              std::make_tuple(44, 10, 20, 7, 12.5, false, true));
    const ItemType& third = database.GetServerType(2002);
    EXPECT_EQ(std::tie(third.attack, third.defence, third.weight), std::make_tuple(1, 2, 1.0));
    EXPECT_EQ(database.GetServerType(2003).attack, 3);

    EXPECT_EQ(database.ClientToServer(1), 2000);
    EXPECT_EQ(database.ClientToServer(3), 2003) << "a later item takes the client id over";
    EXPECT_EQ(std::tuple(database.GetServerType(19899).serverId, database.ClientToServer(50)),
              std::tuple(19999, 19899));
    const ItemType& door = database.GetServerType(500);
    EXPECT_EQ(std::tie(door.name, door.group, door.readable, door.moveable),
              std::make_tuple(std::string(127, 'n'), ItemGroup::Door, true, false));
    const ItemType& other = database.GetServerType(501);
    EXPECT_FALSE(other.readable);
    EXPECT_TRUE(other.blocking && other.stackable && other.moveable);
}

TEST_F(ItemsFileReaderTest, FormatErrorsReturn8)
{
    using Mutation = std::function<void(NodeFileBuilder&)>;
    const std::pair<const char*, Mutation> cases[] = {
        {"name of 128 bytes",
         [](NodeFileBuilder& f) { Attribute(f, 0x12, std::vector<uint8_t>(128, 'n')); }},
        {"attribute 0x0F", [](NodeFileBuilder& f) { Attribute(f, 0x0F, {1}); }},
        {"attribute 0x2D", [](NodeFileBuilder& f) { Attribute(f, 0x2D, {1}); }},
        {"wrong length", [](NodeFileBuilder& f) { Attribute(f, 0x14, {1, 2, 3}); }},
        {"length past the properties", [](NodeFileBuilder& f) { f.U8(0x12).U16(20).Props({'a', 'b'}); }},
        {"too few bytes for an attribute", [](NodeFileBuilder& f) { f.U8(0x2B).U16(1); }},
        {"zero length leaves nothing", [](NodeFileBuilder& f) { f.U8(0x13).U16(0); }},
    };
    for (const auto& [name, mutate] : cases) {
        ItemDatabase local;
        local.SetClientType(1, ClientType(1));
        NodeFileBuilder file = ItemsFile();
        Item(file, 700, 101);
        mutate(file);
        file.End().End();
        EXPECT_EQ(local.LoadItems(dir.Write("bad.qzb", file.Bytes())), 8) << name;
    }

    const std::pair<const char*, Mutation> wholeFiles[] = {
        {"node type 14", [](NodeFileBuilder& f) { Item(f, 700, 101, 14).End(); }},
        {"flags cut short", [](NodeFileBuilder& f) { f.Start(0); f.U16(0).End(); }},
        {"junk after an item", [](NodeFileBuilder& f) { Item(f, 700, 101).End().Raw({0x00}); }},
        {"file cut off", [](NodeFileBuilder& f) { Item(f, 700, 101).End(); }},
    };
    for (const auto& [name, add] : wholeFiles) {
        NodeFileBuilder file = ItemsFile();
        add(file);
        if (std::string_view(name) != "file cut off") {
            file.End();
        }
        EXPECT_EQ(Load(file), 8) << name;
    }
    EXPECT_EQ(database.GetServerType(600).serverId, 700) << "items before the error stay loaded";
}

TEST_F(ItemsFileReaderTest, RootProperties)
{
    auto loadRoot = [this](const std::function<void(NodeFileBuilder&)>& props) {
        NodeFileBuilder file;
        file.Start(0);
        props(file);
        Item(file, 800, 101).End();
        file.End();
        ItemDatabase local;
        local.SetClientType(1, ClientType(1));
        local.itemsMajorVersion = 99;
        const int result = local.LoadItems(dir.Write("root.qzb", file.Bytes()));
        return std::tuple(result, local.itemsMajorVersion, local.itemsMinorVersion,
                          local.ServerTypes().size());
    };
    EXPECT_EQ(loadRoot([](NodeFileBuilder&) {}), std::tuple(8, 99u, 0u, 0u));
    EXPECT_EQ(loadRoot([](NodeFileBuilder& f) { f.U16(0).U8(0); }), std::tuple(8, 99u, 0u, 0u));
    EXPECT_EQ(loadRoot([](NodeFileBuilder& f) { f.U32(0); }), std::tuple(0, 0u, 0u, 1u));
    EXPECT_EQ(loadRoot([](NodeFileBuilder& f) {
                  f.U32(0);
                  VersionAttribute(f, 1, 2);
                  VersionAttribute(f, 5, 6);
              }),
              std::tuple(0, 5u, 6u, 1u));
    EXPECT_EQ(loadRoot([](NodeFileBuilder& f) { f.U32(0).U8(2).U16(140).Props(std::vector<uint8_t>(140, 0)); }),
              std::tuple(8, 99u, 0u, 0u));
    EXPECT_EQ(loadRoot([](NodeFileBuilder& f) { f.U32(0).U8(1).U16(140).Props(std::vector<uint8_t>(139, 0)); }),
              std::tuple(8, 99u, 0u, 0u));
    EXPECT_EQ(loadRoot([](NodeFileBuilder& f) { f.U32(0).U8(1); }), std::tuple(8, 99u, 0u, 0u));
    // The length field is not trusted: the attribute is 140 bytes whatever it says.
    EXPECT_EQ(loadRoot([](NodeFileBuilder& f) { f.U32(0).U8(1).U16(3).U32(4).U32(8).Props(std::vector<uint8_t>(132, 1)); }),
              std::tuple(0, 4u, 8u, 1u));
}

}  // namespace
}  // namespace tessark
