#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "model/Creature.h"
#include "model/Position.h"
#include "model/Thing.h"

namespace tessark {

class CMarkup;
class ItemDatabase;

// A circular area of one floor where creatures appear. The spawn owns its creatures; each
// stands at an offset from the centre.
class CSpawn : public CThing {
public:
    CSpawn() = default;
    CSpawn(const Position& center, int32_t radius);
    ~CSpawn() override;

    ThingKind Kind() const override { return ThingKind::Spawn; }

    int32_t GetCenterX() const { return centerX_; }
    int32_t GetCenterY() const { return centerY_; }
    int32_t GetCenterZ() const { return centerZ_; }
    Position GetCenter() const { return {centerX_, centerY_, centerZ_}; }
    int32_t GetRadius() const { return radius_; }
    // Moves the area; the creatures keep their offsets and so move along.
    void SetCenter(const Position& center)
    {
        centerX_ = center.x;
        centerY_ = center.y;
        centerZ_ = center.z;
    }

    // On the centre's floor and no farther from the centre than the radius (Euclidean).
    bool Contains(const Position& position) const;
    // Takes the creature at the position; false (the creature not taken, the caller still
    // owns it) when another creature of this spawn already stands on that offset.
    bool AddCreature(std::unique_ptr<CCreature>& creature, const Position& position);
    // Appends without the offset check, as the spawn file reader does.
    void AppendCreature(std::unique_ptr<CCreature> creature);
    // Takes the creature out and hands it back; null when this spawn does not hold it.
    std::unique_ptr<CCreature> RemoveCreature(const CThing* creature);
    bool HasCreature(const CThing* creature) const;
    // Sets the radius and destroys the creatures that are no longer inside.
    void SetRadius(int32_t radius);

    size_t GetCreatureCount() const { return creatures_.size(); }
    CCreature* GetCreature(size_t index) const
    {
        return index < creatures_.size() ? creatures_[index].get() : nullptr;
    }

    // Writing appends a "spawn" element with its "monster" children, or nothing when the spawn
    // has no creatures. Reading takes the current "spawn" element and its "monster" children;
    // monsters of no known creature type are dropped, the others kept as read, unchecked.
    bool XmlIO(CMarkup& xml, bool write, const ItemDatabase& database) override;

    // centerX, centerY, centerZ, radius as u32; the creatures are not stored.
    void Store(ArchiveWriter& archive) const override;
    bool Load(ArchiveReader& archive) override;

private:
    bool IsWithinRadius(double dx, double dy) const;

    int32_t centerX_ = 0;
    int32_t centerY_ = 0;
    int32_t centerZ_ = 0;
    int32_t radius_ = 0;
    std::vector<std::unique_ptr<CCreature>> creatures_;
};

}  // namespace tessark
