#include "samples/gendata/SeededRandom.h"

namespace tessark::gendata {

namespace {
uint64_t Mix(uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
}  // namespace

SeededRandom SeededRandom::For(uint64_t seed, uint64_t a, uint64_t b, uint64_t c)
{
    uint64_t h = Mix(seed + 0x9E3779B97F4A7C15ULL);
    h = Mix(h ^ (a + 0x632BE59BD9B4E019ULL));
    h = Mix(h ^ (b + 0x8CB92BA72F3D8DD7ULL));
    h = Mix(h ^ (c + 0xD1B54A32D192ED03ULL));
    return SeededRandom(h);
}

uint64_t SeededRandom::Next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    return Mix(state_);
}

uint32_t SeededRandom::Below(uint32_t bound)
{
    if (bound == 0) {
        return 0;
    }
    // Multiply-shift keeps the result free of modulo bias that matters here and is portable.
    return static_cast<uint32_t>(((Next() >> 32) * bound) >> 32);
}

int SeededRandom::Range(int lo, int hi)
{
    if (hi <= lo) {
        return lo;
    }
    return lo + static_cast<int>(Below(static_cast<uint32_t>(hi - lo + 1)));
}

bool SeededRandom::Chance(int percent)
{
    return static_cast<int>(Below(100)) < percent;
}

}  // namespace tessark::gendata
