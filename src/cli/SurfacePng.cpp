#include "cli/SurfacePng.h"

#include <algorithm>

#include "cli/PixelImage.h"
#include "cli/PngWriter.h"
#include "platform/Surface.h"

namespace tessark::cli {

bool WriteSurfacePng(const std::string& path, const Surface& surface)
{
    PixelImage image(surface.Width(), surface.Height());
    std::copy(surface.Pixels(), surface.Pixels() + image.pixels.size(), image.pixels.begin());
    return WritePng(path, image);
}

}  // namespace tessark::cli
