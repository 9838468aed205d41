#pragma once

#include <string>

#include "cli/PixelImage.h"

namespace tessark::cli {

// Writes the image as an 8-bit RGB PNG. The previous file stays intact when writing fails.
bool WritePng(const std::string& path, const PixelImage& image);

}  // namespace tessark::cli
