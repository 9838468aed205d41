#include "view/ViewToolInput.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

#include "edit/ClipboardFormat.h"
#include "edit/EditCommandIds.h"
#include "model/TessarkDoc.h"
#include "view/Minimap.h"
#include "view/TessarkView.h"
#include "view/ViewDragDrop.h"

namespace tessark {
namespace {

// Above this many tiles the minimap repaints whole rather than pixel by pixel.
constexpr int64_t kMinimapPixelLimit = 4096;

Modifiers ToModifiers(Qt::KeyboardModifiers modifiers)
{
    return {modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::ShiftModifier)};
}

}  // namespace

ViewToolInput::ViewToolInput(CTessarkView& view)
    : QObject(&view), view_(view), controller_(std::make_unique<ToolController>(view.Document())),
      drawnSelection_(controller_->Context().GetSelection())
{
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &ViewToolInput::SyncClipboardOffers);
    SyncClipboardOffers();
}

void ViewToolInput::SyncClipboardOffers()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    controller_->Commands().SetClipboardOffers(
        {data && data->hasFormat(kTileMimeType), data && data->hasFormat(kThingMimeType)});
    emit StateChanged();
}

void ViewToolInput::Paste()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ClipboardContents contents;
    const auto bytes = [&](const char* type) {
        const QByteArray read = data->data(type);
        return std::vector<uint8_t>(read.begin(), read.end());
    };
    if (data && data->hasFormat(kTileMimeType)) {
        contents.tile = bytes(kTileMimeType);
    }
    if (data && data->hasFormat(kThingMimeType)) {
        contents.thing = bytes(kThingMimeType);
    }
    Apply(controller_->Commands().Paste(contents));
}

