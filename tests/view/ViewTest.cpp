#include <QScrollBar>

#include "app/CommandIds.h"
#include "view/Minimap.h"
#include "view/ShownView.h"

namespace tessark::test {
namespace {

class ViewTest : public ShownViewTest {
protected:
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(&view, key, modifiers); }
    // The tile under the middle of the window. Centring measures the window by its tile span,
    // which reaches two tiles beyond it up and left and one down and right, so a centred tile
    // lies within two tiles of the middle.
    QPoint MiddleTile() const
    {
        const Point drawing = view.Geometry().ClientToDrawing(
            Point{view.viewport()->width() / 2, view.viewport()->height() / 2}, view.ScrollPosition());
        const Point tile = view.Geometry().PointToTile(drawing);
        return {tile.x, tile.y};
    }
    // The middle of the span, where the minimap centres.
    QPoint SpanMiddle() const
    {
        const TileSpan span = view.VisibleTileSpan();
        return {(span.firstColumn + span.lastColumn) / 2, (span.firstRow + span.lastRow) / 2};
    }
};

TEST_F(ViewTest, ZoomKeysStepBetweenQuarterAndOne)
{
    EXPECT_TRUE(view.IsAnimationTimerActive());
    // W at 1.0 and Q at 0.25 change nothing; animations run at 1.0 only.
    const std::tuple<Qt::Key, float, int, bool> steps[] = {
        {Qt::Key_W, 1.0f, 3, true},   {Qt::Key_Q, 0.75f, 2, false}, {Qt::Key_Q, 0.5f, 1, false},
        {Qt::Key_Q, 0.25f, 0, false}, {Qt::Key_Q, 0.25f, 0, false}, {Qt::Key_W, 0.5f, 1, false},
        {Qt::Key_W, 0.75f, 2, false}, {Qt::Key_W, 1.0f, 3, true},
    };
    for (const auto& [key, zoom, zoomClass, animated] : steps) {
        Key(key);
        EXPECT_FLOAT_EQ(view.Zoom(), zoom);
        EXPECT_EQ(view.ZoomClass(), zoomClass) << zoom;
        EXPECT_EQ(view.IsAnimationTimerActive(), animated) << zoom;
    }
    // A zoom set directly, as a remembered one is, stops and starts the timer too. The scroll
    // range is the map's size at the zoom, two pixels a tile at 0.25, and no more.
    view.SetZoom(0.25f);
    EXPECT_FALSE(view.IsAnimationTimerActive());
    EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.viewport()->width(), document.width * 2);
    view.SetZoom(1.0f);
    EXPECT_TRUE(view.IsAnimationTimerActive());

    // Without animations, zooming in to 1.0 starts no timer.
    frame.Commands().Action(command::ShowAnimations)->trigger();
    EXPECT_FALSE(view.IsAnimationTimerActive());
    Key(Qt::Key_Q);
    Key(Qt::Key_W);
    EXPECT_FLOAT_EQ(view.Zoom(), 1.0f);
    EXPECT_FALSE(view.IsAnimationTimerActive());
}

TEST_F(ViewTest, KeysScrollByTheLineAndPageSteps)
{
    const Point start = view.ScrollPosition();
    EXPECT_EQ(start, (Point{20 * 32, 20 * 32}));
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(view.ScrollPosition(), (Point{start.x + 32, start.y + 64}));
    Key(Qt::Key_PageUp);
    Key(Qt::Key_Left);
    EXPECT_EQ(view.ScrollPosition(), (Point{start.x, start.y + 32}));
    // N centres on the cursor tile.
    view.TrackCursor(QPoint(5, 5));
    const Position cursor = view.CursorTile();
    Key(Qt::Key_N);
    EXPECT_NEAR(MiddleTile().x(), cursor.x, 2);
    EXPECT_NEAR(MiddleTile().y(), cursor.y, 2);
}

TEST_F(ViewTest, MinimapFollowsTheViewAndAClickCentresIt)
{
    world.Place(kGrass, 100, 100, 7);
    frame.Commands().Action(command::Minimap)->trigger();
    CMinimap* minimap = view.Minimap();
    ASSERT_NE(minimap, nullptr);
    EXPECT_TRUE(minimap->isVisible());
    const QPoint middle = SpanMiddle();
    EXPECT_EQ(minimap->OriginX() + minimap->width() / 2, middle.x());
    EXPECT_EQ(minimap->OriginY() + minimap->height() / 2, middle.y());

    // Left of and above the map's origin nothing moves (the view starts near the corner).
    ASSERT_LT(minimap->OriginX(), 0);
    const Point start = view.ScrollPosition();
    QTest::mouseClick(minimap, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(view.ScrollPosition(), start);

    // A click centres the view on the tile under it and the minimap on the view.
    const QPoint click(minimap->width() / 2 + 60, minimap->height() / 2 + 70);
    const Position target{static_cast<int32_t>(minimap->OriginX() + click.x()),
                          static_cast<int32_t>(minimap->OriginY() + click.y()), 7};
    QTest::mouseClick(minimap, Qt::LeftButton, {}, click);
    EXPECT_NEAR(MiddleTile().x(), target.x, 2);
    EXPECT_NEAR(MiddleTile().y(), target.y, 2);
    EXPECT_EQ(minimap->OriginX() + minimap->width() / 2, SpanMiddle().x());

    // Beyond the map's width nothing moves.
    view.CenterOn({document.width - 5, 500, 7});
    const Point before = view.ScrollPosition();
    QTest::mouseClick(minimap, Qt::LeftButton, {}, QPoint(minimap->width() - 2, 50));
    EXPECT_EQ(view.ScrollPosition(), before);

    // The command shows the same window again; closing it makes the view forget it.
    frame.Commands().Action(command::Minimap)->trigger();
    EXPECT_EQ(view.Minimap(), minimap);
    minimap->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(view.Minimap(), nullptr);
}

}  // namespace
}  // namespace tessark::test
