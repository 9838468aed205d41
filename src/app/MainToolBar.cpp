#include "app/MainToolBar.h"

#include <QMenu>
#include <QToolButton>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/MainMenus.h"
#include "app/ToolbarIcons.h"

namespace tessark {

CMainToolBar::CMainToolBar(CommandTable& commands, const MainMenus& menus, QWidget* parent)
    : QToolBar("Toolbar", parent)
{
    using namespace command;
    setObjectName("Toolbar");
    setIconSize(QSize(16, 15));
    setAllowedAreas(Qt::AllToolBarAreas);
    setMovable(true);

    // The string table's status help and tooltips.
    commands.SetHelp(NewMap, "Create a new map\nNew");
    commands.SetHelp(OpenMap, "Open an existing map\nOpen");
    commands.SetHelp(FileSave, "Save the active map\nSave");
    commands.SetHelp(Cut, "Cut the selection and put it on the Clipboard\nCut");
    commands.SetHelp(Copy, "Copy the selection and put it on the Clipboard\nCopy");
    commands.SetHelp(Paste, "Insert Clipboard contents\nPaste");
    commands.SetHelp(Undo, "Undo the last action\nUndo");
    commands.SetHelp(Redo, "Redo the previously undone action\nRedo");
    commands.SetHelp(SelectTool, "Select Tool: Use to select/set properties to an item\nSelect Tool (S)");
    commands.SetHelp(MoveTool, "Move Tool: Use to move a selection marquee\nMove Tool (M)");
    commands.SetHelp(SelectionTool, "Selection Tool: Use to create selections\nSelection Tool (R)");
    commands.SetHelp(PaintBrush, "Paint Brush: Use to add items to the map\nPaint Brush (B)");
    commands.SetHelp(Eraser, "Eraser Tool: Use to erase items\nErase Tool (E)");
    commands.SetHelp(ProtectionZoneTool,
                     "Protection Zone Tool: Use to set/unset protection zones\nProtection Zone Tool (P)");
    commands.SetHelp(SpawnTool, "Spawn Tool: Use to add a new spawn location\nSpawn Tool (A)");
    commands.SetHelp(HouseTool, "House Tool: Use to add/delete a new house\nHouse Tool (H)");
    commands.SetHelp(About, "Display program information, version number and copyright\nAbout");

    const int buttons[] = {NewMap,  OpenMap,       FileSave, Cut,    Copy,
                           Paste,   Undo,       Redo,      SelectTool,    MoveTool, SelectionTool,
                           PaintBrush, Eraser,     ProtectionZoneTool, SpawnTool,
                           HouseTool,  About};
    for (int id : buttons) {
        QAction* action = commands.Add(id, QString());
        action->setIcon(ToolbarIcon(id));
        addAction(action);
    }
    const std::pair<int, QMenu*> dropDowns[] = {
        {PaintBrush, menus.brushSizes}, {Eraser, menus.eraserSizes}, {HouseTool, menus.houseTool}};
    for (const auto& [id, menu] : dropDowns) {
        auto* button = qobject_cast<QToolButton*>(widgetForAction(commands.Action(id)));
        if (button != nullptr && menu != nullptr) {
            button->setMenu(menu);
            button->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }
}

}  // namespace tessark
