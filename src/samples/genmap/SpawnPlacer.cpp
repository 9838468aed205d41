#include "samples/genmap/SpawnPlacer.h"

#include <memory>

#include "model/Spawn.h"
#include "model/TessarkDoc.h"
#include "samples/genmap/TerrainGrid.h"
#include "samples/genmap/ThingPlacer.h"
#include "samples/genmap/WorldPalette.h"

namespace tessark::genmap {

bool SpawnPlacer::IsAreaFree(const Position& center, int32_t radius) const
{
    for (const auto& area : areas_) {
        if (area.center.z != center.z) {
            continue;
        }
        const int64_t dx = area.center.x - center.x;
        const int64_t dy = area.center.y - center.y;
        const int64_t gap = int64_t{area.radius} + radius + 2;
        if (dx * dx + dy * dy < gap * gap) {
            return false;
        }
    }
    return true;
}

bool SpawnPlacer::AddSpawn(const Position& center, int32_t radius, std::initializer_list<int32_t> creatures,
                           gendata::SeededRandom& random)
{
    if (!IsAreaFree(center, radius)) {
        return false;
    }
    CSpawnList& spawns = placer_.Document().Spawns();
    CSpawn* spawn = spawns.CreateSpawn(center, radius);
    size_t placed = 0;
    for (int32_t key : creatures) {
        for (int attempt = 0; attempt < 24; ++attempt) {
            const int32_t dx = random.Range(-radius, radius);
            const int32_t dy = random.Range(-radius, radius);
            const Position at{center.x + dx, center.y + dy, center.z};
            if (dx * dx + dy * dy > radius * radius || !placer_.IsWalkable(at)) {
                continue;
            }
            const uint32_t direction = random.Below(4);
            const uint32_t spawnTime = 60 + 30 * random.Below(5);
            if (placer_.PlaceCreature(key, at, direction, spawnTime)) {
                ++placed;
                break;
            }
        }
    }
    if (placed == 0) {
        spawns.RemoveSpawn(spawn);
        return false;
    }
    areas_.push_back({center, radius});
    return true;
}

void SpawnPlacer::PopulateWilds(const TerrainGrid& grid, const WorldPalette& palette, uint64_t seed)
{
    gendata::SeededRandom random = gendata::SeededRandom::For(seed, 0x5A77);
    const auto& c = palette.creature;
    const int64_t side = grid.Last() - grid.First() + 1;
    const int64_t wanted = side * side / 4500;
    const int64_t attempts = wanted * 6;
    int64_t made = 0;
    // A camp: a fire in the middle and the campers' stores beside it.
    const auto camp = [&](const Position& center, int32_t store, std::initializer_list<int32_t> creatures) {
        if (!IsAreaFree(center, 5)) {
            return false;
        }
        placer_.Place(palette.campfire, center);
        for (const Position& at : {Position{center.x + 2, center.y - 1, 7}, Position{center.x - 2, center.y + 1, 7}}) {
            if (placer_.IsBare(at)) {
                placer_.Place(store, at);
            }
        }
        return AddSpawn(center, 5, creatures, random);
    };
    for (int64_t attempt = 0; attempt < attempts && made < wanted; ++attempt) {
        const int32_t x = random.Range(grid.First() + 4, grid.Last() - 4);
        const int32_t y = random.Range(grid.First() + 4, grid.Last() - 4);
        const Position center{x, y, 7};
        // Creatures keep their distance from towns and roads.
        bool nearTown = false;
        for (int32_t d = -8; d <= 8 && !nearTown; d += 4) {
            nearTown = grid.Has(x + d, y, kCellTown | kCellBuilt) || grid.Has(x, y + d, kCellTown | kCellBuilt);
        }
        if (nearTown || !placer_.IsWalkable(center)) {
            continue;
        }
        bool added = false;
        switch (grid.Get(x, y)) {
        case Terrain::ForestFloor:
            added = random.Chance(75) ? AddSpawn(center, 4, {c.wolf, c.wolf, c.wolf}, random)
                                      : AddSpawn(center, 3, {c.giantSpider, c.poisonSpider}, random);
            break;
        case Terrain::Dirt:
        case Terrain::Rock:
            added = AddSpawn(center, 4, {c.troll, c.troll}, random);
            break;
        case Terrain::Sand:
            added = AddSpawn(center, 3, {c.rat, c.rat}, random);
            break;
        case Terrain::DryGrass:
            added = camp(center, palette.barrel, {c.orc, c.orc, c.orcWarrior});
            break;
        case Terrain::Grass:
        case Terrain::FloweryGrass:
            if (random.Chance(50)) {
                added = camp(center, palette.crates, {c.bandit, c.bandit, c.darkMage});
            } else {
                added = AddSpawn(center, 4, {c.wolf, c.wolf}, random);
            }
            break;
        default:
            break;
        }
        made += added ? 1 : 0;
    }
}

}  // namespace tessark::genmap
