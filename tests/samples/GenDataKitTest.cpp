#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "data/ItemDatabase.h"
#include "data/SpriteFileReader.h"
#include "samples/gendata/DataKitWriter.h"
#include "samples/gendata/ItemCatalog.h"
#include "support/ClientDataScan.h"
#include "support/ScratchDirectory.h"

namespace tessark {
namespace {

using gendata::ItemCatalog;
using gendata::WriteDataKit;

const char* const kKitFiles[] = {"morva.dat", "morva.spr", "items.qzb", "items.xml", "materials.xml", "creatures.xml"};

std::vector<char> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One kit for the whole suite, loaded through the engine's readers.
class GenDataKitTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new test::ScratchDirectory;
        result_ = WriteDataKit(dir_->Path().string(), 1);
        db_ = new ItemDatabase;
        clientResult_ = db_->LoadClientData(dir_->File("morva.dat"));
        itemsResult_ = db_->LoadItems(dir_->File("items.qzb"));
        spritesLoaded_ = SpriteFileReader(*db_).Read(dir_->File("morva.spr"));
    }
    static void TearDownTestSuite()
    {
        delete db_;
        delete dir_;
    }

    static const Sprite* FindSprite(uint32_t id)
    {
        auto it = db_->Sprites().find(id);
        return it == db_->Sprites().end() ? nullptr : &it->second;
    }
    static std::vector<uint32_t> Pixels(const ItemType& type, size_t index)
    {
        const Sprite* sprite = FindSprite(type.spriteIds[index]);
        return sprite != nullptr ? sprite->pixels : std::vector<uint32_t>{};
    }
    static const ItemType& Named(const std::string& name)
    {
        for (const auto& [key, type] : db_->ServerTypes()) {
            if (type.name == name) {
                return type;
            }
        }
        ADD_FAILURE() << "no type named " << name;
        static ItemType none;
        return none;
    }

    static test::ScratchDirectory* dir_;
    static gendata::DataKitResult result_;
    static ItemDatabase* db_;
    static int clientResult_;
    static int itemsResult_;
    static bool spritesLoaded_;
};

test::ScratchDirectory* GenDataKitTest::dir_ = nullptr;
gendata::DataKitResult GenDataKitTest::result_;
ItemDatabase* GenDataKitTest::db_ = nullptr;
int GenDataKitTest::clientResult_ = -1;
int GenDataKitTest::itemsResult_ = -1;
bool GenDataKitTest::spritesLoaded_ = false;

TEST_F(GenDataKitTest, KitLoadsThroughTheDataReaders)
{
    ASSERT_TRUE(result_.ok) << result_.error;
    EXPECT_EQ(clientResult_, 0);
    EXPECT_EQ(itemsResult_, 0);
    EXPECT_TRUE(spritesLoaded_);
    const ItemCatalog catalog = ItemCatalog::Build();
    EXPECT_EQ(db_->clientItemCount, 1507);
    EXPECT_EQ(db_->clientItemCount, catalog.HighestItemId());
    EXPECT_EQ(db_->ClientTypes().size(), size_t{1507 - 99} + catalog.Outfits().size());
    EXPECT_EQ(db_->ServerTypes().size(), catalog.Items().size());
    EXPECT_GE(db_->ServerTypes().size(), 300u);
    EXPECT_EQ(db_->itemsMajorVersion, 3u);
    EXPECT_EQ(db_->itemsMinorVersion, 12u);

    // The fixed ids the editor relies on.
    ASSERT_NE(db_->FindServerType(1407), nullptr);
    EXPECT_EQ(db_->FindServerType(1407)->name, "spawn marker");
    EXPECT_NE(db_->FindServerType(359), nullptr);
    EXPECT_NE(db_->FindServerType(360), nullptr);

    // Every server type is its own client type and carries the catalogue's properties.
    for (const auto& item : catalog.Items()) {
        const ItemType* loaded = db_->FindServerType(item.type.serverId - 100);
        ASSERT_NE(loaded, nullptr) << item.type.name;
        EXPECT_EQ(loaded->clientId, item.type.serverId);
        EXPECT_EQ(db_->ClientToServer(static_cast<uint32_t>(item.type.clientId - 100)), item.type.serverId - 100);
        EXPECT_EQ(loaded->name, item.type.name);
        EXPECT_EQ(loaded->group, item.nodeGroup) << item.type.name;
        EXPECT_EQ(loaded->stackable, item.type.stackable) << item.type.name;
        EXPECT_EQ(loaded->pickupable, item.type.pickupable) << item.type.name;
        EXPECT_EQ(loaded->moveable, item.type.moveable) << item.type.name;
        EXPECT_EQ(loaded->topOrder, item.type.topOrder) << item.type.name;
        EXPECT_EQ(loaded->weight, item.type.weight) << item.type.name;
        EXPECT_EQ(loaded->decayTo, item.type.decayTo) << item.type.name;
        const ItemType* client = db_->GetClientType(item.type.serverId - 100);
        ASSERT_NE(client, nullptr);
        EXPECT_EQ(client->blocking, item.type.blocking) << item.type.name;
        EXPECT_EQ(client->hangeable, item.type.hangeable) << item.type.name;
        EXPECT_EQ(client->minimapColor, item.type.minimapColor) << item.type.name;
    }
}

