#pragma once

#include <cstdint>

#include "model/Position.h"
#include "samples/gendata/SeededRandom.h"

namespace tessark::genmap {

class TerrainGrid;

// Lays dirt roads two squares wide that wander a little between their ends, cross water on
// plank bridges and go round whatever a town has built.
class RoadBuilder {
public:
    static void Lay(TerrainGrid& grid, const Position& from, const Position& to, gendata::SeededRandom& random);

private:
    static void Segment(TerrainGrid& grid, int32_t x0, int32_t y0, int32_t x1, int32_t y1);
    static void Pave(TerrainGrid& grid, int32_t x, int32_t y);
};

}  // namespace tessark::genmap
