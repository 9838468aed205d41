#include <gtest/gtest.h>

#include <array>

#include "model/Creature.h"
#include "model/DepotItem.h"
#include "model/TeleportItem.h"
#include "model/ThingFactory.h"
#include "model/ModelTestWorld.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"

namespace tessark {
namespace {

using namespace model_test;

class ThingTest : public ::testing::Test {
protected:
    void SetUp() override { FillTestDatabase(database); }

    ItemDatabase database;
};

TEST_F(ThingTest, CountRulesFollowTheServerType)
{
    // Key, count given, count kept; a key known only to the client has a plain count.
    const std::array<int32_t, 3> cases[] = {
        {kStackable, 0, 1}, {kStackable, 100, 100}, {kStackable, 101, 1}, {kFluid, 0, 0}, {kFluid, 255, 255},
        {kFluid, 256, 1},   {kFluid, -1, 1},        {kSplash, 7, 7},      {kRune, 0, 1},  {kRune, 55, 55},
        {kPlain, 7, 1},     {kDoor, 5, 1},          {kClientOnly, 9, 1}};
    for (const auto& [key, count, kept] : cases) {
        EXPECT_EQ(CItem(database, key, count).GetCount(), kept) << key << " " << count;
    }
}

TEST_F(ThingTest, CreateThingPicksTheClassByGroup)
{
    EXPECT_EQ(CreateThing(database, 999, 1), nullptr);

    auto creature = CreateThing(database, kRat, 5);
    ASSERT_NE(creature, nullptr);
    ASSERT_EQ(creature->Kind(), ThingKind::Creature);
    const auto& rat = static_cast<const CCreature&>(*creature);
    EXPECT_EQ(rat.GetSpawnTime(), 60u);
    EXPECT_EQ(rat.GetDirection(), 2u);
    EXPECT_EQ(rat.GetCount(), 1);

    auto teleport = CreateThing(database, kTeleport, 0);
    ASSERT_EQ(teleport->Kind(), ThingKind::Teleport);
    EXPECT_EQ(static_cast<CTeleportItem&>(*teleport).GetDestX(), 0u);
    auto depot = CreateThing(database, kDepot, 0);
    ASSERT_EQ(depot->Kind(), ThingKind::Depot);
    EXPECT_EQ(static_cast<CDepotItem&>(*depot).GetDepotId(), 1u);

    auto stack = CreateThing(database, kStackable, 40);
    EXPECT_EQ(stack->Kind(), ThingKind::Item);
    EXPECT_EQ(stack->GetCount(), 40);
    // The client type answers when there is no server type.
    auto clientOnly = CreateThing(database, kClientOnly, 0);
    ASSERT_NE(clientOnly, nullptr);
    EXPECT_EQ(clientOnly->GetTypeKey(), kClientOnly);
}

TEST_F(ThingTest, ArchiveKeepsTextsAndDropsTheUniqueId)
{
    auto item = CreateThing(database, kStackable, 33);
    item->SetUniqueId(5000);
    item->SetActionId(1234);
    item->SetText("abc");
    ArchiveWriter writer;
    StoreThing(*item, writer);

    const std::vector<uint8_t> expected = {
        11, 0, 0, 0,       // u32 key
        11, 0,             // u16 typeKey
        33, 0, 0, 0,       // count
        0xD2, 0x04, 0, 0,  // action id
        0,                 // special description: empty
        3, 'a', 'b', 'c',  // text
    };
    EXPECT_EQ(writer.Bytes(), expected);

    ArchiveReader reader(writer.Bytes());
    auto back = LoadThing(database, reader);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetTypeKey(), kStackable);
    EXPECT_EQ(back->GetCount(), 33);
    EXPECT_EQ(back->GetActionId(), 1234u);
    EXPECT_EQ(back->GetText(), "abc");
    EXPECT_EQ(back->GetSpecialDescription(), "");
    EXPECT_EQ(back->GetUniqueId(), 0u);
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST_F(ThingTest, ArchiveOfTheClassesWithExtraFields)
{
    auto teleport = CreateThing(database, kTeleport, 0);
    static_cast<CTeleportItem&>(*teleport).SetDestination(100, 200, 7);
    auto depot = CreateThing(database, kDepot, 0);
    static_cast<CDepotItem&>(*depot).SetDepotId(4);
    auto creature = CreateThing(database, kRat, 0);
    auto& rat = static_cast<CCreature&>(*creature);
    rat.SetOffset(-3, 2);
    rat.SetSpawnTime(90);
    rat.SetDirection(1);

    ArchiveWriter writer;
    StoreThing(*teleport, writer);
    const size_t teleportSize = writer.Bytes().size();
    StoreThing(*depot, writer);
    StoreThing(*creature, writer);
    // key, item fields (2 + 4 + 4 + 1 + 1), three u32
    EXPECT_EQ(teleportSize, 4u + 12u + 12u);
    EXPECT_EQ(writer.Bytes().size(), teleportSize + (4 + 12 + 4) + (4 + 12 + 16));

    ArchiveReader reader(writer.Bytes());
    auto teleportBack = LoadThing(database, reader);
    auto depotBack = LoadThing(database, reader);
    auto creatureBack = LoadThing(database, reader);
    ASSERT_TRUE(teleportBack && depotBack && creatureBack);
    const auto& destination = static_cast<CTeleportItem&>(*teleportBack);
    EXPECT_EQ(destination.GetDestX(), 100u);
    EXPECT_EQ(destination.GetDestY(), 200u);
    EXPECT_EQ(destination.GetDestZ(), 7u);
    EXPECT_EQ(static_cast<CDepotItem&>(*depotBack).GetDepotId(), 4u);
    const auto& ratBack = static_cast<CCreature&>(*creatureBack);
    EXPECT_EQ(ratBack.GetOffsetX(), -3);
    EXPECT_EQ(ratBack.GetOffsetY(), 2);
    EXPECT_EQ(ratBack.GetSpawnTime(), 90u);
    EXPECT_EQ(ratBack.GetDirection(), 1u);
}

TEST_F(ThingTest, StringPrefixesByLength)
{
    ArchiveWriter writer;
    writer.WriteString(std::string(254, 'a'));
    writer.WriteString(std::string(255, 'b'));
    writer.WriteString(std::string(300, 'c'));
    writer.WriteString(std::string(0xFFFE, 'd'));
    const auto& bytes = writer.Bytes();
    EXPECT_EQ(bytes[0], 254);
    size_t at = 1 + 254;
    EXPECT_EQ(bytes[at], 0xFF);
    EXPECT_EQ(bytes[at + 1], 0xFF);
    EXPECT_EQ(bytes[at + 2], 0x00);
    at += 3 + 255;
    EXPECT_EQ(bytes[at], 0xFF);
    EXPECT_EQ(bytes[at + 1], 0x2C);
    EXPECT_EQ(bytes[at + 2], 0x01);
    at += 3 + 300;
    const std::vector<uint8_t> longPrefix = {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00};
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + at, bytes.begin() + at + 7), longPrefix);

