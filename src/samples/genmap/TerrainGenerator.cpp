#include "samples/genmap/TerrainGenerator.h"

#include <algorithm>

#include "samples/gendata/SeededRandom.h"
#include "samples/genmap/ValueNoise.h"

namespace tessark::genmap {

namespace {

// Squared distance, in 64 bits so that large maps cannot overflow.
int64_t Distance2(int32_t ax, int32_t ay, int32_t bx, int32_t by)
{
    const int64_t dx = ax - bx;
    const int64_t dy = ay - by;
    return dx * dx + dy * dy;
}

// Integer square root, rounded down.
int32_t Root(int64_t value)
{
    int64_t root = 0;
    int64_t bit = int64_t{1} << 40;
    while (bit > value) {
        bit >>= 2;
    }
    while (bit != 0) {
        if (value >= root + bit) {
            value -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return static_cast<int32_t>(root);
}

// Towns stand on open, level grass: their elevation is drawn into the grassland band, fading
// out over a ring around the town.
int32_t LevelForTowns(int32_t elevation, int32_t x, int32_t y, std::span<const TownSite> sites)
{
    constexpr int32_t kFade = 20;
    for (const auto& site : sites) {
        const int64_t reach = site.radius + kFade;
        const int64_t d2 = Distance2(x, y, site.x, site.y);
        if (d2 >= reach * reach) {
            continue;
        }
        const int32_t d = Root(d2);
        const int64_t weight = d <= site.radius ? 65536 : (int64_t{site.radius} + kFade - d) * 65536 / kFade;
        const int32_t level = std::clamp(elevation, TerrainGenerator::kBeachLevel + 3000,
                                         TerrainGenerator::kSlopeLevel - 3000);
        elevation += static_cast<int32_t>((static_cast<int64_t>(level - elevation) * weight) >> 16);
    }
    return elevation;
}

bool InTownZone(int32_t x, int32_t y, std::span<const TownSite> sites)
{
    for (const auto& site : sites) {
        if (Distance2(x, y, site.x, site.y) <= int64_t{site.radius} * site.radius) {
            return true;
        }
    }
    return false;
}

}  // namespace

void TerrainGenerator::Generate(TerrainGrid& grid, std::span<const TownSite> sites) const
{
    const int32_t size = grid.Size();
    const ValueNoise height(gendata::SeededRandom::For(seed_, 1).Next(), size, 128, 5);
    const ValueNoise forest(gendata::SeededRandom::For(seed_, 2).Next(), size, 48, 4);
    const ValueNoise dryness(gendata::SeededRandom::For(seed_, 3).Next(), size, 40, 3);
    // Fine wobble for the edges of forests and dry patches, so that they do not run straight.
    const ValueNoise wobble(gendata::SeededRandom::For(seed_, 5).Next(), size, 8, 2);
    const uint64_t speckle = gendata::SeededRandom::For(seed_, 4).Next();

    // The sea rises towards the edges of the world over this band.
    const int32_t band = std::clamp(size / 6, 24, 96);
    for (int32_t y = grid.First(); y <= grid.Last(); ++y) {
        for (int32_t x = grid.First(); x <= grid.Last(); ++x) {
            int32_t elevation = height.At(x, y);
            const int32_t edge = std::min({x - grid.First(), y - grid.First(), grid.Last() - x, grid.Last() - y});
            if (edge < band) {
                const int64_t gap = band - edge;
                elevation -= static_cast<int32_t>(gap * gap * 40000 / (int64_t{band} * band));
            }
            elevation = LevelForTowns(elevation, x, y, sites);
            const bool inTown = InTownZone(x, y, sites);

            Terrain terrain = Terrain::Grass;
            if (elevation < kSeaLevel) {
                terrain = Terrain::Water;
            } else if (elevation < kBeachLevel) {
                terrain = Terrain::Sand;
            } else if (elevation >= kMountainLevel) {
                terrain = Terrain::Rock;
            } else if (elevation >= kSlopeLevel) {
                terrain = Terrain::Dirt;
            } else if (inTown) {
                terrain = Terrain::Grass;
            } else {
                const int32_t wobbled = (wobble.At(x, y) - 32768) / 5;
                if (forest.At(x, y) + wobbled > 38500 && elevation > kBeachLevel + 800) {
                    terrain = Terrain::ForestFloor;
                } else if (elevation > 36000 && dryness.At(x, y) + wobbled > 40000) {
                    terrain = Terrain::DryGrass;
                }
            }
            if (terrain == Terrain::Grass) {
                gendata::SeededRandom cell = gendata::SeededRandom::For(speckle, static_cast<uint64_t>(x), static_cast<uint64_t>(y));
                if (cell.Chance(3)) {
                    terrain = Terrain::FloweryGrass;
                }
            }
            grid.Set(x, y, terrain);
            if (inTown) {
                grid.Mark(x, y, kCellTown);
            }
        }
    }
}

}  // namespace tessark::genmap
