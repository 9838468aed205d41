#include "model/DepotItem.h"

#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"

namespace tessark {

void CDepotItem::Store(ArchiveWriter& archive) const
{
    CItem::Store(archive);
    archive.WriteU32(depotId_);
}

bool CDepotItem::Load(ArchiveReader& archive)
{
    uint32_t depotId = 0;
    if (!CItem::Load(archive) || !archive.ReadU32(depotId)) {
        return false;
    }
    depotId_ = depotId;
    return true;
}

}  // namespace tessark
