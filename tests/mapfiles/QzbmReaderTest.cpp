#include <gtest/gtest.h>

#include <string>

#include "mapfiles/QzbmLayout.h"
#include "mapfiles/QzbmReader.h"
#include "mapfiles/QzbmWriter.h"
#include "support/MapFileFixture.h"

namespace tessark::test {
namespace {

using namespace qzbm;

// Starts the root (with a header) and the map data node; the caller adds children and ends
// both. Returns the map data node's handle.
uint32_t BeginMap(NodeFileBuilder& file, uint16_t width = 100, uint16_t height = 100)
{
    file.Start(kRootNode);
    Header(file, width, height);
    const uint32_t mapData = file.Start(kMapDataNode);
    file.U8(kDescriptionAttribute);
    String(file, kCreatorText);
    return mapData;
}

void EndMap(NodeFileBuilder& file) { file.End().End(); }

// A plain tile with the grass ground.
uint32_t GrassTile(NodeFileBuilder& file, uint8_t x, uint8_t y)
{
    const uint32_t tile = file.Start(kTileNode);
    file.U8(x).U8(y).U8(kGroundAttribute).U16(kGrass + 100);
    file.End();
    return tile;
}

class QzbmReaderTest : public MapFileTest {
protected:
    // Opens the bytes as the editor's Open does; returns the message shown, if any.
    std::string Open(const NodeFileBuilder& file)
    {
        messages.messages.clear();
        Read(dir.Write("map.qzbm", file.Bytes()));
        return messages.messages.empty() ? std::string() : messages.messages.back().text;
    }

