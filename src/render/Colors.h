#pragma once

#include <cstdint>

namespace tessark {

// A colour reference, 0x00BBGGRR: the form tints, replacement colours and keys are given in.
// Pixels are 0x00RRGGBB; the two must not be mixed up.
using ColorRef = uint32_t;

constexpr uint32_t ColorRefToPixel(ColorRef color)
{
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

constexpr ColorRef PixelToColorRef(uint32_t pixel)
{
    return ColorRefToPixel(pixel);
}

// Magenta reads the same in both forms.
constexpr ColorRef kTransparentKey = 0x00FF00FF;
constexpr uint32_t kTransparentPixel = 0x00FF00FF;
// Tinting leaves this pixel value alone as well as the key.
constexpr uint32_t kUntintablePixel = 0x00FF11FF;

// Tints of the map view.
constexpr ColorRef kTintSelected = 0x00800000;       // navy
constexpr ColorRef kTintSelectedHouse = 0x00FFFF00;  // cyan
constexpr ColorRef kTintOtherHouse = 0x00FF0000;     // blue
constexpr ColorRef kTintProtectionZone = 0x00008000; // dark green
constexpr ColorRef kTintSpawnArea = 0x00000080;      // maroon

}  // namespace tessark
