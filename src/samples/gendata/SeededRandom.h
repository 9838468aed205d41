#pragma once

#include <cstdint>

namespace tessark::gendata {

// A small deterministic generator (splitmix64). The data kit must come out byte for byte the
// same for a seed on every machine, which the standard library's distributions do not promise,
// so ranges are computed here with integer arithmetic only.
class SeededRandom {
public:
    explicit SeededRandom(uint64_t seed) : state_(seed) {}

    // A generator for one sub-stream, independent of how much the parent has been used.
    static SeededRandom For(uint64_t seed, uint64_t a, uint64_t b = 0, uint64_t c = 0);

    uint64_t Next();
    // 0 .. bound - 1; 0 when bound is 0.
    uint32_t Below(uint32_t bound);
    // lo .. hi inclusive.
    int Range(int lo, int hi);
    // True with the given chance in percent.
    bool Chance(int percent);

private:
    uint64_t state_;
};

}  // namespace tessark::gendata
