#pragma once

#include <array>
#include <memory>
#include <optional>

#include "edit/ContextMenuModel.h"
#include "edit/EditCommands.h"
#include "edit/SelectionTool.h"
#include "edit/TileDrag.h"
#include "edit/Tool.h"
#include "edit/ToolContext.h"
#include "edit/ToolOutcome.h"
#include "edit/UndoStack.h"
#include "platform/ViewHint.h"

namespace tessark {

class CTessarkDoc;

// The editing half of the map view: the window hands it the cursor tile and the mouse and key
// input; it runs the active tool on the document and says what to repaint. It listens to the
// document to forget a chosen thing that went away and to select the tiles a paste placed.
class ToolController final : public ViewHintListener {
public:
    explicit ToolController(CTessarkDoc& document);
    ~ToolController() override;
    ToolController(const ToolController&) = delete;
    ToolController& operator=(const ToolController&) = delete;

    ToolContext& Context() { return context_; }
    const ToolContext& Context() const { return context_; }
    EditCommands& Commands() { return commands_; }
    const EditCommands& Commands() const { return commands_; }
    // The move tool's drag and drop, as source and as target.
    TileDrag& Drag() { return drag_; }

    // The cursor is over the tile (the view's floor). Only a change of tile counts: then the
    // active tool's drag runs when the left button is held.
    ToolOutcome MouseMove(const Position& tile, bool leftHeld, Modifiers modifiers);
    ToolOutcome LeftPress(Modifiers modifiers);
    ToolOutcome LeftRelease(Modifiers modifiers);
    ToolOutcome LeftDoubleClick(Modifiers modifiers);
    // A dialog changed the chosen thing: its tile and minimap pixel are repainted.
    ToolOutcome ChosenThingEdited();
    // A jump to a listed tile: the select tool, no tile selected, the topmost thing there chosen.
    ToolOutcome ChooseThingAt(const Position& tile);
    // A right click over the tile: within the map's extent the select tool becomes the tool,
    // picks the topmost thing there and the menu to show is returned; elsewhere none.
    std::optional<ContextMenuModel> ContextMenu(const Position& tile, ToolOutcome& outcome);
    // The selection tool's rubber band ended on the window rectangle; keep (Shift) adds to the
    // selection.
    ToolOutcome SelectRect(const SelectionTool::View& view, const Rect& client, bool keep);

    // Ends the step of a stroke whose button release never came (a drag took it).
    void EndStroke();
    UndoStack& Undo() { return undo_; }
    const UndoStack& Undo() const { return undo_; }

    // What the view outlines around the cursor tile for the active tool: none, or the square
    // of the brush or eraser radius (0 for one tile).
    std::optional<int> CursorFrameRadius() const;
    // The tiles to repaint when the cursor frame (and, with the paint brush, the brush preview
    // that grows up and left with large types) is drawn around the tile.
    std::optional<TileArea> CursorFrameArea(const Position& tile) const;

    void OnViewHint(const ViewHint& hint) override;

private:
    Tool* ActiveTool() const;

    CTessarkDoc& document_;
    UndoStack undo_;
    bool strokeOpen_ = false;
    ToolContext context_;
    std::array<std::unique_ptr<Tool>, kAllTools.size()> tools_;
    EditCommands commands_;
    TileDrag drag_;
};

}  // namespace tessark
