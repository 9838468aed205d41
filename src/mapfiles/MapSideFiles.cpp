#include "mapfiles/MapSideFiles.h"

#include <cstring>

#include "mapfiles/QzbmLayout.h"
#include "model/MapPath.h"
#include "model/TessarkDoc.h"
#include "platform/AtomicFileSet.h"

namespace tessark {

std::string SideFileName(std::string_view mapPath, std::string_view suffix)
{
    // Only the file name counts, so a side file always lands beside its map.
    const std::string name = FileNamePart(mapPath);
    const size_t dot = name.find_last_of('.');
    const std::string stem = dot == std::string::npos ? std::string() : name.substr(0, dot);
    return stem + std::string(suffix);
}

namespace {

bool IsSideFileName(std::string_view name)
{
    // The longest name that still leaves room for the writer's temporary name (".tmp" and a
    // counter) within the 255 bytes a file name may have.
    constexpr size_t kLongestName = 255 - 14;
    return !name.empty() && name.size() <= kLongestName && name != "." && name != ".." &&
           name.find('\0') == std::string_view::npos;
}

}  // namespace

void NameSideFiles(CTessarkDoc& document, std::string_view mapPath)
{
    if (!document.Spawns().Empty() && document.GetSpawnFile().empty()) {
        document.SetSpawnFile(SideFileName(mapPath, qzbm::kSpawnFileSuffix));
    }
    if (!document.Houses().Empty() && document.GetHouseFile().empty()) {
        document.SetHouseFile(SideFileName(mapPath, qzbm::kHouseFileSuffix));
    }
    // A read map can name anything. A side file named like the map, or both named alike, would
    // overwrite the other on save; a name no file can have would fail every save, and one with
    // a NUL would be cut short by the system (possibly to the map's own name). Such a file
    // takes its own name from the map's.
    const std::string mapName = FileNamePart(mapPath);
    if (!document.GetHouseFile().empty() &&
        (document.GetHouseFile() == mapName || !IsSideFileName(document.GetHouseFile()))) {
        document.SetHouseFile(SideFileName(mapPath, qzbm::kHouseFileSuffix));
    }
    if (!document.GetSpawnFile().empty() &&
        (document.GetSpawnFile() == mapName || document.GetSpawnFile() == document.GetHouseFile() ||
         !IsSideFileName(document.GetSpawnFile()))) {
        document.SetSpawnFile(SideFileName(mapPath, qzbm::kSpawnFileSuffix));
        // The houses may hold the name the spawns just took; the two names made from the map's
        // differ from each other and from the map's own.
        if (document.GetHouseFile() == document.GetSpawnFile()) {
            document.SetHouseFile(SideFileName(mapPath, qzbm::kHouseFileSuffix));
        }
    }
}

namespace {

bool AddFile(CTessarkDoc& document, AtomicFileSet& files, const std::string& name, const std::string& text)
{
    const std::string path = document.mapDirectory + name;
    AtomicFileWriter* file = files.Open(path);
    if (!file || !file->Write(text.data(), text.size())) {
        document.errorDetail = file ? SaveFailureDetail(path, file->Error())
                                    : SaveFailureDetail(files.FailedPath(), files.Error());
        return false;
    }
    return true;
}

}  // namespace

bool AddSideFiles(CTessarkDoc& document, AtomicFileSet& files)
{
    if (!document.GetHouseFile().empty() &&
        !AddFile(document, files, document.GetHouseFile(), document.Houses().HouseFileText())) {
        return false;
    }
    return document.GetSpawnFile().empty() ||
           AddFile(document, files, document.GetSpawnFile(), document.Spawns().SpawnFileText());
}

std::string SaveFailureDetail(std::string_view path, int error)
{
    std::string detail = FileNamePart(path);
    if (error != 0) {
        detail += ": ";
        detail += std::strerror(error);
    }
    return detail;
}

}  // namespace tessark
