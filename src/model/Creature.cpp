#include "model/Creature.h"

#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"

namespace tessark {

void CCreature::Store(ArchiveWriter& archive) const
{
    CItem::Store(archive);
    archive.WriteU32(spawnTime_);
    archive.WriteI32(offsetX_);
    archive.WriteI32(offsetY_);
    archive.WriteU32(direction_);
}

bool CCreature::Load(ArchiveReader& archive)
{
    uint32_t spawnTime = 0;
    int32_t offsetX = 0;
    int32_t offsetY = 0;
    uint32_t direction = 0;
    if (!CItem::Load(archive) || !archive.ReadU32(spawnTime) || !archive.ReadI32(offsetX) ||
        !archive.ReadI32(offsetY) || !archive.ReadU32(direction)) {
        return false;
    }
    spawnTime_ = spawnTime;
    offsetX_ = offsetX;
    offsetY_ = offsetY;
    direction_ = direction;
    return true;
}

}  // namespace tessark
