#include "edit/SelectionTool.h"

#include "edit/ToolContext.h"
#include "edit/ToolOutcome.h"
#include "model/TessarkDoc.h"
#include "render/ViewGeometry.h"

namespace tessark {

void SelectionTool::AddSelectionArea(const ToolContext& context, ToolOutcome& outcome)
{
    for (const Position& position : context.GetSelection().Positions()) {
        outcome.changed.Add(position, 1, 1, false);
    }
}

void SelectionTool::Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome)
{
    Selection& selection = context.GetSelection();
    if (modifiers.shift) {
        return;
    }
    if (!modifiers.ctrl) {
        AddSelectionArea(context, outcome);
        selection.Clear();
        return;
    }
    const Position& cursor = context.CursorTile();
    if (selection.Add(context.Document(), cursor) || selection.Remove(cursor)) {
        outcome.changed.Add(cursor, 1, 1, false);
    }
}

void SelectionTool::Drag(ToolContext&, Modifiers, ToolOutcome& outcome)
{
    outcome.startRubberBand = true;
}

void SelectionTool::SelectRect(ToolContext& context, const View& view, const Rect& client, bool keep,
                               ToolOutcome& outcome)
{
    const CTessarkDoc& document = context.Document();
    Selection& selection = context.GetSelection();
    if (!keep) {
        AddSelectionArea(context, outcome);
        selection.Clear();
    }
    const ViewGeometry& geometry = view.geometry;
    const Rect drawing = geometry.ClientToDrawing(client, view.scroll);
    const TileSpan span = geometry.VisibleTileSpan(drawing, document.width, document.height);
    const int current = geometry.CurrentFloor();
    const int shift = geometry.ReferenceFloor() - current;
    for (int row = span.firstRow + shift; row < span.lastRow + shift; ++row) {
        for (int column = span.firstColumn + shift; column < span.lastColumn + shift; ++column) {
            const std::optional<Rect> tile = geometry.TileRect(column, row, current);
            if (!tile || !tile->Intersects(drawing)) {
                continue;
            }
            // Floors drawn run from FirstFloor down to LastFloor.
            for (int z = geometry.FirstFloor(); z >= geometry.LastFloor(); --z) {
                if ((z == current || view.multiFloor) && selection.Add(document, {column, row, z})) {
                    outcome.changed.Add({column, row, z}, 1, 1, false);
                }
            }
        }
    }
}

}  // namespace tessark
