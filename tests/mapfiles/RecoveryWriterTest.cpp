#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "mapfiles/RecoveryWriter.h"
#include "platform/RecoveryFolder.h"
#include "support/MapFileFixture.h"
#include "support/ScratchDirectory.h"

namespace tessark::test {
namespace {

using RecoveryWriterTest = MapFileTest;

RecoveryWriter::State WaitForWrite(RecoveryWriter& writer)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (writer.Poll() == RecoveryWriter::State::Writing && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return writer.Poll();
}

// The copy a background write left, as the session's manifest names it.
RecoveryCopy ReadOwnCopy(const RecoveryFolder& folder)
{
    std::optional<RecoveryCopy> copy = ParseRecoveryManifest(
        ReadWholeFile(folder.SessionDirectory() + "/" + RecoveryFolder::kManifestName));
    EXPECT_TRUE(copy);
    RecoveryCopy result = copy.value_or(RecoveryCopy{});
    result.mapPath = folder.SessionDirectory() + "/" + result.mapPath;
    return result;
}

TEST_F(RecoveryWriterTest, CopiesOpenAsTheEditedMapAndSaveToTheOriginalOnly)
{
    BuildVariedWorld(*doc);
    const std::string original = File("world.qzbm");
    const std::vector<std::string> userFiles = {original, File("world-house.xml"), File("world-spawn.xml")};
    for (const bool titled : {true, false}) {
        SCOPED_TRACE(titled ? "titled" : "untitled");
        if (titled) {
            ASSERT_EQ(doc->DoSave(original, true, {}), SaveResult::Saved);
        } else {
            doc->SetPathName({});
            doc->SetTitle("Untitled");
        }
        std::vector<std::vector<uint8_t>> saved;
        for (const std::string& file : userFiles) {
            saved.push_back(ReadFileBytes(file));
        }
        Place(*doc, kPlain, 300, 300, 7);
        doc->RemoveTile(100, 100, 7);
        const std::string edited = DumpText(*doc);
        const std::string directory = doc->mapDirectory;

        RecoveryFolder folder(File("recovery"));
        RecoveryWriter writer;
        ASSERT_TRUE(writer.Start(*doc, folder, 42));
        ASSERT_EQ(WaitForWrite(writer), RecoveryWriter::State::Written);
        const RecoveryCopy copy = ReadOwnCopy(folder);
        EXPECT_EQ(copy.originalPath, doc->GetPathName());
        EXPECT_EQ(copy.writtenAt, 42);
        EXPECT_EQ(doc->mapDirectory, directory);
        for (size_t i = 0; i < userFiles.size(); ++i) {
            EXPECT_EQ(ReadFileBytes(userFiles[i]), saved[i]) << userFiles[i];
        }

        auto restored = NewDocument();
        ASSERT_EQ(RecoveryWriter::OpenCopy(*restored, copy), OpenResult::Opened);
        restored->temple = doc->temple;
        EXPECT_EQ(edited, DumpText(*restored));
        EXPECT_TRUE(restored->IsModified());
        EXPECT_EQ(restored->GetPathName(), doc->GetPathName());
        EXPECT_EQ(restored->GetTitle(), titled ? "world.qzbm" : "Untitled");
        if (titled) {
            ASSERT_EQ(restored->DoSave(restored->GetPathName(), true, {}), SaveResult::Saved);
            auto reread = NewDocument();
            ASSERT_EQ(reread->OpenDocument(original), OpenResult::Opened);
            reread->temple = doc->temple;
            EXPECT_EQ(edited, DumpText(*reread));
        }
    }
}

}  // namespace
}  // namespace tessark::test