    void ExpectFailure(int kind, uint32_t code, const std::string& text)
    {
        EXPECT_EQ(doc->errorKind, kind);
        EXPECT_EQ(doc->errorCode, static_cast<int32_t>(code));
        ASSERT_FALSE(messages.messages.empty());
        EXPECT_EQ(messages.messages.back().text, "Could not open the file.\n" + text);
        EXPECT_EQ(messages.messages.back().icon, MessageIcon::Error);
    }
};

TEST_F(QzbmReaderTest, FilesThatAreNoMapsFailAtTheStart)
{
    Read(File("absent.qzbm"));
    ExpectFailure(1, 0, "Code: 0");

    NodeFileBuilder notZero(false);
    notZero.Raw({1, 0, 0, 0});
    Open(notZero);
    ExpectFailure(1, 0, "Code: 0");

    Open(NodeFileBuilder());  // the identifier and no root
    ExpectFailure(2, 0, "Failed to read stream properties. Code: 0");

    NodeFileBuilder shortHeader;
    shortHeader.Start(kRootNode);
    shortHeader.U32(0).U16(5).U16(5).U32(3).U16(0);
    shortHeader.End();
    Open(shortHeader);
    ExpectFailure(3, 0, "Failed to read header. Code: 0");
    EXPECT_EQ(doc->width, 1000);  // the header was not taken

    NodeFileBuilder noMapData;
    noMapData.Start(kRootNode);
    Header(noMapData, 0, 0);
    noMapData.Start(kTileAreaNode);
    noMapData.End().End();
    Open(noMapData);
    ExpectFailure(4, 0, "Unknown attribute. Code: 0");

    NodeFileBuilder childless;
    childless.Start(kRootNode);
    Header(childless, 0, 0);
    childless.End();
    Open(childless);
    ExpectFailure(4, 0, "Unknown attribute. Code: 0");
}

TEST_F(QzbmReaderTest, MapDataAttributesAreCheckedAndTheFirstDescriptionKept)
{
    NodeFileBuilder twoDescriptions;
    twoDescriptions.Start(kRootNode);
    Header(twoDescriptions, 0, 0);
    twoDescriptions.Start(kMapDataNode);
    twoDescriptions.U8(kDescriptionAttribute);
    String(twoDescriptions, "A");
    twoDescriptions.U8(kDescriptionAttribute);
    String(twoDescriptions, kCreatorText);
    twoDescriptions.U8(kSpawnFileAttribute);
    String(twoDescriptions, "../elsewhere/s.xml");  // a side file always lies beside the map
    EndMap(twoDescriptions);
    doc->width = 321;
    EXPECT_EQ(Open(twoDescriptions), "Could not to open s.xml.");
    EXPECT_EQ(doc->errorKind, 0);
    EXPECT_EQ(doc->GetDescription(), "A");
    EXPECT_EQ(doc->width, 321);  // a header size of 0 keeps the map's
    EXPECT_EQ(doc->GetSpawnFile(), "");  // cleared after the side file failed to load

    NodeFileBuilder creatorOnly;
    BeginMap(creatorOnly);
    EndMap(creatorOnly);
    EXPECT_EQ(Open(creatorOnly), "");
    EXPECT_EQ(doc->GetDescription(), kCreatorText);

    NodeFileBuilder unknown;
    unknown.Start(kRootNode);
    Header(unknown, 0, 0);
    uint32_t mapData = unknown.Start(kMapDataNode);
    unknown.U8(7);
    String(unknown, "x");
    EndMap(unknown);
    Open(unknown);
    ExpectFailure(4, mapData, "Unknown attribute. Code: " + std::to_string(mapData));

    NodeFileBuilder cutString;
    cutString.Start(kRootNode);
    Header(cutString, 0, 0);
    mapData = cutString.Start(kMapDataNode);
    cutString.U8(kHouseFileAttribute).U16(40).Text("short");
    EndMap(cutString);
    Open(cutString);
    ExpectFailure(2, mapData, "Failed to read stream properties. Code: " + std::to_string(mapData));
}

TEST_F(QzbmReaderTest, WrongNodeTypesNameTheNodeWhereTheyAreFound)
{
    NodeFileBuilder badChild;
    BeginMap(badChild);
    const uint32_t stray = GrassTile(badChild, 1, 1);  // a tile straight under the map data
    EndMap(badChild);
    Open(badChild);
    ExpectFailure(4, stray, "Unknown attribute. Code: " + std::to_string(stray));

    NodeFileBuilder badSibling;
    badSibling.Start(kRootNode);
    Header(badSibling, 0, 0);
    badSibling.Start(kMapDataNode);
    badSibling.End();
    const uint32_t sibling = badSibling.Start(kTownsNode);
    badSibling.End().End();
    Open(badSibling);
    ExpectFailure(4, sibling, "Unknown attribute. Code: " + std::to_string(sibling));

    NodeFileBuilder badTile;
    BeginMap(badTile);
    const uint32_t area = badTile.Start(kTileAreaNode);
    badTile.U16(0).U16(0).U8(7);
    GrassTile(badTile, 1, 1);
    badTile.Start(kItemNode);  // an item where a tile belongs: the area is named
    badTile.U16(kPlain + 100);
    badTile.End().End();
    EndMap(badTile);
    Open(badTile);
    ExpectFailure(4, area, "Unknown attribute. Code: " + std::to_string(area));
    EXPECT_NE(doc->GetTile(1, 1, 7), nullptr);  // what came before stays

    NodeFileBuilder badItem;
    BeginMap(badItem);
    badItem.Start(kTileAreaNode);
    badItem.U16(0).U16(0).U8(7);
    badItem.Start(kTileNode);
    badItem.U8(2).U8(2);
    const uint32_t notItem = badItem.Start(kTileNode);
    badItem.U8(0).U8(0);
    badItem.End().End().End();
    EndMap(badItem);
    Open(badItem);
    ExpectFailure(4, notItem, "Unknown attribute. Code: " + std::to_string(notItem));

    NodeFileBuilder badTown;
    BeginMap(badTown);
    badTown.Start(kTownsNode);
    const uint32_t notTown = badTown.Start(kTileNode);
    badTown.U8(0).U8(0);
    badTown.End().End();
    EndMap(badTown);
    Open(badTown);
    ExpectFailure(4, notTown, "Unknown attribute. Code: " + std::to_string(notTown));
}

TEST_F(QzbmReaderTest, ShortPropertiesFailWithTheNodeTheyBelongTo)
{
    const auto expectKind2 = [this](uint32_t node) {
        ExpectFailure(2, node, "Failed to read stream properties. Code: " + std::to_string(node));
    };

    NodeFileBuilder shortArea;
    BeginMap(shortArea);
    uint32_t node = shortArea.Start(kTileAreaNode);
    shortArea.U16(0).U16(0);
    shortArea.End();
    EndMap(shortArea);
    Open(shortArea);
    expectKind2(node);

    // A tile of one byte, a house tile whose id is cut, cut flags, a cut ground id.
    const std::vector<std::vector<uint8_t>> shortTiles = {
        {1}, {1, 1, 7, 0, 0}, {1, 1, kTileFlagsAttribute, 1, 0}, {1, 1, kGroundAttribute, 101}};
    for (size_t i = 0; i < shortTiles.size(); ++i) {
        NodeFileBuilder file;
        BeginMap(file);
        file.Start(kTileAreaNode);
        file.U16(0).U16(0).U8(7);
        node = file.Start(i == 1 ? kHouseTileNode : kTileNode);
        file.Props(shortTiles[i]);
        file.End().End();
        EndMap(file);
        Open(file);
        SCOPED_TRACE(i);
        expectKind2(node);
    }

    NodeFileBuilder shortItem;
    BeginMap(shortItem);
    shortItem.Start(kTileAreaNode);
    shortItem.U16(0).U16(0).U8(7);
    shortItem.Start(kTileNode);
    shortItem.U8(4).U8(4);
    shortItem.Start(kItemNode);
    shortItem.U16(kPlain + 100);
    shortItem.End();
    node = shortItem.Start(kItemNode);
    shortItem.U8(110);  // one byte of an id
    shortItem.End().End().End();
    EndMap(shortItem);
    Open(shortItem);
    // A damaged item says so rather than leave the error fields as they were.
    expectKind2(node);
    EXPECT_EQ(doc->GetTile(4, 4, 7)->GetThingCount(), 1u);

    NodeFileBuilder longName;
    BeginMap(longName);
    longName.Start(kTownsNode);
    node = longName.Start(kTownNode);
    longName.U32(3).U16(50).Text("Port");
    longName.End().End();
    EndMap(longName);
    Open(longName);
    expectKind2(node);

    NodeFileBuilder noTemple;
    BeginMap(noTemple);
    noTemple.Start(kTownsNode);
    node = noTemple.Start(kTownNode);
    noTemple.U32(3);
    String(noTemple, "Port").U16(1).U16(2);
    noTemple.End().End();
    EndMap(noTemple);
    Open(noTemple);
    expectKind2(node);
}

TEST_F(QzbmReaderTest, UnknownTypesAndRefusedItemsFailWithKindsFiveAndSix)
{
    NodeFileBuilder unknownGround;
    BeginMap(unknownGround);
    unknownGround.Start(kTileAreaNode);
    unknownGround.U16(0).U16(0).U8(7);
    uint32_t node = unknownGround.Start(kTileNode);
    unknownGround.U8(1).U8(1).U8(kGroundAttribute).U16(999);
    unknownGround.End().End();
    EndMap(unknownGround);
    Open(unknownGround);
    ExpectFailure(5, node, "Failed to create an object. Code: " + std::to_string(node));

    NodeFileBuilder groundWithoutCount;
    BeginMap(groundWithoutCount);
    groundWithoutCount.Start(kTileAreaNode);
    groundWithoutCount.U16(0).U16(0).U8(7);
    node = groundWithoutCount.Start(kTileNode);
    groundWithoutCount.U8(1).U8(1).U8(kGroundAttribute).U16(kStackable + 100);
    groundWithoutCount.End().End();
    EndMap(groundWithoutCount);
    Open(groundWithoutCount);
    ExpectFailure(6, node, "Failed to unserialize an object. Code: " + std::to_string(node));

    NodeFileBuilder unknownItem;
    BeginMap(unknownItem);
    unknownItem.Start(kTileAreaNode);
    unknownItem.U16(0).U16(0).U8(7);
    unknownItem.Start(kTileNode);
    unknownItem.U8(1).U8(1);
    node = unknownItem.Start(kItemNode);
    unknownItem.U16(99);
    unknownItem.End().End().End();
    EndMap(unknownItem);
    Open(unknownItem);
    ExpectFailure(5, node, "Failed to create an object. Code: " + std::to_string(node));

    // Attribute 15 is no item attribute; 8 belongs to teleports and 10 to depots only.
    for (const std::vector<uint8_t>& rest :
         {std::vector<uint8_t>{15, 1}, std::vector<uint8_t>{8, 1, 0, 1, 0, 7},
          std::vector<uint8_t>{10, 1, 0}, std::vector<uint8_t>{4, 1}}) {
        NodeFileBuilder refused;
        BeginMap(refused);
        refused.Start(kTileAreaNode);
        refused.U16(0).U16(0).U8(7);
        refused.Start(kTileNode);
        refused.U8(1).U8(1);
        node = refused.Start(kItemNode);
        refused.U16(kPlain + 100).Props(rest);
        refused.End().End().End();
        EndMap(refused);
        Open(refused);
        ExpectFailure(6, node, "Failed to unserialize an object. Code: " + std::to_string(node));
    }
}

TEST_F(QzbmReaderTest, CutOrDamagedFilesFailInsteadOfLoadingHalfAMap)
{
    BuildVariedWorld(*doc);
    ASSERT_TRUE(SaveQzbm(*doc, File("world.qzbm")));
    std::vector<uint8_t> bytes = ReadFileBytes(File("world.qzbm"));
    for (size_t cut : {bytes.size() - 1, bytes.size() - 2, bytes.size() / 2, size_t{60}}) {
        std::vector<uint8_t> part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
        auto reread = NewDocument();
        EXPECT_FALSE(LoadQzbm(*reread, dir.Write("cut.qzbm", part), false)) << cut;
        EXPECT_EQ(reread->errorKind, 2) << cut;
    }
    // Junk between two nodes.
    NodeFileBuilder junk;
    BeginMap(junk);
    const uint32_t area = junk.Start(kTileAreaNode);
    junk.U16(0).U16(0).U8(7);
    GrassTile(junk, 1, 1);
    junk.End().Raw({0x41});
    junk.Start(kTileAreaNode);
    junk.U16(0).U16(0).U8(7);
    junk.End();
    EndMap(junk);
    Open(junk);
    ExpectFailure(2, area, "Failed to read stream properties. Code: " + std::to_string(area));
}

TEST_F(QzbmReaderTest, NewerItemVersionsWarnButTheMapLoads)
{
    NodeFileBuilder newerMinor;
    newerMinor.Start(kRootNode);
    Header(newerMinor, 0, 0, 3, 13);
    newerMinor.Start(kMapDataNode);
    EndMap(newerMinor);
    Open(newerMinor);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Warning: This map needs an updated items QZB file.");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(doc->errorKind, 0);

    NodeFileBuilder newerBoth;
    newerBoth.Start(kRootNode);
    Header(newerBoth, 0, 0, 4, 13);
    newerBoth.Start(kMapDataNode);
    EndMap(newerBoth);
    Open(newerBoth);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, "Old header dectected");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages.messages[1].icon, MessageIcon::Warning);

