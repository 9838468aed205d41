#include "data/SpriteFileReader.h"

#include <unordered_map>

#include "data/ItemDatabase.h"
#include "data/Sprite.h"
#include "platform/FileBytes.h"
#include "platform/LittleEndian.h"

namespace tessark {

namespace {

constexpr uint32_t kTransparentPixel = 0x00FF00FF;
constexpr uint32_t kRedPixel = 0x00FF0000;
constexpr uint32_t kYellowPixel = 0x00FFFF00;
constexpr size_t kTableStart = 6;
constexpr size_t kEntrySize = 4;
// Colour key (3 bytes, ignored) and the data size.
constexpr size_t kSpriteHeaderSize = 5;
constexpr int kDotSpacing = 4;

Sprite MakeDotSprite(uint32_t id, uint32_t dotPixel)
{
    Sprite sprite;
    sprite.id = id;
    std::vector<uint32_t> pixels(Sprite::kPixelCount, kTransparentPixel);
    for (int row = 0; row < Sprite::kSize; row += kDotSpacing) {
        for (int column = 0; column < Sprite::kSize; column += kDotSpacing) {
            pixels[row * Sprite::kSize + column] = dotPixel;
        }
    }
    sprite.pixels = std::move(pixels);
    return sprite;
}

bool IsSyntheticSprite(uint32_t id)
{
    return id == SpriteFileReader::kRedDotsSpriteId || id == SpriteFileReader::kYellowDotsSpriteId;
}

}  // namespace

bool SpriteFileReader::Read(const std::string& path)
{
    InstallSyntheticSprites();
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) {
        return false;
    }
    FillFromBytes(bytes);
    return bytes.size() >= kTableStart + kEntrySize;
}

void SpriteFileReader::ReadBytes(std::span<const uint8_t> bytes)
{
    InstallSyntheticSprites();
    FillFromBytes(bytes);
}

size_t SpriteFileReader::CountListedFrom(uint32_t firstId, uint64_t lastId) const
{
    size_t count = 0;
    const SpriteTable& sprites = database_.Sprites();
    for (auto it = sprites.lower_bound(firstId); it != sprites.end() && it->first <= lastId; ++it) {
        if (!IsSyntheticSprite(it->first)) {
            ++count;
        }
    }
    return count;
}

void SpriteFileReader::InstallSyntheticSprites()
{
    struct Synthetic {
        uint32_t spriteId;
        uint32_t pixel;
        int32_t typeKey;
    };
    for (const Synthetic& synthetic : {Synthetic{kRedDotsSpriteId, kRedPixel, kRedDotsTypeKey},
                                       Synthetic{kYellowDotsSpriteId, kYellowPixel,
                                                 kYellowDotsTypeKey}}) {
        database_.Sprites()[synthetic.spriteId] =
            MakeDotSprite(synthetic.spriteId, synthetic.pixel);
        if (ItemType* type = database_.GetType(synthetic.typeKey)) {
            type->spriteIds.Set(0, static_cast<uint16_t>(synthetic.spriteId));
        }
    }
}

void SpriteFileReader::FillFromBytes(std::span<const uint8_t> bytes)
{
    unreadableSprites_ = 0;
    const size_t fileSize = bytes.size();
    if (fileSize < kTableStart + kEntrySize) {
        unreadableSprites_ = CountListedFrom(1, UINT32_MAX);
        return;
    }
    // The data of sprite 1 follows the table directly, so its offset ends the table. The file
    // is not trusted: the walk never passes the end of the file, whatever that offset says.
    const size_t tableEnd = LoadU32(bytes.data() + kTableStart);
    SpriteTable& sprites = database_.Sprites();
    // Entries pointing at the same data share one decoded copy: a small file can point every
    // id at one sprite, which would otherwise cost 4 KB of pixels per id.
    std::unordered_map<size_t, SpritePixels> decodedAt;
    uint32_t id = 1;
    size_t entry = kTableStart;
    for (; entry < tableEnd && entry + kEntrySize <= fileSize; entry += kEntrySize, ++id) {
        const size_t offset = LoadU32(bytes.data() + entry);
        if (offset == 0) {
            continue;
        }
        auto it = sprites.find(id);
        // The dot sprites mark special types; sprite data under the same ids must not hide them.
        if (it == sprites.end() || IsSyntheticSprite(id)) {
            continue;
        }
        Sprite& sprite = it->second;
        sprite.pixels.clear();
        sprite.rawSize = 0;
        if (offset > fileSize || fileSize - offset < kSpriteHeaderSize) {
            ++unreadableSprites_;
            continue;
        }
        const uint16_t dataSize = LoadU16(bytes.data() + offset + 3);
        sprite.rawSize = dataSize;
        const size_t dataStart = offset + kSpriteHeaderSize;
        if (dataSize == 0) {
            continue;
        }
        // Data cut off by the end of the file: keep no pixels rather than half a sprite.
        if (fileSize - dataStart < dataSize) {
            ++unreadableSprites_;
            continue;
        }
        SpritePixels& decoded = decodedAt[offset];
        if (decoded.empty()) {
            decoded = DecodeSpritePixels(bytes.subspan(dataStart, dataSize));
        }
        sprite.pixels = decoded;
    }
    // The table promised entries that the file was cut before.
    if (entry < tableEnd) {
        const uint64_t lastId = (uint64_t{tableEnd} - kTableStart + kEntrySize - 1) / kEntrySize;
        unreadableSprites_ += CountListedFrom(id, lastId);
    }
}

std::vector<uint32_t> DecodeSpritePixels(std::span<const uint8_t> encoded)
{
    // The runs number pixels from the top-left; the stored rows go bottom-up.
    std::vector<uint32_t> pixels(Sprite::kPixelCount, kTransparentPixel);
    const size_t size = encoded.size();
    size_t pos = 0;
    size_t pixel = 0;
    while (pixel < Sprite::kPixelCount && size - pos >= 2) {
        pixel += LoadU16(encoded.data() + pos);
        pos += 2;
        if (size - pos < 2) {
            break;
        }
        size_t coloured = LoadU16(encoded.data() + pos);
        pos += 2;
        for (; coloured > 0 && pixel < Sprite::kPixelCount && size - pos >= 3;
             --coloured, ++pixel, pos += 3) {
            const size_t row = pixel / Sprite::kSize;
            const size_t column = pixel % Sprite::kSize;
            const uint8_t* rgb = encoded.data() + pos;
            pixels[(Sprite::kSize - 1 - row) * Sprite::kSize + column] =
                (uint32_t{rgb[0]} << 16) | (uint32_t{rgb[1]} << 8) | rgb[2];
        }
        if (coloured > 0) {
            // The run went past pixel 1023 or past the data: nothing further can be written.
            break;
        }
    }
    return pixels;
}

}  // namespace tessark
