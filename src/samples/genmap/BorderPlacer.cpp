#include "samples/genmap/BorderPlacer.h"

#include "samples/genmap/ThingPlacer.h"
#include "samples/genmap/WorldPalette.h"

namespace tessark::genmap {

namespace {

enum Around { kN, kNE, kE, kSE, kS, kSW, kW, kNW };

void PlaceLayer(ThingPlacer& placer, const Position& at, const BorderSet& set, const bool (&higher)[8])
{
    const bool n = higher[kN];
    const bool e = higher[kE];
    const bool s = higher[kS];
    const bool w = higher[kW];
    // Bends cover two edges at once: north-west, north-east, south-east, south-west.
    const bool bend[4] = {n && w, n && e, s && e, s && w};
    for (int i = 0; i < 4; ++i) {
        if (bend[i]) {
            placer.Place(set.bends[i], at);
        }
    }
    // Edges no bend covers: north, east, south, west.
    const bool edge[4] = {n && !bend[0] && !bend[1], e && !bend[1] && !bend[2],
                          s && !bend[2] && !bend[3], w && !bend[3] && !bend[0]};
    for (int i = 0; i < 4; ++i) {
        if (edge[i]) {
            placer.Place(set.edges[i], at);
        }
    }
    // Outer corners where only the diagonal neighbour is higher.
    const bool corner[4] = {higher[kNW] && !n && !w, higher[kNE] && !n && !e,
                            higher[kSE] && !s && !e, higher[kSW] && !s && !w};
    for (int i = 0; i < 4; ++i) {
        if (corner[i]) {
            placer.Place(set.corners[i], at);
        }
    }
}

}  // namespace

void BorderPlacer::Place(ThingPlacer& placer, const Position& at, const BorderClass& own,
                         const Neighbours& around)
{
    int placedRank = own.rank;
    for (;;) {
        // The next border-giving rank above the last one placed.
        const BorderClass* next = nullptr;
        for (const auto& neighbour : around) {
            if (neighbour.set && neighbour.rank > placedRank && (!next || neighbour.rank < next->rank)) {
                next = &neighbour;
            }
        }
        if (!next) {
            return;
        }
        bool higher[8];
        for (int i = 0; i < 8; ++i) {
            higher[i] = around[static_cast<size_t>(i)].rank >= next->rank;
        }
        PlaceLayer(placer, at, *next->set, higher);
        placedRank = next->rank;
    }
}

}  // namespace tessark::genmap
