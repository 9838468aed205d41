#include "samples/genmap/WorldGenerator.h"

#include <algorithm>
#include <optional>
#include <string>

#include "model/TessarkDoc.h"
#include "samples/gendata/SeededRandom.h"
#include "samples/genmap/CaveBuilder.h"
#include "samples/genmap/GroundPainter.h"
#include "samples/genmap/NaturePlacer.h"
#include "samples/genmap/RoadBuilder.h"
#include "samples/genmap/SpawnPlacer.h"
#include "samples/genmap/ThingPlacer.h"
#include "samples/genmap/TownBuilder.h"
#include "samples/genmap/TownPlanner.h"
#include "samples/genmap/WorldNames.h"
#include "samples/genmap/WorldPalette.h"

namespace tessark::genmap {

namespace {

using gendata::SeededRandom;

// Stages draw on their own streams, so that a change in one leaves the others as they were.
enum Stage : uint64_t { kSites = 10, kTowns, kRoads, kCaves, kBuildings, kNature, kWilds };

constexpr int32_t kTownRadiusMin = 42;
constexpr int32_t kTownRadiusMax = 50;
constexpr int32_t kCaveReach = 28;  // half the width of a cave's area, and some

int32_t SideTowards(const TownSite& from, const TownSite& to)
{
    const int32_t dx = to.x - from.x;
    const int32_t dy = to.y - from.y;
    if (std::abs(dx) >= std::abs(dy)) {
        return dx >= 0 ? 1 : 3;
    }
    return dy >= 0 ? 2 : 0;
}

Position Beyond(const Position& end, int side, int32_t by)
{
    constexpr int32_t kOutX[4] = {0, 1, 0, -1};
    constexpr int32_t kOutY[4] = {-1, 0, 1, 0};
    return {end.x + kOutX[side] * by, end.y + kOutY[side] * by, end.z};
}

}  // namespace

WorldGenerator::WorldGenerator(CTessarkDoc& document, const WorldPalette& palette, const WorldSettings& settings)
    : document_(document), palette_(palette), settings_(settings)
{
}

std::vector<TownSite> WorldGenerator::ChooseTownSites(const TerrainGrid& grid) const
{
    SeededRandom random = SeededRandom::For(settings_.seed, kSites);
    // Towns keep clear of the sea along the edges where they can.
    const int32_t lo = std::min(grid.First() + kTownRadiusMax + 2 + std::clamp(grid.Size() / 12, 0, 48),
                                (grid.First() + grid.Last()) / 2);
    const int32_t hi = std::max(grid.Last() - (lo - grid.First()), lo);
    const int32_t span = hi - lo + 1;
    constexpr int32_t kCell = 2 * kTownRadiusMax + 40;
    const int32_t columns = std::clamp(span / kCell, 1, 4);
    const int32_t wanted = std::clamp(grid.Size() / 256, 1, columns * columns);
    const int32_t rows = (wanted + columns - 1) / columns;
    std::vector<TownSite> sites;
    for (int32_t i = 0; i < wanted; ++i) {
        const int32_t column = i % columns;
        const int32_t row = i / columns;
        const int32_t cellWidth = span / columns;
        const int32_t cellHeight = span / rows;
        const int32_t jitterX = std::max(0, cellWidth / 2 - kTownRadiusMax - 16);
        const int32_t jitterY = std::max(0, cellHeight / 2 - kTownRadiusMax - 16);
        TownSite site;
        site.x = lo + cellWidth * column + cellWidth / 2 + random.Range(-jitterX, jitterX);
        site.y = lo + cellHeight * row + cellHeight / 2 + random.Range(-jitterY, jitterY);
        // On the smallest maps the town shrinks to stay inside the world.
        const int32_t room = std::min({site.x - grid.First(), grid.Last() - site.x, site.y - grid.First(),
                                       grid.Last() - site.y}) - 2;
        site.radius = std::min(random.Range(kTownRadiusMin, kTownRadiusMax), room);
        sites.push_back(site);
    }
    return sites;
}

bool WorldGenerator::ChooseCaveEntrance(TerrainGrid& grid, const TownSite& site, std::vector<Position>& taken,
                                        Position& entrance) const
{
    SeededRandom random = SeededRandom::For(settings_.seed, kCaves, static_cast<uint64_t>(site.x),
                                            static_cast<uint64_t>(site.y));
    for (int attempt = 0; attempt < 200; ++attempt) {
        const int32_t reach = site.radius + random.Range(12, 40);
        const int32_t x = site.x + random.Range(-reach, reach);
        const int32_t y = site.y + random.Range(-reach, reach);
        if (x < grid.First() + kCaveReach || y < grid.First() + kCaveReach || x > grid.Last() - kCaveReach ||
            y > grid.Last() - kCaveReach) {
            continue;
        }
        if (!grid.IsFreeLand(x - 2, y - 2, x + 2, y + 2, kCellBuilt | kCellReserved | kCellTown)) {
            continue;
        }
        bool apart = true;
        for (const Position& other : taken) {
            apart = apart && (std::abs(other.x - x) > 2 * kCaveReach + 4 || std::abs(other.y - y) > 2 * kCaveReach);
        }
        if (!apart) {
            continue;
        }
        for (int32_t dy = -1; dy <= 1; ++dy) {
            for (int32_t dx = -1; dx <= 1; ++dx) {
                grid.Mark(x + dx, y + dy, kCellReserved);
            }
        }
        entrance = {x, y, 7};
        taken.push_back(entrance);
        return true;
    }
    return false;
}

std::vector<TownPlan> WorldGenerator::PlanTowns(TerrainGrid& grid, const std::vector<TownSite>& sites) const
{
    WorldNames names(settings_.seed);
    std::vector<TownPlan> towns;
    uint32_t nextHouseId = 1;
    SeededRandom random = SeededRandom::For(settings_.seed, kTowns);
    for (size_t i = 0; i < sites.size(); ++i) {
        towns.push_back(
            TownPlanner::Plan(grid, sites[i], static_cast<uint32_t>(i + 1), names.TownName(), nextHouseId, random));
    }
    return towns;
}

void WorldGenerator::LayRoads(TerrainGrid& grid, const std::vector<TownPlan>& towns) const
{
    // Each town is joined to the nearest of the towns before it, so that all are connected.
    SeededRandom random = SeededRandom::For(settings_.seed, kRoads);
    for (size_t i = 1; i < towns.size(); ++i) {
        size_t nearest = 0;
        int64_t best = -1;
        for (size_t j = 0; j < i; ++j) {
            const int64_t dx = towns[j].site.x - towns[i].site.x;
            const int64_t dy = towns[j].site.y - towns[i].site.y;
            if (best < 0 || dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
                nearest = j;
            }
        }
        const TownPlan& a = towns[i];
        const TownPlan& b = towns[nearest];
        const int sideA = SideTowards(a.site, b.site);
        const int sideB = SideTowards(b.site, a.site);
        const Position endA = a.streetEnds[static_cast<size_t>(sideA)];
        const Position endB = b.streetEnds[static_cast<size_t>(sideB)];
        // Straight out of town first, then across the land.
        RoadBuilder::Lay(grid, endA, Beyond(endA, sideA, 10), random);
        RoadBuilder::Lay(grid, Beyond(endA, sideA, 10), Beyond(endB, sideB, 10), random);
        RoadBuilder::Lay(grid, Beyond(endB, sideB, 10), endB, random);
    }
}

void WorldGenerator::DigCaves(ThingPlacer& placer, SpawnPlacer& spawns, const TerrainGrid& grid,
                              const std::vector<TownPlan>& towns, const std::vector<std::optional<Position>>& entrances) const
{
    CaveBuilder caves(placer, palette_, spawns);
    const Rect bounds{grid.First() + 1, grid.First() + 1, grid.Last() - 1, grid.Last() - 1};
    SeededRandom random = SeededRandom::For(settings_.seed, kCaves);
    for (size_t i = 0; i < towns.size(); ++i) {
        if (!entrances[i]) {
            continue;
        }
        const Position top = *entrances[i];
        const CaveBuilder::Cave mine = caves.Dig(CaveBuilder::Kind::Mine, {top.x, top.y, 8}, bounds, towns[i].temple,
                                                 static_cast<uint32_t>(1000 + i), random);
        if (!mine.dug) {
            continue;
        }
        placer.Place(palette_.stairsDown, top);
        placer.PlaceText(palette_.woodenSign, {top.x + 1, top.y + 1, 7},
                         "The old mine of " + towns[i].name + ". Enter at your own risk.");
        if (i == 0) {
            // Below the first mine lies a hotter place.
            const CaveBuilder::Cave grotto = caves.Dig(CaveBuilder::Kind::Grotto, {mine.middle.x, mine.middle.y, 9},
                                                       bounds, towns[i].temple, 1999, random);
            if (grotto.dug) {
                placer.Place(palette_.stairsDown, mine.middle);
            }
        }
    }
}

void WorldGenerator::Generate()
{
    const int32_t size = settings_.size;
    document_.width = size;
    document_.height = size;
    document_.SetDescription("A generated world of " + std::to_string(size) + " x " + std::to_string(size) +
                             " tiles (seed " + std::to_string(settings_.seed) + ").");

    // Plan: the land, the towns, the roads between them, the ways down into the caves.
    TerrainGrid grid(size, document_.borderX);
    const std::vector<TownSite> sites = ChooseTownSites(grid);
    TerrainGenerator(settings_.seed).Generate(grid, sites);
    const std::vector<TownPlan> towns = PlanTowns(grid, sites);
    LayRoads(grid, towns);
    std::vector<std::optional<Position>> entrances(towns.size());
    std::vector<Position> taken;
    for (size_t i = 0; i < towns.size(); ++i) {
        Position entrance;
        if (ChooseCaveEntrance(grid, towns[i].site, taken, entrance)) {
            entrances[i] = entrance;
        }
    }

    // Build: grounds and borders, towns, caves, then the wild grows and fills with creatures.
    ThingPlacer placer(document_, {grid.First(), grid.First(), grid.Last(), grid.Last()});
    SpawnPlacer spawns(placer);
    GroundPainter(placer, palette_).Paint(grid, 7);
    SeededRandom buildRandom = SeededRandom::For(settings_.seed, kBuildings);
    TownBuilder townBuilder(placer, palette_, spawns);
    for (size_t i = 0; i < towns.size(); ++i) {
        townBuilder.Build(towns[i], towns, towns[(i + 1) % towns.size()], buildRandom);
    }
    DigCaves(placer, spawns, grid, towns, entrances);
    NaturePlacer(placer, palette_).Grow(grid, SeededRandom::For(settings_.seed, kNature).Next());
    spawns.PopulateWilds(grid, palette_, SeededRandom::For(settings_.seed, kWilds).Next());

    if (!towns.empty()) {
        document_.temple = towns.front().temple;
    }
}

}  // namespace tessark::genmap
