#pragma once

#include <string>

namespace tessark {

class Surface;

// Writes the surface as an 8-bit RGB PNG through an atomic file write: on failure the file
// that was there stays as it was. False when the file cannot be written.
bool WritePng(const Surface& surface, const std::string& path);

}  // namespace tessark
