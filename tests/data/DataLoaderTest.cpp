#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "data/DataLoader.h"
#include "data/GameData.h"
#include "platform/MessageSink.h"
#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"

namespace tessark {
namespace {

using test::ScratchDirectory;
using test::TestDataSet;
using test::WriteTextFile;
using Message = RecordingMessageSink::Message;

class DataLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(TestDataSet::WriteAll(dir.Path().string())); }

    void Remove(const char* name) { std::filesystem::remove(dir.File(name)); }

    bool Load() { return LoadDataFiles(dir.Path().string(), data, messages); }

    std::vector<std::string> MaterialNames() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < data.materials.GetMaterialCount(); ++i) {
            names.push_back(data.materials.GetMaterial(i).GetName());
        }
        return names;
    }

    ScratchDirectory dir;
    GameData data;
    RecordingMessageSink messages;
};

TEST_F(DataLoaderTest, LoadsEveryFileSilently)
{
    ASSERT_TRUE(Load());
    EXPECT_TRUE(messages.messages.empty());

    EXPECT_EQ(data.items.ClientTypes().size(), size_t{TestDataSet::kClientTypes});
    EXPECT_EQ(data.items.clientItemCount, TestDataSet::kClientItemCount);
    EXPECT_EQ(data.items.itemsMajorVersion, uint32_t{TestDataSet::kMajorVersion});
    EXPECT_EQ(data.items.ServerTypes().size(), size_t{TestDataSet::kServerTypesBeforeCreatures + 2});
    // items.xml ran after items.qzb: names and kinds are there, and the creatures after both.
    EXPECT_EQ(data.items.GetServerType(6).name, "magic portal");
    EXPECT_EQ(data.items.GetServerType(7).group, ItemGroup::Depot);
    EXPECT_EQ(data.items.GetServerType(4).name, "gold coin");
    EXPECT_EQ(data.items.GetServerType(11).name, "Rat");
    EXPECT_EQ(data.items.GetServerType(12).name, "Guard");
    EXPECT_EQ(MaterialNames(), (std::vector<std::string>{"Grounds", "Walls", "Takeable",
                                                         "Decoration", "Other", "Monsters"}));
    EXPECT_EQ(data.items.Sprites().count(1), 1u);
    EXPECT_TRUE(data.items.Sprites().at(1).HasPixels());
    EXPECT_FALSE(data.items.Sprites().at(12).HasPixels());
}

TEST_F(DataLoaderTest, ClientDataFailuresStopBeforeAnythingElse)
{
    Remove("morva.dat");
    EXPECT_FALSE(Load());
    EXPECT_EQ(messages.messages,
              (std::vector<Message>{{"Could not find morva.dat!", MessageIcon::Error}}));

    // An option byte the client data does not know: a format error.
    messages.messages.clear();
    ASSERT_TRUE(WriteTextFile(dir.File("morva.dat"),
                              std::string("SIGN\x65\0\0\0\0\0\0\0\x16\xFF", 14)));
    Remove("items.qzb");
    EXPECT_FALSE(Load());
    EXPECT_EQ(messages.messages,
              (std::vector<Message>{{"Invalid format of morva.dat!", MessageIcon::Error}}));
    EXPECT_EQ(data.materials.GetMaterialCount(), 0);
}

TEST_F(DataLoaderTest, ItemDatabaseFailureStops)
{
    ASSERT_TRUE(WriteTextFile(dir.File("items.qzb"), "not a node file"));
    EXPECT_FALSE(Load());
    EXPECT_EQ(messages.messages,
              (std::vector<Message>{{"Could not load items.qzb!", MessageIcon::Error}}));
    EXPECT_EQ(data.materials.GetMaterialCount(), 0);
}

TEST_F(DataLoaderTest, MissingNamesFileIsSilent)
{
    Remove("items.xml");
    ASSERT_TRUE(Load());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(data.items.GetServerType(6).name, "");
    EXPECT_EQ(data.items.GetServerType(4).name, "gold coin");
}

TEST_F(DataLoaderTest, MissingMaterialsShowTwoBoxesThenTheDefaults)
{
    Remove("materials.xml");
    ASSERT_TRUE(Load());
    EXPECT_EQ(messages.messages,
              (std::vector<Message>{
                  {"Could not to open materials.xml.", MessageIcon::Error},
                  {"Could not load materials.xml! (loading default)", MessageIcon::Warning},
              }));
    EXPECT_EQ(MaterialNames(), (std::vector<std::string>{"Ground", "Takeable", "Container",
                                                         "Hangeable", "Other", "Monsters"}));
}

TEST_F(DataLoaderTest, MaterialsWithoutRootFallBackWithOnlyTheWarning)
{
    ASSERT_TRUE(WriteTextFile(dir.File("materials.xml"), "<brushes/>"));
    ASSERT_TRUE(Load());
    EXPECT_EQ(messages.messages,
              (std::vector<Message>{
                  {"Could not load materials.xml! (loading default)", MessageIcon::Warning}}));
    EXPECT_EQ(data.materials.GetMaterialCount(), 6);
}

