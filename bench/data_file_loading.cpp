// Loading times of the client data and sprite files at realistic sizes: a 5 MB client data
// file and a 30 MB sprite file with 40,000 sprites, all of them registered.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "data/ClientDataWriter.h"
#include "data/ItemDatabase.h"
#include "data/SpriteFileReader.h"
#include "data/SpriteFileWriter.h"
#include "support/ScratchDirectory.h"

namespace {

using namespace tessark;

constexpr int kSpriteCount = 40000;

const test::ScratchDirectory& Files()
{
    static test::ScratchDirectory dir;
    static bool written = [] {
        std::vector<ClientDataRecord> records;
        // About 200 bytes a record: 2 x 2 squares, 3 patterns, 8 phases, 96 ids.
        for (int i = 0; i < 25000; ++i) {
            ClientDataRecord record;
            record.type.width = 2;
            record.type.height = 2;
            record.type.cropSize = 64;
            record.type.patternX = 3;
            record.type.animationPhases = 8;
            record.type.blocking = i % 2 == 0;
            for (int k = 0; k < 96; ++k) {
                record.spriteIds.push_back(static_cast<uint16_t>(1 + (i * 96 + k) % kSpriteCount));
            }
            records.push_back(std::move(record));
        }
        std::vector<std::vector<uint32_t>> sprites(kSpriteCount);
        for (int id = 0; id < kSpriteCount; ++id) {
            // Runs of 3 coloured and 1 transparent pixels over the top 7 rows: about 750 bytes.
            sprites[id].assign(Sprite::kPixelCount, 0x00FF00FF);
            for (int p = 0; p < Sprite::kPixelCount; p += 4) {
                for (int q = 0; q < 3 && p + q < 230; ++q) {
                    sprites[id][p + q] = static_cast<uint32_t>(id * 31 + p);
                }
            }
        }
        return WriteClientDataFile(dir.File("morva.dat"), 1, 20000, records) &&
               WriteSpriteFile(dir.File("morva.spr"), 1, sprites);
    }();
    if (!written) {
        std::abort();
    }
    return dir;
}

void BM_LoadClientData(benchmark::State& state)
{
    const std::string path = Files().File("morva.dat");
    for (auto _ : state) {
        ItemDatabase database;
        benchmark::DoNotOptimize(database.LoadClientData(path));
    }
    state.counters["file_mb"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}
BENCHMARK(BM_LoadClientData)->Unit(benchmark::kMillisecond);

void BM_LoadSprites(benchmark::State& state)
{
    const std::string path = Files().File("morva.spr");
    for (auto _ : state) {
        state.PauseTiming();
        ItemDatabase database;
        for (uint32_t id = 1; id <= kSpriteCount; ++id) {
            database.Sprites()[id].id = id;
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(SpriteFileReader(database).Read(path));
    }
    state.counters["file_mb"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}
BENCHMARK(BM_LoadSprites)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
