#include <gtest/gtest.h>

#include "model/MapFormat.h"
#include "model/ModelTestWorld.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"

namespace tessark {
namespace {

using namespace model_test;

// Stands in for a map writer: records its calls and does what the test says.
class FakeFormat : public MapFormat {
public:
    FakeFormat(std::string extension, std::vector<std::string>& calls)
        : extension_(std::move(extension)), calls_(calls)
    {
    }
    std::string_view Extension() const override { return extension_; }
    bool Load(CTessarkDoc&, const std::string&) override { return false; }
    bool Save(CTessarkDoc&, const std::string& path) override
    {
        calls_.push_back("save" + extension_ + " " + path);
        return saveSucceeds;
    }

    bool saveSucceeds = true;

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
        binaryFormat = binary.get();
        document.RegisterMapFormat(std::move(binary));
        document.RegisterMapFormat(std::make_unique<FakeFormat>(".qzx", calls));
    }

    ItemDatabase database;
    RecordingMessageSink messages;
    CTessarkDoc document;
    HintRecorder hints;
    std::vector<std::string> calls;
    FakeFormat* binaryFormat = nullptr;
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
    for (const int32_t key : {int32_t{kGround}, int32_t{kHorizontalWall}, int32_t{kBorder}, int32_t{kHanging}}) {
        Add(key, at);
    }
    // A top item of order 2 clashes whatever its key, one of order 1 only with the same key.
    const std::pair<int32_t, int> answers[] = {{kGround, 0},       {kPlain, 0},  {kHanging, 2},     {kOtherHanging, 0},
                                               {kVerticalWall, 2}, {kBorder, 2}, {kOtherBorder, 0}, {kTopThree, 0}};
    for (const auto& [key, answer] : answers) {
        EXPECT_EQ(document.CanPlaceItem(at, key), answer) << key;
    }
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
