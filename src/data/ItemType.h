#pragma once

#include <cstdint>
#include <string>

#include "data/SpriteIdList.h"

namespace tessark {

enum class ItemGroup : int32_t {
    None = 0,
    Ground = 1,
    Container = 2,
    Weapon = 3,
    StackableWeapon = 4,
    Armor = 5,
    Rune = 6,
    Teleport = 7,
    MagicField = 8,
    Writeable = 9,
    Key = 10,
    Splash = 11,
    FluidContainer = 12,
    Door = 13,
    Depot = 14,
    Creature = 15,
};

// Item ids in files are type keys + 100.
constexpr int32_t kTypeKeyOffset = 100;

// One item type: from the client data (keyed by client id) or from the item database
// (keyed by server id, with the drawing fields copied from its client type).
struct ItemType {
    static constexpr int kMaxSpriteIds = static_cast<int>(SpriteIdList::kCapacity);

    ItemGroup group = ItemGroup::None;
    int32_t serverId = 100;
    int32_t clientId = 100;
    bool blocking = false;
    bool blockProjectile = false;
    bool blockPath = false;
    bool hasHeight = false;
    bool alwaysOnTop = false;
    uint8_t topOrder = 0;
    bool readable = false;
    bool stackable = false;
    bool moveable = true;
    bool pickupable = false;
    bool useable = false;
    bool vertical = false;
    bool horizontal = false;
    bool hangeable = false;
    uint8_t outfitHead = 0;
    uint8_t outfitBody = 0;
    uint8_t outfitLegs = 0;
    uint8_t outfitFeet = 0;
    uint16_t speed = 0;
    uint32_t capacity = 0;
    int32_t attack = 0;
    int32_t defence = 0;
    int32_t armor = 0;
    int32_t magicLevel = 0;
    double weight = 0.0;
    int32_t decayTo = 0;
    int32_t decayTime = 0;
    std::string name;
    uint16_t minimapColor = 0;
    uint8_t width = 1;
    uint8_t height = 1;
    uint8_t cropSize = 0;
    uint32_t spriteCount = 1;
    uint8_t layers = 1;
    uint8_t patternX = 1;
    uint8_t patternY = 1;
    uint8_t animationPhases = 1;
    SpriteIdList spriteIds;

    bool operator==(const ItemType& other) const = default;
};

}  // namespace tessark
