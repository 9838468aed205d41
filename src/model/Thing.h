#pragma once

#include <cstdint>

namespace tessark {

class ArchiveReader;
class ArchiveWriter;

// The concrete class of a thing, so that callers can tell things apart without RTTI.
enum class ThingKind { Item, Teleport, Depot, Creature, Spawn };

// Anything that stands on a tile or marks a spawn. Each thing has exactly one owner (a tile, a
// spawn, the spawn list or the copy buffer) that destroys it; things never point at each other.
class CThing {
public:
    CThing() = default;
    virtual ~CThing() = default;
    CThing(const CThing&) = delete;
    CThing& operator=(const CThing&) = delete;

    virtual ThingKind Kind() const = 0;
    // True for CItem and every class derived from it.
    bool IsItem() const { return Kind() != ThingKind::Spawn; }

    // The object archive form (clipboard, drag and drop). A base thing stores nothing.
    virtual void Store(ArchiveWriter& archive) const;
    // False (with the archive's error set) when the data ends early or cannot be taken.
    virtual bool Load(ArchiveReader& archive);
};

}  // namespace tessark
