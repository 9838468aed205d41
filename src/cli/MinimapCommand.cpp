#include <charconv>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliMapDocument.h"
#include "cli/MapCommands.h"
#include "cli/PngWriter.h"
#include "render/MinimapPainter.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"

namespace tessark::cli {

namespace {

constexpr const char* kUsage = "minimap MAP -o OUT.png [--floor Z] [--area X,Y,W,H]";
// A picture larger than this (a 16384 x 16384 area) is refused rather than allocated.
constexpr int64_t kMaxPixels = int64_t{1} << 28;

struct MinimapArguments {
    std::string map;
    std::string output;
    int floor = 7;
    std::optional<std::vector<int64_t>> area;
};

bool ParseInteger(std::string_view text, int64_t& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

std::optional<std::vector<int64_t>> ParseArea(const std::string& text)
{
    std::vector<int64_t> values;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        int64_t value = 0;
        if (!ParseInteger(std::string_view(text).substr(start, comma - start), value)) {
            return std::nullopt;
        }
        values.push_back(value);
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    if (values.size() != 4 || values[2] <= 0 || values[3] <= 0) {
        return std::nullopt;
    }
    return values;
}

std::optional<MinimapArguments> ParseArguments(const std::vector<std::string>& args)
{
    MinimapArguments parsed;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "-o" && hasValue) {
            parsed.output = args[++i];
        } else if (arg == "--floor" && hasValue) {
            int64_t floor = 0;
            if (!ParseInteger(args[++i], floor) || floor < 0 || floor > 15) {
                return std::nullopt;
            }
            parsed.floor = static_cast<int>(floor);
        } else if (arg == "--area" && hasValue) {
            parsed.area = ParseArea(args[++i]);
            if (!parsed.area) {
                return std::nullopt;
            }
        } else if (arg.starts_with("-")) {
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 1 || parsed.output.empty()) {
        return std::nullopt;
    }
    parsed.map = positional[0];
    return parsed;
}

}  // namespace

PixelImage MinimapPicture(const CTessarkDoc& document, int floor, int64_t x, int64_t y, int width,
                          int height)
{
    PixelImage picture(width, height, 0);
    for (int row = 0; row < height; ++row) {
        uint32_t* pixels = picture.pixels.data() + static_cast<size_t>(row) * static_cast<size_t>(width);
        for (int column = 0; column < width; ++column) {
            pixels[column] = MinimapPainter::TilePixel(document, x + column, y + row, floor);
        }
    }
    return picture;
}

int RunMinimap(const CliContext& context)
{
    const std::optional<MinimapArguments> args = ParseArguments(context.args);
    if (!args) {
        std::cerr << "tessark-cli: usage: " << kUsage << '\n';
        return kExitUsage;
    }
    CliMapDocument map(*context.data, *context.messages);
    const bool read = map.Open(args->map);
    const CTessarkDoc& document = map.Document();
    const std::vector<int64_t> area =
        args->area ? *args->area : std::vector<int64_t>{0, 0, document.width, document.height};
    // The arguments are valid; a map (or area) this large is simply a picture that cannot be
    // written, which is a failure to write, not a usage error.
    if (area[2] <= 0 || area[3] <= 0 || area[2] * area[3] > kMaxPixels) {
        map.ReleaseMessages();
        context.messages->ShowMessage("Could not write " + args->output + ": a minimap of " +
                                          std::to_string(area[2]) + " x " + std::to_string(area[3]) +
                                          " pixels is larger than the " + std::to_string(kMaxPixels) +
                                          " pixels this tool writes.",
                                      MessageIcon::Error);
        return kExitMapFailed;
    }
    const PixelImage picture = MinimapPicture(document, args->floor, area[0], area[1],
                                              static_cast<int>(area[2]), static_cast<int>(area[3]));
    const bool written = WritePng(args->output, picture);
    map.ReleaseMessages();
    if (!written) {
        context.messages->ShowMessage("Could not write " + args->output + ".",
                                      MessageIcon::Error);
        return kExitMapFailed;
    }
    return read ? kExitOk : kExitMapFailed;
}

}  // namespace tessark::cli
