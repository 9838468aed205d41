#include <gtest/gtest.h>

#include "model/LoadError.h"
#include "model/MapFormat.h"
#include "model/MapPath.h"
#include "model/ModelTestWorld.h"
#include "model/TessarkDoc.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "platform/MessageSink.h"
#include "support/MessagePrinter.h"
#include "support/ScratchDirectory.h"
#include "xml/XmlTextFile.h"

namespace tessark {
namespace {

using namespace model_test;

// Stands in for a map reader and writer: records its calls and does what the test says.
class FakeFormat : public MapFormat {
public:
    FakeFormat(std::string extension, std::vector<std::string>& calls)
        : extension_(std::move(extension)), calls_(calls)
    {
    }
    std::string_view Extension() const override { return extension_; }
    bool Load(CTessarkDoc& document, const std::string& path) override
    {
        calls_.push_back("load" + extension_ + " " + path);
        document.mapDirectory = DirectoryPart(path);
        document.SetSpawnFile(spawnFile);
        document.SetHouseFile(houseFile);
        document.StoreTile(std::make_unique<CTile>(), tileX, 50, 7);
        document.errorKind = loadSucceeds ? 0 : 4;
        document.errorCode = loadSucceeds ? 0 : 321;
        return loadSucceeds;
    }
    bool Save(CTessarkDoc&, const std::string& path) override
    {
        calls_.push_back("save" + extension_ + " " + path);
        return saveSucceeds;
    }

    bool loadSucceeds = true;
    bool saveSucceeds = true;
    int32_t tileX = 50;
    std::string spawnFile;
    std::string houseFile;

private:
    std::string extension_;
    std::vector<std::string>& calls_;
};

class TessarkDocTest : public ::testing::Test {
protected:
    TessarkDocTest() : document(database, messages)
    {
        FillTestDatabase(database);
        document.AddViewHintListener(hints);
    }
    ~TessarkDocTest() override { document.RemoveViewHintListener(hints); }

    CItem* Add(int32_t key, Position at, bool replace = false)
    {
        auto item = Make(database, key);
        CItem* raw = item.get();
        document.AddThing(std::move(item), at.x, at.y, at.z, replace);
        return raw;
    }
    void RegisterFormats()
    {
        auto binary = std::make_unique<FakeFormat>(".qzbm", calls);
        auto xml = std::make_unique<FakeFormat>(".qzx", calls);
        binaryFormat = binary.get();
        xmlFormat = xml.get();
        document.RegisterMapFormat(std::move(binary));
        document.RegisterMapFormat(std::move(xml));
    }

