#include "mapfiles/MapSideFiles.h"

#include "mapfiles/QzbmLayout.h"
#include "model/MapPath.h"
#include "model/TessarkDoc.h"

namespace tessark {

std::string SideFileName(std::string_view mapPath, std::string_view suffix)
{
    // Only the file name counts, so a side file always lands beside its map.
    const std::string name = FileNamePart(mapPath);
    const size_t dot = name.find_last_of('.');
    const std::string stem = dot == std::string::npos ? std::string() : name.substr(0, dot);
    return stem + std::string(suffix);
}

void NameSideFiles(CTessarkDoc& document, std::string_view mapPath)
{
    if (!document.Spawns().Empty() && document.GetSpawnFile().empty()) {
        document.SetSpawnFile(SideFileName(mapPath, qzbm::kSpawnFileSuffix));
    }
    if (!document.Houses().Empty() && document.GetHouseFile().empty()) {
        document.SetHouseFile(SideFileName(mapPath, qzbm::kHouseFileSuffix));
    }
}

void WriteSideFiles(CTessarkDoc& document)
{
    if (!document.GetHouseFile().empty()) {
        document.Houses().SaveHouses(document.mapDirectory + document.GetHouseFile());
    }
    if (!document.GetSpawnFile().empty()) {
        document.Spawns().SaveSpawns(document.mapDirectory + document.GetSpawnFile());
    }
}

}  // namespace tessark
