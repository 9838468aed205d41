#pragma once

#include <cstddef>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <unordered_set>
#include <vector>

#include "model/Position.h"

namespace tessark {

class CTessarkDoc;

// The selected map positions, in the order they were added, without repeats.
class Selection {
public:
    // Refused (false) when the position is already selected, holds no tile or lies outside the
    // map.
    bool Add(const CTessarkDoc& document, const Position& position);
    // Appends without the tile and map checks, for positions the document just filled.
    bool AddUnchecked(const Position& position);
    // False when the position was not selected.
    bool Remove(const Position& position);
    void Clear()
    {
        positions_.clear();
        members_.clear();
        bounds_ = {};
    }

    // Constant time: the drawing code asks for every tile it draws.
    bool Contains(const Position& position) const { return members_.contains(position); }
    bool Empty() const { return positions_.empty(); }
    size_t Size() const { return positions_.size(); }
    std::span<const Position> Positions() const { return positions_; }
    // Whether any selected position of floor z may lie within the tiles (inclusive): false
    // only when none does. Removals do not shrink the box it looks at.
    bool MayTouch(int z, int left, int top, int right, int bottom) const;

private:
    struct PositionHash {
        size_t operator()(const Position& p) const
        {
            return std::hash<uint64_t>{}((uint64_t{static_cast<uint32_t>(p.x)} << 32) ^
                                         (uint64_t{static_cast<uint32_t>(p.y)} << 8) ^
                                         static_cast<uint32_t>(p.z));
        }
    };

    // Every selected position of a floor (0..15) lies inside its box.
    struct Bounds {
        bool any = false;
        int32_t left = 0;
        int32_t top = 0;
        int32_t right = 0;
        int32_t bottom = 0;
    };

    std::vector<Position> positions_;
    std::unordered_set<Position, PositionHash> members_;
    std::array<Bounds, 16> bounds_{};
};

}  // namespace tessark
