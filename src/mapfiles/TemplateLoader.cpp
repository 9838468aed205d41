#include "mapfiles/TemplateLoader.h"

#include <deque>
#include <map>

#include "data/ItemDatabase.h"
#include "mapfiles/QzbmLayout.h"
#include "mapfiles/QzbmNodeWalk.h"
#include "model/LoadError.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"

namespace tessark {

namespace {

using namespace qzbm;

class TemplateReader {
public:
    explicit TemplateReader(CTessarkDoc& document) : document_(document) {}

    bool Read(const std::string& path);

private:
    bool Fail(LoadErrorKind kind, uint32_t node)
    {
        document_.errorKind = static_cast<int32_t>(kind);
        document_.errorCode = static_cast<int32_t>(node);
        return false;
    }
    // The next child of parent (see QzbmNodeWalk); a damaged tree fails with the node it names.
    NodeStream::Next NextChild(bool first, uint32_t parent, uint8_t& type, uint32_t& child)
    {
        const NodeStream::Next next = walk_.NextChild(first, parent, type, child);
        if (next == NodeStream::Next::Fail) {
            Fail(LoadErrorKind::StreamProperties, walk_.FailedNode());
        }
        return next;
    }

    bool CheckHeader();
    bool CheckMapAttributes();
    bool ReadArea(uint32_t area);
    bool ReadTile(uint32_t node, int32_t baseX, int32_t baseY);
    // The first row's keys go to the front (so the last of them ends up first), the others
    // to the back.
    void AddKey(int32_t x, int32_t y, uint16_t id)
    {
        std::deque<int32_t>& column = columns_[x];
        const int32_t key = id - kTypeKeyOffset;
        if (y == firstY_) {
            column.push_front(key);
        } else {
            column.push_back(key);
        }
    }

