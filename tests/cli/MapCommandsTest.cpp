#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "data/DataLoader.h"
#include "data/GameData.h"
#include "edit/ClipboardCommands.h"
#include "mapfiles/MapFormats.h"
#include "model/Creature.h"
#include "model/Spawn.h"
#include "model/TessarkDoc.h"
#include "support/CliRun.h"
#include "support/MapTestWorld.h"
#include "support/PngFile.h"
#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"

namespace tessark::cli {
namespace {

using test::ScratchDirectory;
using test::TestDataSet;

// The keys of the shared test data set (see TestDataSet.h) for the test world; -1 for the kinds it lacks.
const test::WorldKeys kDataSetKeys = {.ground = 0, .otherGround = 1, .plain = 3, .stackable = 4, .fluid = -1,
                                      .splash = -1, .rune = -1, .door = -1, .readable = 8, .wall = 2, .border = -1,
                                      .hanging = 5, .teleport = 6, .depot = 7, .creature = 11};

class MapCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestDataSet::WriteAll(data.Path().string()));
        ASSERT_TRUE(LoadDataFiles(data.Path().string(), gameData, silent));
    }

    test::ToolRun Run(const std::string& arguments)
    {
        return test::RunTool(work, "--data '" + data.Path().string() + "' " + arguments);
    }

    std::unique_ptr<CTessarkDoc> NewDocument()
    {
        auto document = std::make_unique<CTessarkDoc>(gameData.items, silent);
        RegisterMapFormats(*document);
        return document;
    }

    // The test world in the data set's items, saved as world.qzbm with its side files.
    std::string SaveWorld()
    {
        auto document = NewDocument();
        test::BuildVariedWorld(*document, kDataSetKeys);
        const std::string path = File("world.qzbm");
        EXPECT_EQ(document->DoSave(path, true, {}), SaveResult::Saved);
        return path;
    }

    std::string File(const std::string& name) const { return maps.File(name); }

    ScratchDirectory data;
    ScratchDirectory maps;
    ScratchDirectory work;
    GameData gameData;
    SilentMessageSink silent;
};

TEST_F(MapCommandsTest, InfoCountsWhatTheMapHolds)
{
    auto document = NewDocument();
    document->width = 64;
    document->height = 32;
    test::Place(*document, 0, 1, 1, 7);
    test::Place(*document, 4, 1, 1, 7, 5);
    test::Place(*document, 3, 1, 1, 7)->SetUniqueId(70);
    test::Place(*document, 1, 2, 1, 7);
    test::Place(*document, 3, 3, 3, 8)->SetUniqueId(70);
    document->GetTile(2, 1, 7)->SetProtectionZone(true);
    document->Houses().GetHouse(5, true)->AddTile(document->GetTile(1, 1, 7));
    document->Towns().GetTown(2, true);
    CSpawn* spawn = document->Spawns().CreateSpawn({10, 10, 7}, 2);
    auto rat = std::make_unique<CCreature>(11);
    spawn->AddCreature(rat, {10, 11, 7});
    ASSERT_EQ(document->DoSave(File("small.qzbm"), true, {}), SaveResult::Saved);

    const test::ToolRun run = Run("info '" + File("small.qzbm") + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "{\"width\": 64, \"height\": 32, \"description\": \"Brenick MapEditor 0.4.486\", "
              "\"spawnFile\": "
              "\"small-spawn.xml\", \"houseFile\": \"small-house.xml\", \"temple\": [0, 0, 0], "
              "\"tiles\": 3, \"grounds\": 2, \"items\": 3, \"houseTiles\": 1, \"pzTiles\": 2, "
              "\"towns\": 1, \"houses\": 1, \"spawns\": 1, \"creatures\": 1, \"uniqueIds\": 1}\n");
}

