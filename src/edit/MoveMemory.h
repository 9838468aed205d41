#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <utility>
#include <vector>

#include "model/Position.h"
#include "model/TessarkDoc.h"

namespace tessark {

class CItem;
class UsedUniqueIds;

// The unique ids of the items, and the houses of the tiles, that one block of clipboard or drag
// bytes took off this map. The bytes leave both out, so that a pasted copy never repeats an id
// nor joins a house; a move (Cut then Paste, a drag with the move effect) is the same tiles in a
// new place and keeps them. Only the exact bytes remembered restore them, once: a second paste
// of the block is a copy.
class MoveMemory {
public:
    // The tiles at the positions as the block written for them holds them (offsets from the
    // first position in z, y, x order).
    void RememberTiles(std::span<const uint8_t> bytes, const CTessarkDoc& document,
                       std::span<const Position> positions);
    void RememberThing(std::span<const uint8_t> bytes, const CItem& item);
    void Forget();
    bool Holds(std::span<const uint8_t> bytes) const;

    // When the bytes are the remembered ones: gives the read tiles' items their ids back, except
    // ids another item took meanwhile, and the tiles their house ids, and forgets. False when
    // nothing was restored.
    bool RestoreTiles(std::span<const uint8_t> bytes, const CTessarkDoc::CopyBuffer& tiles,
                      const UsedUniqueIds& used);
    bool RestoreThing(std::span<const uint8_t> bytes, CItem& item, const UsedUniqueIds& used);

private:
    // The type key and unique id of each item there that has an id.
    using Ids = std::vector<std::pair<int32_t, uint32_t>>;
    struct Taken {
        Ids ids;
        uint32_t houseId = 0;
    };
    static Ids IdsOf(const CTile& tile);
    static void GiveIds(const Ids& ids, CTile& tile, const UsedUniqueIds& used);

    std::vector<uint8_t> bytes_;
    // By offset from the anchor.
    std::map<Position, Taken, PositionZyxLess> ids_;
};

}  // namespace tessark
