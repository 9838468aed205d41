#include "model/Tile.h"

#include <algorithm>

#include "data/ItemDatabase.h"
#include "model/MinimapPalette.h"
#include "model/ThingFactory.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"

namespace tessark {

CTile::~CTile() { Clear(); }

CItem* CTile::GetThing(size_t index) const
{
    if (ground_) {
        if (index == 0) {
            return ground_;
        }
        --index;
    }
    return index < size_ ? Items()[index] : nullptr;
}

std::unique_ptr<CTile> CTile::Clone() const
{
    auto copy = std::make_unique<CTile>();
    if (ground_ && ground_->Kind() == ThingKind::Item) {
        copy->ground_ = ::new (static_cast<void*>(copy->groundStorage_)) CItem(*ground_);
    } else if (ground_) {
        copy->ground_ = ground_->Clone().release();
    }
    for (uint32_t i = 0; i < size_; ++i) {
        copy->InsertAt(i, Items()[i]->Clone().release());
    }
    copy->topCount_ = topCount_;
    copy->hangingCount_ = hangingCount_;
    copy->flags_ = flags_;
    copy->houseId_ = houseId_;
    return copy;
}

void CTile::AddThing(const ItemDatabase& database, std::unique_ptr<CItem> item, bool replace)
{
    if (!item) {
        return;
    }
    const ItemType& type = item->GetServerType(database);

    if (type.group == ItemGroup::Ground) {
        DestroyGround();
        ground_ = item.release();
        return;
    }

    if (type.hangeable) {
        bool horizontal = false;
        bool vertical = false;
        for (const CItem* top : GetTopItems()) {
            const ItemType& topType = top->GetServerType(database);
            horizontal = horizontal || topType.horizontal;
            vertical = vertical || topType.vertical;
        }
        if (!horizontal && !vertical) {
            item->SetCount(0);
            InsertAt(size_, item.release());
            return;
        }
        if (replace) {
            DestroyRange(topCount_, hangingCount_);
            hangingCount_ = 0;
        }
        // The facing is the pattern column drawing uses: 1 on a horizontal wall, 2 on a vertical.
        item->SetCount(horizontal ? 1 : 2);
        InsertAt(topCount_ + hangingCount_, item.release());
        ++hangingCount_;
        return;
    }

    if (!type.alwaysOnTop) {
        if (replace) {
            const uint32_t first = topCount_ + hangingCount_;
            DestroyRange(first, size_ - first);
        }
        InsertAt(size_, item.release());
        return;
    }

    const int32_t topOrder = type.topOrder;
    if (replace) {
        for (uint32_t i = 0; i < topCount_; ++i) {
            if (Items()[i]->GetServerType(database).topOrder == topOrder) {
                delete EraseAt(i);
                --topCount_;
                break;
            }
        }
    }
    uint32_t position = 0;
    while (position < topCount_ && Items()[position]->GetServerType(database).topOrder <= topOrder) {
        ++position;
    }
    InsertAt(position, item.release());
    ++topCount_;
}

std::unique_ptr<CItem> CTile::RemoveThing(const CItem* item)
{
    if (!item) {
        return nullptr;
    }
    if (item == ground_) {
        if (GroundIsInline()) {
            std::unique_ptr<CItem> copy = ground_->Clone();
            DestroyGround();
            return copy;
        }
        ground_ = nullptr;
        return std::unique_ptr<CItem>(const_cast<CItem*>(item));
    }
    // Looked for by identity over all three lists: an item is on the tile wherever it sits, even
    // when its type was changed after it was placed.
    CItem* const* items = Items();
    for (uint32_t i = 0; i < size_; ++i) {
        if (items[i] == item) {
            if (i < topCount_) {
                --topCount_;
            } else if (i < topCount_ + hangingCount_) {
                --hangingCount_;
            }
            return std::unique_ptr<CItem>(EraseAt(i));
        }
    }
    return nullptr;
}

void CTile::DestroyGround() noexcept
{
    if (GroundIsInline()) {
        ground_->~CItem();
    } else {
        delete ground_;
    }
    ground_ = nullptr;
}

void CTile::Clear()
{
    DestroyGround();
    DestroyRange(0, size_);
    if (capacity_ > 1) {
        delete[] items_.heap;
    }
    items_.single = nullptr;
    capacity_ = 1;
    topCount_ = 0;
    hangingCount_ = 0;
}

uint32_t CTile::GetMinimapColor(const ItemDatabase& database) const
{
    for (const CItem* top : GetTopItems()) {
        const uint16_t index = top->GetServerType(database).minimapColor;
        if (index != 0) {
            return SwapRedBlue(MinimapPaletteEntry(index));
        }
    }
    if (ground_) {
        return SwapRedBlue(MinimapPaletteEntry(ground_->GetServerType(database).minimapColor));
    }
    return 0;
}

void CTile::Store(ArchiveWriter& archive) const
{
    archive.WriteU32(flags_);
    const size_t count = GetThingCount();
    archive.WriteU32(static_cast<uint32_t>(count));
    for (size_t i = 0; i < count; ++i) {
        StoreThing(*GetThing(i), archive);
    }
}

bool CTile::Load(const ItemDatabase& database, ArchiveReader& archive)
{
    uint32_t flags = 0;
    int32_t count = 0;
    if (!archive.ReadU32(flags) || !archive.ReadI32(count)) {
        return false;
    }
    flags_ = flags;
    for (int32_t i = 0; i < count; ++i) {
        std::unique_ptr<CItem> item = LoadThing(database, archive);
        if (!item) {
            return false;
        }
        AddThing(database, std::move(item), false);
    }
    return true;
}

void CTile::InsertAt(uint32_t index, CItem* item)
{
    if (size_ == capacity_) {
        Grow();
    }
    CItem** items = Items();
    std::move_backward(items + index, items + size_, items + size_ + 1);
    items[index] = item;
    ++size_;
}

CItem* CTile::EraseAt(uint32_t index)
{
    CItem** items = Items();
    CItem* item = items[index];
    std::move(items + index + 1, items + size_, items + index);
    --size_;
    if (size_ == 0 && capacity_ <= 1) {
        items_.single = nullptr;
    }
    return item;
}

void CTile::DestroyRange(uint32_t index, uint32_t count)
{
    CItem** items = Items();
    for (uint32_t i = index; i < index + count; ++i) {
        delete items[i];
    }
    std::move(items + index + count, items + size_, items + index);
    size_ -= count;
}

void CTile::Grow()
{
    const uint32_t capacity = capacity_ <= 1 ? 4 : capacity_ * 2;
    CItem** grown = new CItem*[capacity];
    std::copy(Items(), Items() + size_, grown);
    if (capacity_ > 1) {
        delete[] items_.heap;
    }
    items_.heap = grown;
    capacity_ = capacity;
}

}  // namespace tessark
