#pragma once

#include "edit/Tool.h"

namespace tessark {

// Places the brush type on every tile of the brush square around the cursor, on press and on
// every tile entered while dragging.
class PaintBrushTool final : public Tool {
public:
    ToolKind Kind() const override { return ToolKind::PaintBrush; }
    void Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;
    void Drag(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;

    // One stamp of the square: outside the map nothing is placed; where a clashing wall-hanging
    // or always-on-top item stands, the new one replaces it.
    static void Stamp(ToolContext& context, ToolOutcome& outcome);
};

}  // namespace tessark
