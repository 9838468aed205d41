#include "data/ItemsFileWriter.h"

#include <bit>
#include <span>
#include <string_view>
#include <vector>

#include "data/ItemLoader.h"
#include "platform/LittleEndian.h"

namespace tessark {

namespace {

constexpr uint8_t kVersionAttribute = 0x01;
constexpr uint16_t kVersionLength = 140;
constexpr size_t kVersionPadding = 132;
constexpr int32_t kMaxNodeGroup = 13;
constexpr size_t kNameLimit = 128;

bool FitsU16(int64_t value) { return value >= 0 && value <= 0xFFFF; }
bool FitsU8(int64_t value) { return value >= 0 && value <= 0xFF; }

uint32_t Flags(const ItemType& type)
{
    uint32_t flags = 0;
    auto set = [&flags](bool on, int bit) {
        if (on) {
            flags |= 1u << bit;
        }
    };
    set(type.blocking, 0);
    set(type.blockProjectile, 1);
    set(type.blockPath, 2);
    set(type.hasHeight, 3);
    set(type.useable, 4);
    set(type.pickupable, 5);
    set(type.moveable, 6);
    set(type.stackable, 7);
    set(type.alwaysOnTop, 13);
    set(type.readable, 14);
    set(type.hangeable, 16);
    set(type.vertical, 17);
    set(type.horizontal, 18);
    return flags;
}

void AppendAttribute(std::vector<uint8_t>& out, uint8_t id, std::span<const uint8_t> value)
{
    AppendU8(out, id);
    AppendU16(out, static_cast<uint16_t>(value.size()));
    AppendBytes(out, value);
}

void AppendU16Attribute(std::vector<uint8_t>& out, uint8_t id, int64_t value)
{
    std::vector<uint8_t> bytes;
    AppendU16(bytes, static_cast<uint16_t>(value));
    AppendAttribute(out, id, bytes);
}

void AppendDouble(std::vector<uint8_t>& out, double value)
{
    AppendU64(out, std::bit_cast<uint64_t>(value));
}

// The unescaped properties of one item node; false when a value cannot be stored in its field
// (the file would not say what the caller meant).
bool BuildItemProps(const ItemType& type, std::vector<uint8_t>& out)
{
    const std::string_view name(type.name.c_str());  // the reader stops at a zero byte too
    if (!FitsU16(type.serverId) || !FitsU16(type.clientId) || name.size() >= kNameLimit ||
        type.capacity > 0xFFFF || !FitsU8(type.attack) || !FitsU8(type.defence) ||
        !FitsU16(type.armor) || !FitsU16(type.magicLevel) || !FitsU16(type.decayTo) ||
        !FitsU16(type.decayTime)) {
        return false;
    }
    AppendU32(out, Flags(type));
    if (type.serverId != 100) {
        AppendU16Attribute(out, 0x10, type.serverId);
    }
    if (type.clientId != 100) {
        AppendU16Attribute(out, 0x11, type.clientId);
    }
    if (!name.empty()) {
        AppendAttribute(out, 0x12,
                        std::span(reinterpret_cast<const uint8_t*>(name.data()), name.size()));
    }
    if (type.speed != 0) {
        AppendU16Attribute(out, 0x14, type.speed);
    }
    if (type.capacity != 0) {
        AppendU16Attribute(out, 0x16, type.capacity);
    }
    if (type.attack != 0 || type.defence != 0) {
        const uint8_t weapon[5] = {0, 0, 0, static_cast<uint8_t>(type.attack),
                                   static_cast<uint8_t>(type.defence)};
        AppendAttribute(out, 0x18, weapon);
    }
    if (type.armor != 0) {
        // Armor and weight together; bytes 10 and 11 are not used.
        std::vector<uint8_t> armor;
        AppendU16(armor, static_cast<uint16_t>(type.armor));
        AppendDouble(armor, type.weight);
        AppendU16(armor, 0);
        AppendAttribute(out, 0x28, armor);
    } else if (type.weight != 0.0) {
        std::vector<uint8_t> weight;
        AppendDouble(weight, type.weight);
        AppendAttribute(out, 0x17, weight);
    }
    if (type.magicLevel != 0) {
        AppendU16Attribute(out, 0x1B, type.magicLevel);
    }
    if (type.decayTo != 0 || type.decayTime != 0) {
        std::vector<uint8_t> decay;
        AppendU16(decay, static_cast<uint16_t>(type.decayTo));
        AppendU16(decay, static_cast<uint16_t>(type.decayTime));
        AppendAttribute(out, 0x1F, decay);
    }
    if (type.minimapColor != 0) {
        AppendU16Attribute(out, 0x21, type.minimapColor);
    }
    if (type.topOrder != 0) {
        const uint8_t order[1] = {type.topOrder};
        AppendAttribute(out, 0x2B, order);
    }
    return true;
}

}  // namespace

bool WriteItemsFile(const std::string& path, uint32_t majorVersion, uint32_t minorVersion,
                    std::span<const ItemType> types)
{
    // Validate everything first so a bad type never costs a half-written temporary file.
    std::vector<std::vector<uint8_t>> nodes(types.size());
    for (size_t i = 0; i < types.size(); ++i) {
        if (!BuildItemProps(types[i], nodes[i])) {
            return false;
        }
    }

    ItemLoader writer;
    if (!writer.OpenFile(path, true, false)) {
        return false;
    }
    std::vector<uint8_t> root;
    AppendU32(root, 0);
    AppendU8(root, kVersionAttribute);
    AppendU16(root, kVersionLength);
    AppendU32(root, majorVersion);
    AppendU32(root, minorVersion);
    root.resize(root.size() + kVersionPadding, 0);
    writer.StartNode(0);
    writer.WriteBytes(root, true);
    for (size_t i = 0; i < types.size(); ++i) {
        // Creature, depot and teleport kinds come from items.xml; the node type only holds 0..13.
        const auto group = static_cast<int32_t>(types[i].group);
        writer.StartNode(static_cast<uint8_t>(group >= 0 && group <= kMaxNodeGroup ? group : 0));
        writer.WriteBytes(nodes[i], true);
        writer.EndNode();
    }
    writer.EndNode();
    // Any failed write above makes the commit fail; the previous file then stays as it was.
    return writer.CloseFile();
}

}  // namespace tessark
