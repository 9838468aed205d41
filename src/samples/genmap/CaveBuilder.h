#pragma once

#include <cstdint>
#include <vector>

#include "samples/gendata/SeededRandom.h"
#include "samples/genmap/BuildingPlan.h"

namespace tessark::genmap {

class SpawnPlacer;
class ThingPlacer;
class WorldPalette;

// Digs caves below the ground floor: winding passages of cave floor in a fringe of rock, with
// the stairs down from the surface and a ladder back up, mushrooms, bones and cobwebs, the
// creatures that live there, and at the far end a treasure and a portal home.
class CaveBuilder {
public:
    struct Cave {
        bool dug = false;
        Position entrance;  // on the cave's floor, below the stairs
        Position farEnd;    // the square farthest from the entrance
        Position middle;    // a square about half way
    };

    enum class Kind { Mine, Grotto };

    CaveBuilder(ThingPlacer& placer, const WorldPalette& palette, SpawnPlacer& spawns)
        : placer_(placer), palette_(palette), spawns_(spawns)
    {
    }

    // Digs a cave on floor z around the entrance (which must lie inside bounds) and furnishes
    // it; home is where its portal sends travellers. uniqueId marks its treasure chest.
    Cave Dig(Kind kind, const Position& entrance, const Rect& bounds, const Position& home, uint32_t uniqueId,
             gendata::SeededRandom& random);

private:
    struct Layout {
        Rect area;
        std::vector<uint8_t> open;      // 1 floor, 2 lava, 0 rock or nothing
        std::vector<int32_t> distance;  // steps from the entrance, -1 where closed
        bool IsOpen(int32_t x, int32_t y) const;
        uint8_t& At(int32_t x, int32_t y);
        uint8_t Get(int32_t x, int32_t y) const;
    };
    static Layout Carve(const Rect& area, const Position& entrance, int32_t steps, gendata::SeededRandom& random);
    static void MeasureDistances(Layout& layout, const Position& entrance);
    void Emit(const Layout& layout, int32_t z);
    void Furnish(Kind kind, const Layout& layout, Cave& cave, const Position& home, uint32_t uniqueId,
                 gendata::SeededRandom& random);

    ThingPlacer& placer_;
    const WorldPalette& palette_;
    SpawnPlacer& spawns_;
};

}  // namespace tessark::genmap
