#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tessark {

// The two private clipboard formats: one item, or a group of tiles (also the drag format).
enum class ClipFormat { Tile, Thing };

inline constexpr const char* kTileFormatName = "TESSARK_TILE";
inline constexpr const char* kThingFormatName = "TESSARK_THING";
inline constexpr const char* kTileMimeType = "application/x-tessark-tile";
inline constexpr const char* kThingMimeType = "application/x-tessark-thing";

// Bytes to put on the clipboard, replacing its content.
struct ClipboardBytes {
    ClipFormat format = ClipFormat::Tile;
    std::vector<uint8_t> bytes;
};

// What the system clipboard holds, as far as the editor can read it.
struct ClipboardContents {
    std::optional<std::vector<uint8_t>> tile = {};
    std::optional<std::vector<uint8_t>> thing = {};
};

// Which formats the system clipboard offers; enough to decide whether Paste is enabled.
struct ClipboardOffers {
    bool tile = false;
    bool thing = false;
};

}  // namespace tessark
