#pragma once

#include <cstdint>
#include <string_view>

namespace tessark {

class Surface;

// A 3 x 5 pixel font of digits, capital letters and a few signs (small letters are drawn as
// capitals, other characters as blanks), for labels on generated pictures.
class TinyFont {
public:
    static constexpr int kGlyphWidth = 3;
    static constexpr int kGlyphHeight = 5;

    // Draws the text with its top-left corner at (x, y), each font pixel scale x scale pixels,
    // one font pixel between characters. Returns the width drawn.
    static int Draw(Surface& surface, int x, int y, std::string_view text, uint32_t pixel, int scale);
    static int TextWidth(std::string_view text, int scale);
};

}  // namespace tessark
