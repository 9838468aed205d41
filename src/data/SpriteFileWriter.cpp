#include "data/SpriteFileWriter.h"

#include "data/Sprite.h"
#include "platform/AtomicFileWriter.h"
#include "platform/LittleEndian.h"

namespace tessark {

namespace {

constexpr uint32_t kTransparentPixel = 0x00FF00FF;
constexpr uint8_t kColourKey[3] = {0xFF, 0x00, 0xFF};
// Sprite ids in the client data are 16-bit.
constexpr size_t kMaxSprites = 0xFFFF;

bool IsTransparent(std::span<const uint32_t> pixels, size_t index)
{
    return index >= pixels.size() || (pixels[index] & 0x00FFFFFF) == kTransparentPixel;
}

void AppendSpriteData(std::vector<uint8_t>& out, std::span<const uint8_t> encoded)
{
    AppendBytes(out, kColourKey);
    AppendU16(out, static_cast<uint16_t>(encoded.size()));
    AppendBytes(out, encoded);
}

}  // namespace

std::vector<uint8_t> EncodeSpritePixels(std::span<const uint32_t> pixels)
{
    // Pixels past the input count as transparent; trailing transparent pixels are not written,
    // since the reader leaves uncovered pixels transparent anyway. An all-transparent sprite
    // is one transparent run, not size 0, so it reads back with its (transparent) pixels.
    std::vector<uint8_t> out;
    size_t pixel = 0;
    while (pixel < Sprite::kPixelCount) {
        size_t transparentStart = pixel;
        while (pixel < Sprite::kPixelCount && IsTransparent(pixels, pixel)) {
            ++pixel;
        }
        if (pixel == Sprite::kPixelCount) {
            if (out.empty()) {
                AppendU16(out, static_cast<uint16_t>(pixel - transparentStart));
            }
            break;
        }
        size_t colouredStart = pixel;
        while (pixel < Sprite::kPixelCount && !IsTransparent(pixels, pixel)) {
            ++pixel;
        }
        AppendU16(out, static_cast<uint16_t>(colouredStart - transparentStart));
        AppendU16(out, static_cast<uint16_t>(pixel - colouredStart));
        for (size_t i = colouredStart; i < pixel; ++i) {
            AppendU8(out, static_cast<uint8_t>(pixels[i] >> 16));
            AppendU8(out, static_cast<uint8_t>(pixels[i] >> 8));
            AppendU8(out, static_cast<uint8_t>(pixels[i]));
        }
    }
    return out;
}

bool WriteSpriteFile(const std::string& path, uint32_t signature,
                     std::span<const std::vector<uint32_t>> sprites)
{
    if (sprites.size() > kMaxSprites) {
        return false;
    }
    for (const std::vector<uint32_t>& pixels : sprites) {
        if (!pixels.empty() && pixels.size() != Sprite::kPixelCount) {
            return false;
        }
    }
    std::vector<uint8_t> bytes;
    AppendU32(bytes, signature);
    AppendU16(bytes, static_cast<uint16_t>(sprites.size()));
    const size_t tableStart = bytes.size();
    bytes.resize(tableStart + sprites.size() * 4, 0);
    for (size_t k = 0; k < sprites.size(); ++k) {
        // Readers take the first offset as the end of the table, so sprite 1 always gets a
        // data block; an empty sprite 1 has size 0, which reads back as no pixels.
        if (sprites[k].empty() && k != 0) {
            continue;
        }
        const uint32_t offset = static_cast<uint32_t>(bytes.size());
        for (int shift = 0; shift < 32; shift += 8) {
            bytes[tableStart + k * 4 + shift / 8] = static_cast<uint8_t>(offset >> shift);
        }
        AppendSpriteData(bytes, sprites[k].empty() ? std::vector<uint8_t>{}
                                                   : EncodeSpritePixels(sprites[k]));
    }
    AtomicFileWriter writer(path);
    return writer.Open() && writer.Write(bytes.data(), bytes.size()) && writer.Commit();
}

}  // namespace tessark
