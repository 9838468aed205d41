// Frame time of the map view's drawing on the demo world: a 1920 x 1080 client area centred on
// a town, at each zoom, on the ground floor (one floor) and on floor 5 (floors 7, 6 and 5 with
// the shade), with the image cache warm (as while scrolling) and cold (as after a zoom change).
//
// The game data and the demo world are taken from beside this program, where the build writes
// them; without them they are generated into a temporary folder with the tessark-cli beside it.
//
//   render_frame [--map=MAP] [benchmark flags]
// draws MAP (read with the data beside it) around its centre instead of the demo world's town.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "data/DataLoader.h"
#include "data/GameData.h"
#include "mapfiles/MapFormats.h"
#include "model/MapFormat.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "platform/Surface.h"
#include "render/MapDrawer.h"
#include "render/SpriteRenderer.h"

namespace {

using namespace tessark;
namespace fs = std::filesystem;

constexpr int kClientWidth = 1920;
constexpr int kClientHeight = 1080;
// The western town of the demo world (seed 1).
constexpr int kTownX = 180;
constexpr int kTownY = 212;

// --map: another world, drawn around its centre.
std::string g_mapPath;

fs::path DataFolder()
{
    const fs::path here = fs::read_symlink("/proc/self/exe").parent_path();
    if (fs::exists(here / "morva.dat") && fs::exists(here / "demo.qzbm")) {
        return here;
    }
    const fs::path folder = fs::temp_directory_path() / "tessark-render-bench";
    fs::create_directories(folder);
    const std::string cli = (here / "tessark-cli").string();
    const std::string commands = cli + " gen-data " + folder.string() + " >/dev/null && " + cli + " --data " +
                                 folder.string() + " gen-map " + (folder / "demo.qzbm").string() +
                                 " --size 512 --seed 1 >/dev/null";
    if (std::system(commands.c_str()) != 0) {
        std::cerr << "render_frame: could not generate the demo world with " << cli << '\n';
        std::exit(1);
    }
    return folder;
}

// The demo world, loaded once for all benchmarks.
struct World {
    World()
    {
        const fs::path folder = DataFolder();
        if (!LoadDataFiles(folder.string(), data, messages)) {
            std::cerr << "render_frame: the game data did not load\n";
            std::exit(1);
        }
        document = std::make_unique<CTessarkDoc>(data.items, messages);
        document->RegisterMapFormat(MakeQzbmFormat());
        const fs::path map = g_mapPath.empty() ? folder / "demo.qzbm" : fs::path(g_mapPath);
        document->OpenDocument(map.string());
        if (document->errorKind != 0 || document->Tiles().Size() == 0) {
            std::cerr << "render_frame: the demo world did not open\n";
            std::exit(1);
        }
    }

    SilentMessageSink messages;
    GameData data;
    std::unique_ptr<CTessarkDoc> document;
};

World& TheWorld()
{
    static World world;
    return world;
}

MapViewState ViewOfTown(const CTessarkDoc& document, float zoom, int floor)
{
    MapViewState view;
    view.clientWidth = kClientWidth;
    view.clientHeight = kClientHeight;
    view.showCursorFrame = false;
    view.geometry.SetZoom(zoom);
    view.geometry.SetFloor(floor);
    auto clamp = [&](Point scroll) {
        return view.geometry.ClampScroll(scroll, kClientWidth, kClientHeight, document.width, document.height);
    };
    const Point start = clamp({document.borderX * 32, document.borderY * 32});
    const int x = g_mapPath.empty() ? kTownX : document.width / 2;
    const int y = g_mapPath.empty() ? kTownY : document.height / 2;
    view.scroll = clamp(view.geometry.CenterOn(x, y, floor, kClientWidth, kClientHeight, start,
                                               document.width, document.height)
                            .value_or(start));
    return view;
}

void DrawFrame(benchmark::State& state, float zoom, int floor, bool warm)
{
    World& world = TheWorld();
    SpriteRenderer renderer(world.data.items);
    MapDrawer drawer(*world.document, renderer);
    const MapViewState view = ViewOfTown(*world.document, zoom, floor);
    Surface surface(kClientWidth, kClientHeight);
    drawer.Paint(surface, view, surface.Bounds());
    for (auto _ : state) {
        if (!warm) {
            renderer.ClearImageCache();
        }
        drawer.Paint(surface, view, surface.Bounds());
        benchmark::DoNotOptimize(surface.Pixels());
        benchmark::ClobberMemory();
    }
    state.counters["cachedImages"] = static_cast<double>(renderer.Cache().VariantCount());
}

void RegisterFrames()
{
    for (float zoom : {1.0f, 0.75f, 0.5f, 0.25f}) {
        for (int floor : {7, 5}) {
            for (bool warm : {true, false}) {
                const std::string name = "Frame/zoom:" + std::to_string(zoom).substr(0, 4) +
                                         "/floor:" + std::to_string(floor) + (warm ? "/warm" : "/cold");
                benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State& state) {
                    DrawFrame(state, zoom, floor, warm);
                })->Unit(benchmark::kMillisecond);
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--map=", 0) == 0) {
            g_mapPath = arg.substr(6);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    RegisterFrames();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
