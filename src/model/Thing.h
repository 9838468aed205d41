#pragma once

#include <cstddef>
#include <cstdint>

#include "model/SmallObjectPool.h"

namespace tessark {

class ArchiveReader;
class ArchiveWriter;
class CMarkup;
class FileLoader;
class ItemDatabase;
class PropStream;

// The concrete class of a thing, so that callers can tell things apart without RTTI.
enum class ThingKind { Item, Teleport, Depot, Creature, Spawn };

// Anything that stands on a tile or marks a spawn. Each thing has exactly one owner (a tile, a
// spawn, the spawn list or the copy buffer) that destroys it; things never point at each other.
class CThing {
public:
    CThing() = default;
    virtual ~CThing() = default;
    CThing& operator=(const CThing&) = delete;

    // A world holds millions of things: they come from the small-object pool.
    static void* operator new(size_t size) { return small_object_pool::Allocate(size); }
    static void operator delete(void* block, size_t size) noexcept
    {
        small_object_pool::Release(block, size);
    }

    virtual ThingKind Kind() const = 0;
    // True for CItem and every class derived from it.
    bool IsItem() const { return Kind() != ThingKind::Spawn; }

    // The thing in an XML document (map or spawn file); the classes say where it goes. A base
    // thing has no XML form and refuses.
    virtual bool XmlIO(CMarkup& xml, bool write, const ItemDatabase& database);

    // The thing as a node of a binary map: writing starts an item node and writes its
    // properties (ending the node when closeNode is set); reading takes the properties after
    // the item id from props. A base thing has no node form and refuses.
    virtual bool NodeIO(FileLoader& loader, bool write, PropStream& props, bool closeNode,
                        const ItemDatabase& database);
    // The short form of a tile's ground: the attribute byte, the item id and, for types that
    // have one, the count byte. Reading takes only the count byte. A base thing refuses.
    virtual bool InlineIO(FileLoader& loader, bool write, uint8_t attribute, PropStream& props,
                          const ItemDatabase& database);

    // The object archive form (clipboard, drag and drop). A base thing stores nothing.
    virtual void Store(ArchiveWriter& archive) const;
    // False (with the archive's error set) when the data ends early or cannot be taken.
    virtual bool Load(ArchiveReader& archive);

protected:
    // For the items' Clone.
    CThing(const CThing&) = default;
};

}  // namespace tessark
