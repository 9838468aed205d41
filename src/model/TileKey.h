#pragma once

#include <cstdint>

namespace tessark {

inline constexpr int kFloorCount = 16;

// Key of a tile within its floor: high x, high y, low x, low y from the most significant byte.
// Ascending keys visit a floor one 256 x 256 block after another, x-major inside a block.
constexpr uint32_t MakeTileKey(int32_t x, int32_t y)
{
    const uint32_t ux = static_cast<uint32_t>(x) & 0xFFFF;
    const uint32_t uy = static_cast<uint32_t>(y) & 0xFFFF;
    return ((ux >> 8) << 24) | ((uy >> 8) << 16) | ((ux & 0xFF) << 8) | (uy & 0xFF);
}

constexpr void SplitTileKey(uint32_t key, int32_t& x, int32_t& y)
{
    x = static_cast<int32_t>(((key >> 24) << 8) | ((key >> 8) & 0xFF));
    y = static_cast<int32_t>((((key >> 16) & 0xFF) << 8) | (key & 0xFF));
}

// The floor the store files z under, or -1 when there is none (only the low 8 bits count).
constexpr int FloorIndex(int32_t z)
{
    const int floor = static_cast<int>(static_cast<uint32_t>(z) & 0xFF);
    return floor < kFloorCount ? floor : -1;
}

}  // namespace tessark
