#include "samples/genmap/NaturePlacer.h"

#include <vector>

#include "samples/gendata/SeededRandom.h"
#include "samples/genmap/TerrainGrid.h"
#include "samples/genmap/ThingPlacer.h"
#include "samples/genmap/WorldPalette.h"

namespace tessark::genmap {

namespace {

int32_t Pick(const std::vector<int32_t>& keys, gendata::SeededRandom& random)
{
    return keys[random.Below(static_cast<uint32_t>(keys.size()))];
}

bool NextTo(const TerrainGrid& grid, int32_t x, int32_t y, Terrain terrain)
{
    return grid.Get(x - 1, y) == terrain || grid.Get(x + 1, y) == terrain || grid.Get(x, y - 1) == terrain ||
           grid.Get(x, y + 1) == terrain;
}

// Something built on this square or next to it: plants keep the way free.
bool NearBuilt(const TerrainGrid& grid, int32_t x, int32_t y)
{
    for (int32_t dy = -1; dy <= 1; ++dy) {
        for (int32_t dx = -1; dx <= 1; ++dx) {
            if (grid.Has(x + dx, y + dy, kCellBuilt)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool NaturePlacer::PlantTree(TerrainGrid& grid, int32_t key, int32_t x, int32_t y)
{
    for (int32_t dy = -1; dy <= 0; ++dy) {
        for (int32_t dx = -1; dx <= 0; ++dx) {
            if (!grid.Contains(x + dx, y + dy) || grid.Has(x + dx, y + dy, kCellBuilt | kCellReserved) ||
                (grid.Has(x + dx, y + dy, kCellTown) && NearBuilt(grid, x + dx, y + dy))) {
                return false;
            }
        }
    }
    if (!placer_.HoldsNothing({x, y, 7})) {
        return false;
    }
    placer_.Place(key, {x, y, 7});
    for (int32_t dy = -1; dy <= 0; ++dy) {
        for (int32_t dx = -1; dx <= 0; ++dx) {
            grid.Mark(x + dx, y + dy, kCellReserved);
        }
    }
    return true;
}

void NaturePlacer::Grow(TerrainGrid& grid, uint64_t seed)
{
    const uint64_t stream = gendata::SeededRandom::For(seed, 0x6E61).Next();
    for (int32_t y = grid.First() + 1; y <= grid.Last(); ++y) {
        for (int32_t x = grid.First() + 1; x <= grid.Last(); ++x) {
            if (grid.Has(x, y, kCellBuilt | kCellReserved)) {
                continue;
            }
            // In town the gardens are tidier: a tree here and there, bushes and flowers.
            const bool inTown = grid.Has(x, y, kCellTown);
            if (inTown && NearBuilt(grid, x, y)) {
                continue;
            }
            gendata::SeededRandom random = gendata::SeededRandom::For(stream, static_cast<uint64_t>(x), static_cast<uint64_t>(y));
            const uint32_t roll = random.Below(inTown ? 2500 : 1000);
            const Position at{x, y, 7};
            int32_t tree = -1;
            int32_t plant = -1;
            switch (grid.Get(x, y)) {
            case Terrain::ForestFloor:
                if (roll < 330) {
                    tree = random.Chance(25) ? palette_.pineTree : Pick(palette_.leafyTrees, random);
                } else if (roll < 400) {
                    plant = random.Chance(60) ? palette_.fern : palette_.mushrooms;
                } else if (roll < 420) {
                    plant = random.Chance(50) ? palette_.toadstool : palette_.treeStump;
                } else if (roll < 428) {
                    plant = palette_.fallenLog;
                }
                break;
            case Terrain::Grass:
            case Terrain::FloweryGrass:
                if (roll < 18) {
                    tree = Pick(palette_.leafyTrees, random);
                } else if (roll < 32) {
                    plant = Pick(palette_.bushes, random);
                } else if (roll < 52) {
                    plant = Pick(palette_.flowers, random);
                } else if (roll < 72) {
                    plant = palette_.tallGrass;
                } else if (roll < 76) {
                    plant = palette_.smallStones;
                }
                break;
            case Terrain::DryGrass:
                if (roll < 6) {
                    tree = palette_.deadTree;
                } else if (roll < 60) {
                    plant = palette_.tallGrass;
                } else if (roll < 66) {
                    plant = palette_.haystack;
                } else if (roll < 72) {
                    plant = palette_.smallStones;
                }
                break;
            case Terrain::Sand:
                if (NextTo(grid, x, y, Terrain::Water)) {
                    if (roll < 120) {
                        plant = palette_.reeds;
                    }
                } else if (roll < 25) {
                    tree = palette_.palmTree;
                } else if (roll < 45) {
                    plant = palette_.smallStones;
                }
                break;
            case Terrain::Dirt:
                if (roll < 25) {
                    plant = palette_.smallStones;
                } else if (roll < 40) {
                    plant = palette_.standingStone;
                } else if (roll < 46) {
                    tree = palette_.deadTree;
                }
                break;
            case Terrain::Rock:
                if (roll < 20) {
                    tree = palette_.boulder;
                } else if (roll < 50) {
                    plant = random.Chance(50) ? palette_.standingStone : palette_.mossyStone;
                }
                break;
            case Terrain::Water:
                if (roll < 60 && (NextTo(grid, x, y, Terrain::Sand))) {
                    plant = palette_.waterLily;
                }
                break;
            default:
                break;
            }
            if (tree >= 0) {
                PlantTree(grid, tree, x, y);
            } else if (plant >= 0 && placer_.HoldsNothing(at)) {
                placer_.Place(plant, at);
            }
        }
    }
}

}  // namespace tessark::genmap
