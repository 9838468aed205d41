#include "data/ClientRecord.h"

#include <algorithm>

namespace tessark {

namespace {

struct FlagField {
    ClientRecord::Flag flag;
    bool ItemType::*field;
};

constexpr FlagField kFlagFields[] = {
    {ClientRecord::kBlocking, &ItemType::blocking},
    {ClientRecord::kBlockProjectile, &ItemType::blockProjectile},
    {ClientRecord::kBlockPath, &ItemType::blockPath},
    {ClientRecord::kHasHeight, &ItemType::hasHeight},
    {ClientRecord::kAlwaysOnTop, &ItemType::alwaysOnTop},
    {ClientRecord::kReadable, &ItemType::readable},
    {ClientRecord::kStackable, &ItemType::stackable},
    {ClientRecord::kMoveable, &ItemType::moveable},
    {ClientRecord::kPickupable, &ItemType::pickupable},
    {ClientRecord::kUseable, &ItemType::useable},
    {ClientRecord::kVertical, &ItemType::vertical},
    {ClientRecord::kHorizontal, &ItemType::horizontal},
    {ClientRecord::kHangeable, &ItemType::hangeable},
};

std::span<const uint16_t> IdsOf(const ClientRecord& record, std::span<const uint16_t> pool)
{
    return pool.subspan(record.firstSprite, record.storedSprites);
}

}  // namespace

ClientRecord ClientRecord::From(const ItemType& type)
{
    ClientRecord record;
    record.flags = kHeld;
    for (const FlagField& field : kFlagFields) {
        if (type.*field.field) {
            record.flags |= field.flag;
        }
    }
    record.group = static_cast<uint8_t>(type.group);
    record.topOrder = type.topOrder;
    record.speed = type.speed;
    record.minimapColor = type.minimapColor;
    record.width = type.width;
    record.height = type.height;
    record.cropSize = type.cropSize;
    record.layers = type.layers;
    record.patternX = type.patternX;
    record.patternY = type.patternY;
    record.animationPhases = type.animationPhases;
    record.spriteCount = static_cast<uint8_t>(std::min<uint32_t>(type.spriteCount, 255));
    record.storedSprites = static_cast<uint8_t>(type.spriteIds.StoredCount());
    return record;
}

ItemType ClientRecord::ToItemType(int32_t key, std::span<const uint16_t> pool) const
{
    ItemType type;
    type.serverId = key + kTypeKeyOffset;
    type.clientId = key + kTypeKeyOffset;
    type.group = static_cast<ItemGroup>(group);
    for (const FlagField& field : kFlagFields) {
        type.*field.field = Has(field.flag);
    }
    type.topOrder = topOrder;
    type.speed = speed;
    CopyDrawingTo(type, pool);
    return type;
}

void ClientRecord::CopyDrawingTo(ItemType& item, std::span<const uint16_t> pool) const
{
    item.vertical = Has(kVertical);
    item.horizontal = Has(kHorizontal);
    item.hangeable = Has(kHangeable);
    item.minimapColor = minimapColor;
    item.width = width;
    item.height = height;
    item.cropSize = cropSize;
    item.spriteCount = spriteCount;
    item.layers = layers;
    item.patternX = patternX;
    item.patternY = patternY;
    item.animationPhases = animationPhases;
    item.spriteIds.Assign(IdsOf(*this, pool));
}

}  // namespace tessark
