#pragma once

#include "model/Position.h"

namespace tessark {

class CItem;
class CTessarkDoc;

// Registers what the items read from a map claim: their unique ids in the map's used ids, and
// the door ids of doors on house tiles in their house's door list.
class MapReadRegistry {
public:
    explicit MapReadRegistry(CTessarkDoc& document);

    // For an item about to be placed on the tile at the position (the tile is already filed).
    void Register(const CItem& item, const Position& position);

private:
    CTessarkDoc& document_;
};

}  // namespace tessark
