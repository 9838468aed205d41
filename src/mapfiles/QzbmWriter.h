#pragma once

#include <string>

namespace tessark {

class CTessarkDoc;

// Writes the open map as a QZBM file, in one pass over the floors, and its side files into the
// map's directory (naming them from the map file when the map has houses or spawns and no names
// yet). Each goes to a temporary file beside its target, and the targets are replaced only when
// all are complete: a failed save (a file cannot be created or replaced, a write fails, a text
// too long for its field) returns false with errorDetail naming the file and leaves the previous
// map and side files as they were. Progress goes to the document's listener.
//
// Tiles beyond the map's width or height are not written (a tile at x = width still is). A width
// or height above 65535 is stored as 65535.
bool SaveQzbm(CTessarkDoc& document, const std::string& path);

}  // namespace tessark
