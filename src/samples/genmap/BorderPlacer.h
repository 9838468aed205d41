#pragma once

#include <array>
#include <cstdint>

#include "model/Position.h"

namespace tessark::genmap {

struct BorderSet;
class ThingPlacer;

// How a ground meets its neighbours: a ground of higher rank that has a border set laps over
// the edges of a lower neighbour with the pieces of that set.
struct BorderClass {
    int rank = 0;
    const BorderSet* set = nullptr;
};

// Chooses and places the border pieces of one square: for every border set among the higher
// neighbours, lowest rank first, the edges, bends and outer corners that its neighbours of that
// rank or above call for. Higher layers are placed later, so they lie on top.
class BorderPlacer {
public:
    // Neighbours in the order north, north-east, east, south-east, south, south-west, west,
    // north-west.
    using Neighbours = std::array<BorderClass, 8>;

    static void Place(ThingPlacer& placer, const Position& at, const BorderClass& own,
                      const Neighbours& around);
};

}  // namespace tessark::genmap
