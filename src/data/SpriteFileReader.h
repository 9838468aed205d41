#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessark {

class ItemDatabase;

// Fills the sprite table of the database from a sprite file: only sprites that a client type
// listed are decoded. Also installs the two synthetic sprites 0xF000 and 0xF001 as the first
// sprites of the types with keys 360 and 359.
class SpriteFileReader {
public:
    // Red dots, for the type with key 360; yellow dots, for the type with key 359.
    static constexpr uint32_t kRedDotsSpriteId = 0xF000;
    static constexpr uint32_t kYellowDotsSpriteId = 0xF001;
    static constexpr int32_t kRedDotsTypeKey = 360;
    static constexpr int32_t kYellowDotsTypeKey = 359;

    explicit SpriteFileReader(ItemDatabase& database) : database_(database) {}
    // False when the file cannot be opened or is too short to hold its first table entry.
    bool Read(const std::string& path);
    // The same for a file already in memory (the synthetic sprites included).
    void ReadBytes(std::span<const uint8_t> bytes);
    // Sprites that the client data lists and the last read file promised but could not give:
    // offsets or data past its end, or table entries cut off.
    size_t UnreadableSprites() const { return unreadableSprites_; }

private:
    void InstallSyntheticSprites();
    void FillFromBytes(std::span<const uint8_t> bytes);
    // Registered sprite ids from firstId to lastId, the dot sprites left out.
    size_t CountListedFrom(uint32_t firstId, uint64_t lastId) const;

    ItemDatabase& database_;
    size_t unreadableSprites_ = 0;
};

// Decodes run-encoded sprite bytes into 1024 pixel values 0x00RRGGBB, bottom row first, with
// magenta where no coloured run wrote. Writing stops at pixel 1023.
std::vector<uint32_t> DecodeSpritePixels(std::span<const uint8_t> encoded);

}  // namespace tessark
