#pragma once

#include <string>

namespace tessark {

class ItemDatabase;

// Placeholder until the reader lands.
class ItemsFileReader {
public:
    explicit ItemsFileReader(ItemDatabase& database) : database_(database) {}
    // 0, 8 (format error) or the node-file error code.
    int Read(const std::string& path);

private:
    ItemDatabase& database_;
};

}  // namespace tessark
