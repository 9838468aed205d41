#include "mapfiles/QzbmReader.h"

#include <cstring>
#include <memory>

#include "data/ItemDatabase.h"
#include "data/MapLoader.h"
#include "data/PropStream.h"
#include "mapfiles/MapReadRegistry.h"
#include "mapfiles/NodeStream.h"
#include "mapfiles/QzbmNodeWalk.h"
#include "mapfiles/QzbmLayout.h"
#include "model/LoadError.h"
#include "model/MapPath.h"
#include "model/PlainGroundCache.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"
#include "platform/ProgressMeter.h"

namespace tessark {

namespace {

using namespace qzbm;

// Reads in one pass over the file (see NodeStream). Every failure names the node the tree walk
// of the node-file loader would have been at: a node whose properties or type are wrong is named
// itself, a tile of the wrong type its area; a file that is cut off or holds junk between nodes
// names the node after which the next one could not be found (its parent when it was the
// first), so that a damaged map never loads as if it were whole.
class QzbmReader {
public:
    QzbmReader(CTessarkDoc& document, bool merge)
        : document_(document), database_(document.Database()), merge_(merge),
          registry_(document), progress_(document.Progress(), 0)
    {
    }

    bool Read(const std::string& path);

private:
    // The node being read, for the failure's detail; restored when its reading ends.
    class Inside {
    public:
        Inside(QzbmReader& reader, const char* node) : reader_(reader), outer_(reader.inside_)
        {
            reader.inside_ = node;
        }
        ~Inside() { reader_.inside_ = outer_; }
        Inside(const Inside&) = delete;
        Inside& operator=(const Inside&) = delete;

    private:
        QzbmReader& reader_;
        const char* outer_;
    };

    // Without a detail of its own, a failure tells where the stream stopped.
    bool Fail(LoadErrorKind kind, uint32_t node, std::string detail = {})
    {
        document_.errorKind = static_cast<int32_t>(kind);
        document_.errorCode = static_cast<int32_t>(node);
        if (detail.empty()) {
            detail = (stream_.AtEnd() ? "the file ends inside " : "unexpected bytes in ") +
                     std::string(inside_) + " at byte " + std::to_string(stream_.Position());
        }
        document_.errorDetail = std::move(detail);
        return false;
    }
    bool FailNode(uint32_t node, uint8_t type, const char* expected)
    {
        return Fail(LoadErrorKind::UnknownAttribute, node,
                    "a node of type " + std::to_string(type) + " where " + expected +
                        " belongs, at byte " + std::to_string(stream_.StartOffset()));
    }
    bool FailAttribute(uint32_t node, uint8_t attribute)
    {
        return Fail(LoadErrorKind::UnknownAttribute, node,
                    "unknown attribute " + std::to_string(attribute) + " in " + inside_ +
                        " at byte " + std::to_string(node));
    }
    bool FailItem(LoadErrorKind kind, uint32_t node, uint16_t id)
    {
        const std::string what = kind == LoadErrorKind::CreateObject ? " names no item type"
                                                                      : " holds data it cannot read";
        return Fail(kind, node,
                    "the item id " + std::to_string(id) + " in " + inside_ + " at byte " +
                        std::to_string(node) + what);
    }
    bool ReadProps() { return walk_.ReadProps(); }
    NodeStream::Next NextChild(bool first, uint32_t parent, uint8_t& type, uint32_t& child)
    {
        const NodeStream::Next next = walk_.NextChild(first, parent, type, child);
        if (next == NodeStream::Next::Fail) {
            Fail(LoadErrorKind::StreamProperties, walk_.FailedNode());
        }
        return next;
    }

    bool ReadHeader();
    bool ReadMapAttributes(uint32_t mapData);
    bool ReadMapDataChildren(uint32_t mapData);
    bool ReadArea(uint32_t area);
    bool ReadTile(uint32_t node, uint8_t nodeType, int32_t baseX, int32_t baseY, int32_t z);
    bool ReadTileItems(uint32_t node, CTile& tile, const Position& position, bool onMap);
    bool ReadTowns(uint32_t towns);
    // A node whose children are not read: skips them; a cut file fails with the node.
    bool SkipChildren(uint32_t node)
    {
        return stream_.SkipChildren() || Fail(LoadErrorKind::StreamProperties, node);
    }

