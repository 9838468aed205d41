#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "app/MainStatusBar.h"
#include "app/MainToolBar.h"
#include "app/MaterialsBar.h"
#include "app/SpriteListCtrl.h"
#include "app/EditorTestWorld.h"
#include "app/ModalScript.h"
#include "model/TessarkDoc.h"
#include "render/SpriteRenderer.h"
#include "view/TessarkView.h"

namespace tessark::test {
namespace {

// The texts of a menu's items, "-" for a separator.
QStringList MenuTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            texts << "-";
        } else if (action->isVisible()) {
            texts << action->text();
        }
    }
    return texts;
}

const QMenu* TopMenu(const CMainFrame& frame, const QString& title)
{
    for (const QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

class MainFrameTest : public ::testing::Test {
protected:
    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CommandTable& commands = frame.Commands();

    bool Enabled(int id) { return commands.Action(id) != nullptr && commands.Action(id)->isEnabled(); }
};

TEST_F(MainFrameTest, MenusCarryTheirTextsInOrder)
{
    QStringList titles;
    for (const QAction* action : frame.menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Tools", "Floor", "&Help"}));

    EXPECT_EQ(MenuTexts(*TopMenu(frame, "&File")),
              QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "Import...\tCtrl+I", "-", "Load template...", "-",
                           "&Save\tCtrl+S", "Save &As...", "-", "Recent File", "-", "Properties", "E&xit"}));
    EXPECT_EQ(MenuTexts(*TopMenu(frame, "&Edit")),
              QStringList({"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Multiple floor selection", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                           "&Paste\tCtrl+V"}));
    EXPECT_EQ(MenuTexts(*TopMenu(frame, "&View")),
              QStringList({"&Status Bar", "&Toolbar", "-", "Windows", "Show animations", "Show shade",
                           "Show spawns", "Show creatures"}));
    const QMenu* windows = TopMenu(frame, "&View")->actions()[3]->menu();
    ASSERT_NE(windows, nullptr);
    EXPECT_EQ(MenuTexts(*windows), QStringList({"Materials", "Overview\tO", "Jump to item...\n\tJ", "Minimap"}));
    EXPECT_EQ(MenuTexts(*TopMenu(frame, "&Tools")),
              QStringList({"Verify map...", "Edit towns...", "Edit houses..."}));
    const QStringList floors = MenuTexts(*TopMenu(frame, "Floor"));
    ASSERT_EQ(floors.size(), 16);
    EXPECT_EQ(floors.first(), "+7");
    EXPECT_EQ(floors[7], "Ground floor");
    EXPECT_EQ(floors.last(), "-8");
    EXPECT_EQ(MenuTexts(*TopMenu(frame, "&Help")), QStringList({"Keyboard shortcuts", "&About Tessark..."}));
}

TEST_F(MainFrameTest, CommandsOfLaterToolsArePresentButDisabled)
{
    using namespace command;
    for (int id : {NewMap, OpenMap, Import, LoadTemplate, FileSave, FileSaveAs, MapProperties, Exit, FileNew,
                   FileOpen, MultiFloorSelect, ViewStatusBar, ViewToolbar, MaterialsWindow, Minimap, ShowAnimations,
                   ShowShade, ShowSpawns, ShowCreatures, FloorUp, FloorDown, GroundFloor, About, SelectionTool,
                   Overview, EditTowns, EditHouses, VerifyMap}) {
        EXPECT_TRUE(Enabled(id)) << id;
    }
    // Nothing selected, no cursor on the map: the clipboard commands and the move tool wait.
    for (int id : {Undo, Redo, Cut, Copy, Paste, Delete, MoveTool, DeselectHouse}) {
        ASSERT_NE(commands.Action(id), nullptr) << id;
        EXPECT_FALSE(Enabled(id)) << id;
    }
    // A disabled command's key does nothing; its accelerator follows the command.
    QAction* moveKey = commands.AcceleratorFor(QKeySequence(Qt::Key_M));
    ASSERT_NE(moveKey, nullptr);
    EXPECT_FALSE(moveKey->isEnabled());
    commands.Action(MoveTool)->setEnabled(true);
    EXPECT_TRUE(moveKey->isEnabled());
}

TEST_F(MainFrameTest, ToolbarButtonsInOrderWithThreeDropDowns)
{
    using namespace command;
    QList<int> ids;
    for (const QAction* action : frame.ToolBar().actions()) {
        ids << action->data().toInt();
    }
    EXPECT_EQ(ids, QList<int>({NewMap, OpenMap, FileSave, Cut, Copy, Paste, Undo, Redo, SelectTool, MoveTool, SelectionTool,
                               PaintBrush, Eraser, ProtectionZoneTool, SpawnTool, HouseTool, About}));
    EXPECT_EQ(frame.ToolBar().iconSize(), QSize(16, 15));
    const std::pair<int, QStringList> dropDowns[] = {
        {PaintBrush, {"1x1", "3x3", "5x5", "7x7", "9x9"}},
        {Eraser, {"1x1", "3x3", "5x5", "7x7", "9x9"}},
        {HouseTool, {"Deselect house", "Edit houses..."}},
    };
    for (const auto& [id, texts] : dropDowns) {
        auto* button = qobject_cast<QToolButton*>(frame.ToolBar().widgetForAction(commands.Action(id)));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup);
        ASSERT_NE(button->menu(), nullptr);
        EXPECT_EQ(MenuTexts(*button->menu()), texts);
    }
    EXPECT_EQ(commands.Action(PaintBrush)->toolTip(), "Paint Brush (B)");
    EXPECT_EQ(commands.Action(PaintBrush)->statusTip(), "Paint Brush: Use to add items to the map");
    EXPECT_EQ(commands.Action(HouseTool)->toolTip(), "House Tool (H)");
}

