#include "samples/genmap/RoomFurnisher.h"

#include <algorithm>

#include "model/Item.h"
#include "samples/genmap/ThingPlacer.h"

namespace tessark::genmap {

RoomFurnisher::RoomFurnisher(ThingPlacer& placer, const Rect& interior, int32_t z)
    : placer_(placer),
      interior_(interior),
      z_(z),
      use_(static_cast<size_t>(std::max(0, interior.Width() * interior.Height())), kFree)
{
}

RoomFurnisher::Use& RoomFurnisher::At(int32_t x, int32_t y)
{
    return use_[static_cast<size_t>((y - interior_.y0) * interior_.Width() + (x - interior_.x0))];
}

RoomFurnisher::Use RoomFurnisher::UseAt(int32_t x, int32_t y) const
{
    if (!interior_.Contains(x, y)) {
        return kTaken;
    }
    return use_[static_cast<size_t>((y - interior_.y0) * interior_.Width() + (x - interior_.x0))];
}

void RoomFurnisher::KeepClear(int32_t x, int32_t y)
{
    if (interior_.Contains(x, y) && At(x, y) == kFree) {
        At(x, y) = kClear;
    }
}

bool RoomFurnisher::IsFree(int32_t x, int32_t y) const { return UseAt(x, y) == kFree; }

CItem* RoomFurnisher::Put(int32_t key, int32_t x, int32_t y, int width, int height)
{
    for (int32_t dy = 0; dy < height; ++dy) {
        for (int32_t dx = 0; dx < width; ++dx) {
            if (!IsFree(x - dx, y - dy)) {
                return nullptr;
            }
        }
    }
    CItem* item = placer_.Place(key, {x, y, z_});
    if (!item) {
        return nullptr;
    }
    for (int32_t dy = 0; dy < height; ++dy) {
        for (int32_t dx = 0; dx < width; ++dx) {
            At(x - dx, y - dy) = kTaken;
        }
    }
    return item;
}

CItem* RoomFurnisher::PutTable(int32_t key, int32_t x, int32_t y, int width)
{
    CItem* table = Put(key, x, y, width, 1);
    if (table) {
        // Only the square the table stands on: a wide table is drawn over the squares west of
        // it, which would hide what lay there.
        At(x, y) = kTable;
        tables_.push_back({x, y, z_});
    }
    return table;
}

CItem* RoomFurnisher::PutOn(int32_t key, int32_t x, int32_t y, int32_t count)
{
    if (UseAt(x, y) != kTable) {
        return nullptr;
    }
    return placer_.Place(key, {x, y, z_}, count);
}

CItem* RoomFurnisher::PutTextOn(int32_t key, int32_t x, int32_t y, std::string_view text)
{
    if (UseAt(x, y) != kTable) {
        return nullptr;
    }
    return placer_.PlaceText(key, {x, y, z_}, text);
}

CItem* RoomFurnisher::PutFlat(int32_t key, int32_t x, int32_t y, int32_t count)
{
    if (!IsFree(x, y)) {
        return nullptr;
    }
    CItem* item = placer_.Place(key, {x, y, z_}, count);
    if (item) {
        At(x, y) = kFlat;
    }
    return item;
}

bool RoomFurnisher::FirstTable(int32_t& x, int32_t& y) const
{
    if (tables_.empty()) {
        return false;
    }
    x = tables_.front().x;
    y = tables_.front().y;
    return true;
}

}  // namespace tessark::genmap
