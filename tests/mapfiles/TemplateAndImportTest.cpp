#include <gtest/gtest.h>

#include <string>

#include "mapfiles/MapImport.h"
#include "mapfiles/QzbmLayout.h"
#include "mapfiles/QzxReader.h"
#include "mapfiles/TemplateLoader.h"
#include "support/MapFileFixture.h"
#include "support/NodeFileBuilder.h"
#include "support/TestDataSet.h"

namespace tessark::test {
namespace {

using namespace qzbm;
using Message = RecordingMessageSink::Message;

// A template file: one tile area on floor 7 with the given tiles. Each tile is its offsets
// and the ids it holds: the first as its ground, the rest as item nodes.
struct TemplateTile {
    uint8_t x;
    uint8_t y;
    std::vector<uint16_t> ids;
};

NodeFileBuilder TemplateFile(const std::vector<TemplateTile>& tiles, uint32_t minor = 12)
{
    NodeFileBuilder file;
    BeginMap(file, 0, 0, true, 3, minor);
    Area(file, 0, 0, 7);
    for (const TemplateTile& tile : tiles) {
        file.Start(kTileNode);
        file.U8(tile.x).U8(tile.y).U8(kTileFlagsAttribute).U32(1);
        for (size_t i = 0; i < tile.ids.size(); ++i) {
            if (i == 0) {
                file.U8(kGroundAttribute).U16(tile.ids[i]);
            } else {
                file.Start(kItemNode);
                file.U16(tile.ids[i]).U8(0xEE);  // what follows the id is ignored
                file.End();
            }
        }
        file.End();
    }
    file.End().End().End();
    return file;
}

using TemplateTest = MapFileTest;

TEST_F(TemplateTest, ColumnsMapTheFirstRowsGroundToTheTilesBelowIt)
{
    // Column 10: source 101 (grass), replacement 102 (dirt) with item 110 (plain) on it.
    // Column 11 holds only its first-row tile and is ignored. Column 12: the first-row tile
    // has a ground and an item, both go to the front, so the item (111) becomes the source.
    const auto file = TemplateFile({{10, 10, {101}},
                                    {10, 11, {102, 110}},
                                    {11, 10, {102}},
                                    {12, 10, {102, 111}},
                                    {12, 11, {101}}});
    ASSERT_TRUE(LoadTemplateFile(*doc, dir.Write("template.qzbm", file.Bytes())));
    EXPECT_EQ(doc->templateLoaded, 1);
    const std::map<int32_t, std::vector<int32_t>> expected = {
        {kGrass, {kDirt, kPlain}}, {kStackable, {kDirt, kGrass}}};
    EXPECT_EQ(doc->groundTemplate, expected);
    EXPECT_EQ(messages.messages, (std::vector<Message>{{"Template loaded.", MessageIcon::Information}}));

    // A QZX map read afterwards turns every grass into dirt with the plain item on it.
    const std::string qzx = File("map.qzx");
    ASSERT_TRUE(WriteTextFile(qzx, "<?xml version=\"1.0\"?>\r\n<map width=\"50\" height=\"50\">\r\n"
                                   "<tile x=\"3\" y=\"4\" z=\"7\" ground=\"101\">\r\n"
                                   "<item id=\"111\" count=\"4\"/>\r\n</tile>\r\n"
                                   "<tile x=\"4\" y=\"4\" z=\"7\" ground=\"102\"/>\r\n</map>\r\n"));
    auto reader = NewDocument();
    reader->groundTemplate = doc->groundTemplate;
    reader->templateLoaded = 1;
    ASSERT_TRUE(LoadQzx(*reader, qzx));
    const CTile* replaced = reader->GetTile(3, 4, 7);
    ASSERT_EQ(replaced->GetThingCount(), 3u);
    EXPECT_EQ(replaced->GetGround()->GetTypeKey(), kDirt);
    EXPECT_EQ(replaced->GetThing(1)->GetTypeKey(), kStackable);
    EXPECT_EQ(replaced->GetThing(2)->GetTypeKey(), kPlain);
    EXPECT_EQ(reader->GetTile(4, 4, 7)->GetThingCount(), 1u);
}

// LoadTemplate itself leaves no template; the command keeps the one that was in force.
TEST_F(TemplateTest, FilesThatAreNoTemplatesFailAndKeepTheTemplateInForce)
{
    doc->groundTemplate[1] = {2};
    doc->templateLoaded = 1;

    // A house tile.
    NodeFileBuilder house;
    BeginMap(house, 0, 0, false);
    const uint32_t area = Area(house, 0, 0, 7);
    house.Start(kHouseTileNode);
    house.U8(1).U8(1).U32(5);
    house.End().End().End().End();
    EXPECT_FALSE(LoadTemplateFile(*doc, dir.Write("house.qzbm", house.Bytes())));
    EXPECT_EQ(doc->groundTemplate, (std::map<int32_t, std::vector<int32_t>>{{1, {2}}}));
    EXPECT_EQ(doc->templateLoaded, 1);
    EXPECT_EQ(doc->errorKind, 4);
    EXPECT_EQ(doc->errorCode, static_cast<int32_t>(area));
    EXPECT_EQ(messages.messages.back().text, "Could not to open house.qzbm.");

    // A towns node.
    NodeFileBuilder towns;
    BeginMap(towns, 0, 0, false);
    towns.Start(kTownsNode);
    towns.End().End().End();
    EXPECT_FALSE(LoadTemplate(*doc, dir.Write("towns.qzbm", towns.Bytes())));

    // A spawn file attribute.
    NodeFileBuilder attribute;
    BeginMap(attribute, 0, 0, false);
    attribute.U8(kSpawnFileAttribute);
    String(attribute, "s.xml");
    attribute.End().End();
    EXPECT_FALSE(LoadTemplate(*doc, dir.Write("attribute.qzbm", attribute.Bytes())));

    // Made for a newer item database: its warning, and no template.
    messages.messages.clear();
    const auto newer = TemplateFile({{1, 1, {101}}, {1, 2, {102}}}, 13);
    EXPECT_FALSE(LoadTemplateFile(*doc, dir.Write("newer.qzbm", newer.Bytes())));
    EXPECT_EQ(messages.messages,
              (std::vector<Message>{{"Warning: This template needs an updated items QZB file.", MessageIcon::Warning},
                                    {"Could not to open newer.qzbm.", MessageIcon::Error}}));
    EXPECT_EQ(doc->templateLoaded, 1);

    EXPECT_FALSE(LoadTemplate(*doc, File("absent.qzbm")));
    EXPECT_TRUE(doc->groundTemplate.empty());
}

using ImportTest = MapFileTest;

TEST_F(ImportTest, FailedImportShowsOnlyTheFileNameAndChangesNothing)
{
    NodeFileBuilder file;
    BeginMap(file, 0, 0, false);
    Area(file, 0, 0, 7);
    GrassTile(file, 5, 5);
    file.Start(kTileNode);
    file.U8(6).U8(5).U8(kGroundAttribute).U16(999);
    file.End().End().End().End();
    doc->width = 777;
    doc->SetDescription("mine");
    EXPECT_FALSE(ImportMap(*doc, dir.Write("broken.qzbm", file.Bytes())));
    using Message = RecordingMessageSink::Message;
    EXPECT_EQ(messages.messages,
              (std::vector<Message>{{"Could not to open broken.qzbm.", MessageIcon::Error,
                                     "the item id 999 in a tile node at byte 39 names no item type"}}));
    EXPECT_EQ(doc->errorKind, 5);
    EXPECT_EQ(doc->Tiles().Size(), 0u);
    EXPECT_EQ(doc->GetDescription(), "mine");
    EXPECT_EQ(doc->width, 777);
    EXPECT_FALSE(doc->IsModified());
}

}  // namespace
}  // namespace tessark::test
