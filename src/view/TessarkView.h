#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPointer>
#include <cstdint>
#include <optional>

#include "edit/EditCommands.h"
#include "model/Position.h"
#include "platform/Surface.h"
#include "platform/ViewHint.h"
#include "render/MapDrawer.h"
#include "render/MapViewState.h"
#include "render/ViewGeometry.h"
#include "view/ViewSettings.h"

namespace tessark {

class CMinimap;
class CTessarkDoc;
class SpriteRenderer;
class ViewDragDrop;
class ViewToolInput;

// The map view: shows the open map through the engine's renderer and turns window input into
// engine calls. All painting goes through an off-screen buffer the size of the window, and only
// the exposed part of the window is drawn again: scrolling moves the pixels already on screen.
class CTessarkView final : public QAbstractScrollArea, public ViewHintListener {
    Q_OBJECT
public:
    static constexpr float kMinZoom = 0.2f;
    static constexpr float kMaxZoom = 10.0f;
    static constexpr float kZoomStep = 0.25f;
    static constexpr int kScrollStep = 32;  // page and line steps in window pixels
    static constexpr int kAnimationPeriodMs = 1500;
    static constexpr int kNewMapSizeLimit = 65536;

    CTessarkView(CTessarkDoc& document, SpriteRenderer& renderer, QWidget* parent = nullptr);
    ~CTessarkView() override;

    CTessarkDoc& Document() const { return document_; }

    // --- Zoom and scrolling.
    // After New and Open: forgets the selected thing, sizes the scroll area from the map and
    // scrolls to the map's border margin, starts the animation timer when animations show.
    void OnInitialUpdate();
    void UpdateMapScrollSizes();
    // Does nothing while the renderer does not allow zooming; otherwise keeps the tile under
    // the cursor in the middle.
    void SetZoom(float zoom);
    float Zoom() const { return geometry_.Zoom(); }
    int ZoomClass() const { return geometry_.ZoomClass(); }
    // The Q and W keys; false when they change nothing.
    bool ZoomOut();
    bool ZoomIn();
    // Scrolls so that the tile lies in the middle and switches to its floor; nothing for a
    // tile beyond the map's width or height.
    void CenterOn(const Position& position);
    // As CenterOn, or, while the window is not shown yet, once it is shown with its size.
    void CenterOnWhenShown(const Position& position);
    // The tile in the middle of the window as CenterOn names it, on the current floor.
    Position CenterTile() const;
    Point ScrollPosition() const;
    void ScrollTo(Point position);
    // The window's tiles: first and last column and row.
    TileSpan VisibleTileSpan() const;
    const ViewGeometry& Geometry() const { return geometry_; }

    // --- Floors and display switches.
    // The floor commands: nothing outside 0..15 or for the current floor.
    void SetFloorCommand(int z);
    int CurrentFloor() const { return geometry_.CurrentFloor(); }
    const DisplaySwitches& Switches() const { return switches_; }
    void ToggleShowAnimations();
    void ToggleShowShades();
    void ToggleShowSpawns();
    void ToggleShowCreatures();
    void ToggleMultiFloorSelect();
    bool IsAnimationTimerActive() const { return animationTimer_.isActive(); }
    // Rubber bands and drags pause the animation and resume it afterwards.
    void SetAnimationTimerRunning(bool running);
    // One tick of the animation timer: the rectangles (window pixels) it asked to repaint.
    QVector<QRect> AnimationTick();

    // --- Input and relayed messages.
    const Position& CursorTile() const { return cursorTile_; }
    // Tracks the cursor as a mouse move to that window point does; with the left button held
    // the active tool works on the tile the cursor enters.
    void TrackCursor(QPoint windowPoint, Qt::MouseButtons buttons = Qt::NoButton,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The editing tools working on this view.
    ViewToolInput& ToolInput() const { return *toolInput_; }
    // The rubber band and the drag and drop of tiles.
    ViewDragDrop& DragDrop() const { return *dragDrop_; }
    // Where the left button last went down (window pixels).
    QPoint PressPoint() const { return pressPoint_; }
    // A type chosen in the palette or by "Jump to item...".
    void OnBrushTypeChosen(int32_t key);
    void OnHouseChanged(HouseChange change, int32_t houseId);
    // Upper bound on the size of a new map.
    int MaxNewMapWidth() const { return maxNewMapWidth_; }
    int MaxNewMapHeight() const { return maxNewMapHeight_; }

    // --- Minimap.
    void ShowMinimap();
    CMinimap* Minimap() const;

    // --- Painting.
    // What the map drawing needs of the view: zoom, floors, scroll, switches, cursor.
    MapViewState ViewState() const;
    // Draws a window rectangle into the off-screen buffer: the buffer covers the rectangle
    // only, so drawing walks the tiles under it and no others.
    const Surface& DrawArea(const QRect& area);
    // The map changed behind the document's hints: drawings kept of those tiles (inclusive, on
    // floor z), or of all, are stale.
    void ForgetMapDrawing(int z, int left, int top, int right, int bottom);
    void ForgetMapDrawing();
    // The milliseconds the last paint took, for measuring.
    double LastPaintMilliseconds() const { return lastPaintMs_; }

    void OnViewHint(const ViewHint& hint) override;

signals:
    void CursorTileChanged(const Position& tile);
    void StatusTextChanged(const QString& text);
    void FloorChanged(int z);
    void SwitchesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void UpdateScrollBars();
    void ApplyPendingCenter();
    void CenterTwice(const Position& position);
    Position TileAt(QPoint windowPoint) const;
    void StartAnimationTimer();
    void StopAnimationTimer();
    void InvalidateAll();
    void InvalidateDrawing(const Rect& drawing);

    CTessarkDoc& document_;
    SpriteRenderer& renderer_;
    MapDrawer drawer_;
    ViewGeometry geometry_;
    DisplaySwitches switches_;
    uint16_t animationCounter_ = 0;
    Surface buffer_;
    bool initialized_ = false;
    std::optional<Position> pendingCenter_;
    Position cursorTile_{0, 0, ViewGeometry::kGroundFloor};
    QBasicTimer animationTimer_;
    QPointer<CMinimap> minimap_;
    int maxNewMapWidth_ = kNewMapSizeLimit;
    int maxNewMapHeight_ = kNewMapSizeLimit;
    double lastPaintMs_ = 0.0;
    ViewToolInput* toolInput_ = nullptr;
    ViewDragDrop* dragDrop_ = nullptr;
    QPoint pressPoint_;
};

}  // namespace tessark
