#pragma once

#include <array>
#include <optional>

namespace tessark {

// The map view's tools; exactly one is active at a time.
enum class ToolKind {
    Select,
    Move,
    Selection,
    PaintBrush,
    Eraser,
    ProtectionZone,
    Spawn,
    House,
};

inline constexpr std::array<ToolKind, 8> kAllTools = {
    ToolKind::Select,  ToolKind::Move,           ToolKind::Selection, ToolKind::PaintBrush,
    ToolKind::Eraser,  ToolKind::ProtectionZone, ToolKind::Spawn,     ToolKind::House,
};

// What the view outlines around the cursor while the tool is active.
enum class CursorFrame {
    None,
    OneTile,
    BrushSquare,
    EraserSquare,
};

// A tool's fixed facts: its command, key, texts and what choosing it does to the selection.
struct ToolInfo {
    ToolKind kind;
    int commandId;
    char key;
    const char* statusText;
    const char* tooltip;
    CursorFrame cursorFrame;
    // Choosing the tool keeps the selection of positions (else it is emptied).
    bool keepsSelection;
    // Choosing the tool forgets the thing chosen with the select tool.
    bool forgetsSelectedThing;
};

const ToolInfo& GetToolInfo(ToolKind kind);
std::optional<ToolKind> ToolForCommand(int commandId);
// Upper-case letter keys only: 'B', 'S', ...
std::optional<ToolKind> ToolForKey(char key);

}  // namespace tessark
