#pragma once

#include <cstdint>
#include <vector>

namespace tessark::cli {

// A plain picture for the tool's PNG output: pixel values 0x00RRGGBB, top row first.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    PixelImage() = default;
    PixelImage(int w, int h, uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), fill)
    {
    }

    void Set(int x, int y, uint32_t value)
    {
        if (x >= 0 && y >= 0 && x < width && y < height) {
            pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = value;
        }
    }
    uint32_t Get(int x, int y) const
    {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
    void FillRect(int x, int y, int w, int h, uint32_t value)
    {
        for (int j = y; j < y + h; ++j) {
            for (int i = x; i < x + w; ++i) {
                Set(i, j, value);
            }
        }
    }
};

}  // namespace tessark::cli
