#pragma once

#include <string>
#include <string_view>

namespace tessark {

class AtomicFileSet;
class CTessarkDoc;

// The side-file name for a map file: the map's file name without its directory, cut before its
// last '.', with the suffix appended ("/maps/world.qzbm" and "-spawn.xml" give
// "world-spawn.xml"; a name without '.' gives the suffix alone).
std::string SideFileName(std::string_view mapPath, std::string_view suffix);

// Names the side files a save of the map to mapPath needs: the spawn file when the map has
// spawns and no spawn file name yet, the house file likewise. Names already set are kept,
// except one that would overwrite the map or the other side file or that no file can have.
void NameSideFiles(CTessarkDoc& document, std::string_view mapPath);

// Writes the house file and then the spawn file into the map's directory, each when its name
// is set (even when the map has no houses or spawns any more), as files of the set that the
// map's save commits. False, with the document's errorDetail naming the file, when one cannot
// be written: the save then fails.
bool AddSideFiles(CTessarkDoc& document, AtomicFileSet& files);

// The detail of a failed save of the file at path: its name and the system's reason.
std::string SaveFailureDetail(std::string_view path, int error);

}  // namespace tessark
