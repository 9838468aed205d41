#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessark {

// Reads a whole file into memory in one pass. False when the file cannot be opened or read
// (a directory, say); bytes is then left empty.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace tessark
