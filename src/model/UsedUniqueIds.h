#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace tessark {

// The unique ids that items of one map hold. Each id counts its holders, so removing one of two
// items that share an id (a damaged map may hold such pairs) leaves the id in use. Id 0 means
// "none" and is never counted.
class UsedUniqueIds {
public:
    // One more item holds the id.
    void Register(uint32_t id);
    // One item fewer holds the id; an id not in use is ignored.
    void Unregister(uint32_t id);
    bool IsUsed(uint32_t id) const { return holders_.contains(id); }
    // How many different ids are in use.
    size_t Count() const { return holders_.size(); }
    // Forgets every id and releases the storage.
    void Clear();

    bool operator==(const UsedUniqueIds&) const = default;

private:
    std::unordered_map<uint32_t, uint32_t> holders_;
};

}  // namespace tessark
