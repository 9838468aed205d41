#pragma once

#include <cstdint>
#include <memory>

#include "model/Item.h"

namespace tessark {

class ArchiveReader;
class ArchiveWriter;
class ItemDatabase;

// Makes the thing for a type key, by the type's group: a CCreature for creature types, a
// CTeleportItem for teleports, a CDepotItem for depots, else a CItem with the count rules
// applied. Null when the database knows no type (server or client) with that key.
std::unique_ptr<CItem> CreateThing(const ItemDatabase& database, int32_t typeKey, int32_t count);
// True when CreateThing makes a plain CItem for the key, which a tile then takes as its ground.
bool MakesPlainGround(const ItemDatabase& database, int32_t typeKey);

// One thing as the clipboard and the tile archive hold it: the u32 type key, then the thing's
// own archive fields.
void StoreThing(const CItem& item, ArchiveWriter& archive);
// Null with the archive's error set when the data ends early (EndOfFile), the key names no
// item type (BadClass) or the thing's own key contradicts the leading one (BadData).
std::unique_ptr<CItem> LoadThing(const ItemDatabase& database, ArchiveReader& archive);

}  // namespace tessark
