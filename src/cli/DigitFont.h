#pragma once

#include <cstdint>
#include <string_view>

#include "cli/PixelImage.h"

namespace tessark::cli {

// A 3 x 5 pixel font of the digits, for numbering pictures the tool writes.
class DigitFont {
public:
    static constexpr int kGlyphWidth = 3;
    static constexpr int kGlyphHeight = 5;
    static constexpr int kAdvance = kGlyphWidth + 1;

    // Draws the digits of text at (x, y), each pixel scaled by scale; other characters leave a
    // gap. Returns the width drawn.
    static int Draw(PixelImage& image, int x, int y, std::string_view text, uint32_t color, int scale = 1);
    static int Width(std::string_view text, int scale = 1)
    {
        return text.empty() ? 0 : static_cast<int>(text.size()) * kAdvance * scale - scale;
    }
};

}  // namespace tessark::cli
