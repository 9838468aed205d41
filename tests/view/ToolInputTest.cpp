#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include "app/CommandIds.h"
#include "app/MainStatusBar.h"
#include "view/Minimap.h"
#include "view/ShownView.h"
#include "view/ViewToolInput.h"

namespace tessark::test {
namespace {

// One context menu as it popped up: its lines and whether each was enabled.
struct SeenMenu {
    QString name;
    QStringList texts;
    QList<bool> enabled;
};

class ToolInputTest : public ShownViewTest {
protected:
    // Right-clicks and reads the menu that pops up; chooses the line with that text, if any.
    SeenMenu RightClick(QPoint at, const QString& choose = {})
    {
        Move(at);
        SeenMenu seen;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            seen.name = menu->objectName();
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                seen.texts << action->text();
                seen.enabled << action->isEnabled();
                if (action->text() == choose) {
                    chosen = action;
                }
            }
            if (chosen) {
                menu->setActiveAction(chosen);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.viewport(), &event);
        // The offscreen platform does not give the window back its activation after a popup.
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        return seen;
    }
    void Key(Qt::Key key) { QTest::keyClick(&view, key); }
    QAction* Action(int id) { return commands.Action(id); }
    size_t Things(int x, int y) const
    {
        const CTile* tile = document.GetTile(x, y, 7);
        return tile ? tile->GetThingCount() : 0;
    }
};

TEST_F(ToolInputTest, NineByNineGroundStrokeFromThePaletteRepaintsOnlyTheChangedTiles)
{
    frame.OnBrushTypeChosen(kGrass);
    EXPECT_TRUE(Action(command::PaintBrush)->isChecked());
    commands.Trigger(command::BrushSizeLast);
    EXPECT_TRUE(Action(command::BrushSizeLast)->isChecked());
    EXPECT_FALSE(Action(command::BrushSizeFirst)->isChecked());
    view.ShowMinimap();
    QApplication::processEvents();

    Move(At(30, 30));
    QApplication::processEvents();
    PaintRecorder recorder(*view.viewport());
    PaintRecorder minimapRecorder(*view.Minimap());
    Send(QEvent::MouseButtonPress, At(30, 30), Qt::LeftButton, Qt::LeftButton);
    QApplication::processEvents();
    // Only the square is painted, not the window; the minimap only its 81 pixels.
    const QRect square = view.ToolInput().TileAreaRect({26, 26, 34, 34, 7});
    ASSERT_FALSE(recorder.painted.isEmpty());
    EXPECT_TRUE(square.contains(recorder.painted.boundingRect()));
    EXPECT_LT(recorder.painted.boundingRect().width(), view.viewport()->width() / 2);
    ASSERT_FALSE(minimapRecorder.painted.isEmpty());
    EXPECT_EQ(minimapRecorder.painted.boundingRect().size(), QSize(9, 9));

    // Dragging stamps the square around every tile the cursor enters.
    Move(At(31, 30), Qt::LeftButton);
    Move(At(33, 31), Qt::LeftButton);
    Release(At(33, 31));
    size_t painted = 0;
    for (int y = 20; y <= 40; ++y) {
        for (int x = 20; x <= 40; ++x) {
            const bool covered = (y >= 26 && y <= 34 && x >= 26 && x <= 35) || (y >= 27 && y <= 35 && x >= 29 && x <= 37);
            EXPECT_EQ(Things(x, y), covered ? 1u : 0u) << x << "," << y;
            painted += covered ? 1 : 0;
        }
    }
    EXPECT_EQ(document.Tiles().Size(), painted);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(frame.windowTitle(), "Untitled* - Tessark");
    EXPECT_EQ(document.redrawAtOnce, 1);

    // A non-ground type from the palette shrinks the brush to one tile.
    frame.OnBrushTypeChosen(kBag);
    EXPECT_TRUE(Action(command::BrushSizeFirst)->isChecked());
    Click(At(40, 40));
    EXPECT_EQ(document.Tiles().Size(), painted + 1);

    // Moving the 5x5 eraser repaints its old and its new square, nothing else.
    commands.Trigger(command::EraserSizeFirst + 2);
    Key(Qt::Key_E);
    Move(At(30, 30));
    QApplication::processEvents();
    PaintRecorder eraser(*view.viewport());
    Move(At(31, 30));
    QApplication::processEvents();
    EXPECT_EQ(eraser.painted.boundingRect(), view.ToolInput().TileAreaRect({28, 28, 33, 32, 7}));
    EXPECT_EQ(frame.StatusBar().PaneText(1), "x: 31");
}

TEST_F(ToolInputTest, ContextMenusOfferTheirLinesPerCase)
{
    world.Place(kGrass, 30, 30, 7);
    world.Place(kGrass, 31, 30, 7);
    document.Houses().GetHouse(2, true)->AddTile(document.GetTile(31, 30, 7));
    frame.OnBrushTypeChosen(kDirt);

    // The lines and what enables them are the engine's test; here the menus reach the window.
    SeenMenu empty = RightClick(At(35, 35));
    EXPECT_EQ(empty.name, "ContextMenu132");
    EXPECT_EQ(empty.enabled, QList<bool>({false, true}));
    EXPECT_EQ(RightClick(At(30, 30)).name, "ContextMenu133");
    EXPECT_TRUE(RightClick(At(31, 30)).texts.contains("Select house"));

    // "Select" makes the ground the brush and shows it in the palette.
    RightClick(At(30, 30), "Select");
    EXPECT_EQ(document.currentItemKey, kGrass);
    EXPECT_EQ(view.ToolInput().Controller().Context().CurrentTool(), ToolKind::PaintBrush);

    // "Fill ground" fills the window's empty tiles with the brush ground.
    RightClick(At(35, 35), "Fill ground");
    EXPECT_EQ(Things(35, 35), 1u);
    EXPECT_EQ(Things(30, 30), 1u);
    EXPECT_GT(document.Tiles().Size(), 200u);
}

}  // namespace
}  // namespace tessark::test
