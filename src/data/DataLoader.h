#pragma once

#include <string>
#include <string_view>

namespace tessark {

class MessageSink;
struct GameData;

// Start-up's messages (string table ids 135 to 139).
inline constexpr const char* kSpritesNotLoadedMessage = "Could not load sprites from morva.spr!";
inline constexpr const char* kMaterialsNotLoadedMessage =
    "Could not load materials.xml! (loading default)";
inline constexpr const char* kClientDataNotFoundMessage = "Could not find morva.dat!";
inline constexpr const char* kItemsNotLoadedMessage = "Could not load items.qzb!";
inline constexpr const char* kInvalidClientDataMessage = "Invalid format of morva.dat!";
// A names file that is there but cannot be read; a missing one is silent.
inline constexpr const char* kUnreadableItemNamesMessage =
    "items.xml could not be read: item types keep no names.";

// Start-up's data loading: morva.dat, items.qzb, items.xml, materials.xml (or the defaults),
// creatures.xml and morva.spr from the data directory, in that order, with start-up's messages.
// False when the program must not start.
bool LoadDataFiles(const std::string& dataDirectory, GameData& data, MessageSink& messages);

// Where the game data lies when no directory is given: beside the executable when morva.dat is
// there, else in the installed data folder (given relative to the executable's directory, as
// "../share/tessark"); with neither, beside the executable, so that start-up names what is
// missing.
std::string ChooseDataDirectory(const std::string& executableDirectory, std::string_view installedRelative);

// The directory with one '/' appended when it does not already end in one.
std::string DataDirectoryPrefix(const std::string& directory);

}  // namespace tessark
