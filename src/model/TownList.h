#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "model/Town.h"

namespace tessark {

// The towns of the open map by ascending id.
class TownList {
public:
    using Map = std::map<uint32_t, std::unique_ptr<Town>>;

    // The town with this id; when missing, a new one ("Town" and the id) if create is set, else
    // null.
    Town* GetTown(uint32_t id, bool create);
    // Destroys the town; houses that name it keep its id. False when it is not in the list.
    bool RemoveTown(const Town* town);
    void ClearTowns() { towns_.clear(); }
    void Swap(TownList& other) noexcept { towns_.swap(other.towns_); }

    const Map& Towns() const { return towns_; }
    bool Empty() const { return towns_.empty(); }
    size_t Size() const { return towns_.size(); }

private:
    Map towns_;
};

}  // namespace tessark
