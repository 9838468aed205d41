#pragma once

#include <cstdint>

#include "samples/genmap/BuildingPlan.h"

namespace tessark::genmap {

class ThingPlacer;
class WorldPalette;
struct WallSet;

// Raises the shell of a building: on every storey the walls with their corners and windows, on
// the ground floor the door (or an open arch), the floors of the upper storeys with a ladder
// between them, and a roof over the top storey. The ground floor's own floor was laid with the
// terrain.
class BuildingBuilder {
public:
    BuildingBuilder(ThingPlacer& placer, const WorldPalette& palette) : placer_(placer), palette_(palette) {}

    void Build(const BuildingPlan& plan);

    static int32_t StoreyFloor(int storey) { return 7 - storey; }

private:
    void Walls(const BuildingPlan& plan, const WallSet& walls, int32_t z);
    void UpperFloor(const BuildingPlan& plan, int32_t z);
    void Roof(const BuildingPlan& plan, int32_t z);
    int32_t FloorKey(const BuildingPlan& plan) const;

    ThingPlacer& placer_;
    const WorldPalette& palette_;
};

const WallSet& WallsOf(const WorldPalette& palette, WallStyle style);

}  // namespace tessark::genmap
