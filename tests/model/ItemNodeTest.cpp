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

    bool ReadProps(CItem& item, const std::vector<uint8_t>& bytes)
    {
        PropStream props(bytes);
        MapLoader unused;
        return item.NodeIO(unused, false, props, false, database);
    }

    ItemDatabase database;
};

// A ground whose type has a count byte writes it inline after its id, and needs it to read.
TEST_F(ItemNodeTest, InlineGroundWithACountByte)
{
    ItemType fluidGround = MakeType(ItemGroup::Ground, 80);
    fluidGround.stackable = true;
    database.SetServerType(80, fluidGround);
    test::ScratchDirectory directory;
    const std::string path = directory.File("tile.qzbm");
    MapLoader writer;
    PropStream props;
    ASSERT_TRUE(writer.OpenFile(path, true, false) && writer.StartNode(5));
    ASSERT_TRUE(Make(database, 80, 3)->InlineIO(writer, true, 9, props, database));
    ASSERT_TRUE(writer.EndNode() && writer.CloseFile());
    EXPECT_EQ(test::ReadFileBytes(path), test::ByteBuilder().U32(0).U8s({0xFE, 5, 9}).U16(180).U8(3).U8(0xFF).Bytes());

    MapLoader reader;
    ASSERT_TRUE(reader.OpenFile(path, false, true));
    uint8_t type = 0;
    const uint32_t tile = reader.GetChildNode(0, type);
    ASSERT_TRUE(reader.GetProps(tile, props));
    EXPECT_EQ(reader.GetChildNode(tile, type), 0u);
    uint8_t attribute = 0;
    uint16_t id = 0;
    ASSERT_TRUE(props.ReadU8(attribute) && props.ReadU16(id));
    auto ground = Make(database, id - 100);
    ASSERT_TRUE(ground->InlineIO(reader, false, attribute, props, database));
    EXPECT_EQ(ground->GetCount(), 3);

    PropStream empty;
    EXPECT_FALSE(Make(database, 80)->InlineIO(reader, false, 9, empty, database));
    EXPECT_TRUE(Make(database, kGround)->InlineIO(reader, false, 9, empty, database));
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
