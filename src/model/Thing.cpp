#include "model/Thing.h"

#include "platform/ArchiveReader.h"

namespace tessark {

bool CThing::XmlIO(CMarkup&, bool, const ItemDatabase&) { return false; }

bool CThing::NodeIO(FileLoader&, bool, PropStream&, bool, const ItemDatabase&) { return false; }

bool CThing::InlineIO(FileLoader&, bool, uint8_t, PropStream&, const ItemDatabase&)
{
    return false;
}

void CThing::Store(ArchiveWriter&) const {}

bool CThing::Load(ArchiveReader& archive) { return archive.Ok(); }

}  // namespace tessark
