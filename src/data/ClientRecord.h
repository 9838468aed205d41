#pragma once

#include <cstdint>
#include <span>

#include "data/ItemType.h"

namespace tessark {

// A client type as held in memory: the fields the client data file can set, in 24 bytes, with
// its sprite ids kept in a pool shared by all records (firstSprite indexes it). A file may list
// up to 65,436 records, most of which nothing ever asks about.
struct ClientRecord {
    enum Flag : uint16_t {
        kHeld = 1 << 0,
        kBlocking = 1 << 1,
        kBlockProjectile = 1 << 2,
        kBlockPath = 1 << 3,
        kHasHeight = 1 << 4,
        kAlwaysOnTop = 1 << 5,
        kReadable = 1 << 6,
        kStackable = 1 << 7,
        kMoveable = 1 << 8,
        kPickupable = 1 << 9,
        kUseable = 1 << 10,
        kVertical = 1 << 11,
        kHorizontal = 1 << 12,
        kHangeable = 1 << 13,
    };

    uint32_t firstSprite = 0;
    uint16_t speed = 0;
    uint16_t minimapColor = 0;
    uint16_t flags = 0;
    uint8_t group = 0;
    uint8_t topOrder = 0;
    uint8_t width = 1;
    uint8_t height = 1;
    uint8_t cropSize = 0;
    uint8_t layers = 1;
    uint8_t patternX = 1;
    uint8_t patternY = 1;
    uint8_t animationPhases = 1;
    uint8_t spriteCount = 0;
    uint8_t storedSprites = 0;

    bool Has(Flag flag) const { return (flags & flag) != 0; }
    bool Held() const { return Has(kHeld); }

    // The record of `type`, sprite ids not yet placed (firstSprite 0). It holds everything a
    // client data file can set: a type with more (a name, a sprite count above 255) does not
    // come back unchanged from ToItemType, which the caller can check.
    static ClientRecord From(const ItemType& type);
    // The full type of the record with this key.
    ItemType ToItemType(int32_t key, std::span<const uint16_t> pool) const;
    // The fields a server type takes from its client type.
    void CopyDrawingTo(ItemType& item, std::span<const uint16_t> pool) const;
};

static_assert(sizeof(ClientRecord) == 24);

}  // namespace tessark
