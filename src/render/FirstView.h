#pragma once

#include <optional>

#include "model/Position.h"

namespace tessark {

class CTessarkDoc;

// Where a view opens on a map it has never shown, so that the first sight is the map's content:
// the temple of the first town when it lies inside the map, else the middle of the tiles on the
// given floor. Nothing when that floor holds no tile.
std::optional<Position> FirstViewCenter(const CTessarkDoc& document, int floor);

}  // namespace tessark
