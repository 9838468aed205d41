// Walks a generated node file of about 50 MB through the block cache, the way a map reader does:
// properties, first child and next sibling of every node.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "data/FileLoader.h"
#include "data/MapLoader.h"
#include "data/PropStream.h"

namespace {

using tessark::FileLoader;
using tessark::MapLoader;

constexpr int kNodes = 1000000;

// A root with kNodes children of 30 to 60 property bytes (some of them marker bytes), every
// fourth with one small child of its own.
const std::string& BenchFile()
{
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / "tessark-bench-nodefile.qzbm").string();
        FileLoader writer;
        std::mt19937 random(7);
        std::vector<uint8_t> props;
        writer.OpenFile(file, true, false);
        writer.StartNode(0);
        for (int i = 0; i < kNodes; ++i) {
            props.resize(30 + random() % 31);
            for (uint8_t& byte : props) {
                byte = static_cast<uint8_t>(random() % 64 == 0 ? 0xFE : random() % 200);
            }
            writer.StartNode(static_cast<uint8_t>(1 + i % 5));
            writer.WriteBytes(props, true);
            if (i % 4 == 0) {
                writer.StartNode(6);
                writer.WriteBytes(props.data(), 8, true);
                writer.EndNode();
            }
            writer.EndNode();
        }
        writer.EndNode();
        if (!writer.CloseFile()) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            std::exit(1);
        }
        return file;
    }();
    return path;
}

uint64_t WalkChildren(FileLoader& loader, uint32_t parent)
{
    uint64_t sum = 0;
    uint8_t type = 0;
    tessark::PropStream props;
    for (uint32_t node = loader.GetChildNode(parent, type); node != 0;
         node = loader.GetNextNode(node, type)) {
        uint8_t first = 0;
        if (loader.GetProps(node, props) && props.ReadU8(first)) {
            sum += first + props.Remaining();
        }
        sum += WalkChildren(loader, node);
    }
    return sum;
}

void BM_WalkCached(benchmark::State& state)
{
    const std::string& path = BenchFile();
    const auto size = std::filesystem::file_size(path);
    for (auto _ : state) {
        MapLoader loader;
        if (!loader.OpenFile(path, false, state.range(0) != 0)) {
            state.SkipWithError("cannot open the file");
            return;
        }
        uint8_t type = 0;
        const uint32_t root = loader.GetChildNode(0, type);
        benchmark::DoNotOptimize(WalkChildren(loader, root));
        if (loader.GetLastError() != 0) {
            state.SkipWithError("walk failed");
            return;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}
BENCHMARK(BM_WalkCached)->Arg(1)->ArgName("cached")->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
