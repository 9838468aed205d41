#pragma once

#include <cstdint>

namespace tessark::qzbm {

// Node types of a QZBM map.
enum NodeType : uint8_t {
    kRootNode = 1,
    kMapDataNode = 2,
    kTileAreaNode = 4,
    kTileNode = 5,
    kItemNode = 6,
    kTownsNode = 12,
    kTownNode = 13,
    kHouseTileNode = 14,
};

// Attribute bytes of the map data node.
enum MapAttribute : uint8_t {
    kDescriptionAttribute = 1,
    kSpawnFileAttribute = 11,
    kHouseFileAttribute = 13,
};

// Attribute bytes of a tile.
enum TileAttribute : uint8_t {
    kTileFlagsAttribute = 3,
    kGroundAttribute = 9,
};

// The root's header: u32 format version, u16 width, u16 height, u32 items major, u32 items minor.
inline constexpr size_t kHeaderSize = 16;
// A tile area's properties: u16 base x, u16 base y, u8 z.
inline constexpr size_t kAreaSize = 5;
// Areas cover 256 x 256 tiles of one floor.
inline constexpr int32_t kAreaSpan = 256;

// Written into every saved map after the user's description.
inline constexpr const char* kCreatorText = "Brenick MapEditor 0.4.486";

inline constexpr const char* kSpawnFileSuffix = "-spawn.xml";
inline constexpr const char* kHouseFileSuffix = "-house.xml";

// The messages of the items-version check.
inline constexpr const char* kOldHeaderMessage = "Old header dectected";
inline constexpr const char* kMapNeedsNewerItemsMessage =
    "Warning: This map needs an updated items QZB file.";
inline constexpr const char* kTemplateNeedsNewerItemsMessage =
    "Warning: This template needs an updated items QZB file.";

}  // namespace tessark::qzbm
