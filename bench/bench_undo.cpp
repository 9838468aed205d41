// What the undo history costs: memory of one step for a 9x9 paint stroke (and the stroke's time
// with its recording) and for a 256 x 256 paste, and the time to undo that paste, on a filled
// area of grounds with an item.
//
//   build/bin/bench_undo

#include <benchmark/benchmark.h>

#include "data/ItemDatabase.h"
#include "edit/BrushSize.h"
#include "edit/EditCommandIds.h"
#include "edit/ToolController.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"

namespace {

using namespace tessark;

constexpr int32_t kGroundKey = 1;
constexpr int32_t kItemKey = 3;

struct World {
    World() : document(database, messages)
    {
        ItemType ground;
        ground.group = ItemGroup::Ground;
        ground.serverId = ground.clientId = kGroundKey + kTypeKeyOffset;
        database.SetServerType(kGroundKey, ground);
        ItemType item;
        item.serverId = item.clientId = kItemKey + kTypeKeyOffset;
        database.SetServerType(kItemKey, item);
        for (int32_t y = 100; y < 700; ++y) {
            for (int32_t x = 100; x < 700; ++x) {
                document.AddThing(CreateThing(database, kGroundKey, 0), x, y, 7, false);
                document.AddThing(CreateThing(database, kItemKey, 0), x, y, 7, false);
            }
        }
        controller = std::make_unique<ToolController>(document);
    }

    ItemDatabase database;
    SilentMessageSink messages;
    CTessarkDoc document;
    std::unique_ptr<ToolController> controller;
};

void BM_StrokeStep9x9(benchmark::State& state)
{
    World world;
    ToolController& tools = *world.controller;
    tools.Commands().Run(command::kPaintBrush);
    tools.Commands().Run(BrushSize::BrushCommand(4));
    world.document.currentItemKey = kItemKey;
    size_t bytes = 0;
    for (auto _ : state) {
        tools.MouseMove({300, 300, 7}, false, {});
        tools.LeftPress({});
        tools.LeftRelease({});
        state.PauseTiming();
        bytes = tools.Undo().MemoryBytes();
        tools.Undo().Undo();
        tools.Undo().Clear();
        state.ResumeTiming();
    }
    state.counters["bytes/step"] = static_cast<double>(bytes);
}
BENCHMARK(BM_StrokeStep9x9);

// Copies 256 x 256 tiles and pastes them onto the filled area once; the step's memory.
struct PastedWorld : World {
    PastedWorld()
    {
        ToolController& tools = *controller;
        tools.Commands().Run(command::kSelectionTool);
        Selection& selection = tools.Context().GetSelection();
        // A second item on the copied tiles, so that the paste changes what it covers.
        for (int32_t y = 120; y < 376; ++y) {
            for (int32_t x = 120; x < 376; ++x) {
                document.AddThing(CreateThing(database, kItemKey, 0), x, y, 7, false);
                selection.Add(document, {x, y, 7});
            }
        }
        tools.Undo().Clear();
        const ToolOutcome copied = tools.Commands().Run(command::kCopy);
        tools.MouseMove({420, 420, 7}, false, {});
        tools.Commands().SetClipboardOffers({.tile = true});
        const size_t before = tools.Undo().MemoryBytes();
        tools.Commands().Paste({.tile = copied.clipboard->bytes});
        stepBytes = tools.Undo().MemoryBytes() - before;
    }
    size_t stepBytes = 0;
};

void BM_UndoPaste256(benchmark::State& state)
{
    PastedWorld world;
    UndoStack& undo = world.controller->Undo();
    for (auto _ : state) {
        benchmark::DoNotOptimize(undo.Undo());
        state.PauseTiming();
        undo.Redo();
        state.ResumeTiming();
    }
    state.counters["bytes/step"] = static_cast<double>(world.stepBytes);
}
BENCHMARK(BM_UndoPaste256)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
