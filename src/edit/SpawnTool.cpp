#include "edit/SpawnTool.h"

#include "data/ItemDatabase.h"
#include "edit/ToolContext.h"
#include "edit/ToolOutcome.h"
#include "model/TessarkDoc.h"

namespace tessark {

void SpawnTool::Press(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    CTessarkDoc& document = context.Document();
    const Position cursor = context.CursorTile();
    const CTile* tile = document.GetTile(cursor);
    if (!document.IsInsideMap(cursor) || !tile || !tile->GetGround()) {
        return;
    }
    CSpawn* spawn = document.Spawns().CreateSpawn(cursor, kNewSpawnRadius);
    context.SetSelectedThing({spawn, cursor}, outcome);
    document.SetModifiedFlag(true);
    outcome.repaintView = true;
}

}  // namespace tessark
