#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "platform/AtomicFileSet.h"
#include "platform/AtomicFileWriter.h"
#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"

namespace tessark {
namespace {

namespace fs = std::filesystem;

class AtomicFileWriterTest : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return folder.File(name); }
    std::string Text(const std::string& name) const { return test::ReadWholeFile(File(name)); }
    bool Save(const std::string& path, const std::string& text)
    {
        AtomicFileWriter writer(path);
        return writer.Open() && writer.Write(text.data(), text.size()) && writer.Commit();
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static unsigned Mode(const std::string& path)
    {
        struct stat info {};
        return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    }

    test::ScratchDirectory folder;
};

// A replaced file keeps its permissions; links are written through and stay links.
TEST_F(AtomicFileWriterTest, ReplacedFilesKeepTheirPermissionsAndLinks)
{
    fs::create_directory(File("maps"));
    ASSERT_TRUE(test::WriteTextFile(File("maps/real.qzbm"), "old"));
    ASSERT_EQ(::chmod(File("maps/real.qzbm").c_str(), 0750), 0);
    fs::create_symlink("maps/real.qzbm", File("relative.qzbm"));
    fs::create_symlink(File("relative.qzbm"), File("chained.qzbm"));
    fs::create_symlink("maps/later.qzbm", File("dangling.qzbm"));
    for (const char* link : {"relative.qzbm", "chained.qzbm"}) {
        ASSERT_TRUE(Save(File(link), link));
        EXPECT_TRUE(fs::is_symlink(File(link)));
        EXPECT_EQ(Text("maps/real.qzbm"), link);
        EXPECT_EQ(Mode(File("maps/real.qzbm")), 0750u);
    }
    // A link to a file not made yet makes that file.
    ASSERT_TRUE(Save(File("dangling.qzbm"), "made"));
    EXPECT_TRUE(fs::is_symlink(File("dangling.qzbm")));
    EXPECT_EQ(Text("maps/later.qzbm"), "made");
    EXPECT_EQ(Names(), (std::vector<std::string>{"chained.qzbm", "dangling.qzbm", "maps", "relative.qzbm"}));
}

TEST_F(AtomicFileWriterTest, RefusedAndUnfinishedSavesLeaveNothingBehindAndCleanUpKilledOnes)
{
    fs::create_directory(File("folder.qzbm"));
    fs::create_symlink("loop.qzbm", File("loop.qzbm"));
    for (const char* target : {"folder.qzbm", "loop.qzbm", "missing/map.qzbm"}) {
        AtomicFileWriter writer(File(target));
        EXPECT_FALSE(writer.Open()) << target;
        EXPECT_NE(writer.Error(), 0) << target;
    }
    {
        AtomicFileWriter unfinished(File("map.qzbm"));
        ASSERT_TRUE(unfinished.Open());
        ASSERT_TRUE(unfinished.Finish());
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder.qzbm", "loop.qzbm"}));
    // What a killed save left goes with the next save of that file, and nothing else.
    for (const char* name : {"map.qzbm.tmp0", "map.qzbm.tmp17", "map.qzbm.tmpx", "other.qzbm.tmp3"}) {
        ASSERT_TRUE(test::WriteTextFile(File(name), "left"));
    }
    ASSERT_TRUE(Save(File("map.qzbm"), "map"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder.qzbm", "loop.qzbm", "map.qzbm", "map.qzbm.tmpx",
                                                 "other.qzbm.tmp3"}));
}

TEST_F(AtomicFileWriterTest, ASetReplacesAllItsFilesOrNone)
{
    ASSERT_TRUE(test::WriteTextFile(File("a"), "old a"));
    ASSERT_TRUE(test::WriteTextFile(File("b"), "old b"));
    fs::create_directory(File("c"));
    {
        AtomicFileSet files;
        ASSERT_TRUE(files.Open(File("a"))->Write("new a", 5));
        ASSERT_TRUE(files.Open(File("b"))->Write("new b", 5));
        EXPECT_EQ(files.Open(File("c")), nullptr);
        EXPECT_FALSE(files.Commit());
        EXPECT_EQ(files.FailedPath(), File("c"));
        EXPECT_EQ(files.Error(), EISDIR);
    }
    EXPECT_EQ(Text("a"), "old a");
    EXPECT_EQ(Text("b"), "old b");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));

    AtomicFileSet files;
    ASSERT_TRUE(files.Open(File("a"))->Write("new a", 5));
    ASSERT_TRUE(files.Open(File("b"))->Write("new b", 5));
    EXPECT_TRUE(files.Commit());
    EXPECT_EQ(Text("a"), "new a");
    EXPECT_EQ(Text("b"), "new b");
}

}  // namespace
}  // namespace tessark
