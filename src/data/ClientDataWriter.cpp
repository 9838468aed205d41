#include "data/ClientDataWriter.h"

#include "platform/AtomicFileWriter.h"
#include "platform/LittleEndian.h"

namespace tessark {

namespace {

constexpr uint8_t kEndOfOptions = 0xFF;

void AppendFlag(std::vector<uint8_t>& out, bool set, uint8_t option)
{
    if (set) {
        AppendU8(out, option);
    }
}

void AppendOptions(std::vector<uint8_t>& out, const ClientDataRecord& record)
{
    const ItemType& type = record.type;
    if (type.group == ItemGroup::Ground) {
        AppendU8(out, 0x00);
        AppendU16(out, type.speed);
    }
    if (type.alwaysOnTop && type.topOrder >= 1 && type.topOrder <= 3) {
        AppendU8(out, type.topOrder);
    }
    AppendFlag(out, type.group == ItemGroup::Container, 0x04);
    AppendFlag(out, type.stackable, 0x05);
    AppendFlag(out, type.useable, 0x07);
    if (type.group == ItemGroup::Writeable) {
        // The payload is the text length, which the reader skips.
        AppendU8(out, 0x08);
        AppendU16(out, 0);
    }
    AppendFlag(out, type.group == ItemGroup::FluidContainer, 0x0A);
    AppendFlag(out, type.group == ItemGroup::Splash, 0x0B);
    AppendFlag(out, type.blocking, 0x0C);
    AppendFlag(out, !type.moveable, 0x0D);
    AppendFlag(out, type.blockProjectile, 0x0E);
    AppendFlag(out, type.blockPath, 0x0F);
    AppendFlag(out, type.pickupable, 0x10);
    AppendFlag(out, type.hangeable, 0x11);
    AppendFlag(out, type.horizontal, 0x12);
    AppendFlag(out, type.vertical, 0x13);
    if (type.hasHeight) {
        AppendU8(out, 0x19);
        AppendU16(out, 0);
    }
    if (type.minimapColor != 0) {
        AppendU8(out, 0x1C);
        AppendU16(out, type.minimapColor);
    }
    AppendBytes(out, record.extraOptions);
    AppendU8(out, kEndOfOptions);
}

// False when the ids do not match the size block or exceed what a type can hold, or the
// picture has more cells than that: such a record could not be read back as written.
bool AppendRecord(std::vector<uint8_t>& out, const ClientDataRecord& record)
{
    const ItemType& type = record.type;
    uint64_t count = uint64_t{type.width} * type.height * type.layers * type.patternX *
                     type.patternY * record.patternZ * type.animationPhases;
    const uint32_t cells = uint32_t{type.width} * type.height * type.layers;
    if (count != record.spriteIds.size() || count > ItemType::kMaxSpriteIds ||
        cells > ItemType::kMaxSpriteIds) {
        return false;
    }
    AppendOptions(out, record);
    AppendU8(out, type.width);
    AppendU8(out, type.height);
    if (type.width > 1 || type.height > 1) {
        AppendU8(out, type.cropSize);
    }
    AppendU8(out, type.layers);
    AppendU8(out, type.patternX);
    AppendU8(out, type.patternY);
    AppendU8(out, record.patternZ);
    AppendU8(out, type.animationPhases);
    for (uint16_t id : record.spriteIds) {
        AppendU16(out, id);
    }
    return true;
}

}  // namespace

bool WriteClientDataFile(const std::string& path, uint32_t signature, uint16_t itemCount,
                         std::span<const ClientDataRecord> records)
{
    std::vector<uint8_t> bytes;
    AppendU32(bytes, signature);
    AppendU16(bytes, itemCount);
    for (int i = 0; i < 3; ++i) {
        AppendU16(bytes, 0);
    }
    for (const ClientDataRecord& record : records) {
        if (!AppendRecord(bytes, record)) {
            return false;
        }
    }
    AtomicFileWriter writer(path);
    return writer.Open() && writer.Write(bytes.data(), bytes.size()) && writer.Commit();
}

}  // namespace tessark
