#pragma once

#include <string>

namespace tessark {

class ItemDatabase;

// Placeholder until the reader lands.
class ItemNamesReader {
public:
    explicit ItemNamesReader(ItemDatabase& database) : database_(database) {}
    // True when the file was read to its end.
    bool Read(const std::string& path);

private:
    ItemDatabase& database_;
};

}  // namespace tessark
