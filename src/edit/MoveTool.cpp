#include "edit/MoveTool.h"

#include "edit/ToolContext.h"
#include "edit/ToolOutcome.h"

namespace tessark {

void MoveTool::Press(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    const Selection& selection = context.GetSelection();
    outcome.startDrag = !selection.Empty() && selection.Contains(context.CursorTile());
}

}  // namespace tessark
