#include "samples/genmap/TerrainGrid.h"

namespace tessark::genmap {

TerrainGrid::TerrainGrid(int32_t size, int32_t margin)
    : size_(size),
      margin_(margin),
      terrain_(static_cast<size_t>(size) * static_cast<size_t>(size), Terrain::None),
      flags_(static_cast<size_t>(size) * static_cast<size_t>(size), 0)
{
}

bool TerrainGrid::IsLand(int32_t x, int32_t y) const
{
    switch (Get(x, y)) {
    case Terrain::Sand:
    case Terrain::Grass:
    case Terrain::FloweryGrass:
    case Terrain::DryGrass:
    case Terrain::ForestFloor:
    case Terrain::Dirt:
    case Terrain::Gravel:
        return true;
    default:
        return false;
    }
}

bool TerrainGrid::IsFreeLand(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t flags) const
{
    for (int32_t y = y0; y <= y1; ++y) {
        for (int32_t x = x0; x <= x1; ++x) {
            if (!IsLand(x, y) || Has(x, y, flags)) {
                return false;
            }
        }
    }
    return true;
}

bool IsGrassy(Terrain terrain)
{
    return terrain == Terrain::Grass || terrain == Terrain::FloweryGrass ||
           terrain == Terrain::DryGrass;
}

}  // namespace tessark::genmap
