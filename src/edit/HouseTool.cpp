#include "edit/HouseTool.h"

#include "data/ItemDatabase.h"
#include "edit/ToolContext.h"
#include "edit/ToolOutcome.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"

namespace tessark {

void HouseTool::Press(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    if (!context.SelectedHouse()) {
        const House* clicked = context.Document().FindHouseAt(context.CursorTile());
        outcome.openHousesDialog = clicked ? clicked->GetId() : 0;
        return;
    }
    Toggle(context, outcome);
}

void HouseTool::Drag(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    // Without a house only the press asks for one: a dialog for every tile entered would be
    // of no use.
    if (context.SelectedHouse()) {
        Toggle(context, outcome);
    }
}

void HouseTool::Toggle(ToolContext& context, ToolOutcome& outcome)
{
    CTessarkDoc& document = context.Document();
    House* house = context.SelectedHouse();
    const Position& cursor = context.CursorTile();
    CTile* tile = document.GetTile(cursor);
    if (!house || !tile || !tile->GetGround()) {
        return;
    }
    if (!tile->HasFlags(CTile::kHouseFlag) || tile->GetHouseId() == house->GetId()) {
        document.NoteTileChange(cursor);
    }
    if (house->HasTile(tile)) {
        house->RemoveTile(tile);
    } else if (tile->HasFlags(CTile::kHouseFlag) && tile->GetHouseId() != house->GetId()) {
        document.Messages().ShowMessage(kOtherHouseWarning, MessageIcon::Warning);
        return;
    } else {
        house->AddTile(tile);
    }
    context.AddThingArea(*tile->GetGround(), cursor, outcome);
    document.SetModifiedFlag(true);
}

}  // namespace tessark
