#include "edit/EditCommands.h"

#include "data/ItemDatabase.h"
#include "edit/BrushSize.h"
#include "edit/EditCommandIds.h"
#include "edit/PropertiesTarget.h"
#include "edit/StrokeBatch.h"
#include "edit/ToolContext.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"

namespace tessark {
namespace {

size_t ToolIndex(ToolKind kind) { return static_cast<size_t>(kind); }

}  // namespace

EditCommands::EditCommands(ToolContext& context,
                           const std::array<bool, kAllTools.size()>& available)
    : context_(context), available_(available), clipboard_(context)
{
}

bool EditCommands::IsToolAvailable(ToolKind kind) const { return available_[ToolIndex(kind)]; }

bool EditCommands::BrushIsGround() const
{
    const ItemType* type = context_.Database().GetType(context_.Document().currentItemKey);
    return type && type->group == ItemGroup::Ground;
}

bool EditCommands::ItemIsSelected() const
{
    const ThingAt selected = context_.SelectedThing();
    return selected && selected.thing->IsItem();
}

bool EditCommands::IsEnabled(int commandId) const
{
    if (const auto tool = ToolForCommand(commandId)) {
        if (*tool == ToolKind::Move && context_.GetSelection().Empty()) {
            return false;
        }
        return IsToolAvailable(*tool);
    }
    if (BrushSize::BrushRadiusFor(commandId) || BrushSize::EraserRadiusFor(commandId)) {
        return true;
    }
    switch (commandId) {
    case command::kSelect:
        return context_.CurrentTool() == ToolKind::Select && ItemIsSelected();
    case command::kProperties:
        return context_.CurrentTool() == ToolKind::Select &&
               HasPropertiesDialog(
                   PropertiesTargetFor(context_.Document(), context_.SelectedThing()).dialog);
    case command::kSetHouseExit:
    case command::kDeselectHouse:
        return context_.SelectedHouse() != nullptr;
    case command::kSelectHouse:
    case command::kJumpToItem:
        return true;
    case command::kFillGround:
        return BrushIsGround() && context_.CursorTile().z >= 7;
    case command::kCut:
    case command::kCopy:
        return clipboard_.CanCopy();
    case command::kPaste:
        return clipboard_.CanPaste(offers_);
    case command::kDelete:
        return clipboard_.CanDelete();
    default:
        return false;
    }
}

bool EditCommands::IsChecked(int commandId) const
{
    if (const auto tool = ToolForCommand(commandId)) {
        return *tool == context_.CurrentTool();
    }
    if (const auto radius = BrushSize::BrushRadiusFor(commandId)) {
        return *radius == context_.BrushRadius();
    }
    if (const auto radius = BrushSize::EraserRadiusFor(commandId)) {
        return *radius == context_.EraserRadius();
    }
    return false;
}

std::string EditCommands::Text(int commandId) const
{
    if (const auto radius = BrushSize::BrushRadiusFor(commandId)) {
        return BrushSize::Text(*radius);
    }
    if (const auto radius = BrushSize::EraserRadiusFor(commandId)) {
        return BrushSize::Text(*radius);
    }
    switch (commandId) {
    case command::kCut:
        return "Cu&t\tCtrl+X";
    case command::kCopy:
        return "&Copy\tCtrl+C";
    case command::kPaste:
        return "&Paste\tCtrl+V";
    case command::kDelete:
        return "&Delete\tDel";
    case command::kSetHouseExit:
        return "Set house exit";
    case command::kSelectHouse: {
        const House* here = context_.Document().FindHouseAt(context_.CursorTile());
        return here && here == context_.SelectedHouse() ? "De-select house" : "Select house";
    }
    case command::kSelect:
        return "Select";
    case command::kProperties:
        return "Properties";
    case command::kFillGround:
        return "Fill ground";
    case command::kDeselectHouse:
        return "Deselect house";
    case command::kJumpToItem:
        return "Jump to item...";
    default:
        return {};
    }
}

ToolOutcome EditCommands::Run(int commandId)
{
    if (!IsEnabled(commandId)) {
        return {};
    }
    if (const auto tool = ToolForCommand(commandId)) {
        return SelectTool(*tool);
    }
    ToolOutcome outcome;
    if (const auto radius = BrushSize::BrushRadiusFor(commandId)) {
        context_.SetBrushRadius(*radius);
        outcome.repaintView = true;
        return outcome;
    }
    if (const auto radius = BrushSize::EraserRadiusFor(commandId)) {
        context_.SetEraserRadius(*radius);
        outcome.repaintView = true;
        return outcome;
    }
    switch (commandId) {
    case command::kSelect:
        return SelectBrushType();
    case command::kProperties:
        outcome.openProperties = true;
        return outcome;
    case command::kSetHouseExit:
        return SetHouseExit();
    case command::kSelectHouse:
        return SelectHouse();
    case command::kDeselectHouse:
        return DeselectHouse();
    case command::kCut:
        return clipboard_.Cut();
    case command::kCopy:
        return clipboard_.Copy();
    case command::kDelete:
        return clipboard_.Delete();
    default:
        return outcome;
    }
}

ToolOutcome EditCommands::Paste(const ClipboardContents& contents)
{
    if (!IsEnabled(command::kPaste)) {
        return {};
    }
    return clipboard_.Paste(contents);
}

ToolOutcome EditCommands::SelectTool(ToolKind kind)
{
    ToolOutcome outcome;
    context_.ActivateTool(kind, outcome);
    return outcome;
}

ToolOutcome EditCommands::ChooseBrushType(int32_t typeKey)
{
    CTessarkDoc& document = context_.Document();
    const ItemType* type = context_.Database().GetType(typeKey);
    if (!type || (document.currentItemKey == typeKey &&
                  context_.CurrentTool() == ToolKind::PaintBrush)) {
        return {};
    }
    ToolOutcome outcome;
    context_.ActivateTool(ToolKind::PaintBrush, outcome);
    if (type->group != ItemGroup::Ground) {
        context_.SetBrushRadius(0);
    }
    document.currentItemKey = typeKey;
    outcome.refreshItemInfo = true;
    return outcome;
}

ToolOutcome EditCommands::SelectBrushType()
{
    const ThingAt selected = context_.SelectedThing();
    const int32_t typeKey = static_cast<const CItem*>(selected.thing)->GetTypeKey();
    ToolOutcome outcome = ChooseBrushType(typeKey);
    outcome.showTypeInPalette = typeKey;
    return outcome;
}

ToolOutcome EditCommands::SetHouseExit()
{
    House* house = context_.SelectedHouse();
    const Position& cursor = context_.CursorTile();
    house->entryX = cursor.x;
    house->entryY = cursor.y;
    house->entryZ = cursor.z;
    context_.Document().SetModifiedFlag(true);
    return {};
}

ToolOutcome EditCommands::SelectHouse()
{
    ToolOutcome outcome;
    const ThingAt selected = context_.SelectedThing();
    const Position where = selected ? selected.position : context_.CursorTile();
    House* house = context_.Document().FindHouseAt(where);
    if (!house || house == context_.SelectedHouse()) {
        context_.SetSelectedHouse(nullptr, outcome);
        return outcome;
    }
    context_.SetSelectedHouse(house, outcome);
    context_.ActivateTool(ToolKind::House, outcome);
    context_.ClearSelectedThing(outcome);
    return outcome;
}

ToolOutcome EditCommands::DeselectHouse()
{
    ToolOutcome outcome;
    context_.SetSelectedHouse(nullptr, outcome);
    return outcome;
}

ToolOutcome EditCommands::FillGround(const TileArea& visible)
{
    ToolOutcome outcome;
    if (!IsEnabled(command::kFillGround)) {
        return outcome;
    }
    CTessarkDoc& document = context_.Document();
    const int32_t typeKey = document.currentItemKey;
    StrokeBatch batch(document);
    for (int32_t x = visible.left; x <= visible.right; ++x) {
        for (int32_t y = visible.top; y <= visible.bottom; ++y) {
            const Position position{x, y, visible.z};
            if (!document.IsInsideMap(position) || document.GetTile(position)) {
                continue;
            }
            std::unique_ptr<CItem> ground = CreateThing(document.Database(), typeKey, 0);
            if (!ground) {
                return outcome;
            }
            document.AddThing(std::move(ground), x, y, visible.z, false);
        }
    }
    outcome.changed.Merge(batch.Changed());
    return outcome;
}

EditCommands::JumpRange EditCommands::JumpToItemRange() const
{
    const auto serverTypes = static_cast<int32_t>(context_.Database().ServerTypes().size());
    return {kTypeKeyOffset, serverTypes + kTypeKeyOffset,
            context_.Document().currentItemKey + kTypeKeyOffset};
}

ToolOutcome EditCommands::JumpToItem(int32_t value)
{
    const JumpRange range = JumpToItemRange();
    if (value < range.minimum || value > range.maximum) {
        return {};
    }
    const int32_t typeKey = value - kTypeKeyOffset;
    ToolOutcome outcome = ChooseBrushType(typeKey);
    outcome.showTypeInPalette = typeKey;
    return outcome;
}

ToolOutcome EditCommands::HouseListChanged(HouseChange change, uint32_t houseId)
{
    ToolOutcome outcome;
    // Asked by id: a deleted house is already gone from the list.
    if (context_.SelectedHouseId() != houseId) {
        return outcome;
    }
    if (change == HouseChange::Deleted) {
        context_.SetSelectedHouse(nullptr, outcome);
    } else {
        outcome.houseStatusChanged = true;
        outcome.houseTintsChanged = true;
    }
    return outcome;
}

ToolOutcome EditCommands::PickHouse(uint32_t houseId)
{
    ToolOutcome outcome;
    if (House* house = context_.Document().Houses().FindHouse(houseId)) {
        context_.SetSelectedHouse(house, outcome);
        context_.ActivateTool(ToolKind::House, outcome);
    }
    return outcome;
}

std::string EditCommands::HouseStatusText() const
{
    if (context_.CurrentTool() != ToolKind::House) {
        return {};
    }
    if (const House* house = context_.SelectedHouse()) {
        return "Selected house: " + house->name + ".";
    }
    return "No house selected.";
}

}  // namespace tessark
