#include <QScrollBar>

#include "app/CommandIds.h"
#include "view/Minimap.h"
#include "view/ShownView.h"

namespace tessark::test {
namespace {

constexpr int32_t kGrass = 0;

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
    EXPECT_FLOAT_EQ(view.Zoom(), 1.0f);
    EXPECT_TRUE(view.IsAnimationTimerActive());
    Key(Qt::Key_W);  // at 1.0 nothing happens
    EXPECT_FLOAT_EQ(view.Zoom(), 1.0f);

    const float expected[] = {0.75f, 0.5f, 0.25f, 0.25f};
    const int classes[] = {2, 1, 0, 0};
    for (int i = 0; i < 4; ++i) {
        Key(Qt::Key_Q);
        EXPECT_FLOAT_EQ(view.Zoom(), expected[i]);
        EXPECT_EQ(view.ZoomClass(), classes[i]);
        EXPECT_FALSE(view.IsAnimationTimerActive());
    }
    // The scroll range is the map's size at the zoom, two pixels a tile, and no more.
    EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.viewport()->width(), document.width * 2);

    Key(Qt::Key_W);
    Key(Qt::Key_W);
    EXPECT_FLOAT_EQ(view.Zoom(), 0.75f);
    EXPECT_FALSE(view.IsAnimationTimerActive());
    Key(Qt::Key_W);
    EXPECT_FLOAT_EQ(view.Zoom(), 1.0f);
    EXPECT_TRUE(view.IsAnimationTimerActive());
    // A zoom set directly, as a remembered one is, starts and stops the timer too.
    view.SetZoom(0.5f);
    EXPECT_FALSE(view.IsAnimationTimerActive());
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
