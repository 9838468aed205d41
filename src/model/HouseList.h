#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "model/House.h"

namespace tessark {

class MessageSink;

// The houses of the open map by ascending id.
class HouseList {
public:
    using Map = std::map<uint32_t, std::unique_ptr<House>>;

    HouseList();
    ~HouseList();
    HouseList(const HouseList&) = delete;
    HouseList& operator=(const HouseList&) = delete;

    // The house with this id; when missing, a new one with the default values if create is set,
    // else null.
    House* GetHouse(uint32_t id, bool create);
    // The house with this id, never creating one.
    House* FindHouse(uint32_t id) const;
    // Destroys the house (its tiles lose their house marks); false when it is not in the list.
    bool RemoveHouse(const House* house);
    // Destroys every house.
    void ClearHouses();
    void Swap(HouseList& other) noexcept { houses_.swap(other.houses_); }
    // Unlists a tile that is about to be destroyed from the house its id names.
    void ForgetTile(const CTile* tile);

    const Map& Houses() const { return houses_; }
    bool Empty() const { return houses_.empty(); }
    size_t Size() const { return houses_.size(); }

    // The house side file. Saving shows no message and fails only when the file cannot be
    // written; loading shows its messages through the sink.
    bool SaveHouses(const std::string& path);
    std::string HouseFileText();
    bool LoadHouses(const std::string& path, MessageSink& messages);

private:
    Map houses_;
};

}  // namespace tessark
