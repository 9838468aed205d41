#pragma once

#include <optional>
#include <string>

namespace tessark {

// Brush and eraser sizes: a radius 0..4 works on a square (2 x radius + 1) tiles wide, 1x1 to
// 9x9. Each has its five commands, in the same order as the sizes.
struct BrushSize {
    static constexpr int kMaxRadius = 4;

    // "1x1", "3x3", ... "9x9"; empty outside 0..4.
    static std::string Text(int radius);
    static int Width(int radius) { return 2 * radius + 1; }
    // The radius a paint brush size command sets, or none for another command.
    static std::optional<int> BrushRadiusFor(int commandId);
    static std::optional<int> EraserRadiusFor(int commandId);
    static int BrushCommand(int radius);
    static int EraserCommand(int radius);
};

}  // namespace tessark
