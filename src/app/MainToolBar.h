#pragma once

#include <QToolBar>

namespace tessark {

class CommandTable;
struct MainMenus;

// The main toolbar: flat 16 x 15 buttons, dockable on every side; the paint brush, eraser and
// house tool buttons open their drop-down menus from an arrow.
class CMainToolBar final : public QToolBar {
    Q_OBJECT
public:
    CMainToolBar(CommandTable& commands, const MainMenus& menus, QWidget* parent);
};

}  // namespace tessark
