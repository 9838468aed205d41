#include "model/Creature.h"

#include <algorithm>

#include "data/ItemDatabase.h"

#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "xml/Markup.h"

namespace tessark {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

int32_t FindCreatureType(const ItemDatabase& database, std::string_view name)
{
    for (const auto& [key, type] : database.ServerTypes()) {
        if (type.group == ItemGroup::Creature && SameNameIgnoringCase(type.name, name)) {
            return key;
        }
    }
    return CCreature::kUnknownTypeKey;
}

}  // namespace

bool CCreature::XmlIO(CMarkup& xml, bool write, const ItemDatabase& database)
{
    if (write) {
        xml.SetAttribute("name", GetServerType(database).name);
        xml.SetAttribute("direction", static_cast<int>(direction_));
        xml.SetAttribute("spawntime", static_cast<int>(spawnTime_));
        xml.SetAttribute("x", offsetX_);
        xml.SetAttribute("y", offsetY_);
        return true;
    }
    SetTypeKey(FindCreatureType(database, xml.GetChildAttribute("name")));
    const std::string direction = xml.GetChildAttribute("direction");
    if (!direction.empty()) {
        direction_ = static_cast<uint32_t>(ReadXmlNumber(direction));
    }
    spawnTime_ = static_cast<uint32_t>(ReadXmlNumber(xml.GetChildAttribute("spawntime")));
    offsetX_ = ReadXmlNumber(xml.GetChildAttribute("x"));
    offsetY_ = ReadXmlNumber(xml.GetChildAttribute("y"));
    return true;
}

void CCreature::Store(ArchiveWriter& archive) const
{
    CItem::Store(archive);
    archive.WriteU32(spawnTime_);
    archive.WriteI32(offsetX_);
    archive.WriteI32(offsetY_);
    archive.WriteU32(direction_);
}

bool CCreature::Load(ArchiveReader& archive)
{
    uint32_t spawnTime = 0;
    int32_t offsetX = 0;
    int32_t offsetY = 0;
    uint32_t direction = 0;
    if (!CItem::Load(archive) || !archive.ReadU32(spawnTime) || !archive.ReadI32(offsetX) ||
        !archive.ReadI32(offsetY) || !archive.ReadU32(direction)) {
        return false;
    }
    spawnTime_ = spawnTime;
    offsetX_ = offsetX;
    offsetY_ = offsetY;
    direction_ = direction;
    return true;
}

}  // namespace tessark
