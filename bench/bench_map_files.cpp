// Map files on a large world: QZBM load and save, QZX save and load, the verify check, and the
// floor-7 minimap, closing the world, each beside a plain loop that reads the same QZBM file and counts node starts
// outside escapes (the least any reader of the file must do), and the reader's own walk over
// the nodes without building tiles (the rest of a load is the model's tiles and things).
//
// The world is the file named by TESSARK_BENCH_MAP, read with the game data in TESSARK_BENCH_DATA
// (a world of `tessark-cli gen-map --size 2048`), or else a synthetic world of
// TESSARK_BENCH_SIZE x TESSARK_BENCH_SIZE tiles (default 2048) built in memory: ground on every
// tile of floor 7 and one to three items on about every fourth tile.
//
//   build/bin/bench_map_files --benchmark_min_time=1
//
// Counters: tiles, file bytes, tiles per second; peak memory of reading the world and counting
// it as `info` does, in bytes per tile, and the CPU time of that child process. On a machine
// shared with other work, compare the CPU column: wall times then include waiting.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/MapCommands.h"
#include "cli/PngWriter.h"
#include "data/DataLoader.h"
#include "data/GameData.h"
#include "edit/VerifyCheck.h"
#include "json/MapJson.h"
#include "mapfiles/NodeStream.h"
#include "mapfiles/QzbmReader.h"
#include "mapfiles/QzbmWriter.h"
#include "mapfiles/QzxReader.h"
#include "mapfiles/QzxWriter.h"
#include "model/BackgroundRelease.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"

namespace {

using namespace tessark;

// Keys of the in-memory database the synthetic world uses.
enum Key : int32_t { kGrass = 1, kDirt = 2, kPlain = 10, kStackable = 11, kSign = 16, kWall = 20, kBorder = 22 };

void FillDatabase(ItemDatabase& database)
{
    const auto add = [&database](int32_t key, ItemGroup group) -> ItemType& {
        ItemType type;
        type.group = group;
        type.serverId = type.clientId = key + kTypeKeyOffset;
        database.SetServerType(key, type);
        return *database.FindServerType(key);
    };
    add(kGrass, ItemGroup::Ground).minimapColor = 24;
    add(kDirt, ItemGroup::Ground).minimapColor = 129;
    add(kPlain, ItemGroup::None);
    add(kStackable, ItemGroup::None).stackable = true;
    add(kSign, ItemGroup::None).readable = true;
    ItemType& wall = add(kWall, ItemGroup::None);
    wall.alwaysOnTop = true;
    wall.topOrder = 2;
    wall.minimapColor = 86;
    ItemType& border = add(kBorder, ItemGroup::None);
    border.alwaysOnTop = true;
    border.topOrder = 1;
}

void Place(CTessarkDoc& document, int32_t key, int32_t x, int32_t y, int32_t count = 0)
{
    CTile* tile = document.GetTile(x, y, 7);
    if (!tile) {
        tile = document.StoreTile(std::make_unique<CTile>(), x, y, 7);
    }
    tile->AddThing(document.Database(), CreateThing(document.Database(), key, count), false);
}

void BuildSyntheticWorld(CTessarkDoc& document, int size)
{
    document.width = size;
    document.height = size;
    uint32_t state = 12345;
    for (int32_t x = 0; x < size; ++x) {
        for (int32_t y = 0; y < size; ++y) {
            Place(document, (x ^ y) % 7 == 0 ? kDirt : kGrass, x, y);
            state = state * 1664525u + 1013904223u;
            const uint32_t roll = state >> 8;
            if (roll % 4 != 0) {
                continue;
            }
            switch ((roll >> 4) % 5) {
            case 0:
                Place(document, kWall, x, y);
                break;
            case 1:
                Place(document, kStackable, x, y, static_cast<int32_t>(roll % 100) + 1);
                break;
            case 2:
                Place(document, kBorder, x, y);
                Place(document, kPlain, x, y);
                break;
            case 3:
                Place(document, kSign, x, y);
                break;
            default:
                Place(document, kPlain, x, y);
                Place(document, kStackable, x, y, 10);
                Place(document, kPlain, x, y);
                break;
            }
        }
    }
}

// Everything the benchmarks share: the game data, the world in memory and its files.
struct World {
    GameData data;
    SilentMessageSink silent;
    std::unique_ptr<CTessarkDoc> document;
    std::string folder;
    std::string qzbm;
    std::string qzx;
    size_t tiles = 0;
    uint64_t fileBytes = 0;
    bool synthetic = true;

