#pragma once

#include <cstdint>
#include <tuple>

namespace tessark {

// A map coordinate. The tile store uses the low 16 bits of x and y and the low 8 bits of z;
// floors 0..15 exist, 7 is the ground floor.
struct Position {
    int32_t x = 0;
    int32_t y = 0;
    int32_t z = 0;

    bool operator==(const Position&) const = default;
};

// The largest x and y a tile can have: map files hold them in 16 bits and the tile store keys
// on 16 bits, so anything larger would land on another tile.
constexpr int32_t kMaxTileCoordinate = 0xFFFF;

constexpr bool IsTileCoordinate(int32_t x, int32_t y)
{
    return x >= 0 && x <= kMaxTileCoordinate && y >= 0 && y <= kMaxTileCoordinate;
}

// Floor first, then row, then column: the order of the copy buffer and of tile groups on the
// clipboard.
struct PositionZyxLess {
    bool operator()(const Position& a, const Position& b) const
    {
        return std::tie(a.z, a.y, a.x) < std::tie(b.z, b.y, b.x);
    }
};

}  // namespace tessark
