#include "edit/ChangedArea.h"

namespace tessark {

void ChangedArea::Grow(std::optional<TileArea>& area, const TileArea& add)
{
    if (!area) {
        area = add;
        return;
    }
    area->left = std::min(area->left, add.left);
    area->top = std::min(area->top, add.top);
    area->right = std::max(area->right, add.right);
    area->bottom = std::max(area->bottom, add.bottom);
}

void ChangedArea::Add(const Position& position, int widthCells, int heightCells, bool minimapToo)
{
    if (everything_) {
        return;
    }
    if (drawn_ && drawn_->z != position.z) {
        MarkEverything();
        return;
    }
    const int reachX = std::max(widthCells, 1) - 1;
    const int reachY = std::max(heightCells, 1) - 1;
    Grow(drawn_, {position.x - reachX, position.y - reachY, position.x, position.y, position.z});
    if (minimapToo) {
        Grow(minimap_, {position.x, position.y, position.x, position.y, position.z});
    }
}

void ChangedArea::Merge(const ChangedArea& other)
{
    if (other.everything_) {
        MarkEverything();
    }
    if (everything_ || !other.drawn_) {
        return;
    }
    if (drawn_ && drawn_->z != other.drawn_->z) {
        MarkEverything();
        return;
    }
    Grow(drawn_, *other.drawn_);
    if (other.minimap_) {
        Grow(minimap_, *other.minimap_);
    }
}

}  // namespace tessark
