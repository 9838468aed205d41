#pragma once

#include <cstdint>
#include <unordered_set>

#include "model/Position.h"

namespace tessark {

class CItem;
class CTessarkDoc;

// Registers what the items read from a map claim: their unique ids in the database's list of
// used ids (each id once), and the door ids of doors on house tiles in their house's door list.
class MapReadRegistry {
public:
    explicit MapReadRegistry(CTessarkDoc& document);

    // For an item about to be placed on the tile at the position (the tile is already filed).
    void Register(const CItem& item, const Position& position);

private:
    CTessarkDoc& document_;
    // Mirrors the database's list, so that a map with many unique ids is not read in
    // quadratic time.
    std::unordered_set<uint32_t> knownUniqueIds_;
};

}  // namespace tessark