    CTessarkDoc& document_;
    QzbmNodeWalk walk_;
    PropStream& props_ = walk_.Props();
    int32_t firstY_ = -1;
    std::map<int32_t, std::deque<int32_t>> columns_;
};

bool TemplateReader::Read(const std::string& path)
{
    NodeStream& stream = walk_.Stream();
    uint8_t type = 0;
    if (!walk_.Open(path) || !stream.ReadNodeStart(type) || !walk_.ReadProps() || !CheckHeader() ||
        !stream.HasChildren()) {
        return false;
    }
    // The root's first child: its properties are checked before its type.
    uint32_t node = stream.StartOffset();
    if (!stream.ReadType(type) || !walk_.ReadProps() || !CheckMapAttributes()) {
        return false;
    }
    for (;;) {
        if (type != kMapDataNode) {
            return Fail(LoadErrorKind::UnknownAttribute, node);
        }
        uint32_t area = 0;
        uint8_t areaType = 0;
        for (bool first = true;; first = false) {
            const NodeStream::Next next = NextChild(first, node, areaType, area);
            if (next == NodeStream::Next::Fail) {
                return false;
            }
            if (next == NodeStream::Next::End) {
                break;
            }
            if (areaType != kTileAreaNode) {
                return Fail(LoadErrorKind::UnknownAttribute, area);
            }
            if (!ReadArea(area)) {
                return false;
            }
        }
        // What follows the root's end is never looked at.
        const NodeStream::Next next = NextChild(false, 0, type, node);
        if (next == NodeStream::Next::Fail) {
            return false;
        }
        if (next == NodeStream::Next::End) {
            break;
        }
        if (type == kMapDataNode && !walk_.ReadProps()) {
            return Fail(LoadErrorKind::StreamProperties, node);
        }
    }

    auto& groundTemplate = document_.groundTemplate;
    for (const auto& [x, keys] : columns_) {
        if (keys.size() < 2) {
            continue;
        }
        std::vector<int32_t>& replacement = groundTemplate[keys.front()];
        replacement.insert(replacement.end(), keys.begin() + 1, keys.end());
    }
    return true;
}

bool TemplateReader::CheckHeader()
{
    uint32_t formatVersion = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t major = 0;
    uint32_t minor = 0;
    if (props_.Remaining() < kHeaderSize) {
        return false;
    }
    props_.ReadU32(formatVersion);
    props_.ReadU16(width);
    props_.ReadU16(height);
    props_.ReadU32(major);
    props_.ReadU32(minor);
    const ItemDatabase& database = document_.Database();
    if (major > database.itemsMajorVersion) {
        document_.Messages().ShowMessage(kOldHeaderMessage, MessageIcon::Error);
        return false;
    }
    if (minor > database.itemsMinorVersion) {
        document_.Messages().ShowMessage(kTemplateNeedsNewerItemsMessage, MessageIcon::Warning);
        return false;
    }
    return true;
}

bool TemplateReader::CheckMapAttributes()
{
    uint8_t attribute = 0;
    std::string text;
    while (props_.ReadU8(attribute)) {
        if (attribute != kDescriptionAttribute || !props_.ReadString(text)) {
            return false;
        }
    }
    return true;
}

bool TemplateReader::ReadArea(uint32_t area)
{
    uint16_t baseX = 0;
    uint16_t baseY = 0;
    if (!walk_.ReadProps() || props_.Remaining() < kAreaSize) {
        return Fail(LoadErrorKind::StreamProperties, area);
    }
    props_.ReadU16(baseX);
    props_.ReadU16(baseY);
    uint32_t tile = 0;
    uint8_t type = 0;
    for (bool first = true;; first = false) {
        const NodeStream::Next next = NextChild(first, area, type, tile);
        if (next != NodeStream::Next::Child) {
            return next == NodeStream::Next::End;
        }
        if (type != kTileNode) {
            return Fail(LoadErrorKind::UnknownAttribute, area);
        }
        if (!ReadTile(tile, baseX, baseY)) {
            return false;
        }
    }
}

bool TemplateReader::ReadTile(uint32_t node, int32_t baseX, int32_t baseY)
{
    uint8_t offsetX = 0;
    uint8_t offsetY = 0;
    if (!walk_.ReadProps() || !props_.ReadU8(offsetX) || !props_.ReadU8(offsetY)) {
        return Fail(LoadErrorKind::StreamProperties, node);
    }
    const int32_t x = baseX + offsetX;
    const int32_t y = baseY + offsetY;
    if (firstY_ == -1) {
        firstY_ = y;
    }
    uint8_t attribute = 0;
    while (props_.ReadU8(attribute)) {
        if (attribute == kTileFlagsAttribute) {
            if (!props_.Skip(4)) {
                return Fail(LoadErrorKind::StreamProperties, node);
            }
        } else if (attribute == kGroundAttribute) {
            uint16_t id = 0;
            if (!props_.ReadU16(id)) {
                return Fail(LoadErrorKind::StreamProperties, node);
            }
            AddKey(x, y, id);
        } else {
            return Fail(LoadErrorKind::UnknownAttribute, node);
        }
    }

    uint32_t item = 0;
    uint8_t type = 0;
    for (bool first = true;; first = false) {
        const NodeStream::Next next = NextChild(first, node, type, item);
        if (next != NodeStream::Next::Child) {
            return next == NodeStream::Next::End;
        }
        if (type != kItemNode) {
            return Fail(LoadErrorKind::UnknownAttribute, item);
        }
        uint16_t id = 0;
        if (!walk_.ReadProps() || !props_.ReadU16(id)) {
            return Fail(LoadErrorKind::StreamProperties, item);
        }
        AddKey(x, y, id);
        // Children of an item are not read.
        if (!walk_.Stream().SkipChildren()) {
            return Fail(LoadErrorKind::StreamProperties, item);
        }
    }
}

}  // namespace

bool LoadTemplate(CTessarkDoc& document, const std::string& path)
{
    document.groundTemplate.clear();
    if (!TemplateReader(document).Read(path)) {
        document.groundTemplate.clear();
        return false;
    }
    return true;
}

void ApplyGroundTemplate(const CTessarkDoc& document, CTile& tile)
{
    CItem* ground = tile.GetGround();
    if (!ground) {
        return;
    }
    const auto entry = document.groundTemplate.find(ground->GetTypeKey());
    if (entry == document.groundTemplate.end() || entry->second.empty()) {
        return;
    }
    const std::vector<int32_t>& keys = entry->second;
    ground->SetTypeKey(keys.front());
    const ItemDatabase& database = document.Database();
    for (size_t i = 1; i < keys.size(); ++i) {
        if (std::unique_ptr<CItem> thing = CreateThing(database, keys[i], 0)) {
            tile.AddThing(database, std::move(thing), false);
        }
    }
}

}  // namespace tessark
