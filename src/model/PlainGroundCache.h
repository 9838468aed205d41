#pragma once

#include <cstdint>

#include "model/ThingFactory.h"

namespace tessark {

// MakesPlainGround, remembered for the last key: map readers ask tile after tile, and
// neighbouring tiles mostly share a ground.
class PlainGroundCache {
public:
    explicit PlainGroundCache(const ItemDatabase& database) : database_(database) {}

    bool IsPlainGround(int32_t key)
    {
        if (key != lastKey_) {
            lastKey_ = key;
            lastPlain_ = MakesPlainGround(database_, key);
        }
        return lastPlain_;
    }

private:
    const ItemDatabase& database_;
    int32_t lastKey_ = -1;
    bool lastPlain_ = false;
};

}  // namespace tessark
