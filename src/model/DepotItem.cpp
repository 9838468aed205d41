#include "model/DepotItem.h"

#include <algorithm>

#include "data/FileLoader.h"
#include "data/PropStream.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "xml/Markup.h"
#include "xml/XmlAttributes.h"

namespace tessark {

bool CDepotItem::XmlIO(CMarkup& xml, bool write, const ItemDatabase& database)
{
    if (!CItem::XmlIO(xml, write, database)) {
        return false;
    }
    if (write) {
        xml.SetAttribute("depot", static_cast<int>(depotId_));
    }
    return true;
}

bool CDepotItem::ReadXml(const XmlAttributes& attributes, const ItemDatabase& database)
{
    if (!CItem::ReadXml(attributes, database)) {
        return false;
    }
    depotId_ = static_cast<uint32_t>(ReadXmlNumber(attributes.Get("depot")));
    return true;
}

bool CDepotItem::NodeIO(FileLoader& loader, bool write, PropStream& props, bool closeNode,
                        const ItemDatabase& database)
{
    if (!write) {
        return CItem::NodeIO(loader, false, props, closeNode, database);
    }
    // An id beyond the field is stored as its largest value, never wrapped.
    const uint32_t depotId = std::min<uint32_t>(depotId_, 0xFFFF);
    const uint8_t bytes[2] = {static_cast<uint8_t>(depotId), static_cast<uint8_t>(depotId >> 8)};
    bool ok = CItem::NodeIO(loader, true, props, false, database) &&
              loader.WriteAttribute(kAttributeDepotId, bytes, sizeof bytes) == 0;
    if (closeNode) {
        ok = ok && loader.EndNode();
    }
    return ok;
}

bool CDepotItem::ReadAttribute(uint8_t attribute, PropStream& props)
{
    if (attribute != kAttributeDepotId) {
        return CItem::ReadAttribute(attribute, props);
    }
    uint16_t depotId = 0;
    if (!props.ReadU16(depotId)) {
        return false;
    }
    depotId_ = depotId;
    return true;
}

void CDepotItem::Store(ArchiveWriter& archive) const
{
    CItem::Store(archive);
    archive.WriteU32(depotId_);
}

bool CDepotItem::Load(ArchiveReader& archive)
{
    uint32_t depotId = 0;
    if (!CItem::Load(archive) || !archive.ReadU32(depotId)) {
        return false;
    }
    depotId_ = depotId;
    return true;
}

}  // namespace tessark