    std::unique_ptr<CTessarkDoc> NewDocument() const
    {
        return std::make_unique<CTessarkDoc>(const_cast<GameData&>(data).items,
                                             const_cast<SilentMessageSink&>(silent));
    }
};

const World& TheWorld()
{
    static World* world = [] {
        auto* made = new World;
        made->folder =
            (std::filesystem::temp_directory_path() / ("tessark-bench-maps-" + std::to_string(getpid())))
                .string();
        std::filesystem::create_directories(made->folder);
        made->qzbm = made->folder + "/world.qzbm";
        made->qzx = made->folder + "/world.qzx";
        const char* mapPath = std::getenv("TESSARK_BENCH_MAP");
        const char* dataPath = std::getenv("TESSARK_BENCH_DATA");
        if (mapPath && dataPath) {
            made->synthetic = false;
            if (!LoadDataFiles(dataPath, made->data, made->silent)) {
                std::fprintf(stderr, "cannot load the game data in %s\n", dataPath);
                std::exit(1);
            }
            made->document = made->NewDocument();
            if (!LoadQzbm(*made->document, mapPath, false)) {
                std::fprintf(stderr, "cannot read %s\n", mapPath);
                std::exit(1);
            }
        } else {
            FillDatabase(made->data.items);
            made->document = made->NewDocument();
            const char* size = std::getenv("TESSARK_BENCH_SIZE");
            BuildSyntheticWorld(*made->document, size ? std::atoi(size) : 2048);
        }
        made->tiles = made->document->Tiles().Size();
        if (!SaveQzbm(*made->document, made->qzbm) || !SaveQzx(*made->document, made->qzx)) {
            std::fprintf(stderr, "cannot write the world into %s\n", made->folder.c_str());
            std::exit(1);
        }
        made->fileBytes = std::filesystem::file_size(made->qzbm);
        std::atexit([] { std::filesystem::remove_all(TheWorld().folder); });
        return made;
    }();
    return *world;
}

void Describe(benchmark::State& state, const World& world)
{
    state.counters["tiles"] = static_cast<double>(world.tiles);
    state.counters["fileBytes"] = static_cast<double>(world.fileBytes);
    state.counters["tilesPerSecond"] = benchmark::Counter(
        static_cast<double>(world.tiles) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}

void BM_PlainLoopOverQzbm(benchmark::State& state)
{
    const World& world = TheWorld();
    std::vector<unsigned char> buffer(1 << 20);
    for (auto _ : state) {
        std::FILE* file = std::fopen(world.qzbm.c_str(), "rb");
        uint64_t nodes = 0;
        bool escaped = false;
        size_t count = 0;
        while ((count = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
            for (size_t i = 0; i < count; ++i) {
                const unsigned char byte = buffer[i];
                if (escaped) {
                    escaped = false;
                } else if (byte == 0xFD) {
                    escaped = true;
                } else if (byte == 0xFE) {
                    ++nodes;
                }
            }
        }
        std::fclose(file);
        benchmark::DoNotOptimize(nodes);
    }
    Describe(state, world);
}
BENCHMARK(BM_PlainLoopOverQzbm)->Unit(benchmark::kMillisecond);

// The map reader's own share of a load: every node's start, properties and end, in one pass,
// without building tiles.
int64_t WalkNodes(NodeStream& stream)
{
    int64_t nodes = 1;
    if (!stream.ReadProps()) {
        return -1;
    }
    if (!stream.HasChildren()) {
        return nodes;
    }
    for (;;) {
        uint8_t type = 0;
        const int64_t children = stream.ReadType(type) ? WalkNodes(stream) : -1;
        if (children < 0) {
            return -1;
        }
        nodes += children;
        const NodeStream::Next next = stream.ReadNext();
        if (next != NodeStream::Next::Child) {
            return next == NodeStream::Next::End ? nodes : -1;
        }
    }
}

void BM_QzbmNodeWalk(benchmark::State& state)
{
    const World& world = TheWorld();
    for (auto _ : state) {
        NodeStream stream;
        uint8_t type = 0;
        if (!stream.Open(world.qzbm) || !stream.ReadNodeStart(type) || WalkNodes(stream) < 0) {
            state.SkipWithError("walk failed");
        }
    }
    Describe(state, world);
}
BENCHMARK(BM_QzbmNodeWalk)->Unit(benchmark::kMillisecond);

void BM_QzbmLoad(benchmark::State& state)
{
    const World& world = TheWorld();
    for (auto _ : state) {
        auto document = world.NewDocument();
        if (!LoadQzbm(*document, world.qzbm, false)) {
            state.SkipWithError("read failed");
        }
        state.PauseTiming();
        document.reset();
        background_release::Wait();
        state.ResumeTiming();
    }
    Describe(state, world);
}
BENCHMARK(BM_QzbmLoad)->Unit(benchmark::kMillisecond);

// Closing the world: the document cleared as New does, after a load that is not timed; with
// waitForRelease, until the worker that frees the tiles is done too.
void BM_QzbmClose(benchmark::State& state, bool waitForRelease)
{
    const World& world = TheWorld();
    for (auto _ : state) {
        state.PauseTiming();
        background_release::Wait();
        auto document = world.NewDocument();
        if (!LoadQzbm(*document, world.qzbm, false)) {
            state.SkipWithError("read failed");
        }
        state.ResumeTiming();
        document->DeleteContents();
        benchmark::DoNotOptimize(document->Tiles().Size());
        if (waitForRelease) {
            background_release::Wait();
        }
    }
    Describe(state, world);
}
// A fixed count: the untimed load dwarfs the timed close, which would otherwise run on and on.
BENCHMARK_CAPTURE(BM_QzbmClose, returns, false)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_QzbmClose, released, true)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_QzbmSave(benchmark::State& state)
{
    const World& world = TheWorld();
    const std::string path = world.folder + "/saved.qzbm";
    for (auto _ : state) {
        if (!SaveQzbm(*world.document, path)) {
            state.SkipWithError("save failed");
        }
    }
    Describe(state, world);
}
BENCHMARK(BM_QzbmSave)->Unit(benchmark::kMillisecond);

void BM_QzxSave(benchmark::State& state)
{
    const World& world = TheWorld();
    const std::string path = world.folder + "/saved.qzx";
    for (auto _ : state) {
        if (!SaveQzx(*world.document, path)) {
            state.SkipWithError("save failed");
        }
    }
    Describe(state, world);
    state.counters["qzxBytes"] = static_cast<double>(std::filesystem::file_size(world.qzx));
}
BENCHMARK(BM_QzxSave)->Unit(benchmark::kMillisecond);

void BM_QzxLoad(benchmark::State& state)
{
    const World& world = TheWorld();
    for (auto _ : state) {
        auto document = world.NewDocument();
        if (!LoadQzx(*document, world.qzx)) {
            state.SkipWithError("read failed");
        }
        state.PauseTiming();
        document.reset();
        background_release::Wait();
        state.ResumeTiming();
    }
    Describe(state, world);
}
BENCHMARK(BM_QzxLoad)->Unit(benchmark::kMillisecond);

void BM_Verify(benchmark::State& state)
{
    const World& world = TheWorld();
    for (auto _ : state) {
        benchmark::DoNotOptimize(VerifyMap(*world.document).size());
    }
    Describe(state, world);
}
BENCHMARK(BM_Verify)->Unit(benchmark::kMillisecond);

void BM_MinimapFloor7(benchmark::State& state)
{
    const World& world = TheWorld();
    const std::string path = world.folder + "/minimap.png";
    for (auto _ : state) {
        const cli::PixelImage picture = cli::MinimapPicture(
            *world.document, 7, 0, 0, world.document->width, world.document->height);
        if (!cli::WritePng(path, picture)) {
            state.SkipWithError("png failed");
        }
    }
    Describe(state, world);
}
BENCHMARK(BM_MinimapFloor7)->Unit(benchmark::kMillisecond);

// Reads the world and counts it as `info` does, in a fresh process (this program run with
// --info-child), whose peak resident memory is then what that command needs beside the game data.
int RunInfoChild(const char* path)
{
    GameData data;
    SilentMessageSink silent;
    const char* dataPath = std::getenv("TESSARK_BENCH_DATA");
    if (dataPath && std::getenv("TESSARK_BENCH_MAP")) {
        if (!LoadDataFiles(dataPath, data, silent)) {
            return 1;
        }
    } else {
        FillDatabase(data.items);
    }
    // Left to the exit: its CPU time is that of reading and counting, not of freeing.
    auto* document = new CTessarkDoc(data.items, silent);
    const bool read = LoadQzbm(*document, path, false);
    const std::string json = MapInfoJson(*document);
    // The peak of this process's own memory (the parent's, which a fork shares until the exec,
    // would count in the resource usage the parent sees).
    std::FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    while (status && std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            std::fputs(line + 6, stdout);
        }
    }
    std::fflush(stdout);
    _exit(read && !json.empty() ? 0 : 1);
}

void BM_InfoPeakMemory(benchmark::State& state)
{
    const World& world = TheWorld();
    long peakKilobytes = 0;
    double childCpuMilliseconds = 0;
    static double childrenCpuBefore = 0;
    for (auto _ : state) {
        int pipeEnds[2] = {-1, -1};
        if (pipe(pipeEnds) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        const pid_t child = fork();
        if (child == 0) {
            dup2(pipeEnds[1], STDOUT_FILENO);
            close(pipeEnds[0]);
            close(pipeEnds[1]);
            execl("/proc/self/exe", "bench_map_files", "--info-child", world.qzbm.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeEnds[1]);
        char report[64] = {};
        size_t used = 0;
        ssize_t count = 0;
        while (used + 1 < sizeof report &&
               (count = read(pipeEnds[0], report + used, sizeof report - 1 - used)) > 0) {
            used += static_cast<size_t>(count);
        }
        close(pipeEnds[0]);
        peakKilobytes = std::strtol(report, nullptr, 10);
        int status = 0;
        waitpid(child, &status, 0);
        // The children's times add up over the process's life: this child's is the growth.
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        const double childrenCpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                                   (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
        childCpuMilliseconds = childrenCpu - childrenCpuBefore;
        childrenCpuBefore = childrenCpu;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("child failed");
        }
    }
    Describe(state, world);
    state.counters["peakBytes"] = static_cast<double>(peakKilobytes) * 1024.0;
    // The whole child: start, a first read of the world in a fresh process, the count.
    state.counters["childCpuMs"] = childCpuMilliseconds;
    state.counters["peakBytesPerTile"] =
        static_cast<double>(peakKilobytes) * 1024.0 / static_cast<double>(world.tiles);
}
BENCHMARK(BM_InfoPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--info-child") {
        return RunInfoChild(argv[2]);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
