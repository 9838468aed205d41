#include "mapfiles/ItemNodeCodec.h"

#include <algorithm>
#include <string>

#include "data/FileLoader.h"
#include "data/ItemDatabase.h"
#include "data/PropStream.h"
#include "mapfiles/QzbmLayout.h"
#include "model/DepotItem.h"
#include "model/Item.h"
#include "model/TeleportItem.h"

namespace tessark {

namespace {

enum ItemAttribute : uint8_t {
    kActionId = 4,
    kUniqueId = 5,
    kText = 6,
    kSpecialDescription = 7,
    kTeleportDestination = 8,
    kDepotId = 10,
    kCharges = 12,
    kDoorId = 14,
};

void StoreU16(uint8_t* out, uint16_t value)
{
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
}

// Values wider than their field are stored as the field's largest value, never wrapped to a
// small one (a destination of 65536 must not become 0).
uint16_t ClampU16(uint32_t value) { return static_cast<uint16_t>(std::min<uint32_t>(value, 0xFFFF)); }
uint8_t ClampU8(uint32_t value) { return static_cast<uint8_t>(std::min<uint32_t>(value, 0xFF)); }

bool ReadAttribute(CItem& item, uint8_t attribute, PropStream& props)
{
    switch (attribute) {
    case kActionId: {
        uint16_t value = 0;
        if (!props.ReadU16(value)) {
            return false;
        }
        item.SetActionId(value);
        return true;
    }
    case kUniqueId: {
        uint16_t value = 0;
        if (!props.ReadU16(value)) {
            return false;
        }
        item.SetUniqueId(value);
        return true;
    }
    case kText:
    case kSpecialDescription: {
        std::string text;
        if (!props.ReadString(text)) {
            return false;
        }
        if (attribute == kText) {
            item.SetText(text);
        } else {
            item.SetSpecialDescription(text);
        }
        return true;
    }
    case kCharges:
    case kDoorId: {
        uint8_t value = 0;
        if (!props.ReadU8(value)) {
            return false;
        }
        item.SetCount(value);
        return true;
    }
    case kTeleportDestination: {
        if (item.Kind() != ThingKind::Teleport) {
            return false;
        }
        uint16_t x = 0;
        uint16_t y = 0;
        uint8_t z = 0;
        if (!props.ReadU16(x) || !props.ReadU16(y) || !props.ReadU8(z)) {
            return false;
        }
        static_cast<CTeleportItem&>(item).SetDestination(x, y, z);
        return true;
    }
    case kDepotId: {
        if (item.Kind() != ThingKind::Depot) {
            return false;
        }
        uint16_t depot = 0;
        if (!props.ReadU16(depot)) {
            return false;
        }
        static_cast<CDepotItem&>(item).SetDepotId(depot);
        return true;
    }
    default:
        return false;
    }
}

bool ReadCountByte(CItem& item, const ItemDatabase& database, PropStream& props)
{
    if (!CItem::HasCountByte(item.GetServerType(database))) {
        return true;
    }
    uint8_t count = 0;
    if (!props.ReadU8(count)) {
        return false;
    }
    item.SetCount(count);
    return true;
}

bool WriteU16Attribute(FileLoader& loader, uint8_t attribute, uint16_t value)
{
    uint8_t bytes[2];
    StoreU16(bytes, value);
    return loader.WriteAttribute(attribute, bytes, 2) == 0;
}

bool WriteIdAndCount(const CItem& item, const ItemType& type, FileLoader& loader)
{
    uint8_t bytes[3];
    StoreU16(bytes, static_cast<uint16_t>(item.GetTypeKey() + kTypeKeyOffset));
    size_t size = 2;
    if (CItem::HasCountByte(type)) {
        bytes[size++] = static_cast<uint8_t>(item.GetCount());
    }
    return loader.WriteBytes(bytes, static_cast<int64_t>(size), true);
}

}  // namespace

bool ReadItemNode(CItem& item, const ItemDatabase& database, PropStream& props)
{
    if (!ReadCountByte(item, database, props)) {
        return false;
    }
    uint8_t attribute = 0;
    while (props.ReadU8(attribute)) {
        if (!ReadAttribute(item, attribute, props)) {
            return false;
        }
    }
    return true;
}

bool ReadItemInline(CItem& item, const ItemDatabase& database, PropStream& props)
{
    return ReadCountByte(item, database, props);
}

bool WriteItemNode(const CItem& item, const ItemDatabase& database, FileLoader& loader)
{
    const ItemType& type = item.GetServerType(database);
    bool ok = loader.StartNode(qzbm::kItemNode) && WriteIdAndCount(item, type, loader);
    const uint8_t count = static_cast<uint8_t>(item.GetCount());
    if (ok && type.group == ItemGroup::Rune) {
        ok = loader.WriteAttribute(kCharges, &count, 1) == 0;
    }
    if (ok && type.group == ItemGroup::Door && item.GetCount() != 0) {
        ok = loader.WriteAttribute(kDoorId, &count, 1) == 0;
    }
    if (ok && item.GetActionId() != 0) {
        ok = WriteU16Attribute(loader, kActionId, static_cast<uint16_t>(item.GetActionId()));
    }
    if (ok && item.GetUniqueId() != 0) {
        ok = WriteU16Attribute(loader, kUniqueId, static_cast<uint16_t>(item.GetUniqueId()));
    }
    if (ok && !item.GetText().empty()) {
        ok = loader.WriteStringAttribute(kText, item.GetText()) == 0;
    }
    if (ok && !item.GetSpecialDescription().empty()) {
        ok = loader.WriteStringAttribute(kSpecialDescription, item.GetSpecialDescription()) == 0;
    }
    if (ok && item.Kind() == ThingKind::Teleport) {
        const auto& teleport = static_cast<const CTeleportItem&>(item);
        uint8_t bytes[5];
        StoreU16(bytes, ClampU16(teleport.GetDestX()));
        StoreU16(bytes + 2, ClampU16(teleport.GetDestY()));
        bytes[4] = ClampU8(teleport.GetDestZ());
        ok = loader.WriteAttribute(kTeleportDestination, bytes, 5) == 0;
    }
    if (ok && item.Kind() == ThingKind::Depot) {
        ok = WriteU16Attribute(loader, kDepotId,
                               ClampU16(static_cast<const CDepotItem&>(item).GetDepotId()));
    }
    return ok && loader.EndNode();
}

bool WriteItemInline(const CItem& item, const ItemDatabase& database, FileLoader& loader,
                     uint8_t attribute)
{
    return loader.WriteBytes(&attribute, 1, true) &&
           WriteIdAndCount(item, item.GetServerType(database), loader);
}

}  // namespace tessark
