#include "cli/PngWriter.h"

#include <png.h>

#include <cstring>
#include <vector>

#include "platform/AtomicFileWriter.h"
#include "platform/Surface.h"

namespace tessark {

bool WritePng(const Surface& surface, const std::string& path)
{
    if (surface.Width() <= 0 || surface.Height() <= 0) {
        return false;
    }
    // Blue, green, red, 0 in memory; the PNG wants red, green, blue.
    std::vector<uint8_t> rgb(static_cast<size_t>(surface.Width()) * surface.Height() * 3);
    const uint8_t* from = surface.Bytes();
    for (size_t i = 0, n = static_cast<size_t>(surface.Width()) * surface.Height(); i < n; ++i) {
        rgb[3 * i] = from[4 * i + 2];
        rgb[3 * i + 1] = from[4 * i + 1];
        rgb[3 * i + 2] = from[4 * i];
    }

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(surface.Width());
    image.height = static_cast<png_uint_32>(surface.Height());
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    std::vector<uint8_t> encoded(size);
    if (!png_image_write_to_memory(&image, encoded.data(), &size, 0, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    png_image_free(&image);

    AtomicFileWriter writer(path);
    return writer.Open() && writer.Write(encoded.data(), size) && writer.Commit();
}

}  // namespace tessark
