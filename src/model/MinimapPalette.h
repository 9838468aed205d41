#pragma once

#include <cstdint>

namespace tessark {

inline constexpr int kMinimapPaletteSize = 216;

// The minimap's 6 x 6 x 6 colour cube as a pixel value 0x00RRGGBB: entry i has red (i / 36),
// green (i / 6 % 6) and blue (i % 6) in steps of 0x33. Indexes outside 0..215 are black.
constexpr uint32_t MinimapPaletteEntry(int index)
{
    if (index < 0 || index >= kMinimapPaletteSize) {
        return 0;
    }
    const uint32_t red = static_cast<uint32_t>(index / 36) * 0x33;
    const uint32_t green = static_cast<uint32_t>(index / 6 % 6) * 0x33;
    const uint32_t blue = static_cast<uint32_t>(index % 6) * 0x33;
    return (red << 16) | (green << 8) | blue;
}

// A pixel value 0x00RRGGBB as a colour reference 0x00BBGGRR, and back: the same swap.
constexpr uint32_t SwapRedBlue(uint32_t colour)
{
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

}  // namespace tessark
