#pragma once

#include <cstdint>
#include <string>

namespace tessark {

class ItemDatabase;

// Reads the item database file (items.qzb) into the database's server types. Each item takes its
// drawing data from the client type with its client id, so the client data must be loaded first.
// Loading stops with success at the first item whose client type is missing; the items read
// before it stay loaded. A root without a version attribute leaves the versions at 0, 0.
class ItemsFileReader {
public:
    explicit ItemsFileReader(ItemDatabase& database) : database_(database) {}
    // 0, 8 (format error, also a node tree that is cut short or broken) or the node-file error
    // code of a failed open (1, 2) or of a failed read of an item's properties.
    int Read(const std::string& path);
    // The client id of the item whose client type was missing, 0 when no item stopped loading.
    int32_t StoppedAtClientId() const { return stoppedAtClientId_; }

private:
    ItemDatabase& database_;
    int32_t stoppedAtClientId_ = 0;
};

}  // namespace tessark
