// What a recovery copy costs the editor on the world of `gen-map --size 2048 --seed 1`, opened
// from its file as the editor opens it: the stall of starting the copy (the fork), the whole
// background write until the copy is in place, and a 9x9 paint stroke with and without a copy
// being written meanwhile (the editor then pays for the pages it changes first); beside them,
// the copy of every tile a snapshot for a writing thread would take instead.
//
//   build/bin/bench_recovery
//
// Counters: the editor's resident memory (MB) when the copy starts.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "data/DataLoader.h"
#include "data/GameData.h"
#include "edit/BrushSize.h"
#include "edit/EditCommandIds.h"
#include "edit/ToolController.h"
#include "mapfiles/MapFormats.h"
#include "mapfiles/RecoveryWriter.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "platform/RecoveryFolder.h"
#include "samples/gendata/DataKitWriter.h"
#include "samples/genmap/WorldGenerator.h"
#include "samples/genmap/WorldPalette.h"
#include "support/ScratchDirectory.h"

namespace {

using namespace tessark;

struct World {
    test::ScratchDirectory dir;
    GameData data;
    SilentMessageSink quiet;
    std::unique_ptr<CTessarkDoc> document;
    std::unique_ptr<ToolController> tools;
    int32_t paintKey = 0;

    World()
    {
        gendata::WriteDataKit(dir.File("data"), gendata::kDefaultSeed);
        LoadDataFiles(dir.File("data"), data, quiet);
        const std::string path = dir.File("world.qzbm");
        {
            genmap::WorldPalette palette;
            palette.Resolve(data.items);
            CTessarkDoc generated(data.items, quiet);
            RegisterMapFormats(generated);
            genmap::WorldGenerator(generated, palette, {.size = 2048, .seed = 1}).Generate();
            generated.DoSave(path, true, {});
        }
        document = std::make_unique<CTessarkDoc>(data.items, quiet);
        RegisterMapFormats(*document);
        document->OpenDocument(path);
        tools = std::make_unique<ToolController>(*document);
        tools->Commands().Run(command::kPaintBrush);
        tools->Commands().Run(BrushSize::BrushCommand(4));
        // The ground of the world's middle tile paints over its neighbours.
        const CTile* middle = document->GetTile(1024, 1024, 7);
        paintKey = middle && middle->GetGround() ? middle->GetGround()->GetTypeKey() : 0;
        document->currentItemKey = paintKey;
    }

    void Stroke(int32_t x)
    {
        tools->MouseMove({x, 1024, 7}, false, {});
        tools->LeftPress({});
        tools->LeftRelease({});
    }
};

World& TheWorld()
{
    static World world;
    return world;
}

double ResidentMegabytes()
{
    std::ifstream status("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    status >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

RecoveryWriter::State Finish(RecoveryWriter& writer)
{
    while (writer.Poll() == RecoveryWriter::State::Writing) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return writer.Poll();
}

// The editor's stall: the fork that gives the child its snapshot.
void BM_RecoveryStartStall(benchmark::State& state)
{
    World& world = TheWorld();
    RecoveryFolder folder(world.dir.File("recovery"));
    RecoveryWriter writer;
    for (auto _ : state) {
        if (!writer.Start(*world.document, folder, 0)) {
            state.SkipWithError("no copy started");
            break;
        }
        state.PauseTiming();
        if (Finish(writer) != RecoveryWriter::State::Written) {
            state.SkipWithError("the copy failed");
        }
        state.ResumeTiming();
    }
    state.counters["resident MB"] = ResidentMegabytes();
}
BENCHMARK(BM_RecoveryStartStall)->Unit(benchmark::kMillisecond)->Iterations(10);

// The whole copy, written in the background, until its manifest is in place.
void BM_RecoveryWholeWrite(benchmark::State& state)
{
    World& world = TheWorld();
    RecoveryFolder folder(world.dir.File("recovery"));
    RecoveryWriter writer;
    for (auto _ : state) {
        writer.Start(*world.document, folder, 0);
        if (Finish(writer) != RecoveryWriter::State::Written) {
            state.SkipWithError("the copy failed");
        }
    }
}
BENCHMARK(BM_RecoveryWholeWrite)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// For comparison, what a snapshot for a writing thread would cost the editor: a copy of every
// tile of the world.
void BM_CloneEveryTile(benchmark::State& state)
{
    World& world = TheWorld();
    for (auto _ : state) {
        std::vector<std::unique_ptr<CTile>> copies;
        copies.reserve(world.document->Tiles().Size());
        for (int z = 0; z < 16; ++z) {
            world.document->Tiles().ForEachTile(
                z, [&copies](uint32_t, const CTile& tile) { copies.push_back(tile.Clone()); });
        }
        benchmark::DoNotOptimize(copies.data());
    }
}
BENCHMARK(BM_CloneEveryTile)->Unit(benchmark::kMillisecond)->Iterations(3);

// A 9x9 stroke (and its undo) right after a copy started (1) or with none running (0).
void BM_StrokeDuringCopy(benchmark::State& state)
{
    World& world = TheWorld();
    RecoveryFolder folder(world.dir.File("recovery"));
    RecoveryWriter writer;
    int32_t x = 600;
    for (auto _ : state) {
        state.PauseTiming();
        if (state.range(0) != 0) {
            writer.Start(*world.document, folder, 0);
        }
        x = x >= 1400 ? 600 : x + 20;
        state.ResumeTiming();
        world.Stroke(x);
        world.tools->Undo().Undo();
        state.PauseTiming();
        Finish(writer);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StrokeDuringCopy)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
