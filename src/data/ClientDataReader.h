#pragma once

#include <string>

namespace tessark {

class ItemDatabase;

// Placeholder until the reader lands.
class ClientDataReader {
public:
    explicit ClientDataReader(ItemDatabase& database) : database_(database) {}
    // 0, 2 (cannot open) or 8 (format error).
    int Read(const std::string& path);

private:
    ItemDatabase& database_;
};

}  // namespace tessark
