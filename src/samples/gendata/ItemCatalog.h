#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/ItemType.h"
#include "samples/gendata/Canvas.h"
#include "samples/gendata/SeededRandom.h"

namespace tessark::gendata {

// Which sprite of a type is being painted.
struct Frame {
    uint64_t seed = 0;  // the data kit's seed, for textures shared by several types
    int patternX = 0;
    int patternY = 0;
    int phase = 0;
    int layer = 0;
};

// Paints one frame of a type on a canvas of width x 32 by height x 32 pixels. The random
// generator is seeded per type and pattern but not per phase, so animation frames share their
// texture and differ only where the painter makes them differ.
using Painter = std::function<void(Canvas& canvas, const Frame& frame, SeededRandom& random)>;

// The part of the id space and of the map maker's palette a type belongs to.
enum class Section {
    Grounds,
    Borders,
    Walls,
    Doors,
    Hangings,
    Nature,
    Decoration,
    Containers,
    Equipment,
    Goods,
    Magic,
    Special,
};

struct CatalogItem {
    // The type as the editor sees it after loading: ids, name, group (items.xml kinds
    // included), flags, properties and the drawing layout. spriteIds are filled by the writer.
    ItemType type;
    Section section = Section::Special;
    // The node type in items.qzb (0..13); items.xml turns teleports and depots into their group.
    ItemGroup nodeGroup = ItemGroup::None;
    // The items.xml "type" attribute, empty for none.
    std::string xmlKind;
    // Client option bytes that the editor skips (light, displacement and the like), for a file
    // that looks like a real client's.
    std::vector<uint8_t> extraOptions;
    Painter paint;
};

// A creature appearance: a client record after the items, facing = patternX (0 north, 1 east,
// 2 south, 3 west).
struct CatalogOutfit {
    std::string name;
    uint8_t width = 1;
    uint8_t height = 1;
    uint8_t phases = 1;
    Painter paint;
};

// One entry of creatures.xml.
struct CatalogCreature {
    std::string name;
    int lookType = 1;  // outfit number, 1 = the first outfit
    int head = 0;
    int body = 0;
    int legs = 0;
    int feet = 0;
    bool monster = true;
};

// The whole content of the sample data kit: every item type with its ids, properties and
// painter, the creature outfits and the creatures. The content does not depend on the seed;
// the seed only changes the grain of the pictures.
class ItemCatalog {
public:
    static ItemCatalog Build();

    const std::vector<CatalogItem>& Items() const { return items_; }
    const std::vector<CatalogOutfit>& Outfits() const { return outfits_; }
    const std::vector<CatalogCreature>& Creatures() const { return creatures_; }

    const CatalogItem* Find(std::string_view name) const;
    // The highest item id; the client data file declares it as its item count.
    int HighestItemId() const;
    // Empty when the content is consistent: unique names and ids, the fixed ids present,
    // drawing layouts within the file format's limits, decay targets that exist, and free
    // server keys for the creature types that start-up appends after the items.
    std::string Check() const;

private:
    friend class CatalogBuilder;
    std::vector<CatalogItem> items_;
    std::vector<CatalogOutfit> outfits_;
    std::vector<CatalogCreature> creatures_;
};

// Fixed ids the editor relies on.
inline constexpr int kSpawnMarkerId = 1507;   // key 1407: drawn at every spawn centre
inline constexpr int kYellowMarkerId = 459;   // key 359: its first sprite is replaced at load
inline constexpr int kRedMarkerId = 460;      // key 360: likewise

}  // namespace tessark::gendata
