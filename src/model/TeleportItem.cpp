#include "model/TeleportItem.h"

#include <algorithm>
#include <iterator>

#include "data/FileLoader.h"
#include "data/PropStream.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "xml/Markup.h"
#include "xml/XmlAttributes.h"

namespace tessark {

bool CTeleportItem::XmlIO(CMarkup& xml, bool write, const ItemDatabase& database)
{
    if (!CItem::XmlIO(xml, write, database)) {
        return false;
    }
    if (write) {
        xml.SetAttribute("destx", static_cast<int>(destX_));
        xml.SetAttribute("desty", static_cast<int>(destY_));
        xml.SetAttribute("destz", static_cast<int>(destZ_));
    }
    return true;
}

bool CTeleportItem::ReadXml(const XmlAttributes& attributes, const ItemDatabase& database)
{
    if (!CItem::ReadXml(attributes, database)) {
        return false;
    }
    static constexpr std::string_view kNames[] = {"destx", "desty", "destz"};
    std::string values[std::size(kNames)];
    attributes.GetMany(kNames, values);
    SetDestination(static_cast<uint32_t>(ReadXmlNumber(values[0])),
                   static_cast<uint32_t>(ReadXmlNumber(values[1])),
                   static_cast<uint32_t>(ReadXmlNumber(values[2])));
    return true;
}

bool CTeleportItem::NodeIO(FileLoader& loader, bool write, PropStream& props, bool closeNode,
                           const ItemDatabase& database)
{
    if (!write) {
        return CItem::NodeIO(loader, false, props, closeNode, database);
    }
    // A destination beyond the fields is stored as their largest values, never wrapped
    // (65536 must not become 0).
    const uint32_t x = std::min<uint32_t>(destX_, 0xFFFF);
    const uint32_t y = std::min<uint32_t>(destY_, 0xFFFF);
    const uint8_t bytes[5] = {static_cast<uint8_t>(x), static_cast<uint8_t>(x >> 8),
                              static_cast<uint8_t>(y), static_cast<uint8_t>(y >> 8),
                              static_cast<uint8_t>(std::min<uint32_t>(destZ_, 0xFF))};
    bool ok = CItem::NodeIO(loader, true, props, false, database) &&
              loader.WriteAttribute(kAttributeTeleportDestination, bytes, sizeof bytes) == 0;
    if (closeNode) {
        ok = ok && loader.EndNode();
    }
    return ok;
}

bool CTeleportItem::ReadAttribute(uint8_t attribute, PropStream& props)
{
    if (attribute != kAttributeTeleportDestination) {
        return CItem::ReadAttribute(attribute, props);
    }
    uint16_t x = 0;
    uint16_t y = 0;
    uint8_t z = 0;
    if (!props.ReadU16(x) || !props.ReadU16(y) || !props.ReadU8(z)) {
        return false;
    }
    SetDestination(x, y, z);
    return true;
}

void CTeleportItem::Store(ArchiveWriter& archive) const
{
    CItem::Store(archive);
    archive.WriteU32(destX_);
    archive.WriteU32(destY_);
    archive.WriteU32(destZ_);
}

bool CTeleportItem::Load(ArchiveReader& archive)
{
    uint32_t x = 0;
    uint32_t y = 0;
    uint32_t z = 0;
    if (!CItem::Load(archive) || !archive.ReadU32(x) || !archive.ReadU32(y) ||
        !archive.ReadU32(z)) {
        return false;
    }
    SetDestination(x, y, z);
    return true;
}

}  // namespace tessark
