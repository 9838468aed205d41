#pragma once

#include <cstdint>

namespace tessark {

class CItem;
class FileLoader;
class ItemDatabase;
class PropStream;

// The binary map forms of an item: an item node, and the inline form a tile's ground takes.
//
// Reading takes what follows the item's u16 id: for an item node the count byte (for the types
// that carry one) and then the attributes; for the inline form only the count byte. False when
// the item refuses the bytes (an attribute it does not know, or too few bytes).
bool ReadItemNode(CItem& item, const ItemDatabase& database, PropStream& props);
bool ReadItemInline(CItem& item, const ItemDatabase& database, PropStream& props);

// Writing: a whole item node (start, id, count byte, attributes, end), or the attribute byte
// followed by the id and the count byte. False when the loader failed to write.
bool WriteItemNode(const CItem& item, const ItemDatabase& database, FileLoader& loader);
bool WriteItemInline(const CItem& item, const ItemDatabase& database, FileLoader& loader,
                     uint8_t attribute);

}  // namespace tessark
