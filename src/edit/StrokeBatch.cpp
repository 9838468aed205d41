#include "edit/StrokeBatch.h"

#include <algorithm>

#include "data/ItemDatabase.h"
#include "model/TessarkDoc.h"

namespace tessark {

StrokeBatch::StrokeBatch(CTessarkDoc& document)
    : document_(document), previousRedrawAtOnce_(document.redrawAtOnce)
{
    document_.redrawAtOnce = 0;
    document_.AddViewHintListener(*this);
}

StrokeBatch::~StrokeBatch()
{
    document_.RemoveViewHintListener(*this);
    // Batches do not nest in practice, but an inner one must not end the outer one's batching.
    document_.redrawAtOnce = previousRedrawAtOnce_;
}

void StrokeBatch::OnViewHint(const ViewHint& hint)
{
    switch (hint.kind) {
    case ViewHintKind::Thing:
    case ViewHintKind::Ground: {
        const ItemType& type = document_.Database().GetServerType(hint.typeKey);
        changed_.Add({hint.x, hint.y, hint.z}, type.width, type.height, true);
        break;
    }
    case ViewHintKind::Tile: {
        // A whole tile came in: it reaches as far as its largest item.
        int width = 1;
        int height = 1;
        if (const CTile* tile = document_.GetTile(hint.x, hint.y, hint.z)) {
            for (size_t i = 0; i < tile->GetThingCount(); ++i) {
                const ItemType& type = tile->GetThing(i)->GetServerType(document_.Database());
                width = std::max<int>(width, type.width);
                height = std::max<int>(height, type.height);
            }
        }
        changed_.Add({hint.x, hint.y, hint.z}, width, height, true);
        break;
    }
    case ViewHintKind::Clearing:
    case ViewHintKind::All:
        changed_.MarkEverything();
        break;
    }
}

}  // namespace tessark
