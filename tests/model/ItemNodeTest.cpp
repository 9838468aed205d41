#include <gtest/gtest.h>

#include "data/MapLoader.h"
#include "data/PropStream.h"
#include "model/DepotItem.h"
#include "model/ModelTestWorld.h"
#include "model/TeleportItem.h"
#include "support/ByteBuilder.h"
#include "support/ScratchDirectory.h"

namespace tessark {
namespace {

using namespace model_test;

class ItemNodeTest : public ::testing::Test {
protected:
    void SetUp() override { FillTestDatabase(database); }

    // Writes the items as children of one tile node, the first one inline as its ground, and
    // returns the file's bytes after the identifier.
    std::vector<uint8_t> WriteTile(CItem* ground, std::initializer_list<CItem*> items)
    {
        MapLoader loader;
        EXPECT_TRUE(loader.OpenFile(path, true, false));
        PropStream unused;
        EXPECT_TRUE(loader.StartNode(5));
        if (ground) {
            EXPECT_TRUE(ground->InlineIO(loader, true, 9, unused, database));
        }
        for (CItem* item : items) {
            EXPECT_TRUE(item->NodeIO(loader, true, unused, true, database));
        }
        EXPECT_TRUE(loader.EndNode());
        EXPECT_TRUE(loader.CloseFile());
        std::vector<uint8_t> bytes = test::ReadFileBytes(path);
        return std::vector<uint8_t>(bytes.begin() + 4, bytes.end());
    }

    // Reads the tile written by WriteTile back the way the map reader does.
    std::vector<std::unique_ptr<CItem>> ReadTile()
    {
        MapLoader loader;
        EXPECT_TRUE(loader.OpenFile(path, false, true));
        uint8_t type = 0;
        const uint32_t tile = loader.GetChildNode(0, type);
        std::vector<std::unique_ptr<CItem>> items;
        PropStream props;
        EXPECT_TRUE(loader.GetProps(tile, props));
        uint8_t attribute = 0;
        uint16_t id = 0;
        if (props.ReadU8(attribute) && attribute == 9 && props.ReadU16(id)) {
            auto ground = CreateThing(database, id - 100, 0);
            EXPECT_TRUE(ground->InlineIO(loader, false, 9, props, database));
            items.push_back(std::move(ground));
        }
        for (uint32_t node = loader.GetChildNode(tile, type); node != 0;
             node = loader.GetNextNode(node, type)) {
            EXPECT_TRUE(loader.GetProps(node, props));
            EXPECT_TRUE(props.ReadU16(id));
            auto item = CreateThing(database, id - 100, 0);
            if (!item->NodeIO(loader, false, props, false, database)) {
                ADD_FAILURE() << "item " << id << " refused its properties";
            }
            items.push_back(std::move(item));
        }
        return items;
    }

    bool ReadProps(CItem& item, const std::vector<uint8_t>& bytes)
    {
        PropStream props(bytes);
        MapLoader unused;
        return item.NodeIO(unused, false, props, false, database);
    }

