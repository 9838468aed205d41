#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "mapfiles/MapFormats.h"
#include "model/HouseList.h"
#include "model/TessarkDoc.h"
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

class SampleCommandsTest : public ::testing::Test {
protected:
    // gen-map with the sample data kit; each world in a folder of its own, as the map names its
    // side files after itself.
    test::ToolRun GenMap(const std::string& folder, const std::string& options)
    {
        std::filesystem::create_directories(scratch.File(folder));
        return RunTool(scratch, "--data '" + GeneratedWorld::Get().DataDirectory() + "' gen-map '" +
                                    scratch.File(folder + "/w.qzbm") + "' " + options);
    }
    std::string Bytes(const std::string& folder, const std::string& name) const
    {
        return ReadWholeFile(scratch.File(folder + "/" + name));
    }

    test::ScratchDirectory scratch;
};

TEST_F(SampleCommandsTest, GenMapSameSeedSameBytesOtherSeedOtherWorldAndItsDefaults)
{
    ASSERT_EQ(GenMap("a", "--size 128 --seed 42").status, 0);
    ASSERT_EQ(GenMap("b", "--size 128 --seed 42").status, 0);
    ASSERT_EQ(GenMap("c", "--size 128 --seed 43").status, 0);
    for (const char* name : {"w.qzbm", "w-house.xml", "w-spawn.xml"}) {
        EXPECT_TRUE(Bytes("a", name) == Bytes("b", name)) << name;
        EXPECT_FALSE(Bytes("a", name) == Bytes("c", name)) << name;
    }
    ASSERT_EQ(GenMap("default", "").status, 0);
    ASSERT_EQ(GenMap("explicit", "--size 512 --seed 1").status, 0);
    EXPECT_TRUE(Bytes("default", "w.qzbm") == Bytes("explicit", "w.qzbm"));

    // The smallest world still has a town with houses, inside its border.
    RecordingMessageSink messages;
    CTessarkDoc document(GeneratedWorld::Get().Data().items, messages);
    RegisterMapFormats(document);
    document.OnOpenDocument(scratch.File("a/w.qzbm"));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(document.width, 128);
    EXPECT_EQ(document.Towns().Size(), 1u);
    EXPECT_GE(document.Houses().Size(), 4u);
    EXPECT_EQ(document.CountTilesBeyondMap(), 0u);
}

TEST_F(SampleCommandsTest, BadArgumentsAreUsageErrorsAndWriteNothing)
{
    const std::string data = "--data '" + GeneratedWorld::Get().DataDirectory() + "' ";
    const std::string map = "gen-map '" + scratch.File("x.qzbm") + "'";
    const std::string kit = "gen-data '" + scratch.File("kit") + "'";
    const std::vector<std::string> cases = {
        data + "gen-map",         data + "gen-map --size 256", data + map + " --size",
        data + map + " --size 127", data + map + " --size 4097", data + map + " --size 2k",
        data + map + " --seed -1",  data + map + " --colour red", data + map + " '" + scratch.File("y.qzbm") + "'",
        "gen-data",                 kit + " --seed",           kit + " --seed -3",
        kit + " --seed 12x",        kit + " --colour",         "gen-data a b"};
    for (const std::string& arguments : cases) {
        SCOPED_TRACE(arguments);
        const test::ToolRun run = RunTool(scratch, arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(scratch.File("x.qzbm")));
    EXPECT_FALSE(std::filesystem::exists(scratch.File("kit")));
}

TEST_F(SampleCommandsTest, GenMapFailuresSayWhy)
{
    // Game data without the kit's types.
    test::ScratchDirectory tiny;
    ASSERT_TRUE(test::TestDataSet::WriteAll(tiny.Path().string()));
    test::ToolRun run = RunTool(scratch, "--data '" + tiny.Path().string() + "' gen-map '" +
                                             scratch.File("w.qzbm") + "' --size 128");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err.rfind("error: The game data has no item type \"", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    EXPECT_FALSE(std::filesystem::exists(scratch.File("w.qzbm")));

    const std::string target = scratch.File("missing-folder/w.qzbm");
    run = RunTool(scratch, "--data '" + GeneratedWorld::Get().DataDirectory() + "' gen-map '" + target +
                               "' --size 128");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "error: Could not save " + target + ".\n");
}

}  // namespace
}  // namespace tessark
