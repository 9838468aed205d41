#include "data/ClientDataReader.h"

#include <vector>

#include "data/ItemDatabase.h"
#include "platform/FileBytes.h"
#include "platform/LittleEndian.h"

namespace tessark {

namespace {

constexpr size_t kHeaderSize = 12;
constexpr size_t kItemCountOffset = 4;
constexpr uint8_t kEndOfOptions = 0xFF;
// Ids in every other file are 16-bit: a record past this id could never be named, and the
// limit bounds what a file of any size can make the reader hold.
constexpr int32_t kLastRecordId = 0xFFFF;

// A forward cursor that refuses to step past the end, so a cut-off record fails instead of
// reading beyond the buffer.
class RecordCursor {
public:
    RecordCursor(std::span<const uint8_t> bytes, size_t position) : bytes_(bytes), pos_(position) {}

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    size_t Remaining() const { return AtEnd() ? 0 : bytes_.size() - pos_; }

    bool ReadU8(uint8_t& value)
    {
        if (Remaining() < 1) {
            return false;
        }
        value = bytes_[pos_++];
        return true;
    }

    bool ReadU16(uint16_t& value)
    {
        if (Remaining() < 2) {
            return false;
        }
        value = LoadU16(bytes_.data() + pos_);
        pos_ += 2;
        return true;
    }

    bool Skip(size_t count)
    {
        if (Remaining() < count) {
            return false;
        }
        pos_ += count;
        return true;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_;
};

// Applies one option (and consumes its payload); false on a format error or a cut-off payload.
bool ApplyOption(uint8_t option, RecordCursor& cursor, ItemType& type)
{
    switch (option) {
    case 0x00:
        type.group = ItemGroup::Ground;
        return cursor.ReadU16(type.speed);
    case 0x01:
    case 0x02:
    case 0x03:
        type.alwaysOnTop = true;
        type.topOrder = option;
        return true;
    case 0x04:
        type.group = ItemGroup::Container;
        return true;
    case 0x05:
        type.stackable = true;
        return true;
    case 0x07:
        type.useable = true;
        return true;
    case 0x08:
        type.group = ItemGroup::Writeable;
        return cursor.Skip(2);
    case 0x0A:
        type.group = ItemGroup::FluidContainer;
        return true;
    case 0x0B:
        type.group = ItemGroup::Splash;
        return true;
    case 0x0C:
        type.blocking = true;
        return true;
    case 0x0D:
        type.moveable = false;
        return true;
    case 0x0E:
        type.blockProjectile = true;
        return true;
    case 0x0F:
        type.blockPath = true;
        return true;
    case 0x10:
        type.pickupable = true;
        return true;
    case 0x11:
        type.hangeable = true;
        return true;
    case 0x12:
        type.horizontal = true;
        return true;
    case 0x13:
        type.vertical = true;
        return true;
    case 0x15:
    case 0x18:
        return cursor.Skip(4);
    case 0x19:
        type.hasHeight = true;
        return cursor.Skip(2);
    case 0x1C:
        return cursor.ReadU16(type.minimapColor);
    case 0x1D:
        return cursor.Skip(2);
    case 0x06:
    case 0x09:
    case 0x14:
    case 0x17:
    case 0x1A:
    case 0x1B:
    case 0x1E:
        return true;
    default:
        // 0x16 and 0x1F to 0xFE.
        return false;
    }
}

// Reads the size block and the sprite ids of one record. More ids than a type can hold is a
// format error: nothing is ever written past the last slot. So is a picture of more cells than
// that, which a zero pattern count would otherwise let in with no ids: no cell past the last id
// can show anything, yet drawing the type would visit every one of its 16 million cells.
bool ReadSizeAndSprites(RecordCursor& cursor, ItemType& type, std::vector<uint16_t>& ids)
{
    uint8_t patternZ = 0;
    if (!cursor.ReadU8(type.width) || !cursor.ReadU8(type.height)) {
        return false;
    }
    if ((type.width > 1 || type.height > 1) && !cursor.ReadU8(type.cropSize)) {
        return false;
    }
    if (!cursor.ReadU8(type.layers) || !cursor.ReadU8(type.patternX) ||
        !cursor.ReadU8(type.patternY) || !cursor.ReadU8(patternZ) ||
        !cursor.ReadU8(type.animationPhases)) {
        return false;
    }
    // Seven factors of at most 255 fit in 64 bits.
    uint64_t count = uint64_t{type.width} * type.height * type.layers * type.patternX *
                     type.patternY * patternZ * type.animationPhases;
    const uint32_t cells = uint32_t{type.width} * type.height * type.layers;
    if (count > ItemType::kMaxSpriteIds || cells > ItemType::kMaxSpriteIds ||
        cursor.Remaining() < count * 2) {
        return false;
    }
    type.spriteCount = static_cast<uint32_t>(count);
    ids.resize(type.spriteCount);
    for (uint16_t& id : ids) {
        cursor.ReadU16(id);
    }
    return true;
}

}  // namespace

int ClientDataReader::Read(const std::string& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) {
        return kCannotOpen;
    }
    return ReadBytes(bytes);
}

int ClientDataReader::ReadBytes(std::span<const uint8_t> bytes)
{
    // Too short to hold the header: nothing in it can be trusted.
    if (bytes.size() < kHeaderSize) {
        return kFormatError;
    }
    database_.clientItemCount = LoadU16(bytes.data() + kItemCountOffset);

    RecordCursor cursor(bytes, kHeaderSize);
    SpriteTable& sprites = database_.Sprites();
    // Within one load a second registration of an id would only replace an empty record with
    // another, so each id is registered once; that saves most of the table look-ups.
    std::vector<bool> registered(size_t{1} << 16, false);
    std::vector<uint16_t> ids;
    for (int32_t id = kTypeKeyOffset; !cursor.AtEnd(); ++id) {
        if (id > kLastRecordId) {
            return kFormatError;
        }
        // Only the plain fields are set here: building the type allocates nothing.
        ItemType type;
        for (;;) {
            uint8_t option = 0;
            if (!cursor.ReadU8(option)) {
                return kFormatError;
            }
            if (option == kEndOfOptions) {
                break;
            }
            if (!ApplyOption(option, cursor, type)) {
                return kFormatError;
            }
        }
        if (!ReadSizeAndSprites(cursor, type, ids)) {
            return kFormatError;
        }
        for (const uint16_t spriteId : ids) {
            if (registered[spriteId]) {
                continue;
            }
            registered[spriteId] = true;
            Sprite& sprite = sprites[spriteId];
            sprite = Sprite{};
            sprite.id = spriteId;
        }
        database_.SetClientRecord(id - kTypeKeyOffset, ClientRecord::From(type), ids);
    }
    return kLoaded;
}

}  // namespace tessark
