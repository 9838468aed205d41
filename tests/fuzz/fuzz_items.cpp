// Loads arbitrary bytes as items.qzb into a database that holds a few client types.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/ItemDatabase.h"

namespace {

const std::string& InputPath()
{
    static const std::string path = [] {
        char name[] = "/tmp/fuzz_items_XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) {
            std::abort();
        }
        close(fd);
        static std::string keep = name;
        std::atexit([] { std::remove(keep.c_str()); });
        return std::string(name);
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(InputPath().c_str(), "wb");
    if (!file) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    tessark::ItemDatabase database;
    for (int32_t key = 0; key < 4; ++key) {
        tessark::ItemType client;
        client.clientId = key + 100;
        client.width = 2;
        client.spriteIds.Set(1, static_cast<uint16_t>(key));
        database.SetClientType(key, client);
    }
    const int result = database.LoadItems(InputPath());
    if (result < 0 || result > 11) {
        std::abort();
    }
    // Every stored type came with a client type.
    for (const auto& [key, type] : database.ServerTypes()) {
        if (key != type.serverId - 100 || type.width != 2 || type.serverId >= 20000) {
            std::abort();
        }
    }
    return 0;
}
