#pragma once

#include <string>

namespace tessark {

class ItemDatabase;

// Reads items.xml: names for existing item types and the kinds monster, teleport and depot.
// Never creates a type and never shows a message.
class ItemNamesReader {
public:
    explicit ItemNamesReader(ItemDatabase& database) : database_(database) {}
    // True when the file was read to its end.
    bool Read(const std::string& path);

private:
    ItemDatabase& database_;
};

}  // namespace tessark
