#pragma once

#include <cstdint>
#include <string>

namespace tessark::gendata {

struct DataKitResult {
    bool ok = false;
    std::string error;  // what could not be done, when not ok
};

// The default seed of `gen-data`.
inline constexpr uint64_t kDefaultSeed = 1;

// The version written into items.qzb; maps saved with the kit carry it.
inline constexpr uint32_t kItemsMajorVersion = 3;
inline constexpr uint32_t kItemsMinorVersion = 12;

// Writes morva.dat, morva.spr, items.qzb, items.xml, materials.xml and creatures.xml into the
// directory (created when missing). The same seed gives the same bytes.
DataKitResult WriteDataKit(const std::string& directory, uint64_t seed);

}  // namespace tessark::gendata
