#include "view/TessarkView.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QCursor>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QTime>
#include <algorithm>
#include <cmath>

#include "data/ItemDatabase.h"
#include "model/TessarkDoc.h"
#include "render/SpriteRenderer.h"
#include "view/Minimap.h"
#include "view/ViewDragDrop.h"
#include "view/ViewToolInput.h"

namespace tessark {

namespace {

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

}  // namespace

CTessarkView::CTessarkView(CTessarkDoc& document, SpriteRenderer& renderer, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), renderer_(renderer), drawer_(document, renderer)
{
    setObjectName("MapView");
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    // The view paints every pixel itself, so the window is never erased first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    QPalette black = viewport()->palette();
    black.setColor(QPalette::Window, Qt::black);
    viewport()->setPalette(black);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    QSettings settings;
    const ViewSettings read = ReadViewSettings(settings);
    switches_ = read.switches;
    if (read.forceSlowBlt) {
        renderer_.fastTransparentCopy = false;
    }
    if (read.forceEnableZooming) {
        renderer_.zoomAllowed = true;
    }
    renderer_.SetZoom(geometry_.Zoom());
    document_.AddViewHintListener(*this);
    toolInput_ = new ViewToolInput(*this);
    dragDrop_ = new ViewDragDrop(*this);
}

CTessarkView::~CTessarkView()
{
    QSettings settings;
    WriteViewSettings(settings, switches_);
    StopAnimationTimer();
    document_.RemoveViewHintListener(*this);
    delete minimap_.data();
}

// --- Zoom and scrolling -------------------------------------------------------------------

void CTessarkView::OnInitialUpdate()
{
    initialized_ = true;
    pendingCenter_.reset();
    UpdateMapScrollSizes();
    // The status bar shows the cursor's tile from the start, not only once the mouse moves:
    // the tile under the mouse, or the one at the window's corner when the mouse is elsewhere.
    QPoint mouse = viewport()->mapFromGlobal(QCursor::pos());
    if (!viewport()->rect().contains(mouse)) {
        mouse = {0, 0};
    }
    cursorTile_ = TileAt(mouse);
    emit CursorTileChanged(cursorTile_);
    if (switches_.showAnimations && Zoom() >= 1.0f) {
        StartAnimationTimer();
    }
    InvalidateAll();
}

void CTessarkView::UpdateScrollBars()
{
    const int width = viewport()->width();
    const int height = viewport()->height();
    horizontalScrollBar()->setRange(0, std::max(0, geometry_.ScrollRange(document_.width) - width));
    verticalScrollBar()->setRange(0, std::max(0, geometry_.ScrollRange(document_.height) - height));
    horizontalScrollBar()->setPageStep(std::max(1, width));
    verticalScrollBar()->setPageStep(std::max(1, height));
    horizontalScrollBar()->setSingleStep(kScrollStep);
    verticalScrollBar()->setSingleStep(kScrollStep);
}

void CTessarkView::UpdateMapScrollSizes()
{
    UpdateScrollBars();
    ScrollTo({document_.borderX * 32, document_.borderY * 32});
}

Point CTessarkView::ScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CTessarkView::ScrollTo(Point position)
{
    horizontalScrollBar()->setValue(position.x);
    verticalScrollBar()->setValue(position.y);
}

TileSpan CTessarkView::VisibleTileSpan() const
{
    const Rect client{0, 0, viewport()->width(), viewport()->height()};
    return geometry_.VisibleTileSpan(geometry_.ClientToDrawing(client, ScrollPosition()), document_.width,
                                     document_.height);
}

void CTessarkView::SetZoom(float zoom)
{
    if (!renderer_.zoomAllowed) {
        return;
    }
    zoom = zoom < kMinZoom ? kMinZoom : (zoom >= kMaxZoom ? kMaxZoom : zoom);
    const Position remembered = cursorTile_;
    geometry_.SetZoom(zoom);
    renderer_.SetZoom(zoom);
    renderer_.ClearImageCache();
    UpdateScrollBars();
    CenterOn(remembered);
    InvalidateAll();
    // Animation shows at 1.0 and above only, whoever sets the zoom (a remembered one too).
    if (Zoom() < 1.0f) {
        StopAnimationTimer();
    } else if (switches_.showAnimations) {
        StartAnimationTimer();
    }
}

bool CTessarkView::ZoomOut()
{
    if (ZoomClass() == 0 || Zoom() < kZoomStep) {
        return false;
    }
    const float before = Zoom();
    SetZoom(before - kZoomStep);
    return Zoom() != before;
}

bool CTessarkView::ZoomIn()
{
    if (ZoomClass() == 3) {
        return false;
    }
    const float before = Zoom();
    SetZoom(before + kZoomStep);
    return Zoom() != before;
}

void CTessarkView::CenterOn(const Position& position)
{
    const int floor = CurrentFloor();
    const std::optional<Point> scroll =
        geometry_.CenterOn(position.x, position.y, position.z, viewport()->width(), viewport()->height(),
                           ScrollPosition(), document_.width, document_.height);
    if (!scroll) {
        return;
    }
    if (CurrentFloor() != floor) {
        emit FloorChanged(CurrentFloor());
    }
    ScrollTo(*scroll);
    if (minimap_) {
        minimap_->Recenter();
    }
    InvalidateAll();
    // The map moved under the mouse: the cursor tile (status bar, paste target) follows now,
    // not at the next mouse move.
    TrackCursor(viewport()->mapFromGlobal(QCursor::pos()));
}

// --- Floors and display switches ---------------------------------------------------------

void CTessarkView::SetFloorCommand(int z)
{
    if (z < 0 || z >= ViewGeometry::kFloorCount || z == CurrentFloor()) {
        return;
    }
    geometry_.SetFloor(z);
    TrackCursor(viewport()->mapFromGlobal(QCursor::pos()));
    emit FloorChanged(z);
    document_.UpdateAllViews({ViewHintKind::All});
}

void CTessarkView::ToggleShowAnimations()
{
    switches_.showAnimations = !switches_.showAnimations;
    if (switches_.showAnimations) {
        if (Zoom() >= 1.0f) {
            StartAnimationTimer();
        }
    } else {
        StopAnimationTimer();
    }
    emit SwitchesChanged();
}

void CTessarkView::ToggleShowShades()
{
    switches_.showShades = !switches_.showShades;
    InvalidateAll();
    emit SwitchesChanged();
}

void CTessarkView::ToggleShowSpawns()
{
    switches_.showSpawns = !switches_.showSpawns;
    InvalidateAll();
    emit SwitchesChanged();
}

void CTessarkView::ToggleShowCreatures()
{
    switches_.showCreatures = !switches_.showCreatures;
    InvalidateAll();
    emit SwitchesChanged();
}

void CTessarkView::ToggleMultiFloorSelect()
{
    switches_.multiFloorSelect = !switches_.multiFloorSelect;
    emit SwitchesChanged();
}

void CTessarkView::StartAnimationTimer()
{
    animationTimer_.start(kAnimationPeriodMs, this);
}

void CTessarkView::StopAnimationTimer()
{
    animationTimer_.stop();
}

void CTessarkView::SetAnimationTimerRunning(bool running)
{
    if (running) {
        StartAnimationTimer();
    } else {
        StopAnimationTimer();
    }
}

QVector<QRect> CTessarkView::AnimationTick()
{
    // The counter follows the clock, so every view shows the same phase.
    animationCounter_ = AnimationCounterFromMilliseconds(QTime::currentTime().msec());
    renderer_.SetAnimationCounter(animationCounter_);
    QVector<QRect> invalidated;
    for (const Rect& rect : drawer_.AnimatedRects(ViewState())) {
        invalidated.push_back(ToQRect(rect));
        viewport()->update(ToQRect(rect));
    }
    return invalidated;
}

void CTessarkView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == animationTimer_.timerId()) {
        AnimationTick();
        return;
    }
    QAbstractScrollArea::timerEvent(event);
}