    NodeFileBuilder older;
    older.Start(kRootNode);
    Header(older, 0, 0, 2, 1);
    older.Start(kMapDataNode);
    EndMap(older);
    EXPECT_EQ(Open(older), "");
}

TEST_F(QzbmReaderTest, HousesDoorsAndUniqueIdsAreRegistered)
{
    NodeFileBuilder file;
    BeginMap(file);
    file.Start(kTileAreaNode);
    file.U16(256).U16(0).U8(7);
    file.Start(kHouseTileNode);
    file.U8(1).U8(1).U32(7).U8(kTileFlagsAttribute).U32(3);
    file.Start(kItemNode);
    file.U16(kDoor + 100).U8(14).U8(5).U8(5).U16(900);
    file.End().End();
    file.Start(kHouseTileNode);  // house id 0: a plain tile with the flags it is given
    file.U8(2).U8(1).U32(0).U8(kTileFlagsAttribute).U32(1);
    file.Start(kItemNode);  // a door outside any house is not registered
    file.U16(kDoor + 100).U8(14).U8(6).U8(5).U16(900);  // the same unique id again
    file.End().End();
    file.End();
    file.Start(kTownsNode);
    file.Start(kTownNode);
    file.U32(4);
    String(file, "Port").U16(300).U16(301).U8(7);
    file.End().End();
    EndMap(file);
    EXPECT_EQ(Open(file), "");
    const House* house = doc->Houses().GetHouse(7, false);
    ASSERT_NE(house, nullptr);
    ASSERT_EQ(house->GetDoors().size(), 1u);
    EXPECT_EQ(house->GetDoors()[0], 5u);
    EXPECT_EQ(doc->GetTile(257, 1, 7)->GetHouseId(), 7u);
    EXPECT_EQ(doc->GetTile(258, 1, 7)->GetFlags(), 1u);
    EXPECT_EQ(doc->GetTile(258, 1, 7)->GetHouseId(), 0u);
    EXPECT_EQ(doc->Houses().Size(), 1u);
    EXPECT_TRUE(doc->UniqueIds().IsUsed(900));
    EXPECT_EQ(doc->UniqueIds().Count(), 1u);
    const Town* town = doc->Towns().GetTown(4, false);
    ASSERT_NE(town, nullptr);
    EXPECT_EQ(town->name, "Port");
    EXPECT_EQ(town->templeX, 300);
    EXPECT_EQ(town->templeY, 301);
    EXPECT_EQ(town->templeZ, 7);
}

