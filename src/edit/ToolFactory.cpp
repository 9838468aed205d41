#include "edit/ToolFactory.h"

#include "edit/EraserTool.h"
#include "edit/HouseTool.h"
#include "edit/MoveTool.h"
#include "edit/PaintBrushTool.h"
#include "edit/ProtectionZoneTool.h"
#include "edit/SelectTool.h"
#include "edit/SelectionTool.h"
#include "edit/SpawnTool.h"

namespace tessark {

std::unique_ptr<Tool> CreateTool(ToolKind kind)
{
    switch (kind) {
    case ToolKind::Select:
        return std::make_unique<SelectTool>();
    case ToolKind::PaintBrush:
        return std::make_unique<PaintBrushTool>();
    case ToolKind::Eraser:
        return std::make_unique<EraserTool>();
    case ToolKind::ProtectionZone:
        return std::make_unique<ProtectionZoneTool>();
    case ToolKind::Spawn:
        return std::make_unique<SpawnTool>();
    case ToolKind::House:
        return std::make_unique<HouseTool>();
    case ToolKind::Move:
        return std::make_unique<MoveTool>();
    case ToolKind::Selection:
        return std::make_unique<SelectionTool>();
    }
    return nullptr;
}

}  // namespace tessark
