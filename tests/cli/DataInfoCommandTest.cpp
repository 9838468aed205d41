#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/CliRun.h"
#include "support/TestDataSet.h"

namespace tessark::cli {
namespace {

using test::ScratchDirectory;
using test::TestDataSet;

// The loaded data as one JSON object. What each start-up message says is the loader's; here
// only that messages reach standard error with their kind, and that data which would stop the
// editor stops the tool.
TEST(DataInfoCommandTest, PrintsTheLoadedDataAndSendsStartUpMessagesToStandardError)
{
    ScratchDirectory scratch;
    ScratchDirectory data;
    ASSERT_TRUE(TestDataSet::WriteAll(data.Path().string()));
    const auto dataInfo = [&] { return test::RunTool(scratch, "--data '" + data.Path().string() + "' datainfo"); };
    test::ToolRun run = dataInfo();
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

    std::filesystem::remove(data.File("creatures.xml"));
    run = dataInfo();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "error: Could not to open creatures.xml.\n");
    EXPECT_NE(run.out, "");

    std::filesystem::remove(data.File("morva.spr"));
    run = dataInfo();
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "error: Could not to open creatures.xml.\nerror: Could not load sprites from morva.spr!\n");
}

}  // namespace
}  // namespace tessark::cli