    ItemDatabase database;
    test::ScratchDirectory directory;
    std::string path = directory.File("tile.qzbm");
};

TEST_F(ItemNodeTest, NodeLayoutOfEachKindOfItem)
{
    auto ground = Make(database, kGround);
    ground->SetActionId(100);  // the inline form holds no attributes
    auto rune = Make(database, kRune, 5);
    rune->SetActionId(0x12345);  // written as its low 16 bits
    auto door = Make(database, kDoor);
    door->SetCount(7);
    auto closedDoor = Make(database, kDoor);
    closedDoor->SetCount(0);
    auto stack = Make(database, kStackable, 30);
    stack->SetUniqueId(0x0102);
    stack->SetText("hi");
    stack->SetSpecialDescription("sd");
    auto teleport = Make(database, kTeleport);
    static_cast<CTeleportItem&>(*teleport).SetDestination(0x0203, 0x0405, 7);
    auto depot = Make(database, kDepot);
    static_cast<CDepotItem&>(*depot).SetDepotId(9);

    const std::vector<uint8_t> bytes = WriteTile(
        ground.get(), {rune.get(), door.get(), closedDoor.get(), stack.get(), teleport.get(), depot.get()});
    const std::vector<uint8_t> expected = test::ByteBuilder()
        .U8s({0xFE, 5, 9}).U16(101)
        .U8s({0xFE, 6}).U16(114).U8s({12, 5, 4}).U16(0x2345).U8(0xFF)
        .U8s({0xFE, 6}).U16(115).U8s({14, 7}).U8(0xFF)
        .U8s({0xFE, 6}).U16(115).U8(0xFF)
        .U8s({0xFE, 6}).U16(111).U8(30).U8(5).U16(0x0102)
        .U8(6).U16(2).U8s({'h', 'i'}).U8(7).U16(2).U8s({'s', 'd'}).U8(0xFF)
        .U8s({0xFE, 6}).U16(140).U8(8).U16(0x0203).U16(0x0405).U8(7).U8(0xFF)
        .U8s({0xFE, 6}).U16(141).U8(10).U16(9).U8(0xFF)
        .U8(0xFF)
        .Bytes();
    EXPECT_EQ(bytes, expected);

    const auto items = ReadTile();
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[0]->GetTypeKey(), kGround);
    EXPECT_EQ(items[0]->GetActionId(), 0u);
    EXPECT_EQ(items[1]->GetCount(), 5);
    EXPECT_EQ(items[1]->GetActionId(), 0x2345u);
    EXPECT_EQ(items[2]->GetCount(), 7);
    EXPECT_EQ(items[3]->GetCount(), 1);  // door id 0 was not written
    EXPECT_EQ(items[4]->GetCount(), 30);
    EXPECT_EQ(items[4]->GetUniqueId(), 0x0102u);
    EXPECT_EQ(items[4]->GetText(), "hi");
    EXPECT_EQ(items[4]->GetSpecialDescription(), "sd");
    EXPECT_EQ(static_cast<const CTeleportItem&>(*items[5]).GetDestY(), 0x0405u);
    EXPECT_EQ(static_cast<const CDepotItem&>(*items[6]).GetDepotId(), 9u);
}

TEST_F(ItemNodeTest, InlineGroundWithACountByte)
{
    ItemType fluidGround = MakeType(ItemGroup::Ground, 80);
    fluidGround.stackable = true;
    database.SetServerType(80, fluidGround);
    auto ground = Make(database, 80, 3);
    const std::vector<uint8_t> bytes = WriteTile(ground.get(), {});
    EXPECT_EQ(bytes, test::ByteBuilder().U8s({0xFE, 5, 9}).U16(180).U8(3).U8(0xFF).Bytes());
    const auto items = ReadTile();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]->GetCount(), 3);

    // The count byte is required where the type has one.
    PropStream empty;
    MapLoader unused;
    EXPECT_FALSE(Make(database, 80)->InlineIO(unused, false, 9, empty, database));
    EXPECT_TRUE(Make(database, kGround)->InlineIO(unused, false, 9, empty, database));
}

TEST_F(ItemNodeTest, ItemsRefuseAttributesOfOtherClassesAndShortPayloads)
{
    auto plain = Make(database, kPlain);
    EXPECT_TRUE(ReadProps(*plain, {4, 0x10, 0x00, 12, 3}));
    EXPECT_EQ(plain->GetActionId(), 0x10u);
    EXPECT_EQ(plain->GetCount(), 3);
    EXPECT_FALSE(ReadProps(*plain, {15, 0}));
    EXPECT_FALSE(ReadProps(*plain, {8, 1, 0, 1, 0, 7}));   // a destination on a plain item
    EXPECT_FALSE(ReadProps(*plain, {10, 1, 0}));           // a depot id likewise
    EXPECT_FALSE(ReadProps(*plain, {5, 0x10}));            // u16 cut short
    EXPECT_FALSE(ReadProps(*plain, {6, 5, 0, 'a', 'b'}));  // string cut short
    EXPECT_FALSE(ReadProps(*plain, {14}));

    auto teleport = Make(database, kTeleport);
    EXPECT_TRUE(ReadProps(*teleport, {8, 1, 0, 2, 0, 7, 5, 3, 0}));
    EXPECT_EQ(static_cast<CTeleportItem&>(*teleport).GetDestZ(), 7u);
    EXPECT_EQ(teleport->GetUniqueId(), 3u);
    EXPECT_FALSE(ReadProps(*teleport, {8, 1, 0, 2, 0}));
    EXPECT_FALSE(ReadProps(*teleport, {10, 1, 0}));

    auto depot = Make(database, kDepot);
    EXPECT_TRUE(ReadProps(*depot, {10, 4, 1}));
    EXPECT_EQ(static_cast<CDepotItem&>(*depot).GetDepotId(), 0x104u);
    EXPECT_FALSE(ReadProps(*depot, {8, 1, 0, 2, 0, 7}));

    // A stackable needs its count byte before any attribute.
    auto stack = Make(database, kStackable);
    EXPECT_FALSE(ReadProps(*stack, {}));
    EXPECT_TRUE(ReadProps(*stack, {44}));
    EXPECT_EQ(stack->GetCount(), 44);
}

}  // namespace
}  // namespace tessark
