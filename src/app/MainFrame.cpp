#include "app/MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QUrl>

#include "app/AboutDialog.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/DisplayText.h"
#include "app/FileCommands.h"
#include "app/HouseCommands.h"
#include "app/MainStatusBar.h"
#include "app/MainToolBar.h"
#include "app/MaterialsBar.h"
#include "app/MessageBoxSink.h"
#include "app/RecentFileList.h"
#include "app/ShortcutsDialog.h"
#include "app/SpriteListCtrl.h"
#include "app/ThingCommands.h"
#include "app/ToolCommands.h"
#include "app/VerifyMapCommand.h"
#include "app/ViewMemory.h"
#include "data/GameData.h"
#include "model/TessarkDoc.h"
#include "render/FirstView.h"
#include "render/ViewGeometry.h"
#include "view/TessarkView.h"

namespace tessark {

namespace {
constexpr const char* kBarStateSection = "Materials";
}

CMainFrame::CMainFrame(const EditorContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), commands_(new CommandTable(this))
{
    setObjectName("MainFrame");
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    resize(1024, 768);

    view_ = new CTessarkView(context.document, context.renderer, this);
    setCentralWidget(view_);

    menus_ = BuildMainMenus(*menuBar(), *commands_, *this);
    AddMainAccelerators(*this, *commands_);

    toolBar_ = new CMainToolBar(*commands_, menus_, this);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    materialsBar_ = new CMyBar(context.data.materials, context.data.items, context.renderer, this);
    addDockWidget(Qt::LeftDockWidgetArea, materialsBar_);
    resizeDocks({materialsBar_}, {materialsBar_->DefaultWidth()}, Qt::Horizontal);

    statusBar_ = new CMainStatusBar(this);
    setStatusBar(statusBar_);

    recentFiles_ = new RecentFileList(*menus_.file, *commands_->Action(command::RecentFile), this);
    recentFiles_->Load();
    fileCommands_ = new FileCommands(context.document, *view_, *this, *recentFiles_, this);

    ConnectCommands();
    ConnectViewCommands();
    toolCommands_ = new ToolCommands(*commands_, *view_, *this);
    houseCommands_ = new HouseCommands(*commands_, *view_, *this);
    thingCommands_ = new ThingCommands(*commands_, *view_, context.renderer, *houseCommands_, *this);
    verifyMap_ = new VerifyMapCommand(*commands_, *view_, *this);
    if (!RestoreBarState()) {
        // The first start fills the screen.
        if (const QScreen* current = screen()) {
            setGeometry(current->availableGeometry());
        }
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    context_.messages.SetParent(this);
    // Long reads and writes show how far they are; the window repaints meanwhile, but takes
    // no input until they are done.
    context_.document.SetProgressListener([this](int percent) {
        OnProgress(percent);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    qApp->installEventFilter(this);
    UpdateTitle();
    UpdateCommandChecks();
    view_->setFocus();
}

CMainFrame::~CMainFrame()
{
    context_.document.SetProgressListener({});
    if (!stateSaved_) {
        RememberView();
        SaveBarState();
    }
}

// --- Commands ----------------------------------------------------------------------------

void CMainFrame::ConnectCommands()
{
    using namespace command;
    auto handle = [this](int id, auto&& handler) {
        QAction* action = commands_->Add(id, QString());
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    };
    handle(NewMap, [this] { fileCommands_->OnNewMap(); });
    handle(FileNew, [this] { fileCommands_->OnFileNew(); });
    handle(OpenMap, [this] { fileCommands_->OnOpenMap(); });
    handle(FileOpen, [this] { fileCommands_->OnFileOpen(); });
    handle(Import, [this] { fileCommands_->OnImport(); });
    handle(LoadTemplate, [this] { fileCommands_->OnLoadTemplate(); });
    handle(FileSave, [this] { fileCommands_->OnSave(); });
    handle(FileSaveAs, [this] { fileCommands_->OnSaveAs(); });
    handle(MapProperties, [this] { fileCommands_->OnProperties(); });
    handle(Exit, [this] { close(); });
    handle(About, [this] {
        CAboutDlg about(this);
        about.exec();
    });
    handle(KeyboardShortcuts, [this] {
        CShortcutsDialog shortcuts(*commands_, this);
        shortcuts.exec();
    });
    handle(ViewStatusBar, [this] {
        statusBar_->setVisible(!statusBar_->isVisible());
        UpdateCommandChecks();
    });
    handle(ViewToolbar, [this] {
        toolBar_->setVisible(!toolBar_->isVisible());
        UpdateCommandChecks();
    });
    handle(MaterialsWindow, [this] { materialsBar_->setVisible(!materialsBar_->isVisible()); });
    handle(NextPane, [this] { FocusNextPane(true); });
    handle(PreviousPane, [this] { FocusNextPane(false); });

    connect(fileCommands_, &FileCommands::AboutToReset, this, &CMainFrame::RememberView);
    connect(fileCommands_, &FileCommands::DocumentReset, this, &CMainFrame::OnDocumentReset);
    connect(fileCommands_, &FileCommands::TitleChanged, this, &CMainFrame::UpdateTitle);
    connect(fileCommands_, &FileCommands::TaskStarted, statusBar_, &CMainStatusBar::BeginTask);
    connect(fileCommands_, &FileCommands::TaskEnded, statusBar_, &CMainStatusBar::EndTask);
    connect(fileCommands_, &FileCommands::StatusTextChanged, statusBar_, &CMainStatusBar::SetStatusText);
    connect(recentFiles_, &RecentFileList::OpenRequested, this, &CMainFrame::OpenFile);
    connect(materialsBar_, &CMyBar::BrushTypeChosen, this, &CMainFrame::OnBrushTypeChosen);
    connect(statusBar_, &QStatusBar::messageChanged, this, [this] { UpdateCommandChecks(); });
}

void CMainFrame::ConnectViewCommands()
{
    using namespace command;
    auto handle = [this](int id, auto&& handler) {
        QAction* action = commands_->Add(id, QString());
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, handler] {
            handler();
            UpdateCommandChecks();
        });
    };
    for (int id = FloorFirst; id <= FloorLast; ++id) {
        handle(id, [this, id] { view_->SetFloorCommand(id - FloorFirst); });
    }
    handle(FloorUp, [this] { view_->SetFloorCommand(view_->CurrentFloor() - 1); });
    handle(FloorDown, [this] { view_->SetFloorCommand(view_->CurrentFloor() + 1); });
    handle(GroundFloor, [this] { view_->SetFloorCommand(7); });
    handle(ShowAnimations, [this] { view_->ToggleShowAnimations(); });
    handle(ShowShade, [this] { view_->ToggleShowShades(); });
    handle(ShowSpawns, [this] { view_->ToggleShowSpawns(); });
    handle(ShowCreatures, [this] { view_->ToggleShowCreatures(); });
    handle(MultiFloorSelect, [this] { view_->ToggleMultiFloorSelect(); });
    handle(Minimap, [this] { view_->ShowMinimap(); });

    connect(view_, &CTessarkView::CursorTileChanged, this, &CMainFrame::OnCursorPosition);
    connect(view_, &CTessarkView::StatusTextChanged, this, &CMainFrame::OnStatusText);
    connect(view_, &CTessarkView::FloorChanged, this, &CMainFrame::UpdateCommandChecks);
    connect(view_, &CTessarkView::SwitchesChanged, this, &CMainFrame::UpdateCommandChecks);
}

void CMainFrame::UpdateCommandChecks()
{
    using namespace command;
    const DisplaySwitches& switches = view_->Switches();
    commands_->Action(ShowAnimations)->setChecked(switches.showAnimations);
    commands_->Action(ShowShade)->setChecked(switches.showShades);
    commands_->Action(ShowSpawns)->setChecked(switches.showSpawns);
    commands_->Action(ShowCreatures)->setChecked(switches.showCreatures);
    commands_->Action(MultiFloorSelect)->setChecked(switches.multiFloorSelect);
    commands_->Action(ViewStatusBar)->setChecked(!statusBar_->isHidden());
    commands_->Action(ViewToolbar)->setChecked(!toolBar_->isHidden());
    for (int id = FloorFirst; id <= FloorLast; ++id) {
        commands_->Action(id)->setChecked(id - FloorFirst == view_->CurrentFloor());
    }
}

void CMainFrame::FocusNextPane(bool forward)
{
    QWidget* panes[] = {view_, &materialsBar_->MaterialBox(), &materialsBar_->Palette()};
    constexpr int count = 3;
    int current = 0;
    for (int i = 0; i < count; ++i) {
        if (panes[i]->hasFocus()) {
            current = i;
        }
    }
    for (int step = 1; step <= count; ++step) {
        QWidget* next = panes[(current + (forward ? step : count - step)) % count];
        if (next->isVisible()) {
            next->setFocus();
            return;
        }
    }
}

// --- Relayed messages --------------------------------------------------------------------

void CMainFrame::OnBrushTypeChosen(int32_t key)
{
    view_->OnBrushTypeChosen(key);
}

void CMainFrame::OnCursorPosition(const Position& position)
{
    statusBar_->SetCursorPosition(position.x, position.y, position.z);
}

void CMainFrame::OnProgress(int percent)
{
    statusBar_->SetProgress(percent);
}

void CMainFrame::OnHouseChanged(HouseChange change, int32_t houseId)
{
    view_->OnHouseChanged(change, houseId);
}

void CMainFrame::OnStatusText(const QString& text)
{
    statusBar_->SetStatusText(text);
}

void CMainFrame::ShowTypeInPalette(int32_t key)
{
    materialsBar_->ShowTypeInPalette(key);
}

// --- Documents ---------------------------------------------------------------------------

bool CMainFrame::OpenFile(const QString& path)
{
    return fileCommands_->OpenFile(path);
}

void CMainFrame::NewFile()
{
    fileCommands_->OnFileNew();
}

void CMainFrame::OnDocumentReset()
{
    // New and Open reset the brush: the palette shows the type it paints now.
    materialsBar_->ShowTypeInPalette(context_.document.currentItemKey);
    view_->OnInitialUpdate();
    PlaceView();
    UpdateTitle();
    UpdateCommandChecks();
}

void CMainFrame::RememberView() const
{
    const QString path = ToDisplayText(context_.document.GetPathName());
    if (viewPlaced_ && !path.isEmpty()) {
        ViewMemory::Remember(path, {view_->CenterTile(), view_->Zoom()});
    }
}

void CMainFrame::PlaceView()
{
    viewPlaced_ = true;
    if (const std::optional<ViewPlace> place = ViewMemory::Recall(ToDisplayText(context_.document.GetPathName()))) {
        view_->SetZoom(place->zoom);
        view_->CenterOnWhenShown(place->center);
    } else if (const std::optional<Position> center =
                   FirstViewCenter(context_.document, ViewGeometry::kGroundFloor)) {
        view_->CenterOnWhenShown(*center);
    }
}

void CMainFrame::UpdateTitle()
{
    // A star after the map's name while it has changes that are not saved.
    const QString modified = context_.document.IsModified() ? "*" : "";
    setWindowTitle(ToDisplayText(context_.document.GetTitle()) + modified + " - Tessark");
}

// --- Window ------------------------------------------------------------------------------

void CMainFrame::SaveBarState() const
{
    QSettings settings;
    settings.beginGroup(kBarStateSection);
    settings.setValue("WindowGeometry", saveGeometry());
    settings.setValue("WindowState", saveState());
    const QSize size = materialsBar_->size();
    if (materialsBar_->isFloating()) {
        settings.setValue("sizeFloatCX", size.width());
        settings.setValue("sizeFloatCY", size.height());
    } else {
        settings.setValue("sizeVertCX", size.width());
        settings.setValue("sizeVertCY", size.height());
    }
    settings.endGroup();
}

bool CMainFrame::RestoreBarState()
{
    QSettings settings;
    settings.beginGroup(kBarStateSection);
    const QByteArray geometry = settings.value("WindowGeometry").toByteArray();
    const QByteArray state = settings.value("WindowState").toByteArray();
    settings.endGroup();
    if (!geometry.isEmpty()) {
        restoreGeometry(geometry);
    }
    if (!state.isEmpty()) {
        restoreState(state);
    }
    return !geometry.isEmpty();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    // The keypad's plus and minus: under X11 they come as Key_Plus and Key_Minus with the
    // keypad modifier, which the accelerators' shortcut matching does not take, so the key
    // press itself arrives here. Any widget of this window may have the focus.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && key->modifiers() == Qt::KeypadModifier &&
            (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Minus)) {
            commands_->Trigger(key->key() == Qt::Key_Plus ? command::FloorUp : command::FloorDown);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!fileCommands_->SaveModified()) {
        event->ignore();
        return;
    }
    RememberView();
    SaveBarState();
    stateSaved_ = true;
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
    QMainWindow::dragEnterEvent(event);
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    // One map at a time: the first dropped file is opened.
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            activateWindow();
            OpenFile(url.toLocalFile());
            return;
        }
    }
    QMainWindow::dropEvent(event);
}

}  // namespace tessark
