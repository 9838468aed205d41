#include "cli/SpriteSheetCommand.h"

#include <charconv>
#include <iostream>
#include <string>

#include "cli/PngWriter.h"
#include "data/GameData.h"

namespace tessark::cli {

namespace {

constexpr int kDefaultColumns = 32;

bool ParseNumber(const std::string& text, long long& value)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

int Usage(const std::string& problem)
{
    std::cerr << "tessark-cli sprite-sheet: " << problem
              << "\nusage: tessark-cli sprite-sheet -o OUT.png [--columns N] [--first ID] [--last ID]\n";
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
    long long columns = kDefaultColumns;
    long long first = 0;
    long long last = 0xFFFFFFFF;
    const auto& args = context.args;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "-o" && hasValue) {
            output = args[++i];
        } else if (args[i] == "--columns" && hasValue) {
            if (!ParseNumber(args[++i], columns) || columns < 1 || columns > 1024) {
                return Usage("not a column count: " + args[i]);
            }
        } else if ((args[i] == "--first" || args[i] == "--last") && hasValue) {
            long long& bound = args[i] == "--first" ? first : last;
            if (!ParseNumber(args[++i], bound) || bound < 0) {
                return Usage("not a sprite id: " + args[i]);
            }
        } else {
            return Usage("unexpected argument " + args[i]);
        }
    }
    if (output.empty()) {
        return Usage("no output file given");
    }
    std::vector<SheetSprite> sprites;
    for (auto& sprite : DecodedSprites(context.data->items.Sprites())) {
        if (sprite.id >= first && sprite.id <= last) {
            sprites.push_back(std::move(sprite));
        }
    }
    if (!WritePng(output, DrawSpriteSheet(sprites, static_cast<int>(columns)))) {
        std::cerr << "error: cannot write " << output << '\n';
        return kExitMapFailed;
    }
    return kExitOk;
}

}  // namespace tessark::cli
