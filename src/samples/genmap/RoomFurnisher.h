#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "samples/genmap/BuildingPlan.h"

namespace tessark {
class CItem;
}

namespace tessark::genmap {

class ThingPlacer;

// Fills one storey of a building without clutter: keeps track of the squares its furniture
// covers (a picture of several cells covers the squares up and left of where it stands), keeps
// the way in clear, and lets small things go only onto tables and counters.
class RoomFurnisher {
public:
    RoomFurnisher(ThingPlacer& placer, const Rect& interior, int32_t z);

    const Rect& Interior() const { return interior_; }
    int32_t Floor() const { return z_; }

    void KeepClear(int32_t x, int32_t y);
    bool IsFree(int32_t x, int32_t y) const;

    // Furniture whose picture covers width x height squares ending at (x, y).
    CItem* Put(int32_t key, int32_t x, int32_t y, int width = 1, int height = 1);
    // A table or counter: things may be put on the square it stands on later.
    CItem* PutTable(int32_t key, int32_t x, int32_t y, int width = 1);
    // A small thing on a table or counter square.
    CItem* PutOn(int32_t key, int32_t x, int32_t y, int32_t count = 1);
    CItem* PutTextOn(int32_t key, int32_t x, int32_t y, std::string_view text);
    // A thing on the bare floor that others may walk over (a rug, a splash).
    CItem* PutFlat(int32_t key, int32_t x, int32_t y, int32_t count = 1);

    // The first table square put, or none.
    bool FirstTable(int32_t& x, int32_t& y) const;

private:
    enum Use : uint8_t { kFree, kClear, kTaken, kTable, kFlat };
    Use& At(int32_t x, int32_t y);
    Use UseAt(int32_t x, int32_t y) const;

    ThingPlacer& placer_;
    Rect interior_;
    int32_t z_;
    std::vector<Use> use_;
    std::vector<Position> tables_;
};

}  // namespace tessark::genmap
