// Walks the node tree of arbitrary bytes uncached, cached, and cached with a tiny block size taken
// from the input, reading every node's properties through PropStream. The three walks must
// agree call for call; any difference, or a handle that does not move forward, aborts.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzMapSupport.h"
#include "data/FileLoader.h"
#include "data/PropStream.h"

namespace {

using tessark::FileLoader;

constexpr int kMaxDepth = 24;
constexpr size_t kMaxSteps = 4000;

using Trace = std::vector<uint64_t>;

void ReadProps(tessark::PropStream props, Trace& trace)
{
    // The bytes choose the reads, so every reader meets every kind of remainder.
    uint8_t selector = 0;
    while (props.ReadU8(selector)) {
        uint16_t u16 = 0;
        uint32_t u32 = 0;
        uint64_t u64 = 0;
        double number = 0;
        std::string text;
        uint8_t block[5] = {};
        bool ok = false;
        switch (selector % 7) {
        case 0: ok = props.ReadU16(u16); break;
        case 1: ok = props.ReadU32(u32); break;
        case 2: ok = props.ReadU64(u64); break;
        case 3: ok = props.ReadDouble(number); break;
        case 4: ok = props.ReadString(text); u64 = text.size(); break;
        case 5: ok = props.ReadBytes(block); break;
        default: ok = props.Skip(selector / 7); break;
        }
        trace.push_back(ok ? 1 + u16 + u32 + u64 : 0);
    }
}

void Walk(FileLoader& loader, uint32_t node, int depth, Trace& trace)
{
    if (trace.size() > kMaxSteps) {
        return;
    }
    tessark::PropStream props;
    const bool got = loader.GetProps(node, props);
    trace.push_back(got ? props.Remaining() : 0xFFFFFFFF00000000ull | loader.GetLastError());
    if (got) {
        ReadProps(props, trace);
    }
    if (depth >= kMaxDepth) {
        return;
    }
    uint8_t type = 0;
    for (uint32_t child = loader.GetChildNode(node, type); child != 0 && trace.size() <= kMaxSteps;) {
        if (child <= node) {
            std::abort();
        }
        trace.push_back(child);
        trace.push_back(type);
        Walk(loader, child, depth + 1, trace);
        const uint32_t next = loader.GetNextNode(child, type);
        if (next != 0 && next <= child) {
            std::abort();
        }
        trace.push_back(loader.GetLastError());
        child = next;
    }
    trace.push_back(loader.GetLastError());
}

Trace WalkFile(const std::string& path, bool cached, uint32_t blockSize)
{
    Trace trace;
    FileLoader loader;
    if (!loader.OpenFile(path, false, cached)) {
        trace.push_back(loader.GetLastError());
        return trace;
    }
    if (blockSize) {
        loader.SetBlockSizeForTesting(blockSize);
    }
    uint8_t type = 0;
    const uint32_t root = loader.GetChildNode(0, type);
    trace.push_back(root);
    if (root != 0) {
        Walk(loader, root, 0, trace);
        trace.push_back(loader.GetNextNode(root, type));
    }
    trace.push_back(loader.GetLastError());
    return trace;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = tessark::fuzz::InputFile("input.qzb", data, size);
    const Trace straight = WalkFile(path, false, 0);
    const Trace cached = WalkFile(path, true, 0);
    const uint32_t tinyBlock = size > 0 ? 1 + data[size - 1] % 40 : 1;
    const Trace tiny = WalkFile(path, true, tinyBlock);
    if (cached != straight || tiny != straight) {
        std::abort();
    }
    return 0;
}
