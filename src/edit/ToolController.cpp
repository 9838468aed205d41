#include "edit/ToolController.h"

#include <algorithm>

#include "data/ItemDatabase.h"
#include "edit/SelectTool.h"
#include "edit/ToolFactory.h"
#include "edit/TopmostThing.h"
#include "model/TessarkDoc.h"

namespace tessark {
namespace {

std::array<std::unique_ptr<Tool>, kAllTools.size()> MakeTools()
{
    std::array<std::unique_ptr<Tool>, kAllTools.size()> tools;
    for (ToolKind kind : kAllTools) {
        tools[static_cast<size_t>(kind)] = CreateTool(kind);
    }
    return tools;
}

std::array<bool, kAllTools.size()> Availability(
    const std::array<std::unique_ptr<Tool>, kAllTools.size()>& tools)
{
    std::array<bool, kAllTools.size()> available{};
    for (size_t i = 0; i < tools.size(); ++i) {
        available[i] = tools[i] != nullptr;
    }
    return available;
}

const char* StepName(ToolKind kind)
{
    switch (kind) {
    case ToolKind::PaintBrush:
        return "Paint";
    case ToolKind::Eraser:
        return "Erase";
    case ToolKind::ProtectionZone:
        return "Protection Zone";
    case ToolKind::House:
        return "House Tiles";
    case ToolKind::Spawn:
        return "Spawn";
    case ToolKind::Select:
    case ToolKind::Move:
    case ToolKind::Selection:
        break;
    }
    return "Move";
}

}  // namespace

ToolController::ToolController(CTessarkDoc& document)
    : document_(document), undo_(document), context_(document), tools_(MakeTools()),
      commands_(context_, Availability(tools_), undo_), drag_(context_, commands_.Clipboard())
{
    document_.AddViewHintListener(*this);
}

ToolController::~ToolController()
{
    EndStroke();
    document_.RemoveViewHintListener(*this);
}

Tool* ToolController::ActiveTool() const
{
    return tools_[static_cast<size_t>(context_.CurrentTool())].get();
}

ToolOutcome ToolController::MouseMove(const Position& tile, bool leftHeld, Modifiers modifiers)
{
    ToolOutcome outcome;
    if (tile == context_.CursorTile()) {
        return outcome;
    }
    outcome.previousCursor = context_.CursorTile();
    context_.SetCursorTile(tile);
    if (leftHeld) {
        if (Tool* tool = ActiveTool()) {
            tool->Drag(context_, modifiers, outcome);
        }
    }
    return outcome;
}

void ToolController::EndStroke()
{
    if (strokeOpen_) {
        strokeOpen_ = false;
        document_.EndStep();
    }
}

ToolOutcome ToolController::LeftPress(Modifiers modifiers)
{
    ToolOutcome outcome;
    // Press to release is one step.
    EndStroke();
    document_.BeginStep(StepName(context_.CurrentTool()));
    strokeOpen_ = true;
    if (Tool* tool = ActiveTool()) {
        tool->Press(context_, modifiers, outcome);
    }
    return outcome;
}

ToolOutcome ToolController::LeftRelease(Modifiers modifiers)
{
    ToolOutcome outcome;
    if (Tool* tool = ActiveTool()) {
        tool->Release(context_, modifiers, outcome);
    }
    // Whatever the tool did, the button is up: nothing keeps the mouse.
    if (context_.MouseCaptured()) {
        context_.ReleaseMouse(outcome);
    }
    EndStroke();
    return outcome;
}

ToolOutcome ToolController::LeftDoubleClick(Modifiers modifiers)
{
    ToolOutcome outcome;
    if (Tool* tool = ActiveTool()) {
        tool->DoubleClick(context_, modifiers, outcome);
    }
    return outcome;
}

ToolOutcome ToolController::ChosenThingEdited()
{
    ToolOutcome outcome;
    if (const ThingAt chosen = context_.SelectedThing()) {
        context_.AddThingArea(*chosen.thing, chosen.position, outcome);
        outcome.changed.Add(chosen.position, 1, 1, true);
        // A spawn's area and creatures are drawn over many tiles.
        outcome.repaintView = chosen.thing->Kind() == ThingKind::Spawn;
    }
    return outcome;
}

ToolOutcome ToolController::ChooseThingAt(const Position& tile)
{
    ToolOutcome outcome;
    context_.ActivateTool(ToolKind::Select, outcome);
    context_.GetSelection().Clear();
    context_.SetSelectedThing(FindTopmostThing(document_, tile, context_.Visibility()), outcome);
    return outcome;
}

std::optional<ContextMenuModel> ToolController::ContextMenu(const Position& tile,
                                                            ToolOutcome& outcome)
{
    if (tile.x < 0 || tile.y < 0 || tile.x >= document_.width || tile.y >= document_.height) {
        return std::nullopt;
    }
    if (tile != context_.CursorTile()) {
        outcome.previousCursor = context_.CursorTile();
        context_.SetCursorTile(tile);
    }
    context_.ActivateTool(ToolKind::Select, outcome);
    SelectTool::PickAtCursor(context_, outcome);
    return ContextMenuModel::Build(context_, commands_);
}

ToolOutcome ToolController::SelectRect(const SelectionTool::View& view, const Rect& client, bool keep)
{
    ToolOutcome outcome;
    if (context_.CurrentTool() == ToolKind::Selection) {
        SelectionTool::SelectRect(context_, view, client, keep, outcome);
    }
    return outcome;
}

std::optional<int> ToolController::CursorFrameRadius() const
{
    switch (GetToolInfo(context_.CurrentTool()).cursorFrame) {
    case CursorFrame::None:
        return std::nullopt;
    case CursorFrame::OneTile:
        return 0;
    case CursorFrame::BrushSquare:
        return context_.BrushRadius();
    case CursorFrame::EraserSquare:
        return context_.EraserRadius();
    }
    return std::nullopt;
}

std::optional<TileArea> ToolController::CursorFrameArea(const Position& tile) const
{
    const std::optional<int> radius = CursorFrameRadius();
    if (!radius) {
        return std::nullopt;
    }
    TileArea area = TileArea::Square(tile, *radius);
    if (context_.CurrentTool() == ToolKind::PaintBrush) {
        const ItemType& type = context_.Database().GetServerType(document_.currentItemKey);
        area.left -= std::max<int>(type.width, 1) - 1;
        area.top -= std::max<int>(type.height, 1) - 1;
    }
    return area;
}

void ToolController::OnViewHint(const ViewHint& hint)
{
    switch (hint.kind) {
    case ViewHintKind::Thing:
    case ViewHintKind::Ground: {
        const ThingAt selected = context_.SelectedThing();
        if (selected && selected.thing->IsItem() &&
            selected.position == Position{hint.x, hint.y, hint.z}) {
            context_.ForgetSelectedThing();
        }
        break;
    }
    case ViewHintKind::Tile:
        context_.GetSelection().AddUnchecked({hint.x, hint.y, hint.z});
        break;
    case ViewHintKind::Clearing: {
        context_.ForgetSelectedThing();
        context_.GetSelection().Clear();
        ToolOutcome ignored;
        context_.SetSelectedHouse(nullptr, ignored);
        break;
    }
    case ViewHintKind::All:
        break;
    }
}

}  // namespace tessark
