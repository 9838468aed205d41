#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tessark {

class ItemDatabase;

// Reads the client data file (morva.dat) into the database: one client type per record, keyed
// by record id - 100 (ids count from 100 in file order, past the item count to the end of the
// file), an empty sprite table entry for every sprite id a record lists, and clientItemCount.
// A record beyond id 65535 is a format error.
class ClientDataReader {
public:
    static constexpr int kLoaded = 0;
    static constexpr int kCannotOpen = 2;
    static constexpr int kFormatError = 8;

    explicit ClientDataReader(ItemDatabase& database) : database_(database) {}
    // 0, 2 (cannot open) or 8 (format error). Records read before a format error stay.
    int Read(const std::string& path);
    // The same for a file already in memory: 0 or 8.
    int ReadBytes(std::span<const uint8_t> bytes);

private:
    ItemDatabase& database_;
};

}  // namespace tessark
