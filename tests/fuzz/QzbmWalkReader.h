#pragma once

// The map reader as the node-file loader's tree walk reads a map: first child, next sibling and
// properties by node handles, each node scanned again to find the next. The map reader reads in
// one pass instead; the QZBM fuzz target runs both on every input and requires that they agree
// on the result, the error kind and code, and what ends up in the map.

#include <memory>
#include <string>

#include "data/ItemDatabase.h"
#include "data/MapLoader.h"
#include "data/PropStream.h"
#include "mapfiles/MapReadRegistry.h"
#include "mapfiles/QzbmLayout.h"
#include "model/LoadError.h"
#include "model/MapPath.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"

namespace tessark::fuzz {

using namespace qzbm;

class WalkReader {
public:
    WalkReader(CTessarkDoc& document, bool merge)
        : document_(document), database_(document.Database()), merge_(merge),
          registry_(document)
    {
    }

    bool Read(const std::string& path);

private:
    bool Fail(LoadErrorKind kind, uint32_t node)
    {
        document_.errorKind = static_cast<int32_t>(kind);
        document_.errorCode = static_cast<int32_t>(node);
        return false;
    }

    // Tree walks that tell "no further node" from a damaged file: a walk that hit an error
    // (a cut-off file, junk between nodes) fails the read instead of ending it quietly.
    bool FirstChild(uint32_t parent, uint32_t& child, uint8_t& type)
    {
        child = loader_.GetChildNode(parent, type);
        return child != 0 || loader_.GetLastError() == kNodeFileOk;
    }
    bool NextSibling(uint32_t node, uint32_t& next, uint8_t& type)
    {
        next = loader_.GetNextNode(node, type);
        return next != 0 || loader_.GetLastError() == kNodeFileOk;
    }

    bool ReadHeader();
    bool ReadMapAttributes(uint32_t mapData);
    bool ReadMapDataChildren(uint32_t mapData);
    bool ReadArea(uint32_t area);
    bool ReadTile(uint32_t node, uint8_t nodeType, int32_t baseX, int32_t baseY, int32_t z);
    bool ReadTileItems(uint32_t node, CTile& tile, const Position& position, bool onMap);
    bool ReadTowns(uint32_t towns);

