#pragma once

#include <string>

namespace tessark {

class MessageSink;
struct GameData;

// Start-up's data loading: morva.dat, items.qzb, items.xml, materials.xml (or the defaults),
// creatures.xml and morva.spr from the data directory, in that order, with start-up's messages.
// False when the program must not start.
bool LoadDataFiles(const std::string& dataDirectory, GameData& data, MessageSink& messages);

// The directory with one '/' appended when it does not already end in one.
std::string DataDirectoryPrefix(const std::string& directory);

}  // namespace tessark
