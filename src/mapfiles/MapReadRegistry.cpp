#include "mapfiles/MapReadRegistry.h"

#include "data/ItemDatabase.h"
#include "model/Item.h"
#include "model/TessarkDoc.h"

namespace tessark {

MapReadRegistry::MapReadRegistry(CTessarkDoc& document) : document_(document) {}

void MapReadRegistry::Register(const CItem& item, const Position& position)
{
    // A second item with the same unique id is accepted as it is.
    document_.UniqueIds().Register(item.GetUniqueId());
    if (item.IsDoor(document_.Database()) && item.GetCount() != 0) {
        if (House* house = document_.FindHouseAt(position)) {
            house->AddDoor(static_cast<uint32_t>(item.GetCount()));
        }
    }
}

}  // namespace tessark
