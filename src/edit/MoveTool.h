#pragma once

#include "edit/Tool.h"

namespace tessark {

// Drags the selection elsewhere: a press on a selected position asks the view to start a drag
// (TileDrag carries it); a press elsewhere does nothing.
class MoveTool final : public Tool {
public:
    ToolKind Kind() const override { return ToolKind::Move; }
    void Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;
};

}  // namespace tessark
