#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "platform/Rect.h"

namespace tessark {
class CTessarkDoc;
class Surface;
struct MapViewState;
}  // namespace tessark

namespace tessark::cli {

// render MAP -o OUT.png [--floor Z] [--zoom F] [--center X,Y | --scroll PX,PY] [--size WxH]
// [--no-shade] [--no-spawns] [--no-creatures] [--animation N]
struct RenderArguments {
    std::string map;
    std::string output;
    int floor = 7;
    float zoom = 1.0f;
    std::optional<Point> center;
    Point scroll;
    int width = 1024;
    int height = 768;
    bool shade = true;
    bool spawns = true;
    bool creatures = true;
    int animation = 0;
};

// None when the arguments are not understood.
std::optional<RenderArguments> ParseRenderArguments(const std::vector<std::string>& args);

// The map view as it stands after the map was opened and the arguments applied: zoom, floor,
// display switches, animation counter, and the scroll position (centred as the view's CenterOn
// would from the map's border margin, or the one given, kept inside the scroll range).
MapViewState RenderView(const RenderArguments& args, const CTessarkDoc& document);

int RunRender(const CliContext& context);

}  // namespace tessark::cli
