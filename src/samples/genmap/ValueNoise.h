#pragma once

#include <cstdint>
#include <vector>

namespace tessark::genmap {

// Smooth fractal noise over the tiles of a square world, computed with integers only so that
// a seed gives the same world on every machine. Values run 0..65535.
class ValueNoise {
public:
    // wavelength: tiles between the lattice points of the coarsest octave; each further octave
    // halves it and the weight.
    ValueNoise(uint64_t seed, int32_t size, int32_t wavelength, int octaves);

    int32_t At(int32_t x, int32_t y) const;

private:
    struct Octave {
        int32_t wavelength;
        int32_t columns;  // lattice points per row
        int32_t weight;
        std::vector<uint16_t> lattice;
    };
    static int32_t Sample(const Octave& octave, int32_t x, int32_t y);

    std::vector<Octave> octaves_;
    int32_t totalWeight_ = 0;
};

}  // namespace tessark::genmap