// --- Input and relayed messages ----------------------------------------------------------

Position CTessarkView::TileAt(QPoint windowPoint) const
{
    const Point drawing = geometry_.ClientToDrawing(Point{windowPoint.x(), windowPoint.y()}, ScrollPosition());
    const Point column = geometry_.PointToTile(drawing);
    return {column.x, column.y, CurrentFloor()};
}

void CTessarkView::TrackCursor(QPoint windowPoint, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    const Position tile = TileAt(windowPoint);
    if (tile == cursorTile_) {
        return;
    }
    cursorTile_ = tile;
    emit CursorTileChanged(tile);
    toolInput_->CursorMoved(tile, buttons, modifiers);
}

void CTessarkView::mouseMoveEvent(QMouseEvent* event)
{
    if (dragDrop_->RubberBandMove(event)) {
        return;
    }
    TrackCursor(event->position().toPoint(), event->buttons(), event->modifiers());
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CTessarkView::mousePressEvent(QMouseEvent* event)
{
    pressPoint_ = event->position().toPoint();
    TrackCursor(pressPoint_);
    toolInput_->Press(event);
}

void CTessarkView::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragDrop_->RubberBandRelease(event)) {
        return;
    }
    toolInput_->Release(event);
}

void CTessarkView::dragEnterEvent(QDragEnterEvent* event) { dragDrop_->DragEnter(event); }