TEST_F(DataLoaderTest, MissingCreaturesShowOneBoxAndStartUpGoesOn)
{
    Remove("creatures.xml");
    ASSERT_TRUE(Load());
    EXPECT_EQ(messages.messages,
              (std::vector<Message>{{"Could not to open creatures.xml.", MessageIcon::Error}}));
    EXPECT_EQ(data.materials.GetMaterialCount(), 5);
    EXPECT_EQ(data.items.ServerTypes().size(), size_t{TestDataSet::kServerTypesBeforeCreatures});
}

TEST_F(DataLoaderTest, MissingOrEmptySpritesStop)
{
    Remove("morva.spr");
    EXPECT_FALSE(Load());
    const std::vector<Message> stop{{"Could not load sprites from morva.spr!", MessageIcon::Error}};
    EXPECT_EQ(messages.messages, stop);

    // Too short for its first table entry: nothing could ever be drawn from it.
    for (const std::string& bytes : {std::string(), std::string("SPRS\x0C\0\x36\0", 8)}) {
        messages.messages.clear();
        GameData fresh;
        ASSERT_TRUE(WriteTextFile(dir.File("morva.spr"), bytes));
        EXPECT_FALSE(LoadDataFiles(dir.Path().string(), fresh, messages));
        EXPECT_EQ(messages.messages, stop) << bytes.size() << " bytes";
    }
}

// Data cut short or unreadable loads what it can, and says so with the file's name.
TEST_F(DataLoaderTest, DamagedDataWarnsAndStartUpGoesOn)
{
    const auto cutClientData = [this](size_t records) {
        return TestDataSet::WriteClientData(dir.File("morva.dat"), records);
    };
    const auto cutSprites = [this](size_t size) {
        std::vector<uint8_t> bytes = test::ReadFileBytes(dir.File("morva.spr"));
        bytes.resize(size);
        return test::WriteFileBytes(dir.File("morva.spr"), bytes);
    };
    const std::string noOutfits = "creatures.xml: 2 creatures have no outfit in morva.dat and "
                                  "were left out.";
    struct Case {
        const char* what;
        std::function<bool()> damage;
        std::vector<std::string> warnings;
        size_t serverTypes;
    };
    const Case cases[] = {
        {"morva.dat cut after five records", [&] { return cutClientData(5); },
         {"morva.dat is cut short: it ends before item 108 (5 records read).",
          "items.qzb: loading stopped at an item drawn as client id 105, which morva.dat does "
          "not hold; the items after it are missing.",
          noOutfits},
         5},
        {"morva.dat without its outfits", [&] { return cutClientData(9); }, {noOutfits}, 10},
        {"items.xml cut short",
         [&] { return WriteTextFile(dir.File("items.xml"), "<?xml version=\"1.0\"?>\r\n<items>\r\n<item"); },
         {"items.xml could not be read: item types keep no names."},
         12},
        {"creatures.xml without its root",
         [&] { return WriteTextFile(dir.File("creatures.xml"), "<creature looktype=\"1\"/>"); },
         {"creatures.xml holds no creature list: no creatures were loaded."},
         10},
        {"morva.spr cut after its table", [&] { return cutSprites(6 + 12 * 4); },
         {"morva.spr is damaged: 11 sprites could not be read."},
         12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(TestDataSet::WriteAll(dir.Path().string()));
        ASSERT_TRUE(c.damage());
        GameData fresh;
        messages.messages.clear();
        EXPECT_TRUE(LoadDataFiles(dir.Path().string(), fresh, messages));
        std::vector<Message> expected;
        for (const std::string& text : c.warnings) {
            expected.push_back({text, MessageIcon::Warning});
        }
        EXPECT_EQ(messages.messages, expected);
        EXPECT_EQ(fresh.items.ServerTypes().size(), c.serverTypes);
    }
}

TEST(DataDirectoryPrefixTest, AppendsOneSeparator)
{
    EXPECT_EQ(DataDirectoryPrefix("/opt/tessark"), "/opt/tessark/");
    EXPECT_EQ(DataDirectoryPrefix("/opt/tessark/"), "/opt/tessark/");
    EXPECT_EQ(DataDirectoryPrefix("data"), "data/");
    EXPECT_EQ(DataDirectoryPrefix(""), "/");
    EXPECT_EQ(DataDirectoryPrefix("/"), "/");
}

TEST(ChooseDataDirectoryTest, BesideTheProgramFirstThenTheInstalledFolder)
{
    ScratchDirectory root;
    const std::filesystem::path bin = root.Path() / "bin";
    const std::filesystem::path share = root.Path() / "share" / "tessark";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share);
    const std::string relative = "../share/tessark";

    // Nothing anywhere: beside the program, where start-up then names the missing file.
    EXPECT_EQ(ChooseDataDirectory(bin.string(), relative), bin.string());
    WriteTextFile((share / "morva.dat").string(), "x");
    EXPECT_EQ(ChooseDataDirectory(bin.string(), relative), share.string());
    EXPECT_EQ(ChooseDataDirectory(bin.string(), ""), bin.string());
    WriteTextFile((bin / "morva.dat").string(), "x");
    EXPECT_EQ(ChooseDataDirectory(bin.string(), relative), bin.string());
}

}  // namespace
}  // namespace tessark
