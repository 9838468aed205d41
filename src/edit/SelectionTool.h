#pragma once

#include "edit/Tool.h"
#include "platform/Rect.h"

namespace tessark {

class ViewGeometry;

// Builds the selection of map positions: a press clears it (no modifier), toggles the cursor
// tile (Ctrl) or keeps it (Shift); dragging asks the view for a rubber band, whose rectangle
// SelectRect then adds.
class SelectionTool final : public Tool {
public:
    ToolKind Kind() const override { return ToolKind::Selection; }
    void Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;
    void Drag(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;

    // The window rectangle of a rubber band, as the view shows the map: clears the selection
    // unless keep (Shift), then adds every existing tile inside the map whose tile rectangle on
    // the current floor meets the rectangle, on the current floor or, with multiFloor, on every
    // floor drawn.
    struct View {
        const ViewGeometry& geometry;
        Point scroll;
        bool multiFloor = false;
    };
    static void SelectRect(ToolContext& context, const View& view, const Rect& client, bool keep,
                           ToolOutcome& outcome);
    // Marks the selected positions for repainting (the tint).
    static void AddSelectionArea(const ToolContext& context, ToolOutcome& outcome);
};

}  // namespace tessark
