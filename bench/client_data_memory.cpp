// Heap held per client data record once morva.dat is read: a 16 MB file of small records (the
// reader stops at record id 65535), with 0 and 4 sprite ids per record. Sprite ids repeat, so
// the sprite table stays small and the figure is the records' own cost.
// Also the heap the sprite table takes when morva.dat lists every sprite id and a 256 KB
// morva.spr points every id at the same sprite.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "data/ItemDatabase.h"
#include "data/SpriteFileReader.h"
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

void BM_SpriteTableWhenEveryIdPointsAtOneSprite(benchmark::State& state)
{
    static test::ScratchDirectory dir;
    constexpr uint32_t kSprites = 65535;
    std::string dat = {'S', 'I', 'G', 'N', 100, 0, 0, 0, 0, 0, 0, 0};
    for (uint32_t first = 1; first <= kSprites; first += 4) {
        dat += {'\xFF', 1, 1, 1, 1, 1, 1, 4};
        for (uint32_t sprite = first; sprite < first + 4; ++sprite) {
            const uint16_t id = static_cast<uint16_t>(std::min(sprite, kSprites));
            dat += {static_cast<char>(id & 0xFF), static_cast<char>(id >> 8)};
        }
    }
    std::string spr = {'S', 'P', 'R', '1', 0, 0};
    const uint32_t data = 6 + 4 * kSprites;
    for (uint32_t id = 1; id <= kSprites; ++id) {
        spr += {static_cast<char>(data & 0xFF), static_cast<char>((data >> 8) & 0xFF),
                static_cast<char>((data >> 16) & 0xFF), static_cast<char>(data >> 24)};
    }
    // Colour key, 7 bytes of data: no transparent pixels, then one red pixel.
    spr += {'\xFF', 0, '\xFF', 7, 0, 0, 0, 1, 0, '\xFF', 0, 0};
    std::ofstream(dir.File("every.dat"), std::ios::binary).write(dat.data(), static_cast<std::streamsize>(dat.size()));
    std::ofstream(dir.File("every.spr"), std::ios::binary).write(spr.data(), static_cast<std::streamsize>(spr.size()));
    double sprites = 0;
    double heap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto database = std::make_unique<ItemDatabase>();
        benchmark::DoNotOptimize(database->LoadClientData(dir.File("every.dat")));
        const size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        benchmark::DoNotOptimize(SpriteFileReader(*database).Read(dir.File("every.spr")));
        heap = static_cast<double>(mallinfo2().uordblks - before);
        sprites = static_cast<double>(database->Sprites().size());
    }
    state.counters["sprites"] = sprites;
    state.counters["heap_MB"] = heap / 1e6;
}
BENCHMARK(BM_SpriteTableWhenEveryIdPointsAtOneSprite)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
