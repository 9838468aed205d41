#include "render/FirstView.h"

#include <algorithm>
#include <cstdint>

#include "model/TessarkDoc.h"
#include "model/TileKey.h"

namespace tessark {

std::optional<Position> FirstViewCenter(const CTessarkDoc& document, int floor)
{
    const auto& towns = document.Towns().Towns();
    if (!towns.empty()) {
        const Town& town = *towns.begin()->second;
        if (town.templeX >= 0 && town.templeY >= 0 && town.templeX < document.width &&
            town.templeY < document.height && FloorIndex(town.templeZ) >= 0) {
            return Position{town.templeX, town.templeY, town.templeZ};
        }
    }
    int32_t minX = INT32_MAX, minY = INT32_MAX, maxX = INT32_MIN, maxY = INT32_MIN;
    document.Tiles().ForEachTile(floor, [&](uint32_t key, const CTile&) {
        int32_t x = 0, y = 0;
        SplitTileKey(key, x, y);
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    });
    if (minX > maxX) {
        return std::nullopt;
    }
    return Position{minX + (maxX - minX) / 2, minY + (maxY - minY) / 2, floor};
}

}  // namespace tessark
