#include "edit/VerifyCheck.h"

#include <algorithm>

#include "data/ItemDatabase.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"

namespace tessark {

bool TilePassesCheck(const CTile& tile, const ItemDatabase& database)
{
    int32_t previousOrder = 0;
    for (const CItem* item : tile.GetTopItems()) {
        const int32_t order = item->GetServerType(database).topOrder;
        if (order == previousOrder && order > 1) {
            return false;
        }
        previousOrder = order;
    }
    return true;
}

bool TilePassesCheck(const CTessarkDoc& document, const Position& position)
{
    if (position.z < 0 || position.z >= kFloorCount) {
        return true;
    }
    const CTile* tile = document.GetTile(position);
    return !tile || TilePassesCheck(*tile, document.Database());
}

std::string VerifyProblemText(const Position& position)
{
    return "Multiple items of same type found at x: " + std::to_string(position.x) +
           ", y: " + std::to_string(position.y) + ", z: " + std::to_string(position.z);
}

std::vector<VerifyEntry> VerifyMap(const CTessarkDoc& document)
{
    std::vector<Position> problems;
    const ItemDatabase& database = document.Database();
    for (int floor = 0; floor < kFloorCount; ++floor) {
        const size_t firstOfFloor = problems.size();
        document.Tiles().ForEachTile(floor, [&](uint32_t key, const CTile& tile) {
            int32_t x = 0;
            int32_t y = 0;
            SplitTileKey(key, x, y);
            // The window scans 0..width-1 by 0..height-1; tiles outside are not listed.
            if (x < document.width && y < document.height && !TilePassesCheck(tile, database)) {
                problems.push_back({x, y, floor});
            }
        });
        // Key order runs block by block; the list runs column by column over the whole floor.
        std::sort(problems.begin() + static_cast<std::ptrdiff_t>(firstOfFloor), problems.end(),
                  [](const Position& a, const Position& b) {
                      return a.x != b.x ? a.x < b.x : a.y < b.y;
                  });
    }
    std::vector<VerifyEntry> entries;
    entries.reserve(problems.size() + 2);
    entries.push_back({kVerifyStartText, {0, 0, 0}});
    for (const Position& position : problems) {
        entries.push_back({VerifyProblemText(position), position});
    }
    entries.push_back({kVerifyDoneText, {0, 0, 0}});
    return entries;
}

}  // namespace tessark
