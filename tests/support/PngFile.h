#pragma once

#include <png.h>

#include <string>

#include "cli/PixelImage.h"

namespace tessark::test {

// Reads a PNG back as 0x00RRGGBB pixels; an empty image when it cannot.
inline cli::PixelImage ReadPng(const std::string& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return {};
    }
    image.format = PNG_FORMAT_BGRA;
    cli::PixelImage out(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) {
        return {};
    }
    for (uint32_t& pixel : out.pixels) {
        pixel &= 0x00FFFFFF;  // the reader adds an opaque alpha
    }
    return out;
}

}  // namespace tessark::test
