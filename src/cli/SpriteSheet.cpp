#include "cli/SpriteSheet.h"

#include <algorithm>
#include <string>

#include "cli/DigitFont.h"

namespace tessark::cli {

namespace {
constexpr int kSprite = 32;
constexpr int kCellWidth = 38;
constexpr int kCellHeight = 44;
constexpr int kMargin = 4;
constexpr uint32_t kBackground = 0x202328;
constexpr uint32_t kCheckLight = 0x9A9EA6;
constexpr uint32_t kCheckDark = 0x80848C;
constexpr uint32_t kLabel = 0xF0F0E8;
constexpr uint32_t kTransparent = 0x00FF00FF;
}  // namespace

PixelImage DrawSpriteSheet(std::span<const SheetSprite> sprites, int columns)
{
    columns = std::max(1, columns);
    const int count = static_cast<int>(sprites.size());
    const int rows = std::max(1, (count + columns - 1) / columns);
    PixelImage sheet(kMargin * 2 + columns * kCellWidth, kMargin * 2 + rows * kCellHeight, kBackground);
    for (int i = 0; i < count; ++i) {
        const int left = kMargin + (i % columns) * kCellWidth + (kCellWidth - kSprite) / 2;
        const int top = kMargin + (i / columns) * kCellHeight + 1;
        const auto& sprite = sprites[static_cast<size_t>(i)];
        for (int y = 0; y < kSprite; ++y) {
            for (int x = 0; x < kSprite; ++x) {
                const size_t at = static_cast<size_t>(y * kSprite + x);
                uint32_t p = at < sprite.pixels.size() ? sprite.pixels[at] : kTransparent;
                if (p == kTransparent) {
                    p = ((x / 4 + y / 4) % 2 == 0) ? kCheckLight : kCheckDark;
                }
                sheet.Set(left + x, top + y, p);
            }
        }
        const std::string label = std::to_string(sprite.id);
        const int labelX = kMargin + (i % columns) * kCellWidth + (kCellWidth - DigitFont::Width(label)) / 2;
        DigitFont::Draw(sheet, labelX, top + kSprite + 3, label, kLabel);
    }
    return sheet;
}

}  // namespace tessark::cli
