#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "data/ItemType.h"

namespace tessark {

// One record of the client data file as written: the option bytes come from the type's fields
// (group ground/container/writeable/fluid container/splash, speed, topOrder, stackable, useable,
// blocking, moveable, blockProjectile, blockPath, pickupable, hangeable, horizontal, vertical,
// hasHeight, minimapColor), then extraOptions verbatim (options the reader skips, with their
// payloads), then 0xFF, the size block and spriteIds.
struct ClientDataRecord {
    ItemType type;
    uint8_t patternZ = 1;
    // width * height * layers * patternX * patternY * patternZ * animationPhases ids, in the
    // reader's order.
    std::vector<uint16_t> spriteIds;
    std::vector<uint8_t> extraOptions;
};

// Writes a client data file; records get ids 100, 101, ... in order. The previous file stays
// intact when writing fails.
bool WriteClientDataFile(const std::string& path, uint32_t signature, uint16_t itemCount,
                         std::span<const ClientDataRecord> records);

}  // namespace tessark
