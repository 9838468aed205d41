#pragma once

#include "edit/Tool.h"

namespace tessark {

// Toggles the protection-zone mark of the tile under the cursor, on press and on every tile
// entered while dragging. Tiles without a ground are left alone.
class ProtectionZoneTool final : public Tool {
public:
    ToolKind Kind() const override { return ToolKind::ProtectionZone; }
    void Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;
    void Drag(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;

private:
    static void Toggle(ToolContext& context, ToolOutcome& outcome);
};

}  // namespace tessark
