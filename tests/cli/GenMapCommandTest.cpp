#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "mapfiles/MapFormats.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "model/TileKey.h"
#include "model/TownList.h"
#include "platform/MessageSink.h"
#include "support/GeneratedWorld.h"
#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"

namespace tessark {
namespace {

using test::GeneratedWorld;
using test::ReadWholeFile;
using test::RunTool;
using test::ScratchDirectory;

class GenMapCommandTest : public ::testing::Test {
protected:
    // gen-map with the sample data kit; the map is written into this test's own folder.
    test::ToolRun GenMap(const std::string& arguments)
    {
        std::string command = "--data '";
        command += GeneratedWorld::Get().DataDirectory();
        command += "' gen-map ";
        return RunTool(scratch, command + arguments);
    }
    std::string File(const std::string& name) const { return scratch.File(name); }

    ScratchDirectory scratch;
};

TEST_F(GenMapCommandTest, TheSameSeedGivesTheSameBytesAndAnotherSeedAnotherWorld)
{
    // The map names its side files after itself, so each world goes into a folder of its own.
    const char* const folders[] = {"a", "b", "c"};
    for (const char* folder : folders) {
        std::filesystem::create_directories(File(folder));
        const std::string seed = folder[0] == 'c' ? "43" : "42";
        ASSERT_EQ(GenMap("'" + File(std::string(folder) + "/w.qzbm") + "' --size 256 --seed " + seed).status, 0);
    }
    const auto bytes = [&](const std::string& folder, const std::string& name) {
        return ReadWholeFile(File(folder + "/" + name));
    };
    const std::string map = bytes("a", "w.qzbm");
    ASSERT_GT(map.size(), 10000u);
    EXPECT_TRUE(map == bytes("b", "w.qzbm"));
    EXPECT_EQ(bytes("a", "w-house.xml"), bytes("b", "w-house.xml"));
    EXPECT_EQ(bytes("a", "w-spawn.xml"), bytes("b", "w-spawn.xml"));
    EXPECT_FALSE(map == bytes("c", "w.qzbm"));
    EXPECT_NE(bytes("a", "w-spawn.xml"), bytes("c", "w-spawn.xml"));
}

TEST_F(GenMapCommandTest, DefaultsToAWorldOf512TilesAndSeedOne)
{
    std::filesystem::create_directories(File("default"));
    std::filesystem::create_directories(File("explicit"));
    ASSERT_EQ(GenMap("'" + File("default/w.qzbm") + "'").status, 0);
    ASSERT_EQ(GenMap("'" + File("explicit/w.qzbm") + "' --size 512 --seed 1").status, 0);
    EXPECT_TRUE(ReadWholeFile(File("default/w.qzbm")) == ReadWholeFile(File("explicit/w.qzbm")));
    const test::ToolRun info =
        RunTool(scratch, "--data '" + GeneratedWorld::Get().DataDirectory() + "' info '" + File("default/w.qzbm") + "'");
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.err, "");
    EXPECT_NE(info.out.find("\"width\": 512, \"height\": 512"), std::string::npos) << info.out;
}

TEST_F(GenMapCommandTest, RefusesBadArgumentsAsUsageErrorsWithoutWritingAnything)
{
    const std::string map = "'" + File("x.qzbm") + "'";
    const std::vector<std::string> cases = {"",           "--size 256",           map + " --size",
                                            map + " --size 127", map + " --size 4097", map + " --size 2k",
                                            map + " --seed -1",  map + " --colour red", map + " '" + File("y.qzbm") + "'"};
    for (const std::string& arguments : cases) {
        SCOPED_TRACE(arguments);
        const test::ToolRun run = GenMap(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage"), std::string::npos);
    }
    EXPECT_EQ(ReadWholeFile(File("x.qzbm")), "");
}

TEST_F(GenMapCommandTest, GameDataWithoutTheKitsTypesIsRefusedWithAMessage)
{
    ScratchDirectory tiny;
    ASSERT_TRUE(test::TestDataSet::WriteAll(tiny.Path().string()));
    const test::ToolRun run =
        RunTool(scratch, "--data '" + tiny.Path().string() + "' gen-map '" + File("w.qzbm") + "' --size 128");
    EXPECT_EQ(run.status, 3);
    // The small set has a few of the kit's types (its grass), but far from all.
    EXPECT_EQ(run.err.rfind("error: The game data has no item type \"", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    EXPECT_EQ(ReadWholeFile(File("w.qzbm")), "");
}

TEST_F(GenMapCommandTest, AnUnwritableTargetFailsWithTheSaveMessage)
{
    const std::string target = File("missing-folder/w.qzbm");
    const test::ToolRun run = GenMap("'" + target + "' --size 128");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "error: Could not save " + target + ".\n");
}

TEST_F(GenMapCommandTest, TheSmallestWorldStillHasATownAndStaysInsideTheBorder)
{
    ASSERT_EQ(GenMap("'" + File("small.qzbm") + "' --size 128 --seed 3").status, 0);
    RecordingMessageSink messages;
    CTessarkDoc document(GeneratedWorld::Get().Data().items, messages);
    RegisterMapFormats(document);
    document.OnOpenDocument(File("small.qzbm"));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(document.Towns().Size(), 1u);
    EXPECT_GE(document.Houses().Size(), 4u);
    size_t tiles = 0;
    for (int z = 0; z < kFloorCount; ++z) {
        document.Tiles().ForEachTile(z, [&](uint32_t key, const CTile&) {
            int32_t x = 0;
            int32_t y = 0;
            SplitTileKey(key, x, y);
            ++tiles;
            EXPECT_TRUE(x >= 20 && y >= 20 && x <= 107 && y <= 107) << x << "," << y << "," << z;
        });
    }
    EXPECT_GT(tiles, 88u * 88u);
}

}  // namespace
}  // namespace tessark