// Valid arguments on every kind of map: 0 for a map that reads, 1 for one that does not or
// for output that cannot be written, never 2 (kept for bad arguments) and never a crash.
TEST_F(MapCommandsTest, ExitStatusOfEveryCommandOnWholeAndDamagedMaps)
{
    const std::string world = SaveWorld();
    std::vector<uint8_t> bytes = test::ReadFileBytes(world);
    bytes.resize(bytes.size() - 3);
    ASSERT_TRUE(test::WriteFileBytes(File("short.qzbm"), bytes));
    bytes.resize(bytes.size() / 2);
    ASSERT_TRUE(test::WriteFileBytes(File("cut.qzbm"), bytes));
    ASSERT_TRUE(test::WriteTextFile(File("noise.qzx"), "<map width=\"9\"><tile x=\"1\""));
    auto huge = NewDocument();
    huge->width = huge->height = 0xFFFF;
    test::Place(*huge, 0, 0xFFFE, 0xFFFE, 7);
    ASSERT_EQ(huge->DoSave(File("huge.qzbm"), true, {}), SaveResult::Saved);

    const std::string out = work.File("out");
    const std::string commands[] = {"info", "dump", "verify", "convert {} '" + out + ".qzx'",
                                    "render {} -o '" + out + ".png' --size 64x48",
                                    "minimap {} -o '" + out + ".png'"};
    struct Case {
        std::string map;
        int status;
        int minimapStatus;
    };
    const Case cases[] = {{world, 0, 0},
                          {File("short.qzbm"), 1, 1},
                          {File("cut.qzbm"), 1, 1},
                          {File("map.txt"), 1, 1},
                          {File("noise.qzx"), 1, 1},
                          {File("absent.qzbm"), 1, 1},
                          // 65535 x 65535 pixels is more than the tool writes: a write failure.
                          {File("huge.qzbm"), 0, 1}};
    std::map<std::string, test::ToolRun> runs;
    for (const Case& c : cases) {
        for (std::string command : commands) {
            const std::string key = command.substr(0, command.find(' ')) + " " + c.map;
            const size_t slot = command.find("{}");
            command = slot == std::string::npos ? command + " '" + c.map + "'"
                                                : command.replace(slot, 2, "'" + c.map + "'");
            const test::ToolRun run = Run(command);
            EXPECT_EQ(run.status, command.starts_with("minimap") ? c.minimapStatus : c.status)
                << command << "\n" << run.err;
            EXPECT_EQ(run.status != 0, run.err.starts_with("error: ")) << command << "\n" << run.err;
            runs[key] = run;
            if (key == "minimap " + world) {
                const cli::PixelImage image = test::ReadPng(out + ".png");  // one pixel per tile
                EXPECT_EQ(std::make_pair(image.width, image.height), std::make_pair(600, 400));
            }
        }
    }
    ASSERT_EQ(Run("minimap '" + world + "' -o '" + out + ".png' --floor 8 --area 5,15,20,10").status, 0);
    EXPECT_EQ(test::ReadPng(out + ".png").width, 20);
    EXPECT_EQ(test::ReadPng(out + ".png").height, 10);
    // A failed read prints what was read, then the message.
    const test::ToolRun& cut = runs["info " + File("short.qzbm")];
    EXPECT_TRUE(cut.out.starts_with("{\"width\": 600, \"height\": 400, ")) << cut.out;
    EXPECT_TRUE(cut.err.starts_with("error: Could not open the file. Failed to read stream properties. Code: "));
    EXPECT_EQ(runs["dump " + File("absent.qzbm")].err, "error: Could not open the file. Code: 0\n");
    EXPECT_TRUE(runs["dump " + File("absent.qzbm")].out.starts_with("{\"kind\": \"map\", \"width\": 1000, "));
    EXPECT_EQ(runs["verify " + File("map.txt")].out, "Verifying map...\nDone.\n");
    EXPECT_EQ(runs["verify " + File("map.txt")].err, "error: Could not open the file. Code: 0\n");
    for (const char* usage : {"info", "dump a b", "convert a", "convert a b --import", "minimap a",
                              "minimap a -o b.png --floor 16", "minimap a -o b.png --area 1,2,0,4"}) {
        EXPECT_EQ(Run(usage).status, 2) << usage;
    }
}

