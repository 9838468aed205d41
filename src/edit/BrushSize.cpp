#include "edit/BrushSize.h"

#include "edit/EditCommandIds.h"

namespace tessark {

std::string BrushSize::Text(int radius)
{
    if (radius < 0 || radius > kMaxRadius) {
        return {};
    }
    const std::string width = std::to_string(Width(radius));
    return width + "x" + width;
}

std::optional<int> BrushSize::BrushRadiusFor(int commandId)
{
    if (commandId < command::kBrushSizeFirst || commandId > command::kBrushSizeLast) {
        return std::nullopt;
    }
    return commandId - command::kBrushSizeFirst;
}

std::optional<int> BrushSize::EraserRadiusFor(int commandId)
{
    if (commandId < command::kEraserSizeFirst || commandId > command::kEraserSizeLast) {
        return std::nullopt;
    }
    return commandId - command::kEraserSizeFirst;
}

int BrushSize::BrushCommand(int radius) { return command::kBrushSizeFirst + radius; }

int BrushSize::EraserCommand(int radius) { return command::kEraserSizeFirst + radius; }

}  // namespace tessark
