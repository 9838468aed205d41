#include "cli/SpriteSheetCommand.h"

#include <charconv>
#include <iostream>
#include <string>

#include "cli/PngWriter.h"
#include "data/GameData.h"

namespace tessark::cli {

namespace {

constexpr int kDefaultColumns = 32;

int Usage(const std::string& problem)
{
    std::cerr << "tessark-cli sprite-sheet: " << problem
              << "\nusage: tessark-cli sprite-sheet -o OUT.png [--columns N]\n";
    return kExitUsage;
}

}  // namespace

std::vector<SheetSprite> DecodedSprites(const SpriteTable& sprites)
{
    std::vector<SheetSprite> out;
    for (const auto& [id, sprite] : sprites) {
        if (!sprite.HasPixels()) {
            continue;
        }
        SheetSprite sheet{id, std::vector<uint32_t>(Sprite::kPixelCount)};
        for (int row = 0; row < Sprite::kSize; ++row) {
            const int stored = Sprite::kSize - 1 - row;  // the table keeps the bottom row first
            for (int x = 0; x < Sprite::kSize; ++x) {
                sheet.pixels[static_cast<size_t>(row * Sprite::kSize + x)] =
                    sprite.pixels[static_cast<size_t>(stored * Sprite::kSize + x)] & 0x00FFFFFF;
            }
        }
        out.push_back(std::move(sheet));
    }
    return out;
}

int RunSpriteSheet(const CliContext& context)
{
    std::string output;
    int columns = kDefaultColumns;
    const auto& args = context.args;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else if (args[i] == "--columns" && i + 1 < args.size()) {
            const std::string& text = args[++i];
            auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), columns);
            if (error != std::errc() || end != text.data() + text.size() || columns < 1 || columns > 1024) {
                return Usage("not a column count: " + text);
            }
        } else {
            return Usage("unexpected argument " + args[i]);
        }
    }
    if (output.empty()) {
        return Usage("no output file given");
    }
    const std::vector<SheetSprite> sprites = DecodedSprites(context.data->items.Sprites());
    if (!WritePng(output, DrawSpriteSheet(sprites, columns))) {
        std::cerr << "error: cannot write " << output << '\n';
        return kExitMapFailed;
    }
    return kExitOk;
}

}  // namespace tessark::cli
