#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mapfiles/QzbmLayout.h"
#include "mapfiles/QzbmReader.h"
#include "mapfiles/QzbmWriter.h"
#include "support/MapFileFixture.h"

namespace tessark::test {
namespace {

using namespace qzbm;

// A map with one tile area at 0,0,7 holding one tile node with the given properties and item
// nodes; returns the handle of the last node started.
uint32_t OneTileMap(NodeFileBuilder& file, uint8_t tileNode, const std::vector<uint8_t>& tileProps,
                    const std::vector<std::vector<uint8_t>>& items = {}, uint8_t itemNode = kItemNode)
{
    BeginMap(file, 100, 100);
    Area(file, 0, 0, 7);
    uint32_t last = file.Start(tileNode);
    file.Props(tileProps);
    for (const auto& item : items) {
        last = file.Start(itemNode);
        file.Props(item);
        file.End();
    }
    file.End().End();
    EndMap(file);
    return last;
}

// A map whose towns node holds one node of the given type and properties; returns its handle.
uint32_t OneTownMap(NodeFileBuilder& file, uint8_t node, const std::vector<uint8_t>& props)
{
    BeginMap(file, 100, 100);
    file.Start(kTownsNode);
    const uint32_t town = file.Start(node);
    file.Props(props);
    file.End().End();
    EndMap(file);
    return town;
}

std::vector<uint8_t> U16(uint16_t value) { return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)}; }

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts)
{
    std::vector<uint8_t> bytes;
    for (const auto& part : parts) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    return bytes;
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

    void OpenFails(const NodeFileBuilder& file, int kind, uint32_t node)
    {
        Open(file);
        ExpectFailure(kind, node);
    }

    // The failure box names the kind's reason and the offset of the node it was found at.
    void ExpectFailure(int kind, uint32_t node)
    {
        static const char* const reasons[] = {"", "", "Failed to read stream properties. ", "Failed to read header. ",
                                              "Unknown attribute. ", "Failed to create an object. ",
                                              "Failed to unserialize an object. "};
        EXPECT_EQ(doc->errorKind, kind);
        EXPECT_EQ(doc->errorCode, static_cast<int32_t>(node));
        ASSERT_FALSE(messages.messages.empty());
        EXPECT_EQ(messages.messages.back().text,
                  std::string("Could not open the file.\n") + reasons[kind] + "Code: " + std::to_string(node));
        EXPECT_EQ(messages.messages.back().icon, MessageIcon::Error);
    }
};

TEST_F(QzbmReaderTest, FilesThatAreNoMapsFailAtTheStart)
{
    Read(File("absent.qzbm"));
    ExpectFailure(1, 0);

    NodeFileBuilder notZero(false);
    notZero.Raw({1, 0, 0, 0});
    OpenFails(notZero, 1, 0);

    OpenFails(NodeFileBuilder(), 2, 0);  // the identifier and no root

    NodeFileBuilder shortHeader;
    shortHeader.Start(kRootNode);
    shortHeader.U32(0).U16(5).U16(5).U32(3).U16(0);
    shortHeader.End();
    OpenFails(shortHeader, 3, 0);
    EXPECT_EQ(doc->width, 1000);  // the header was not taken

    // The root's child is no map data, or there is none.
    for (bool withChild : {true, false}) {
        NodeFileBuilder file;
        file.Start(kRootNode);
        Header(file, 0, 0);
        if (withChild) {
            file.Start(kTileAreaNode);
            file.End();
        }
        file.End();
        OpenFails(file, 4, 0);
    }
}

TEST_F(QzbmReaderTest, MapDataAttributesAreCheckedAndTheFirstDescriptionKept)
{
    NodeFileBuilder twoDescriptions;
    BeginMap(twoDescriptions, 0, 0, false);
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
    BeginMap(creatorOnly, 100, 100);
    EndMap(creatorOnly);
    EXPECT_EQ(Open(creatorOnly), "");
    EXPECT_EQ(doc->GetDescription(), kCreatorText);

    // An unknown attribute, and a string cut short.
    for (const std::vector<uint8_t>& props : {Join({{7, 1, 0}, {'x'}}), Join({{kHouseFileAttribute, 40, 0}, {'s'}})}) {
        NodeFileBuilder file;
        const uint32_t mapData = BeginMap(file, 0, 0, false);
        file.Props(props);
        EndMap(file);
        OpenFails(file, props[0] == 7 ? 4 : 2, mapData);
    }
}