TEST_F(GenDataKitTest, EveryOptionByteWithAMeaningIsUsed)
{
    const auto scanned = test::ScanClientData(dir_->File("morva.dat"));
    ASSERT_TRUE(scanned.has_value());
    EXPECT_EQ(scanned->itemCount, 1507);
    std::set<uint8_t> used;
    for (const auto& record : scanned->records) {
        used.insert(record.options.begin(), record.options.end());
    }
    for (uint8_t option : {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x07, 0x08, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10,
                           0x11, 0x12, 0x13, 0x19, 0x1C}) {
        EXPECT_TRUE(used.contains(option)) << "option " << int{option} << " is never written";
    }
    // Outfits follow the items, each with the four facings.
    const ItemCatalog catalog = ItemCatalog::Build();
    ASSERT_EQ(scanned->records.size(), size_t{1507 - 99} + catalog.Outfits().size());
    for (size_t i = 1507 - 99; i < scanned->records.size(); ++i) {
        EXPECT_EQ(scanned->records[i].patternX, 4);
        EXPECT_TRUE(scanned->records[i].options.empty());
    }
}

TEST_F(GenDataKitTest, EverySpriteOfEveryTypeDecodes)
{
    auto checkType = [](const ItemType& type, const std::string& what) {
        ASSERT_GE(type.spriteCount, 1u) << what;
        for (uint32_t i = 0; i < type.spriteCount; ++i) {
            const Sprite* sprite = FindSprite(type.spriteIds[i]);
            ASSERT_NE(sprite, nullptr) << what << " sprite " << i;
            EXPECT_TRUE(sprite->HasPixels()) << what << " sprite " << i << " (id " << type.spriteIds[i] << ")";
            const bool opaque = std::any_of(sprite->pixels.begin(), sprite->pixels.end(),
                                            [](uint32_t p) { return p != 0x00FF00FF; });
            EXPECT_TRUE(opaque) << what << " sprite " << i << " is blank";
        }
    };
    for (const auto& [key, type] : db_->ServerTypes()) {
        checkType(type, type.name);
    }
    for (const auto& [key, type] : db_->ClientTypes()) {
        if (key > db_->clientItemCount - 100) {
            checkType(type, "outfit " + std::to_string(key + 100));
        }
    }
    // The two types that sprite loading dresses in dots.
    EXPECT_EQ(db_->FindServerType(360)->spriteIds[0], 0xF000);
    EXPECT_EQ(db_->FindServerType(359)->spriteIds[0], 0xF001);
}

