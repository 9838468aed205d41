#pragma once

#include <cstdint>
#include <string_view>

#include "model/Position.h"
#include "samples/genmap/BuildingPlan.h"

namespace tessark {
class CItem;
class CTessarkDoc;
class CTile;
class ItemDatabase;
}  // namespace tessark

namespace tessark::genmap {

// Puts things on the map through the document's AddThing, so that every placement rule of the
// editor holds (a ground replaces the ground, always-on-top items keep their order, hangings
// take their facing from the wall). Returns the placed item, which the tile owns, or null.
// Nothing is placed outside the world's area or on a floor that does not exist.
class ThingPlacer {
public:
    ThingPlacer(CTessarkDoc& document, const Rect& world);

    CTessarkDoc& Document() const { return document_; }
    const ItemDatabase& Database() const { return database_; }

    CItem* Place(int32_t key, const Position& at, int32_t count = 1);
    // A readable item with its text.
    CItem* PlaceText(int32_t key, const Position& at, std::string_view text);
    CItem* PlaceTeleport(int32_t key, const Position& at, const Position& destination);
    // A creature of the spawn whose area holds the position; false when no spawn took it.
    bool PlaceCreature(int32_t key, const Position& at, uint32_t direction, uint32_t spawnTime);

    CTile* TileAt(const Position& at) const;
    // A ground that does not block and no blocking item on it.
    bool IsWalkable(const Position& at) const;
    // A tile holding nothing but its ground and the borders lying flat on it.
    bool HoldsNothing(const Position& at) const;
    // A walkable tile holding nothing.
    bool IsBare(const Position& at) const { return IsWalkable(at) && HoldsNothing(at); }

private:
    bool InWorld(const Position& at) const { return world_.Contains(at.x, at.y) && at.z >= 0 && at.z < 16; }

    CTessarkDoc& document_;
    const ItemDatabase& database_;
    Rect world_;
};

}  // namespace tessark::genmap
