// Time and memory of generating the demo world: the plan and the build of a world of 512 and
// 2048 tiles square into a fresh document, and the whole gen-map step with the save.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "data/DataLoader.h"
#include "data/GameData.h"
#include "mapfiles/MapFormats.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "samples/gendata/DataKitWriter.h"
#include "samples/genmap/WorldGenerator.h"
#include "samples/genmap/WorldPalette.h"
#include "support/ScratchDirectory.h"

namespace {

using namespace tessark;

struct Kit {
    test::ScratchDirectory dir;
    GameData data;
    genmap::WorldPalette palette;
    Kit()
    {
        gendata::WriteDataKit(dir.File("data"), gendata::kDefaultSeed);
        SilentMessageSink quiet;
        LoadDataFiles(dir.File("data"), data, quiet);
        palette.Resolve(data.items);
    }
};

Kit& TheKit()
{
    static Kit kit;
    return kit;
}

void BM_GenerateWorld(benchmark::State& state)
{
    Kit& kit = TheKit();
    SilentMessageSink quiet;
    for (auto _ : state) {
        CTessarkDoc document(kit.data.items, quiet);
        genmap::WorldSettings settings;
        settings.size = static_cast<int32_t>(state.range(0));
        genmap::WorldGenerator(document, kit.palette, settings).Generate();
        state.counters["tiles"] = static_cast<double>(document.Tiles().Size());
    }
}
BENCHMARK(BM_GenerateWorld)->Arg(512)->Arg(2048)->Unit(benchmark::kMillisecond);

void BM_GenerateAndSaveWorld(benchmark::State& state)
{
    Kit& kit = TheKit();
    SilentMessageSink quiet;
    const std::string path = kit.dir.File("world.qzbm");
    for (auto _ : state) {
        CTessarkDoc document(kit.data.items, quiet);
        RegisterMapFormats(document);
        genmap::WorldSettings settings;
        settings.size = static_cast<int32_t>(state.range(0));
        genmap::WorldGenerator(document, kit.palette, settings).Generate();
        document.DoSave({}, true, [&](const std::string&) { return std::optional<std::string>(path); });
    }
}
BENCHMARK(BM_GenerateAndSaveWorld)->Arg(2048)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