TEST_F(MapCommandsTest, DumpListsMapTownsHousesSpawnsAndTilesInThatOrder)
{
    const test::ToolRun run = Run("dump '" + SaveWorld() + "'");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    auto reread = NewDocument();
    ASSERT_EQ(reread->OpenDocument(File("world.qzbm")), OpenResult::Opened);
    EXPECT_EQ(test::DumpText(*reread), run.out);
    EXPECT_TRUE(run.out.starts_with(
        "{\"kind\": \"map\", \"width\": 600, \"height\": 400, \"description\": \"A test world & "
        "<its> \\\"quirks\\\"\", \"temple\": [0, 0, 0], \"spawnFile\": \"world-spawn.xml\", "
        "\"houseFile\": \"world-house.xml\"}\n"
        "{\"kind\": \"town\", \"id\": 1, \"name\": \"Fairhaven\", \"temple\": [120, 130, 7]}\n"
        "{\"kind\": \"town\", \"id\": 2, \"name\": \"Town2\", \"temple\": [255, 254, 7]}\n"
        "{\"kind\": \"house\", \"id\": 7, \"name\": \"Harbour Lane 1\", \"entry\": [259, 257, 7], "
        "\"rent\": 450, \"townId\": 2, \"tiles\": 2, \"doors\": []}\n"));
    EXPECT_NE(run.out.find("{\"kind\": \"spawn\", \"center\": [252, 254, 7], \"radius\": 3, "
                           "\"creatures\": [{\"id\": 111, \"name\": \"Rat\", \"dx\": 0, \"dy\": 0, "
                           "\"spawnTime\": 90, \"direction\": 0}, "),
              std::string::npos);
    EXPECT_NE(run.out.find("{\"kind\": \"tile\", \"x\": 256, \"y\": 256, \"z\": 7, \"flags\": 0, "
                           "\"house\": 0, \"ground\": {\"id\": 100, \"count\": 1, \"actionId\": 0, "
                           "\"uniqueId\": 0}, \"items\": [{\"id\": 106, \"count\": 1, \"actionId\": "
                           "0, \"uniqueId\": 0, \"dest\": [1000, 2000, 6]}]}\n"),
              std::string::npos);
    // Tiles by z, then y, then x: (261, 250) before (250, 251).
    EXPECT_LT(run.out.find("\"x\": 261, \"y\": 250, \"z\": 7"),
              run.out.find("\"x\": 250, \"y\": 251, \"z\": 7"));
}

TEST_F(MapCommandsTest, ConvertFailsWhenATemplateAnImportOrASideFileCannotBeWritten)
{
    const std::string world = SaveWorld();
    std::string bytes = test::ReadWholeFile(world);
    ASSERT_TRUE(test::WriteTextFile(File("cut.qzbm"), bytes.substr(0, bytes.size() / 2)));
    std::filesystem::create_directory(File("out-spawn.xml"));
    const std::string out = File("out.qzbm");
    const struct {
        std::string arguments;
        std::string err;
    } cases[] = {
        {"convert '" + world + "' '" + out + "' --template '" + File("cut.qzbm") + "'",
         "error: Could not to open cut.qzbm.\n"},
        {"convert '" + world + "' '" + out + "' --import '" + File("cut.qzbm") + "'",
         "error: Could not to open cut.qzbm.\n"},
        {"convert '" + world + "' '" + out + "'", "error: Could not save " + out + ".\n"},
        {"--verbose convert '" + world + "' '" + out + "'",
         "error: Could not save " + out + ".\ndetail: out-spawn.xml: Is a directory\n"},
    };
    for (const auto& run : cases) {
        const test::ToolRun result = Run(run.arguments);
        EXPECT_EQ(result.status, 1) << run.arguments;
        EXPECT_EQ(result.err, run.err) << run.arguments;
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_FALSE(std::filesystem::exists(File("out-house.xml")));
    }

    // Tiles beyond the map's size are left out, with a word.
    ASSERT_TRUE(test::WriteTextFile(File("small.qzx"), "<map width=\"50\" height=\"50\">"
                                                       "<tile x=\"60\" y=\"10\" z=\"7\" ground=\"100\"/></map>"));
    const test::ToolRun beyond = Run("convert '" + File("small.qzx") + "' '" + File("copy.qzbm") + "'");
    EXPECT_EQ(beyond.status, 0);
    EXPECT_EQ(beyond.err, "warning: 1 tile lies beyond the map's width and height and will not be saved.\n");
}

