#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/CliRun.h"
#include "support/TestDataSet.h"

namespace tessark::cli {
namespace {

using test::ScratchDirectory;
using test::TestDataSet;

class DataInfoCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(data.Path());
        ASSERT_TRUE(TestDataSet::WriteAll(data.Path().string()));
    }

    test::ToolRun DataInfo(const std::string& extra = "")
    {
        return test::RunTool(scratch, "--data '" + data.Path().string() + "' datainfo" + extra);
    }

    ScratchDirectory scratch;
    ScratchDirectory data;
};

TEST_F(DataInfoCommandTest, PrintsTheLoadedDataAsOneJsonObject)
{
    const test::ToolRun run = DataInfo();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    // 12 sprite ids of the client data plus the two marker sprites; sprite 12 has no data.
    EXPECT_EQ(run.out,
              "{\"clientTypes\": 11, \"serverTypes\": 12, \"clientItemCount\": 108, "
              "\"itemsVersion\": [3, 12], \"sprites\": 14, \"decodedSprites\": 13, "
              "\"creatureTypes\": 2, \"materials\": [{\"name\": \"Grounds\", \"count\": 2}, "
              "{\"name\": \"Walls\", \"count\": 1}, {\"name\": \"Takeable\", \"count\": 2}, "
              "{\"name\": \"Decoration\", \"count\": 3}, {\"name\": \"Other\", \"count\": 1}, "
              "{\"name\": \"Monsters\", \"count\": 1}]}\n");
}

// What each message says is the loader's; here only that messages reach standard error with
// their kind, and that data which would stop the editor stops the tool.
TEST_F(DataInfoCommandTest, StartUpMessagesGoToStandardErrorAndFatalOnesExitWithThree)
{
    std::filesystem::remove(data.File("creatures.xml"));
    test::ToolRun run = DataInfo();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "error: Could not to open creatures.xml.\n");
    EXPECT_NE(run.out, "");

    std::filesystem::remove(data.File("morva.spr"));
    run = DataInfo();
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "error: Could not to open creatures.xml.\nerror: Could not load sprites from morva.spr!\n");
}

}  // namespace
}  // namespace tessark::cli
