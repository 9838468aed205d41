#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "mapfiles/MapFormats.h"
#include "mapfiles/MapImport.h"
#include "mapfiles/QzxWriter.h"
#include "support/MapFileFixture.h"
#include "support/TestDataSet.h"

namespace tessark::test {
namespace {

namespace fs = std::filesystem;

// Opening, saving and their failures with the real formats, on files in a scratch folder.
class MapLifecycleTest : public MapFileTest {
protected:
    // The varied world saved as w.qzbm (with both side files) and w.qzx, then opened.
    void OpenWorld()
    {
        BuildVariedWorld(*doc);
        ASSERT_EQ(doc->DoSave(File("w.qzbm"), true, {}), SaveResult::Saved);
        ASSERT_TRUE(SaveQzx(*doc, File("w.qzx")));
        doc = NewDocument();
        ASSERT_EQ(doc->OpenDocument(File("w.qzbm")), OpenResult::Opened);
        messages.messages.clear();
    }
    std::string Bytes(const std::string& name) const { return ReadWholeFile(File(name)); }
    // Every entry of the folder with its bytes ("/" for a folder).
    std::map<std::string, std::string> Folder() const
    {
        std::map<std::string, std::string> entries;
        for (const auto& entry : fs::directory_iterator(dir.File(""))) {
            const std::string name = entry.path().filename().string();
            entries[name] = entry.is_directory() ? "/" : Bytes(name);
        }
        return entries;
    }
    // What the user sees of the open map.
    std::string State() const
    {
        return DumpText(*doc) + "|" + doc->GetPathName() + "|" + doc->GetTitle() + "|" + doc->GetSpawnFile() + "|" +
               doc->GetHouseFile() + "|" + std::to_string(doc->IsModified()) + "|" +
               std::to_string(doc->UniqueIds().Count());
    }
};

TEST_F(MapLifecycleTest, FailedOpensLeaveTheOpenMapAsItWas)
{
    OpenWorld();
    const std::string qzbm = Bytes("w.qzbm");
    const std::string qzx = Bytes("w.qzx");
    std::string noise(3000, '\0');
    for (size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 7919) >> 3);
    }
    const struct {
        const char* name;
        std::string bytes;
        const char* text;
        const char* detail;
    } cases[] = {
        {"cut.qzbm", qzbm.substr(0, qzbm.size() / 2), "Could not open the file.\nFailed to read stream properties. Code: ",
         "cut.qzbm: the file ends inside "},
        {"noise.qzbm", noise, "Could not open the file.\nCode: 0", "noise.qzbm: the file does not start as a map file does"},
        {"cut.qzx", qzx.substr(0, qzx.size() / 2), "Error: ", "cut.qzx"},
        {"noise.qzx", noise, "Could not open the file.\nCode: 0", "noise.qzx: the file holds binary data"},
        {"absent.qzbm", {}, "Could not open the file.\nCode: 0", "absent.qzbm: No such file or directory"},
        {"w.txt", "", "Could not open the file.\nCode: 0", "w.txt: the name ends in neither .qzbm nor .qzx"},
    };
    for (const bool modified : {false, true}) {
        doc->SetModifiedFlag(modified);
        for (const auto& bad : cases) {
            if (!bad.bytes.empty() || std::string(bad.name) == "w.txt") {
                ASSERT_TRUE(WriteTextFile(File(bad.name), bad.bytes));
            }
            const std::string before = State();
            const auto files = Folder();
            messages.messages.clear();
            EXPECT_EQ(doc->OpenDocument(File(bad.name)), OpenResult::Failed) << bad.name;
            EXPECT_EQ(before, State()) << bad.name;
            EXPECT_EQ(Folder(), files) << bad.name;
            ASSERT_EQ(messages.messages.size(), 1u) << bad.name;
            EXPECT_TRUE(messages.messages[0].text.starts_with(bad.text)) << messages.messages[0].text;
            EXPECT_TRUE(messages.messages[0].detail.starts_with(bad.detail)) << messages.messages[0].detail;
        }
    }
}

TEST_F(MapLifecycleTest, ADamagedMapIsOpenedOnlyAsAnUntitledMapThatSavesElsewhere)
{
    OpenWorld();
    const std::string qzbm = Bytes("w.qzbm");
    ASSERT_TRUE(WriteTextFile(File("cut.qzbm"), qzbm.substr(0, qzbm.size() * 3 / 4)));
    const auto files = Folder();
    messages.answers = {MessageAnswer::Choice};
    ASSERT_EQ(doc->OpenDocument(File("cut.qzbm")), OpenResult::Salvaged);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_GT(doc->Tiles().Size(), 0u);
    EXPECT_EQ(doc->GetTitle(), "Untitled");
    EXPECT_EQ(doc->GetPathName(), "");
    EXPECT_EQ(doc->GetSpawnFile(), "");
    EXPECT_EQ(doc->GetHouseFile(), "");
    EXPECT_TRUE(doc->IsModified());

    // Its first save asks for a name; the damaged file and the intact map's files stay.
    std::string proposed;
    ASSERT_EQ(doc->DoSave(doc->GetPathName(), true,
                          [&](const std::string& name) {
                              proposed = name;
                              return std::optional<std::string>(File("rescued.qzbm"));
                          }),
              SaveResult::Saved);
    EXPECT_EQ(proposed, "Untitled.qzbm");
    for (const auto& [name, bytes] : files) {
        EXPECT_EQ(Bytes(name), bytes) << name;
    }
}

TEST_F(MapLifecycleTest, LongReadsAndWritesReportTheirProgress)
{
    BuildVariedWorld(*doc);
    for (int32_t x = 0; x < 300; ++x) {
        for (int32_t y = 0; y < 300; ++y) {
            Place(*doc, kGrass, x, y, 5);
        }
    }
    ASSERT_EQ(doc->DoSave(File("big.qzbm"), true, {}), SaveResult::Saved);
    ASSERT_TRUE(SaveQzx(*doc, File("big.qzx")));
    const struct {
        const char* name;
        bool (*run)(CTessarkDoc&, const std::string& folder);
    } tasks[] = {
        {"open qzbm", [](CTessarkDoc& d, const std::string& f) { return d.OpenDocument(f + "big.qzbm") == OpenResult::Opened; }},
        {"open qzx", [](CTessarkDoc& d, const std::string& f) { return d.OpenDocument(f + "big.qzx") == OpenResult::Opened; }},
        {"import", [](CTessarkDoc& d, const std::string& f) { return ImportMap(d, f + "big.qzbm"); }},
        {"save qzbm", [](CTessarkDoc& d, const std::string& f) { return d.OnSaveDocument(f + "copy.qzbm") == SaveResult::Saved; }},
    };
    for (const auto& task : tasks) {
        std::vector<int> percents;
        doc->SetProgressListener([&](int percent) { percents.push_back(percent); });
        ASSERT_TRUE(task.run(*doc, File(""))) << task.name;
        // Some twenty steps of at least five percent, rising.
        EXPECT_GE(percents.size(), 10u) << task.name;
        EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << task.name;
        EXPECT_LE(percents.back(), 100) << task.name;
    }
}

}  // namespace
}  // namespace tessark::test