TEST_F(MapCommandsTest, CopyAndPasteStampBlocksAsTheEditorDoes)
{
    const std::string world = SaveWorld();
    const std::string clip = File("clip.bin");
    ASSERT_EQ(Run("copy '" + world + "' --area 250,250,8,8 --floors 6-7 -o '" + clip + "'").status, 0);

    // The bytes are those of the editor's Copy over the same tiles.
    auto source = NewDocument();
    ASSERT_EQ(source->OpenDocument(world), OpenResult::Opened);
    std::vector<Position> selected;
    for (int z = 6; z <= 7; ++z) {
        for (int y = 250; y < 258; ++y) {
            for (int x = 250; x < 258; ++x) {
                if (source->GetTile(x, y, z)) {
                    selected.push_back({x, y, z});
                }
            }
        }
    }
    ASSERT_GT(selected.size(), 10u);
    const std::vector<uint8_t> expected = ClipboardCommands::TileBytes(*source, selected);
    EXPECT_EQ(test::ReadFileBytes(clip), expected);

    // Pasted 100 tiles right: copying the pasted area gives the same block again.
    const std::string out = File("out.qzbm");
    const Position anchor = *std::min_element(selected.begin(), selected.end(), PositionZyxLess());
    ASSERT_EQ(Run("paste '" + world + "' '" + clip + "' --at " + std::to_string(anchor.x + 100) + "," +
                  std::to_string(anchor.y) + "," + std::to_string(anchor.z) + " -o '" + out + "'")
                  .status,
              0);
    const std::string again = File("again.bin");
    ASSERT_EQ(Run("copy '" + out + "' --area 350,250,8,8 --floors 6-7 -o '" + again + "'").status, 0);
    EXPECT_EQ(test::ReadFileBytes(again), test::ReadFileBytes(clip));

    // A thing: one more item at the target. A short block, an empty area, no such thing: status
    // 1 and nothing written.
    const std::string thing = File("thing.bin");
    ASSERT_EQ(Run("copy '" + world + "' --thing 256,256,7,1 -o '" + thing + "'").status, 0);
    ASSERT_EQ(Run("paste '" + world + "' '" + thing + "' --at 250,250,7 --thing -o '" + out + "'").status, 0);
    auto pasted = NewDocument();
    ASSERT_EQ(pasted->OpenDocument(out), OpenResult::Opened);
    EXPECT_EQ(pasted->GetTile(250, 250, 7)->GetThingCount(), source->GetTile(250, 250, 7)->GetThingCount() + 1);

    std::vector<uint8_t> shortBlock = test::ReadFileBytes(clip);
    shortBlock.pop_back();
    ASSERT_TRUE(test::WriteFileBytes(File("short.bin"), shortBlock));
    const test::ToolRun bad = Run("paste '" + world + "' '" + File("short.bin") + "' --at 300,300,7 -o '" +
                           File("bad.qzbm") + "'");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "error: The pasted data ends early; nothing was pasted.\n");
    EXPECT_FALSE(std::filesystem::exists(File("bad.qzbm")));
    EXPECT_EQ(Run("copy '" + world + "' --area 30,30,2,2 -o '" + File("none.bin") + "'").status, 1);
    EXPECT_EQ(Run("copy '" + world + "' --thing 256,256,7,9 -o '" + File("none.bin") + "'").status, 1);
    EXPECT_FALSE(std::filesystem::exists(File("none.bin")));
    EXPECT_EQ(Run("copy '" + world + "' --area 1,1,2,2 --thing 1,1,7,0 -o x").status, 2);
    EXPECT_EQ(Run("paste '" + world + "' '" + clip + "' -o x").status, 2);
}

}  // namespace
}  // namespace tessark::cli