void ViewToolInput::SelectRect(const QRect& rect, Qt::KeyboardModifiers modifiers)
{
    const Rect client{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
    Apply(controller_->SelectRect({view_.Geometry(), view_.ScrollPosition(), view_.Switches().multiFloorSelect},
                                  client, modifiers.testFlag(Qt::ShiftModifier)));
}

void ViewToolInput::FinishDrag(DropEffect result)
{
    ToolOutcome outcome = controller_->Drag().Finish(result);
    // The drag took the button release: the press's step ends here.
    controller_->EndStroke();
    Apply(outcome);
}

void ViewToolInput::DropTiles(DropEffect effect) { Apply(controller_->Drag().Drop(effect)); }

ViewToolInput::~ViewToolInput() = default;

void ViewToolInput::SyncVisibility()
{
    const DisplaySwitches& switches = view_.Switches();
    controller_->Context().Visibility() = {switches.showSpawns, switches.showCreatures};
}

void ViewToolInput::CursorMoved(const Position& tile, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers)
{
    SyncVisibility();
    Apply(controller_->MouseMove(tile, buttons.testFlag(Qt::LeftButton), ToModifiers(modifiers)));
}

void ViewToolInput::Press(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    SyncVisibility();
    Apply(controller_->LeftPress(ToModifiers(event->modifiers())));
}

void ViewToolInput::Release(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    Apply(controller_->LeftRelease(ToModifiers(event->modifiers())));
}

void ViewToolInput::DoubleClick(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    SyncVisibility();
    Apply(controller_->LeftDoubleClick(ToModifiers(event->modifiers())));
}

void ViewToolInput::ContextMenu(const QPoint& windowPoint, const QPoint& globalPoint)
{
    SyncVisibility();
    const Point drawing =
        view_.Geometry().ClientToDrawing(Point{windowPoint.x(), windowPoint.y()}, view_.ScrollPosition());
    const Point column = view_.Geometry().PointToTile(drawing);
    ToolOutcome outcome;
    const std::optional<ContextMenuModel> model =
        controller_->ContextMenu({column.x, column.y, view_.CurrentFloor()}, outcome);
    Apply(outcome);
    if (!model) {
        return;
    }
    lastMenu_ = *model;
    QMenu menu(&view_);
    menu.setObjectName(model->menuId == kContextMenuThing ? "ContextMenu133" : "ContextMenu132");
    for (const ContextMenuItem& item : model->items) {
        QAction* action = menu.addAction(QString::fromStdString(item.text));
        action->setData(item.commandId);
        action->setEnabled(item.enabled);
    }
    QPointer<ViewToolInput> self(this);
    QAction* chosen = menu.exec(globalPoint);
    if (chosen && self) {
        emit ContextCommandChosen(chosen->data().toInt());
    }
}

void ViewToolInput::ChooseBrushType(int32_t key) { Apply(controller_->Commands().ChooseBrushType(key)); }

void ViewToolInput::HouseChanged(HouseChange change, int32_t houseId)
{
    Apply(controller_->Commands().HouseListChanged(change, static_cast<uint32_t>(houseId)));
}

void ViewToolInput::PickHouse(uint32_t houseId) { Apply(controller_->Commands().PickHouse(houseId)); }

void ViewToolInput::RunCommand(int commandId) { Apply(controller_->Commands().Run(commandId)); }

void ViewToolInput::ChosenThingEdited() { Apply(controller_->ChosenThingEdited()); }

void ViewToolInput::ChooseThingAt(const Position& tile)
{
    SyncVisibility();
    Apply(controller_->ChooseThingAt(tile));
}

void ViewToolInput::FillGround()
{
    const TileSpan span = view_.VisibleTileSpan();
    Apply(controller_->Commands().FillGround(
        {span.firstColumn, span.firstRow, span.lastColumn, span.lastRow, view_.CurrentFloor()}));
}

void ViewToolInput::JumpToItem(int32_t value) { Apply(controller_->Commands().JumpToItem(value)); }

QString ViewToolInput::HouseStatusText() const
{
    return QString::fromStdString(controller_->Commands().HouseStatusText());
}

void ViewToolInput::FillViewState(MapViewState& state) const
{
    const ToolContext& context = controller_->Context();
    switch (context.CurrentTool()) {
    case ToolKind::PaintBrush:
        state.tool = CursorTool::PaintBrush;
        break;
    case ToolKind::Eraser:
        state.tool = CursorTool::Eraser;
        break;
    default:
        state.tool = CursorTool::Other;
        break;
    }
    state.showCursorFrame = controller_->CursorFrameRadius().has_value();
    state.brushRadius = context.BrushRadius();
    state.eraserRadius = context.EraserRadius();
    state.selectedThing = context.SelectedThing().thing;
    state.selectedThingPosition = context.SelectedThing().position;
    state.selectedHouseId = context.SelectedHouseId().value_or(0);
    state.selection = &drawnSelection_;
}

QRect ViewToolInput::TileAreaRect(const TileArea& area) const
{
    const ViewGeometry& geometry = view_.Geometry();
    // Tiles shifted past the map's left or top edge are not drawn.
    const int shift = geometry.ReferenceFloor() - area.z;
    const std::optional<Rect> first =
        geometry.TileRect(std::max(area.left, shift), std::max(area.top, shift), area.z);
    const std::optional<Rect> last = geometry.TileRect(area.right, area.bottom, area.z);
    if (!first || !last) {
        return {};
    }
    const Rect client = geometry.DrawingToClient(first->Union(*last), view_.ScrollPosition());
    // One pixel more on each side: the cursor frame's outline and rounding of the mapping.
    return QRect(client.left, client.top, client.Width(), client.Height()).adjusted(-1, -1, 1, 1);
}

void ViewToolInput::InvalidateCursorFrame(const Position& tile)
{
    if (const std::optional<TileArea> area = controller_->CursorFrameArea(tile)) {
        view_.viewport()->update(TileAreaRect(*area));
    }
}

void ViewToolInput::Apply(const ToolOutcome& outcome)
{
    QWidget* viewport = view_.viewport();
    CMinimap* minimap = view_.Minimap();
    if (outcome.previousCursor) {
        InvalidateCursorFrame(*outcome.previousCursor);
        InvalidateCursorFrame(controller_->Context().CursorTile());
    }
    if (outcome.changed.Everything()) {
        view_.ForgetMapDrawing();
        viewport->update();
        if (minimap) {
            minimap->InvalidateAll();
        }
    } else if (const auto& drawn = outcome.changed.Drawn()) {
        view_.ForgetMapDrawing(drawn->z, drawn->left, drawn->top, drawn->right, drawn->bottom);
        viewport->update(TileAreaRect(*drawn));
        if (const auto& pixels = outcome.changed.Minimap(); pixels && minimap) {
            if (pixels->TileCount() > kMinimapPixelLimit) {
                minimap->InvalidateAll();
            } else {
                for (int32_t y = pixels->top; y <= pixels->bottom; ++y) {
                    for (int32_t x = pixels->left; x <= pixels->right; ++x) {
                        minimap->InvalidateTile(x, y, pixels->z);
                    }
                }
            }
        }
    }
    if (outcome.repaintView || (outcome.houseTintsChanged && view_.ZoomClass() >= 2)) {
        viewport->update();
    }
    if (outcome.mapSettingsChanged) {
        view_.UpdateMapScrollSizes();
    }
    if (const auto& reveal = outcome.reveal) {
        const QRect rect = TileAreaRect({reveal->x, reveal->y, reveal->x, reveal->y, reveal->z});
        if (reveal->z != view_.CurrentFloor() || !viewport->rect().intersects(rect)) {
            view_.CenterOn(*reveal);
        }
    }
    if (outcome.toolChanged) {
        InvalidateCursorFrame(controller_->Context().CursorTile());
    }
    if (outcome.houseStatusChanged) {
        emit view_.StatusTextChanged(HouseStatusText());
    }
    if (outcome.clipboard) {
        const std::vector<uint8_t>& bytes = outcome.clipboard->bytes;
        auto* data = new QMimeData;
        data->setData(outcome.clipboard->format == ClipFormat::Tile ? kTileMimeType : kThingMimeType,
                      QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size())));
        QApplication::clipboard()->setMimeData(data);
    }
    if (outcome.showTypeInPalette) {
        emit ShowTypeInPalette(*outcome.showTypeInPalette);
    }
    if (outcome.refreshItemInfo) {
        emit ItemInfoRefreshRequested();
    }
    if (outcome.openHousesDialog) {
        emit HousesDialogRequested(*outcome.openHousesDialog);
    }
    if (outcome.openProperties) {
        emit PropertiesRequested();
    }
    emit StateChanged();
    if (outcome.startRubberBand) {
        view_.DragDrop().StartRubberBand(view_.PressPoint());
    }
    // Last: the drag runs its own event loop until the drop.
    if (outcome.startDrag) {
        view_.DragDrop().StartDrag(view_.PressPoint());
    }
}

}  // namespace tessark
