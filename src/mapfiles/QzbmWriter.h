#pragma once

#include <string>

namespace tessark {

class CTessarkDoc;

// Writes the open map as a QZBM file, in one pass over the floors, then its side files into the
// map's directory (naming them from the map file when the map has houses or spawns and no names
// yet). The map goes to a temporary file beside the target that replaces the target only when
// it is complete: a failed save (the file cannot be created, a write fails, a text too long for
// its field) returns false and leaves the previous map and side files as they were.
//
// Tiles beyond the map's width or height are not written (a tile at x = width still is). A width
// or height above 65535 is stored as 65535.
bool SaveQzbm(CTessarkDoc& document, const std::string& path);

}  // namespace tessark