TEST_F(GenDataKitTest, FamiliesHaveTheDrawingLayoutsTheRendererExpects)
{
    const ItemType& grass = Named("grass");
    EXPECT_EQ(grass.group, ItemGroup::Ground);
    EXPECT_EQ(grass.patternX * grass.patternY, 16);
    EXPECT_GT(grass.speed, 0);
    const ItemType& stone = Named("stone floor");
    EXPECT_EQ(stone.patternX * stone.patternY, 4);
    // Ground patterns by position really differ.
    EXPECT_NE(Pixels(grass, 0), Pixels(grass, 5));

    for (const char* name : {"water", "lava"}) {
        const ItemType& liquid = Named(name);
        EXPECT_GE(liquid.animationPhases, 3) << name;
        const size_t perPhase = size_t{liquid.patternX} * liquid.patternY;
        EXPECT_NE(Pixels(liquid, 0), Pixels(liquid, perPhase)) << name << " does not move";
        EXPECT_NE(Pixels(liquid, perPhase), Pixels(liquid, 2 * perPhase)) << name << " does not move";
    }
    for (const char* name : {"gold coin", "arrow"}) {
        const ItemType& stack = Named(name);
        EXPECT_TRUE(stack.stackable);
        ASSERT_EQ(stack.patternX * stack.patternY, 8) << name;
        for (size_t n = 1; n < 8; ++n) {
            EXPECT_NE(Pixels(stack, n - 1), Pixels(stack, n)) << name << " count pattern " << n;
        }
    }
    for (const char* name : {"vial", "splash"}) {
        const ItemType& fluid = Named(name);
        ASSERT_EQ(fluid.patternX * fluid.patternY, 8) << name;
        std::set<std::vector<uint32_t>> colours;
        for (size_t n = 0; n < 8; ++n) {
            colours.insert(Pixels(fluid, n));
        }
        EXPECT_EQ(colours.size(), 8u) << name << " needs a picture per fluid kind";
    }
    const ItemType& torch = Named("wall torch");
    EXPECT_TRUE(torch.hangeable);
    ASSERT_EQ(torch.patternX, 3);
    EXPECT_NE(Pixels(torch, 0), Pixels(torch, 1));
    EXPECT_NE(Pixels(torch, 1), Pixels(torch, 2));
    EXPECT_NE(Pixels(torch, 0), Pixels(torch, 3)) << "the flame does not flicker";

    const ItemType& tree = Named("oak tree");
    EXPECT_EQ(tree.width, 2);
    EXPECT_EQ(tree.height, 2);
    EXPECT_EQ(tree.cropSize, 64);
    EXPECT_EQ(Named("long table").width, 2);
    EXPECT_EQ(Named("long table").height, 1);

    EXPECT_TRUE(Named("brick wall horizontal").horizontal);
    EXPECT_FALSE(Named("brick wall horizontal").vertical);
    EXPECT_TRUE(Named("brick wall vertical").vertical);
    EXPECT_EQ(Named("brick wall vertical").topOrder, 2);
    EXPECT_EQ(Named("grass border north").topOrder, 1);
    EXPECT_EQ(Named("stone archway horizontal").topOrder, 3);
    for (const char* name : {"wooden door horizontal", "wooden door vertical"}) {
        EXPECT_EQ(Named(name).group, ItemGroup::Door) << name;
        EXPECT_TRUE(Named(name).alwaysOnTop) << name;
    }
    EXPECT_TRUE(Named("wooden door vertical").vertical);
    EXPECT_GT(Named("grass").minimapColor, 0);
    EXPECT_GT(Named("stone wall horizontal").minimapColor, 0);

    const ItemType& campfire = Named("campfire");
    ASSERT_NE(campfire.decayTo, 0);
    EXPECT_EQ(db_->GetServerType(campfire.decayTo - 100).name, "embers");
    EXPECT_GT(campfire.decayTime, 0);
    EXPECT_GT(Named("long sword").attack, 0);
    EXPECT_GT(Named("plate armor").armor, 0);
    EXPECT_GT(Named("backpack").capacity, 0u);
    EXPECT_TRUE(Named("wooden sign").readable);
    EXPECT_EQ(Named("red book").group, ItemGroup::Writeable);
}

