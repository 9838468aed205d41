#include "samples/gendata/CatalogBuilder.h"

#include <algorithm>

namespace tessark::gendata {

namespace {
bool IsFixedId(int id) { return id == kYellowMarkerId || id == kRedMarkerId || id == kSpawnMarkerId; }
}  // namespace

CatalogItem& CatalogBuilder::Add(Section section, std::string name, Painter paint)
{
    while (IsFixedId(nextId_)) {
        ++nextId_;
    }
    return AddFixed(nextId_++, section, std::move(name), std::move(paint));
}

CatalogItem& CatalogBuilder::AddFixed(int id, Section section, std::string name, Painter paint)
{
    CatalogItem item;
    item.type.serverId = id;
    item.type.clientId = id;
    item.type.name = std::move(name);
    item.section = section;
    item.paint = std::move(paint);
    catalog_.items_.push_back(std::move(item));
    return catalog_.items_.back();
}

void CatalogBuilder::Decay(const std::string& from, const std::string& to, int seconds)
{
    decays_.push_back({from, to, seconds});
}

int CatalogBuilder::LookType(const std::string& outfitName) const
{
    for (size_t i = 0; i < catalog_.outfits_.size(); ++i) {
        if (catalog_.outfits_[i].name == outfitName) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

void CatalogBuilder::Finish()
{
    auto& items = catalog_.items_;
    std::stable_sort(items.begin(), items.end(), [](const CatalogItem& a, const CatalogItem& b) {
        return a.type.serverId < b.type.serverId;
    });
    for (const auto& decay : decays_) {
        auto* from = const_cast<CatalogItem*>(catalog_.Find(decay.from));
        const auto* to = catalog_.Find(decay.to);
        if (from != nullptr && to != nullptr) {
            from->type.decayTo = to->type.serverId;
            from->type.decayTime = decay.seconds;
        } else if (from != nullptr) {
            // Check() reports a decay whose target is missing.
            from->type.decayTo = -1;
        }
    }
}

void MakeGround(CatalogItem& item, uint16_t speed, uint16_t minimapColor)
{
    item.type.group = ItemGroup::Ground;
    item.nodeGroup = ItemGroup::Ground;
    item.type.speed = speed;
    item.type.minimapColor = minimapColor;
    item.type.moveable = false;
}

void MakeFixed(CatalogItem& item) { item.type.moveable = false; }

void MakeBlocking(CatalogItem& item)
{
    item.type.blocking = true;
    item.type.blockProjectile = true;
    item.type.blockPath = true;
    item.type.moveable = false;
}

void MakePickupable(CatalogItem& item, double weight)
{
    item.type.pickupable = true;
    item.type.moveable = true;
    item.type.weight = weight;
}

void MakeOnTop(CatalogItem& item, uint8_t topOrder)
{
    item.type.alwaysOnTop = true;
    item.type.topOrder = topOrder;
    item.type.moveable = false;
}

void SetLayout(CatalogItem& item, uint8_t width, uint8_t height, uint8_t patternX, uint8_t patternY,
               uint8_t phases)
{
    item.type.width = width;
    item.type.height = height;
    item.type.patternX = patternX;
    item.type.patternY = patternY;
    item.type.animationPhases = phases;
    item.type.layers = 1;
    item.type.cropSize = (width > 1 || height > 1) ? static_cast<uint8_t>(32 * std::max(width, height)) : 0;
    item.type.spriteCount = static_cast<uint32_t>(width) * height * patternX * patternY * phases;
}

void AddLight(CatalogItem& item, uint16_t level, uint16_t color)
{
    auto& o = item.extraOptions;
    o.push_back(0x15);
    o.push_back(static_cast<uint8_t>(level));
    o.push_back(static_cast<uint8_t>(level >> 8));
    o.push_back(static_cast<uint8_t>(color));
    o.push_back(static_cast<uint8_t>(color >> 8));
}

}  // namespace tessark::gendata
