#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tessark {

// The sprite ids of an item type, at most kCapacity of them. Only the ids a type lists are
// held, so a type costs a few bytes per sprite rather than a fixed block for the largest
// possible type; slots never set read as 0 (no picture).
class SpriteIdList {
public:
    static constexpr size_t kCapacity = 255;

    uint16_t operator[](size_t index) const { return index < ids_.size() ? ids_[index] : 0; }

    // Slots past kCapacity are ignored: nothing is ever stored beyond it.
    void Set(size_t index, uint16_t id)
    {
        if (index >= kCapacity) {
            return;
        }
        if (index >= ids_.size()) {
            ids_.resize(index + 1, 0);
        }
        ids_[index] = id;
    }

    void Assign(std::span<const uint16_t> ids)
    {
        ids_.assign(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(
                                                   ids.size() < kCapacity ? ids.size() : kCapacity));
    }

    void Clear() { ids_.clear(); }
    // The slots that hold an id (set ones and the zeros before them).
    size_t StoredCount() const { return ids_.size(); }
    std::span<const uint16_t> Stored() const { return ids_; }

    bool operator==(const SpriteIdList& other) const = default;

private:
    std::vector<uint16_t> ids_;
};

}  // namespace tessark
