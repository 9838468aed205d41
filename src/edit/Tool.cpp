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

void Tool::DoubleClick(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome)
{
    // The window turns the second press of a quick double click into the double click: a tool
    // without a double-click action takes it as the press it is, so quick clicks each count.
    Press(context, modifiers, outcome);
}

}  // namespace tessark