    ItemDatabase database;
    RecordingMessageSink messages;
    CTessarkDoc document;
    HintRecorder hints;
    std::vector<std::string> calls;
    FakeFormat* binaryFormat = nullptr;
    FakeFormat* xmlFormat = nullptr;
};

TEST_F(TessarkDocTest, AddThingMakesTilesAndTellsTheViews)
{
    Add(kGround, {30, 40, 7});
    ASSERT_NE(document.GetTile(30, 40, 7), nullptr);
    EXPECT_TRUE(document.IsModified());
    ASSERT_EQ(hints.hints.size(), 1u);
    EXPECT_EQ(hints.hints[0], (ViewHint{ViewHintKind::Thing, 30, 40, 7, kGround}));

    hints.hints.clear();
    Add(kOtherGround, {30, 40, 7});
    ASSERT_EQ(hints.hints.size(), 2u);
    EXPECT_EQ(hints.hints[0], (ViewHint{ViewHintKind::Ground, 30, 40, 7, kGround}));
    EXPECT_EQ(hints.hints[1], (ViewHint{ViewHintKind::Thing, 30, 40, 7, kOtherGround}));
    EXPECT_EQ(document.GetTile(30, 40, 7)->GetThingCount(), 1u);

    // A new tile takes its first item without replace; an existing tile honours replace.
    Add(kPlain, {30, 40, 7});
    Add(kStackable, {30, 40, 7}, true);
    EXPECT_EQ(document.GetTile(30, 40, 7)->GetThingCount(), 2u);

    // No floor 16: nothing is made and nothing is said.
    hints.hints.clear();
    document.SetModifiedFlag(false);
    Add(kPlain, {1, 1, 16});
    EXPECT_TRUE(hints.hints.empty());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.Tiles().Size(), 1u);
}

TEST_F(TessarkDocTest, RemoveThingDropsEmptyTilesAndUniqueIds)
{
    CItem* plain = Add(kPlain, {60, 60, 7});
    CItem* other = Add(kStackable, {60, 60, 7});
    // Two items share an id, as in a damaged map; a third elsewhere holds another.
    plain->SetUniqueId(3000);
    Add(kPlain, {70, 70, 7})->SetUniqueId(3000);
    Add(kPlain, {71, 70, 7})->SetUniqueId(3001);
    for (uint32_t id : {3000u, 3000u, 3001u, 0u}) {
        document.UniqueIds().Register(id);
    }
    document.UniqueIds().Unregister(4444);
    EXPECT_EQ(document.UniqueIds().Count(), 2u);
    hints.hints.clear();

    document.RemoveThing(plain, 60, 60, 7);
    ASSERT_NE(document.GetTile(60, 60, 7), nullptr);
    EXPECT_TRUE(document.UniqueIds().IsUsed(3000));
    // A destroyed tile lets go of its items' ids, whoever destroys it.
    document.RemoveTile(70, 70, 7);
    document.SetTile(std::make_unique<CTile>(), 71, 70, 7);
    EXPECT_EQ(document.UniqueIds().Count(), 0u);
    EXPECT_EQ(hints.hints.back(), (ViewHint{ViewHintKind::Thing, 60, 60, 7, kPlain}));

    // An item that is not on that tile changes nothing.
    document.SetModifiedFlag(false);
    CItem stranger(database, kPlain, 0);
    document.RemoveThing(&stranger, 60, 60, 7);
    document.RemoveThing(other, 61, 60, 7);
    EXPECT_FALSE(document.IsModified());

    document.RemoveThing(other, 60, 60, 7);
    EXPECT_EQ(document.GetTile(60, 60, 7), nullptr);
    EXPECT_TRUE(document.IsModified());

    // A tile with a ground stays when its last item goes.
    Add(kGround, {61, 60, 7});
    CItem* item = Add(kPlain, {61, 60, 7});
    document.RemoveThing(item, 61, 60, 7);
    EXPECT_NE(document.GetTile(61, 60, 7), nullptr);
}

TEST_F(TessarkDocTest, CanPlaceItemAnswers)
{
    const Position at{50, 50, 7};
    EXPECT_EQ(document.CanPlaceItem({19, 50, 7}, kPlain), 1);
    EXPECT_EQ(document.CanPlaceItem(at, kBorder), 0);  // no tile
    Add(kGround, at);
    Add(kHorizontalWall, at);
    Add(kBorder, at);
    Add(kHanging, at);
    EXPECT_EQ(document.CanPlaceItem(at, kGround), 0);
    EXPECT_EQ(document.CanPlaceItem(at, kPlain), 0);
    EXPECT_EQ(document.CanPlaceItem(at, kHanging), 2);
    EXPECT_EQ(document.CanPlaceItem(at, kOtherHanging), 0);
    EXPECT_EQ(document.CanPlaceItem(at, kVerticalWall), 2);  // order 2 clashes whatever the key
    EXPECT_EQ(document.CanPlaceItem(at, kBorder), 2);         // order 1: only the same key
    EXPECT_EQ(document.CanPlaceItem(at, kOtherBorder), 0);
    EXPECT_EQ(document.CanPlaceItem(at, kTopThree), 0);
}

TEST_F(TessarkDocTest, TileGroupsWriteReadAndPaste)
{
    Add(kGround, {10, 21, 7});
    Add(kGround, {11, 20, 7});
    Add(kGround, {10, 20, 7});
    Add(kPlain, {10, 20, 7});
    const std::vector<Position> selection = {{10, 21, 7}, {11, 20, 7}, {10, 20, 7}};
    ArchiveWriter writer;
    document.SerializeTiles(writer, selection);
    const auto& bytes = writer.Bytes();
    ArchiveReader layout(bytes);
    uint32_t count = 0;
    ASSERT_TRUE(layout.ReadU32(count));
    EXPECT_EQ(count, 3u);
    const std::vector<std::array<int32_t, 3>> expected = {{0, 0, 0}, {0, 1, 0}, {1, 0, 0}};
    for (const auto& record : expected) {
        std::array<int32_t, 3> read{};
        ASSERT_TRUE(layout.ReadI32(read[0]) && layout.ReadI32(read[1]) && layout.ReadI32(read[2]));
        EXPECT_EQ(read, record);
        CTile skipped;
        ASSERT_TRUE(skipped.Load(database, layout));
    }
    EXPECT_EQ(layout.Remaining(), 0u);

    std::vector<Position> offsets;
    ArchiveReader reader(bytes);
    ASSERT_TRUE(document.SerializeTiles(reader, offsets));
    EXPECT_EQ(offsets, (std::vector<Position>{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}));
    EXPECT_EQ(document.GetCopyBuffer().size(), 3u);

    hints.hints.clear();
    document.SetModifiedFlag(false);
    Add(kOtherGround, {51, 60, 7});  // replaced by the paste
    document.PasteCopyBuffer({50, 60, 7});
    EXPECT_EQ(document.GetTile(50, 60, 7)->GetThingCount(), 2u);
    EXPECT_EQ(document.GetTile(51, 60, 7)->GetGround()->GetTypeKey(), kGround);
    EXPECT_NE(document.GetTile(50, 61, 7), nullptr);
    EXPECT_TRUE(document.IsModified());
    ASSERT_EQ(hints.hints.size(), 5u);
    EXPECT_EQ(hints.hints[1], (ViewHint{ViewHintKind::Tile, 50, 60, 7}));
    EXPECT_EQ(hints.hints[2], (ViewHint{ViewHintKind::Tile, 51, 60, 7}));
    EXPECT_EQ(hints.hints[3], (ViewHint{ViewHintKind::Tile, 50, 61, 7}));
    EXPECT_EQ(hints.hints[4].kind, ViewHintKind::All);

    // Targets outside the map, or on no floor (20 here), are dropped and keep their tile.
    ArchiveReader again(bytes);
    ASSERT_TRUE(document.SerializeTiles(again, offsets));
    hints.hints.clear();
    document.PasteCopyBuffer({980, 100, 20});
    ASSERT_EQ(hints.hints.size(), 1u);
    EXPECT_EQ(hints.hints[0].kind, ViewHintKind::All);
    for (const auto& [offset, tile] : document.GetCopyBuffer()) {
        EXPECT_NE(tile, nullptr);
    }
    EXPECT_EQ(document.GetTile(980, 100, 20), nullptr);
    document.ClearCopyBuffer();
    EXPECT_TRUE(document.GetCopyBuffer().empty());
}

TEST_F(TessarkDocTest, BrokenTileGroupsLeaveNothingBehind)
{
    Add(kGround, {10, 20, 7});
    Add(kGround, {11, 20, 7});
    ArchiveWriter writer;
    document.SerializeTiles(writer, std::vector<Position>{{10, 20, 7}, {11, 20, 7}});
    std::vector<uint8_t> bytes = writer.Bytes();
    bytes.pop_back();
    std::vector<Position> offsets;
    ArchiveReader reader(bytes);
    EXPECT_FALSE(document.SerializeTiles(reader, offsets));
    EXPECT_EQ(reader.Error(), ArchiveError::EndOfFile);
    EXPECT_TRUE(document.GetCopyBuffer().empty());
    EXPECT_TRUE(offsets.empty());

    // A huge count with no records behind it ends at the data's end.
    ArchiveWriter forged;
    forged.WriteU32(0xFFFFFFFF);
    ArchiveReader forgedReader(forged.Bytes());
    EXPECT_FALSE(document.SerializeTiles(forgedReader, offsets));
}

TEST_F(TessarkDocTest, OpenReadsTheSideFilesAndForgetsTheOnesThatFail)
{
    RegisterFormats();
    test::ScratchDirectory directory;
    ASSERT_TRUE(WriteXmlTextFile(directory.File("w-spawn.xml"),
                                 "<spawns><spawn centerx=\"100\" centery=\"100\" centerz=\"7\" "
                                 "radius=\"3\"><monster name=\"Rat\"/></spawn></spawns>"));
    ASSERT_TRUE(WriteXmlTextFile(directory.File("w-house.xml"),
                                 "<houses><house houseid=\"6\" name=\"Six\"/></houses>"));
    binaryFormat->spawnFile = "w-spawn.xml";
    binaryFormat->houseFile = "w-house.xml";
    document.OpenDocument(directory.File("w.qzbm"));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(document.Spawns().Size(), 1u);
    ASSERT_NE(document.Houses().FindHouse(6), nullptr);
    EXPECT_EQ(document.Houses().FindHouse(6)->name, "Six");
    EXPECT_EQ(document.GetSpawnFile(), "w-spawn.xml");

    // Opening again starts from an empty map; side files that cannot be read lose their names.
    binaryFormat->spawnFile = "gone-spawn.xml";
    document.OpenDocument(directory.File("w.qzbm"));
    EXPECT_TRUE(document.Spawns().Empty());
    EXPECT_EQ(document.GetSpawnFile(), "");
    EXPECT_EQ(document.GetHouseFile(), "w-house.xml");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Could not to open gone-spawn.xml.");

    // A failed read does not look at the side files; the map before keeps its own.
    messages.messages.clear();
    binaryFormat->loadSucceeds = false;
    document.OpenDocument(directory.File("w.qzbm"));
    EXPECT_NE(document.Houses().FindHouse(6), nullptr);
    ASSERT_EQ(messages.messages.size(), 1u);
}

TEST_F(TessarkDocTest, SavePicksTheWriterByExtension)
{
    RegisterFormats();
    document.SetModifiedFlag(true);
    EXPECT_EQ(document.OnSaveDocument("/maps/a.QZX"), SaveResult::Saved);
    EXPECT_FALSE(document.IsModified());
    document.OnSaveDocument("/maps/a.dat");
    document.OnSaveDocument("/maps/plain");
    EXPECT_EQ(calls, (std::vector<std::string>{"save.qzx /maps/a.QZX", "save.qzbm /maps/a.dat",
                                               "save.qzbm /maps/plain"}));
    // A failed save leaves the map marked modified.
    binaryFormat->saveSucceeds = false;
    document.SetModifiedFlag(true);
    EXPECT_EQ(document.OnSaveDocument("/maps/a.qzbm"), SaveResult::Failed);
    EXPECT_TRUE(document.IsModified());

    // Without any writer the save fails too.
    CTessarkDoc bare(database, messages);
    bare.SetModifiedFlag(true);
    EXPECT_EQ(bare.OnSaveDocument("/maps/a.qzbm"), SaveResult::Failed);
    EXPECT_TRUE(bare.IsModified());
}

TEST_F(TessarkDocTest, SaveAsProposesANameAndForgetsSideFilesOnlyOnceSaved)
{
    RegisterFormats();
    document.SetSpawnFile("old-spawn.xml");
    document.SetHouseFile("old-house.xml");
    const struct {
        const char* title;
        const char* proposed;
    } proposals[] = {{"C:world", "C.qzbm"}, {"demo.qzbm", "demo.qzbm"}, {"a.QZX", "a.QZX"}, {"a.b", "a.b.qzbm"}};
    for (const auto& [title, expected] : proposals) {
        document.SetTitle(title);
        std::string proposed;
        EXPECT_EQ(document.DoSave("", true,
                                  [&](const std::string& name) {
                                      proposed = name;
                                      return std::optional<std::string>();
                                  }),
                  SaveResult::Cancelled);
        EXPECT_EQ(proposed, expected);
    }
    EXPECT_TRUE(calls.empty());
    // Neither a cancelled nor a failed Save As touches the side-file names.
    binaryFormat->saveSucceeds = false;
    EXPECT_EQ(document.DoSave("", true, [](const std::string&) { return std::optional<std::string>("/m/x.qzbm"); }),
              SaveResult::Failed);
    EXPECT_EQ(document.GetSpawnFile(), "old-spawn.xml");
    EXPECT_EQ(document.GetHouseFile(), "old-house.xml");
    binaryFormat->saveSucceeds = true;

    EXPECT_EQ(document.DoSave("", true, [](const std::string&) {
        return std::optional<std::string>("/maps/new.qzbm");
    }), SaveResult::Saved);
    EXPECT_EQ(document.GetPathName(), "/maps/new.qzbm");
    EXPECT_EQ(document.GetTitle(), "new.qzbm");

    // A plain Save keeps the side-file names and, without replace, the path.
    document.SetSpawnFile("kept-spawn.xml");
    EXPECT_EQ(document.DoSave("/maps/copy.qzbm", false, nullptr), SaveResult::Saved);
    EXPECT_EQ(document.GetSpawnFile(), "kept-spawn.xml");
    EXPECT_EQ(document.GetPathName(), "/maps/new.qzbm");
}

}  // namespace
}  // namespace tessark
