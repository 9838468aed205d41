#pragma once

#include <string>
#include <vector>

namespace tessark {

class CTessarkDoc;
class EditCommands;
class ToolContext;

// One line of a context menu as the window shows it.
struct ContextMenuItem {
    int commandId = 0;
    std::string text;
    bool enabled = false;

    bool operator==(const ContextMenuItem&) const = default;
};

// The map view's right-click menu: 133 over a chosen thing, 132 elsewhere, with the lines that
// apply at the cursor tile.
struct ContextMenuModel {
    int menuId = 0;
    std::vector<ContextMenuItem> items;

    // Built after the select tool has picked at the cursor tile. "Select house" is left out
    // unless a house owns the cursor tile; "Set house exit" unless a house is selected and none
    // owns the cursor tile.
    static ContextMenuModel Build(const ToolContext& context, const EditCommands& commands);
};

}  // namespace tessark