// Pictures reduced to 8 x 8 blocks per cell: two types whose reductions nearly agree would
// look the same to a map maker.
std::vector<int> Signature(const ItemType& type, const SpriteTable& sprites)
{
    std::vector<int> signature;
    const uint32_t cells = uint32_t{type.width} * type.height * type.layers;
    for (uint32_t cell = 0; cell < cells && cell < type.spriteCount; ++cell) {
        auto it = sprites.find(type.spriteIds[cell]);
        for (int by = 0; by < 8; ++by) {
            for (int bx = 0; bx < 8; ++bx) {
                int r = 0;
                int g = 0;
                int b = 0;
                int clear = 0;
                for (int y = 0; y < 4; ++y) {
                    for (int x = 0; x < 4; ++x) {
                        const uint32_t p = it == sprites.end() || !it->second.HasPixels()
                                               ? 0x00FF00FF
                                               : it->second.pixels[static_cast<size_t>((by * 4 + y) * 32 + bx * 4 + x)];
                        if (p == 0x00FF00FF) {
                            ++clear;
                        } else {
                            r += (p >> 16) & 0xFF;
                            g += (p >> 8) & 0xFF;
                            b += p & 0xFF;
                        }
                    }
                }
                signature.insert(signature.end(), {r / 16, g / 16, b / 16, clear * 16});
            }
        }
    }
    return signature;
}

TEST_F(GenDataKitTest, NoTwoTypesLookAlike)
{
    std::vector<std::pair<std::string, std::vector<int>>> signatures;
    for (const auto& [key, type] : db_->ServerTypes()) {
        // The two dotted markers are dressed alike by sprite loading on purpose.
        if (key != 359 && key != 360) {
            signatures.emplace_back(type.name, Signature(type, db_->Sprites()));
        }
    }
    for (size_t i = 0; i < signatures.size(); ++i) {
        for (size_t j = i + 1; j < signatures.size(); ++j) {
            const auto& a = signatures[i].second;
            const auto& b = signatures[j].second;
            if (a.size() != b.size()) {
                continue;
            }
            long difference = 0;
            for (size_t k = 0; k < a.size(); ++k) {
                difference += std::abs(a[k] - b[k]);
            }
            // Average difference per block and channel of at least 1 in 0..255.
            EXPECT_GE(difference, static_cast<long>(a.size()))
                << signatures[i].first << " and " << signatures[j].first << " look alike";
        }
    }
}

TEST_F(GenDataKitTest, SameSeedGivesSameBytesOtherSeedOtherPictures)
{
    test::ScratchDirectory again;
    test::ScratchDirectory other;
    ASSERT_TRUE(WriteDataKit(again.Path().string(), 1).ok);
    ASSERT_TRUE(WriteDataKit(other.Path().string(), 2).ok);
    for (const char* name : kKitFiles) {
        EXPECT_EQ(ReadBytes(dir_->File(name)), ReadBytes(again.File(name))) << name;
    }
    EXPECT_NE(ReadBytes(dir_->File("morva.spr")), ReadBytes(other.File("morva.spr")));
    // The content stays: ids, names and layouts do not depend on the seed.
    EXPECT_EQ(ReadBytes(dir_->File("items.xml")), ReadBytes(other.File("items.xml")));
    EXPECT_EQ(ReadBytes(dir_->File("morva.dat")), ReadBytes(other.File("morva.dat")));
}

TEST_F(GenDataKitTest, WritingIntoAFileInsteadOfADirectoryFails)
{
    test::ScratchDirectory scratch;
    const std::string blocker = scratch.File("not-a-directory");
    std::ofstream(blocker) << "x";
    const auto result = WriteDataKit(blocker, 1);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

int RunCli(const std::string& arguments)
{
    const std::string command = std::string(TESSARK_CLI_PATH) + " " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(GenDataKitTest, CommandWritesTheKitAndRejectsBadArguments)
{
    test::ScratchDirectory scratch;
    const std::string target = (scratch.Path() / "nested" / "data").string();
    ASSERT_EQ(RunCli("gen-data '" + target + "' --seed 1"), 0);
    for (const char* name : kKitFiles) {
        EXPECT_EQ(ReadBytes(dir_->File(name)), ReadBytes(target + "/" + name)) << name;
    }
    EXPECT_EQ(RunCli("gen-data"), 2);
    EXPECT_EQ(RunCli("gen-data '" + target + "' --seed"), 2);
    EXPECT_EQ(RunCli("gen-data '" + target + "' --seed -3"), 2);
    EXPECT_EQ(RunCli("gen-data '" + target + "' --seed 12x"), 2);
    EXPECT_EQ(RunCli("gen-data '" + target + "' --colour"), 2);
    EXPECT_EQ(RunCli("gen-data a b"), 2);
}

}  // namespace
}  // namespace tessark
