#include "samples/genmap/RoadBuilder.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "samples/genmap/TerrainGrid.h"

namespace tessark::genmap {

namespace {

int32_t Root(int64_t value)
{
    int64_t root = 0;
    while ((root + 1) * (root + 1) <= value) {
        ++root;
    }
    return static_cast<int32_t>(root);
}

}  // namespace

void RoadBuilder::Pave(TerrainGrid& grid, int32_t x, int32_t y)
{
    for (int32_t dy = 0; dy <= 1; ++dy) {
        for (int32_t dx = 0; dx <= 1; ++dx) {
            const int32_t px = x + dx;
            const int32_t py = y + dy;
            if (!grid.Contains(px, py) || (grid.Has(px, py, kCellBuilt) && !grid.Has(px, py, kCellRoad))) {
                continue;
            }
            const Terrain under = grid.Get(px, py);
            grid.Set(px, py, (under == Terrain::Water || under == Terrain::Bridge) ? Terrain::Bridge : Terrain::Dirt);
            grid.Mark(px, py, kCellBuilt | kCellRoad);
        }
    }
}

void RoadBuilder::Segment(TerrainGrid& grid, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    // Bresenham's line, paving a square of two by two at each step.
    const int32_t dx = std::abs(x1 - x0);
    const int32_t dy = -std::abs(y1 - y0);
    const int32_t sx = x0 < x1 ? 1 : -1;
    const int32_t sy = y0 < y1 ? 1 : -1;
    int32_t error = dx + dy;
    for (;;) {
        Pave(grid, x0, y0);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int32_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void RoadBuilder::Lay(TerrainGrid& grid, const Position& from, const Position& to, gendata::SeededRandom& random)
{
    const int32_t dx = to.x - from.x;
    const int32_t dy = to.y - from.y;
    const int32_t length = Root(int64_t{dx} * dx + int64_t{dy} * dy);
    const int32_t pieces = std::max(1, length / 28);
    const int32_t wander = std::min(10, length / 10);
    std::vector<Position> points{from};
    for (int32_t i = 1; i < pieces; ++i) {
        const int32_t offset = random.Range(-wander, wander);
        // Off the straight line, across it.
        const int32_t px = length > 0 ? -dy * offset / length : 0;
        const int32_t py = length > 0 ? dx * offset / length : 0;
        points.push_back({from.x + dx * i / pieces + px, from.y + dy * i / pieces + py, 7});
    }
    points.push_back(to);
    for (size_t i = 1; i < points.size(); ++i) {
        Segment(grid, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    }
}

}  // namespace tessark::genmap
