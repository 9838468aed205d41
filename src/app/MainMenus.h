#pragma once

class QMenu;
class QMenuBar;
class QWidget;

namespace tessark {

class CommandTable;

// The menus the builder made that others fill later.
struct MainMenus {
    QMenu* file = nullptr;
    QMenu* floor = nullptr;
    QMenu* brushSizes = nullptr;   // the paint brush button's drop-down
    QMenu* eraserSizes = nullptr;  // the eraser button's drop-down
    QMenu* houseTool = nullptr;    // the house tool button's drop-down
};

// The menu bar with every command's text, and the drop-down menus of the toolbar.
MainMenus BuildMainMenus(QMenuBar& bar, CommandTable& commands, QWidget& window);

// The application's accelerator table.
void AddMainAccelerators(QWidget& window, CommandTable& commands);

}  // namespace tessark
