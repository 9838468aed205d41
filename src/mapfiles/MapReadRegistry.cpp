#include "mapfiles/MapReadRegistry.h"

#include <string>

#include "data/ItemDatabase.h"
#include "model/Item.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"

namespace tessark {

MapReadRegistry::MapReadRegistry(CTessarkDoc& document) : document_(document) {}

void MapReadRegistry::Register(const CItem& item, const Position& position)
{
    // A second item with the same unique id is accepted as it is.
    if (const uint32_t uniqueId = item.GetUniqueId(); uniqueId != 0) {
        document_.UniqueIds().Register(uniqueId);
    }
    if (item.IsDoor(document_.Database()) && item.GetCount() != 0) {
        if (House* house = document_.FindHouseAt(position)) {
            house->AddDoor(static_cast<uint32_t>(item.GetCount()));
        }
    }
}

bool MapReadRegistry::AdmitTile(const Position& position)
{
    if (IsTileCoordinate(position.x, position.y)) {
        return true;
    }
    ++tilesLeftOut_;
    return false;
}

void MapReadRegistry::ReportTilesLeftOut()
{
    if (tilesLeftOut_ == 0) {
        return;
    }
    document_.Messages().ShowMessage(
        std::to_string(tilesLeftOut_) +
            (tilesLeftOut_ == 1 ? " tile lies" : " tiles lie") +
            " outside the coordinates a map can hold (0 to 65535) and " +
            (tilesLeftOut_ == 1 ? "was" : "were") + " left out.",
        MessageIcon::Warning);
}

}  // namespace tessark
