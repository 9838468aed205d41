#pragma once

#include <string>

namespace tessark {
class Surface;
}

namespace tessark::cli {

// Writes the surface as a PNG through the tool's PNG writer (both hold 0x00RRGGBB pixels, top
// row first). The previous file stays intact when writing fails.
bool WriteSurfacePng(const std::string& path, const Surface& surface);

}  // namespace tessark::cli
