#pragma once

#include <cstdint>
#include <optional>

#include "edit/Selection.h"
#include "edit/ToolKind.h"
#include "edit/TopmostThing.h"
#include "model/Position.h"

namespace tessark {

class CTessarkDoc;
class CThing;
class House;
class ItemDatabase;
struct ToolOutcome;

// The view's editing state that every tool reads and changes: the active tool, the cursor tile,
// the two brush radii, the chosen thing, the selected house and the selected positions.
class ToolContext {
public:
    explicit ToolContext(CTessarkDoc& document);

    CTessarkDoc& Document() const { return document_; }
    const ItemDatabase& Database() const;

    ToolKind CurrentTool() const { return currentTool_; }
    // Makes the tool active: the selection and the chosen thing go as the tool's facts say, the
    // house status text and the whole view are refreshed.
    void ActivateTool(ToolKind kind, ToolOutcome& outcome);

    const Position& CursorTile() const { return cursorTile_; }
    void SetCursorTile(const Position& tile) { cursorTile_ = tile; }

    int BrushRadius() const { return brushRadius_; }
    void SetBrushRadius(int radius);
    int EraserRadius() const { return eraserRadius_; }
    void SetEraserRadius(int radius);

    // The thing chosen with the select tool, only while it is still on the map.
    ThingAt SelectedThing() const;
    void SetSelectedThing(const ThingAt& at, ToolOutcome& outcome);
    void ClearSelectedThing(ToolOutcome& outcome);
    // Forgets the thing without repainting, for when the map changed under it.
    void ForgetSelectedThing() { selectedThing_ = {}; }

    // The house the house tool works on; none when it was deleted meanwhile.
    House* SelectedHouse() const;
    std::optional<uint32_t> SelectedHouseId() const { return selectedHouseId_; }
    void SetSelectedHouse(House* house, ToolOutcome& outcome);

    Selection& GetSelection() { return selection_; }
    const Selection& GetSelection() const { return selection_; }

    ThingVisibility& Visibility() { return visibility_; }
    const ThingVisibility& Visibility() const { return visibility_; }

    bool MouseCaptured() const { return mouseCaptured_; }
    void CaptureMouse(ToolOutcome& outcome);
    void ReleaseMouse(ToolOutcome& outcome);

    // Adds the drawn rectangle of the thing at the position to the outcome's changed area.
    void AddThingArea(const CThing& thing, const Position& position, ToolOutcome& outcome) const;

private:
    CTessarkDoc& document_;
    ToolKind currentTool_ = ToolKind::PaintBrush;
    Position cursorTile_{0, 0, 7};
    int brushRadius_ = 0;
    int eraserRadius_ = 0;
    ThingAt selectedThing_;
    // Kept by id: a house deleted by a dialog must not leave a dangling pointer here.
    std::optional<uint32_t> selectedHouseId_;
    Selection selection_;
    ThingVisibility visibility_;
    bool mouseCaptured_ = false;
};

}  // namespace tessark
