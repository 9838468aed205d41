#pragma once

#include "edit/Tool.h"

namespace tessark {

class CThing;
class ItemDatabase;

// Removes things from the eraser square around the cursor, topmost first. A plain click takes
// the topmost removable thing of one tile; with Ctrl or a larger eraser every thing goes, ground
// included; Shift keeps grounds and top-order-1 items (borders) whatever else is held.
class EraserTool final : public Tool {
public:
    ToolKind Kind() const override { return ToolKind::Eraser; }
    void Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;
    void Drag(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;

    static bool IsEraseAll(int eraserRadius, Modifiers modifiers);
    // Outside erase-all mode the eraser stops at these: grounds and top-order-1 items.
    static bool KeepsOutsideEraseAll(const CThing& thing, const ItemDatabase& database);

private:
    static void Erase(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome);
};

}  // namespace tessark
