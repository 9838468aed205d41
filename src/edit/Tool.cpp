#include "edit/Tool.h"

#include "edit/ToolContext.h"
#include "edit/ToolOutcome.h"

namespace tessark {

void Tool::Drag(ToolContext&, Modifiers, ToolOutcome&) {}

void Tool::Release(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    if (context.MouseCaptured()) {
        context.ReleaseMouse(outcome);
    }
}

void Tool::DoubleClick(ToolContext&, Modifiers, ToolOutcome&) {}

}  // namespace tessark
