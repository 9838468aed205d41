#include "model/Thing.h"

#include "platform/ArchiveReader.h"

namespace tessark {

void CThing::Store(ArchiveWriter&) const {}

bool CThing::Load(ArchiveReader& archive) { return archive.Ok(); }

}  // namespace tessark
