#include "cli/RenderCommand.h"

#include <charconv>
#include <iostream>

#include "cli/CliMapDocument.h"
#include "cli/SurfacePng.h"
#include "data/GameData.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "platform/Surface.h"
#include "render/MapDrawer.h"
#include "render/SpriteRenderer.h"

namespace tessark::cli {

namespace {

constexpr const char* kUsage =
    "render MAP -o OUT.png [--floor Z] [--zoom F] [--center X,Y | --scroll PX,PY] [--size WxH] "
    "[--no-shade] [--no-spawns] [--no-creatures] [--animation N]";
constexpr int kMaxSide = 16384;
constexpr int64_t kMaxPixels = int64_t{1} << 26;

template <class Number>
bool ParseNumber(std::string_view text, Number& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// "A<separator>B" as two integers.
std::optional<Point> ParsePair(std::string_view text, char separator)
{
    const size_t at = text.find(separator);
    Point point;
    if (at == std::string_view::npos || !ParseNumber(text.substr(0, at), point.x) ||
        !ParseNumber(text.substr(at + 1), point.y)) {
        return std::nullopt;
    }
    return point;
}

}  // namespace

std::optional<RenderArguments> ParseRenderArguments(const std::vector<std::string>& args)
{
    RenderArguments parsed;
    std::vector<std::string> positional;
    bool scrollGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "-o" && hasValue) {
            parsed.output = args[++i];
        } else if (arg == "--floor" && hasValue) {
            if (!ParseNumber(args[++i], parsed.floor) || parsed.floor < 0 || parsed.floor > 15) {
                return std::nullopt;
            }
        } else if (arg == "--zoom" && hasValue) {
            double zoom = 0;
            if (!ParseNumber(args[++i], zoom) || (zoom != 0.25 && zoom != 0.5 && zoom != 0.75 && zoom != 1.0)) {
                return std::nullopt;
            }
            parsed.zoom = static_cast<float>(zoom);
        } else if (arg == "--center" && hasValue) {
            parsed.center = ParsePair(args[++i], ',');
            if (!parsed.center) {
                return std::nullopt;
            }
        } else if (arg == "--scroll" && hasValue) {
            const auto scroll = ParsePair(args[++i], ',');
            if (!scroll) {
                return std::nullopt;
            }
            parsed.scroll = *scroll;
            scrollGiven = true;
        } else if (arg == "--size" && hasValue) {
            const auto size = ParsePair(args[++i], 'x');
            if (!size || size->x < 1 || size->y < 1 || size->x > kMaxSide || size->y > kMaxSide ||
                int64_t{size->x} * size->y > kMaxPixels) {
                return std::nullopt;
            }
            parsed.width = size->x;
            parsed.height = size->y;
        } else if (arg == "--animation" && hasValue) {
            if (!ParseNumber(args[++i], parsed.animation) || parsed.animation < 0 || parsed.animation > 0xFFFF) {
                return std::nullopt;
            }
        } else if (arg == "--no-shade") {
            parsed.shade = false;
        } else if (arg == "--no-spawns") {
            parsed.spawns = false;
        } else if (arg == "--no-creatures") {
            parsed.creatures = false;
        } else if (arg.starts_with("-")) {
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 1 || parsed.output.empty() || (parsed.center && scrollGiven)) {
        return std::nullopt;
    }
    parsed.map = positional[0];
    return parsed;
}

MapViewState RenderView(const RenderArguments& args, const CTessarkDoc& document)
{
    MapViewState view;
    view.clientWidth = args.width;
    view.clientHeight = args.height;
    view.geometry.SetZoom(args.zoom);
    view.geometry.SetFloor(args.floor);
    view.showShades = args.shade;
    view.showSpawns = args.spawns;
    view.showCreatures = args.creatures;
    view.showCursorFrame = false;
    view.tool = CursorTool::Other;
    view.animationCounter = static_cast<uint16_t>(args.animation);
    const ViewGeometry& geometry = view.geometry;
    auto clamp = [&](Point scroll) {
        return geometry.ClampScroll(scroll, args.width, args.height, document.width, document.height);
    };
    if (args.center) {
        // A view that has just opened the map stands at the border margin.
        const Point start = clamp({document.borderX * 32, document.borderY * 32});
        const auto centred = view.geometry.CenterOn(args.center->x, args.center->y, args.floor, args.width,
                                                    args.height, start, document.width, document.height);
        view.scroll = clamp(centred.value_or(start));
    } else {
        view.scroll = clamp(args.scroll);
    }
    return view;
}

int RunRender(const CliContext& context)
{
    const auto args = ParseRenderArguments(context.args);
    if (!args) {
        std::cerr << "tessark-cli: usage: " << kUsage << '\n';
        return kExitUsage;
    }
    CliMapDocument map(*context.data, *context.messages);
    const bool read = map.Open(args->map);
    CTessarkDoc& document = map.Document();
    const MapViewState view = RenderView(*args, document);
    Surface surface(args->width, args->height);
    SpriteRenderer renderer(context.data->items);
    MapDrawer drawer(document, renderer);
    drawer.Paint(surface, view, surface.Bounds());
    const bool written = WriteSurfacePng(args->output, surface);
    map.ReleaseMessages();
    if (!written) {
        context.messages->ShowMessage("Could not write " + args->output + ".", MessageIcon::Error);
        return kExitMapFailed;
    }
    return read ? kExitOk : kExitMapFailed;
}

}  // namespace tessark::cli
