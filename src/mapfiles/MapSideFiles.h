#pragma once

#include <string>
#include <string_view>

namespace tessark {

class CTessarkDoc;

// The side-file name for a map file: the map's file name without its directory, cut before its
// last '.', with the suffix appended ("/maps/world.qzbm" and "-spawn.xml" give
// "world-spawn.xml"; a name without '.' gives the suffix alone).
std::string SideFileName(std::string_view mapPath, std::string_view suffix);

// Names the side files a save of the map to mapPath needs: the spawn file when the map has
// spawns and no spawn file name yet, the house file likewise. Names already set are kept.
void NameSideFiles(CTessarkDoc& document, std::string_view mapPath);

// Writes the house file and then the spawn file into the map's directory, each when its name
// is set (even when the map has no houses or spawns any more). Each file is replaced whole or
// left as it was; their results do not decide the map's save.
void WriteSideFiles(CTessarkDoc& document);

}  // namespace tessark