TEST_F(QzbmReaderTest, WrongNodeTypesNameTheNodeWhereTheyAreFound)
{
    NodeFileBuilder badChild;
    BeginMap(badChild, 100, 100);
    const uint32_t stray = GrassTile(badChild, 1, 1);  // a tile straight under the map data
    EndMap(badChild);
    OpenFails(badChild, 4, stray);

    NodeFileBuilder badSibling;
    BeginMap(badSibling, 0, 0, false);
    badSibling.End();
    const uint32_t sibling = badSibling.Start(kTownsNode);
    badSibling.End().End();
    OpenFails(badSibling, 4, sibling);

    NodeFileBuilder badTile;
    BeginMap(badTile, 100, 100);
    const uint32_t area = Area(badTile, 0, 0, 7);
    GrassTile(badTile, 1, 1);
    badTile.Start(kItemNode);  // an item where a tile belongs: the area is named
    badTile.U16(kPlain + 100);
    badTile.End().End();
    EndMap(badTile);
    OpenFails(badTile, 4, area);
    EXPECT_NE(doc->GetTile(1, 1, 7), nullptr);  // what came before stays

    NodeFileBuilder badItem;
    const uint32_t notItem = OneTileMap(badItem, kTileNode, {2, 2}, {{0, 0}}, kTileNode);
    OpenFails(badItem, 4, notItem);

    NodeFileBuilder badTown;
    const uint32_t notTown = OneTownMap(badTown, kTileNode, {0, 0});
    OpenFails(badTown, 4, notTown);
}

TEST_F(QzbmReaderTest, ShortPropertiesFailWithTheNodeTheyBelongTo)
{
    NodeFileBuilder shortArea;
    BeginMap(shortArea, 100, 100);
    uint32_t node = shortArea.Start(kTileAreaNode);
    shortArea.U16(0).U16(0);
    shortArea.End();
    EndMap(shortArea);
    OpenFails(shortArea, 2, node);

    // A tile of one byte, a house tile whose id is cut, cut flags, a cut ground id.
    const std::vector<std::vector<uint8_t>> shortTiles = {
        {1}, {1, 1, 7, 0, 0}, {1, 1, kTileFlagsAttribute, 1, 0}, {1, 1, kGroundAttribute, 101}};
    for (size_t i = 0; i < shortTiles.size(); ++i) {
        SCOPED_TRACE(i);
        NodeFileBuilder file;
        node = OneTileMap(file, i == 1 ? kHouseTileNode : kTileNode, shortTiles[i]);
        OpenFails(file, 2, node);
    }

    // A damaged item says so rather than leave the error fields as they were.
    NodeFileBuilder shortItem;
    node = OneTileMap(shortItem, kTileNode, {4, 4}, {U16(kPlain + 100), {110}});
    OpenFails(shortItem, 2, node);
    EXPECT_EQ(doc->GetTile(4, 4, 7)->GetThingCount(), 1u);

    // A town name longer than its node, and a town without its temple.
    for (const auto& props : {Join({{3, 0, 0, 0, 50, 0}, {'P', 'o', 'r', 't'}}),
                              Join({{3, 0, 0, 0, 4, 0}, {'P', 'o', 'r', 't'}, U16(1), U16(2)})}) {
        NodeFileBuilder file;
        node = OneTownMap(file, kTownNode, props);
        OpenFails(file, 2, node);
    }
}

