#pragma once

#include <memory>

#include "model/Item.h"

namespace tessark {

// A creature of a spawn (its type is a creature type, group 15). It stands at an offset from its
// spawn's centre, on the spawn's floor, and is owned by the spawn, never by a tile.
class CCreature : public CItem {
public:
    static constexpr int32_t kDefaultSpawnTime = 60;
    static constexpr uint32_t kDefaultDirection = 2;
    // The type key of a creature whose name matched no creature type.
    static constexpr int32_t kUnknownTypeKey = 65535;

    explicit CCreature(int32_t typeKey) : CItem(typeKey) {}

    ThingKind Kind() const override { return ThingKind::Creature; }
    std::unique_ptr<CItem> Clone() const override { return std::make_unique<CCreature>(*this); }

    uint32_t GetSpawnTime() const { return spawnTime_; }
    void SetSpawnTime(uint32_t seconds) { spawnTime_ = seconds; }
    int32_t GetOffsetX() const { return offsetX_; }
    int32_t GetOffsetY() const { return offsetY_; }
    void SetOffset(int32_t offsetX, int32_t offsetY)
    {
        offsetX_ = offsetX;
        offsetY_ = offsetY;
    }
    // The facing 0..3; drawing uses it as the pattern column.
    uint32_t GetDirection() const { return direction_; }
    void SetDirection(uint32_t direction) { direction_ = direction; }

    // Writing sets "name", "direction", "spawntime", "x", "y" on the current element (the
    // spawn added it). Reading takes them from the current child element: the name picks the
    // first creature type of that name ignoring letter case (kUnknownTypeKey when none does);
    // an absent or empty direction keeps the default.
    bool XmlIO(CMarkup& xml, bool write, const ItemDatabase& database) override;

    // The item's fields, then spawnTime, offsetX, offsetY, direction as u32.
    void Store(ArchiveWriter& archive) const override;
    bool Load(ArchiveReader& archive) override;

private:
    uint32_t spawnTime_ = kDefaultSpawnTime;
    int32_t offsetX_ = 0;
    int32_t offsetY_ = 0;
    uint32_t direction_ = kDefaultDirection;
};

}  // namespace tessark
