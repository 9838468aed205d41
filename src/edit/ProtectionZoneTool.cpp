#include "edit/ProtectionZoneTool.h"

#include "data/ItemDatabase.h"
#include "edit/ToolContext.h"
#include "edit/ToolOutcome.h"
#include "model/TessarkDoc.h"

namespace tessark {

void ProtectionZoneTool::Press(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    Toggle(context, outcome);
}

void ProtectionZoneTool::Drag(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    Toggle(context, outcome);
}

void ProtectionZoneTool::Toggle(ToolContext& context, ToolOutcome& outcome)
{
    CTessarkDoc& document = context.Document();
    const Position& cursor = context.CursorTile();
    CTile* tile = document.GetTile(cursor);
    if (!tile || !tile->GetGround()) {
        return;
    }
    document.NoteTileChange(cursor);
    tile->SetProtectionZone(!tile->IsProtectionZone());
    context.AddThingArea(*tile->GetGround(), cursor, outcome);
    document.SetModifiedFlag(true);
}

}  // namespace tessark
