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

// Each start-up message, and whether start-up goes on: missing files, files no reader can use,
// and data cut short, which loads what it can and says so with the file's name.
TEST(DataLoaderTest, FailuresShowTheirMessagesAndStopOnlyWhenNothingCanBeDrawn)
{
    ScratchDirectory dir;
    RecordingMessageSink messages;
    const Message noDat{"Could not find morva.dat!", MessageIcon::Error};
    const Message noSprites{"Could not load sprites from morva.spr!", MessageIcon::Error};
    const auto write = [&dir](const char* name, std::string bytes) {
        return [&dir, name, bytes] { return WriteTextFile(dir.File(name), bytes); };
    };
    const auto remove = [&dir](const char* name) {
        return [&dir, name] { return std::filesystem::remove(dir.File(name)); };
    };
    const auto cutClientData = [&dir](size_t records) {
        return [&dir, records] { return TestDataSet::WriteClientData(dir.File("morva.dat"), records); };
    };
    const auto cutSprites = [&dir] {
        std::vector<uint8_t> bytes = test::ReadFileBytes(dir.File("morva.spr"));
        bytes.resize(6 + 12 * 4);
        return test::WriteFileBytes(dir.File("morva.spr"), bytes);
    };
    const auto warning = [](std::string text) { return Message{std::move(text), MessageIcon::Warning}; };
    const Message noOutfits = warning("creatures.xml: 2 creatures have no outfit in morva.dat and "
                                      "were left out.");
    struct Case {
        const char* what;
        std::function<bool()> damage;
        bool starts;
        std::vector<Message> messages;
        int materials;
        size_t serverTypes = 0;  // 0: not checked
    };
    const Case cases[] = {
        {"no morva.dat", remove("morva.dat"), false, {noDat}, 0},
        {"unknown option byte", write("morva.dat", std::string("SIGN\x65\0\0\0\0\0\0\0\x16\xFF", 14)),
         false, {{"Invalid format of morva.dat!", MessageIcon::Error}}, 0},
        {"items.qzb no node file", write("items.qzb", "not a node file"), false,
         {{"Could not load items.qzb!", MessageIcon::Error}}, 0},
        {"no items.xml", remove("items.xml"), true, {}, 6},
        {"no materials.xml", remove("materials.xml"), true,
         {{"Could not to open materials.xml.", MessageIcon::Error},
          {"Could not load materials.xml! (loading default)", MessageIcon::Warning}},
         6},
        {"materials without root", write("materials.xml", "<brushes/>"), true,
         {{"Could not load materials.xml! (loading default)", MessageIcon::Warning}}, 6},
        {"binary materials.xml", write("materials.xml", "<materials/>" + std::string(60, '\0')), true,
         {{"Error converting file to string (may contain binary data)", MessageIcon::Error},
          {"Could not load materials.xml! (loading default)", MessageIcon::Warning}},
         6},
        {"no creatures.xml", remove("creatures.xml"), true,
         {{"Could not to open creatures.xml.", MessageIcon::Error}}, 5},
        {"no morva.spr", remove("morva.spr"), false, {noSprites}, 6},
        {"empty morva.spr", write("morva.spr", ""), false, {noSprites}, 6},
        // Too short for its first table entry: nothing could ever be drawn from it.
        {"morva.spr without a table", write("morva.spr", std::string("SPRS\x0C\0\x36\0", 8)), false,
         {noSprites}, 6},
        {"morva.dat cut after five records", cutClientData(5), true,
         {warning("morva.dat is cut short: it ends before item 108 (5 records read)."),
          warning("items.qzb: loading stopped at an item drawn as client id 105, which morva.dat "
                  "does not hold; the items after it are missing."),
          noOutfits},
         6, 5},
        {"morva.dat without its outfits", cutClientData(9), true, {noOutfits}, 6, 10},
        {"items.xml cut short", write("items.xml", "<?xml version=\"1.0\"?>\r\n<items>\r\n<item"), true,
         {warning("items.xml could not be read: item types keep no names.")}, 6, 12},
        {"creatures.xml without its root", write("creatures.xml", "<creature looktype=\"1\"/>"), true,
         {warning("creatures.xml holds no creature list: no creatures were loaded.")}, 5, 10},
        {"morva.spr cut after its table", cutSprites, true,
         {warning("morva.spr is damaged: 11 sprites could not be read.")}, 6, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(TestDataSet::WriteAll(dir.Path().string()));
        ASSERT_TRUE(c.damage());
        GameData fresh;
        messages.messages.clear();
        EXPECT_EQ(LoadDataFiles(dir.Path().string(), fresh, messages), c.starts);
        EXPECT_EQ(messages.messages, c.messages);
        EXPECT_EQ(fresh.materials.GetMaterialCount(), c.materials);
        if (c.serverTypes) {
            EXPECT_EQ(fresh.items.ServerTypes().size(), c.serverTypes);
        }
    }
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
