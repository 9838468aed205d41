#include "cli/DigitFont.h"

namespace tessark::cli {

namespace {
// One row per entry, the three bits of a row from the left: 4, 2, 1.
constexpr uint8_t kGlyphs[10][DigitFont::kGlyphHeight] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 2, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};
}  // namespace

int DigitFont::Draw(PixelImage& image, int x, int y, std::string_view text, uint32_t color, int scale)
{
    int cursor = x;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            const auto& glyph = kGlyphs[ch - '0'];
            for (int row = 0; row < kGlyphHeight; ++row) {
                for (int col = 0; col < kGlyphWidth; ++col) {
                    if (glyph[row] & (4 >> col)) {
                        image.FillRect(cursor + col * scale, y + row * scale, scale, scale, color);
                    }
                }
            }
        }
        cursor += kAdvance * scale;
    }
    return cursor - x - (text.empty() ? 0 : scale);
}

}  // namespace tessark::cli
