#include "model/Spawn.h"

#include <algorithm>
#include <cmath>

#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "xml/Markup.h"

namespace tessark {

CSpawn::CSpawn(const Position& center, int32_t radius)
    : centerX_(center.x), centerY_(center.y), centerZ_(center.z), radius_(radius)
{
}

CSpawn::~CSpawn() = default;

bool CSpawn::Contains(const Position& position) const
{
    if (position.z != centerZ_) {
        return false;
    }
    return IsWithinRadius(static_cast<double>(position.x) - centerX_,
                          static_cast<double>(position.y) - centerY_);
}

bool CSpawn::IsWithinRadius(double dx, double dy) const
{
    // In double precision: coordinates read from files may be far apart.
    return std::sqrt(dx * dx + dy * dy) <= radius_;
}

bool CSpawn::AddCreature(std::unique_ptr<CCreature>& creature, const Position& position)
{
    if (!creature) {
        return false;
    }
    // Wrapping arithmetic: positions and centres come from files and may be anything.
    const auto offset = [](int32_t value, int32_t center) {
        return static_cast<int32_t>(static_cast<uint32_t>(value) - static_cast<uint32_t>(center));
    };
    const int32_t dx = offset(position.x, centerX_);
    const int32_t dy = offset(position.y, centerY_);
    for (const auto& other : creatures_) {
        if (other->GetOffsetX() == dx && other->GetOffsetY() == dy) {
            return false;
        }
    }
    creature->SetOffset(dx, dy);
    creatures_.push_back(std::move(creature));
    return true;
}

void CSpawn::AppendCreature(std::unique_ptr<CCreature> creature)
{
    if (creature) {
        creatures_.push_back(std::move(creature));
    }
}

std::unique_ptr<CCreature> CSpawn::RemoveCreature(const CThing* creature)
{
    auto it = std::find_if(creatures_.begin(), creatures_.end(),
                           [creature](const auto& held) { return held.get() == creature; });
    if (it == creatures_.end()) {
        return nullptr;
    }
    std::unique_ptr<CCreature> removed = std::move(*it);
    creatures_.erase(it);
    return removed;
}

bool CSpawn::HasCreature(const CThing* creature) const
{
    return std::any_of(creatures_.begin(), creatures_.end(),
                       [creature](const auto& held) { return held.get() == creature; });
}

void CSpawn::SetRadius(int32_t radius)
{
    radius_ = radius;
    // A creature stands on the spawn's floor, so only its offsets matter.
    std::erase_if(creatures_, [this](const auto& creature) {
        return !IsWithinRadius(creature->GetOffsetX(), creature->GetOffsetY());
    });
}

bool CSpawn::XmlIO(CMarkup& xml, bool write, const ItemDatabase& database)
{
    if (write) {
        if (creatures_.empty()) {
            return true;
        }
        xml.AddElement("spawn");
        xml.SetAttribute("centerx", centerX_);
        xml.SetAttribute("centery", centerY_);
        xml.SetAttribute("centerz", centerZ_);
        xml.SetAttribute("radius", radius_);
        xml.IntoElement();
        for (const auto& creature : creatures_) {
            xml.AddElement("monster");
            creature->XmlIO(xml, true, database);
        }
        xml.OutOfElement();
        return true;
    }
    centerX_ = ReadXmlNumber(xml.GetAttribute("centerx"));
    centerY_ = ReadXmlNumber(xml.GetAttribute("centery"));
    centerZ_ = ReadXmlNumber(xml.GetAttribute("centerz"));
    radius_ = ReadXmlNumber(xml.GetAttribute("radius"));
    while (xml.FindChildElement("monster")) {
        auto creature = std::make_unique<CCreature>(0);
        creature->XmlIO(xml, false, database);
        if (creature->GetTypeKey() != CCreature::kUnknownTypeKey) {
            creatures_.push_back(std::move(creature));
        }
    }
    return true;
}

void CSpawn::Store(ArchiveWriter& archive) const
{
    archive.WriteI32(centerX_);
    archive.WriteI32(centerY_);
    archive.WriteI32(centerZ_);
    archive.WriteI32(radius_);
}

bool CSpawn::Load(ArchiveReader& archive)
{
    int32_t x = 0;
    int32_t y = 0;
    int32_t z = 0;
    int32_t radius = 0;
    if (!archive.ReadI32(x) || !archive.ReadI32(y) || !archive.ReadI32(z) ||
        !archive.ReadI32(radius)) {
        return false;
    }
    centerX_ = x;
    centerY_ = y;
    centerZ_ = z;
    radius_ = radius;
    return true;
}

}  // namespace tessark
