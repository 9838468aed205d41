#include "samples/genmap/CaveBuilder.h"

#include <algorithm>
#include <deque>

#include "model/Item.h"
#include "samples/genmap/BorderPlacer.h"
#include "samples/genmap/SpawnPlacer.h"
#include "samples/genmap/ThingPlacer.h"
#include "samples/genmap/WorldPalette.h"

namespace tessark::genmap {

namespace {

constexpr uint8_t kClosed = 0;
constexpr uint8_t kFloor = 1;
constexpr uint8_t kLava = 2;

constexpr int32_t kDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int32_t kDy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};

}  // namespace

bool CaveBuilder::Layout::IsOpen(int32_t x, int32_t y) const { return Get(x, y) == kFloor; }

uint8_t& CaveBuilder::Layout::At(int32_t x, int32_t y)
{
    return open[static_cast<size_t>((y - area.y0) * area.Width() + (x - area.x0))];
}

uint8_t CaveBuilder::Layout::Get(int32_t x, int32_t y) const
{
    if (!area.Contains(x, y)) {
        return kClosed;
    }
    return open[static_cast<size_t>((y - area.y0) * area.Width() + (x - area.x0))];
}

CaveBuilder::Layout CaveBuilder::Carve(const Rect& area, const Position& entrance, int32_t steps,
                                       gendata::SeededRandom& random)
{
    Layout layout;
    layout.area = area;
    layout.open.assign(static_cast<size_t>(area.Width() * area.Height()), kClosed);
    // The passages keep two squares from the edge of the area so that their rock fits in it.
    const Rect inner = area.Grown(-2);
    const auto carve = [&](int32_t x, int32_t y, int32_t w, int32_t h) {
        for (int32_t py = y; py < y + h; ++py) {
            for (int32_t px = x; px < x + w; ++px) {
                if (inner.Contains(px, py)) {
                    layout.At(px, py) = kFloor;
                }
            }
        }
    };
    carve(entrance.x - 1, entrance.y - 1, 3, 3);
    for (int walker = 0; walker < 3; ++walker) {
        int32_t x = entrance.x;
        int32_t y = entrance.y;
        int direction = static_cast<int>(random.Below(4));
        for (int32_t step = 0; step < steps / 3; ++step) {
            // Passages run on for a while before they turn.
            if (random.Chance(18)) {
                direction = static_cast<int>(random.Below(4));
            }
            static constexpr int32_t kStepX[4] = {0, 1, 0, -1};
            static constexpr int32_t kStepY[4] = {-1, 0, 1, 0};
            const int32_t nx = x + kStepX[direction];
            const int32_t ny = y + kStepY[direction];
            if (!inner.Contains(nx, ny) || !inner.Contains(nx + 1, ny + 1)) {
                direction = (direction + 2) % 4;
                continue;
            }
            x = nx;
            y = ny;
            carve(x, y, 2, 2);
            if (random.Chance(2)) {
                carve(x - 2, y - 2, 6, 5);  // a chamber
            }
        }
    }
    return layout;
}

void CaveBuilder::MeasureDistances(Layout& layout, const Position& entrance)
{
    layout.distance.assign(layout.open.size(), -1);
    const auto index = [&layout](int32_t x, int32_t y) {
        return static_cast<size_t>((y - layout.area.y0) * layout.area.Width() + (x - layout.area.x0));
    };
    std::deque<Position> queue{entrance};
    layout.distance[index(entrance.x, entrance.y)] = 0;
    while (!queue.empty()) {
        const Position p = queue.front();
        queue.pop_front();
        for (int i = 0; i < 8; i += 2) {
            const int32_t x = p.x + kDx[i];
            const int32_t y = p.y + kDy[i];
            if (layout.IsOpen(x, y) && layout.distance[index(x, y)] < 0) {
                layout.distance[index(x, y)] = layout.distance[index(p.x, p.y)] + 1;
                queue.push_back({x, y, p.z});
            }
        }
    }
}

