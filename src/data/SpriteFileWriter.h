#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessark {

// Writes a sprite file. sprites[k] is sprite id k + 1: either empty (offset 0, no data) or
// 32 x 32 pixel values 0x00RRGGBB, top row first, where 0x00FF00FF is transparent. The pixels
// are run-encoded as the sprite reader decodes them. The previous file stays intact when
// writing fails.
bool WriteSpriteFile(const std::string& path, uint32_t signature,
                     std::span<const std::vector<uint32_t>> sprites);

// The run encoding of one 32 x 32 sprite (top row first, 0x00FF00FF transparent).
std::vector<uint8_t> EncodeSpritePixels(std::span<const uint32_t> pixels);

}  // namespace tessark
