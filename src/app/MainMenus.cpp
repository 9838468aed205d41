#include "app/MainMenus.h"

#include <QMenu>
#include <QMenuBar>

#include "app/CommandIds.h"
#include "app/CommandTable.h"

namespace tessark {

namespace {

void AddItem(QMenu& menu, CommandTable& commands, int id, const char* text)
{
    menu.addAction(commands.Add(id, QString::fromUtf8(text)));
}

void AddSizeItems(QMenu& menu, CommandTable& commands, int firstId)
{
    static const char* const kSizes[] = {"1x1", "3x3", "5x5", "7x7", "9x9"};
    for (int radius = 0; radius < 5; ++radius) {
        QAction* action = commands.Add(firstId + radius, kSizes[radius]);
        action->setCheckable(true);
        menu.addAction(action);
    }
}

}  // namespace

MainMenus BuildMainMenus(QMenuBar& bar, CommandTable& commands, QWidget& window)
{
    using namespace command;
    MainMenus menus;

    QMenu* file = bar.addMenu("&File");
    menus.file = file;
    AddItem(*file, commands, NewMap, "&New\tCtrl+N");
    AddItem(*file, commands, OpenMap, "&Open...\tCtrl+O");
    AddItem(*file, commands, Import, "Import...\tCtrl+I");
    file->addSeparator();
    AddItem(*file, commands, LoadTemplate, "Load template...");
    file->addSeparator();
    AddItem(*file, commands, FileSave, "&Save\tCtrl+S");
    AddItem(*file, commands, FileSaveAs, "Save &As...");
    file->addSeparator();
    AddItem(*file, commands, RecentFile, "Recent File");
    file->addSeparator();
    AddItem(*file, commands, MapProperties, "Properties");
    AddItem(*file, commands, Exit, "E&xit");

    QMenu* edit = bar.addMenu("&Edit");
    AddItem(*edit, commands, Undo, "&Undo\tCtrl+Z");
    AddItem(*edit, commands, Redo, "&Redo\tCtrl+Y");
    edit->addSeparator();
    AddItem(*edit, commands, MultiFloorSelect, "Multiple floor selection");
    edit->addSeparator();
    AddItem(*edit, commands, Cut, "Cu&t\tCtrl+X");
    AddItem(*edit, commands, Copy, "&Copy\tCtrl+C");
    AddItem(*edit, commands, Paste, "&Paste\tCtrl+V");

    QMenu* view = bar.addMenu("&View");
    AddItem(*view, commands, ViewStatusBar, "&Status Bar");
    AddItem(*view, commands, ViewToolbar, "&Toolbar");
    view->addSeparator();
    QMenu* windows = view->addMenu("Windows");
    AddItem(*windows, commands, MaterialsWindow, "Materials");
    AddItem(*windows, commands, Overview, "Overview\tO");
    AddItem(*windows, commands, JumpToItem, "Jump to item...\n\tJ");
    AddItem(*windows, commands, Minimap, "Minimap");
    AddItem(*view, commands, ShowAnimations, "Show animations");
    AddItem(*view, commands, ShowShade, "Show shade");
    AddItem(*view, commands, ShowSpawns, "Show spawns");
    AddItem(*view, commands, ShowCreatures, "Show creatures");

    QMenu* tools = bar.addMenu("&Tools");
    AddItem(*tools, commands, VerifyMap, "Verify map...");
    AddItem(*tools, commands, EditTowns, "Edit towns...");
    AddItem(*tools, commands, EditHouses, "Edit houses...");

    QMenu* floor = bar.addMenu("Floor");
    menus.floor = floor;
    static const char* const kFloorTexts[] = {"+7", "+6", "+5", "+4", "+3", "+2", "+1", "Ground floor",
                                              "-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8"};
    for (int z = 0; z <= FloorLast - FloorFirst; ++z) {
        QAction* action = commands.Add(FloorFirst + z, kFloorTexts[z]);
        action->setCheckable(true);
        floor->addAction(action);
    }

    QMenu* help = bar.addMenu("&Help");
    AddItem(*help, commands, KeyboardShortcuts, "Keyboard shortcuts");
    AddItem(*help, commands, About, "&About Tessark...");

    for (int id : {MultiFloorSelect, ViewStatusBar, ViewToolbar, ShowAnimations, ShowShade, ShowSpawns,
                   ShowCreatures}) {
        commands.Action(id)->setCheckable(true);
    }

    menus.brushSizes = new QMenu(&window);
    AddSizeItems(*menus.brushSizes, commands, BrushSizeFirst);
    menus.eraserSizes = new QMenu(&window);
    AddSizeItems(*menus.eraserSizes, commands, EraserSizeFirst);
    menus.houseTool = new QMenu(&window);
    AddItem(*menus.houseTool, commands, DeselectHouse, "Deselect house");
    AddItem(*menus.houseTool, commands, EditHouses, "Edit houses...");
    return menus;
}

void AddMainAccelerators(QWidget& window, CommandTable& commands)
{
    using namespace command;
    using Keys = QList<QKeySequence>;
    auto key = [](QKeyCombination combination) { return QKeySequence(combination); };
    commands.AddAccelerator(window, FileNew, {key(Qt::CTRL | Qt::Key_N)});
    commands.AddAccelerator(window, FileOpen, {key(Qt::CTRL | Qt::Key_O)});
    commands.AddAccelerator(window, FileSave, {key(Qt::CTRL | Qt::Key_S)});
    commands.AddAccelerator(window, Import, {key(Qt::CTRL | Qt::Key_I)});
    commands.AddAccelerator(window, Undo, Keys{key(Qt::CTRL | Qt::Key_Z), key(Qt::ALT | Qt::Key_Backspace)});
    commands.AddAccelerator(window, Redo, Keys{key(Qt::CTRL | Qt::Key_Y), key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    commands.AddAccelerator(window, Cut, Keys{key(Qt::CTRL | Qt::Key_X), key(Qt::SHIFT | Qt::Key_Delete)});
    commands.AddAccelerator(window, Copy, Keys{key(Qt::CTRL | Qt::Key_C), key(Qt::CTRL | Qt::Key_Insert)});
    commands.AddAccelerator(window, Paste, Keys{key(Qt::CTRL | Qt::Key_V), key(Qt::SHIFT | Qt::Key_Insert)});
    commands.AddAccelerator(window, Delete, {key(Qt::Key_Delete)});
    commands.AddAccelerator(window, SelectTool, {key(Qt::Key_S)});
    commands.AddAccelerator(window, MoveTool, {key(Qt::Key_M)});
    commands.AddAccelerator(window, SelectionTool, {key(Qt::Key_R)});
    commands.AddAccelerator(window, PaintBrush, {key(Qt::Key_B)});
    commands.AddAccelerator(window, Eraser, {key(Qt::Key_E)});
    commands.AddAccelerator(window, ProtectionZoneTool, {key(Qt::Key_P)});
    commands.AddAccelerator(window, SpawnTool, {key(Qt::Key_A)});
    commands.AddAccelerator(window, HouseTool, {key(Qt::Key_H)});
    commands.AddAccelerator(window, FloorUp, {key(Qt::KeypadModifier | Qt::Key_Plus)});
    commands.AddAccelerator(window, FloorDown, {key(Qt::KeypadModifier | Qt::Key_Minus)});
    commands.AddAccelerator(window, GroundFloor, {key(Qt::Key_G)});
    commands.AddAccelerator(window, JumpToItem, {key(Qt::Key_J)});
    commands.AddAccelerator(window, Overview, {key(Qt::Key_O)});
    commands.AddAccelerator(window, NextPane, {key(Qt::Key_F6)});
    commands.AddAccelerator(window, PreviousPane, {key(Qt::SHIFT | Qt::Key_F6)});
}

}  // namespace tessark
