#include <cstddef>
#include <cstdint>
#include <span>

#include "data/ItemDatabase.h"
#include "data/SpriteFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tessark::ItemDatabase database;
    // A spread of ids, so small files hit registered sprites and larger tables reach far ones.
    for (uint32_t id = 1; id <= 64; ++id) {
        database.Sprites()[id].id = id;
    }
    for (uint32_t id = 100; id <= 0xFFFF; id += 997) {
        database.Sprites()[id].id = id;
    }
    database.SetClientType(360, tessark::ItemType{});
    tessark::SpriteFileReader(database).ReadBytes(std::span(data, size));
    for (const auto& [id, sprite] : database.Sprites()) {
        if (!sprite.pixels.empty() && !sprite.HasPixels()) {
            __builtin_trap();
        }
    }
    if (database.GetClientType(360)->spriteIds[0] != 0xF000) {
        __builtin_trap();
    }
    return 0;
}
