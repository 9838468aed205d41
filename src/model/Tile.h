#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>

#include "model/Item.h"
#include "model/SmallObjectPool.h"

namespace tessark {

class ArchiveReader;
class ArchiveWriter;
class ItemDatabase;

// One map square: an optional ground and three ordered lists of items, always-on-top items by
// their top order, wall-hangings, and ordinary items in placement order. The tile owns its
// items. It does not know its own position; the document files it under one.
//
// The three lists share one array in thing order (top, hanging, ordinary) with an inline slot
// for the common case of a single item, so a tile with a ground and one item costs no
// allocation beyond the tile and its two items.
//
// A plain ground can live in the tile's own storage (EmplaceGround, and every copy Clone makes):
// a world's grounds then cost no allocation and no cache line of their own. Such a ground keeps
// its address while the tile lives and holds it; removing it hands back a copy.
class CTile final {
public:
    static constexpr uint32_t kProtectionZoneFlag = 0x1;
    static constexpr uint32_t kHouseFlag = 0x2;

    // Not defaulted: make_unique would then zero the whole tile before setting its members,
    // a measurable cost for millions of tiles.
    CTile() noexcept {}
    ~CTile();
    CTile(const CTile&) = delete;
    CTile& operator=(const CTile&) = delete;

    // A world holds millions of tiles: they come from the small-object pool.
    static void* operator new(size_t size) { return small_object_pool::Allocate(size); }
    static void operator delete(void* block, size_t size) noexcept
    {
        small_object_pool::Release(block, size);
    }

    // Places an item by its server type: a ground replaces the ground; a wall-hanging takes its
    // facing from the walls among the top items; an always-on-top item goes after the items of
    // lower or equal top order. With replace, a clashing item goes (all hangings, all ordinary
    // items, or the first top item of the same top order). The tile takes ownership.
    void AddThing(const ItemDatabase& database, std::unique_ptr<CItem> item, bool replace);
    // Makes a plain item of the type the ground, in the tile's own storage; a ground that was
    // there is destroyed. Only for a key whose items are plain CItems (MakesPlainItem).
    CItem& EmplaceGround(const ItemDatabase& database, int32_t typeKey, int32_t count)
    {
        if (ground_) {
            DestroyGround();
        }
        ground_ = ::new (static_cast<void*>(groundStorage_)) CItem(database, typeKey, count);
        return *ground_;
    }
    // Takes the item off the tile and hands it back (a ground held in the tile as a copy); null
    // when it is not on this tile.
    std::unique_ptr<CItem> RemoveThing(const CItem* item);

    // Thing order: the ground (when there is one), then top, hanging and ordinary items.
    size_t GetThingCount() const { return (ground_ ? 1 : 0) + size_; }
    CItem* GetThing(size_t index) const;
    CItem* GetGround() const { return ground_; }
    std::span<CItem* const> GetTopItems() const { return {Items(), topCount_}; }
    std::span<CItem* const> GetHangingItems() const
    {
        return {Items() + topCount_, hangingCount_};
    }
    std::span<CItem* const> GetOrdinaryItems() const
    {
        return {Items() + topCount_ + hangingCount_, size_ - topCount_ - hangingCount_};
    }

    // An exact copy: items in the same lists and order, flags and house id.
    std::unique_ptr<CTile> Clone() const;

    // Destroys the ground and every item; flags and house id stay.
    void Clear();

    // A colour reference (0x00BBGGRR): the first top item with a minimap colour, else the
    // ground's colour, else black.
    uint32_t GetMinimapColor(const ItemDatabase& database) const;

    bool IsProtectionZone() const { return (flags_ & kProtectionZoneFlag) != 0; }
    void SetProtectionZone(bool on)
    {
        flags_ = on ? (flags_ | kProtectionZoneFlag) : (flags_ & ~kProtectionZoneFlag);
    }
    bool HasFlags(uint32_t mask) const { return (flags_ & mask) == mask; }
    void AddFlags(uint32_t mask) { flags_ |= mask; }
    void SetFlags(uint32_t flags) { flags_ = flags; }
    uint32_t GetFlags() const { return flags_; }
    uint32_t GetHouseId() const { return houseId_; }
    void SetHouseId(uint32_t houseId) { houseId_ = houseId; }

    // flags u32, thing count u32, then each thing in thing order (see StoreThing). The house
    // id is not stored.
    void Store(ArchiveWriter& archive) const;
    // Adds the stored things to this tile through AddThing; false with the archive's error set
    // when the data ends early or a thing cannot be made.
    bool Load(const ItemDatabase& database, ArchiveReader& archive);

private:
    CItem* const* Items() const { return capacity_ <= 1 ? &items_.single : items_.heap; }
    CItem** Items() { return capacity_ <= 1 ? &items_.single : items_.heap; }
    void InsertAt(uint32_t index, CItem* item);
    CItem* EraseAt(uint32_t index);
    // Destroys count items from index on.
    void DestroyRange(uint32_t index, uint32_t count);
    void Grow();
    bool GroundIsInline() const
    {
        return static_cast<const void*>(ground_) == static_cast<const void*>(groundStorage_);
    }
    void DestroyGround() noexcept;

    CItem* ground_ = nullptr;
    union {
        CItem* single;
        CItem** heap;
    } items_{nullptr};
    uint32_t size_ = 0;
    uint32_t capacity_ = 1;
    uint32_t topCount_ = 0;
    uint32_t hangingCount_ = 0;
    uint32_t houseId_ = 0;
    uint32_t flags_ = 0;
    alignas(CItem) unsigned char groundStorage_[sizeof(CItem)];
};

// One pool block, one cache line.
static_assert(sizeof(CTile) <= small_object_pool::kMaxSize);

}  // namespace tessark
