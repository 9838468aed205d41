#pragma once

namespace tessark::qzx {

inline constexpr const char* kDeclaration = "<?xml version=\"1.0\"?>\r\n";
inline constexpr const char* kMapElement = "map";
inline constexpr const char* kTileElement = "tile";
inline constexpr const char* kItemElement = "item";
inline constexpr const char* kTownsElement = "towns";
inline constexpr const char* kTownElement = "town";
inline constexpr const char* kMapEndTag = "</map>\r\n";

}  // namespace tessark::qzx
