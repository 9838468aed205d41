#include "edit/ToolKind.h"

#include "edit/EditCommandIds.h"

namespace tessark {
namespace {

constexpr std::array<ToolInfo, 8> kToolInfos = {{
    {ToolKind::Select, command::kSelectTool, 'S',
     "Select Tool: Use to select/set properties to an item", "Select Tool (S)",
     CursorFrame::OneTile, false, false},
    {ToolKind::Move, command::kMoveTool, 'M', "Move Tool: Use to move a selection marquee",
     "Move Tool (M)", CursorFrame::None, true, false},
    {ToolKind::Selection, command::kSelectionTool, 'R',
     "Selection Tool: Use to create selections", "Selection Tool (R)", CursorFrame::None, true,
     true},
    {ToolKind::PaintBrush, command::kPaintBrush, 'B', "Paint Brush: Use to add items to the map",
     "Paint Brush (B)", CursorFrame::BrushSquare, false, false},
    {ToolKind::Eraser, command::kEraser, 'E', "Eraser Tool: Use to erase items",
     "Erase Tool (E)", CursorFrame::EraserSquare, false, false},
    {ToolKind::ProtectionZone, command::kProtectionZoneTool, 'P',
     "Protection Zone Tool: Use to set/unset protection zones", "Protection Zone Tool (P)",
     CursorFrame::OneTile, false, false},
    {ToolKind::Spawn, command::kSpawnTool, 'A', "Spawn Tool: Use to add a new spawn location",
     "Spawn Tool (A)", CursorFrame::OneTile, false, false},
    {ToolKind::House, command::kHouseTool, 'H', "House Tool: Use to add/delete a new house",
     "House Tool (H)", CursorFrame::OneTile, true, true},
}};

}  // namespace

const ToolInfo& GetToolInfo(ToolKind kind)
{
    for (const ToolInfo& info : kToolInfos) {
        if (info.kind == kind) {
            return info;
        }
    }
    return kToolInfos[3];  // unreachable for a valid kind
}

std::optional<ToolKind> ToolForCommand(int commandId)
{
    for (const ToolInfo& info : kToolInfos) {
        if (info.commandId == commandId) {
            return info.kind;
        }
    }
    return std::nullopt;
}

std::optional<ToolKind> ToolForKey(char key)
{
    for (const ToolInfo& info : kToolInfos) {
        if (info.key == key) {
            return info.kind;
        }
    }
    return std::nullopt;
}

}  // namespace tessark
