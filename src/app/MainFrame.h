#pragma once

#include <QMainWindow>
#include <QString>
#include <cstdint>

#include "app/EditorContext.h"
#include "app/MainMenus.h"
#include "edit/EditCommands.h"
#include "model/Position.h"

namespace tessark {

class CMainStatusBar;
class CMainToolBar;
class CMyBar;
class CTessarkView;
class CommandTable;
class FileCommands;
class HouseCommands;
class RecentFileList;
class ThingCommands;
class ToolCommands;
class VerifyMapCommand;

// The main window: menus, toolbar, the "Materials" bar, the status bar and the map view. It
// relays what one window tells the others (a brush type chosen, the cursor tile, progress,
// house changes, status texts) and keeps the bars' places in the settings store.
class CMainFrame final : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(const EditorContext& context, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // --- Relayed messages.
    // A brush type chosen: to the view, then to the "Materials" bar.
    void OnBrushTypeChosen(int32_t key);
    void OnCursorPosition(const Position& position);
    void OnProgress(int percent);
    void OnHouseChanged(HouseChange change, int32_t houseId);
    void OnStatusText(const QString& text);
    // Shows the type's row in the palette, in the first material that holds it.
    void ShowTypeInPalette(int32_t key);

    // The map named on the command line or dropped on the window.
    bool OpenFile(const QString& path);
    // A new empty map, as Ctrl+N makes it.
    void NewFile();
    void UpdateTitle();

    CTessarkView& View() const { return *view_; }
    CMyBar& MaterialsBar() const { return *materialsBar_; }
    CMainStatusBar& StatusBar() const { return *statusBar_; }
    CMainToolBar& ToolBar() const { return *toolBar_; }
    CommandTable& Commands() const { return *commands_; }
    FileCommands& Files() const { return *fileCommands_; }
    ToolCommands& Tools() const { return *toolCommands_; }
    HouseCommands& Houses() const { return *houseCommands_; }
    ThingCommands& Things() const { return *thingCommands_; }
    VerifyMapCommand& VerifyMap() const { return *verifyMap_; }
    RecentFileList& RecentFiles() const { return *recentFiles_; }
    const MainMenus& Menus() const { return menus_; }

    // The bars' docking places and sizes, under the name "Materials".
    void SaveBarState() const;
    // False when nothing was kept: the first start.
    bool RestoreBarState();

    // Notes where the view stands on the open map, for its next opening.
    void RememberView() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectCommands();
    void ConnectViewCommands();
    void OnDocumentReset();
    // A map the view has shown before opens where the user left it; another one where its
    // content is.
    void PlaceView();
    void UpdateCommandChecks();
    void FocusNextPane(bool forward);

    EditorContext context_;
    CommandTable* commands_;
    MainMenus menus_;
    CMainToolBar* toolBar_;
    CMyBar* materialsBar_;
    CMainStatusBar* statusBar_;
    CTessarkView* view_;
    RecentFileList* recentFiles_;
    FileCommands* fileCommands_;
    ToolCommands* toolCommands_ = nullptr;
    HouseCommands* houseCommands_ = nullptr;
    ThingCommands* thingCommands_ = nullptr;
    VerifyMapCommand* verifyMap_ = nullptr;
    bool stateSaved_ = false;
    // The view has been placed on the open map (a fresh window's view shows no map yet).
    bool viewPlaced_ = false;
};

}  // namespace tessark
