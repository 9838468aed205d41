#include <gtest/gtest.h>

#include <filesystem>

#include "mapfiles/QzbmReader.h"
#include "mapfiles/QzbmWriter.h"
#include "support/MapFileFixture.h"

namespace tessark::test {
namespace {

using QzbmRoundTripTest = MapFileTest;

TEST_F(QzbmRoundTripTest, VariedWorldReadsBackAsItWasSavedWithItsSideFiles)
{
    BuildVariedWorld(*doc);
    const std::string path = File("world.qzbm");
    ASSERT_EQ(doc->DoSave(path, true, {}), SaveResult::Saved);
    const std::string saved = DumpText(*doc);
    EXPECT_EQ(doc->GetSpawnFile(), "world-spawn.xml");
    EXPECT_EQ(doc->GetHouseFile(), "world-house.xml");
    EXPECT_TRUE(std::filesystem::exists(File("world-spawn.xml")));
    EXPECT_TRUE(std::filesystem::exists(File("world-house.xml")));

    auto reread = NewDocument();
    ASSERT_EQ(reread->OpenDocument(path), OpenResult::Opened);
    EXPECT_EQ(reread->errorKind, 0);
    EXPECT_TRUE(messages.messages.empty());
    // The binary format has no temple; the map's temple is the document's own.
    reread->temple = doc->temple;
    EXPECT_EQ(FirstDifferentLine(saved, DumpText(*reread)), "");
    EXPECT_EQ(reread->GetDescription(), doc->GetDescription());
    EXPECT_EQ(reread->Houses().GetHouse(7, false)->name, "Harbour Lane 1");
    EXPECT_EQ(reread->mapDirectory, dir.Path().string() + "/");
    EXPECT_FALSE(reread->IsModified());

    // Saved again under the same name elsewhere, the map gives the same bytes.
    std::filesystem::create_directory(File("again"));
    const std::string again = File("again/world.qzbm");
    ASSERT_EQ(reread->DoSave(again, true, {}), SaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(again), ReadFileBytes(path));
    EXPECT_EQ(ReadFileBytes(File("again/world-house.xml")), ReadFileBytes(File("world-house.xml")));
    EXPECT_EQ(ReadFileBytes(File("again/world-spawn.xml")), ReadFileBytes(File("world-spawn.xml")));
}

}  // namespace
}  // namespace tessark::test
