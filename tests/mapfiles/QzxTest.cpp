#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "mapfiles/QzbmWriter.h"
#include "mapfiles/QzxReader.h"
#include "mapfiles/QzxWriter.h"
#include "model/TessarkDoc.h"
#include "support/MapFileFixture.h"
#include "support/TestDataSet.h"
#include "xml/XmlTextWindow.h"

namespace tessark::test {
namespace {

using QzxTest = MapFileTest;

// The dump without its first line, which holds the description QZX does not carry.
std::string DumpWithoutMapLine(const CTessarkDoc& document)
{
    const std::string dump = DumpText(document);
    return dump.substr(dump.find('\n') + 1);
}

TEST_F(QzxTest, StreamedTextReadsBackAsSaved)
{
    BuildVariedWorld(*doc);
    Place(*doc, kGrass, 601, 3, 7);  // beyond the width: not written
    const std::string path = File("world.qzx");
    std::vector<int> progress;
    ASSERT_TRUE(SaveQzx(*doc, path, [&](int percent) { progress.push_back(percent); }));
    const std::string text = ReadWholeFile(path);
    EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\"?>\r\n<map width=\"600\" height=\"400\" templex=\"120\" "
                                 "templey=\"130\" templez=\"7\" spawnfile=\"world-spawn.xml\" "
                                 "housefile=\"world-house.xml\">\r\n"))
        << text.substr(0, 300);
    EXPECT_NE(text.find("a &quot;quoted&quot; &apos;note&apos;"), std::string::npos);
    EXPECT_EQ(text.find("x=\"601\""), std::string::npos);
    EXPECT_EQ(doc->GetSpawnFile(), "world-spawn.xml");
    EXPECT_TRUE(std::filesystem::exists(File("world-house.xml")));
    // 128 tiles of 600 x 400 x 16 stay far below the first 5 percent.
    EXPECT_TRUE(progress.empty());

    auto reread = NewDocument();
    ASSERT_EQ(reread->OpenDocument(path), OpenResult::Opened);
    EXPECT_EQ(reread->errorKind, 0);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(reread->GetDescription(), "");
    EXPECT_EQ(reread->temple, doc->temple);
    doc->GetTile(601, 3, 7)->Clear();
    doc->RemoveTile(601, 3, 7);
    EXPECT_EQ(DumpWithoutMapLine(*doc), DumpWithoutMapLine(*reread));
    EXPECT_EQ(reread->UniqueIds(), doc->UniqueIds());
}

TEST_F(QzxTest, TilesWithThingsOfOtherKindsAreWrittenByTheThingsThemselves)
{
    // A creature type read as an item of a tile writes its attributes into the element before it.
    Place(*doc, kGrass, 5, 5, 7);
    Place(*doc, kPlain, 5, 5, 7);
    Place(*doc, kRat, 5, 5, 7);
    CItem* noted = Place(*doc, kPlain, 6, 5, 7);
    noted->SetActionId(1000);
    noted->SetSpecialDescription("a \"quoted\" 'note'");
    Place(*doc, kRat, 6, 5, 7);
    ASSERT_TRUE(SaveQzx(*doc, File("odd.qzx")));
    EXPECT_EQ(ReadWholeFile(File("odd.qzx")),
              "<?xml version=\"1.0\"?>\r\n"
              "<map width=\"1000\" height=\"1000\" templex=\"0\" templey=\"0\" templez=\"0\">\r\n"
              "<tile x=\"5\" y=\"5\" z=\"7\" ground=\"101\">\r\n"
              "<item id=\"110\" name=\"Rat\" direction=\"2\" spawntime=\"60\" x=\"0\" y=\"0\"/>\r\n</tile>\r\n"
              "<tile x=\"6\" y=\"5\" z=\"7\">\r\n<item id=\"110\" actionId=\"1000\" "
              "special_description=\"a &quot;quoted&quot; &apos;note&apos;\" name=\"Rat\" direction=\"2\" "
              "spawntime=\"60\" x=\"0\" y=\"0\"/>\r\n</tile>\r\n</map>\r\n");
}

