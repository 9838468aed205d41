// Loads arbitrary bytes as items.qzb into a database that holds a few client types.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzMapSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = tessark::fuzz::InputFile("items.qzb", data, size);
    tessark::ItemDatabase database;
    for (int32_t key = 0; key < 4; ++key) {
        tessark::ItemType client;
        client.clientId = key + 100;
        client.width = 2;
        client.spriteIds.Set(1, static_cast<uint16_t>(key));
        database.SetClientType(key, client);
    }
    const int result = database.LoadItems(path);
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
