#include "samples/gendata/ItemCatalog.h"

#include <algorithm>
#include <set>

#include "samples/gendata/CatalogBuilder.h"
#include "samples/gendata/CatalogFamilies.h"

namespace tessark::gendata {

ItemCatalog ItemCatalog::Build()
{
    ItemCatalog catalog;
    CatalogBuilder builder(catalog);
    AddTerrain(builder);
    AddBuildings(builder);
    AddNature(builder);
    AddFurniture(builder);
    AddGoods(builder);
    AddEquipment(builder);
    AddMagic(builder);
    AddCreatures(builder);
    builder.Finish();
    return catalog;
}

const CatalogItem* ItemCatalog::Find(std::string_view name) const
{
    for (const auto& item : items_) {
        if (item.type.name == name) {
            return &item;
        }
    }
    return nullptr;
}

int ItemCatalog::HighestItemId() const
{
    int highest = 99;
    for (const auto& item : items_) {
        highest = std::max(highest, item.type.serverId);
    }
    return highest;
}

std::string ItemCatalog::Check() const
{
    std::set<std::string> names;
    std::set<int> keys;
    for (const auto& item : items_) {
        const ItemType& t = item.type;
        if (!names.insert(t.name).second) {
            return "two item types are named " + t.name;
        }
        if (!keys.insert(t.serverId - kTypeKeyOffset).second) {
            return "two item types have the id " + std::to_string(t.serverId);
        }
        if (t.serverId < kTypeKeyOffset || t.serverId > 0xFFFF) {
            return "id out of range: " + t.name;
        }
        if (static_cast<int>(item.nodeGroup) > static_cast<int>(ItemGroup::Door)) {
            return "node type above 13: " + t.name;
        }
        const uint32_t sprites = uint32_t{t.width} * t.height * t.layers * t.patternX * t.patternY *
                                 t.animationPhases;
        if (sprites == 0 || sprites > ItemType::kMaxSpriteIds || sprites != t.spriteCount) {
            return "bad drawing layout: " + t.name;
        }
        if (t.stackable && (t.width != 1 || t.height != 1 || t.patternX * t.patternY != 8)) {
            return "a stackable needs one cell and 8 count patterns: " + t.name;
        }
        if (t.decayTo < 0) {
            return "decay target missing: " + t.name;
        }
        if (!item.paint) {
            return "no painter: " + t.name;
        }
    }
    for (int id : {kSpawnMarkerId, kYellowMarkerId, kRedMarkerId}) {
        if (!keys.contains(id - kTypeKeyOffset)) {
            return "fixed id missing: " + std::to_string(id);
        }
    }
    // Start-up gives creature type k the server key (number of server types) + k.
    const int serverTypes = static_cast<int>(items_.size());
    for (int k = 1; k <= static_cast<int>(creatures_.size()); ++k) {
        if (keys.contains(serverTypes + k)) {
            return "creature key " + std::to_string(serverTypes + k) + " is taken by an item";
        }
    }
    for (const auto& creature : creatures_) {
        if (creature.lookType < 1 || creature.lookType > static_cast<int>(outfits_.size())) {
            return "creature without outfit: " + creature.name;
        }
        if (!names.insert(creature.name).second) {
            return "creature name used twice: " + creature.name;
        }
    }
    for (const auto& outfit : outfits_) {
        if (uint32_t{outfit.width} * outfit.height * 4u * outfit.phases > ItemType::kMaxSpriteIds) {
            return "outfit too large: " + outfit.name;
        }
    }
    return {};
}

}  // namespace tessark::gendata
