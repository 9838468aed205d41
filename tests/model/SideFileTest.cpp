#include <gtest/gtest.h>

#include <tuple>

#include "model/HouseList.h"
#include "model/ModelTestWorld.h"
#include "model/SpawnList.h"
#include "model/Tile.h"
#include "platform/MessageSink.h"
#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"

namespace tessark {
namespace {

using namespace model_test;
class SideFileTest : public ::testing::Test {
protected:
    void SetUp() override { FillTestDatabase(database); }

    std::string PathOf(const std::string& name) const { return directory.File(name); }
    void WriteFile(const std::string& name, const std::string& bytes) const
    {
        ASSERT_TRUE(test::WriteTextFile(PathOf(name), bytes));
    }
    std::string ReadFile(const std::string& name) const { return test::ReadWholeFile(PathOf(name)); }

    ItemDatabase database;
    RecordingMessageSink messages;
    test::ScratchDirectory directory;
};

TEST_F(SideFileTest, HousesAreWrittenInIdOrderAndReadWithoutThoseLackingAnId)
{
    HouseList houses;
    for (uint32_t id : {9u, 2u, 5u}) {
        House* house = houses.GetHouse(id, true);
        house->name = "House " + std::to_string(id);
        house->entryX = static_cast<int32_t>(id * 10);
        house->rent = -1;
        house->townId = 3;
    }
    houses.GetHouse(2, false)->name = "A & \"B\"";
    ASSERT_TRUE(houses.SaveHouses(PathOf("w-house.xml")));
    EXPECT_EQ(ReadFile("w-house.xml"),
              "<?xml version=\"1.0\"?>\r\n<houses>\r\n"
              "<house name=\"A &amp; &quot;B&quot;\" houseid=\"2\" entryx=\"20\" entryy=\"0\" "
              "entryz=\"0\" rent=\"-1\" townid=\"3\"/>\r\n"
              "<house name=\"House 5\" houseid=\"5\" entryx=\"50\" entryy=\"0\" entryz=\"0\" "
              "rent=\"-1\" townid=\"3\"/>\r\n"
              "<house name=\"House 9\" houseid=\"9\" entryx=\"90\" entryy=\"0\" entryz=\"0\" "
              "rent=\"-1\" townid=\"3\"/>\r\n"
              "</houses>\r\n");

    HouseList back;
    CTile tile;
    back.GetHouse(5, true)->AddTile(&tile);  // made by the map before the file is read
    ASSERT_TRUE(back.LoadHouses(PathOf("w-house.xml"), messages));
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(back.Size(), 3u);
    const House& nine = *back.GetHouse(9, false);
    EXPECT_EQ(std::tuple(back.GetHouse(2, false)->name, nine.entryX, nine.rent), std::tuple("A & \"B\"", 90, -1));
    EXPECT_EQ(back.GetHouse(5, false)->name, "House 5");
    EXPECT_EQ(back.GetHouse(5, false)->GetTiles().size(), 1u);
    EXPECT_FALSE(houses.SaveHouses(PathOf("no-such-folder/w-house.xml")));

    // Elements without a house id are passed over.
    WriteFile("h.xml",
              "<houses><house houseid=\"0\" name=\"zero\"/><house name=\"none\"/>"
              "<house houseid=\"7\"/><other houseid=\"8\"/><house houseid=\"x3\" name=\"bad\"/>"
              "<house houseid=\"4\" name=\"Four\" entryx=\"1\" entryy=\"2\" entryz=\"7\" "
              "rent=\"500\" townid=\"2\"/></houses>");
    HouseList read;
    ASSERT_TRUE(read.LoadHouses(PathOf("h.xml"), messages));
    ASSERT_EQ(read.Size(), 2u);
    EXPECT_EQ(std::tuple(read.GetHouse(7, false)->name, read.GetHouse(7, false)->entryZ), std::tuple("", 0));
    const House& four = *read.GetHouse(4, false);
    EXPECT_EQ(std::tuple(four.name, four.entryY, four.rent, four.townId), std::tuple("Four", 2, 500, 2));
}

TEST_F(SideFileTest, HouseAndSpawnFileMessages)
{
    HouseList houses;
    CSpawnList spawns(database);
    EXPECT_FALSE(houses.LoadHouses(PathOf("missing-house.xml"), messages));
    EXPECT_FALSE(spawns.LoadSpawns(PathOf("missing-spawn.xml"), messages));
    WriteFile("binary.xml", std::string("<a>") + std::string(200, '\0'));
    EXPECT_FALSE(houses.LoadHouses(PathOf("binary.xml"), messages));
    EXPECT_FALSE(spawns.LoadSpawns(PathOf("binary.xml"), messages));
    WriteFile("broken.xml", "<houses><house></houses>");
    EXPECT_FALSE(houses.LoadHouses(PathOf("broken.xml"), messages));
    WriteFile("broken2.xml", "<spawns><spawn></spawns>");
    EXPECT_FALSE(spawns.LoadSpawns(PathOf("broken2.xml"), messages));
    // Another root element: false without a word.
    WriteFile("other.xml", "<map/>");
    EXPECT_FALSE(houses.LoadHouses(PathOf("other.xml"), messages));
    EXPECT_FALSE(spawns.LoadSpawns(PathOf("other.xml"), messages));

    const std::vector<RecordingMessageSink::Message> expected = {
        {"Could not to open missing-house.xml.", MessageIcon::Error},
        {"Could not to open missing-spawn.xml.", MessageIcon::Error},
        {"Error converting file to string (may contain binary data)", MessageIcon::Error},
        {"Error converting file to string (may contain binary data)", MessageIcon::Error},
        {"Error: End tag does not correspond to house\r\n", MessageIcon::Error},
        {"Error: End tag does not correspond to spawn\r\n", MessageIcon::Error},
    };
    EXPECT_EQ(messages.messages, expected);
    EXPECT_TRUE(houses.Empty());
    EXPECT_TRUE(spawns.Empty());
}

TEST_F(SideFileTest, SpawnsRoundTripWithoutEmptySpawns)
{
    CSpawnList spawns(database);
    CSpawn* spawn = spawns.CreateSpawn({100, 200, 7}, 4);
    spawns.CreateSpawn({300, 300, 7}, 2);  // no creatures: not written
    auto rat = Make(database, kRat);
    auto& ratCreature = static_cast<CCreature&>(*rat);
    ratCreature.SetSpawnTime(90);
    ratCreature.SetDirection(3);
    std::unique_ptr<CCreature> first(static_cast<CCreature*>(rat.release()));
    ASSERT_TRUE(spawn->AddCreature(first, {99, 202, 7}));
    std::unique_ptr<CCreature> second(static_cast<CCreature*>(Make(database, kDragon).release()));
    ASSERT_TRUE(spawn->AddCreature(second, {100, 200, 7}));

    ASSERT_TRUE(spawns.SaveSpawns(PathOf("w-spawn.xml")));
    EXPECT_EQ(ReadFile("w-spawn.xml"),
              "<?xml version=\"1.0\"?>\r\n<spawns>\r\n"
              "<spawn centerx=\"100\" centery=\"200\" centerz=\"7\" radius=\"4\">\r\n"
              "<monster name=\"Rat\" direction=\"3\" spawntime=\"90\" x=\"-1\" y=\"2\"/>\r\n"
              "<monster name=\"Dragon\" direction=\"2\" spawntime=\"60\" x=\"0\" y=\"0\"/>\r\n"
              "</spawn>\r\n"
              "</spawns>\r\n");

    CSpawnList back(database);
    ASSERT_TRUE(back.LoadSpawns(PathOf("w-spawn.xml"), messages));
    ASSERT_EQ(back.Size(), 1u);
    const CSpawn* read = back.GetSpawn(0);
    EXPECT_EQ(std::tuple(read->GetCenter(), read->GetRadius()), std::tuple(Position{100, 200, 7}, 4));
    ASSERT_EQ(read->GetCreatureCount(), 2u);
    const CCreature& readRat = *read->GetCreature(0);
    EXPECT_EQ(std::tuple(readRat.GetTypeKey(), readRat.GetOffsetX(), readRat.GetSpawnTime(), readRat.GetDirection()),
              std::tuple(kRat, -1, 90u, 3u));
    EXPECT_EQ(read->GetCreature(1)->GetTypeKey(), kDragon);

    // Loading appends.
    ASSERT_TRUE(back.LoadSpawns(PathOf("w-spawn.xml"), messages));
    EXPECT_EQ(back.Size(), 2u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SideFileTest, MonstersAreMatchedByCreatureNameIgnoringCase)
{
    WriteFile("m-spawn.xml",
              "<spawns>"
              "<spawn centerx=\"10\" centery=\"10\" centerz=\"7\" radius=\"3\">"
              "<monster name=\"rAT\" x=\"1\" y=\"1\"/>"
              "<monster name=\"rat\" direction=\"\" spawntime=\"30\" x=\"1\" y=\"1\"/>"
              "<monster name=\"DRAGON\" direction=\"0\"/>"
              "<monster name=\"Nobody\"/>"
              "<monster name=\"stone\"/>"
              "</spawn>"
              "<spawn centerx=\"20\" centery=\"20\" centerz=\"6\" radius=\"1\"/>"
              "</spawns>");
    CSpawnList spawns(database);
    ASSERT_TRUE(spawns.LoadSpawns(PathOf("m-spawn.xml"), messages));
    ASSERT_EQ(spawns.Size(), 2u);
    const CSpawn* spawn = spawns.GetSpawn(0);
    ASSERT_EQ(spawn->GetCreatureCount(), 3u);
    // Equal offsets are both kept; no spawntime reads as 0; no direction keeps 2. "Dragon" also
    // names a plain item with a lower key; only the creature type counts.
    const auto creature = [spawn](size_t i) {
        const CCreature& c = *spawn->GetCreature(i);
        return std::tuple(c.GetTypeKey(), c.GetOffsetX(), c.GetSpawnTime(), c.GetDirection());
    };
    EXPECT_EQ(creature(0), std::tuple(kRat, 1, 0u, 2u));
    EXPECT_EQ(creature(1), std::tuple(kRat, 1, 30u, 2u));
    EXPECT_EQ(creature(2), std::tuple(kDragon, 0, 0u, 0u));
    EXPECT_EQ(spawns.GetSpawn(1)->GetCreatureCount(), 0u);
    EXPECT_EQ(spawns.GetSpawn(1)->GetCenterZ(), 6);
}

}  // namespace
}  // namespace tessark
