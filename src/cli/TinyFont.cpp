#include "cli/TinyFont.h"

#include <array>

#include "platform/Surface.h"

namespace tessark {

namespace {

// Five rows of three bits each, the leftmost pixel in the highest bit.
struct Glyph {
    char character;
    std::array<uint8_t, 5> rows;
};

constexpr Glyph kGlyphs[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 7, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 1, 1, 1}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}},
    {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}}, {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}},
    {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}}, {'I', {7, 2, 2, 2, 7}}, {'J', {1, 1, 1, 5, 2}},
    {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}}, {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}},
    {'O', {2, 5, 5, 5, 2}}, {'P', {6, 5, 6, 4, 4}}, {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}},
    {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}}, {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}},
    {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}}, {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}},
    {'-', {0, 0, 7, 0, 0}}, {'.', {0, 0, 0, 0, 2}}, {':', {0, 2, 0, 2, 0}}, {'/', {1, 1, 2, 4, 4}},
    {'(', {1, 2, 2, 2, 1}}, {')', {4, 2, 2, 2, 4}}, {'_', {0, 0, 0, 0, 7}}, {'\'', {2, 2, 0, 0, 0}},
};

const Glyph* FindGlyph(char c)
{
    if (c >= 'a' && c <= 'z') {
        c = static_cast<char>(c - 'a' + 'A');
    }
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.character == c) {
            return &glyph;
        }
    }
    return nullptr;
}

}  // namespace

int TinyFont::TextWidth(std::string_view text, int scale)
{
    if (text.empty()) {
        return 0;
    }
    return static_cast<int>(text.size()) * (kGlyphWidth + 1) * scale - scale;
}

int TinyFont::Draw(Surface& surface, int x, int y, std::string_view text, uint32_t pixel, int scale)
{
    int left = x;
    for (char c : text) {
        if (const Glyph* glyph = FindGlyph(c)) {
            for (int row = 0; row < kGlyphHeight; ++row) {
                for (int column = 0; column < kGlyphWidth; ++column) {
                    if (glyph->rows[static_cast<size_t>(row)] & (4 >> column)) {
                        surface.Fill({left + column * scale, y + row * scale, left + (column + 1) * scale,
                                      y + (row + 1) * scale},
                                     pixel);
                    }
                }
            }
        }
        left += (kGlyphWidth + 1) * scale;
    }
    return TextWidth(text, scale);
}

}  // namespace tessark