TEST_F(QzbmReaderTest, UnknownTypesAndRefusedItemsFailWithKindsFiveAndSix)
{
    const struct {
        int kind;
        std::vector<uint8_t> tile;
        std::vector<std::vector<uint8_t>> items;
    } cases[] = {
        {5, Join({{1, 1, kGroundAttribute}, U16(999)}), {}},                  // unknown ground
        {6, Join({{1, 1, kGroundAttribute}, U16(kStackable + 100)}), {}},     // a ground needs no count
        {5, {1, 1}, {U16(99)}},                                               // unknown item
        // Attribute 15 is no item attribute; 8 belongs to teleports and 10 to depots only.
        {6, {1, 1}, {Join({U16(kPlain + 100), {15, 1}})}},
        {6, {1, 1}, {Join({U16(kPlain + 100), {8, 1, 0, 1, 0, 7}})}},
        {6, {1, 1}, {Join({U16(kPlain + 100), {10, 1, 0}})}},
        {6, {1, 1}, {Join({U16(kPlain + 100), {4, 1}})}},
    };
    for (const auto& c : cases) {
        NodeFileBuilder file;
        const uint32_t node = OneTileMap(file, kTileNode, c.tile, c.items);
        OpenFails(file, c.kind, node);
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
    BeginMap(junk, 100, 100);
    const uint32_t area = Area(junk, 0, 0, 7);
    GrassTile(junk, 1, 1);
    junk.End().Raw({0x41});
    Area(junk, 0, 0, 7);
    junk.End();
    EndMap(junk);
    OpenFails(junk, 2, area);
}

TEST_F(QzbmReaderTest, NewerItemVersionsWarnButTheMapLoads)
{
    using Message = RecordingMessageSink::Message;
    const Message newer = {"Warning: This map needs an updated items QZB file.", MessageIcon::Warning};
    const struct {
        uint32_t major, minor;
        std::vector<Message> shown;
    } cases[] = {
        {3, 13, {newer}},
        {4, 13, {{"Old header dectected", MessageIcon::Error}, newer}},
        {2, 1, {}},
    };
    for (const auto& c : cases) {
        NodeFileBuilder file;
        BeginMap(file, 0, 0, false, c.major, c.minor);
        EndMap(file);
        Open(file);
        EXPECT_EQ(messages.messages, c.shown) << c.major;
        EXPECT_EQ(doc->errorKind, 0);
    }
}

// Tiles on floors beyond 15 are checked and dropped without a word. An area at 65500 with
// offsets up to 255 names tiles up to 65755: those past 65535 would land at the map's other edge.
TEST_F(QzbmReaderTest, TilesOnFloorsBeyondFifteenOrPastTheLastCoordinateAreDroppedNotWrapped)
{
    NodeFileBuilder file;
    BeginMap(file, 100, 100);
    Area(file, 0, 0, 16);
    file.Start(kHouseTileNode);
    file.U8(1).U8(1).U32(3).U8(kGroundAttribute).U16(kGrass + 100);
    file.End().End();
    Area(file, 0, 0, 0);
    GrassTile(file, 1, 1);
    file.End();
    Area(file, 0xFFDC, 0xFFDC, 7);
    GrassTile(file, 35, 35);
    GrassTile(file, 36, 1);
    GrassTile(file, 1, 200);
    file.End();
    EndMap(file);
    EXPECT_EQ(Open(file),
              "2 tiles lie outside the coordinates a map can hold (0 to 65535) and were left out.");
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages.back().icon, MessageIcon::Warning);
    EXPECT_EQ(doc->Tiles().Size(), 2u);
    EXPECT_NE(doc->GetTile(1, 1, 0), nullptr);
    EXPECT_NE(doc->GetTile(0xFFFF, 0xFFFF, 7), nullptr);
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
    BeginMap(file, 0, 0, false);
    file.U8(kDescriptionAttribute);
    String(file, "Theirs");
    Area(file, 0, 0, 7);
    file.Start(kHouseTileNode);
    file.U8(1).U8(1).U32(4).U8(kGroundAttribute).U16(kGrass + 100);
    file.Start(kItemNode);
    file.U16(kStackable + 100).U8(3);
    file.End();
    file.Start(kItemNode);
    file.U16(kDoor + 100).U8(14).U8(5).U8(5).U16(900);
    file.End().End();
    file.Start(kHouseTileNode);  // house id 0: a plain tile, whose door and repeated unique id count for nothing
    file.U8(3).U8(1).U32(0).U8(kTileFlagsAttribute).U32(1);
    file.Start(kItemNode);
    file.U16(kDoor + 100).U8(14).U8(6).U8(5).U16(900);
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
    ASSERT_EQ(kept->GetThingCount(), 3u);
    EXPECT_EQ(kept->GetGround()->GetTypeKey(), kGrass);
    EXPECT_EQ(kept->GetThing(1)->GetCount(), 3);
    EXPECT_EQ(kept->GetHouseId(), 4u);
    EXPECT_TRUE(doc->Houses().GetHouse(4, false)->HasTile(kept));
    const auto doors = doc->Houses().GetHouse(4, false)->GetDoors();
    EXPECT_EQ(std::vector<uint32_t>(doors.begin(), doors.end()), std::vector<uint32_t>{5});
    EXPECT_EQ(doc->GetTile(3, 1, 7)->GetHouseId(), 0u);
    EXPECT_EQ(doc->GetTile(3, 1, 7)->GetFlags(), 1u);
    EXPECT_EQ(doc->UniqueIds().Count(), 1u);
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
