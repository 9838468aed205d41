#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessark {

class CMarkup;
class CTile;
class HouseList;

// A named group of tiles of one town. Which tiles and doors belong to it is stored in the map;
// name, entry, rent and town in the house side file.
class House {
public:
    static constexpr const char* kDefaultName = "Ardmoor headquarter (Flat 1, Area 42)";

    // owner is the list the house lives in; through it a tile that joins this house leaves the
    // house it was in before.
    explicit House(uint32_t id, HouseList* owner = nullptr);
    // Releases every tile as RemoveTile does.
    ~House();
    House(const House&) = delete;
    House& operator=(const House&) = delete;

    uint32_t GetId() const { return id_; }

    // Marks the tile as protection zone and house tile of this house and lists it. A tile is
    // listed by one house at most, once: it leaves the house its id named before.
    void AddTile(CTile* tile);
    // Clears the tile's house marks and unlists it; a tile not listed here is left alone.
    void RemoveTile(CTile* tile);
    // Unlists the tile without touching it, for a tile that is about to be destroyed.
    void ForgetTile(const CTile* tile);
    bool HasTile(const CTile* tile) const;
    std::span<CTile* const> GetTiles() const { return tiles_; }

    void AddDoor(uint32_t doorId) { doors_.push_back(doorId); }
    // Removes the first occurrence only: a list read from a damaged map may hold an id twice.
    void RemoveDoor(uint32_t doorId);
    bool HasDoor(uint32_t doorId) const;
    std::span<const uint32_t> GetDoors() const { return doors_; }

    // One "house" element: writing adds it after the current one; reading takes the current one.
    bool XmlIO(CMarkup& xml, bool write);

    std::string name = kDefaultName;
    int32_t entryX = 0;
    int32_t entryY = 0;
    int32_t entryZ = 0;
    int32_t rent = 0;
    int32_t townId = 0;

private:
    uint32_t id_;
    HouseList* owner_;
    std::vector<CTile*> tiles_;
    std::vector<uint32_t> doors_;
};

}  // namespace tessark