    CTessarkDoc& document_;
    ItemDatabase& database_;
    const bool merge_;
    MapReadRegistry registry_;
    MapLoader loader_;
    PropStream props_;
    // Reading an item takes nothing from a loader; the encodings ask for one all the same.
    MapLoader unusedLoader_;
};

inline bool WalkReader::Read(const std::string& path)
{
    if (!loader_.OpenFile(path, false, true)) {
        return Fail(LoadErrorKind::Generic, 0);
    }
    document_.mapDirectory = DirectoryPart(path);

    uint8_t type = 0;
    const uint32_t root = loader_.GetChildNode(0, type);
    if (root == 0 || !loader_.GetProps(root, props_)) {
        return Fail(LoadErrorKind::StreamProperties, 0);
    }
    if (!ReadHeader()) {
        return false;
    }

    uint32_t mapData = 0;
    if (!FirstChild(root, mapData, type)) {
        return Fail(LoadErrorKind::StreamProperties, 0);
    }
    if (mapData == 0 || type != kMapDataNode) {
        return Fail(LoadErrorKind::UnknownAttribute, 0);
    }
    if (!loader_.GetProps(mapData, props_)) {
        return Fail(LoadErrorKind::StreamProperties, 0);
    }
    if (!ReadMapAttributes(mapData)) {
        return false;
    }

    for (uint32_t node = mapData; node != 0;) {
        if (type != kMapDataNode) {
            return Fail(LoadErrorKind::UnknownAttribute, node);
        }
        if (!ReadMapDataChildren(node)) {
            return false;
        }
        const uint32_t current = node;
        if (!NextSibling(current, node, type)) {
            return Fail(LoadErrorKind::StreamProperties, current);
        }
    }

    registry_.ReportTilesLeftOut();
    document_.errorKind = 0;
    document_.errorCode = 0;
    return true;
}

inline bool WalkReader::ReadHeader()
{
    uint32_t formatVersion = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t major = 0;
    uint32_t minor = 0;
    if (props_.Remaining() < kHeaderSize) {
        return Fail(LoadErrorKind::Header, 0);
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

inline bool WalkReader::ReadMapAttributes(uint32_t mapData)
{
    bool haveDescription = false;
    uint8_t attribute = 0;
    std::string text;
    while (props_.ReadU8(attribute)) {
        if (attribute != kDescriptionAttribute && attribute != kSpawnFileAttribute &&
            attribute != kHouseFileAttribute) {
            return Fail(LoadErrorKind::UnknownAttribute, mapData);
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

inline bool WalkReader::ReadMapDataChildren(uint32_t mapData)
{
    uint32_t child = 0;
    uint8_t type = 0;
    if (!FirstChild(mapData, child, type)) {
        return Fail(LoadErrorKind::StreamProperties, mapData);
    }
    while (child != 0) {
        if (type == kTileAreaNode) {
            if (!ReadArea(child)) {
                return false;
            }
        } else if (type == kTownsNode) {
            if (!ReadTowns(child)) {
                return false;
            }
        } else {
            return Fail(LoadErrorKind::UnknownAttribute, child);
        }
        const uint32_t current = child;
        if (!NextSibling(current, child, type)) {
            return Fail(LoadErrorKind::StreamProperties, current);
        }
    }
    return true;
}

inline bool WalkReader::ReadArea(uint32_t area)
{
    uint16_t baseX = 0;
    uint16_t baseY = 0;
    uint8_t z = 0;
    if (!loader_.GetProps(area, props_) || props_.Remaining() < kAreaSize) {
        return Fail(LoadErrorKind::StreamProperties, area);
    }
    props_.ReadU16(baseX);
    props_.ReadU16(baseY);
    props_.ReadU8(z);

    uint32_t tile = 0;
    uint8_t type = 0;
    if (!FirstChild(area, tile, type)) {
        return Fail(LoadErrorKind::StreamProperties, area);
    }
    while (tile != 0) {
        if (type != kTileNode && type != kHouseTileNode) {
            return Fail(LoadErrorKind::UnknownAttribute, area);
        }
        if (!ReadTile(tile, type, baseX, baseY, z)) {
            return false;
        }
        const uint32_t current = tile;
        if (!NextSibling(current, tile, type)) {
            return Fail(LoadErrorKind::StreamProperties, current);
        }
    }
    return true;
}

inline bool WalkReader::ReadTile(uint32_t node, uint8_t nodeType, int32_t baseX, int32_t baseY, int32_t z)
{
    uint8_t offsetX = 0;
    uint8_t offsetY = 0;
    if (!loader_.GetProps(node, props_) || !props_.ReadU8(offsetX) || !props_.ReadU8(offsetY)) {
        return Fail(LoadErrorKind::StreamProperties, node);
    }
    const Position position{baseX + offsetX, baseY + offsetY, z};

    // A tile on a floor the map does not have, or past the last coordinate, is read to check
    // it, then dropped.
    std::unique_ptr<CTile> dropped;
    CTile* tile = nullptr;
    const bool onMap = FloorIndex(z) >= 0 && registry_.AdmitTile(position);
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
            std::unique_ptr<CItem> ground = CreateThing(database_, id - kTypeKeyOffset, 0);
            if (!ground) {
                return Fail(LoadErrorKind::CreateObject, node);
            }
            if (!ground->InlineIO(unusedLoader_, false, kGroundAttribute, props_, database_)) {
                return Fail(LoadErrorKind::UnserializeObject, node);
            }
            if (onMap) {
                registry_.Register(*ground, position);
            }
            tile->AddThing(database_, std::move(ground), false);
        } else {
            return Fail(LoadErrorKind::UnknownAttribute, node);
        }
    }
    return ReadTileItems(node, *tile, position, onMap);
}

inline bool WalkReader::ReadTileItems(uint32_t node, CTile& tile, const Position& position, bool onMap)
{
    uint32_t itemNode = 0;
    uint8_t type = 0;
    if (!FirstChild(node, itemNode, type)) {
        return Fail(LoadErrorKind::StreamProperties, node);
    }
    while (itemNode != 0) {
        if (type != kItemNode) {
            return Fail(LoadErrorKind::UnknownAttribute, itemNode);
        }
        uint16_t id = 0;
        // An item too short to hold its id is a damaged file like any other, and says so.
        if (!loader_.GetProps(itemNode, props_) || !props_.ReadU16(id)) {
            return Fail(LoadErrorKind::StreamProperties, itemNode);
        }
        std::unique_ptr<CItem> item = CreateThing(database_, id - kTypeKeyOffset, 0);
        if (!item) {
            return Fail(LoadErrorKind::CreateObject, itemNode);
        }
        if (!item->NodeIO(unusedLoader_, false, props_, false, database_)) {
            return Fail(LoadErrorKind::UnserializeObject, itemNode);
        }
        if (onMap) {
            registry_.Register(*item, position);
        }
        tile.AddThing(database_, std::move(item), false);
        const uint32_t current = itemNode;
        if (!NextSibling(current, itemNode, type)) {
            return Fail(LoadErrorKind::StreamProperties, current);
        }
    }
    return true;
}

inline bool WalkReader::ReadTowns(uint32_t towns)
{
    uint32_t node = 0;
    uint8_t type = 0;
    if (!FirstChild(towns, node, type)) {
        return Fail(LoadErrorKind::StreamProperties, towns);
    }
    while (node != 0) {
        if (type != kTownNode) {
            return Fail(LoadErrorKind::UnknownAttribute, node);
        }
        uint32_t id = 0;
        std::string name;
        uint16_t templeX = 0;
        uint16_t templeY = 0;
        uint8_t templeZ = 0;
        if (!loader_.GetProps(node, props_) || !props_.ReadU32(id) || !props_.ReadString(name) ||
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
        const uint32_t current = node;
        if (!NextSibling(current, node, type)) {
            return Fail(LoadErrorKind::StreamProperties, current);
        }
    }
    return true;
}


inline bool LoadQzbmByWalk(CTessarkDoc& document, const std::string& path, bool merge)
{
    return WalkReader(document, merge).Read(path);
}

}  // namespace tessark::fuzz
