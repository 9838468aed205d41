#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "mapfiles/QzbmLayout.h"
#include "mapfiles/QzbmReader.h"
#include "mapfiles/QzbmWriter.h"
#include "model/TeleportItem.h"
#include "support/MapFileFixture.h"

namespace tessark::test {
namespace {

using QzbmWriterTest = MapFileTest;

size_t FilesIn(const std::string& folder)
{
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

// Starts an item node of the type with its id; the caller adds the rest and ends it.
NodeFileBuilder& ItemNode(NodeFileBuilder& file, int32_t type)
{
    file.Start(qzbm::kItemNode);
    return file.U16(static_cast<uint16_t>(type + 100));
}

TEST_F(QzbmWriterTest, TilesGoIntoOneAreaPerBlockAndFloorAndBeyondTheMapAreDropped)
{
    Place(*doc, kGrass, 100, 100, 7);
    Place(*doc, kGrass, 300, 100, 7);
    Place(*doc, kGrass, 1000, 5, 7);  // at x = width: written
    Place(*doc, kGrass, 1001, 5, 7);  // beyond: dropped
    Place(*doc, kGrass, 5, 1001, 7);
    Place(*doc, kGrass, 90, 90, 8);
    ASSERT_TRUE(SaveQzbm(*doc, File("areas.qzbm")));

    NodeFileBuilder expected;
    BeginMap(expected, 1000, 1000);
    // Areas by floor, then block; offsets within the block.
    const int areas[][5] = {{0, 0, 7, 100, 100}, {256, 0, 7, 44, 100}, {768, 0, 7, 232, 5}, {0, 0, 8, 90, 90}};
    for (const auto& a : areas) {
        Area(expected, a[0], a[1], a[2]);
        GrassTile(expected, a[3], a[4]);
        expected.End();
    }
    expected.End().End();
    EXPECT_EQ(ReadFileBytes(File("areas.qzbm")), expected.Bytes());
}

TEST_F(QzbmWriterTest, ItemNodesCarryTheirAttributesAndGroundsOnlyIdAndCount)
{
    Place(*doc, kGrass, 1, 1, 7)->SetActionId(100);  // the inline form holds no action id
    Place(*doc, kStackable, 1, 1, 7, 0xFE);          // count byte that needs escaping
    Place(*doc, kRune, 1, 1, 7, 7);
    Place(*doc, kDoor, 1, 1, 7)->SetCount(0);         // no door id: no attribute 14
    CItem* door = Place(*doc, kDoor, 1, 1, 7);
    door->SetCount(9);
    door->SetActionId(0x12345);  // the low 16 bits are stored
    door->SetUniqueId(77);
    CItem* sign = Place(*doc, kReadable, 1, 1, 7);
    sign->SetText("Hi");
    sign->SetSpecialDescription("Old");
    static_cast<CTeleportItem*>(Place(*doc, kTeleport, 1, 1, 7))->SetDestination(65536, 70000, 300);
    ASSERT_TRUE(SaveQzbm(*doc, File("items.qzbm")));

    NodeFileBuilder expected;
    BeginMap(expected, 1000, 1000);
    Area(expected, 0, 0, 7);
    expected.Start(qzbm::kTileNode);
    expected.U8(1).U8(1).U8(qzbm::kGroundAttribute).U16(kGrass + 100);
    // The count rules keep a stackable's count at 1 to 100: 0xFE became 1.
    ItemNode(expected, kStackable).U8(1).End();
    ItemNode(expected, kRune).U8(12).U8(7).End();
    ItemNode(expected, kDoor).End();
    ItemNode(expected, kDoor).U8(14).U8(9).U8(4).U16(0x2345).U8(5).U16(77).End();
    String(ItemNode(expected, kReadable).U8(6), "Hi").U8(7);
    String(expected, "Old").End();
    // Destinations beyond the fields are stored as their largest values, never wrapped.
    ItemNode(expected, kTeleport).U8(8).U16(0xFFFF).U16(0xFFFF).U8(0xFF).End();
    expected.End().End().End().End();
    EXPECT_EQ(ReadFileBytes(File("items.qzbm")), expected.Bytes());
}

TEST_F(QzbmWriterTest, SizesBeyondSixteenBitsAreStoredAsTheLargestThatFits)
{
    doc->width = 65536;
    doc->height = 70000;
    ASSERT_TRUE(SaveQzbm(*doc, File("huge.qzbm")));
    auto reread = NewDocument();
    reread->width = 10;
    reread->height = 10;
    ASSERT_TRUE(LoadQzbm(*reread, File("huge.qzbm"), false));
    EXPECT_EQ(reread->width, 65535);
    EXPECT_EQ(reread->height, 65535);
}

// A read map may name its side files like each other or like the map itself.
TEST_F(QzbmWriterTest, SideFilesWhoseNamesCannotBeKeptGetTheirOwnNames)
{
    auto creature = std::make_unique<CCreature>(kRat);
    doc->Spawns().CreateSpawn({60, 60, 7}, 2)->AddCreature(creature, {60, 61, 7});
    doc->Houses().GetHouse(1, true);
    const struct {
        std::string house, spawn, wantHouse, wantSpawn;
    } cases[] = {
        {"same.xml", "same.xml", "same.xml", "world-spawn.xml"},
        {"world.qzbm", "world.qzbm", "world-house.xml", "world-spawn.xml"},
        {"h.xml", "world.qzbm", "h.xml", "world-spawn.xml"},
        // The spawns' own name is the one the houses were given.
        {"world-spawn.xml", "world.qzbm", "world-house.xml", "world-spawn.xml"},
        // No file can have these names, or the system would cut the NUL off (to the map's).
        {std::string(250, 'h'), "..", "world-house.xml", "world-spawn.xml"},
        {"h.xml", std::string("world.qzbm\0.xml", 14), "h.xml", "world-spawn.xml"},
    };
    for (const auto& c : cases) {
        doc->SetHouseFile(c.house);
        doc->SetSpawnFile(c.spawn);
        ASSERT_TRUE(SaveQzbm(*doc, File("world.qzbm"))) << c.house << " " << c.spawn;
        EXPECT_EQ(doc->GetHouseFile(), c.wantHouse);
        EXPECT_EQ(doc->GetSpawnFile(), c.wantSpawn);
        auto reread = NewDocument();
        ASSERT_EQ(reread->OpenDocument(File("world.qzbm")), OpenResult::Opened) << c.house;
        EXPECT_EQ(reread->Spawns().Size(), 1u);
        EXPECT_EQ(reread->Houses().Size(), 1u);
    }
}

TEST_F(QzbmWriterTest, FailedSaveLeavesThePreviousMapAndSideFilesAsTheyWere)
{
    BuildVariedWorld(*doc);
    const std::string path = File("world.qzbm");
    ASSERT_TRUE(SaveQzbm(*doc, path));
    const auto map = ReadFileBytes(path);
    const auto houses = ReadFileBytes(File("world-house.xml"));
    const auto spawns = ReadFileBytes(File("world-spawn.xml"));
    const size_t files = FilesIn(dir.Path());

    // A text too long for its 16-bit length makes the write fail halfway through the map.
    doc->Houses().GetHouse(7, false)->name = "Renamed";
    Place(*doc, kReadable, 300, 300, 7)->SetText(std::string(70000, 'x'));
    EXPECT_FALSE(SaveQzbm(*doc, path));
    EXPECT_EQ(ReadFileBytes(path), map);
    EXPECT_EQ(ReadFileBytes(File("world-house.xml")), houses);
    EXPECT_EQ(ReadFileBytes(File("world-spawn.xml")), spawns);
    EXPECT_EQ(FilesIn(dir.Path()), files);

    // A folder that does not exist: nothing can be created.
    EXPECT_FALSE(SaveQzbm(*doc, File("missing/world.qzbm")));
    EXPECT_EQ(FilesIn(dir.Path()), files);
}

}  // namespace
}  // namespace tessark::test
