#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "model/Position.h"

namespace tessark {

// A rectangle of tiles on one floor, bounds inclusive.
struct TileArea {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t z = 0;

    static TileArea Square(const Position& center, int radius)
    {
        return {center.x - radius, center.y - radius, center.x + radius, center.y + radius,
                center.z};
    }
    bool Contains(const Position& position) const
    {
        return position.z == z && position.x >= left && position.x <= right &&
               position.y >= top && position.y <= bottom;
    }
    int64_t TileCount() const
    {
        return int64_t{right - left + 1} * int64_t{bottom - top + 1};
    }
    bool operator==(const TileArea&) const = default;
};

// What a tool changed, so that the view repaints only that and the minimap only its pixels.
// Items larger than one tile are drawn growing up and left from their tile, so the drawn area
// reaches that far beyond the changed tiles.
class ChangedArea {
public:
    // A thing of widthCells x heightCells cells changed on the tile at position.
    void Add(const Position& position, int widthCells, int heightCells, bool minimapToo);
    // Something changed that is not tied to tiles (spawns, creatures), or tiles on more than one
    // floor: the whole view.
    void MarkEverything() { everything_ = true; }
    void Merge(const ChangedArea& other);

    bool Everything() const { return everything_; }
    bool Empty() const { return !everything_ && !drawn_; }
    // The tiles whose drawing may have changed, items' reach included.
    const std::optional<TileArea>& Drawn() const { return drawn_; }
    // The tiles whose minimap colour may have changed.
    const std::optional<TileArea>& Minimap() const { return minimap_; }

private:
    static void Grow(std::optional<TileArea>& area, const TileArea& add);

    bool everything_ = false;
    std::optional<TileArea> drawn_;
    std::optional<TileArea> minimap_;
};

}  // namespace tessark
