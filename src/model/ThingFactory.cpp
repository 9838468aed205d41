#include "model/ThingFactory.h"

#include "data/ItemDatabase.h"
#include "model/Creature.h"
#include "model/DepotItem.h"
#include "model/TeleportItem.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"

namespace tessark {

std::unique_ptr<CItem> CreateThing(const ItemDatabase& database, int32_t typeKey, int32_t count)
{
    const ItemType* type = database.GetType(typeKey);
    if (!type) {
        return nullptr;
    }
    switch (type->group) {
    case ItemGroup::Creature:
        return std::make_unique<CCreature>(typeKey);
    case ItemGroup::Teleport:
        return std::make_unique<CTeleportItem>(typeKey);
    case ItemGroup::Depot:
        return std::make_unique<CDepotItem>(typeKey);
    default:
        return std::make_unique<CItem>(database, typeKey, count);
    }
}

bool MakesPlainGround(const ItemDatabase& database, int32_t typeKey)
{
    const ItemType* type = database.GetType(typeKey);
    if (!type || type->group == ItemGroup::Creature || type->group == ItemGroup::Teleport ||
        type->group == ItemGroup::Depot) {
        return false;
    }
    return database.GetServerType(typeKey).group == ItemGroup::Ground;
}

void StoreThing(const CItem& item, ArchiveWriter& archive)
{
    archive.WriteU32(static_cast<uint32_t>(item.GetTypeKey()));
    item.Store(archive);
}

std::unique_ptr<CItem> LoadThing(const ItemDatabase& database, ArchiveReader& archive)
{
    uint32_t key = 0;
    if (!archive.ReadU32(key)) {
        return nullptr;
    }
    // The rest of the record cannot be skipped: its length depends on the class.
    std::unique_ptr<CItem> item =
        key <= 0xFFFF ? CreateThing(database, static_cast<int32_t>(key), 0) : nullptr;
    if (!item) {
        archive.Fail(ArchiveError::BadClass);
        return nullptr;
    }
    if (!item->Load(archive)) {
        return nullptr;
    }
    if (static_cast<uint32_t>(item->GetTypeKey()) != key) {
        archive.Fail(ArchiveError::BadData);
        return nullptr;
    }
    return item;
}

}  // namespace tessark
