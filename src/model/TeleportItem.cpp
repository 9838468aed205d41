#include "model/TeleportItem.h"

#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"

namespace tessark {

void CTeleportItem::Store(ArchiveWriter& archive) const
{
    CItem::Store(archive);
    archive.WriteU32(destX_);
    archive.WriteU32(destY_);
    archive.WriteU32(destZ_);
}

bool CTeleportItem::Load(ArchiveReader& archive)
{
    uint32_t x = 0;
    uint32_t y = 0;
    uint32_t z = 0;
    if (!CItem::Load(archive) || !archive.ReadU32(x) || !archive.ReadU32(y) ||
        !archive.ReadU32(z)) {
        return false;
    }
    SetDestination(x, y, z);
    return true;
}

}  // namespace tessark
