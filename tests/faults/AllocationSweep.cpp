// The map readers and writers with the Nth allocation failing, for N = 1, 2, ... until a run
// needs fewer: every failure must end as a failed read or save with its error set, never a
// crash, and a failed save must leave the previous files as they were. Its own program, since
// it replaces the global allocator.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <new>

#include "mapfiles/MapFormats.h"
#include "model/TessarkDoc.h"
#include "support/MapTestWorld.h"
#include "support/ScratchDirectory.h"

// The replacements below pair malloc with free; the compiler cannot see that through new.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

namespace {

// Every tile and thing from the allocator below, so that the sweep fails theirs too.
[[maybe_unused]] const bool kNoPool = setenv("TESSARK_NO_POOL", "1", 1) == 0;

// Allocations left before the one that fails; negative: none fails.
std::atomic<long> allocationsLeft{-1};

}  // namespace

void* operator new(size_t size)
{
    if (allocationsLeft.load(std::memory_order_relaxed) >= 0 && allocationsLeft.fetch_sub(1) == 0) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }

namespace tessark::test {
namespace {

class AllocationSweep : public ::testing::Test {
protected:
    AllocationSweep() { FillMapTestDatabase(database); }

    std::unique_ptr<CTessarkDoc> NewDocument()
    {
        auto document = std::make_unique<CTessarkDoc>(database, messages);
        RegisterMapFormats(*document);
        return document;
    }

    // Runs prepare, then step with the Nth allocation failing, for every N the step makes;
    // check sees each outcome. Returns how many runs failed an allocation.
    long Sweep(const std::function<void()>& prepare, const std::function<bool()>& step,
               const std::function<void(bool, long)>& check)
    {
        for (long n = 0;; ++n) {
            prepare();
            allocationsLeft = n;
            bool done = false;
            try {
                done = step();
            } catch (const std::bad_alloc&) {
                allocationsLeft = -1;
                ADD_FAILURE() << "out of memory escaped at allocation " << n;
            }
            const bool failedOne = allocationsLeft.exchange(-1) < 0;
            if (!failedOne) {
                EXPECT_TRUE(done) << "a run without a failed allocation must succeed";
                return n;
            }
            check(done, n);
        }
    }

    ItemDatabase database;
    RecordingMessageSink messages;
    ScratchDirectory dir;
};

TEST_F(AllocationSweep, ReadsFailCleanly)
{
    auto world = NewDocument();
    BuildVariedWorld(*world);
    for (const char* name : {"world.qzbm", "world.qzx"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(world->DoSave(dir.File(name), false, {}), SaveResult::Saved);
        std::unique_ptr<CTessarkDoc> document;
        const std::string path = dir.File(name);
        const long runs = Sweep([&] { document = NewDocument(); }, [&] { return document->ReadMapFile(path); },
            [&](bool read, long n) {
                if (!read) {
                    EXPECT_NE(document->errorKind, 0) << "allocation " << n;
                }
            });
        EXPECT_GT(runs, 100);
        std::printf("%s: read swept over %ld allocations\n", name, runs);
    }
}

TEST_F(AllocationSweep, FailedSavesKeepThePreviousFiles)
{
    auto world = NewDocument();
    BuildVariedWorld(*world);
    for (const char* name : {"saved.qzbm", "saved.qzx"}) {
        SCOPED_TRACE(name);
        const std::string path = dir.File(name);
        ASSERT_EQ(world->DoSave(path, false, {}), SaveResult::Saved);
        // What is on disk before each save: the map and its side files.
        std::vector<std::pair<std::string, std::vector<uint8_t>>> before;
        const auto snapshot = [&] {
            before.clear();
            for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
                before.emplace_back(entry.path().string(), ReadFileBytes(entry.path().string()));
            }
        };
        snapshot();
        int town = 100;
        const long runs = Sweep(
            // Every save has something new to write.
            [&] { world->Towns().GetTown(static_cast<uint32_t>(++town), true)->name = "Town"; },
            [&] { return world->DoSave(path, false, {}) == SaveResult::Saved; },
            [&](bool saved, long n) {
                if (saved) {
                    snapshot();
                    return;
                }
                EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                                        std::filesystem::directory_iterator()),
                          static_cast<std::ptrdiff_t>(before.size()))
                    << "allocation " << n;
                for (const auto& [file, bytes] : before) {
                    EXPECT_EQ(ReadFileBytes(file), bytes) << file << ", allocation " << n;
                }
            });
        EXPECT_GT(runs, 100);
        std::printf("%s: save swept over %ld allocations\n", name, runs);
    }
}

}  // namespace
}  // namespace tessark::test
