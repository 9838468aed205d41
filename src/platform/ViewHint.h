#pragma once

#include <cstdint>

namespace tessark {

// What changed in the document; the numbers are the hint numbers the views know.
enum class ViewHintKind : int32_t {
    Thing = 1,     // an item was added to or removed from a tile (x, y, z, typeKey)
    Ground = 2,    // a ground replaced an existing ground (x, y, z, typeKey of the old ground)
    Tile = 3,      // a whole tile was replaced by a paste (x, y, z)
    Clearing = 5,  // the map is about to be cleared
    All = 6,       // everything may have changed
};

struct ViewHint {
    ViewHintKind kind = ViewHintKind::All;
    int32_t x = 0;
    int32_t y = 0;
    int32_t z = 0;
    int32_t typeKey = 0;

    bool operator==(const ViewHint&) const = default;
};

// Anything that shows the document (map view, minimap) and wants to hear of its changes.
class ViewHintListener {
public:
    virtual ~ViewHintListener() = default;
    virtual void OnViewHint(const ViewHint& hint) = 0;
};

}  // namespace tessark
