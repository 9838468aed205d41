#include "data/ItemsFileReader.h"

#include <array>
#include <span>
#include <utility>

#include "data/ItemDatabase.h"
#include "data/ItemLoader.h"
#include "data/PropStream.h"
#include "platform/LittleEndian.h"

namespace tessark {

namespace {

constexpr int kFormatError = 8;
constexpr uint8_t kVersionAttribute = 0x01;
constexpr size_t kVersionBytes = 140;
constexpr uint8_t kMaxItemNodeType = 13;
constexpr int32_t kFirstDroppedServerId = 20000;
constexpr uint8_t kFirstAttribute = 0x10;
constexpr uint8_t kLastAttribute = 0x2C;
// Texts (name, description) are shorter than this.
constexpr uint16_t kTextLimit = 128;
constexpr uint16_t kAnyText = 0;

// Required length of each attribute from 0x10 on; kAnyText for texts below kTextLimit.
constexpr std::array<uint16_t, kLastAttribute - kFirstAttribute + 1> kAttributeLengths = {
    2, 2, kAnyText, kAnyText, 2, 2, 2, 8,   // 0x10..0x17
    5, 3, 24, 2, 1, 2, 2, 4,                // 0x18..0x1F
    16, 2, 2, 2, 4, 4, 5, 3,                // 0x20..0x27
    12, 2, 4, 1, 4,                         // 0x28..0x2C
};

double LoadDouble(const uint8_t* bytes)
{
    double value = 0;
    PropStream(bytes, 8).ReadDouble(value);
    return value;
}

void ApplyFlags(uint32_t flags, ItemType& item)
{
    auto bit = [flags](int index) { return (flags >> index & 1u) != 0; };
    item.blocking = bit(0);
    item.blockProjectile = bit(1);
    item.blockPath = bit(2);
    item.hasHeight = bit(3);
    item.useable = bit(4);
    item.pickupable = bit(5);
    item.moveable = bit(6);
    item.stackable = bit(7);
    item.alwaysOnTop = bit(13);
    item.readable = bit(14) || bit(20);
    item.hangeable = bit(16);
    item.vertical = bit(17);
    item.horizontal = bit(18);
}

// The value's length has been checked against kAttributeLengths.
void ApplyAttribute(uint8_t id, std::span<const uint8_t> value, ItemType& item)
{
    const uint8_t* v = value.data();
    switch (id) {
    case 0x10: item.serverId = LoadU16(v); break;
    case 0x11: item.clientId = LoadU16(v); break;
    case 0x12: {
        size_t length = 0;
        while (length < value.size() && v[length] != 0) {
            ++length;
        }
        item.name.assign(reinterpret_cast<const char*>(v), length);
        break;
    }
    case 0x14: item.speed = LoadU16(v); break;
    case 0x16: item.capacity = LoadU16(v); break;
    case 0x17: item.weight = LoadDouble(v); break;
    case 0x18:
    case 0x26:
        item.attack = v[3];
        item.defence = v[4];
        break;
    case 0x19:
    case 0x27: item.attack = v[2]; break;
    case 0x1A:
        item.armor = LoadU16(v);
        item.weight = LoadDouble(v + 8);
        break;
    case 0x1B: item.magicLevel = LoadU16(v); break;
    case 0x1F:
    case 0x25:
        item.decayTo = LoadU16(v);
        item.decayTime = LoadU16(v + 2);
        break;
    case 0x21: item.minimapColor = LoadU16(v); break;
    case 0x28:
        item.armor = LoadU16(v);
        item.weight = LoadDouble(v + 2);
        break;
    case 0x2B: item.topOrder = v[0]; break;
    default: break;  // accepted, not used
    }
}

// Properties after the type: flags, then attributes (id, u16 length, value). 0 or 8.
int ParseItem(uint8_t nodeType, PropStream& props, ItemType& item)
{
    if (nodeType > kMaxItemNodeType) {
        return kFormatError;
    }
    item.group = static_cast<ItemGroup>(nodeType);
    uint32_t flags = 0;
    if (!props.ReadU32(flags)) {
        return kFormatError;
    }
    ApplyFlags(flags, item);
    while (!props.Empty()) {
        uint8_t id = 0;
        uint16_t length = 0;
        // The id and length, and at least one byte of value.
        if (props.Remaining() < 4 || !props.ReadU8(id) || !props.ReadU16(length)) {
            return kFormatError;
        }
        if (id < kFirstAttribute || id > kLastAttribute) {
            return kFormatError;
        }
        const uint16_t required = kAttributeLengths[id - kFirstAttribute];
        const bool lengthOk = required == kAnyText ? length < kTextLimit : length == required;
        if (!lengthOk || length > props.Remaining()) {
            return kFormatError;
        }
        ApplyAttribute(id, std::span<const uint8_t>(props.Position(), length), item);
        props.Skip(length);
    }
    return 0;
}

// Root properties: u32 flags, then version attributes (1, u16 length, 140 bytes); the last one
// counts. The length is not trusted: the attribute is always 140 bytes.
bool ReadVersions(PropStream& props, uint32_t& major, uint32_t& minor)
{
    if (!props.Skip(4)) {
        return false;
    }
    const uint8_t* version = nullptr;
    while (!props.Empty()) {
        uint8_t id = 0;
        uint16_t length = 0;
        props.ReadU8(id);
        if (id != kVersionAttribute || !props.ReadU16(length) || props.Remaining() < kVersionBytes) {
            return false;
        }
        version = props.Position();
        props.Skip(kVersionBytes);
    }
    major = version ? LoadU32(version) : 0;
    minor = version ? LoadU32(version + 4) : 0;
    return true;
}

}  // namespace

int ItemsFileReader::Read(const std::string& path)
{
    ItemLoader loader;
    if (!loader.OpenFile(path, false, true)) {
        return loader.GetLastError();
    }
    uint8_t type = 0;
    PropStream props;
    const uint32_t root = loader.GetChildNode(0, type);
    if (root == 0 || !loader.GetProps(root, props) || props.Remaining() < 4) {
        return kFormatError;
    }
    uint32_t major = 0;
    uint32_t minor = 0;
    if (!ReadVersions(props, major, minor)) {
        return kFormatError;
    }
    database_.itemsMajorVersion = major;
    database_.itemsMinorVersion = minor;

    for (uint32_t node = loader.GetChildNode(root, type); node != 0;
         node = loader.GetNextNode(node, type)) {
        if (!loader.GetProps(node, props)) {
            if (loader.GetLastError() != 0) {
                return loader.GetLastError();
            }
            continue;
        }
        ItemType item;
        if (!props.Empty()) {
            if (const int result = ParseItem(type, props, item); result != 0) {
                return result;
            }
        }
        if (item.serverId >= kFirstDroppedServerId) {
            continue;
        }
        if (!database_.CopyClientDrawing(item.clientId - kTypeKeyOffset, item)) {
            stoppedAtClientId_ = item.clientId;
            return 0;
        }
        const int32_t serverKey = item.serverId - kTypeKeyOffset;
        const auto clientKey = static_cast<uint32_t>(item.clientId - kTypeKeyOffset);
        database_.SetServerType(serverKey, std::move(item));
        database_.MapClientToServer(clientKey, serverKey);
    }
    // No further node: a clean end leaves no error; a cut-off or broken tree must not pass as
    // a complete database.
    return loader.GetLastError() == 0 ? 0 : kFormatError;
}

}  // namespace tessark
