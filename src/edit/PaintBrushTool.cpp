#include "edit/PaintBrushTool.h"

#include "data/ItemDatabase.h"
#include "edit/StrokeBatch.h"
#include "edit/ToolContext.h"
#include "edit/ToolOutcome.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"

namespace tessark {

void PaintBrushTool::Press(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    Stamp(context, outcome);
}

void PaintBrushTool::Drag(ToolContext& context, Modifiers, ToolOutcome& outcome)
{
    Stamp(context, outcome);
}

void PaintBrushTool::Stamp(ToolContext& context, ToolOutcome& outcome)
{
    CTessarkDoc& document = context.Document();
    const int32_t typeKey = document.currentItemKey;
    const TileArea square = TileArea::Square(context.CursorTile(), context.BrushRadius());
    StrokeBatch batch(document);
    for (int32_t y = square.top; y <= square.bottom; ++y) {
        for (int32_t x = square.left; x <= square.right; ++x) {
            const Position position{x, y, square.z};
            const int answer = document.CanPlaceItem(position, typeKey);
            if (answer == 1) {
                continue;
            }
            std::unique_ptr<CItem> thing = CreateThing(document.Database(), typeKey, 0);
            if (!thing) {
                return;  // no such type: nothing anywhere
            }
            document.AddThing(std::move(thing), x, y, square.z, answer == 2);
        }
    }
    outcome.changed.Merge(batch.Changed());
}

}  // namespace tessark