void CaveBuilder::Emit(const Layout& layout, int32_t z)
{
    const Rect& a = layout.area;
    const BorderClass floorClass{2, &palette_.caveBorder};
    const BorderClass rockClass{1, nullptr};
    const BorderClass lavaClass{0, nullptr};
    const auto classOf = [&](uint8_t cell) { return cell == kFloor ? floorClass : cell == kLava ? lavaClass : rockClass; };
    const auto fringe = [&](int32_t x, int32_t y) {
        for (int i = 0; i < 8; ++i) {
            if (layout.Get(x + kDx[i], y + kDy[i]) != kClosed) {
                return true;
            }
        }
        return false;
    };
    for (int32_t y = a.y0; y <= a.y1; ++y) {
        for (int32_t x = a.x0; x <= a.x1; ++x) {
            const uint8_t cell = layout.Get(x, y);
            if (cell == kFloor) {
                placer_.Place(palette_.ground.caveFloor, {x, y, z});
            } else if (cell == kLava) {
                placer_.Place(palette_.ground.lava, {x, y, z});
            } else if (fringe(x, y)) {
                placer_.Place(palette_.ground.rock, {x, y, z});
            }
        }
    }
    for (int32_t y = a.y0; y <= a.y1; ++y) {
        for (int32_t x = a.x0; x <= a.x1; ++x) {
            const uint8_t cell = layout.Get(x, y);
            if (cell == kFloor || (cell == kClosed && !fringe(x, y))) {
                continue;
            }
            BorderPlacer::Neighbours around;
            for (size_t i = 0; i < 8; ++i) {
                around[i] = classOf(layout.Get(x + kDx[i], y + kDy[i]));
            }
            BorderPlacer::Place(placer_, {x, y, z}, classOf(cell), around);
        }
    }
}

CaveBuilder::Cave CaveBuilder::Dig(Kind kind, const Position& entrance, const Rect& bounds, const Position& home,
                                   uint32_t uniqueId, gendata::SeededRandom& random)
{
    Cave cave;
    const int32_t halfWidth = kind == Kind::Mine ? 26 : 18;
    const int32_t halfHeight = kind == Kind::Mine ? 20 : 14;
    const Rect area{std::max(bounds.x0, entrance.x - halfWidth), std::max(bounds.y0, entrance.y - halfHeight),
                    std::min(bounds.x1, entrance.x + halfWidth), std::min(bounds.y1, entrance.y + halfHeight)};
    if (!area.Grown(-3).Contains(entrance.x, entrance.y)) {
        return cave;
    }
    Layout layout = Carve(area, entrance, kind == Kind::Mine ? 660 : 420, random);
    if (kind == Kind::Grotto) {
        // Pools of lava where the floor is wide enough to walk round them.
        MeasureDistances(layout, entrance);
        for (int32_t y = area.y0; y <= area.y1; ++y) {
            for (int32_t x = area.x0; x <= area.x1; ++x) {
                // A pool of three by three in the middle of floor that is open three squares
                // round, so that a way round it always stays.
                bool wide = layout.IsOpen(x, y) &&
                            layout.distance[static_cast<size_t>((y - area.y0) * area.Width() + (x - area.x0))] > 6;
                for (int32_t dy = -3; dy <= 3 && wide; ++dy) {
                    for (int32_t dx = -3; dx <= 3 && wide; ++dx) {
                        wide = layout.IsOpen(x + dx, y + dy);
                    }
                }
                if (wide && random.Chance(6)) {
                    for (int32_t dy = -1; dy <= 1; ++dy) {
                        for (int32_t dx = -1; dx <= 1; ++dx) {
                            if (dx == 0 || dy == 0 || random.Chance(60)) {
                                layout.At(x + dx, y + dy) = kLava;
                            }
                        }
                    }
                }
            }
        }
    }
    MeasureDistances(layout, entrance);
    Emit(layout, entrance.z);
    cave.dug = true;
    cave.entrance = entrance;
    Furnish(kind, layout, cave, home, uniqueId, random);
    return cave;
}

