#pragma once

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "app/CommandTable.h"
#include "app/EditorTestWorld.h"
#include "app/MainFrame.h"
#include "model/TessarkDoc.h"
#include "view/TessarkView.h"

namespace tessark::test {

// Records the regions the viewport is asked to paint.
class PaintRecorder final : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// The main window shown at 900 x 700 with the map view focused, and an empty clipboard (tests
// in one process would otherwise see what an earlier one copied).
class ShownViewTest : public ::testing::Test {
protected:
    ShownViewTest()
    {
        frame.showNormal();  // the first start fills the screen
        frame.resize(900, 700);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        view.setFocus();
        QApplication::clipboard()->clear();
        QApplication::processEvents();
    }

    // The middle of the tile on the current floor, in window pixels.
    QPoint At(int x, int y) const
    {
        const std::optional<Rect> tile = view.Geometry().TileRect(x, y, view.CurrentFloor());
        const Rect client = view.Geometry().DrawingToClient(*tile, view.ScrollPosition());
        return {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers modifiers = {})
    {
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(view.viewport(), &event);
    }
    void Move(QPoint at, Qt::MouseButtons held = {}, Qt::KeyboardModifiers modifiers = {})
    {
        Send(QEvent::MouseMove, at, Qt::NoButton, held, modifiers);
    }
    void Press(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        Move(at, {}, modifiers);
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, modifiers);
    }
    void Release(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, modifiers);
    }
    void Click(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        Press(at, modifiers);
        Release(at, modifiers);
    }

    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CTessarkView& view = frame.View();
    CommandTable& commands = frame.Commands();
    CTessarkDoc& document = world.Document();
};

}  // namespace tessark::test
