#include "samples/genmap/ValueNoise.h"

#include <algorithm>

#include "samples/gendata/SeededRandom.h"

namespace tessark::genmap {

namespace {

// 3t^2 - 2t^3 with t in 0..65536, so that the lattice cells meet without creases.
int64_t Smooth(int64_t t) { return (t * t * (3 * 65536 - 2 * t)) >> 32; }

int64_t Lerp(int64_t a, int64_t b, int64_t t) { return a + (((b - a) * t) >> 16); }

}  // namespace

ValueNoise::ValueNoise(uint64_t seed, int32_t size, int32_t wavelength, int octaves)
{
    int32_t weight = 1 << std::max(0, octaves - 1);
    for (int i = 0; i < octaves && wavelength >= 2; ++i) {
        Octave octave;
        octave.wavelength = wavelength;
        octave.columns = size / wavelength + 2;
        octave.weight = weight;
        gendata::SeededRandom random = gendata::SeededRandom::For(seed, 0x401E, static_cast<uint64_t>(i));
        octave.lattice.resize(static_cast<size_t>(octave.columns) * octave.columns);
        for (auto& value : octave.lattice) {
            value = static_cast<uint16_t>(random.Next() >> 48);
        }
        totalWeight_ += weight;
        octaves_.push_back(std::move(octave));
        wavelength /= 2;
        weight = std::max(1, weight / 2);
    }
}

int32_t ValueNoise::Sample(const Octave& octave, int32_t x, int32_t y)
{
    const int32_t cx = std::clamp(x / octave.wavelength, 0, octave.columns - 2);
    const int32_t cy = std::clamp(y / octave.wavelength, 0, octave.columns - 2);
    const int64_t tx = Smooth((static_cast<int64_t>(x - cx * octave.wavelength) << 16) / octave.wavelength);
    const int64_t ty = Smooth((static_cast<int64_t>(y - cy * octave.wavelength) << 16) / octave.wavelength);
    const auto at = [&octave](int32_t col, int32_t row) {
        return static_cast<int64_t>(octave.lattice[static_cast<size_t>(row) * octave.columns + col]);
    };
    const int64_t top = Lerp(at(cx, cy), at(cx + 1, cy), tx);
    const int64_t bottom = Lerp(at(cx, cy + 1), at(cx + 1, cy + 1), tx);
    return static_cast<int32_t>(Lerp(top, bottom, ty));
}

int32_t ValueNoise::At(int32_t x, int32_t y) const
{
    if (totalWeight_ == 0) {
        return 32768;
    }
    int64_t sum = 0;
    for (const auto& octave : octaves_) {
        sum += static_cast<int64_t>(Sample(octave, x, y)) * octave.weight;
    }
    return static_cast<int32_t>(sum / totalWeight_);
}

}  // namespace tessark::genmap