void CTessarkView::dragMoveEvent(QDragMoveEvent* event) { dragDrop_->DragMove(event); }

void CTessarkView::dragLeaveEvent(QDragLeaveEvent* event) { dragDrop_->DragLeave(event); }

void CTessarkView::dropEvent(QDropEvent* event) { dragDrop_->Drop(event); }

void CTessarkView::mouseDoubleClickEvent(QMouseEvent* event)
{
    toolInput_->DoubleClick(event);
}

void CTessarkView::contextMenuEvent(QContextMenuEvent* event)
{
    toolInput_->ContextMenu(event->pos(), event->globalPos());
}

void CTessarkView::OnBrushTypeChosen(int32_t key)
{
    toolInput_->ChooseBrushType(key);
}

void CTessarkView::OnHouseChanged(HouseChange change, int32_t houseId)
{
    toolInput_->HouseChanged(change, houseId);
}

void CTessarkView::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* horizontal = horizontalScrollBar();
    QScrollBar* vertical = verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        vertical->setValue(vertical->value() - kScrollStep);
        break;
    case Qt::Key_PageDown:
        vertical->setValue(vertical->value() + kScrollStep);
        break;
    case Qt::Key_Left:
        horizontal->setValue(horizontal->value() - kScrollStep);
        break;
    case Qt::Key_Right:
        horizontal->setValue(horizontal->value() + kScrollStep);
        break;
    case Qt::Key_Up:
        vertical->setValue(vertical->value() - kScrollStep);
        break;
    case Qt::Key_Down:
        vertical->setValue(vertical->value() + kScrollStep);
        break;
    case Qt::Key_N:
        CenterOn(cursorTile_);
        break;
    case Qt::Key_Q:
        ZoomOut();
        break;
    case Qt::Key_W:
        ZoomIn();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

// --- Document hints ----------------------------------------------------------------------

void CTessarkView::OnViewHint(const ViewHint& hint)
{
    switch (hint.kind) {
    case ViewHintKind::All:
        InvalidateAll();
        if (minimap_) {
            minimap_->InvalidateAll();
            minimap_->Recenter();
        }
        break;
    case ViewHintKind::Thing:
    case ViewHintKind::Ground: {
        const ItemType& type = document_.Database().GetServerType(hint.typeKey);
        if (auto rect = geometry_.ItemRect(hint.x, hint.y, hint.z, type.width, type.height)) {
            InvalidateDrawing(*rect);
        }
        if (minimap_) {
            minimap_->InvalidateTile(hint.x, hint.y, hint.z);
        }
        break;
    }
    case ViewHintKind::Tile:
        break;
    case ViewHintKind::Clearing:
        StopAnimationTimer();
        break;
    }
}

void CTessarkView::ForgetMapDrawing(int z, int left, int top, int right, int bottom)
{
    drawer_.InvalidateTiles(z, left, top, right, bottom);
}

void CTessarkView::ForgetMapDrawing()
{
    drawer_.InvalidateAll();
}

