// Fills a document with 2,000,000 tiles (a ground and one item each) over 8 blocks of 256 x 256
// on each of 4 floors, looks every tile up, and clears the document. Reports the resident memory
// each tile costs and the time of each phase; the target is at most 200 bytes per tile and the
// whole cycle within 2 seconds.
//
//   build/bin/bench_tile_store --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <unistd.h>

#include "data/ItemDatabase.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"

namespace {

using namespace tessark;
using Clock = std::chrono::steady_clock;

constexpr int32_t kGroundKey = 1;
constexpr int32_t kItemKey = 2;
constexpr int32_t kWidth = 1000;
constexpr int32_t kHeight = 500;
constexpr int32_t kFirstFloor = 6;
constexpr int32_t kFloors = 4;
constexpr double kTiles = double(kWidth) * kHeight * kFloors;

void FillDatabase(ItemDatabase& database)
{
    ItemType ground;
    ground.group = ItemGroup::Ground;
    database.SetServerType(kGroundKey, ground);
    database.SetServerType(kItemKey, ItemType());
}

// Resident set size of this process in bytes.
double ResidentBytes()
{
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Fill(CTessarkDoc& document, const ItemDatabase& database)
{
    for (int32_t z = kFirstFloor; z < kFirstFloor + kFloors; ++z) {
        for (int32_t x = 0; x < kWidth; ++x) {
            for (int32_t y = 0; y < kHeight; ++y) {
                document.AddThing(CreateThing(database, kGroundKey, 0), x, y, z, false);
                document.AddThing(CreateThing(database, kItemKey, 0), x, y, z, false);
            }
        }
    }
}

size_t LookUpAll(const CTessarkDoc& document)
{
    size_t things = 0;
    for (int32_t z = kFirstFloor; z < kFirstFloor + kFloors; ++z) {
        for (int32_t x = 0; x < kWidth; ++x) {
            for (int32_t y = 0; y < kHeight; ++y) {
                if (const CTile* tile = document.GetTile(x, y, z)) {
                    things += tile->GetThingCount();
                }
            }
        }
    }
    return things;
}

void BM_FillLookUpClear(benchmark::State& state)
{
    ItemDatabase database;
    FillDatabase(database);
    SilentMessageSink messages;
    for (auto _ : state) {
        CTessarkDoc document(database, messages);
        const double before = ResidentBytes();

        auto start = Clock::now();
        Fill(document, database);
        const double fillMs = MillisecondsSince(start);
        const double after = ResidentBytes();

        start = Clock::now();
        const size_t things = LookUpAll(document);
        const double lookUpMs = MillisecondsSince(start);
        benchmark::DoNotOptimize(things);
        if (things != size_t(kTiles) * 2) {
            state.SkipWithError("lookup missed tiles");
        }

        start = Clock::now();
        document.DeleteContents();
        const double clearMs = MillisecondsSince(start);

        state.counters["bytes_per_tile"] = (after - before) / kTiles;
        state.counters["fill_ms"] = fillMs;
        state.counters["lookup_ms"] = lookUpMs;
        state.counters["clear_ms"] = clearMs;
        state.counters["cycle_ms"] = fillMs + lookUpMs + clearMs;
    }
}
// One cycle per process: the resident size is only meaningful on a fresh heap.
BENCHMARK(BM_FillLookUpClear)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Random lookups over the filled area, as drawing and the minimap do them.
void BM_RandomLookUp(benchmark::State& state)
{
    ItemDatabase database;
    FillDatabase(database);
    SilentMessageSink messages;
    CTessarkDoc document(database, messages);
    Fill(document, database);
    std::mt19937 random(7);
    std::vector<std::array<int32_t, 3>> positions(1 << 16);
    for (auto& position : positions) {
        position = {int32_t(random() % kWidth), int32_t(random() % kHeight),
                    kFirstFloor + int32_t(random() % kFloors)};
    }
    size_t index = 0;
    for (auto _ : state) {
        const auto& position = positions[index++ & (positions.size() - 1)];
        benchmark::DoNotOptimize(document.GetTile(position[0], position[1], position[2]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RandomLookUp);

}  // namespace

BENCHMARK_MAIN();