TEST_F(QzxTest, TileAttributesCountsClientIdsAndTownsAreReadAsWritten)
{
    ASSERT_TRUE(WriteTextFile(
        File("m.qzx"),
        "<?xml version=\"1.0\"?>\r\n"
        "<map width=\"0\" height=\"90\" templex=\"5\" templey=\"6\" templez=\"7\" isclientid=\"1\">\r\n"
        "<towns><town name=\"Early\" townid=\"8\"/></towns>\r\n"
        "<tile x=\"1\" y=\"1\" z=\"7\" pz=\"1\" ground=\"500\"/>\r\n"
        "<tile x=\"2\" y=\"1\" z=\"7\" pz=\"1\"><item id=\"500\"/></tile>\r\n"
        "<tile x=\"3\" y=\"1\" z=\"7\" houseid=\"4\" ground=\"501\"/>\r\n"
        "<tile x=\"4\" y=\"1\" z=\"7\" houseid=\"4\" pz=\"0\" ground=\"501\"/>\r\n"
        "<tile x=\"5\" y=\"1\" z=\"7\" ground=\"777\"/>\r\n"
        "<tile x=\"6\" y=\"1\" z=\"16\" ground=\"500\"/>\r\n"
        "<tile x=\"7\" y=\"1\" z=\"7\" ground=\"400\"/>\r\n"
        "<tile x=\"8\" x=\"11\" y=\"1\" z=\"7\" pz=\"1\" ground=\"500\"/>\r\n"
        "<tile ground=\"500\" z=\"7\" y=\"1\" x=\"9\"/>\r\n"
        "<tile x=\"69000\" y=\"5\" z=\"7\" ground=\"500\"/><tile x=\"5\" y=\"-1\" z=\"7\" ground=\"500\"/>\r\n"
        "<tile x=\"65535\" y=\"0\" z=\"7\" ground=\"500\"/>\r\n"
        "<towns><town name=\"Zero\" townid=\"0\"/><town name=\"Port\" townid=\"3\" "
        "templex=\"9\" templey=\"8\" templez=\"6\"/></towns>\r\n"
        "</map>\r\n"));
    doc->width = 123;
    doc->SetHouseFile("old-house.xml");
    ASSERT_TRUE(LoadQzx(*doc, File("m.qzx")));
    EXPECT_EQ(doc->width, 123);
    EXPECT_EQ(doc->height, 90);
    EXPECT_EQ(doc->temple, (Position{5, 6, 7}));
    EXPECT_EQ(doc->GetHouseFile(), "");  // taken even when missing
    EXPECT_EQ(doc->GetTile(1, 1, 7)->GetFlags(), 1u);
    EXPECT_EQ(doc->GetTile(1, 1, 7)->GetGround()->GetTypeKey(), kGrass);
    // No ground: pz is not applied; the item's client id 500 is the grass.
    EXPECT_EQ(doc->GetTile(2, 1, 7)->GetFlags(), 0u);
    EXPECT_EQ(doc->GetTile(2, 1, 7)->GetGround()->GetTypeKey(), kGrass);
    // A house tile keeps the protection zone of its house unless pz says otherwise.
    EXPECT_EQ(doc->GetTile(3, 1, 7)->GetFlags(), 3u);
    EXPECT_EQ(doc->GetTile(4, 1, 7)->GetFlags(), 2u);
    EXPECT_EQ(doc->Houses().GetHouse(4, false)->GetTiles().size(), 2u);
    // A client id the database does not map becomes key 0, which has no type here: no tile.
    EXPECT_EQ(doc->GetTile(5, 1, 7), nullptr);
    EXPECT_EQ(doc->GetTile(7, 1, 7), nullptr);
    // The first of two values counts; any order of attributes reads the same.
    EXPECT_EQ(doc->GetTile(8, 1, 7)->GetFlags(), 1u);
    EXPECT_EQ(doc->GetTile(9, 1, 7)->GetGround()->GetTypeKey(), kGrass);
    // Coordinates past the range are dropped with a warning, not wrapped.
    EXPECT_NE(doc->GetTile(65535, 0, 7), nullptr);
    EXPECT_EQ(doc->Tiles().Size(), 7u);
    const RecordingMessageSink::Message leftOut = {
        "2 tiles lie outside the coordinates a map can hold (0 to 65535) and were left out.", MessageIcon::Warning};
    EXPECT_EQ(messages.messages, std::vector{leftOut});
    EXPECT_EQ(doc->Towns().Size(), 1u);  // the towns before the tiles are never reached
    EXPECT_EQ(doc->Towns().GetTown(3, false)->name, "Port");
    EXPECT_EQ(doc->Towns().GetTown(3, false)->templeZ, 6);
}

TEST_F(QzxTest, FailuresSetTheirKindsAndKeepWhatWasRead)
{
    const std::string tiles = "<tile x=\"1\" y=\"1\" z=\"7\" ground=\"101\"/>"
                              "<tile x=\"2\" y=\"1\" z=\"7\"><item id=\"99\"/></tile><tile x=\"3\" y=\"1\" z=\"7\"";
    const std::string parseError = "Error: End tag does not correspond to tile\r\n";
    const std::string failed = "Could not open the file.\n";
    const struct {
        std::string text;
        int kind;
        std::string message;
        size_t tiles;
    } cases[] = {
        {{}, 1, failed + "Code: 0", 0},
        // Text that stops at a zero byte long before the file ends.
        {"<map/>" + std::string(200, '\0'), 1, failed + "Code: 0", 0},
        {"<map><tile></map>", 0, parseError, 0},
        {"<houses/>", 3, failed + "Failed to read header. Code: 0", 0},
        {"<map>" + tiles + " ground=\"101\"/></map>", 6, failed + "Failed to unserialize an object. Code: 0", 2},
        // A syntax error after tiles that were read (and after a failed item) still wins: nothing
        // stays, and only the parse error is shown.
        {"<map width=\"77\">" + tiles + "></map>", 0, parseError, 0},
        {"<houses>" + tiles + "></houses>", 0, parseError, 0},
    };
    for (const auto& c : cases) {
        const std::string path = File(c.text.empty() ? "absent.qzx" : "bad.qzx");
        if (!c.text.empty()) {
            ASSERT_TRUE(WriteTextFile(path, c.text));
        }
        messages.messages.clear();
        doc = NewDocument();
        Read(path);
        EXPECT_EQ(doc->errorKind, c.kind) << c.text;
        EXPECT_EQ(doc->errorCode, 0) << c.text;
        ASSERT_EQ(messages.messages.size(), 1u) << c.text;
        EXPECT_EQ(messages.messages[0].text, c.message);
        EXPECT_EQ(doc->Tiles().Size(), c.tiles) << c.text;
        EXPECT_EQ(doc->GetTile(1, 1, 7) != nullptr, c.tiles > 0) << c.text;
        EXPECT_EQ(doc->GetTile(3, 1, 7), nullptr) << c.text;
        EXPECT_NE(doc->width, 77);
    }
}

