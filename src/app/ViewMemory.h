#pragma once

#include <QString>
#include <optional>

#include "model/Position.h"

namespace tessark {

// Where the view stood on a map: the tile in its middle (with the floor) and the zoom.
struct ViewPlace {
    Position center;
    float zoom = 1.0f;
};

// The last view of the most recently left maps, kept in the settings store (never in the map
// file), so that reopening a map returns to where the user left it.
class ViewMemory {
public:
    static constexpr int kMaxMaps = 20;

    static void Remember(const QString& path, const ViewPlace& place);
    static std::optional<ViewPlace> Recall(const QString& path);
};

}  // namespace tessark
