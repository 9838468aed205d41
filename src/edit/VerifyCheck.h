#pragma once

#include <string>
#include <vector>

#include "model/Position.h"

namespace tessark {

class CTessarkDoc;
class CTile;
class ItemDatabase;

// The tile check of "Verify map": false when the tile holds two always-on-top items in a row
// of the same top order above 1 (two walls on one square). No tile, or one without
// always-on-top items, passes.
bool TilePassesCheck(const CTile& tile, const ItemDatabase& database);
bool TilePassesCheck(const CTessarkDoc& document, const Position& position);

// One line of the verify list and the position a double-click jumps to.
struct VerifyEntry {
    std::string text;
    Position position;
};

inline constexpr const char* kVerifyStartText = "Verifying map...";
inline constexpr const char* kVerifyDoneText = "Done.";

// The verify list: "Verifying map...", one line per failing tile inside the map's width and
// height, in floor, then column, then row order, and "Done.". Only the tiles that exist are
// examined, so the time taken follows the tile count, not the map's area.
std::vector<VerifyEntry> VerifyMap(const CTessarkDoc& document);

// "Multiple items of same type found at x: %d, y: %d, z: %d".
std::string VerifyProblemText(const Position& position);

}  // namespace tessark
