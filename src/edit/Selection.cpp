#include "edit/Selection.h"

#include <algorithm>

#include "model/TessarkDoc.h"

namespace tessark {

bool Selection::Add(const CTessarkDoc& document, const Position& position)
{
    if (!document.GetTile(position) || !document.IsInsideMap(position)) {
        return false;
    }
    return AddUnchecked(position);
}

bool Selection::AddUnchecked(const Position& position)
{
    if (!members_.insert(position).second) {
        return false;
    }
    positions_.push_back(position);
    return true;
}

bool Selection::Remove(const Position& position)
{
    if (members_.erase(position) == 0) {
        return false;
    }
    positions_.erase(std::find(positions_.begin(), positions_.end(), position));
    return true;
}

}  // namespace tessark
