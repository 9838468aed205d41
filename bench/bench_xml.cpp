// Building and reading spawn-file-sized XML documents: the writer loop must stay linear.
#include <benchmark/benchmark.h>

#include <string>

#include "xml/Markup.h"

namespace {

std::string BuildSpawnDocument(int spawns)
{
    tessark::CMarkup writer("<?xml version=\"1.0\"?>\r\n");
    writer.AddElement("spawns");
    writer.IntoElement();
    for (int i = 0; i < spawns; ++i) {
        writer.AddElement("spawn");
        writer.SetAttribute("centerx", 1000 + i % 500);
        writer.SetAttribute("centery", 1000 + i / 500);
        writer.SetAttribute("centerz", 7);
        writer.SetAttribute("radius", 3);
        writer.IntoElement();
        writer.AddElement("monster");
        writer.SetAttribute("name", "Rat");
        writer.SetAttribute("x", 1);
        writer.SetAttribute("y", -1);
        writer.SetAttribute("spawntime", 60);
        writer.OutOfElement();
    }
    return writer.GetDocument();
}

void BM_WriteSpawnFile(benchmark::State& state)
{
    const int spawns = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildSpawnDocument(spawns));
    }
    state.SetComplexityN(spawns);
}
BENCHMARK(BM_WriteSpawnFile)->Arg(1000)->Arg(10000)->Arg(50000)->Complexity()
    ->Unit(benchmark::kMillisecond);

void BM_ReadSpawnFile(benchmark::State& state)
{
    const int spawns = static_cast<int>(state.range(0));
    const std::string text = BuildSpawnDocument(spawns);
    for (auto _ : state) {
        tessark::CMarkup reader;
        reader.SetDocument(text);
        reader.FindElement("spawns");
        reader.IntoElement();
        long sum = 0;
        while (reader.FindElement("spawn")) {
            sum += tessark::ReadXmlNumber(reader.GetAttribute("centerx"));
            while (reader.FindChildElement("monster")) {
                sum += tessark::ReadXmlNumber(reader.GetChildAttribute("spawntime"));
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(spawns);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadSpawnFile)->Arg(1000)->Arg(10000)->Arg(50000)->Complexity()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
