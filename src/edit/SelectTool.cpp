#include "edit/SelectTool.h"

#include "data/ItemDatabase.h"
#include "edit/ToolContext.h"
#include "edit/ToolOutcome.h"
#include "edit/TopmostThing.h"
#include "model/EditStep.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"

namespace tessark {

ThingAt SelectTool::PickAtCursor(ToolContext& context, ToolOutcome& outcome)
{
    const ThingAt picked =
        FindTopmostThing(context.Document(), context.CursorTile(), context.Visibility());
    context.SetSelectedThing(picked, outcome);
    return picked;
}

void SelectTool::Press(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    const ThingAt picked = PickAtCursor(context, outcome);
    if (!picked) {
        return;
    }
    if (picked.thing->IsItem()) {
        outcome.refreshItemInfo = true;
    }
    context.CaptureMouse(outcome);
}

void SelectTool::Release(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    if (!context.MouseCaptured()) {
        return;
    }
    context.ReleaseMouse(outcome);
    const ThingAt selected = context.SelectedThing();
    if (!selected || context.CursorTile() == selected.position) {
        return;
    }
    if (selected.thing->Kind() == ThingKind::Spawn) {
        MoveSpawn(context, selected, outcome);
    } else {
        MoveItem(context, selected, outcome);
    }
}

void SelectTool::MoveItem(ToolContext& context, const ThingAt& selected, ToolOutcome& outcome)
{
    CTessarkDoc& document = context.Document();
    const ItemDatabase& database = document.Database();
    const CItem& item = static_cast<const CItem&>(*selected.thing);
    const Position target = context.CursorTile();
    if (item.IsGround(database) || document.CanPlaceItem(target, item.GetTypeKey()) != 0) {
        return;
    }
    const bool isCreature = item.Kind() == ThingKind::Creature;
    if (isCreature) {
        // A creature only lives inside a spawn, on a free offset: anywhere else the document
        // would destroy it on arrival.
        const CSpawn* spawn = document.Spawns().FindSpawnAt(target);
        if (!spawn) {
            return;
        }
        for (size_t c = 0; c < spawn->GetCreatureCount(); ++c) {
            const CCreature* other = spawn->GetCreature(c);
            if (spawn->GetCenterX() + other->GetOffsetX() == target.x &&
                spawn->GetCenterY() + other->GetOffsetY() == target.y) {
                return;
            }
        }
    }

    // Copy, delete and paste, as a clipboard move does; the clipboard gets the thing as well.
    ArchiveWriter writer;
    StoreThing(item, writer);
    outcome.clipboard = ClipboardBytes{ClipFormat::Thing, writer.Bytes()};
    ArchiveReader reader(writer.Bytes());
    std::unique_ptr<CItem> moved = LoadThing(database, reader);
    if (!moved) {
        return;
    }
    // The archive leaves the unique id out so that pasted copies never repeat it; a moved item
    // is the same item and keeps it.
    const uint32_t uniqueId = item.GetUniqueId();
    moved->SetUniqueId(uniqueId);

    context.ClearSelectedThing(outcome);
    context.AddThingArea(item, selected.position, outcome);
    // item is gone after this.
    document.RemoveThing(selected.thing, selected.position.x, selected.position.y,
                         selected.position.z);
    document.UniqueIds().Register(uniqueId);
    context.AddThingArea(*moved, target, outcome);
    document.AddThing(std::move(moved), target.x, target.y, target.z, false);
    outcome.changed.Add(selected.position, 1, 1, true);
    outcome.changed.Add(target, 1, 1, true);
    if (isCreature) {
        outcome.repaintView = true;
    }
}

void SelectTool::MoveSpawn(ToolContext& context, const ThingAt& selected, ToolOutcome& outcome)
{
    CTessarkDoc& document = context.Document();
    const Position target = context.CursorTile();
    // The spawn file keeps centres as map coordinates; one dragged off the map would not read
    // back where it was left.
    if (!document.IsInsideMap(target)) {
        return;
    }
    CSpawn& spawn = static_cast<CSpawn&>(*selected.thing);
    spawn.SetCenter(target);
    context.SetSelectedThing({&spawn, target}, outcome);
    document.SetModifiedFlag(true);
    outcome.repaintView = true;
}

void SelectTool::DoubleClick(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome)
{
    const ThingAt selected = context.SelectedThing();
    if (!selected) {
        return;
    }
    if (selected.thing->Kind() == ThingKind::Creature && modifiers.ctrl) {
        EditStep step(context.Document(), "Turn Creature");
        CCreature& creature = static_cast<CCreature&>(*selected.thing);
        creature.SetDirection((creature.GetDirection() + 1) % 4);
        context.Document().SetModifiedFlag(true);
        context.AddThingArea(creature, selected.position, outcome);
        return;
    }
    outcome.openProperties = true;
}

}  // namespace tessark
