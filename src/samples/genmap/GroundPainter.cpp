#include "samples/genmap/GroundPainter.h"

#include "samples/genmap/ThingPlacer.h"
#include "samples/genmap/WorldPalette.h"

namespace tessark::genmap {

int32_t GroundPainter::GroundKey(Terrain terrain) const
{
    const auto& g = palette_.ground;
    switch (terrain) {
    case Terrain::None: return -1;
    case Terrain::Water: return g.water;
    case Terrain::Sand: return g.sand;
    case Terrain::Grass: return g.grass;
    case Terrain::FloweryGrass: return g.floweryGrass;
    case Terrain::DryGrass: return g.dryGrass;
    case Terrain::ForestFloor: return g.forestFloor;
    case Terrain::Dirt: return g.dirt;
    case Terrain::Gravel: return g.gravel;
    case Terrain::Rock: return g.rock;
    case Terrain::Cobblestone: return g.cobblestone;
    case Terrain::StoneTiles: return g.stoneTiles;
    case Terrain::Bridge: return g.darkWoodenFloor;
    case Terrain::WoodenFloor: return g.woodenFloor;
    case Terrain::DarkWoodenFloor: return g.darkWoodenFloor;
    case Terrain::StoneFloor: return g.stoneFloor;
    case Terrain::MarbleFloor: return g.marbleFloor;
    case Terrain::RedCarpet: return g.redCarpet;
    }
    return -1;
}

BorderClass GroundPainter::ClassOf(Terrain terrain) const
{
    switch (terrain) {
    case Terrain::None:
    case Terrain::Water:
        return {0, nullptr};
    case Terrain::ForestFloor:
        return {2, nullptr};
    case Terrain::Sand:
        return {3, &palette_.sandBorder};
    case Terrain::Dirt:
        return {4, &palette_.dirtBorder};
    case Terrain::DryGrass:
        // Green grass laps over the edges of the dry patches.
        return {5, nullptr};
    case Terrain::Grass:
    case Terrain::FloweryGrass:
        return {6, &palette_.grassBorder};
    default:
        // Rock, paving and floors: the natural grounds lap over their edges.
        return {1, nullptr};
    }
}

void GroundPainter::Paint(const TerrainGrid& grid, int32_t z)
{
    for (int32_t y = grid.First(); y <= grid.Last(); ++y) {
        for (int32_t x = grid.First(); x <= grid.Last(); ++x) {
            const int32_t key = GroundKey(grid.Get(x, y));
            if (key >= 0) {
                placer_.Place(key, {x, y, z});
            }
        }
    }
    static constexpr int kDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    static constexpr int kDy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
    for (int32_t y = grid.First(); y <= grid.Last(); ++y) {
        for (int32_t x = grid.First(); x <= grid.Last(); ++x) {
            const Terrain terrain = grid.Get(x, y);
            // A bridge lies over the water: nothing laps onto its planks.
            if (terrain == Terrain::None || terrain == Terrain::Bridge) {
                continue;
            }
            const BorderClass own = ClassOf(terrain);
            BorderPlacer::Neighbours around;
            bool anyHigher = false;
            for (size_t i = 0; i < 8; ++i) {
                around[i] = ClassOf(grid.Get(x + kDx[i], y + kDy[i]));
                anyHigher = anyHigher || (around[i].set && around[i].rank > own.rank);
            }
            if (anyHigher) {
                BorderPlacer::Place(placer_, {x, y, z}, own, around);
            }
        }
    }
}

}  // namespace tessark::genmap