TEST_F(MainFrameTest, AcceleratorsMapKeysToCommands)
{
    using namespace command;
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), FileNew},      {QKeySequence(Qt::CTRL | Qt::Key_O), FileOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), FileSave},     {QKeySequence(Qt::CTRL | Qt::Key_I), Import},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), Undo},  {QKeySequence(Qt::SHIFT | Qt::Key_Delete), Cut},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), Copy},    {QKeySequence(Qt::SHIFT | Qt::Key_Insert), Paste},
        {QKeySequence(Qt::Key_Delete), Delete},             {QKeySequence(Qt::Key_G), GroundFloor},
        {QKeySequence(Qt::KeypadModifier | Qt::Key_Plus), FloorUp},
        {QKeySequence(Qt::KeypadModifier | Qt::Key_Minus), FloorDown},
    };
    for (const auto& [key, id] : keys) {
        QAction* accelerator = commands.AcceleratorFor(key);
        ASSERT_NE(accelerator, nullptr) << key.toString().toStdString();
        EXPECT_EQ(accelerator->isEnabled(), commands.Action(id)->isEnabled()) << key.toString().toStdString();
    }
    // The floor keys reach the view through the accelerators.
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.View().setFocus();
    QTest::keyClick(&frame.View(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(frame.View().CurrentFloor(), 6);
    QTest::keyClick(&frame.View(), Qt::Key_G);
    EXPECT_EQ(frame.View().CurrentFloor(), 7);
    QTest::keyClick(&frame.View(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(frame.View().CurrentFloor(), 8);
    // Under X11 the keypad keys miss the accelerators and come as plain key presses, to
    // whichever widget has the focus.
    for (QWidget* focus : {static_cast<QWidget*>(&frame.View()), static_cast<QWidget*>(&frame.MaterialsBar().Palette())}) {
        QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::KeypadModifier, "+");
        QApplication::sendEvent(focus, &plus);
        EXPECT_EQ(frame.View().CurrentFloor(), 7);
        QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::KeypadModifier, "-");
        QApplication::sendEvent(focus, &minus);
        EXPECT_EQ(frame.View().CurrentFloor(), 8);
    }
}

TEST_F(MainFrameTest, StatusBarPanesAndTexts)
{
    CMainStatusBar& bar = frame.StatusBar();
    EXPECT_EQ(bar.PaneText(0), "Ready");
    // Before the mouse has moved: the tile at the window's corner, the border margin's.
    EXPECT_EQ(bar.PaneText(1), "x: 20");
    EXPECT_EQ(bar.PaneText(2), "y: 20");
    EXPECT_EQ(bar.PaneText(3), "z: 7");

    frame.OnCursorPosition({512, 300, 7});
    EXPECT_EQ(bar.PaneText(1), "x: 512");
    EXPECT_EQ(bar.PaneText(2), "y: 300");
    EXPECT_EQ(bar.PaneText(3), "z: 7");

    frame.OnProgress(42);
    EXPECT_EQ(bar.PaneText(0), "42% done.");

    frame.OnStatusText("Selected house: Harbour.");
    EXPECT_EQ(bar.PaneText(0), "Selected house: Harbour.");
    // Menu help shows while it lasts; then the status text comes back instead of "Ready".
    bar.showMessage("Create a new map");
    EXPECT_EQ(bar.PaneText(0), "Create a new map");
    bar.clearMessage();
    EXPECT_EQ(bar.PaneText(0), "Selected house: Harbour.");
    frame.OnStatusText("");
    EXPECT_EQ(bar.PaneText(0), "Ready");
}

TEST_F(MainFrameTest, CursorTrackingFeedsTheStatusBar)
{
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    CTessarkView& view = frame.View();
    // The view starts at the map's border margin: 20 tiles in at zoom 1.0.
    view.TrackCursor(QPoint(3 * 32 + 5, 2 * 32 + 31));
    EXPECT_EQ(frame.StatusBar().PaneText(1), "x: 23");
    EXPECT_EQ(frame.StatusBar().PaneText(2), "y: 22");
    EXPECT_EQ(frame.StatusBar().PaneText(3), "z: 7");
    QTest::mouseMove(view.viewport(), QPoint(10 * 32 + 1, 10));
    EXPECT_EQ(frame.StatusBar().PaneText(1), "x: 30");
    EXPECT_EQ(frame.StatusBar().PaneText(2), "y: 20");
}

TEST_F(MainFrameTest, DisplaySwitchesPersistAcrossStarts)
{
    EXPECT_TRUE(commands.Action(command::ShowShade)->isChecked());
    commands.Action(command::ShowShade)->trigger();
    commands.Action(command::MultiFloorSelect)->trigger();
    EXPECT_FALSE(frame.View().Switches().showShades);
    EXPECT_FALSE(commands.Action(command::ShowShade)->isChecked());

    CMainFrame& second = world.RestartFrame();
    EXPECT_FALSE(second.View().Switches().showShades);
    EXPECT_TRUE(second.View().Switches().multiFloorSelect);
    EXPECT_TRUE(second.Commands().Action(command::MultiFloorSelect)->isChecked());
    QSettings settings;
    EXPECT_EQ(settings.value("Settings/ShowShades").toInt(), 0);
    EXPECT_EQ(settings.value("Settings/ShowAnimations").toInt(), 1);
}

TEST_F(MainFrameTest, ForceSettingsAreReadButNeverWritten)
{
    {
        QSettings settings;
        settings.setValue("Settings/ForceSlowBlt", 1);
        settings.setValue("Settings/ForceEnableZooming", 7);
    }
    world.Renderer().zoomAllowed = false;
    world.RestartFrame();
    EXPECT_FALSE(world.Renderer().fastTransparentCopy);
    EXPECT_TRUE(world.Renderer().zoomAllowed);
    QSettings settings;
    settings.remove("Settings/ForceSlowBlt");
    world.CloseFrame();
    EXPECT_FALSE(settings.contains("Settings/ForceSlowBlt"));
}

TEST_F(MainFrameTest, SecondStartRestoresTheMaterialsBarPlaceAndSize)
{
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_EQ(frame.dockWidgetArea(&frame.MaterialsBar()), Qt::LeftDockWidgetArea);
    frame.addDockWidget(Qt::RightDockWidgetArea, &frame.MaterialsBar());
    frame.resizeDocks({&frame.MaterialsBar()}, {260}, Qt::Horizontal);
    QApplication::processEvents();
    const int width = frame.MaterialsBar().width();
    EXPECT_GT(width, 200);

    CMainFrame& second = world.RestartFrame();
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    EXPECT_EQ(second.dockWidgetArea(&second.MaterialsBar()), Qt::RightDockWidgetArea);
    EXPECT_EQ(second.MaterialsBar().width(), width);
    QSettings settings;
    EXPECT_EQ(settings.value("Materials/sizeVertCX").toInt(), width);
}

TEST_F(MainFrameTest, BarsAreShownAndHiddenByTheirCommands)
{
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    commands.Action(command::MaterialsWindow)->trigger();
    EXPECT_FALSE(frame.MaterialsBar().isVisible());
    commands.Action(command::MaterialsWindow)->trigger();
    EXPECT_TRUE(frame.MaterialsBar().isVisible());
    commands.Action(command::ViewStatusBar)->trigger();
    EXPECT_FALSE(frame.StatusBar().isVisible());
    EXPECT_FALSE(commands.Action(command::ViewStatusBar)->isChecked());
    commands.Action(command::ViewToolbar)->trigger();
    EXPECT_FALSE(frame.ToolBar().isVisible());
    EXPECT_FALSE(commands.Action(command::ViewToolbar)->isChecked());
}

TEST_F(MainFrameTest, AboutBoxShowsTheVersion)
{
    ModalScript script;
    QString title;
    QString text;
    script.Then([&](QWidget* modal) {
        title = modal->windowTitle();
        if (auto* label = modal->findChild<QLabel*>("VersionText")) {
            text = label->text();
        }
        qobject_cast<QDialog*>(modal)->accept();
    });
    commands.Action(command::About)->trigger();
    EXPECT_EQ(title, "About Tessark");
    EXPECT_EQ(text, "Tessark Version " TESSARK_VERSION);
}

TEST_F(MainFrameTest, DroppedFileIsOpened)
{
    const std::string path = world.File("dropped.qzbm");
    // Saved first so that there is a map to drop.
    ASSERT_EQ(world.Document().DoSave(path, false, nullptr), SaveResult::Saved);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    // On the window, and on the map view, which takes only tiles and passes files on.
    for (QWidget* target : {static_cast<QWidget*>(&frame), frame.View().viewport()}) {
        world.Document().SetPathName({});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(12, 12), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
        EXPECT_EQ(world.Document().GetPathName(), path);
    }
    EXPECT_EQ(frame.windowTitle(), "dropped.qzbm - Tessark");
}

}  // namespace
}  // namespace tessark::test