void CaveBuilder::Furnish(Kind kind, const Layout& layout, Cave& cave, const Position& home, uint32_t uniqueId,
                          gendata::SeededRandom& random)
{
    const Rect& a = layout.area;
    const int32_t z = cave.entrance.z;
    const auto distanceAt = [&](int32_t x, int32_t y) {
        return layout.distance[static_cast<size_t>((y - a.y0) * a.Width() + (x - a.x0))];
    };
    int32_t farthest = 0;
    cave.farEnd = cave.entrance;
    for (int32_t y = a.y0; y <= a.y1; ++y) {
        for (int32_t x = a.x0; x <= a.x1; ++x) {
            if (distanceAt(x, y) > farthest) {
                farthest = distanceAt(x, y);
                cave.farEnd = {x, y, z};
            }
        }
    }
    // Squares about a given way in, on open floor all round.
    const auto squareAt = [&](int32_t target) {
        std::vector<Position> found;
        for (int32_t y = a.y0; y <= a.y1; ++y) {
            for (int32_t x = a.x0; x <= a.x1; ++x) {
                const int32_t d = distanceAt(x, y);
                if (d >= target - 2 && d <= target + 2 && layout.IsOpen(x - 1, y) && layout.IsOpen(x + 1, y) &&
                    layout.IsOpen(x, y - 1) && layout.IsOpen(x, y + 1)) {
                    found.push_back({x, y, z});
                }
            }
        }
        return found.empty() ? cave.farEnd : found[random.Below(static_cast<uint32_t>(found.size()))];
    };
    cave.middle = squareAt(farthest / 2);
    placer_.Place(palette_.ladder, cave.entrance);

    // Litter of the deep, away from the way in; only flat things where a passage is narrow.
    for (int32_t y = a.y0; y <= a.y1; ++y) {
        for (int32_t x = a.x0; x <= a.x1; ++x) {
            if (distanceAt(x, y) < 3) {
                continue;
            }
            const Position at{x, y, z};
            const uint32_t roll = random.Below(1000);
            if (!layout.IsOpen(x, y - 1) && !layout.IsOpen(x - 1, y) && roll < 300) {
                placer_.Place(palette_.cobwebNorthWest, at);
            } else if (!layout.IsOpen(x, y - 1) && !layout.IsOpen(x + 1, y) && roll < 300) {
                placer_.Place(palette_.cobwebNorthEast, at);
            } else if (roll < 30) {
                placer_.Place(palette_.smallStones, at);
            } else if (roll < 50 && kind == Kind::Mine) {
                placer_.Place(random.Chance(50) ? palette_.toadstool : palette_.mushrooms, at);
            } else if (roll < 62) {
                placer_.Place(kind == Kind::Mine ? palette_.bones : palette_.skull, at);
            } else if (roll < 70) {
                // Puddles of water in the mines, old blood in the grotto.
                placer_.Place(palette_.pool, at, kind == Kind::Mine ? 1 : 2);
            } else if (roll < 90 && !layout.IsOpen(x, y - 1)) {
                placer_.Place(palette_.hangingVines, at);
            }
        }
    }

    // The treasure at the far end, with coins beside it and the way home.
    CItem* chest = placer_.Place(palette_.treasureChest, cave.farEnd);
    if (chest) {
        chest->SetUniqueId(uniqueId);
        chest->SetActionId(2000 + uniqueId % 1000);
    }
    int placedBeside = 0;
    for (int i = 0; i < 8 && placedBeside < 3; i += 2) {
        const Position at{cave.farEnd.x + kDx[i], cave.farEnd.y + kDy[i], z};
        if (!layout.IsOpen(at.x, at.y) || !placer_.IsWalkable(at)) {
            continue;
        }
        if (placedBeside == 0) {
            placer_.PlaceTeleport(kind == Kind::Mine ? palette_.magicPortal : palette_.redPortal, at, home);
        } else if (placedBeside == 1) {
            placer_.Place(palette_.goldCoin, at, random.Range(40, 100));
        } else {
            placer_.Place(palette_.ruby, at, random.Range(2, 6));
        }
        ++placedBeside;
    }

    const auto& c = palette_.creature;
    if (kind == Kind::Mine) {
        spawns_.AddSpawn(squareAt(farthest / 4), 3, {c.caveRat, c.caveRat, c.rat}, random);
        if (random.Chance(50)) {
            spawns_.AddSpawn(squareAt(farthest * 3 / 5), 3, {c.giantSpider, c.poisonSpider}, random);
        } else {
            spawns_.AddSpawn(squareAt(farthest * 3 / 5), 3, {c.skeleton, c.skeleton, c.ghost}, random);
        }
        spawns_.AddSpawn(squareAt(farthest * 4 / 5), 2, {c.skeleton, c.ghost}, random);
    } else {
        spawns_.AddSpawn(squareAt(farthest / 3), 3, {c.fireDragon}, random);
        spawns_.AddSpawn(squareAt(farthest * 3 / 4), 3, {c.dragon, c.darkMage}, random);
    }
}

}  // namespace tessark::genmap
