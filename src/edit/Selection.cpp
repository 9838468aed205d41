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
    if (position.z >= 0 && position.z < static_cast<int>(bounds_.size())) {
        Bounds& box = bounds_[static_cast<size_t>(position.z)];
        if (!box.any) {
            box = {true, position.x, position.y, position.x, position.y};
        } else {
            box = {true, std::min(box.left, position.x), std::min(box.top, position.y),
                   std::max(box.right, position.x), std::max(box.bottom, position.y)};
        }
    }
    return true;
}

bool Selection::MayTouch(int z, int left, int top, int right, int bottom) const
{
    if (z < 0 || z >= static_cast<int>(bounds_.size())) {
        return false;
    }
    const Bounds& box = bounds_[static_cast<size_t>(z)];
    return box.any && box.left <= right && box.right >= left && box.top <= bottom && box.bottom >= top;
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
