#include "edit/ToolContext.h"

#include <algorithm>

#include "data/ItemDatabase.h"
#include "edit/BrushSize.h"
#include "edit/ToolOutcome.h"
#include "model/TessarkDoc.h"

namespace tessark {

ToolContext::ToolContext(CTessarkDoc& document) : document_(document) {}

const ItemDatabase& ToolContext::Database() const { return document_.Database(); }

void ToolContext::ActivateTool(ToolKind kind, ToolOutcome& outcome)
{
    const ToolInfo& info = GetToolInfo(kind);
    currentTool_ = kind;
    if (!info.keepsSelection) {
        selection_.Clear();
    }
    if (info.forgetsSelectedThing) {
        selectedThing_ = {};
    }
    outcome.toolChanged = true;
    outcome.houseStatusChanged = true;
    outcome.repaintView = true;
}

void ToolContext::SetBrushRadius(int radius)
{
    brushRadius_ = std::clamp(radius, 0, BrushSize::kMaxRadius);
}

void ToolContext::SetEraserRadius(int radius)
{
    eraserRadius_ = std::clamp(radius, 0, BrushSize::kMaxRadius);
}

ThingAt ToolContext::SelectedThing() const
{
    const std::optional<Position> position = LocateThing(document_, selectedThing_);
    return position ? ThingAt{selectedThing_.thing, *position} : ThingAt{};
}

void ToolContext::SetSelectedThing(const ThingAt& at, ToolOutcome& outcome)
{
    if (const ThingAt old = SelectedThing()) {
        AddThingArea(*old.thing, old.position, outcome);
    }
    selectedThing_ = at;
    if (at) {
        AddThingArea(*at.thing, at.position, outcome);
    }
}

void ToolContext::ClearSelectedThing(ToolOutcome& outcome) { SetSelectedThing({}, outcome); }

House* ToolContext::SelectedHouse() const
{
    if (!selectedHouseId_) {
        return nullptr;
    }
    return document_.Houses().GetHouse(*selectedHouseId_, false);
}

void ToolContext::SetSelectedHouse(House* house, ToolOutcome& outcome)
{
    if (house) {
        selectedHouseId_ = house->GetId();
    } else {
        selectedHouseId_.reset();
    }
    outcome.houseStatusChanged = true;
    outcome.houseTintsChanged = true;
}

void ToolContext::CaptureMouse(ToolOutcome& outcome)
{
    mouseCaptured_ = true;
    outcome.capture = MouseCapture::Capture;
}

void ToolContext::ReleaseMouse(ToolOutcome& outcome)
{
    mouseCaptured_ = false;
    outcome.capture = MouseCapture::Release;
}

void ToolContext::AddThingArea(const CThing& thing, const Position& position,
                               ToolOutcome& outcome) const
{
    const ItemType& type = Database().GetServerType(DrawnTypeKey(thing));
    outcome.changed.Add(position, type.width, type.height, false);
}

}  // namespace tessark
