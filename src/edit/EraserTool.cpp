#include "edit/EraserTool.h"

#include "data/ItemDatabase.h"
#include "edit/StrokeBatch.h"
#include "edit/ToolContext.h"
#include "edit/ToolOutcome.h"
#include "edit/TopmostThing.h"
#include "model/TessarkDoc.h"

namespace tessark {

void EraserTool::Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome)
{
    Erase(context, modifiers, outcome);
}

void EraserTool::Drag(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome)
{
    Erase(context, modifiers, outcome);
}

bool EraserTool::IsEraseAll(int eraserRadius, Modifiers modifiers)
{
    return (eraserRadius >= 1 || modifiers.ctrl) && !modifiers.shift;
}

bool EraserTool::KeepsOutsideEraseAll(const CThing& thing, const ItemDatabase& database)
{
    if (!thing.IsItem() || thing.Kind() == ThingKind::Creature) {
        return false;
    }
    const CItem& item = static_cast<const CItem&>(thing);
    return item.IsGround(database) || item.GetTopOrder(database) == 1;
}

namespace {

// An upper bound on the things one position can give up, so that a thing the document fails
// to remove cannot keep the eraser going forever.
size_t RemovableCount(const CTessarkDoc& document, const Position& position)
{
    size_t count = 1;
    if (const CTile* tile = document.GetTile(position)) {
        count += tile->GetThingCount();
    }
    const CSpawnList& spawns = document.Spawns();
    for (size_t s = 0; s < spawns.Size(); ++s) {
        count += 1 + spawns.GetSpawn(s)->GetCreatureCount();
    }
    return count;
}

}  // namespace

void EraserTool::Erase(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome)
{
    CTessarkDoc& document = context.Document();
    const bool eraseAll = IsEraseAll(context.EraserRadius(), modifiers);
    const Position cursor = context.CursorTile();
    const TileArea square = TileArea::Square(cursor, context.EraserRadius());
    StrokeBatch batch(document);
    for (int32_t y = square.top; y <= square.bottom; ++y) {
        for (int32_t x = square.left; x <= square.right; ++x) {
            const Position position{x, y, square.z};
            size_t budget = RemovableCount(document, position);
            ThingAt topmost = FindTopmostThing(document, position, context.Visibility());
            while (topmost && budget-- > 0) {
                if (!eraseAll && KeepsOutsideEraseAll(*topmost.thing, document.Database())) {
                    break;
                }
                if (topmost.thing == context.SelectedThing().thing) {
                    context.ForgetSelectedThing();
                }
                document.RemoveThing(topmost.thing, x, y, square.z);
                if (position == cursor && !context.MouseCaptured()) {
                    context.CaptureMouse(outcome);
                }
                if (!eraseAll) {
                    break;
                }
                topmost = FindTopmostThing(document, position, context.Visibility());
            }
        }
    }
    outcome.changed.Merge(batch.Changed());
}

}  // namespace tessark