    CTessarkDoc& document_;
    ItemDatabase& database_;
    const bool merge_;
    MapReadRegistry registry_;
    QzbmNodeWalk walk_;
    NodeStream& stream_ = walk_.Stream();
    PropStream& props_ = walk_.Props();
    const char* inside_ = "the root node";
    ProgressMeter progress_;
    // Reading an item takes nothing from a loader; the encodings ask for one all the same.
    MapLoader unusedLoader_;
    PlainGroundCache plainGrounds_{database_};
};

bool QzbmReader::Read(const std::string& path)
{
    if (!stream_.Open(path)) {
        return Fail(LoadErrorKind::Generic, 0,
                    stream_.OpenError() != 0 ? std::strerror(stream_.OpenError())
                                             : "the file does not start as a map file does");
    }
    progress_.SetTotal(static_cast<double>(stream_.FileSize()));
    document_.mapDirectory = DirectoryPart(path);

    // The first node of the file is the root, whatever its type.
    uint8_t type = 0;
    if (!stream_.ReadNodeStart(type) || !ReadProps()) {
        return Fail(LoadErrorKind::StreamProperties, 0);
    }
    if (!ReadHeader()) {
        return false;
    }

    const bool rootHasChildren = stream_.HasChildren();
    uint32_t mapData = 0;
    if (rootHasChildren) {
        mapData = stream_.StartOffset();
        if (!stream_.ReadType(type)) {
            return Fail(LoadErrorKind::StreamProperties, 0);
        }
    }
    if (!rootHasChildren) {
        return Fail(LoadErrorKind::UnknownAttribute, 0, "the map has no map data node");
    }
    if (type != kMapDataNode) {
        return FailNode(0, type, "the map data node");
    }
    Inside inside(*this, "the map data node");
    if (!ReadProps()) {
        return Fail(LoadErrorKind::StreamProperties, 0);
    }
    if (!ReadMapAttributes(mapData)) {
        return false;
    }

    // The map data node and its siblings; what follows the root's end is never looked at.
    for (uint32_t node = mapData;;) {
        if (!ReadMapDataChildren(node)) {
            return false;
        }
        const NodeStream::Next next = NextChild(false, 0, type, node);
        if (next == NodeStream::Next::Fail) {
            return false;
        }
        if (next == NodeStream::Next::End) {
            break;
        }
        if (type != kMapDataNode) {
            return FailNode(node, type, "a map data node");
        }
        if (!ReadProps()) {
            return Fail(LoadErrorKind::StreamProperties, node);
        }
    }

    registry_.ReportTilesLeftOut();
    document_.errorKind = 0;
    document_.errorCode = 0;
    document_.errorDetail.clear();
    return true;
}

bool QzbmReader::ReadHeader()
{
    uint32_t formatVersion = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t major = 0;
    uint32_t minor = 0;
    if (props_.Remaining() < kHeaderSize) {
        return Fail(LoadErrorKind::Header, 0,
                    "the header holds " + std::to_string(props_.Remaining()) + " bytes, " +
                        std::to_string(kHeaderSize) + " are needed");
    }
    props_.ReadU32(formatVersion);
    props_.ReadU16(width);
    props_.ReadU16(height);
    props_.ReadU32(major);
    props_.ReadU32(minor);
    if (width != 0) {
        document_.width = width;
    }
    if (height != 0) {
        document_.height = height;
    }
    if (major > database_.itemsMajorVersion) {
        document_.Messages().ShowMessage(kOldHeaderMessage, MessageIcon::Error);
    }
    if (minor > database_.itemsMinorVersion) {
        document_.Messages().ShowMessage(kMapNeedsNewerItemsMessage, MessageIcon::Warning);
    }
    return true;
}

bool QzbmReader::ReadMapAttributes(uint32_t mapData)
{
    bool haveDescription = false;
    uint8_t attribute = 0;
    std::string text;
    while (props_.ReadU8(attribute)) {
        if (attribute != kDescriptionAttribute && attribute != kSpawnFileAttribute &&
            attribute != kHouseFileAttribute) {
            return FailAttribute(mapData, attribute);
        }
        if (!props_.ReadString(text)) {
            return Fail(LoadErrorKind::StreamProperties, mapData);
        }
        if (attribute == kDescriptionAttribute) {
            // The user's description comes first; the creator text after it is not kept.
            if (!haveDescription) {
                document_.SetDescription(text);
                haveDescription = true;
            }
        } else if (attribute == kSpawnFileAttribute) {
            document_.SetSpawnFile(text);
        } else {
            document_.SetHouseFile(text);
        }
    }
    return true;
}

bool QzbmReader::ReadMapDataChildren(uint32_t mapData)
{
    uint8_t type = 0;
    uint32_t child = 0;
    for (bool first = true;; first = false) {
        const NodeStream::Next next = NextChild(first, mapData, type, child);
        if (next == NodeStream::Next::Fail) {
            return false;
        }
        if (next == NodeStream::Next::End) {
            return true;
        }
        if (type == kTileAreaNode) {
            if (!ReadArea(child)) {
                return false;
            }
        } else if (type == kTownsNode) {
            if (!ReadTowns(child)) {
                return false;
            }
        } else {
            return FailNode(child, type, "a tile area or the towns");
        }
    }
}

bool QzbmReader::ReadArea(uint32_t area)
{
    Inside inside(*this, "a tile area node");
    uint16_t baseX = 0;
    uint16_t baseY = 0;
    uint8_t z = 0;
    if (!ReadProps() || props_.Remaining() < kAreaSize) {
        return Fail(LoadErrorKind::StreamProperties, area);
    }
    props_.ReadU16(baseX);
    props_.ReadU16(baseY);
    props_.ReadU8(z);

    uint8_t type = 0;
    uint32_t tile = 0;
    for (bool first = true;; first = false) {
        const NodeStream::Next next = NextChild(first, area, type, tile);
        if (next == NodeStream::Next::Fail) {
            return false;
        }
        if (next == NodeStream::Next::End) {
            return true;
        }
        if (type != kTileNode && type != kHouseTileNode) {
            return FailNode(area, type, "a tile");
        }
        if (!ReadTile(tile, type, baseX, baseY, z)) {
            return false;
        }
        progress_.Update(static_cast<double>(stream_.Position()));
    }
}

bool QzbmReader::ReadTile(uint32_t node, uint8_t nodeType, int32_t baseX, int32_t baseY, int32_t z)
{
    Inside inside(*this, "a tile node");
    uint8_t offsetX = 0;
    uint8_t offsetY = 0;
    if (!ReadProps() || !props_.ReadU8(offsetX) || !props_.ReadU8(offsetY)) {
        return Fail(LoadErrorKind::StreamProperties, node);
    }
    const Position position{baseX + offsetX, baseY + offsetY, z};

    // A tile on a floor the map does not have, or past the last coordinate (an area near it
    // with a large offset), is read to check it, then dropped.
    std::unique_ptr<CTile> dropped;
    CTile* tile = nullptr;
    const bool onMap = FloorIndex(z) >= 0 && registry_.AdmitTile(position);
    if (merge_ && onMap) {
        // An import is undone tile by tile.
        document_.NoteTileChange(position);
    }
    if (!onMap) {
        dropped = std::make_unique<CTile>();
        tile = dropped.get();
    } else if (merge_ && (tile = document_.GetTile(position)) != nullptr) {
        for (size_t i = 0; i < tile->GetThingCount(); ++i) {
            document_.UniqueIds().Unregister(tile->GetThing(i)->GetUniqueId());
        }
        tile->Clear();
    } else {
        tile = document_.StoreTile(std::make_unique<CTile>(), position.x, position.y, position.z);
    }

    if (nodeType == kHouseTileNode) {
        uint32_t houseId = 0;
        if (!props_.ReadU32(houseId)) {
            return Fail(LoadErrorKind::StreamProperties, node);
        }
        if (houseId != 0 && onMap) {
            document_.Houses().GetHouse(houseId, true)->AddTile(tile);
        }
    }

    uint8_t attribute = 0;
    while (props_.ReadU8(attribute)) {
        if (attribute == kTileFlagsAttribute) {
            uint32_t flags = 0;
            if (!props_.ReadU32(flags)) {
                return Fail(LoadErrorKind::StreamProperties, node);
            }
            tile->SetFlags(flags);
        } else if (attribute == kGroundAttribute) {
            uint16_t id = 0;
            if (!props_.ReadU16(id)) {
                return Fail(LoadErrorKind::StreamProperties, node);
            }
            const int32_t key = id - kTypeKeyOffset;
            if (!tile->GetGround() && plainGrounds_.IsPlainGround(key)) {
                // The common case: the ground is made in the tile, without an allocation. It
                // has no unique id and is no door, so there is nothing to register.
                CItem& ground = tile->EmplaceGround(database_, key, 0);
                if (!ground.CItem::InlineIO(unusedLoader_, false, kGroundAttribute, props_,
                                            database_)) {
                    tile->RemoveThing(&ground);
                    return FailItem(LoadErrorKind::UnserializeObject, node, id);
                }
                continue;
            }
            std::unique_ptr<CItem> ground = CreateThing(database_, key, 0);
            if (!ground) {
                return FailItem(LoadErrorKind::CreateObject, node, id);
            }
            if (!ground->InlineIO(unusedLoader_, false, kGroundAttribute, props_, database_)) {
                return FailItem(LoadErrorKind::UnserializeObject, node, id);
            }
            if (onMap) {
                registry_.Register(*ground, position);
            }
            tile->AddThing(database_, std::move(ground), false);
        } else {
            return FailAttribute(node, attribute);
        }
    }
    return ReadTileItems(node, *tile, position, onMap);
}

bool QzbmReader::ReadTileItems(uint32_t node, CTile& tile, const Position& position, bool onMap)
{
    uint8_t type = 0;
    uint32_t itemNode = 0;
    for (bool first = true;; first = false) {
        const NodeStream::Next next = NextChild(first, node, type, itemNode);
        if (next == NodeStream::Next::Fail) {
            return false;
        }
        if (next == NodeStream::Next::End) {
            return true;
        }
        if (type != kItemNode) {
            return FailNode(itemNode, type, "an item");
        }
        Inside inside(*this, "an item node");
        uint16_t id = 0;
        // An item too short to hold its id is a damaged file like any other, and says so.
        if (!ReadProps() || !props_.ReadU16(id)) {
            return Fail(LoadErrorKind::StreamProperties, itemNode);
        }
        std::unique_ptr<CItem> item = CreateThing(database_, id - kTypeKeyOffset, 0);
        if (!item) {
            return FailItem(LoadErrorKind::CreateObject, itemNode, id);
        }
        if (!item->NodeIO(unusedLoader_, false, props_, false, database_)) {
            return FailItem(LoadErrorKind::UnserializeObject, itemNode, id);
        }
        if (onMap) {
            registry_.Register(*item, position);
        }
        tile.AddThing(database_, std::move(item), false);
        // Children of an item are not read.
        if (!SkipChildren(itemNode)) {
            return false;
        }
    }
}

bool QzbmReader::ReadTowns(uint32_t towns)
{
    Inside inside(*this, "the towns node");
    // The towns node has no properties of its own; whatever stands there is passed over.
    if (!ReadProps()) {
        return Fail(LoadErrorKind::StreamProperties, towns);
    }
    uint8_t type = 0;
    uint32_t node = 0;
    for (bool first = true;; first = false) {
        const NodeStream::Next next = NextChild(first, towns, type, node);
        if (next == NodeStream::Next::Fail) {
            return false;
        }
        if (next == NodeStream::Next::End) {
            return true;
        }
        if (type != kTownNode) {
            return FailNode(node, type, "a town");
        }
        Inside inTown(*this, "a town node");
        uint32_t id = 0;
        std::string name;
        uint16_t templeX = 0;
        uint16_t templeY = 0;
        uint8_t templeZ = 0;
        if (!ReadProps() || !props_.ReadU32(id) || !props_.ReadString(name) ||
            props_.Remaining() < 5) {
            return Fail(LoadErrorKind::StreamProperties, node);
        }
        props_.ReadU16(templeX);
        props_.ReadU16(templeY);
        props_.ReadU8(templeZ);
        Town* town = document_.Towns().GetTown(id, true);
        town->name = name;
        town->templeX = templeX;
        town->templeY = templeY;
        town->templeZ = templeZ;
        if (!SkipChildren(node)) {
            return false;
        }
    }
}

}  // namespace

bool LoadQzbm(CTessarkDoc& document, const std::string& path, bool merge)
{
    return QzbmReader(document, merge).Read(path);
}

}  // namespace tessark
