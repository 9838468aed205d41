#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "edit/ChangedArea.h"
#include "edit/ClipboardCommands.h"
#include "edit/ClipboardFormat.h"
#include "edit/ToolKind.h"
#include "edit/ToolOutcome.h"

namespace tessark {

class ToolContext;

// What a dialog did to a house, for the tools that show or use it.
enum class HouseChange { Deleted, Changed };

// The map view's commands that are not mouse input: choosing tools and sizes, the brush type,
// house selection and exit, "Select", "Fill ground" and "Jump to item...". Menus, toolbar and
// context menus ask here whether an item is enabled or checked and what it reads.
class EditCommands {
public:
    // The range "Jump to item..." accepts (server ids) and the value it starts with.
    struct JumpRange {
        int32_t minimum = 0;
        int32_t maximum = 0;
        int32_t initial = 0;
    };

    // available: which tools this build has (the others' commands stay disabled).
    EditCommands(ToolContext& context, const std::array<bool, kAllTools.size()>& available);

    bool IsToolAvailable(ToolKind kind) const;

    // Commands this part does not know are disabled, unchecked and read "".
    bool IsEnabled(int commandId) const;
    bool IsChecked(int commandId) const;
    // The text a context menu shows for the command.
    std::string Text(int commandId) const;
    // Runs a command; a disabled or unknown one does nothing. "Fill ground" needs the visible
    // area and runs through FillGround, Paste the clipboard's contents and runs through Paste.
    ToolOutcome Run(int commandId);
    ToolOutcome Paste(const ClipboardContents& contents);
    // What the system clipboard offers now, for the enabled state of Paste.
    void SetClipboardOffers(const ClipboardOffers& offers) { offers_ = offers; }
    ClipboardCommands& Clipboard() { return clipboard_; }

    // Makes the type the brush, as the palette asks: the paint brush becomes the tool and a
    // type that is not a ground shrinks the brush to 1x1. Ignored when the type is already the
    // brush of the active paint brush, or no type has the key.
    ToolOutcome ChooseBrushType(int32_t typeKey);
    // Puts a new thing of the brush type (a ground) on every position of the visible area that
    // lies inside the map and has no tile yet.
    ToolOutcome FillGround(const TileArea& visible);
    JumpRange JumpToItemRange() const;
    // value is a server id; outside the range nothing happens.
    ToolOutcome JumpToItem(int32_t value);
    // A dialog deleted or changed a house.
    ToolOutcome HouseListChanged(HouseChange change, uint32_t houseId);
    // "Select" in the houses dialog: the house becomes the selected house and the house tool
    // the tool. Nothing happens for an id no house has.
    ToolOutcome PickHouse(uint32_t houseId);

    // "Selected house: NAME.", "No house selected." with the house tool, else empty.
    std::string HouseStatusText() const;

private:
    ToolOutcome SelectTool(ToolKind kind);
    ToolOutcome SelectBrushType();
    ToolOutcome SetHouseExit();
    ToolOutcome SelectHouse();
    ToolOutcome DeselectHouse();
    bool BrushIsGround() const;
    bool ItemIsSelected() const;

    ToolContext& context_;
    std::array<bool, kAllTools.size()> available_;
    ClipboardCommands clipboard_;
    ClipboardOffers offers_;
};

}  // namespace tessark
