#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"

namespace tessark::cli {
namespace {

using test::ScratchDirectory;
using test::TestDataSet;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the built tool with the arguments (already quoted for the shell where needed).
CliRun RunCli(const ScratchDirectory& scratch, const std::string& arguments)
{
    const std::string outPath = scratch.File("stdout.txt");
    const std::string errPath = scratch.File("stderr.txt");
    const std::string command = std::string("'") + TESSARK_CLI_PATH + "' " + arguments + " >'" +
                                outPath + "' 2>'" + errPath + "' </dev/null";
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    return run;
}

class DataInfoCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(data.Path());
        ASSERT_TRUE(TestDataSet::WriteAll(data.Path().string()));
    }

    CliRun DataInfo(const std::string& extra = "")
    {
        return RunCli(scratch, "--data '" + data.Path().string() + "' datainfo" + extra);
    }

    ScratchDirectory scratch;
    ScratchDirectory data;
};

TEST_F(DataInfoCommandTest, PrintsTheLoadedDataAsOneJsonObject)
{
    const CliRun run = DataInfo();
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

TEST_F(DataInfoCommandTest, StartUpMessagesGoToStandardError)
{
    std::filesystem::remove(data.File("materials.xml"));
    std::filesystem::remove(data.File("creatures.xml"));
    const CliRun run = DataInfo();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "error: Could not to open materials.xml.\n"
              "warning: Could not load materials.xml! (loading default)\n"
              "error: Could not to open creatures.xml.\n");
    EXPECT_NE(run.out.find("\"materials\": [{\"name\": \"Ground\", \"count\": 2}, "
                           "{\"name\": \"Takeable\", \"count\": 2}, "
                           "{\"name\": \"Container\", \"count\": 1}, "
                           "{\"name\": \"Hangeable\", \"count\": 1}, "
                           "{\"name\": \"Other\", \"count\": 5}]}"),
              std::string::npos)
        << run.out;
}

TEST_F(DataInfoCommandTest, DataThatWouldStopTheEditorExitsWithThree)
{
    std::filesystem::remove(data.File("morva.spr"));
    CliRun run = DataInfo();
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "error: Could not load sprites from morva.spr!\n");

    std::filesystem::remove(data.File("morva.dat"));
    run = DataInfo();
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "error: Could not find morva.dat!\n");
}

TEST_F(DataInfoCommandTest, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(DataInfo(" extra").status, 2);
    EXPECT_EQ(RunCli(scratch, "--data").status, 2);
    EXPECT_EQ(RunCli(scratch, "--bogus datainfo").status, 2);
    const CliRun unknown = RunCli(scratch, "--data '" + data.Path().string() + "' nosuchcommand");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
}

}  // namespace
}  // namespace tessark::cli
