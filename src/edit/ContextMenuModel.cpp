#include "edit/ContextMenuModel.h"

#include "edit/EditCommandIds.h"
#include "edit/EditCommands.h"
#include "edit/ToolContext.h"
#include "model/TessarkDoc.h"

namespace tessark {

ContextMenuModel ContextMenuModel::Build(const ToolContext& context, const EditCommands& commands)
{
    ContextMenuModel menu;
    auto add = [&](int commandId) {
        menu.items.push_back(
            {commandId, commands.Text(commandId), commands.IsEnabled(commandId)});
    };
    if (!context.SelectedThing()) {
        menu.menuId = kContextMenuNoThing;
        // This menu spells Paste without its accelerator ampersand.
        menu.items.push_back(
            {command::kPaste, "Paste\tCtrl+V", commands.IsEnabled(command::kPaste)});
        add(command::kFillGround);
        return menu;
    }
    menu.menuId = kContextMenuThing;
    const bool houseHere = context.Document().FindHouseAt(context.CursorTile()) != nullptr;
    add(command::kCut);
    add(command::kCopy);
    add(command::kPaste);
    add(command::kDelete);
    if (context.SelectedHouse() && !houseHere) {
        add(command::kSetHouseExit);
    }
    if (houseHere) {
        add(command::kSelectHouse);
    }
    add(command::kSelect);
    add(command::kProperties);
    return menu;
}

}  // namespace tessark