    ArchiveReader reader(bytes);
    std::string text;
    for (size_t length : {254u, 255u, 300u, 0xFFFEu}) {
        ASSERT_TRUE(reader.ReadString(text));
        EXPECT_EQ(text.size(), length);
    }
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST_F(ThingTest, WideStringsBecomeUtf8)
{
    // 0xFF 0xFFFE marks 16-bit characters: "A", e-acute, a surrogate pair (U+1F600), and a lone
    // surrogate that has no UTF-8 form.
    const std::vector<uint8_t> bytes = {0xFF, 0xFE, 0xFF, 5,    0x41, 0x00, 0xE9, 0x00,
                                        0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xD8};
    ArchiveReader reader(bytes);
    std::string text;
    ASSERT_TRUE(reader.ReadString(text));
    EXPECT_EQ(text, "A\xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBD");
}

TEST_F(ThingTest, ShortOrForgedArchivesFail)
{
    // A string length that runs past the data.
    const std::vector<uint8_t> shortString = {0xFF, 0x2C, 0x01, 'a', 'b'};
    ArchiveReader shortReader(shortString);
    std::string text;
    EXPECT_FALSE(shortReader.ReadString(text));
    EXPECT_EQ(shortReader.Error(), ArchiveError::EndOfFile);
    // A 4 GiB length must not be allocated.
    const std::vector<uint8_t> huge = {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 'x'};
    ArchiveReader hugeReader(huge);
    EXPECT_FALSE(hugeReader.ReadString(text));

    // A key without an item type cannot be created; the record cannot be skipped.
    ArchiveWriter unknown;
    unknown.WriteU32(999);
    CItem(database, kPlain, 0).Store(unknown);
    ArchiveReader unknownReader(unknown.Bytes());
    EXPECT_EQ(LoadThing(database, unknownReader), nullptr);
    EXPECT_EQ(unknownReader.Error(), ArchiveError::BadClass);

    // The item's own key must agree with the leading one.
    ArchiveWriter mismatch;
    mismatch.WriteU32(kTeleport);
    CTeleportItem(kGround).Store(mismatch);
    ArchiveReader mismatchReader(mismatch.Bytes());
    EXPECT_EQ(LoadThing(database, mismatchReader), nullptr);
    EXPECT_EQ(mismatchReader.Error(), ArchiveError::BadData);

    // Every truncation of a valid record fails cleanly.
    ArchiveWriter valid;
    auto item = CreateThing(database, kTeleport, 0);
    item->SetText("text");
    StoreThing(*item, valid);
    for (size_t length = 0; length < valid.Bytes().size(); ++length) {
        ArchiveReader truncated(std::span(valid.Bytes().data(), length));
        EXPECT_EQ(LoadThing(database, truncated), nullptr) << length;
        EXPECT_EQ(truncated.Error(), ArchiveError::EndOfFile) << length;
    }
}

}  // namespace
}  // namespace tessark
