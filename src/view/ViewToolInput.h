#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>

#include "edit/ToolController.h"
#include "render/MapViewState.h"

class QContextMenuEvent;
class QMouseEvent;

namespace tessark {

class CTessarkView;

// The map view's editing input: hands each mouse event, message and command to the engine's
// tool controller as one call and shows what it reports: the changed tiles and minimap pixels,
// the cursor frame, the house status text, the context menu. It holds no map logic.
class ViewToolInput final : public QObject {
    Q_OBJECT
public:
    explicit ViewToolInput(CTessarkView& view);
    ~ViewToolInput() override;

    ToolController& Controller() { return *controller_; }
    const ToolController& Controller() const { return *controller_; }
    // The cursor entered the tile; with the left button held the tool's drag runs.
    void CursorMoved(const Position& tile, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void Press(QMouseEvent* event);
    void Release(QMouseEvent* event);
    void DoubleClick(QMouseEvent* event);
    void ContextMenu(const QPoint& windowPoint, const QPoint& globalPoint);

    // A type chosen in the palette or by "Jump to item...".
    void ChooseBrushType(int32_t key);
    // A dialog deleted or changed a house.
    void HouseChanged(HouseChange change, int32_t houseId);
    // The houses dialog's "Select": the house and the house tool are chosen.
    void PickHouse(uint32_t houseId);
    void RunCommand(int commandId);
    // Paste with what the system clipboard holds.
    void Paste();
    // Tells the engine which of the editor's formats the system clipboard offers now.
    void SyncClipboardOffers();
    // The rubber band's window rectangle; Shift keeps the selection.
    void SelectRect(const QRect& rect, Qt::KeyboardModifiers modifiers);
    // The move tool's drag ended with that effect (this view was its source).
    void FinishDrag(DropEffect result);
    // The carried tiles were dropped here.
    void DropTiles(DropEffect effect);
    // A dialog changed the chosen thing: repaints it.
    void ChosenThingEdited();
    // The select tool with the topmost thing of the tile chosen, no tile selected.
    void ChooseThingAt(const Position& tile);
    // "Fill ground" over the window's tiles.
    void FillGround();
    // "Jump to item..." with the id the dialog accepted.
    void JumpToItem(int32_t value);
    QString HouseStatusText() const;

    // The tool state the map drawing reads: tool, radii, cursor frame, chosen thing, house and
    // selected positions.
    void FillViewState(MapViewState& state) const;

    // The window rectangle of the tiles (drawn on their floor), empty when none is drawn.
    QRect TileAreaRect(const TileArea& area) const;
    // The last context menu the view showed.
    const ContextMenuModel& LastContextMenu() const { return lastMenu_; }

signals:
    // Anything the commands' enabled or checked states read may have changed.
    void StateChanged();
    void ShowTypeInPalette(int32_t key);
    void HousesDialogRequested(uint32_t preselectedHouseId);
    void PropertiesRequested();
    void ItemInfoRefreshRequested();
    // A line of the context menu was chosen: run that command as the menus do.
    void ContextCommandChosen(int commandId);

private:
    // The selection as the drawing asks it.
    class DrawnSelection final : public MapSelection {
    public:
        explicit DrawnSelection(const Selection& selection) : selection_(selection) {}
        bool IsEmpty() const override { return selection_.Empty(); }
        bool Contains(const Position& position) const override { return selection_.Contains(position); }
        bool MayTouch(int z, int left, int top, int right, int bottom) const override
        {
            return selection_.MayTouch(z, left, top, right, bottom);
        }

    private:
        const Selection& selection_;
    };

    void Apply(const ToolOutcome& outcome);
    void InvalidateCursorFrame(const Position& tile);
    void SyncVisibility();

    CTessarkView& view_;
    std::unique_ptr<ToolController> controller_;
    ContextMenuModel lastMenu_;
    DrawnSelection drawnSelection_;
};

}  // namespace tessark
