// Heap held per client data record once morva.dat is read: a 16 MB file of small records (the
// reader stops at record id 65535), with 0 and 4 sprite ids per record. Sprite ids repeat, so
// the sprite table stays small and the figure is the records' own cost.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "data/ItemDatabase.h"
#include "support/ScratchDirectory.h"

namespace {

using namespace tessark;

constexpr size_t kFileBytes = 16u << 20;

std::string WriteFile(const test::ScratchDirectory& dir, int spritesPerRecord)
{
    const std::string path = dir.File("morva" + std::to_string(spritesPerRecord) + ".dat");
    std::string bytes = {'S', 'I', 'G', 'N', 100, 0, 0, 0, 0, 0, 0, 0};
    for (uint32_t id = 0; bytes.size() < kFileBytes; ++id) {
        // No options, a 1 x 1 type with spritesPerRecord animation phases.
        bytes += {'\xFF', 1, 1, 1, 1, 1, 1, static_cast<char>(spritesPerRecord)};
        for (int k = 0; k < spritesPerRecord; ++k) {
            const uint16_t sprite = static_cast<uint16_t>(1 + (id + k) % 64);
            bytes += {static_cast<char>(sprite & 0xFF), static_cast<char>(sprite >> 8)};
        }
    }
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

void BM_ClientDataBytesPerRecord(benchmark::State& state)
{
    static test::ScratchDirectory dir;
    const std::string path = WriteFile(dir, static_cast<int>(state.range(0)));
    double perRecord = 0;
    double records = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        auto database = std::make_unique<ItemDatabase>();
        benchmark::DoNotOptimize(database->LoadClientData(path));
        const size_t after = mallinfo2().uordblks;
        records = static_cast<double>(database->ClientTypeCount());
        perRecord = static_cast<double>(after - before) / records;
    }
    state.counters["records"] = records;
    state.counters["bytes_per_record"] = perRecord;
}
BENCHMARK(BM_ClientDataBytesPerRecord)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
