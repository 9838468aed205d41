// The engine's part of a paint stroke: one 9x9 ground stamp (81 grounds replacing 81 grounds,
// each announced to a listening view) and one eraser square, on a map that already holds a
// filled area. The editor's figure adds the repaint of the changed area on top of this.
//
//   build/bin/bench_tools

#include <benchmark/benchmark.h>

#include "data/ItemDatabase.h"
#include "edit/BrushSize.h"
#include "edit/ToolController.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"

namespace {

using namespace tessark;

constexpr int32_t kGroundKey = 1;
constexpr int32_t kOtherGroundKey = 2;
constexpr int32_t kItemKey = 3;

// Stands in for the view: counts the hints as the view would turn them into dirty rectangles.
class CountingListener : public ViewHintListener {
public:
    void OnViewHint(const ViewHint&) override { ++count; }
    int64_t count = 0;
};

struct World {
    World() : document(database, messages)
    {
        ItemType ground;
        ground.group = ItemGroup::Ground;
        database.SetServerType(kGroundKey, ground);
        database.SetServerType(kOtherGroundKey, ground);
        database.SetServerType(kItemKey, ItemType());
        for (int32_t y = 100; y < 300; ++y) {
            for (int32_t x = 100; x < 300; ++x) {
                document.AddThing(CreateThing(database, kGroundKey, 0), x, y, 7, false);
                document.AddThing(CreateThing(database, kItemKey, 0), x, y, 7, false);
            }
        }
        controller = std::make_unique<ToolController>(document);
        document.AddViewHintListener(listener);
    }
    ~World() { document.RemoveViewHintListener(listener); }

    ItemDatabase database;
    SilentMessageSink messages;
    CTessarkDoc document;
    CountingListener listener;
    std::unique_ptr<ToolController> controller;
};

void BM_GroundStamp9x9(benchmark::State& state)
{
    World world;
    world.controller->Commands().ChooseBrushType(kOtherGroundKey);
    world.controller->Commands().Run(BrushSize::BrushCommand(4));
    int32_t x = 110;
    for (auto _ : state) {
        // A drag: each step enters a new tile and stamps the square there.
        x = x >= 290 ? 110 : x + 1;
        ToolOutcome outcome = world.controller->MouseMove({x, 200, 7}, true, {});
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["grounds/s"] =
        benchmark::Counter(double(state.iterations()) * 81, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GroundStamp9x9);

void BM_EraserSquare9x9(benchmark::State& state)
{
    World world;
    world.controller->Commands().Run(BrushSize::EraserCommand(4));
    world.controller->Commands().Run(GetToolInfo(ToolKind::Eraser).commandId);
    for (auto _ : state) {
        state.PauseTiming();
        for (int32_t y = 196; y <= 204; ++y) {
            for (int32_t x = 196; x <= 204; ++x) {
                world.document.AddThing(CreateThing(world.database, kGroundKey, 0), x, y, 7, false);
                world.document.AddThing(CreateThing(world.database, kItemKey, 0), x, y, 7, false);
            }
        }
        world.controller->MouseMove({0, 0, 7}, false, {});
        state.ResumeTiming();
        world.controller->MouseMove({200, 200, 7}, true, {});
    }
}
BENCHMARK(BM_EraserSquare9x9);

}  // namespace

BENCHMARK_MAIN();