void CTessarkView::InvalidateAll()
{
    viewport()->update();
}

void CTessarkView::InvalidateDrawing(const Rect& drawing)
{
    viewport()->update(ToQRect(geometry_.DrawingToClient(drawing, ScrollPosition())));
}

// --- Minimap -----------------------------------------------------------------------------

CMinimap* CTessarkView::Minimap() const
{
    return minimap_.data();
}

void CTessarkView::ShowMinimap()
{
    if (!minimap_) {
        minimap_ = new CMinimap(*this, window());
    }
    minimap_->show();
    minimap_->raise();
    minimap_->activateWindow();
}

// --- Painting ----------------------------------------------------------------------------

MapViewState CTessarkView::ViewState() const
{
    MapViewState state;
    state.geometry = geometry_;
    state.scroll = ScrollPosition();
    state.clientWidth = viewport()->width();
    state.clientHeight = viewport()->height();
    state.showAnimations = switches_.showAnimations;
    state.showShades = switches_.showShades;
    state.showSpawns = switches_.showSpawns;
    state.showCreatures = switches_.showCreatures;
    state.animationCounter = animationCounter_;
    state.cursor = cursorTile_;
    toolInput_->FillViewState(state);
    return state;
}

const Surface& CTessarkView::DrawArea(const QRect& area)
{
    // The buffer starts on a multiple of 8 pixels, where the 8 x 8 shade pattern starts, so
    // that pieces drawn apart join without a seam.
    const int left = area.left() & ~7;
    const int top = area.top() & ~7;
    const int width = area.right() + 1 - left;
    const int height = area.bottom() + 1 - top;
    if (buffer_.Width() != width || buffer_.Height() != height) {
        buffer_.Resize(width, height);
    }
    MapViewState state = ViewState();
    state.scroll = {state.scroll.x + left, state.scroll.y + top};
    state.clientWidth = width;
    state.clientHeight = height;
    drawer_.Paint(buffer_, state, buffer_.Bounds());
    return buffer_;
}

void CTessarkView::paintEvent(QPaintEvent* event)
{
    QElapsedTimer timer;
    timer.start();
    QPainter painter(viewport());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : event->region()) {
        const Surface& drawn = DrawArea(rect);
        // The buffer has the memory layout of an RGB32 image, so it is shown without a copy.
        const QImage image(reinterpret_cast<const uchar*>(drawn.Pixels()), drawn.Width(), drawn.Height(),
                           drawn.BytesPerLine(), QImage::Format_RGB32);
        const QPoint origin(rect.left() & ~7, rect.top() & ~7);
        painter.drawImage(rect.topLeft(), image, QRect(rect.topLeft() - origin, rect.size()));
    }
    dragDrop_->PaintFeedback(painter);
    lastPaintMs_ = static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void CTessarkView::CenterOnWhenShown(const Position& position)
{
    if (isVisible()) {
        pendingCenter_.reset();
        CenterTwice(position);
    } else {
        pendingCenter_ = position;
    }
}

void CTessarkView::CenterTwice(const Position& position)
{
    // CenterOn measures from the window's current span, which the map's edge cuts short; the
    // second call measures from the span around the tile, so CenterTile names it again.
    CenterOn(position);
    CenterOn(position);
}

void CTessarkView::ApplyPendingCenter()
{
    if (pendingCenter_ && isVisible()) {
        const Position center = *pendingCenter_;
        pendingCenter_.reset();
        CenterTwice(center);
    }
}

void CTessarkView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    ApplyPendingCenter();
}

Position CTessarkView::CenterTile() const
{
    return geometry_.CenteredTile(viewport()->width(), viewport()->height(), ScrollPosition(), document_.width,
                                  document_.height);
}

void CTessarkView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    ApplyPendingCenter();
    if (minimap_) {
        minimap_->OnViewScrolled();
    }
    if (initialized_) {
        InvalidateAll();
    }
}

void CTessarkView::scrollContentsBy(int dx, int dy)
{
    // The pixels on screen move; only the strip that scrolled in is drawn.
    viewport()->scroll(dx, dy);
    if (minimap_) {
        minimap_->OnViewScrolled();
    }
}

}  // namespace tessark