// Read a few bytes at a time, a map gives what it gives read in large pieces: when whole, when
// cut short inside a tag, when ended by a zero byte late, and when zero bytes past the first
// tiles make it binary data after all (nothing read stays then).
TEST_F(QzxTest, SmallWindowsReadWhatLargePiecesRead)
{
    BuildVariedWorld(*doc);
    ASSERT_TRUE(SaveQzx(*doc, File("world.qzx")));
    const std::string text = ReadWholeFile(File("world.qzx"));
    const size_t inValue = text.find("=\"", text.size() / 2) + 3;
    const std::vector<std::string> files = {text, text.substr(0, inValue), text + '\0' + "<junk",
                                            text.substr(0, inValue + 200) + std::string(text.size(), '\0')};
    for (size_t f = 0; f < files.size(); ++f) {
        ASSERT_TRUE(WriteTextFile(File("m.qzx"), files[f]));
        std::string expected;
        for (const size_t window : {XmlTextWindow::kDefaultSize, size_t{3}, size_t{11}}) {
            auto read = NewDocument();
            read->SetHouseFile("kept.xml");
            messages.messages.clear();
            std::string outcome = LoadQzx(*read, File("m.qzx"), window) ? "read" : "failed";
            outcome += " " + read->GetHouseFile();  // a file given up on leaves the old side-file names
            outcome += " " + std::to_string(read->errorKind) + " " + read->errorDetail + "\n";
            for (const auto& message : messages.messages) {
                outcome += message.text + "\n";
            }
            outcome += DumpText(*read);
            if (window == XmlTextWindow::kDefaultSize) {
                expected = outcome;
            }
            EXPECT_EQ(outcome, expected) << f << " " << window;
        }
        EXPECT_TRUE(expected.starts_with(f == 0 || f == 2 ? "read world-house.xml" : "failed kept.xml")) << expected;
        EXPECT_EQ(expected.find("\"tile\"") != std::string::npos, f == 0 || f == 2) << expected.substr(0, 300);
    }
}

TEST_F(QzxTest, SavingElsewhereWritesSideFilesBesideTheNewFileAndFailuresTouchNothing)
{
    BuildVariedWorld(*doc);
    ASSERT_EQ(doc->DoSave(File("world.qzbm"), true, {}), SaveResult::Saved);
    std::filesystem::create_directory(File("other"));
    ASSERT_TRUE(SaveQzx(*doc, File("other/copy.qzx")));
    // The names stay those of the map; the files go beside the new one.
    EXPECT_TRUE(std::filesystem::exists(File("other/world-house.xml")));
    EXPECT_TRUE(std::filesystem::exists(File("other/world-spawn.xml")));
    EXPECT_EQ(doc->mapDirectory, File("other/"));

    const std::vector<uint8_t> before = ReadFileBytes(File("other/copy.qzx"));
    EXPECT_FALSE(SaveQzx(*doc, File("missing/copy.qzx")));
    EXPECT_FALSE(std::filesystem::exists(File("missing")));
    EXPECT_EQ(ReadFileBytes(File("other/copy.qzx")), before);

    // Progress in steps of at least five percent for a map that fills its area.
    auto small = NewDocument();
    small->width = 9;
    small->height = 9;
    for (int x = 0; x < 10; ++x) {
        for (int y = 0; y < 10; ++y) {
            for (int z = 0; z < 16; ++z) {
                Place(*small, kGrass, x, y, z);
            }
        }
    }
    std::vector<int> progress;
    ASSERT_TRUE(SaveQzx(*small, File("full.qzx"), [&](int percent) { progress.push_back(percent); }));
    ASSERT_FALSE(progress.empty());
    for (size_t i = 1; i < progress.size(); ++i) {
        EXPECT_GE(progress[i], progress[i - 1] + 5);
    }
    EXPECT_GE(progress.back(), 95);
}

}  // namespace
}  // namespace tessark::test
