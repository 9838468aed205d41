#pragma once

#include <cstdint>
#include <optional>

#include "model/Position.h"

namespace tessark {

class CTessarkDoc;
class CThing;

// Which of the things the view draws besides tiles are shown, and so can be picked.
struct ThingVisibility {
    bool showSpawns = true;
    bool showCreatures = true;
};

// A thing on the map and the position it stands on (a creature's is its spawn's centre plus its
// offset, a spawn's is its centre).
struct ThingAt {
    CThing* thing = nullptr;
    Position position;

    explicit operator bool() const { return thing != nullptr; }
};

// The thing a click on the position picks, only where a tile exists: walking the spawns of that
// floor in list order, first each spawn's creatures standing there (when creatures are shown),
// then the spawn itself when its centre is there (when spawns are shown); else the tile's last
// thing in thing order.
ThingAt FindTopmostThing(const CTessarkDoc& document, const Position& position,
                         const ThingVisibility& visibility);

// Where the thing stands now: an item on the tile at its old position, a creature or a spawn
// wherever its spawn now is; none when it is no longer on the map.
std::optional<Position> LocateThing(const CTessarkDoc& document, const ThingAt& at);

// The item type the view draws for the thing: its own, or the spawn marker's for a spawn.
int32_t DrawnTypeKey(const CThing& thing);

}  // namespace tessark
