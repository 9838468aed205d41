#pragma once

#include "edit/Tool.h"

namespace tessark {

// Adds the tile under the cursor to the selected house, or takes it out when it is already
// that house's, on press and on every tile entered while dragging. Tiles of another house are
// refused with a warning. Without a selected house a press asks for one in the houses dialog.
class HouseTool final : public Tool {
public:
    static constexpr const char* kOtherHouseWarning = "This tile belongs to another house.";

    ToolKind Kind() const override { return ToolKind::House; }
    void Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;
    void Drag(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;

private:
    static void Toggle(ToolContext& context, ToolOutcome& outcome);
};

}  // namespace tessark
