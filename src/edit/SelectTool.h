#pragma once

#include "edit/Tool.h"

namespace tessark {

struct ThingAt;

// Picks the topmost thing under the cursor. Dragging a picked item or spawn to another tile and
// releasing moves it there; Ctrl + double click turns a creature, a plain double click opens the
// thing's properties.
class SelectTool final : public Tool {
public:
    ToolKind Kind() const override { return ToolKind::Select; }
    void Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;
    void Release(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;
    void DoubleClick(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;

    // Picks the topmost thing at the cursor tile (nothing where no tile is) and repaints the old
    // and new choice. Used by the context menu too.
    static ThingAt PickAtCursor(ToolContext& context, ToolOutcome& outcome);

private:
    static void MoveItem(ToolContext& context, const ThingAt& selected, ToolOutcome& outcome);
    static void MoveSpawn(ToolContext& context, const ThingAt& selected, ToolOutcome& outcome);
};

}  // namespace tessark
