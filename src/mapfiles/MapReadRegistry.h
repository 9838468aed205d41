#pragma once

#include <cstddef>

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

    // False, and the tile counted, when a tile's x or y lies beyond what a map can hold; the
    // reader then leaves the tile out rather than let it land on another one.
    bool AdmitTile(const Position& position);
    // One warning for all tiles left out, when there were any.
    void ReportTilesLeftOut();

private:
    CTessarkDoc& document_;
    size_t tilesLeftOut_ = 0;
};

}  // namespace tessark
