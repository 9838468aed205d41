#include <cstddef>
#include <cstdint>
#include <span>

#include "data/ClientDataReader.h"
#include "data/ItemDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tessark::ItemDatabase database;
    const int result = tessark::ClientDataReader(database).ReadBytes(std::span(data, size));
    if (result != 0 && result != 8) {
        __builtin_trap();
    }
    // Every registered sprite must come from a stored record's ids.
    for (const int32_t key : database.ClientKeys()) {
        const tessark::ItemType& type = *database.GetClientType(key);
        if (type.spriteCount > tessark::ItemType::kMaxSpriteIds) {
            __builtin_trap();
        }
        for (uint32_t i = 0; i < type.spriteCount; ++i) {
            if (database.Sprites().count(type.spriteIds[i]) != 1) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