TEST_F(QzbmReaderTest, TilesOnFloorsBeyondFifteenAreCheckedAndDropped)
{
    NodeFileBuilder file;
    BeginMap(file);
    file.Start(kTileAreaNode);
    file.U16(0).U16(0).U8(16);
    file.Start(kHouseTileNode);
    file.U8(1).U8(1).U32(3).U8(kGroundAttribute).U16(kGrass + 100);
    file.End().End();
    file.Start(kTileAreaNode);
    file.U16(0).U16(0).U8(0);
    GrassTile(file, 1, 1);
    file.End();
    EndMap(file);
    EXPECT_EQ(Open(file), "");
    EXPECT_EQ(doc->Tiles().Size(), 1u);
    EXPECT_NE(doc->GetTile(1, 1, 0), nullptr);
    EXPECT_TRUE(doc->Houses().Empty());
}

TEST_F(QzbmReaderTest, MergeReplacesTheContentOfExistingTilesInPlace)
{
    Place(*doc, kDirt, 1, 1, 7);
    Place(*doc, kPlain, 1, 1, 7);
    Place(*doc, kDirt, 2, 1, 7);
    CTile* kept = doc->GetTile(1, 1, 7);
    doc->Houses().GetHouse(3, true)->AddTile(kept);
    doc->Towns().GetTown(1, true)->name = "Old";
    doc->SetDescription("Mine");
    doc->width = 500;

    NodeFileBuilder file;
    file.Start(kRootNode);
    Header(file, 0, 0);
    file.Start(kMapDataNode);
    file.U8(kDescriptionAttribute);
    String(file, "Theirs");
    file.Start(kTileAreaNode);
    file.U16(0).U16(0).U8(7);
    file.Start(kHouseTileNode);
    file.U8(1).U8(1).U32(4).U8(kGroundAttribute).U16(kGrass + 100);
    file.Start(kItemNode);
    file.U16(kStackable + 100).U8(3);
    file.End().End();
    GrassTile(file, 9, 9);
    file.End();
    file.Start(kTownsNode);
    file.Start(kTownNode);
    file.U32(1);
    String(file, "New").U16(1).U16(1).U8(7);
    file.End().End();
    EndMap(file);
    ASSERT_TRUE(LoadQzbm(*doc, dir.Write("import.qzbm", file.Bytes()), true));

    EXPECT_EQ(doc->GetTile(1, 1, 7), kept);
    ASSERT_EQ(kept->GetThingCount(), 2u);
    EXPECT_EQ(kept->GetGround()->GetTypeKey(), kGrass);
    EXPECT_EQ(kept->GetThing(1)->GetCount(), 3);
    EXPECT_EQ(kept->GetHouseId(), 4u);
    EXPECT_TRUE(doc->Houses().GetHouse(4, false)->HasTile(kept));
    EXPECT_FALSE(doc->Houses().GetHouse(3, false)->HasTile(kept));
    EXPECT_NE(doc->GetTile(2, 1, 7), nullptr);
    EXPECT_NE(doc->GetTile(9, 9, 7), nullptr);
    EXPECT_EQ(doc->Towns().GetTown(1, false)->name, "New");
    EXPECT_EQ(doc->GetDescription(), "Theirs");
    EXPECT_EQ(doc->width, 500);
    EXPECT_EQ(doc->mapDirectory, dir.Path().string() + "/");
    EXPECT_FALSE(doc->IsModified());
}

}  // namespace
}  // namespace tessark::test
