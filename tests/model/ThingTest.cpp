#include <gtest/gtest.h>

#include <array>
#include <tuple>

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
    EXPECT_EQ(std::tuple(back->GetTypeKey(), back->GetCount(), back->GetActionId(), back->GetText(),
                         back->GetSpecialDescription(), back->GetUniqueId(), reader.Remaining()),
              std::tuple(kStackable, 33, 1234u, "abc", "", 0u, size_t{0}));
}

TEST_F(ThingTest, StringPrefixesByLength)
{
    ArchiveWriter writer;
    writer.WriteString(std::string(254, 'a'));
    writer.WriteString(std::string(255, 'b'));
    writer.WriteString(std::string(300, 'c'));
    writer.WriteString(std::string(0xFFFE, 'd'));
    const auto& bytes = writer.Bytes();
    // The prefix of each: one byte, 0xFF and a u16, or 0xFF 0xFFFF and a u32.
    const auto at = [&bytes](size_t from, size_t count) {
        return std::vector<uint8_t>(bytes.begin() + from, bytes.begin() + from + count);
    };
    EXPECT_EQ(at(0, 1), std::vector<uint8_t>{254});
    EXPECT_EQ(at(1 + 254, 3), (std::vector<uint8_t>{0xFF, 0xFF, 0x00}));
    EXPECT_EQ(at(4 + 509, 3), (std::vector<uint8_t>{0xFF, 0x2C, 0x01}));
    EXPECT_EQ(at(7 + 809, 7), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));

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
