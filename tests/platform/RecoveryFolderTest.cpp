#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/RecoveryFolder.h"
#include "support/ScratchDirectory.h"

namespace tessark::test {
namespace {

namespace fs = std::filesystem;

TEST(RecoveryFolderTest, ManifestsAreReadBackOrRefused)
{
    const RecoveryCopy copy{"", "copy-3/my map.qzbm", "/maps/50%\nodd/w.qzbm", 1700000000};
    const std::optional<RecoveryCopy> read = ParseRecoveryManifest(RecoveryManifestText(copy));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->originalPath, copy.originalPath);
    EXPECT_EQ(read->mapPath, copy.mapPath);
    EXPECT_EQ(read->writtenAt, copy.writtenAt);

    const char* refused[] = {
        "",
        "tessark recovery 2\nmap=copy-1/a.qzbm\n",
        "tessark recovery 1\noriginal=/a.qzbm\n",
        "tessark recovery 1\nmap=/etc/a.qzbm\n",
        "tessark recovery 1\nmap=copy-1/../a.qzbm\n",
        "tessark recovery 1\nmap=copy-1/..\n",
        "tessark recovery 1\nmap=copy-x/a.qzbm\n",
        "tessark recovery 1\nmap=copy-1/a/b.qzbm\n",
        "tessark recovery 1\nmap=copy-1/a.qzbm\nwritten=12x\n",
    };
    for (const char* text : refused) {
        EXPECT_FALSE(ParseRecoveryManifest(text)) << text;
    }
}

// Writes a session's copy the way a writer does: the map file, then the commit.
std::string WriteCopy(RecoveryFolder& folder, const std::string& original, int64_t writtenAt)
{
    EXPECT_TRUE(folder.Claim());
    const std::string map = folder.NextMapPath(original);
    fs::create_directories(fs::path(map).parent_path());
    WriteFileBytes(map, std::vector<uint8_t>{1, 2, 3});
    EXPECT_TRUE(folder.Commit(map, original, writtenAt));
    return map;
}

// A session that writes its copy and dies without cleaning up, as a crashed editor does.
void CrashedSession(const std::string& root, const std::string& original, int64_t writtenAt)
{
    const pid_t child = fork();
    if (child == 0) {
        RecoveryFolder folder(root);
        WriteCopy(folder, original, writtenAt);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
}

TEST(RecoveryFolderTest, OnlyCopiesOfEndedSessionsAreOfferedAndTakenOnce)
{
    ScratchDirectory scratch;
    const std::string root = scratch.File("data/recovery");
    {
        RecoveryFolder live(root);
        const std::string first = WriteCopy(live, "/maps/live.qzbm", 10);
        const std::string second = WriteCopy(live, "/maps/live.qzbm", 11);
        EXPECT_FALSE(fs::exists(fs::path(first).parent_path())) << "an older copy was kept";
        EXPECT_TRUE(fs::exists(second));
        CrashedSession(root, "/maps/old.qzbm", 100);
        CrashedSession(root, "", 200);
        // Debris a scan must pass over: no manifest, a damaged one, a huge one, a missing
        // map, a plain file and a link named like sessions.
        for (const char* name : {"session-empty", "session-bad", "session-huge", "session-nomap"}) {
            fs::create_directories(fs::path(root) / name);
        }
        WriteFileBytes(root + "/session-bad/recovery.txt", std::vector<uint8_t>{0xFF, 0, '\n'});
        WriteFileBytes(root + "/session-huge/recovery.txt", std::vector<uint8_t>(1 << 20, 'a'));
        const std::string noMap = "tessark recovery 1\nmap=copy-0/gone.qzbm\n";
        WriteFileBytes(root + "/session-nomap/recovery.txt", {reinterpret_cast<const uint8_t*>(noMap.data()), noMap.size()});
        WriteFileBytes(root + "/session-file", std::vector<uint8_t>{1});
        fs::create_directory_symlink(fs::path(live.SessionDirectory()), fs::path(root) / "session-link");

        RecoveryFolder next(root);
        const std::vector<RecoveryCopy> left = next.FindLeftCopies();
        ASSERT_EQ(left.size(), 2u);
        EXPECT_EQ(left[0].originalPath, "");
        EXPECT_EQ(left[1].originalPath, "/maps/old.qzbm");
        EXPECT_EQ(ReadFileBytes(left[1].mapPath), (std::vector<uint8_t>{1, 2, 3}));

        const std::optional<RecoveryCopy> adopted = next.Adopt(left[1]);
        ASSERT_TRUE(adopted);
        EXPECT_FALSE(fs::exists(left[1].directory));
        EXPECT_EQ(ReadFileBytes(adopted->mapPath), (std::vector<uint8_t>{1, 2, 3}));
        EXPECT_FALSE(RecoveryFolder(root).Adopt(left[1])) << "a copy is taken only once";
        RecoveryFolder::Remove(left[0]);
        EXPECT_TRUE(RecoveryFolder(root).FindLeftCopies().empty()) << "while the editors live";

        next.RemoveOwnCopy();
        EXPECT_TRUE(fs::is_empty(next.SessionDirectory()));
        fs::remove(fs::path(root) / "session-link");
    }
    // Normal ends leave only the debris.
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 5);
}

}  // namespace
}  // namespace tessark::test
