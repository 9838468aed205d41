#include "mapfiles/MapReadRegistry.h"

#include "data/ItemDatabase.h"
#include "model/Item.h"
#include "model/TessarkDoc.h"

namespace tessark {

MapReadRegistry::MapReadRegistry(CTessarkDoc& document)
    : document_(document),
      knownUniqueIds_(document.Database().UsedUniqueIds().begin(),
                      document.Database().UsedUniqueIds().end())
{
}

void MapReadRegistry::Register(const CItem& item, const Position& position)
{
    const uint32_t uniqueId = item.GetUniqueId();
    // A second item with the same unique id is accepted as it is.
    if (uniqueId > 0 && knownUniqueIds_.insert(uniqueId).second) {
        document_.Database().AddUsedUniqueId(uniqueId);
    }
    if (item.IsDoor(document_.Database()) && item.GetCount() != 0) {
        if (House* house = document_.FindHouseAt(position)) {
            house->AddDoor(static_cast<uint32_t>(item.GetCount()));
        }
    }
}

}  // namespace tessark
