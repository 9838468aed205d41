#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessark::genmap {

// What covers a square of the ground floor before anything stands on it.
enum class Terrain : uint8_t {
    None,  // outside the world: no tile
    Water,
    Sand,
    Grass,
    FloweryGrass,
    DryGrass,
    ForestFloor,
    Dirt,
    Gravel,
    Rock,
    Cobblestone,
    StoneTiles,
    Bridge,
    WoodenFloor,
    DarkWoodenFloor,
    StoneFloor,
    MarbleFloor,
    RedCarpet,
};

// Marks of a square that the later stages respect.
enum CellFlag : uint8_t {
    kCellTown = 0x01,      // inside a town: no wild plants or creatures
    kCellBuilt = 0x02,     // a building, street, plaza or road: keep free of plants
    kCellReserved = 0x04,  // something stands or will stand here
    kCellRoad = 0x08,      // a road between towns (roads may cross each other)
};

// The ground floor of the world as a grid of terrains and marks, planned before any tile is
// made. The world occupies [First(), Last()] on both axes: the map's border margin stays empty.
class TerrainGrid {
public:
    TerrainGrid(int32_t size, int32_t margin);

    int32_t Size() const { return size_; }
    int32_t First() const { return margin_; }
    int32_t Last() const { return size_ - 1 - margin_; }
    bool Contains(int32_t x, int32_t y) const
    {
        return x >= First() && y >= First() && x <= Last() && y <= Last();
    }

    Terrain Get(int32_t x, int32_t y) const
    {
        return Contains(x, y) ? terrain_[Index(x, y)] : Terrain::None;
    }
    void Set(int32_t x, int32_t y, Terrain terrain)
    {
        if (Contains(x, y)) {
            terrain_[Index(x, y)] = terrain;
        }
    }
    bool Has(int32_t x, int32_t y, uint8_t flags) const
    {
        return Contains(x, y) && (flags_[Index(x, y)] & flags) != 0;
    }
    void Mark(int32_t x, int32_t y, uint8_t flags)
    {
        if (Contains(x, y)) {
            flags_[Index(x, y)] |= flags;
        }
    }

    // Open land that a road, a building or a camp may take.
    bool IsLand(int32_t x, int32_t y) const;
    // Every square of the rectangle is open land and unmarked by the given flags.
    bool IsFreeLand(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t flags) const;

private:
    size_t Index(int32_t x, int32_t y) const
    {
        return static_cast<size_t>(y) * static_cast<size_t>(size_) + static_cast<size_t>(x);
    }

    int32_t size_;
    int32_t margin_;
    std::vector<Terrain> terrain_;
    std::vector<uint8_t> flags_;
};

// Grass in any of its looks.
bool IsGrassy(Terrain terrain);

}  // namespace tessark::genmap
