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

// Floor first, then row, then column: the order of the copy buffer and of tile groups on the
// clipboard.
struct PositionZyxLess {
    bool operator()(const Position& a, const Position& b) const
    {
        return std::tie(a.z, a.y, a.x) < std::tie(b.z, b.y, b.x);
    }
};

}  // namespace tessark
